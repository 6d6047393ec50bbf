#include "FolderCompareModel.h"

#include "DeviceText.h"
#include "TransferProgress.h"

#include <QDir>

using Status = FolderCompare::Status;

FolderCompareModel::FolderCompareModel(QObject *parent)
    : QAbstractListModel(parent)
{
}

int FolderCompareModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_entries.size());
}

QString FolderCompareModel::statusText(Status status)
{
    switch (status) {
    case Status::Same:
        return tr("same");
    case Status::Different:
        return tr("different");
    case Status::Missing:
        return tr("only in the folder");
    case Status::Extra:
        return tr("only on the calculator");
    case Status::Unknown:
        break;
    }
    return tr("comparing contents\u2026");
}

QVariant FolderCompareModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_entries.size())
        return QVariant();
    const FolderCompare::Entry &e = m_entries.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case NameRole:
        return e.name;
    case StatusRole:
        return int(e.status);
    case StatusTextRole:
        // A file whose contents could not be read says why.
        if (e.status == Status::Unknown && !m_comparing)
            return e.problem.isEmpty() ? tr("not compared") : tr("not compared: %1").arg(e.problem);
        return statusText(e.status);
    case MarkRole:
        switch (e.status) {
        case Status::Same:
            return QStringLiteral("=");
        case Status::Different:
            return QStringLiteral("\u2260");
        case Status::Missing:
            return QStringLiteral("+");
        case Status::Extra:
            return QStringLiteral("\u2212");
        case Status::Unknown:
            break;
        }
        return QStringLiteral("?");
    case CalculatorSizeRole:
        return e.calcSize < 0 ? QString() : TransferProgress::sizeText(e.calcSize);
    case FolderSizeRole:
        return e.folderSize < 0 ? QString() : TransferProgress::sizeText(e.folderSize);
    default:
        return QVariant();
    }
}

QHash<int, QByteArray> FolderCompareModel::roleNames() const
{
    return { { NameRole, "name" }, { StatusRole, "status" }, { StatusTextRole, "statusText" },
        { MarkRole, "mark" }, { CalculatorSizeRole, "calculatorSize" },
        { FolderSizeRole, "folderSize" } };
}

void FolderCompareModel::begin(const QString &calculator, const QString &folder)
{
    beginResetModel();
    m_entries.clear();
    m_leftOut.clear();
    m_error.clear();
    m_calculator = calculator;
    m_folder = folder;
    m_active = true;
    m_comparing = true;
    endResetModel();
    emit summaryChange();
}

void FolderCompareModel::setEntries(
    const QList<FolderCompare::Entry> &entries, const QStringList &leftOut)
{
    beginResetModel();
    m_entries = entries;
    m_leftOut = leftOut;
    endResetModel();
    emit summaryChange();
}

void FolderCompareModel::settle(int index, const FolderCompare::Entry &entry)
{
    if (index < 0 || index >= m_entries.size())
        return;
    m_entries[index] = entry;
    emit dataChanged(this->index(index), this->index(index));
    emit summaryChange();
}

void FolderCompareModel::finish(const QString &error)
{
    m_comparing = false;
    m_error = error;
    // The rows still unknown now say why.
    if (!m_entries.isEmpty())
        emit dataChanged(index(0), index(int(m_entries.size()) - 1));
    emit summaryChange();
}

void FolderCompareModel::close()
{
    if (!m_active || m_comparing)
        return;
    m_active = false;
    emit summaryChange();
}

bool FolderCompareModel::differs() const
{
    for (const FolderCompare::Entry &e : m_entries) {
        if (e.status == Status::Different || e.status == Status::Missing
            || e.status == Status::Extra)
            return true;
    }
    return false;
}

int FolderCompareModel::extraCount() const
{
    return extraNames().size();
}

QStringList FolderCompareModel::extraNames() const
{
    QStringList names;
    for (const FolderCompare::Entry &e : m_entries) {
        if (e.status == Status::Extra)
            names.append(e.name);
    }
    return names;
}

// "2 to send, 1 to replace, 3 only on the calculator, 5 the same", and the
// files of the folder left out.
QString FolderCompareModel::summary() const
{
    if (!m_error.isEmpty())
        return m_error;
    if (m_comparing && m_entries.isEmpty())
        return tr("Reading the calculator and the folder\u2026");
    int same = 0, different = 0, missing = 0, extra = 0, unknown = 0;
    for (const FolderCompare::Entry &e : m_entries) {
        same += e.status == Status::Same ? 1 : 0;
        different += e.status == Status::Different ? 1 : 0;
        missing += e.status == Status::Missing ? 1 : 0;
        extra += e.status == Status::Extra ? 1 : 0;
        unknown += e.status == Status::Unknown ? 1 : 0;
    }
    QString text;
    if (!differs() && unknown == 0)
        text = tr("The calculator holds the folder's files.");
    else
        //: Counts of the compare of a calculator with a folder.
        text = tr("%1 to send, %2 to replace, %3 only on the calculator, %4 the same.")
                   .arg(QString::number(missing), QString::number(different),
                       QString::number(extra), QString::number(same));
    if (unknown > 0)
        text += QLatin1Char(' ')
            + (m_comparing ? tr("%n still being compared.", nullptr, unknown)
                           : tr("%n could not be compared.", nullptr, unknown));
    if (!m_leftOut.isEmpty())
        text += QLatin1Char(' ') + m_leftOut.join(QLatin1Char(' '));
    return text;
}
