#ifndef FOLDERCOMPAREMODEL_H
#define FOLDERCOMPAREMODEL_H

#include "FolderCompare.h"

#include <QAbstractListModel>
#include <QList>
#include <QString>
#include <QStringList>

// The current calculator beside a folder, a row per name: a mark that does
// not rely on colour, the status in words, and the size on each side. Rows
// whose contents are still being compared say so until they are known.
class FolderCompareModel : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(bool active READ active NOTIFY summaryChange)
    Q_PROPERTY(bool comparing READ comparing NOTIFY summaryChange)
    Q_PROPERTY(QString folder READ folder NOTIFY summaryChange)
    Q_PROPERTY(QString calculator READ calculator NOTIFY summaryChange)
    Q_PROPERTY(QString summary READ summary NOTIFY summaryChange)
    // Something to send, replace or delete.
    Q_PROPERTY(bool differs READ differs NOTIFY summaryChange)
    Q_PROPERTY(int extraCount READ extraCount NOTIFY summaryChange)

public:
    enum Role {
        NameRole = Qt::UserRole + 1,
        StatusRole, // FolderCompare::Status as a number
        StatusTextRole,
        MarkRole,
        CalculatorSizeRole,
        FolderSizeRole,
    };

    explicit FolderCompareModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    // A compare begins: no rows until the calculator is listed.
    void begin(const QString &calculator, const QString &folder);
    void setEntries(const QList<FolderCompare::Entry> &entries, const QStringList &leftOut);
    void settle(int index, const FolderCompare::Entry &entry);
    // The compare ended; error: why it could not be made.
    void finish(const QString &error);
    Q_INVOKABLE void close();

    bool active() const { return m_active; }
    bool comparing() const { return m_comparing; }
    QString folder() const { return m_folder; }
    QString calculator() const { return m_calculator; }
    QString summary() const;
    bool differs() const;
    int extraCount() const;
    // Names only on the calculator, for the question before they are deleted.
    Q_INVOKABLE QStringList extraNames() const;
    const QList<FolderCompare::Entry> &entries() const { return m_entries; }

    static QString statusText(FolderCompare::Status status);

signals:
    void summaryChange();

private:
    QList<FolderCompare::Entry> m_entries;
    QStringList m_leftOut;
    QString m_calculator;
    QString m_folder;
    QString m_error;
    bool m_active = false;
    bool m_comparing = false;
};

#endif // FOLDERCOMPAREMODEL_H
