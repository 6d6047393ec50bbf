#ifndef BACKUPMANIFEST_H
#define BACKUPMANIFEST_H

#include <QByteArray>
#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

class FolderHandle;

// manifest.json of a backup folder: which calculator, when, and every file
// with its size and SHA-256. Its presence is the backup's claim to hold every
// file it lists, so it is written last, and only after every file was
// verified. What the backup could not hold, or holds but restore cannot send
// back, is listed apart under "unrestorable", each with the reason: a vuvectl
// that knows no such list still restores the files.
class BackupManifest
{
    Q_DECLARE_TR_FUNCTIONS(BackupManifest)

public:
    struct Entry
    {
        QString name;
        qint64 size = 0;
        QByteArray sha256; // hexadecimal, lower case; empty for a file not held
        QString reason; // why restore can't send it back; empty for the files
    };

    static constexpr const char *fileName = "manifest.json";
    static constexpr const char *format = "vuvectl-backup";
    static constexpr int formatVersion = 1;

    QJsonObject device; // name, port, chunk, hv, fv, pv
    QString time; // UTC, ISO 8601
    QList<Entry> files; // what restore sends back
    QList<Entry> unrestorable;

    QJsonObject toJson() const;
    static QJsonArray toJson(const QList<Entry> &entries);
    bool save(const QString &folder, QString &error) const;
    // Written through the folder held open, wherever it is now.
    bool save(const FolderHandle &folder, QString &error) const;
    // False with a sentence for the user when the folder holds no complete
    // backup or its manifest cannot be read. Files that restore can't send
    // (too large, or a name the calculator would not keep, as a backup made
    // by an older vuvectl or an edited manifest may list) are moved to
    // unrestorable.
    bool load(const QString &folder, QString &error);
    // Every file is a regular file with the listed size and digest; one
    // sentence per file that is not.
    QStringList check(const QString &folder) const;

    // Why a calculator file of this name and size can't be sent back as it
    // was (a clause, such as "its name is ..."); empty when it can.
    static QString whyNotRestorable(const QString &name, qint64 size);
    // A reason as the person reads it: manifests and --json keep the English
    // one, whatever language the program speaks.
    static QString shownReason(const QString &reason);
    static QByteArray sha256(const QByteArray &content);
    // A name or a reason read from a manifest, cut to at most `most`
    // characters for a sentence to quote: an edited manifest's may run to
    // megabytes.
    static QString clipped(const QString &text, int most = 100);
};

#endif // BACKUPMANIFEST_H
