#include "BackupWriter.h"

#include "CVivuRuza.h"
#include "DeviceText.h"
#include "ErrorMeaning.h"
#include "FolderHandle.h"
#include "TransferPlan.h"
#include "serializeData.pb.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QHash>

namespace {
// The link's report of its last failure, as the user saw it.
QString lastFailure(const CVivuRuza &link)
{
    return ErrorMeaning::joined(link.errorString(), link.errorDetail());
}
} // namespace

BackupWriter::BackupWriter(CVivuRuza &link, TransferEvents events)
    : m_link(link)
    , m_events(std::move(events))
{
}

void BackupWriter::problem(const QString &text)
{
    if (m_events.problem)
        m_events.problem(text, QString());
}

QString BackupWriter::folderNameOf(const QString &deviceName)
{
    QString name;
    for (const QChar c : deviceName.left(64)) {
        const ushort u = c.unicode();
        // An override in a folder's name turns it around in every listing.
        if (DeviceText::isBidiControl(u))
            continue;
        name += (u < 0x20 || (u >= 0x7F && u < 0xA0) || c == QLatin1Char('/')
                    || c == QLatin1Char('\\') || c == QLatin1Char(':'))
            ? QLatin1Char('_')
            : c;
    }
    name = name.trimmed();
    while (name.startsWith(QLatin1Char('.')) || name.startsWith(QLatin1Char('-')))
        name.remove(0, 1);
    return name.isEmpty() ? QStringLiteral("calculator") : name;
}

// mkdir makes the folder or fails: an existing folder, or a link planted
// under the name, is never written into.
QString BackupWriter::makeNewFolder(const QString &parentFolder, const QString &base)
{
    return FolderHandle::makeNew(parentFolder, base).path();
}

// Everything the backup writes goes through the folder made, held open: in a
// shared folder another user may rename it and put a link under its name.
bool BackupWriter::makeFolder(const FolderHandle &parent, const QString &base)
{
    const QString parentFolder = parent.path();
    m_dir = FolderHandle::makeNew(parent, base);
    m_folder = m_dir.path();
    if (m_dir.isValid())
        return true;
    problem(tr("No backup folder can be made in %1.")
                .arg(QDir::toNativeSeparators(QDir(parentFolder).absolutePath())));
    return false;
}

bool BackupWriter::writeNote(const QString &text)
{
    return m_dir.writeFile(QLatin1String(incompleteNote), text.toUtf8() + '\n');
}

bool BackupWriter::run(const QString &parentFolder, const QString &port)
{
    if (!QFileInfo(parentFolder).isDir()) {
        problem(tr("Folder %1 does not exist.").arg(QDir::toNativeSeparators(parentFolder)));
        return false;
    }
    const QDateTime now = QDateTime::currentDateTimeUtc();
    m_manifest.time = now.toString(Qt::ISODate);
    m_manifest.device = QJsonObject { { QStringLiteral("name"), m_link.devName() },
        { QStringLiteral("port"), port }, { QStringLiteral("chunk"), m_link.chunkSize },
        { QStringLiteral("hv"), m_link.HV }, { QStringLiteral("fv"), m_link.FV },
        { QStringLiteral("pv"), m_link.PV } };
    const QString base = folderNameOf(m_link.devName()) + QLatin1Char('-')
        + now.toString(QStringLiteral("yyyy-MM-dd'T'HHmmss'Z'"));
    // Opened once, so the folder compared is the folder written into.
    const FolderHandle parent = FolderHandle::open(parentFolder);
    if (!m_expectedParent.isEmpty() && parent.identity() != m_expectedParent) {
        problem(replacedParentText(parentFolder));
        return false;
    }
    if (!parent.isValid()) {
        problem(tr("No backup folder can be made in %1.")
                    .arg(QDir::toNativeSeparators(QDir(parentFolder).absolutePath())));
        return false;
    }
    if (!makeFolder(parent, base))
        return false;
    // Said before the first file arrives, so that a backup cut short by a
    // crash or a pulled plug never looks finished.
    if (!writeNote(tr("This backup did not finish; it lacks files.")))
        return fail(tr("the folder can't be written"));
    if (!copyFiles())
        return false;
    QString error;
    if (!m_manifest.save(m_dir, error))
        return fail(error);
    m_dir.removeFile(QLatin1String(incompleteNote));
    return !movedAway();
}

