#ifndef VIVURUZAMODEL_H
#define VIVURUZAMODEL_H

#include <QAbstractListModel>
#include <QList>
#include <QString>

// One row per attached calculator, showing its device name, plus the index of
// the current calculator. Rows stay parallel to the session's workers.
class VivuRuzaModel : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(int currentIndex READ currentIndex WRITE setCurrentIndex NOTIFY indexOrSizeChange)
public:
    explicit VivuRuzaModel(QObject *parent = nullptr);
    ~VivuRuzaModel() override;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    int currentIndex() const { return curIndex; }
    // Not compared with the row count: the window may write any value.
    void setCurrentIndex(int value);

    // Start-up only, before a view is attached: no row notifications.
    void setCalcNames(const QList<QString> &names);
    void addCalc(const QString &name);
    void removeCalc(int row);
    void setCurrentName(const QString &name);

    Q_INVOKABLE QString debugInf();
    Q_INVOKABLE QString getName();

    // As addCalc, at this row (clamped to the rows there are); the current
    // calculator stays current, though its row moves down.
    void insertCalc(int row, const QString &name);
    // A calculator's new name at its row, current or not.
    void setNameAt(int row, const QString &name);

signals:
    void indexOrSizeChange(int newIndex);

private:
    bool currentNamesRow() const { return curIndex >= 0 && curIndex < names.size(); }

    int curIndex = -1;
    QList<QString> names;
};

#endif // VIVURUZAMODEL_H
