#ifndef BACKUPTEXTS_H
#define BACKUPTEXTS_H

#include "CVoriWorker.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// The window's sentences about backups and restores, made of what a job
// found. Names from the calculator or its backup are set apart where they
// could turn the words around them (DeviceText::isolated).
class BackupTexts
{
    Q_DECLARE_TR_FUNCTIONS(BackupTexts)

public:
    // The calculator's name as it gives it, or words for one without a name.
    static QString calcLabel(const QString &calcName);
    // Names in a question, as many as read well in one line.
    static QString someNames(const QStringList &names);
    // The outcome line of a backup of calcName.
    static QString backupOutcome(const QString &calcName, const CVoriWorker::BackupResult &r);
    // What a restore to calcName would add and replace, as its preview found.
    static QString restoreQuestion(const QString &calcName, const CVoriWorker::RestoreResult &r);
    // The outcome line of a restore to calcName.
    static QString restoreOutcome(const QString &calcName, const CVoriWorker::RestoreResult &r);
};

#endif // BACKUPTEXTS_H
