#include "VivuRuzaModel.h"

VivuRuzaModel::VivuRuzaModel(QObject *parent)
    : QAbstractListModel(parent)
{
}

VivuRuzaModel::~VivuRuzaModel() = default;

int VivuRuzaModel::rowCount(const QModelIndex &parent) const
{
    // A flat list: only the root has children.
    if (parent.isValid())
        return 0;
    return names.size();
}

QVariant VivuRuzaModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || index.row() < 0 || index.row() >= names.size())
        return QVariant();
    return names.at(index.row());
}

void VivuRuzaModel::setCurrentIndex(int value)
{
    if (value == curIndex)
        return;
    curIndex = value;
    emit indexOrSizeChange(curIndex);
}

void VivuRuzaModel::setCalcNames(const QList<QString> &newNames)
{
    names = newNames;
    if (names.isEmpty())
        return;
    curIndex = 0;
    emit indexOrSizeChange(curIndex);
}

void VivuRuzaModel::addCalc(const QString &name)
{
    insertCalc(names.size(), name);
}

void VivuRuzaModel::removeCalc(int row)
{
    if (row < 0 || row >= names.size())
        return;
    beginRemoveRows(QModelIndex(), row, row);
    names.removeAt(row);
    endRemoveRows();
    // The current calculator stays current wherever a row above it goes;
    // when it goes itself, the one before it follows (the first, at the top).
    if (curIndex >= row && curIndex > 0)
        --curIndex;
    emit indexOrSizeChange(curIndex);
}

void VivuRuzaModel::setCurrentName(const QString &name)
{
    if (!currentNamesRow())
        return;
    names[curIndex] = name;
    const QModelIndex changed = createIndex(curIndex, 0);
    emit dataChanged(changed, changed, {});
}

QString VivuRuzaModel::debugInf()
{
    return QLatin1Char('\n') + QString::number(curIndex);
}

QString VivuRuzaModel::getName()
{
    if (!currentNamesRow())
        return QString();
    return names.at(curIndex);
}

// An index that names no row is left alone, as addCalc always did.
void VivuRuzaModel::insertCalc(int row, const QString &name)
{
    row = qBound(0, row, names.size());
    const bool shifts = currentNamesRow() && row <= curIndex;
    beginInsertRows(QModelIndex(), row, row);
    names.insert(row, name);
    endInsertRows();
    // The first calculator becomes current; later ones only make the session
    // reload the file list of the current one.
    if (names.size() == 1)
        curIndex = 0;
    else if (shifts)
        ++curIndex;
    emit indexOrSizeChange(curIndex);
}

void VivuRuzaModel::setNameAt(int row, const QString &name)
{
    if (row < 0 || row >= names.size())
        return;
    names[row] = name;
    const QModelIndex changed = createIndex(row, 0);
    emit dataChanged(changed, changed, {});
}
