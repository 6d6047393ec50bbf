#include "BackupSettings.h"

#include "BackupWriter.h"
#include "FolderHandle.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace {
const char backupFolderKey[] = "backup/folder";
const char backupIdentityKey[] = "backup/folderIdentity";
const char verifyKey[] = "transfer/verify";
const char collectFolderKey[] = "collect/folder";
} // namespace

QString BackupSettings::defaultBackupFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
        + QStringLiteral("/Vuve Vudurod backups");
}

QString BackupSettings::backupFolder()
{
    const QString chosen = QSettings().value(QLatin1String(backupFolderKey)).toString();
    return chosen.isEmpty() ? defaultBackupFolder() : chosen;
}

bool BackupSettings::setBackupFolder(const QUrl &folder)
{
    const QString path = QDir::cleanPath(folder.toLocalFile());
    if (!folder.isLocalFile() || path.isEmpty())
        return false;
    QSettings settings;
    settings.setValue(QLatin1String(backupIdentityKey), FolderHandle::identityOf(path));
    if (path == backupFolder())
        return false;
    settings.setValue(QLatin1String(backupFolderKey), path);
    return true;
}

QString BackupSettings::backupFolderIdentity()
{
    QSettings settings;
    const QString chosen = settings.value(QLatin1String(backupFolderKey)).toString();
    if (chosen.isEmpty() || chosen == defaultBackupFolder())
        return QString();
    QString identity = settings.value(QLatin1String(backupIdentityKey)).toString();
    // Chosen before folders were told apart: the folder there now is the one
    // the user knows.
    if (identity.isEmpty()) {
        identity = FolderHandle::identityOf(chosen);
        settings.setValue(QLatin1String(backupIdentityKey), identity);
    }
    return identity;
}

QString BackupSettings::backupFolderProblem()
{
    QSettings settings;
    const QString chosen = settings.value(QLatin1String(backupFolderKey)).toString();
    const QString remembered = settings.value(QLatin1String(backupIdentityKey)).toString();
    if (chosen.isEmpty() || chosen == defaultBackupFolder() || remembered.isEmpty())
        return QString();
    // A folder that is gone is told by the backup itself, as before.
    const QString now = FolderHandle::identityOf(chosen);
    return now.isEmpty() || now == remembered ? QString()
                                              : BackupWriter::replacedParentText(chosen);
}

// The default is ours to make; a folder the user chose that has gone (a
// stick pulled out) is reported, not made again somewhere else.
QString BackupSettings::prepareBackupFolder()
{
    const QString parent = backupFolder();
    if (parent == defaultBackupFolder())
        QDir().mkpath(parent);
    return parent;
}

bool BackupSettings::verifySends()
{
    return QSettings().value(QLatin1String(verifyKey), false).toBool();
}

bool BackupSettings::setVerifySends(bool on)
{
    if (on == verifySends())
        return false;
    QSettings().setValue(QLatin1String(verifyKey), on);
    return true;
}

QString BackupSettings::defaultCollectFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
        + QStringLiteral("/Collected work");
}

QString BackupSettings::collectFolder()
{
    const QString chosen = QSettings().value(QLatin1String(collectFolderKey)).toString();
    return chosen.isEmpty() ? defaultCollectFolder() : chosen;
}

void BackupSettings::setCollectFolder(const QString &path)
{
    if (path != collectFolder())
        QSettings().setValue(QLatin1String(collectFolderKey), path);
}
