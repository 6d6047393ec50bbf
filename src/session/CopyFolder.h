#ifndef COPYFOLDER_H
#define COPYFOLDER_H

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

// Where the Copy key's downloads land: one folder per run that only the user
// may enter (mode 0700), under the cache location. It outlives the window,
// because the file URLs on the clipboard (and in any clipboard manager's
// history) must still name files after it closes; copies older than a day are
// removed at the next start instead.
class CopyFolder
{
    Q_DECLARE_TR_FUNCTIONS(CopyFolder)

public:
    // How long a copy is kept.
    static constexpr qint64 keepSeconds = 24 * 60 * 60;

    // The run's folder, made at the first call and made again should it have
    // gone meanwhile (another run's clean-up, the user). Empty on failure, with
    // the reason in errorString().
    QString path();
    QString errorString() const { return m_error; }

    // Removes, from the copy folders of this and earlier runs, every copy last
    // written before now minus keepSeconds, then each folder that this leaves
    // empty and that was itself that old. Touches only folders of ours, never
    // follows a link, and leaves anything it cannot remove.
    static void removeOld();

private:
    // Where copy folders are made, and how their names begin: the cache
    // location, and the temporary folder should that fail.
    struct Parent
    {
        QString folder;
        QString prefix;
    };
    static QList<Parent> parents();
    static bool isOurs(const QString &folder);

    QString m_path;
    QString m_error;
};

#endif // COPYFOLDER_H
