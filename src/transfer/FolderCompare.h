#ifndef FOLDERCOMPARE_H
#define FOLDERCOMPARE_H

#include "TransferPlan.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringList>

#include <functional>

class CVivuRuza;

// A calculator against a folder: the regular files directly in the folder,
// each under the calculator name a send would give it, beside what the
// calculator lists, names compared as the calculator compares them (without
// regard to case). Sizes that differ are "different" at once; equal sizes are
// compared by content, the calculator's copy read and its SHA-256 compared
// with the file's, unless only names and sizes are asked for.
class FolderCompare
{
    Q_DECLARE_TR_FUNCTIONS(FolderCompare)

public:
    enum class Status {
        Same,
        Different,
        Missing, // in the folder, not on the calculator
        Extra, // on the calculator, not in the folder
        Unknown, // equal sizes whose contents are not compared yet
    };
    struct Entry
    {
        QString name; // the calculator's name: as it lists it, else the rule's
        QString localPath; // absolute; empty for an extra
        qint64 folderSize = -1; // -1: not in the folder
        qint64 calcSize = -1; // -1: not on the calculator
        Status status = Status::Unknown;
        QString problem; // why the contents could not be compared
    };

    // Reads the folder's regular files. False with a sentence naming both
    // files when two of them would get one calculator name, or when the
    // folder can't be read; links, fifos, sockets, subfolders and unreadable
    // files are left out and told by leftOut().
    bool readFolder(const QString &folder, QString *errorText);
    QStringList leftOut() const { return m_leftOut; }

    // Names and sizes against what the calculator lists; with quick, equal
    // sizes count as the same, otherwise they wait for compareContents().
    void compare(const TransferPlan::Listing &listing, bool quick);
    // Reads each entry whose status is Unknown from the calculator and
    // settles it; entryDone(index) after each. False when a reading failed
    // (that entry stays Unknown with its problem) or the link was cancelled.
    bool compareContents(CVivuRuza &link, const std::function<void(int)> &entryDone = {});

    const QList<Entry> &entries() const { return m_entries; }
    int count(Status status) const;
    // Nothing differs, nothing is missing or extra, nothing is unknown.
    bool allSame() const;

    // What a sync sends of these entries: those missing on the calculator or
    // different there, as (local path, calculator name).
    static QList<QPair<QString, QString>> toSend(const QList<Entry> &entries);

    // The word scripts read for a status; the same in every language.
    static QString statusWord(Status status);
    static QByteArray sha256Of(const QString &path, bool *ok = nullptr);

private:
    QList<Entry> m_folder;
    QList<Entry> m_entries;
    QStringList m_leftOut;
};

Q_DECLARE_METATYPE(FolderCompare::Entry)

#endif // FOLDERCOMPARE_H
