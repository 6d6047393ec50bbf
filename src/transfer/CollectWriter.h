#ifndef COLLECTWRITER_H
#define COLLECTWRITER_H

#include "FolderHandle.h"
#include "TransferEvents.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

class CVivuRuza;

// Collects every file of one calculator into a new folder of its own,
// <parent>/<device name>, reading each file twice and keeping it only when
// both readings agree; with clearing, then deletes on the calculator each file
// that was written whole and checked so, and no other. Each file's outcome is
// added to the receipt in the parent folder, one row per file, so a teacher
// can tell afterwards what was taken from which calculator.
class CollectWriter
{
    Q_DECLARE_TR_FUNCTIONS(CollectWriter)

public:
    enum class Outcome { Collected, Cleared, Failed };
    struct Entry
    {
        QString name;
        qint64 size = 0;
        QByteArray sha256; // of the copy kept; empty when none was
        Outcome outcome = Outcome::Failed;
        QString reason; // why it failed, or why a collected file stayed
    };

    static constexpr const char *receiptName = "receipt.csv";

    CollectWriter(CVivuRuza &link, TransferEvents events = TransferEvents());

    void setClear(bool clear) { m_clear = clear; }
    // The calculator's USB serial number for the receipt, when known.
    void setSerial(const QString &serial) { m_serial = serial; }

    // True when every file was collected and, clearing, deleted on the
    // calculator, and the receipt says so.
    bool run(const QString &parentFolder);

    // The calculator's own folder; empty when none was made.
    QString folder() const { return m_folder; }
    const QList<Entry> &entries() const { return m_entries; }
    int count(Outcome outcome) const;
    // Files listed but not collected.
    QStringList missing() const;
    // Why the run stopped before its end (the folder, the list, the disk, a
    // Cancel, the calculator gone); empty when it went through every file.
    QString stopReason() const { return m_stopReason; }
    bool cancelled() const { return m_cancelled; }

    // The receipt's words for an outcome; the same in every language, for
    // scripts.
    static QString outcomeWord(Outcome outcome);
    static QByteArray receiptHeader();
    static QByteArray receiptRow(const QString &calculator, const QString &serial, const Entry &e);

    // The device name as the name of its folder in the parent: as a backup
    // names it, never the receipt's own name.
    static QString folderNameOf(const QString &deviceName);

private:
    bool collect();
    void clear();
    void stop(const QString &reason, int from);
    bool writeReceipt(const FolderHandle &parent);
    void problem(const QString &text);

    CVivuRuza &m_link;
    TransferEvents m_events;
    bool m_clear = false;
    QString m_serial;
    QString m_folder;
    FolderHandle m_dir;
    QList<Entry> m_entries;
    QString m_stopReason;
    bool m_cancelled = false;
};

#endif // COLLECTWRITER_H
