#include "BackupManifest.h"

#include "CVivuRuza.h"
#include "Reporter.h"
#include "WholeFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

namespace {
// A manifest is small; one far larger is not ours.
constexpr qint64 maxManifestSize = 16 * 1024 * 1024;
} // namespace

QJsonObject BackupManifest::toJson() const
{
    QJsonArray list;
    for (const Entry &e : files) {
        list.append(QJsonObject { { QStringLiteral("name"), e.name },
            { QStringLiteral("size"), double(e.size) },
            { QStringLiteral("sha256"), QString::fromLatin1(e.sha256) } });
    }
    return QJsonObject { { QStringLiteral("format"), QLatin1String(format) },
        { QStringLiteral("version"), formatVersion }, { QStringLiteral("device"), device },
        { QStringLiteral("time"), time }, { QStringLiteral("files"), list } };
}

bool BackupManifest::save(const QString &folder, QString &error) const
{
    const QByteArray json = QJsonDocument(toJson()).toJson(QJsonDocument::Indented);
    QString why;
    if (!WholeFile::write(QDir(folder).filePath(QLatin1String(fileName)), json, &why)) {
        error = QStringLiteral("The manifest of %1 can't be written: %2")
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
        error = QStringLiteral("%1 holds no complete backup: it has no readable %2.")
                    .arg(shown, QLatin1String(fileName));
        return false;
    }
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(in.read(maxManifestSize), &parseError);
    const QJsonObject root = doc.object();
    if (parseError.error != QJsonParseError::NoError || !doc.isObject()
        || root.value(QStringLiteral("format")).toString() != QLatin1String(format)
        || !root.value(QStringLiteral("files")).isArray()) {
        error = QStringLiteral("The %1 of %2 is not a backup manifest.")
                    .arg(QLatin1String(fileName), shown);
        return false;
    }
    if (root.value(QStringLiteral("version")).toInt() > formatVersion) {
        error = QStringLiteral("The backup in %1 was made by a newer vuvectl.").arg(shown);
        return false;
    }
    device = root.value(QStringLiteral("device")).toObject();
    time = root.value(QStringLiteral("time")).toString();
    files.clear();
    const QJsonArray list = root.value(QStringLiteral("files")).toArray();
    for (const QJsonValue &v : list) {
        const QJsonObject o = v.toObject();
        Entry e;
        e.name = o.value(QStringLiteral("name")).toString();
        e.size = qint64(o.value(QStringLiteral("size")).toDouble(-1));
        e.sha256 = o.value(QStringLiteral("sha256")).toString().toLatin1();
        // The names become local paths: none may leave the folder.
        if (!CVivuRuza::isSafeLocalName(e.name) || e.size < 0 || e.size > CVivuRuza::maxUploadSize
            || e.sha256.size() != 64) {
            error = QStringLiteral("The %1 of %2 lists a file it cannot restore (%3).")
                        .arg(QLatin1String(fileName), shown, Reporter::printable(e.name));
            return false;
        }
        files.append(e);
    }
    return true;
}

QStringList BackupManifest::check(const QString &folder) const
{
    QStringList problems;
    const QDir dir(folder);
    for (const Entry &e : files) {
        const QString path = dir.filePath(e.name);
        const QString shown = QDir::toNativeSeparators(path);
        const QFileInfo info(path);
        QByteArray digest;
        qint64 size = 0;
        if (!info.isFile() || info.isSymLink())
            problems.append(QStringLiteral("%1 is missing from the backup.").arg(shown));
        else if (info.size() != e.size)
            problems.append(QStringLiteral("%1 has %2 bytes; the manifest says %3.")
                                .arg(shown)
                                .arg(info.size())
                                .arg(e.size));
        else if (!sha256OfFile(path, digest, size))
            problems.append(QStringLiteral("File %1 can't be read.").arg(shown));
        else if (size != e.size || digest != e.sha256)
            problems.append(
                QStringLiteral("%1 differs from what the manifest says was backed up.").arg(shown));
    }
    return problems;
}

QByteArray BackupManifest::sha256(const QByteArray &content)
{
    return QCryptographicHash::hash(content, QCryptographicHash::Sha256).toHex();
}

bool BackupManifest::sha256OfFile(const QString &path, QByteArray &digest, qint64 &size)
{
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    QCryptographicHash hash(QCryptographicHash::Sha256);
    size = 0;
    while (!in.atEnd()) {
        const QByteArray block = in.read(64 * 1024);
        if (block.isEmpty() && in.error() != QFileDevice::NoError)
            return false;
        size += block.size();
        hash.addData(block);
    }
    digest = hash.result().toHex();
    return true;
}
