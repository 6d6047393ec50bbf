#include "BackupManifest.h"

#include "CVivuRuza.h"
#include "DeviceText.h"
#include "FolderHandle.h"
#include "TransferPlan.h"
#include "UploadFile.h"
#include "WholeFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QSet>

namespace {
// A manifest is small; one far larger is not ours.
constexpr qint64 maxManifestSize = 16 * 1024 * 1024;

// 64 hexadecimal digits, in either case (a digest copied from another tool
// may be in upper case); lower case from here on.
bool readDigest(const QJsonValue &value, QByteArray &digest)
{
    digest = value.toString().toLatin1().toLower();
    if (digest.size() != 64)
        return false;
    for (const char c : qAsConst(digest)) {
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return false;
    }
    return true;
}

// Sizes beyond this are no file of a calculator; a double that large would
// not even convert.
bool readSize(const QJsonValue &value, qint64 &size)
{
    const double d = value.toDouble(-1);
    if (!(d >= 0 && d <= double(CVivuRuza::maxDownloadSize)) || d != double(qint64(d)))
        return false;
    size = qint64(d);
    return true;
}
} // namespace

QJsonArray BackupManifest::toJson(const QList<Entry> &entries)
{
    QJsonArray list;
    for (const Entry &e : entries) {
        QJsonObject o { { QStringLiteral("name"), e.name },
            { QStringLiteral("size"), double(e.size) } };
        if (!e.sha256.isEmpty())
            o.insert(QStringLiteral("sha256"), QString::fromLatin1(e.sha256));
        if (!e.reason.isEmpty())
            o.insert(QStringLiteral("reason"), e.reason);
        list.append(o);
    }
    return list;
}

QJsonObject BackupManifest::toJson() const
{
    QJsonObject root { { QStringLiteral("format"), QLatin1String(format) },
        { QStringLiteral("version"), formatVersion }, { QStringLiteral("device"), device },
        { QStringLiteral("time"), time }, { QStringLiteral("files"), toJson(files) } };
    if (!unrestorable.isEmpty())
        root.insert(QStringLiteral("unrestorable"), toJson(unrestorable));
    return root;
}

bool BackupManifest::save(const FolderHandle &folder, QString &error) const
{
    const QByteArray json = QJsonDocument(toJson()).toJson(QJsonDocument::Indented);
    QString why;
    if (!folder.writeFile(QLatin1String(fileName), json, &why)) {
        error = tr("The manifest of %1 can't be written: %2")
                    .arg(QDir::toNativeSeparators(folder.path()), why);
        return false;
    }
    return true;
}

bool BackupManifest::save(const QString &folder, QString &error) const
{
    const QByteArray json = QJsonDocument(toJson()).toJson(QJsonDocument::Indented);
    QString why;
    if (!WholeFile::write(QDir(folder).filePath(QLatin1String(fileName)), json, &why)) {
        error = tr("The manifest of %1 can't be written: %2")
                    .arg(QDir::toNativeSeparators(folder), why);
        return false;
    }
    return true;
}

