#ifndef CLASSJOBMODEL_H
#define CLASSJOBMODEL_H

#include <QAbstractListModel>
#include <QList>
#include <QString>

class ClassRun;

// One job over several calculators at once, one row per calculator: which
// calculator, what it does, where it stands, its progress and what came of
// it. Generic, so any job over a class shows the same way; it follows a class
// run's rows (follow()), in the main thread.
class ClassJobModel : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(bool active READ active NOTIFY summaryChange)
    Q_PROPERTY(bool running READ running NOTIFY summaryChange)
    Q_PROPERTY(int failedCount READ failedCount NOTIFY summaryChange)
    Q_PROPERTY(QString title READ title NOTIFY summaryChange)
    Q_PROPERTY(QString summary READ summary NOTIFY summaryChange)
public:
    enum class State { Waiting, Working, Done, Failed, Cancelled };
    Q_ENUM(State)

    enum Role {
        CalculatorRole = Qt::UserRole + 1,
        ActionRole,
        StateRole, // the State as a number
        StateTextRole, // what a person reads: "waiting", "sending 2 of 3: …"
        ProgressRole, // 0 to 1 of the file in transfer, -1 when none
        OutcomeRole,
    };

    // What the job does on each calculator, for the words of its rows and summary.
    enum class Kind { Send, Backup, Collect, CollectAndClear };
    Q_ENUM(Kind)

    explicit ClassJobModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    // A new job: every calculator waits. title: what the panel heads it with.
    void begin(const QString &title, const QStringList &calculators, const QString &action,
        int fileCount, Kind kind = Kind::Send);
    // The rows again, as at begin, for a retry of some of them.
    void restart(int row);
    void working(
        int row, int fileNumber, int fileCount, const QString &fileName, qint64 done, qint64 total);
    // moved files of count; failure: the first reason a file did not move.
    void finish(int row, int moved, int count, const QString &failure, bool cancelled);
    // The panel goes away.
    Q_INVOKABLE void close();

    bool active() const { return m_active; }
    bool running() const;
    int failedCount() const;
    QString title() const { return m_title; }
    QString summary() const;
    State state(int row) const { return m_rows.at(row).state; }
    QString outcome(int row) const { return m_rows.at(row).outcome; }

signals:
    void summaryChange();
    // A row changed state (not on progress within one state), in order.
    void stateChange(int row, int state);

private:
    struct Row
    {
        QString calculator;
        QString action;
        State state = State::Waiting;
        QString stateText;
        double progress = -1;
        QString outcome;
        int moved = 0;
    };

    void changed(int row, bool stateChanged);

    QList<Row> m_rows;
    QString m_title;
    bool m_active = false;
    int m_fileCount = 0;
    Kind m_kind = Kind::Send;

    // A station's job: no rows at its start, one added for each calculator
    // it serves, and running while it is on.
    Q_PROPERTY(bool station READ station NOTIFY summaryChange)
    Q_PROPERTY(bool stationOn READ stationOn NOTIFY summaryChange)

public:
    // doing: what the station does to each calculator, for the summary.
    void beginStation(const QString &title, const QString &doing, Kind kind);
    void endStation();
    // A waiting row at the end.
    int addRow(const QString &calculator, const QString &action);
    bool station() const { return m_station; }
    bool stationOn() const { return m_stationOn; }

private:
    QString stationSummary() const;

    bool m_station = false;
    bool m_stationOn = false;
    QString m_doing;

public:
    // The rows follow the run's: its row n is row n here, begun (or added)
    // here before the run starts it.
    void follow(ClassRun *run);

    // Where the run puts what it takes from the calculators, for the panel's
    // "Open the folder"; empty for a run that takes nothing.
    Q_PROPERTY(QString folder READ folder NOTIFY summaryChange)
    QString folder() const { return m_folder; }
    void setFolder(const QString &folder);
    // A row's calculator got a new name while the run served it.
    void renameRow(int row, const QString &calculator);

private:
    bool collects() const { return m_kind == Kind::Collect || m_kind == Kind::CollectAndClear; }
    QString m_folder;
};

#endif // CLASSJOBMODEL_H
