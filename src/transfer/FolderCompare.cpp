#include "FolderCompare.h"

#include "BackupManifest.h"
#include "CVivuRuza.h"
#include "DeviceText.h"
#include "ErrorMeaning.h"
#include "serializeData.pb.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QHash>

#include <algorithm>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool FolderCompare::readFolder(const QString &folder, QString *errorText)
{
    m_folder.clear();
    m_leftOut.clear();
    QDir dir(folder);
    if (!dir.exists() || !dir.isReadable()) {
        if (errorText)
            *errorText = tr("Folder %1 can't be read.").arg(QDir::toNativeSeparators(folder));
        return false;
    }
    const QStringList names = dir.entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    QHash<QString, int> byKey;
    for (const QString &fileName : names) {
        const QString path = dir.absoluteFilePath(fileName);
        struct stat st;
        // Not followed: a link in the folder may point anywhere, and what the
        // folder holds is what is compared.
        if (::lstat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode)) {
            m_leftOut.append(tr("%1 is left out: it is not a regular file.")
                                 .arg(DeviceText::isolated(fileName)));
            continue;
        }
        if (::access(QFile::encodeName(path).constData(), R_OK) != 0) {
            m_leftOut.append(
                tr("%1 is left out: it can't be read.").arg(DeviceText::isolated(fileName)));
            continue;
        }
        Entry e;
        e.name = TransferPlan::calcNameOf(fileName);
        e.localPath = path;
        e.folderSize = st.st_size;
        const QString key = TransferPlan::nameKey(e.name);
        if (e.name.isEmpty())
            continue;
        if (byKey.contains(key)) {
            if (errorText)
                *errorText
                    = tr("%1 and %2 would both be %3 on the calculator.")
                          .arg(QDir::toNativeSeparators(m_folder.at(byKey.value(key)).localPath),
                              QDir::toNativeSeparators(path), e.name);
            return false;
        }
        byKey.insert(key, m_folder.size());
        m_folder.append(e);
    }
    return true;
}

void FolderCompare::compare(const TransferPlan::Listing &listing, bool quick)
{
    m_entries.clear();
    QHash<QString, int> listed; // by name key: its first entry
    for (int i = 0; i < listing.size(); ++i) {
        const QString key = TransferPlan::nameKey(listing.at(i).first);
        if (!listed.contains(key))
            listed.insert(key, i);
    }
    QHash<QString, bool> matched;
    for (Entry e : qAsConst(m_folder)) {
        const QString key = TransferPlan::nameKey(e.name);
        const auto it = listed.constFind(key);
        if (it == listed.constEnd()) {
            e.status = Status::Missing;
        } else {
            e.name = listing.at(*it).first;
            e.calcSize = listing.at(*it).second;
            matched.insert(key, true);
            if (e.calcSize != e.folderSize)
                e.status = Status::Different;
            else
                e.status = quick ? Status::Same : Status::Unknown;
        }
        m_entries.append(e);
    }
    // A name the calculator lists twice is one extra each time it is not
    // the first, compared by the calculator's name and never used as a path.
    for (int i = 0; i < listing.size(); ++i) {
        const QString key = TransferPlan::nameKey(listing.at(i).first);
        if (matched.contains(key) && listed.value(key) == i)
            continue;
        Entry e;
        e.name = listing.at(i).first;
        e.calcSize = listing.at(i).second;
        e.status = Status::Extra;
        m_entries.append(e);
    }
    std::stable_sort(m_entries.begin(), m_entries.end(), [](const Entry &a, const Entry &b) {
        return TransferPlan::nameKey(a.name) < TransferPlan::nameKey(b.name);
    });
}

bool FolderCompare::compareContents(CVivuRuza &link, const std::function<void(int)> &entryDone)
{
    bool all = true;
    for (int i = 0; i < m_entries.size(); ++i) {
        Entry &e = m_entries[i];
        if (e.status != Status::Unknown)
            continue;
        if (link.cancelAsked())
            return false;
        const QByteArray copy = link.getFile(CVivuRuza::fileInfOf(e.name, e.calcSize));
        if (link.cancelled())
            return false;
        if (!link.errorString().isEmpty()) {
            e.problem = ErrorMeaning::joined(link.errorString(), link.errorDetail());
            all = false;
            if (link.lineLost())
                return false;
        } else {
            bool read = false;
            const QByteArray local = sha256Of(e.localPath, &read);
            if (!read) {
                e.problem = tr("%1 can't be read.").arg(QDir::toNativeSeparators(e.localPath));
                all = false;
            } else {
                e.status = BackupManifest::sha256(copy) == local ? Status::Same : Status::Different;
            }
        }
        if (entryDone)
            entryDone(i);
    }
    return all;
}

QList<QPair<QString, QString>> FolderCompare::toSend(const QList<Entry> &entries)
{
    QList<QPair<QString, QString>> send;
    for (const Entry &e : entries) {
        if (e.status == Status::Missing || e.status == Status::Different)
            send.append(qMakePair(e.localPath, e.name));
    }
    return send;
}

int FolderCompare::count(Status status) const
{
    return int(std::count_if(m_entries.cbegin(), m_entries.cend(),
        [status](const Entry &e) { return e.status == status; }));
}

bool FolderCompare::allSame() const
{
    return count(Status::Same) == m_entries.size();
}

QString FolderCompare::statusWord(Status status)
{
    switch (status) {
    case Status::Same:
        return QStringLiteral("same");
    case Status::Different:
        return QStringLiteral("different");
    case Status::Missing:
        return QStringLiteral("missing");
    case Status::Extra:
        return QStringLiteral("extra");
    case Status::Unknown:
        break;
    }
    return QStringLiteral("unknown");
}

// Read through a descriptor opened without following a link, so a file
// swapped for one since the folder was read is not read through it.
QByteArray FolderCompare::sha256Of(const QString &path, bool *ok)
{
    if (ok)
        *ok = false;
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return QByteArray();
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return QByteArray();
    }
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file))
        return QByteArray();
    if (ok)
        *ok = true;
    return hash.result().toHex();
}
