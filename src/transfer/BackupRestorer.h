#ifndef BACKUPRESTORER_H
#define BACKUPRESTORER_H

#include "BackupManifest.h"
#include "TransferEvents.h"
#include "TransferOutcome.h"
#include "TransferPlan.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

class CVivuRuza;

// Gives a calculator back what a backup holds, under the names it had there
// (not through the name rule: a backup restores what the calculator held).
// Only a complete backup whose files all still match its manifest is used,
// each file is sent only while it is what was checked, and the calculator's
// own listing afterwards is the proof that the files arrived.
class BackupRestorer
{
    Q_DECLARE_TR_FUNCTIONS(BackupRestorer)

public:
    BackupRestorer(CVivuRuza &link, TransferEvents events = TransferEvents());

    // False, with the reasons told, when nothing may be sent. What the backup
    // holds but can't send back is told here, before anything moves; the
    // rest is still restored.
    bool load(const QString &folder);
    // A manifest load() accepted earlier (for a question asked meanwhile),
    // in place of the folder's: what it lists is what is sent, each file
    // only while it has the digest read then. Tells nothing.
    void use(const QString &folder, const BackupManifest &manifest);
    const BackupManifest &manifest() const { return m_manifest; }
    // The files to send back, those whose names the calculator lists marked;
    // a TransferRunner sends them.
    TransferPlan plan(const TransferPlan::Listing &onCalc) const;
    // Whether the calculator lists every file sent, with its size; each one
    // it does not is told.
    bool verify(const TransferPlan &plan, const QList<TransferOutcome> &outcomes,
        const TransferPlan::Listing &onCalc);

private:
    void problem(const QString &text);

    CVivuRuza &m_link;
    TransferEvents m_events;
    QString m_folder;
    BackupManifest m_manifest;
};

#endif // BACKUPRESTORER_H
