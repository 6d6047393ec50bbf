#ifndef BACKUPSETTINGS_H
#define BACKUPSETTINGS_H

#include <QString>
#include <QUrl>

// What the window remembers between runs for backups and restores: the
// folder backups go into, what that folder was when the user chose it, and
// whether sends and restores are read back and checked.
class BackupSettings
{
public:
    // The folder chosen last, or else defaultBackupFolder().
    static QString backupFolder();
    static QString defaultBackupFolder();
    // Remembers the folder and what it is now; true when it is another
    // folder than before. Chosen again, even under the same path, the folder
    // is what the user chose now.
    static bool setBackupFolder(const QUrl &folder);
    // What backupFolder was when chosen, for each backup's worker to check
    // before it writes; empty for the default folder, ours to make.
    static QString backupFolderIdentity();
    // Why backups can't go into backupFolder as it is now: it is no longer
    // the folder the user chose (replaced, or another owner); empty when
    // they can.
    static QString backupFolderProblem();
    // backupFolder, made first when it is the default.
    static QString prepareBackupFolder();

    // Off until switched on, since it costs a second transfer.
    static bool verifySends();
    // True when this changed what was stored.
    static bool setVerifySends(bool on);

    // Where collected work goes: the folder chosen last, or else a folder
    // among the user's documents.
    static QString collectFolder();
    static QString defaultCollectFolder();
    static void setCollectFolder(const QString &path);
};

#endif // BACKUPSETTINGS_H