// Settled from the list before the first file is copied, so that what the
// backup will not hold, or will hold but restore can't send back, is said at
// once rather than found out on the day of the restore.
QList<BackupManifest::Entry> BackupWriter::plan(const QList<QPair<QString, int>> &files)
{
    QList<BackupManifest::Entry> toCopy;
    QHash<QString, QString> taken; // by the plan's name key: as listed
    for (const auto &file : files) {
        BackupManifest::Entry e { file.first, file.second, QByteArray(), QString() };
        const QString key = TransferPlan::nameKey(e.name);
        bool held = true;
        QString shownReason;
        // The note and the manifest are the backup's own; the calculator
        // must not overwrite them with files of those names.
        if (!CVivuRuza::isSafeLocalName(e.name)
            || e.name.compare(QLatin1String(BackupManifest::fileName), Qt::CaseInsensitive) == 0
            || e.name.compare(QLatin1String(incompleteNote), Qt::CaseInsensitive) == 0) {
            held = false;
            e.reason = QString::fromUtf8(QT_TRANSLATE_NOOP(
                "BackupManifest", "its name can't be a file name in the backup folder"));
        } else if (taken.contains(key)) {
            // Two entries of one name would overwrite each other, and so
            // would two names that differ only in case on a disk that
            // ignores it; the calculator's names are compared ignoring case.
            held = false;
            const QString first = taken.value(key);
            if (first == e.name) {
                e.reason = QString::fromUtf8(QT_TRANSLATE_NOOP("BackupManifest",
                    "the calculator lists it twice, and a backup holds one file per name"));
            } else {
                const char *const both = QT_TRANSLATE_NOOP("BackupManifest",
                    "the calculator lists %1 as well, and a backup holds one file per name, "
                    "whatever its case");
                e.reason = QString::fromUtf8(both).arg(first);
                shownReason = BackupManifest::tr(both).arg(DeviceText::isolated(first));
            }
        } else {
            taken.insert(key, e.name);
            e.reason = BackupManifest::whyNotRestorable(e.name, e.size);
        }
        if (shownReason.isEmpty())
            shownReason = BackupManifest::shownReason(e.reason);
        if (!held) {
            problem(
                tr("%1 is not in the backup: %2.").arg(DeviceText::isolated(e.name), shownReason));
            m_manifest.unrestorable.append(e);
            continue;
        }
        if (!e.reason.isEmpty())
            problem(tr("%1 is in the backup, but restore can't send it back: %2.")
                        .arg(DeviceText::isolated(e.name), shownReason));
        toCopy.append(e);
    }
    return toCopy;
}

bool BackupWriter::copyFiles()
{
    QList<QPair<QString, int>> files;
    if (!m_link.listFiles(files))
        return fail(m_link.errorString().isEmpty()
                ? tr("the calculator's file list could not be read")
                : lastFailure(m_link));
    // Said at once. Nothing of such an entry, not even its name, can be
    // trusted: the manifest lists it apart without one, so the files that
    // were read still restore.
    const QStringList unread = m_link.skippedEntries();
    for (const QString &text : unread) {
        problem(text);
        BackupManifest::Entry e;
        e.reason = QString::fromUtf8(QT_TRANSLATE_NOOP(
            "BackupManifest", "the calculator's file list had an entry that could not be read"));
        m_manifest.unrestorable.append(e);
    }
    const QList<BackupManifest::Entry> toCopy = plan(files);
    const QDir dir(m_folder);
    for (int i = 0; i < toCopy.size(); ++i) {
        BackupManifest::Entry e = toCopy.at(i);
        // A Cancel that came as the last file ended stops the backup before
        // the next one.
        if (m_link.cancelAsked())
            return fail(cancelledReason());
        if (m_events.fileStarted)
            m_events.fileStarted(e.name, i + 1, toCopy.size());
        const QByteArray content = m_link.getFile(CVivuRuza::fileInfOf(e.name, e.size));
        // Stopped without a word from the link, and short of its bytes: not
        // a file that arrived with the wrong size.
        if (m_link.cancelled())
            return fail(cancelledReason());
        // A file of size 0 comes back as empty as a failed one; only a
        // failure has words.
        TransferOutcome outcome;
        outcome.text = m_link.errorString();
        outcome.status = outcome.text.isEmpty() ? TransferOutcome::Status::Done
                                                : TransferOutcome::Status::Failed;
        outcome.size = content.size();
        if (m_events.fileDone)
            m_events.fileDone(i, outcome);
        if (outcome.status == TransferOutcome::Status::Failed)
            return fail(tr("%1 could not be copied: %2")
                            .arg(DeviceText::isolated(e.name), lastFailure(m_link)));
        if (content.size() != e.size)
            return fail(tr("%1 arrived with %2 bytes; the calculator listed %3")
                            .arg(DeviceText::isolated(e.name), QString::number(content.size()),
                                QString::number(e.size)));
        QString why;
        if (!m_dir.writeFile(e.name, content, &why))
            return fail(
                tr("%1 can't be written: %2")
                    .arg(
                        DeviceText::isolated(QDir::toNativeSeparators(dir.filePath(e.name))), why));
        e.sha256 = BackupManifest::sha256(content);
        if (e.reason.isEmpty())
            m_manifest.files.append(e);
        else
            m_manifest.unrestorable.append(e);
    }
    return true;
}

QString BackupWriter::replacedParentText(const QString &parentFolder)
{
    return QCoreApplication::translate("BackupWriter",
        "The folder %1 is no longer the one chosen for backups: it was replaced, or belongs to "
        "someone else now. Nothing was written into it; choose the folder for backups again.")
        .arg(QDir::toNativeSeparators(parentFolder));
}

QString BackupWriter::cancelledReason()
{
    return QCoreApplication::translate("BackupWriter", "it was cancelled");
}

bool BackupWriter::fail(const QString &why)
{
    QString reason = why;
    while (reason.endsWith(QLatin1Char('.')))
        reason.chop(1);
    writeNote(tr("This backup is not complete: %1.").arg(reason));
    if (movedAway())
        return false;
    // Renamed only while the name is still this folder; an -incomplete
    // folder that is already there is not replaced.
    if (m_dir.renameTo(m_dir.name() + QStringLiteral("-incomplete")))
        m_folder = m_dir.path();
    problem(tr("The backup in %1 is not complete: %2.")
                .arg(QDir::toNativeSeparators(m_folder), reason));
    return false;
}

// The files went into the folder made, wherever it is now; a sentence that
// named the path would send the user to whatever took the name.
bool BackupWriter::movedAway()
{
    if (m_dir.isStillAt())
        return false;
    problem(tr("The backup folder %1 was moved or replaced while the backup was written, so "
               "the backup is not in it.")
                .arg(QDir::toNativeSeparators(m_folder)));
    m_folder.clear();
    return true;
}