bool BackupManifest::load(const QString &folder, QString &error)
{
    const QString shown = QDir::toNativeSeparators(folder);
    QFile in(QDir(folder).filePath(QLatin1String(fileName)));
    if (!QFileInfo(in.fileName()).isFile() || !in.open(QIODevice::ReadOnly)) {
        //: %2 is the manifest's file name, manifest.json.
        error = tr("%1 holds no complete backup: it has no readable %2.")
                    .arg(shown, QLatin1String(fileName));
        return false;
    }
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(in.read(maxManifestSize), &parseError);
    const QJsonObject root = doc.object();
    if (parseError.error != QJsonParseError::NoError || !doc.isObject()
        || root.value(QStringLiteral("format")).toString() != QLatin1String(format)
        || !root.value(QStringLiteral("files")).isArray()) {
        //: %1 is the manifest's file name, manifest.json; %2 is a folder.
        error = tr("The %1 of %2 is not a backup manifest.").arg(QLatin1String(fileName), shown);
        return false;
    }
    if (root.value(QStringLiteral("version")).toInt() > formatVersion) {
        error = tr("The backup in %1 was made by a newer vuvectl.").arg(shown);
        return false;
    }
    const QJsonArray list = root.value(QStringLiteral("files")).toArray();
    const QJsonArray left = root.value(QStringLiteral("unrestorable")).toArray();
    // A backup lists what one calculator listed; a manifest listing more is
    // not ours, and reading it on would only cost time and memory.
    if (list.size() + left.size() > CVivuRuza::maxListedFiles) {
        //: %1 is the manifest's file name, manifest.json; %2 is a folder.
        error = tr("The %1 of %2 lists more files than a calculator holds.")
                    .arg(QLatin1String(fileName), shown);
        return false;
    }
    device = root.value(QStringLiteral("device")).toObject();
    time = root.value(QStringLiteral("time")).toString();
    files.clear();
    unrestorable.clear();
    QSet<QString> names;
    for (const QJsonValue &v : list) {
        const QJsonObject o = v.toObject();
        Entry e;
        e.name = o.value(QStringLiteral("name")).toString();
        // The names become local paths: none may leave the folder.
        if (!CVivuRuza::isSafeLocalName(e.name)
            || !readSize(o.value(QStringLiteral("size")), e.size)
            || !readDigest(o.value(QStringLiteral("sha256")), e.sha256)) {
            //: %1 is the manifest's file name, manifest.json; %2 is a folder; %3 a file name.
            error = tr("The %1 of %2 lists a file it cannot restore (%3).")
                        .arg(QLatin1String(fileName), shown, DeviceText::isolated(e.name));
            return false;
        }
        // The name goes to the calculator as it stands, so it must be one
        // the calculator's own rule keeps.
        e.reason = whyNotRestorable(e.name, e.size);
        const QString key = TransferPlan::nameKey(e.name);
        if (e.reason.isEmpty() && names.contains(key))
            e.reason = QString::fromUtf8(
                QT_TR_NOOP("the backup lists another file of this name (case ignored)"));
        names.insert(key);
        if (e.reason.isEmpty())
            files.append(e);
        else
            unrestorable.append(e);
    }
    for (const QJsonValue &v : left) {
        const QJsonObject o = v.toObject();
        Entry e;
        e.name = o.value(QStringLiteral("name")).toString();
        readSize(o.value(QStringLiteral("size")), e.size);
        e.reason = o.value(QStringLiteral("reason")).toString();
        if (e.reason.isEmpty())
            e.reason = QString::fromUtf8(QT_TR_NOOP("the backup says it can't be sent back"));
        unrestorable.append(e);
    }
    return true;
}

QStringList BackupManifest::check(const QString &folder) const
{
    QStringList problems;
    const QDir dir(folder);
    for (const Entry &e : files) {
        const QString path = dir.filePath(e.name);
        const QString shown = DeviceText::isolated(QDir::toNativeSeparators(path));
        const QFileInfo info(path);
        QByteArray content;
        if (!info.isFile() || info.isSymLink()) {
            problems.append(tr("%1 is missing from the backup.").arg(shown));
            continue;
        }
        if (info.size() != e.size) {
            problems.append(tr("%1 has %2 bytes; the manifest says %3.")
                                .arg(shown, QString::number(info.size()), QString::number(e.size)));
            continue;
        }
        // Opened as an upload is: what was a file a moment ago may be a FIFO now.
        switch (UploadFile::read(path, CVivuRuza::maxUploadSize, content)) {
        case UploadFile::Result::Ok:
            if (content.size() != e.size || sha256(content) != e.sha256)
                problems.append(
                    tr("%1 differs from what the manifest says was backed up.").arg(shown));
            break;
        case UploadFile::Result::TooLarge:
            problems.append(tr("%1 differs from what the manifest says was backed up.").arg(shown));
            break;
        case UploadFile::Result::NotRegular:
            problems.append(tr("%1 is not a regular file.").arg(shown));
            break;
        case UploadFile::Result::Unreadable:
            problems.append(tr("File %1 can't be read.").arg(shown));
            break;
        }
    }
    return problems;
}

QString BackupManifest::whyNotRestorable(const QString &name, qint64 size)
{
    if (TransferPlan::isTooLarge(size))
        return QString::fromUtf8(QT_TR_NOOP("it is larger than 1 MiB (1048576 bytes), the most a "
                                            "file sent to the calculator may have"));
    if (TransferPlan::calcNameOf(name) != name)
        return QString::fromUtf8(QT_TR_NOOP("its name is not one the calculator's 8.3 rule keeps"));
    return QString();
}

// The reasons are English sources of this context; one read from a manifest
// that no translation knows (an edited one, or one naming a file) stays as
// it is.
QString BackupManifest::shownReason(const QString &reason)
{
    return tr(reason.toUtf8().constData());
}

QByteArray BackupManifest::sha256(const QByteArray &content)
{
    return QCryptographicHash::hash(content, QCryptographicHash::Sha256).toHex();
}

QString BackupManifest::clipped(const QString &text, int most)
{
    if (text.size() <= most)
        return text;
    int cut = most - 1;
    // Never half a character.
    if (text.at(cut - 1).isHighSurrogate())
        --cut;
    return text.left(cut) + QChar(0x2026);
}
