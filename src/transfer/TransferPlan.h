#ifndef TRANSFERPLAN_H
#define TRANSFERPLAN_H

#include "FolderHandle.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// What a batch will do, settled before anything moves: the rules the window
// and vuvectl both obey. Each file gets its calculator name by the 8.3 rule
// here and nowhere else, and what stands in its way is data on its item: the
// local file's problem, or a collision with another name. Which of those ask
// a question, skip a file or refuse the batch is the caller's to decide.
class TransferPlan
{
public:
    using Listing = QList<QPair<QString, int>>;

    enum class Direction { Upload, Download, Delete };

    enum class Reason {
        None,
        // Why the local file of an upload can't go, in the order they are
        // looked for; an item carries the first one found.
        Missing,
        NotRegular,
        Unreadable,
        Empty,
        TooLarge,
        NoName, // the rule leaves nothing of the name
        // Collisions.
        SameFile, // the local file was named before in this batch
        SameName, // an earlier file of the batch gets this calculator name
        TakenOnCalc,
        ExistsLocally, // a download's local file is there (or a link of its name)
    };

    struct Item
    {
        QString localPath; // absolute: the file read, or the file a download writes
        QString shown; // the local side as texts name it, in the system's separators
        QString calcName;
        qint64 size = 0; // as the folder or the calculator lists it
        // Nothing to send as the folder lists the file: size 0, which a
        // missing file (or a FIFO) has too.
        bool empty = false;
        bool renamed = false; // the rule changed the name given, case counting
        Reason problem = Reason::None;
        Reason collision = Reason::None;
        int other = -1; // the earlier item of a SameFile or SameName collision
        // When set, the content sent must still have this SHA-256 (lower-case
        // hexadecimal): the file was checked before the batch began.
        QByteArray sha256;
        // Settled by the caller: this file is not to be transferred.
        bool skip = false;
        // An upload's name the calculator listed before the batch, whatever
        // other collision the item has (see noteListing).
        bool onCalc = false;
    };

    struct Collision
    {
        int item;
        Reason reason;
    };

    // A download writes into folder; the other directions need none.
    explicit TransferPlan(
        Direction direction = Direction::Upload, const QString &folder = QString());

    Direction direction() const { return m_direction; }
    QString folder() const { return m_folder; }
    int size() const { return m_items.size(); }
    const Item &at(int index) const { return m_items.at(index); }
    Item &item(int index) { return m_items[index]; }
    const QList<Item> &items() const { return m_items; }
    void removeAt(int index) { m_items.removeAt(index); }

    // A local file, to have the calculator name the rule makes of name.
    void addUpload(const QString &path, const QString &name);
    // A local file, named after itself.
    void addUpload(const QString &path);
    // A local file to go back under the calculator name it had, with the
    // size and digest it was checked with.
    void addRestore(
        const QString &path, const QString &calcName, qint64 size, const QByteArray &sha256);
    void addDownload(const QString &calcName, qint64 size);
    void addDeletion(const QString &calcName, qint64 size);
    // Uploads whose name the calculator already lists; only items without
    // another collision are marked, and downloads and deletions not at all.
    void markTaken(const Listing &onCalc);
    // What the calculator listed before the batch, for each upload's onCalc;
    // markTaken notes it too. Without it, every name counts as one the
    // calculator may have held: a Cancel then deletes nothing.
    void noteListing(const Listing &onCalc);
    bool listingNoted() const { return m_listingNoted; }

    // Every item with a collision, in the batch's order.
    QList<Collision> collisions() const;

    // The name a local file has on the calculator. The rule is applied until
    // it settles (twice: a character it could not encode becomes "_"), so
    // the name asked about is the name sent.
    static QString calcNameOf(const QString &fileName);
    // The form in which two calculator names are the same: the calculator
    // ignores case.
    static QString nameKey(const QString &calcName);
    // Whether a calculator name is taken: listed on the calculator or given
    // to a file already cleared for this batch, both ignoring case.
    static bool isTaken(
        const QString &calcName, const Listing &onCalc, const QStringList &cleared = QStringList());
    // More than a file sent to the calculator may have.
    static bool isTooLarge(qint64 size);

    // A download into a folder this program made and holds open: the files
    // are written through it, never through folder()'s path again.
    void setFolderHandle(const FolderHandle &folder) { m_folderHandle = folder; }
    FolderHandle folderHandle() const { return m_folderHandle; }

private:
    Direction m_direction;
    QString m_folder;
    QList<Item> m_items;
    // Of uploads that may go so far: their files, and the items per name.
    QHash<QString, int> m_seenFiles;
    QList<int> m_accepted;
    FolderHandle m_folderHandle;
    bool m_listingNoted = false;

public:
    // The rule changed nothing of a file's name but the case: it was short
    // enough and held nothing a calculator can't keep.
    static bool onlyCaseChanged(const QString &given, const QString &calcName);
};

#endif // TRANSFERPLAN_H
