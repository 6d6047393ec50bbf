#ifndef VORIFILEMODEL_H
#define VORIFILEMODEL_H

#include <QAbstractListModel>
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QPair>
#include <QString>

// The files of the current calculator: one row per file, name and size in
// bytes, in the order the calculator listed them.
class VoriFileModel : public QAbstractListModel
{
    Q_OBJECT
public:
    // The window addresses both by name; 257 stays unused.
    static constexpr int nameRole = Qt::UserRole;
    static constexpr int sizeRole = Qt::UserRole + 2;

    explicit VoriFileModel(QObject *parent = nullptr);
    ~VoriFileModel() override;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    Q_INVOKABLE QString getName(int row);

    QPair<QString, int> fileAt(int row) const;
    // Calculator names are case-insensitive here, as the transfer plan
    // compares them.
    bool hasFile(const QString &name) const;
    void clearFiles();
    // Appends without removing: callers empty the model first.
    void setFiles(const QList<QPair<QString, int>> &files);
    // Start-up only, before a view is attached: no row notifications.
    void assignFiles(const QList<QPair<QString, int>> &files);
    void removeFileAt(int row);
    void removeFile(const QString &name);
    void addOrUpdateFile(const QPair<QString, int> &file);

private:
    QList<QPair<QString, int>> files;
    QHash<int, QByteArray> roles;
};

#endif // VORIFILEMODEL_H
