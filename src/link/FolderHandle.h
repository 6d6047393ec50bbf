#ifndef FOLDERHANDLE_H
#define FOLDERHANDLE_H

#include <QByteArray>
#include <QSharedPointer>
#include <QString>

// A folder held open by its descriptor. Files are written through the
// descriptor, never through the folder's path again: in a shared folder
// another user may rename a folder we made and plant a link to somebody's
// home under its name, and a path would follow it. Copies share the
// descriptor; the last one closes it.
class FolderHandle
{
public:
    FolderHandle() = default;

    // An existing folder as its path names it now (the user chose the path,
    // so a link the user made there is followed, once).
    static FolderHandle open(const QString &path, QString *errorText = nullptr);
    // A folder this call makes in parent, base or base-2, base-3...: never one
    // that was there already, nor anything another user put under the name
    // between its making and its opening.
    static FolderHandle makeNew(
        const QString &parent, const QString &base, QString *errorText = nullptr);
    // The same in a folder already held open.
    static FolderHandle makeNew(
        const FolderHandle &parent, const QString &base, QString *errorText = nullptr);

    bool isValid() const { return !d.isNull(); }
    // Where the folder was opened or made: for sentences, not for writing.
    QString path() const;
    // A made folder's name in its parent; empty for an opened one.
    QString name() const;

    // name inside the folder holds content afterwards, or is as it was: the
    // bytes go to a new file of ours beside it, renamed over the name once
    // all of them are on the disk, so a link planted under the name is
    // replaced and never written through. A file of ours that it replaces
    // keeps its mode.
    bool writeFile(
        const QString &name, const QByteArray &content, QString *errorText = nullptr) const;
    bool removeFile(const QString &name) const;
    // Whether the folder holds anything under name (a link is not followed).
    bool holds(const QString &name) const;
    // Whether path() still names this very folder, so that a sentence naming
    // it tells where the files are.
    bool isStillAt() const;
    // Renames a made folder within its parent, while its name there is still
    // this folder; path() and name() follow.
    bool renameTo(const QString &newName);

    // What identifies the folder at a path (its device, inode and owner), to
    // tell later whether the path still names the folder chosen then; empty
    // when the path names no folder.
    static QString identityOf(const QString &path);
    QString identity() const;

    // A name that stays inside the folder.
    static bool isPlainName(const QString &name);

    // Appends content to the regular file name in the folder in one write,
    // making it with first before content when it is not there yet. A link,
    // a fifo or anything but a plain file under the name is not written to.
    bool appendFile(const QString &name, const QByteArray &first, const QByteArray &content,
        QString *errorText = nullptr) const;

private:
    struct Data;
    QSharedPointer<Data> d;
};

#endif // FOLDERHANDLE_H
