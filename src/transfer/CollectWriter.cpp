#include "CollectWriter.h"

#include "BackupManifest.h"
#include "BackupWriter.h"
#include "CVivuRuza.h"
#include "DeviceText.h"
#include "ErrorMeaning.h"
#include "TransferPlan.h"
#include "serializeData.pb.h"

#include <QDir>
#include <QHash>
#include <QMutex>
#include <QMutexLocker>

namespace {
QString lastFailure(const CVivuRuza &link)
{
    return ErrorMeaning::joined(link.errorString(), link.errorDetail());
}

// A sentence part without its closing stop, to go after a colon.
QString clause(QString text)
{
    text = text.trimmed();
    while (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

// One field of a CSV row. A field that a spreadsheet would take for a formula
// (a calculator may be named "=HYPERLINK(...)") is kept as text by a leading
// apostrophe, as spreadsheets themselves do.
QByteArray csvField(const QString &text)
{
    QString field = text;
    if (!field.isEmpty() && QStringLiteral("=+-@\t\r").contains(field.at(0)))
        field.prepend(QLatin1Char('\''));
    QByteArray bytes = field.toUtf8();
    if (bytes.contains(',') || bytes.contains('"') || bytes.contains('\n') || bytes.contains('\r')
        || bytes.contains('\''))
        bytes = '"' + bytes.replace('"', "\"\"") + '"';
    return bytes;
}

// Calculators of one run write the receipt side by side; whole rows, and the
// header once, come from one writer at a time.
QMutex receiptLock;
} // namespace

CollectWriter::CollectWriter(CVivuRuza &link, TransferEvents events)
    : m_link(link)
    , m_events(std::move(events))
{
}

void CollectWriter::problem(const QString &text)
{
    if (m_events.problem)
        m_events.problem(text, QString());
}

int CollectWriter::count(Outcome outcome) const
{
    int n = 0;
    for (const Entry &e : m_entries)
        n += e.outcome == outcome ? 1 : 0;
    return n;
}

QStringList CollectWriter::missing() const
{
    QStringList names;
    for (const Entry &e : m_entries) {
        if (e.outcome == Outcome::Failed && !e.name.isEmpty())
            names.append(e.name);
    }
    return names;
}

QString CollectWriter::outcomeWord(Outcome outcome)
{
    switch (outcome) {
    case Outcome::Collected:
        return QStringLiteral("collected");
    case Outcome::Cleared:
        return QStringLiteral("cleared");
    case Outcome::Failed:
        break;
    }
    return QStringLiteral("failed");
}

QByteArray CollectWriter::receiptHeader()
{
    return QByteArrayLiteral("calculator,serial,file,size,sha256,outcome,reason\n");
}

QByteArray CollectWriter::receiptRow(
    const QString &calculator, const QString &serial, const Entry &e)
{
    const QList<QByteArray> fields { csvField(calculator), csvField(serial), csvField(e.name),
        e.name.isEmpty() ? QByteArray() : QByteArray::number(e.size), e.sha256,
        outcomeWord(e.outcome).toUtf8(), csvField(DeviceText::withoutBidiControls(e.reason)) };
    QByteArray row;
    for (int i = 0; i < fields.size(); ++i)
        row += (i ? "," : "") + fields.at(i);
    return row + '\n';
}

QString CollectWriter::folderNameOf(const QString &deviceName)
{
    const QString name = BackupWriter::folderNameOf(deviceName);
    if (name.compare(QLatin1String(receiptName), Qt::CaseInsensitive) == 0)
        return name + QLatin1Char('_');
    return name;
}

// Every listed file not reached from index from on fails with reason.
void CollectWriter::stop(const QString &reason, int from)
{
    if (m_stopReason.isEmpty())
        m_stopReason = reason;
    for (int i = from; i < m_entries.size(); ++i) {
        Entry &e = m_entries[i];
        if (e.outcome == Outcome::Failed && e.reason.isEmpty())
            e.reason = tr("not collected: %1").arg(clause(reason));
    }
}

bool CollectWriter::run(const QString &parentFolder)
{
    QString why;
    const FolderHandle parent = FolderHandle::open(parentFolder, &why);
    if (!parent.isValid()) {
        m_stopReason
            = tr("Folder %1 can't be opened: %2").arg(QDir::toNativeSeparators(parentFolder), why);
        problem(m_stopReason);
        return false;
    }
    QList<QPair<QString, int>> files;
    if (!m_link.listFiles(files)) {
        m_stopReason = m_link.errorString().isEmpty()
            ? tr("The calculator's file list could not be read.")
            : lastFailure(m_link);
        problem(m_stopReason);
        Entry none;
        none.reason = clause(m_stopReason);
        m_entries.append(none);
        writeReceipt(parent);
        return false;
    }
    for (const auto &file : qAsConst(files)) {
        Entry e;
        e.name = file.first;
        e.size = file.second;
        m_entries.append(e);
    }
    // Said once for the whole calculator; the files it left out are not in
    // its list and so not in the receipt, but the result says so.
    for (const QString &text : m_link.skippedEntries())
        problem(text);
    const bool unreadEntries = !m_link.skippedEntries().isEmpty();

    m_dir = FolderHandle::makeNew(parent, folderNameOf(m_link.devName()), &why);
    m_folder = m_dir.path();
    if (!m_dir.isValid()) {
        const QString reason = tr("No folder can be made in %1: %2")
                                   .arg(QDir::toNativeSeparators(parentFolder), why);
        problem(reason);
        stop(reason, 0);
    } else if (collect() && m_clear) {
        clear();
    }
    if (m_dir.isValid() && !m_dir.isStillAt()) {
        const QString reason = tr("The folder %1 was moved or replaced while files were "
                                  "collected into it, so they are not in it.")
                                   .arg(QDir::toNativeSeparators(m_folder));
        problem(reason);
        m_stopReason = reason;
        m_folder.clear();
    }
    const bool receipt = writeReceipt(parent);
    const Outcome wanted = m_clear ? Outcome::Cleared : Outcome::Collected;
    return receipt && m_stopReason.isEmpty() && !unreadEntries && count(wanted) == m_entries.size();
}

// False when the run must not delete anything: the disk or the folder failed,
// or it was stopped. A file that could not be read, or read differently,
// fails alone.
bool CollectWriter::collect()
{
    QHash<QString, QString> taken; // by the calculator's name key
    const QDir shown(m_folder);
    for (int i = 0; i < m_entries.size(); ++i) {
        Entry &e = m_entries[i];
        if (m_link.cancelAsked()) {
            m_cancelled = true;
            stop(BackupWriter::cancelledReason(), i);
            return false;
        }
        const QString key = TransferPlan::nameKey(e.name);
        if (!CVivuRuza::isSafeLocalName(e.name)
            || e.name.compare(QLatin1String(receiptName), Qt::CaseInsensitive) == 0) {
            e.reason = tr("its name can't be a file name on the computer");
            problem(tr("%1 is not collected: %2.").arg(DeviceText::isolated(e.name), e.reason));
            continue;
        }
        if (taken.contains(key)) {
            e.reason = tr("the calculator lists this name twice, and a folder holds one file per "
                          "name, whatever its case");
            problem(tr("%1 is not collected: %2.").arg(DeviceText::isolated(e.name), e.reason));
            continue;
        }
        taken.insert(key, e.name);
        if (m_events.fileStarted)
            m_events.fileStarted(e.name, i + 1, m_entries.size());
        QByteArray readings[2];
        QString failure;
        for (QByteArray &content : readings) {
            content = m_link.getFile(CVivuRuza::fileInfOf(e.name, e.size));
            if (m_link.cancelled()) {
                m_cancelled = true;
                stop(BackupWriter::cancelledReason(), i);
                return false;
            }
            if (!m_link.errorString().isEmpty()) {
                failure = lastFailure(m_link);
                break;
            }
            if (content.size() != e.size) {
                failure = tr("it arrived with %1 bytes; the calculator listed %2")
                              .arg(QString::number(content.size()), QString::number(e.size));
                break;
            }
        }
        if (failure.isEmpty()
            && BackupManifest::sha256(readings[0]) != BackupManifest::sha256(readings[1]))
            failure = tr("the two readings of it differ, so neither can be trusted");
        if (!failure.isEmpty()) {
            e.reason = clause(failure);
            problem(tr("%1 is not collected: %2.").arg(DeviceText::isolated(e.name), e.reason));
            // The calculator is gone: nothing more of it can be read.
            if (m_link.lineLost()) {
                stop(failure, i + 1);
                return false;
            }
            continue;
        }
        QString why;
        if (!m_dir.writeFile(e.name, readings[0], &why)) {
            const QString reason
                = tr("%1 can't be written: %2")
                      .arg(DeviceText::isolated(QDir::toNativeSeparators(shown.filePath(e.name))),
                          why);
            problem(reason);
            e.reason = tr("it can't be written: %1").arg(why);
            stop(reason, i + 1);
            return false;
        }
        e.sha256 = BackupManifest::sha256(readings[0]);
        e.outcome = Outcome::Collected;
    }
    return true;
}

// Only what is in the folder whole and was read the same twice.
void CollectWriter::clear()
{
    if (!m_dir.isStillAt())
        return;
    for (int i = 0; i < m_entries.size(); ++i) {
        Entry &e = m_entries[i];
        if (e.outcome != Outcome::Collected)
            continue;
        if (m_link.cancelAsked()) {
            m_cancelled = true;
            m_stopReason = BackupWriter::cancelledReason();
            for (int j = i; j < m_entries.size(); ++j) {
                if (m_entries.at(j).outcome == Outcome::Collected)
                    m_entries[j].reason
                        = tr("collected, not deleted: %1").arg(BackupWriter::cancelledReason());
            }
            return;
        }
        if (m_link.deleteFile(CVivuRuza::fileInfOf(e.name, e.size))) {
            e.outcome = Outcome::Cleared;
            continue;
        }
        e.reason = tr("collected, not deleted: %1").arg(clause(lastFailure(m_link)));
        problem(tr("%1 is collected but not deleted on the calculator: %2.")
                    .arg(DeviceText::isolated(e.name), clause(lastFailure(m_link))));
        if (m_link.lineLost()) {
            m_stopReason = lastFailure(m_link);
            for (int j = i + 1; j < m_entries.size(); ++j) {
                if (m_entries.at(j).outcome == Outcome::Collected)
                    m_entries[j].reason = e.reason;
            }
            return;
        }
    }
}

bool CollectWriter::writeReceipt(const FolderHandle &parent)
{
    QByteArray rows;
    for (const Entry &e : qAsConst(m_entries))
        rows += receiptRow(m_link.devName(), m_serial, e);
    if (rows.isEmpty())
        return true;
    QString why;
    QMutexLocker lock(&receiptLock);
    if (parent.appendFile(QLatin1String(receiptName), receiptHeader(), rows, &why))
        return true;
    problem(
        tr("The receipt %1 can't be written: %2")
            .arg(QDir::toNativeSeparators(QDir(parent.path()).filePath(QLatin1String(receiptName))),
                why));
    return false;
}
