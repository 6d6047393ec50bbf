#ifndef BACKUPWRITER_H
#define BACKUPWRITER_H

#include "BackupManifest.h"
#include "FolderHandle.h"
#include "TransferEvents.h"

#include <QCoreApplication>
#include <QList>
#include <QPair>
#include <QString>

class CVivuRuza;

// Copies every file of one calculator into a new folder of its own,
// <device name>-<UTC time>, and writes manifest.json once every file arrived
// whole. A backup that stops part-way keeps no manifest, carries a note
// INCOMPLETE.txt with the reason, and its folder's name ends in -incomplete.
// Files it cannot hold (a name that can't be a file there, a name listed
// twice) or cannot send back (over 1 MiB, a name the calculator's rule would
// not keep) are reported as problems at the start and listed in the manifest
// as unrestorable; the backup still finishes, and restores the rest.
class BackupWriter
{
    Q_DECLARE_TR_FUNCTIONS(BackupWriter)

public:
    static constexpr const char *incompleteNote = "INCOMPLETE.txt";

    BackupWriter(CVivuRuza &link, TransferEvents events = TransferEvents());

    bool run(const QString &parentFolder, const QString &port);
    QString folder() const { return m_folder; }
    const BackupManifest &manifest() const { return m_manifest; }

    // The device name as a folder name: nothing that leaves the folder or
    // confuses a shell's listing.
    static QString folderNameOf(const QString &deviceName);
    // A folder this run makes itself, base or base-2, base-3...: never one
    // that was there already (another user may have made it). Its absolute
    // path, or empty when none can be made.
    static QString makeNewFolder(const QString &parentFolder, const QString &base);

    // Why a backup the link was told to stop is not complete.
    static QString cancelledReason();

    // The folder run() is given must still be the one identified so
    // (FolderHandle::identity()) when the folder was chosen; empty: any.
    void setExpectedParent(const QString &identity) { m_expectedParent = identity; }
    // Why nothing is written into a chosen folder that changed since.
    static QString replacedParentText(const QString &parentFolder);

private:
    bool makeFolder(const FolderHandle &parent, const QString &base);
    QList<BackupManifest::Entry> plan(const QList<QPair<QString, int>> &files);
    bool copyFiles();
    bool fail(const QString &reason);
    bool movedAway();
    bool writeNote(const QString &text);
    void problem(const QString &text);

    CVivuRuza &m_link;
    TransferEvents m_events;
    QString m_folder;
    BackupManifest m_manifest;
    FolderHandle m_dir;
    QString m_expectedParent;
};

#endif // BACKUPWRITER_H
