#include "ClassJobModel.h"

#include "ClassRun.h"

#include "DeviceText.h"
#include "TransferProgress.h"

ClassJobModel::ClassJobModel(QObject *parent)
    : QAbstractListModel(parent)
{
}

int ClassJobModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows.size();
}

QVariant ClassJobModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return QVariant();
    const Row &row = m_rows.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case CalculatorRole:
        return row.calculator;
    case ActionRole:
        return row.action;
    case StateRole:
        return int(row.state);
    case StateTextRole:
        return row.stateText;
    case ProgressRole:
        return row.progress;
    case OutcomeRole:
        return row.outcome;
    default:
        break;
    }
    return QVariant();
}

QHash<int, QByteArray> ClassJobModel::roleNames() const
{
    return {
        { CalculatorRole, "calculator" },
        { ActionRole, "action" },
        { StateRole, "state" },
        { StateTextRole, "stateText" },
        { ProgressRole, "progress" },
        { OutcomeRole, "outcome" },
    };
}

void ClassJobModel::begin(const QString &title, const QStringList &calculators,
    const QString &action, int fileCount, Kind kind)
{
    m_fileCount = fileCount;
    m_kind = kind;
    beginResetModel();
    m_rows.clear();
    for (const QString &calculator : calculators) {
        Row row;
        row.calculator = calculator;
        row.action = action;
        row.stateText = tr("waiting");
        m_rows.append(row);
    }
    m_title = title;
    m_active = true;
    m_station = false;
    m_stationOn = false;
    m_folder.clear();
    endResetModel();
    emit summaryChange();
}

void ClassJobModel::restart(int row)
{
    if (row < 0 || row >= m_rows.size())
        return;
    Row &r = m_rows[row];
    r.state = State::Waiting;
    r.stateText = tr("waiting");
    r.progress = -1;
    r.outcome.clear();
    r.moved = 0;
    changed(row, true);
}

void ClassJobModel::working(
    int row, int fileNumber, int fileCount, const QString &fileName, qint64 done, qint64 total)
{
    if (row < 0 || row >= m_rows.size())
        return;
    Row &r = m_rows[row];
    const bool first = r.state != State::Working;
    r.state = State::Working;
    r.stateText = (m_kind == Kind::Backup ? tr("backing up %1 of %2: %3")
            : collects()                  ? tr("collecting %1 of %2: %3")
                                          : tr("sending %1 of %2: %3"))
                      .arg(QString::number(fileNumber), QString::number(fileCount),
                          DeviceText::isolated(fileName));
    if (total >= 0)
        r.stateText
            += tr(", %1 of %2")
                   .arg(TransferProgress::sizeText(done), TransferProgress::sizeText(total));
    r.progress = total > 0 ? double(done) / double(total) : -1;
    changed(row, first);
}

void ClassJobModel::finish(int row, int moved, int count, const QString &failure, bool cancelled)
{
    if (row < 0 || row >= m_rows.size())
        return;
    Row &r = m_rows[row];
    r.moved = moved;
    r.progress = -1;
    if (cancelled) {
        r.state = State::Cancelled;
        r.stateText = tr("cancelled");
        r.outcome = tr("cancelled after %n files", nullptr, moved);
    } else if (moved == count && failure.isEmpty()) {
        r.state = State::Done;
        r.stateText = tr("done");
        if (m_kind == Kind::Backup)
            r.outcome = tr("%n files backed up", nullptr, moved);
        else if (m_kind == Kind::Collect)
            r.outcome = tr("collected %n files", nullptr, moved);
        else if (m_kind == Kind::CollectAndClear)
            r.outcome = tr("collected and cleared %n files", nullptr, moved);
        else
            r.outcome = tr("%n files sent", nullptr, moved);
        // On exam day the row itself says what was taken (and deleted).
        if (collects())
            r.stateText = r.outcome;
    } else {
        r.state = State::Failed;
        r.stateText = tr("failed");
        if (!failure.isEmpty())
            r.outcome = failure;
        else if (m_kind == Kind::Backup)
            r.outcome = tr("%1 of %2 files backed up")
                            .arg(QString::number(moved), QString::number(count));
        else if (collects())
            r.outcome = tr("%1 of %2 files collected")
                            .arg(QString::number(moved), QString::number(count));
        else
            r.outcome
                = tr("%1 of %2 files sent").arg(QString::number(moved), QString::number(count));
    }
    changed(row, true);
}

void ClassJobModel::close()
{
    if (!m_active || running())
        return;
    m_active = false;
    emit summaryChange();
}

bool ClassJobModel::running() const
{
    if (m_stationOn)
        return true;
    for (const Row &row : m_rows) {
        if (row.state == State::Waiting || row.state == State::Working)
            return true;
    }
    return false;
}

int ClassJobModel::failedCount() const
{
    int count = 0;
    for (const Row &row : m_rows)
        count += row.state == State::Failed ? 1 : 0;
    return count;
}

