#include "TransferPlan.h"

#include "CVivuRuza.h"
#include "CalcFileName.h"

#include <QDir>
#include <QFileInfo>

TransferPlan::TransferPlan(Direction direction, const QString &folder)
    : m_direction(direction)
    , m_folder(folder)
{
}

QString TransferPlan::calcNameOf(const QString &fileName)
{
    return toCalcFileName(toCalcFileName(fileName));
}

QString TransferPlan::nameKey(const QString &calcName)
{
    return calcName.toUpper();
}

bool TransferPlan::isTaken(
    const QString &calcName, const Listing &onCalc, const QStringList &cleared)
{
    const QString key = nameKey(calcName);
    for (const auto &file : onCalc) {
        if (nameKey(file.first) == key)
            return true;
    }
    for (const QString &name : cleared) {
        if (nameKey(name) == key)
            return true;
    }
    return false;
}

bool TransferPlan::isTooLarge(qint64 size)
{
    return size > CVivuRuza::maxUploadSize;
}

void TransferPlan::addUpload(const QString &path)
{
    addUpload(path, QFileInfo(path).fileName());
}

void TransferPlan::addUpload(const QString &path, const QString &given)
{
    const QFileInfo info(path);
    Item item;
    item.localPath = info.absoluteFilePath();
    item.shown = QDir::toNativeSeparators(path);
    item.size = info.size();
    item.empty = item.size == 0;
    item.calcName = calcNameOf(given);
    item.renamed = item.calcName != given;
    if (!info.exists())
        item.problem = Reason::Missing;
    else if (!info.isFile())
        item.problem = Reason::NotRegular;
    else if (!info.isReadable())
        item.problem = Reason::Unreadable;
    else if (item.size == 0)
        item.problem = Reason::Empty;
    else if (isTooLarge(item.size))
        item.problem = Reason::TooLarge;

    const int index = m_items.size();
    if (item.problem == Reason::None) {
        // The same file named twice, through another path or a link, is one file.
        const QString canonical = info.canonicalFilePath();
        const auto seen = m_seenFiles.constFind(canonical);
        if (seen != m_seenFiles.constEnd()) {
            item.collision = Reason::SameFile;
            item.other = seen.value();
        } else {
            m_seenFiles.insert(canonical, index);
            if (item.calcName.isEmpty()) {
                item.problem = Reason::NoName;
            } else {
                for (const int other : qAsConst(m_accepted)) {
                    if (isTaken(item.calcName, Listing(), { m_items.at(other).calcName })) {
                        item.collision = Reason::SameName;
                        item.other = other;
                        break;
                    }
                }
                if (item.collision == Reason::None)
                    m_accepted.append(index);
            }
        }
    }
    m_items.append(item);
}

void TransferPlan::addRestore(
    const QString &path, const QString &calcName, qint64 size, const QByteArray &sha256)
{
    Item item;
    item.localPath = QFileInfo(path).absoluteFilePath();
    item.shown = QDir::toNativeSeparators(path);
    item.calcName = calcName;
    item.size = size;
    item.sha256 = sha256;
    m_items.append(item);
}

void TransferPlan::addDownload(const QString &calcName, qint64 size)
{
    Item item;
    item.localPath = QDir(m_folder).absoluteFilePath(calcName);
    item.shown = QDir::toNativeSeparators(item.localPath);
    item.calcName = calcName;
    item.size = size;
    // A dangling link of the name is taken too: the download would replace
    // it. A file without a name is refused before it could replace anything.
    const QFileInfo there(item.localPath);
    if (!calcName.isEmpty() && (there.exists() || there.isSymLink()))
        item.collision = Reason::ExistsLocally;
    m_items.append(item);
}

void TransferPlan::addDeletion(const QString &calcName, qint64 size)
{
    Item item;
    item.shown = calcName;
    item.calcName = calcName;
    item.size = size;
    m_items.append(item);
}

void TransferPlan::markTaken(const Listing &onCalc)
{
    if (m_direction != Direction::Upload)
        return;
    noteListing(onCalc);
    for (Item &item : m_items) {
        if (item.collision == Reason::None && isTaken(item.calcName, onCalc))
            item.collision = Reason::TakenOnCalc;
    }
}

void TransferPlan::noteListing(const Listing &onCalc)
{
    if (m_direction != Direction::Upload)
        return;
    m_listingNoted = true;
    for (Item &item : m_items)
        item.onCalc = isTaken(item.calcName, onCalc);
}

QList<TransferPlan::Collision> TransferPlan::collisions() const
{
    QList<Collision> found;
    for (int i = 0; i < m_items.size(); ++i) {
        if (m_items.at(i).collision != Reason::None)
            found.append({ i, m_items.at(i).collision });
    }
    return found;
}

bool TransferPlan::onlyCaseChanged(const QString &given, const QString &calcName)
{
    return given != calcName && given.compare(calcName, Qt::CaseInsensitive) == 0;
}
