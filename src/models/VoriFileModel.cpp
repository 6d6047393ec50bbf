#include "VoriFileModel.h"

#include "TransferPlan.h"

#include <QMetaType>

VoriFileModel::VoriFileModel(QObject *parent)
    : QAbstractListModel(parent)
{
    qRegisterMetaType<QPair<QString, int>>("QPair<QString,int>");
    roles.insert(nameRole, QByteArrayLiteral("nameRole"));
    roles.insert(sizeRole, QByteArrayLiteral("sizeRole"));
}

VoriFileModel::~VoriFileModel() = default;

int VoriFileModel::rowCount(const QModelIndex &parent) const
{
    // A flat list: only the root has children.
    if (parent.isValid())
        return 0;
    return files.size();
}

QVariant VoriFileModel::data(const QModelIndex &index, int role) const
{
    const int row = index.row();
    if (row < 0 || row >= files.size())
        return QVariant();
    if (role == nameRole)
        return files.at(row).first;
    if (role == sizeRole)
        return files.at(row).second;
    return QVariant();
}

QHash<int, QByteArray> VoriFileModel::roleNames() const
{
    return roles;
}

QString VoriFileModel::getName(int row)
{
    if (row < 0 || row >= files.size())
        return QString();
    return files.at(row).first;
}

QPair<QString, int> VoriFileModel::fileAt(int row) const
{
    if (row < 0 || row >= files.size())
        return qMakePair(QString(), 0);
    return files.at(row);
}

bool VoriFileModel::hasFile(const QString &name) const
{
    return TransferPlan::isTaken(name, files);
}

void VoriFileModel::clearFiles()
{
    if (files.isEmpty())
        return;
    beginRemoveRows(QModelIndex(), 0, files.size() - 1);
    files = QList<QPair<QString, int>>();
    endRemoveRows();
}

void VoriFileModel::setFiles(const QList<QPair<QString, int>> &newFiles)
{
    if (newFiles.isEmpty())
        return;
    beginInsertRows(QModelIndex(), 0, newFiles.size() - 1);
    files = newFiles;
    endInsertRows();
}

void VoriFileModel::assignFiles(const QList<QPair<QString, int>> &newFiles)
{
    files = newFiles;
}

void VoriFileModel::removeFileAt(int row)
{
    if (row < 0 || row >= files.size())
        return;
    beginRemoveRows(QModelIndex(), row, row);
    files.removeAt(row);
    endRemoveRows();
}

void VoriFileModel::removeFile(const QString &name)
{
    for (int row = 0; row < files.size(); ++row) {
        if (files.at(row).first == name) {
            removeFileAt(row);
            return;
        }
    }
}

void VoriFileModel::addOrUpdateFile(const QPair<QString, int> &file)
{
    // Only the incoming name is upper-cased: a row stored in lower case is
    // not found again and gets a second row.
    const QString wanted = file.first.toUpper();
    for (int row = 0; row < files.size(); ++row) {
        if (files.at(row).first == wanted) {
            files[row] = file;
            const QModelIndex changed = createIndex(row, 0);
            emit dataChanged(changed, changed, {});
            return;
        }
    }
    const int row = files.size();
    beginInsertRows(QModelIndex(), row, row);
    files.append(file);
    endInsertRows();
}