// Counted over the rows that ended: "Sent 3 files to 27 of 28 calculators;
// 1 failed: Calc B: …". Only the first failure is told; the rows tell all.
QString ClassJobModel::summary() const
{
    if (m_station)
        return stationSummary();
    if (m_rows.isEmpty())
        return QString();
    int done = 0;
    int ended = 0;
    int cancelled = 0;
    QString firstFailure;
    for (const Row &row : m_rows) {
        if (row.state == State::Done)
            ++done;
        if (row.state == State::Cancelled)
            ++cancelled;
        if (row.state == State::Failed && firstFailure.isEmpty())
            firstFailure
                = DeviceText::isolated(row.calculator) + QStringLiteral(": ") + row.outcome;
        if (row.state != State::Waiting && row.state != State::Working)
            ++ended;
    }
    const int all = m_rows.size();
    if (ended < all)
        return tr("%1 of %2 calculators finished")
            .arg(QString::number(ended), QString::number(all));
    QString text;
    if (m_kind == Kind::Backup) {
        text = tr("Backed up %1 of %n calculators", nullptr, all).arg(done);
    } else if (m_kind == Kind::Collect) {
        text = tr("Collected from %1 of %n calculators", nullptr, all).arg(done);
    } else if (m_kind == Kind::CollectAndClear) {
        text = tr("Collected from and cleared %1 of %n calculators", nullptr, all).arg(done);
    } else {
        text = tr("Sent %n files", nullptr, m_fileCount);
        text += tr(" to %1 of %n calculators", nullptr, all).arg(done);
    }
    const int failed = failedCount();
    if (failed > 0)
        text += tr("; %n failed: %1", nullptr, failed).arg(firstFailure);
    if (cancelled > 0)
        text += tr("; %n cancelled", nullptr, cancelled);
    return text;
}

void ClassJobModel::changed(int row, bool stateChanged)
{
    const QModelIndex at = index(row);
    emit dataChanged(at, at);
    if (stateChanged) {
        emit stateChange(row, int(m_rows.at(row).state));
        emit summaryChange();
    }
}

void ClassJobModel::beginStation(const QString &title, const QString &doing, Kind kind)
{
    m_kind = kind;
    beginResetModel();
    m_rows.clear();
    m_title = title;
    m_doing = doing;
    m_fileCount = 0;
    m_active = true;
    m_station = true;
    m_stationOn = true;
    m_folder.clear();
    endResetModel();
    emit summaryChange();
}

void ClassJobModel::endStation()
{
    if (!m_stationOn)
        return;
    m_stationOn = false;
    emit summaryChange();
}

int ClassJobModel::addRow(const QString &calculator, const QString &action)
{
    const int row = m_rows.size();
    beginInsertRows(QModelIndex(), row, row);
    Row r;
    r.calculator = calculator;
    r.action = action;
    r.stateText = tr("waiting");
    m_rows.append(r);
    endInsertRows();
    emit stateChange(row, int(State::Waiting));
    emit summaryChange();
    return row;
}

// What the station does while it is on, then what it has served so far,
// the first failure named: the rows tell all.
QString ClassJobModel::stationSummary() const
{
    int ended = 0;
    int failed = 0;
    QString firstFailure;
    for (const Row &row : m_rows) {
        if (row.state != State::Waiting && row.state != State::Working)
            ++ended;
        if (row.state == State::Failed && ++failed == 1)
            firstFailure
                = DeviceText::isolated(row.calculator) + QStringLiteral(": ") + row.outcome;
    }
    QString text
        = m_stationOn ? tr("The station is on: %1").arg(m_doing) : tr("The station is off.");
    if (m_rows.isEmpty())
        return m_stationOn ? text + QLatin1Char(' ') + tr("Plug in a calculator.") : text;
    text += QLatin1Char(' ');
    text += tr("%n calculators served", nullptr, ended);
    if (ended < m_rows.size())
        text += tr(", %n in progress", nullptr, int(m_rows.size()) - ended);
    if (failed > 0)
        text += tr("; %n failed: %1", nullptr, failed).arg(firstFailure);
    // A failure's own text may end the sentence already.
    return text.endsWith(QLatin1Char('.')) ? text : text + QLatin1Char('.');
}

void ClassJobModel::follow(ClassRun *run)
{
    connect(run, &ClassRun::restarted, this, &ClassJobModel::restart);
    connect(run, &ClassRun::working, this, &ClassJobModel::working);
    connect(run, &ClassRun::finished, this, &ClassJobModel::finish);
}

void ClassJobModel::setFolder(const QString &folder)
{
    if (m_folder == folder)
        return;
    m_folder = folder;
    emit summaryChange();
}

void ClassJobModel::renameRow(int row, const QString &calculator)
{
    if (row < 0 || row >= m_rows.size() || m_rows.at(row).calculator == calculator)
        return;
    m_rows[row].calculator = calculator;
    changed(row, false);
}
