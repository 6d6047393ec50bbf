#ifndef BACKUPMANIFEST_H
#define BACKUPMANIFEST_H

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

// manifest.json of a backup folder: which calculator, when, and every file
// with its size and SHA-256. Its presence is the backup's claim to be
// complete, so it is written last, and only after every file was verified.
class BackupManifest
{
public:
    struct Entry
    {
        QString name;
        qint64 size = 0;
        QByteArray sha256; // hexadecimal, lower case
    };

    static constexpr const char *fileName = "manifest.json";
    static constexpr const char *format = "vuvectl-backup";
    static constexpr int formatVersion = 1;

    QJsonObject device; // name, port, chunk, hv, fv, pv
    QString time; // UTC, ISO 8601
    QList<Entry> files;

    QJsonObject toJson() const;
    bool save(const QString &folder, QString &error) const;
    // False with a sentence for the user when the folder holds no complete
    // backup or its manifest cannot be read.
    bool load(const QString &folder, QString &error);
    // Every listed file is a regular file with the listed size and digest;
    // one sentence per file that is not.
    QStringList check(const QString &folder) const;

    static QByteArray sha256(const QByteArray &content);
    // Streams the file; false when it cannot be read.
    static bool sha256OfFile(const QString &path, QByteArray &digest, qint64 &size);
};

#endif // BACKUPMANIFEST_H
