#include "CVivuRuzaSession.h"

#include "BackupSettings.h"
#include "BackupTexts.h"
#include "CVivuRuza.h"
#include "CVoriWorker.h"
#include "DeviceText.h"
#include "FolderHandle.h"
#include "LinkLog.h"
#include "SessionLog.h"
#include "TransferLog.h"
#include "TransferPlan.h"
#include "VivuRuzaModel.h"
#include "VoriFileModel.h"

#include <QMetaType>
#include <QSerialPortInfo>
#include <QThread>
#include <QTimer>

namespace {
QList<CalcPort> serialCalcPorts()
{
    QList<CalcPort> ports;
    const auto infos = CVivuRuza::calcPorts();
    for (const QSerialPortInfo &info : infos)
        ports.append(CalcPort(info));
    return ports;
}

const char *jobName(void (CVoriWorker::*job)())
{
    if (job == &CVoriWorker::sendFiles)
        return "send";
    if (job == &CVoriWorker::getFiles)
        return "copy";
    if (job == &CVoriWorker::delFiles)
        return "delete";
    if (job == &CVoriWorker::backUp)
        return "backup";
    if (job == &CVoriWorker::previewRestore)
        return "restore preview";
    if (job == &CVoriWorker::restoreBackup)
        return "restore";
    return job == &CVoriWorker::setDevName ? "rename" : "job";
}

// Why a file of a class send is left out, short enough for a list of them;
// empty for a file that may go (zero-length files are told apart).
QString classRefusal(TransferPlan::Reason problem)
{
    switch (problem) {
    case TransferPlan::Reason::Missing:
        return CVivuRuzaSession::tr("not found");
    case TransferPlan::Reason::NotRegular:
        return CVivuRuzaSession::tr("not a regular file");
    case TransferPlan::Reason::Unreadable:
        return CVivuRuzaSession::tr("can't be read");
    case TransferPlan::Reason::TooLarge:
        return CVivuRuzaSession::tr("larger than 1 MiB");
    case TransferPlan::Reason::NoName:
        return CVivuRuzaSession::tr("no name a calculator can keep");
    default:
        break;
    }
    return QString();
}

bool onlyCaseChanged(const QString &given, const QString &calcName)
{
    return TransferQuestions::onlyCaseChanged(given, calcName);
}

// Two files of a batch that would get one calculator name: neither is sent,
// since either would replace the other, and each pair is told in vuvectl's
// words. Files of one name from two folders are told by their paths.
QStringList sameNames(const TransferPlan &plan, const QList<QUrl> &urls, QSet<int> &leftOut)
{
    QStringList texts;
    for (int i = 0; i < plan.size(); ++i) {
        const TransferPlan::Item &item = plan.at(i);
        if (item.collision != TransferPlan::Reason::SameName)
            continue;
        leftOut.insert(i);
        leftOut.insert(item.other);
        QString first = urls.at(item.other).fileName(QUrl::FullyDecoded);
        QString second = urls.at(i).fileName(QUrl::FullyDecoded);
        if (first == second) {
            first = plan.at(item.other).shown;
            second = item.shown;
        }
        texts.append(CVivuRuzaSession::tr("%1 and %2 would both be %3 on the calculator.")
                         .arg(first, second, item.calcName));
    }
    return texts;
}
} // namespace

CVivuRuzaSession::CVivuRuzaSession(QObject *parent)
    : QObject(parent)
    , m_portSource(serialCalcPorts)
    , m_doctor(new ConnectionDoctor(this))
    , m_transfer(new TransferProgress(this))
    , m_classJob(new ClassJobModel(this))
{
    qRegisterMetaType<QList<QUrl>>("QList<QUrl>");
    qRegisterMetaType<QPair<QString, int>>("QPair<QString,int>");
}

CVivuRuzaSession::~CVivuRuzaSession()
{
    // The event loop may be gone, so the queued quit() of a job may never
    // arrive: ask each thread to quit itself; it does once its job slot returns.
    for (const Job &job : qAsConst(m_jobs)) {
        if (job.thread)
            job.thread->requestInterruption();
    }
    for (const Job &job : qAsConst(m_jobs)) {
        if (!job.thread)
            continue;
        job.thread->quit();
        job.thread->wait();
        delete job.thread;
    }
    for (auto it = m_jobs.cbegin(); it != m_jobs.cend(); ++it) {
        if (!workers.contains(it.key()))
            delete it.key();
    }
    m_jobs.clear();
    qDeleteAll(workers);
    workers.clear();
}

void CVivuRuzaSession::setModels(VivuRuzaModel *calcModel, VoriFileModel *fileModel)
{
    this->calcModel = calcModel;
    this->fileModel = fileModel;
    connect(calcModel, &VivuRuzaModel::indexOrSizeChange, this, &CVivuRuzaSession::onIndexChange);

    timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &CVivuRuzaSession::update);
    timer->start(1000);

    QList<QString> names;
    for (const CVoriWorker *worker : qAsConst(workers))
        names.append(worker->name);
    calcModel->setCalcNames(names);
    if (CVoriWorker *worker = currentWorker())
        fileModel->assignFiles(worker->filesList);
}

void CVivuRuzaSession::setPortSource(PortSource source)
{
    m_portSource = source ? std::move(source) : PortSource(serialCalcPorts);
}

CVoriWorker *CVivuRuzaSession::workerAt(int index) const
{
    return index >= 0 && index < workers.size() ? workers.at(index) : nullptr;
}

CVoriWorker *CVivuRuzaSession::currentWorker() const
{
    return workerAt(currentIndex);
}

CVoriWorker *CVivuRuzaSession::idleCurrentWorker() const
{
    CVoriWorker *worker = currentWorker();
    return worker && !m_jobs.contains(worker) ? worker : nullptr;
}

void CVivuRuzaSession::onIndexChange(int newIndex)
{
    statusLineText.clear();
    emit statusLineTextChange();
    currentIndex = newIndex;
    if (!fileModel)
        return;
    fileModel->clearFiles();
    CVoriWorker *worker = currentWorker();
    if (worker)
        fileModel->setFiles(worker->filesList);
    refreshBusy();
    if (worker != m_shown.data()) {
        m_shown = worker;
        m_transfer->clearOutcome();
        emit currentCalcChange();
    }
}

// Calculators are known by port name alone; a known port is never read again,
// and neither is one whose reading failed, until it has gone and come back.
// New ports are read in job threads, so a poll never waits for a device.
void CVivuRuzaSession::update()
{
    QList<CalcPort> ports = m_portSource();
    m_attached.clear();
    for (const CalcPort &port : qAsConst(ports))
        m_attached.insert(port.portName());
    for (auto it = m_failed.begin(); it != m_failed.end();) {
        if (m_attached.contains(*it)) {
            ++it;
            continue;
        }
        qCDebug(DiscoveryLog, "%s: port gone", qUtf8Printable(*it));
        m_doctor->forget(*it);
        it = m_failed.erase(it);
    }
    int i = 0;
    while (i < workers.size()) {
        const QString portName = workers.at(i)->portInfo.portName();
        int found = -1;
        for (int p = 0; p < ports.size(); ++p) {
            if (ports.at(p).portName() == portName) {
                found = p;
                break;
            }
        }
        if (found >= 0) {
            ports.removeAt(found);
            ++i;
            continue;
        }
        // Out of workers before the row goes: the model's signal makes
        // onIndexChange read workers at once.
        CVoriWorker *gone = workers.takeAt(i);
        m_foundOrder.remove(portName);
        if (m_chosenPorts.remove(portName))
            emit chosenChange();
        qCDebug(DiscoveryLog, "%s: port gone", qUtf8Printable(portName));
        if (calcModel)
            calcModel->removeCalc(i);
        m_doctor->forget(portName);
        if (!m_jobs.contains(gone))
            delete gone;
    }
    for (const CalcPort &port : qAsConst(ports)) {
        if (!m_reading.contains(port.portName()) && !m_failed.contains(port.portName()))
            startReading(port);
    }
}

// Readings end in any order, so a calculator goes where it was found among
// the listed ones: those of one poll in port order, after those of earlier
// polls. It is listed as soon as its own reading ends.
void CVivuRuzaSession::addWorker(CVoriWorker *worker)
{
    watchTransfers(worker);
    watchClass(worker);
    // Each later listing that leaves files out says so again, as the first did.
    connect(worker, &CVoriWorker::unreadListed, m_doctor, [this, worker](const QString &text) {
        m_doctor->tellAgain(worker->portInfo.portName(), text);
    });
    const quint64 found = m_foundOrder.value(worker->portInfo.portName());
    int row = workers.size();
    while (row > 0 && m_foundOrder.value(workers.at(row - 1)->portInfo.portName()) > found)
        --row;
    workers.insert(row, worker);
    if (calcModel)
        calcModel->insertCalc(row, worker->name);
    if (m_classJob->stationOn())
        serveAtStation(worker);
}

// The first reading is a job like the others, without the busy flag: the
// window stays usable for the calculators already listed.
void CVivuRuzaSession::startReading(const CalcPort &port)
{
    qCDebug(DiscoveryLog, "%s: port found, reading started", qUtf8Printable(port.portName()));
    auto *worker = new CVoriWorker(port, CVoriWorker::Reading::InJob);
    // The text and its detail travel together: another calculator's report
    // may come between two signals.
    connect(worker, &CVoriWorker::errorExplained, this,
        [this, worker](const QString &text, const QString &detail) {
            // A class job tells its failures in its rows: one dialog per
            // calculator would bury the window.
            const int row = classRowOf(worker);
            if (row < 0) {
                showError(text, detail);
            } else if (m_classTargets.at(row).failure.isEmpty()) {
                m_classTargets[row].failure = text;
            }
        });
    auto *thread = new QThread;
    worker->moveToThread(thread);

    Job record;
    record.thread = thread;
    connect(thread, &QThread::started, worker, &CVoriWorker::readFirst);
    record.quit = connect(worker, &CVoriWorker::finished, thread, &QThread::quit);
    connect(thread, &QThread::finished, this, [this, worker] { endReading(worker); });
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    m_jobs.insert(worker, record);
    m_reading.insert(port.portName(), worker);
    m_foundOrder.insert(port.portName(), m_nextFound++);
    m_doctor->setReading(port.portName(), true);

    thread->start(QThread::InheritPriority);
}

// The reading's results were delivered before its thread finished.
void CVivuRuzaSession::endReading(CVoriWorker *worker)
{
    auto it = m_jobs.find(worker);
    if (it != m_jobs.end()) {
        disconnect(it->quit);
        m_jobs.erase(it);
    }
    const QString port = worker->portInfo.portName();
    if (m_reading.value(port) == worker) {
        m_reading.remove(port);
        m_doctor->setReading(port, false);
    }
    // Unplugged while it was read: a later plug-in is read anew.
    if (!m_attached.contains(port)) {
        m_foundOrder.remove(port);
        qCDebug(DiscoveryLog, "%s: reading ended, port gone meanwhile", qUtf8Printable(port));
        delete worker;
        return;
    }
    if (!worker->problem.isEmpty()) {
        m_foundOrder.remove(port);
        qCDebug(DiscoveryLog, "%s: reading failed: %s", qUtf8Printable(port),
            traced(worker->problem).constData());
        m_failed.insert(port);
        m_doctor->report(port, worker->problem);
        delete worker;
        return;
    }
    qCDebug(DiscoveryLog, "%s: reading ended, %d files%s%s", qUtf8Printable(port),
        int(worker->filesList.size()), worker->notice.isEmpty() ? "" : "; ",
        traced(worker->notice).constData());
    addWorker(worker);
    if (!worker->notice.isEmpty())
        m_doctor->report(port, worker->notice);
}

// Connected once per worker. Calculators work side by side; the progress
// line follows the send or download started last.
void CVivuRuzaSession::watchTransfers(CVoriWorker *worker)
{
    connect(worker, &CVoriWorker::progress, m_transfer,
        [this, worker](int number, int count, const QString &name, qint64 done, qint64 total) {
            if (m_transferWorker == worker)
                m_transfer->update(number, count, name, done, total);
        });
    connect(worker, &CVoriWorker::jobCancelled, m_transfer,
        [this, worker](const QString &calcName, int left) {
            if (m_transferWorker == worker)
                m_transfer->cancelled(calcName, TransferOutcome::Left(left));
        });
    connect(worker, &CVoriWorker::transferred, m_transfer, [this, worker](int done, int count) {
        if (m_transferWorker == worker)
            m_transfer->finish(done, count);
    });
}

bool CVivuRuzaSession::isCurrentCalcBusy() const
{
    CVoriWorker *worker = currentWorker();
    return worker && m_jobs.contains(worker);
}

void CVivuRuzaSession::onErrorChange(QString errorText)
{
    showError(errorText, QString());
}

// The detail first: the window opens its dialog as the text changes.
void CVivuRuzaSession::showError(const QString &errorText, const QString &detail)
{
    if (detail != m_errorDetail) {
        m_errorDetail = detail;
        emit errorDetailChange();
    }
    error = errorText;
    emit errorChange();
}

void CVivuRuzaSession::onIAmBusy()
{
    isBusy = true;
    emit isBusyChange();
}

void CVivuRuzaSession::onIAmNotBusy()
{
    isBusy = false;
    emit isBusyChange();
}

void CVivuRuzaSession::onFileDeleted(QString fName)
{
    if (fileModel)
        fileModel->removeFile(fName);
}

void CVivuRuzaSession::onFileSend(QPair<QString, int> file)
{
    if (fileModel)
        fileModel->addOrUpdateFile(file);
}

// The calculator renamed need not be the current one any more.
void CVivuRuzaSession::onDevNameChange()
{
    auto *renamed = qobject_cast<CVoriWorker *>(sender());
    if (renamed && calcModel) {
        calcModel->setNameAt(workers.indexOf(renamed), renamed->name);
        return;
    }
    if (CVoriWorker *worker = currentWorker()) {
        if (calcModel)
            calcModel->setCurrentName(worker->name);
    }
}

void CVivuRuzaSession::onFilesListChange()
{
    CVoriWorker *worker = currentWorker();
    if (!worker || !fileModel)
        return;
    // Another calculator's job ended: the list shown has not changed.
    auto *changed = qobject_cast<CVoriWorker *>(sender());
    if (changed && changed != worker)
        return;
    fileModel->clearFiles();
    fileModel->setFiles(worker->filesList);
}

// Names are taken on the calculator as its worker last read it, the listing
// the file list was filled from.
TransferPlan::Listing CVivuRuzaSession::currentListing() const
{
    CVoriWorker *worker = currentWorker();
    return worker ? worker->filesList : TransferPlan::Listing();
}

void CVivuRuzaSession::toCalcUrls(QList<QUrl> urls)
{
    m_questions.toCalcUrls(urls, currentListing());
}

bool CVivuRuzaSession::isToCalcZeroSizeCollision()
{
    return m_questions.isToCalcZeroSizeCollision();
}

bool CVivuRuzaSession::isToCalcNameCollision()
{
    return m_questions.isToCalcNameCollision(currentListing());
}

bool CVivuRuzaSession::isToCalcExistingCollision()
{
    return m_questions.isToCalcExistingCollision();
}

bool CVivuRuzaSession::isFromCalcCollision()
{
    return m_questions.isFromCalcCollision();
}

QString CVivuRuzaSession::collisionToCalcZeroSizeFileName()
{
    return m_questions.collisionToCalcZeroSizeFileName();
}

QString CVivuRuzaSession::collisionToCalcFileName()
{
    return m_questions.collisionToCalcFileName();
}

QString CVivuRuzaSession::getNameToCalcCollisionOld()
{
    return m_questions.nameCollisionOld();
}

QString CVivuRuzaSession::getNameToCalcCollisionNew()
{
    return m_questions.nameCollisionNew();
}

QString CVivuRuzaSession::collisionFromCalcFileName()
{
    return m_questions.collisionFromCalcFileName();
}

void CVivuRuzaSession::releaseToCalcCollision(bool replace)
{
    m_questions.releaseToCalcCollision(replace);
}

void CVivuRuzaSession::releaseFromCalcCollision(bool replace)
{
    m_questions.releaseFromCalcCollision(replace);
}

void CVivuRuzaSession::releaseAllToCalcCollisions(bool replace)
{
    m_questions.releaseAllToCalcCollisions(replace);
}

void CVivuRuzaSession::releaseAllFromCalcCollisions(bool replace)
{
    m_questions.releaseAllFromCalcCollisions(replace);
}

void CVivuRuzaSession::fromCalcUrls(bool checkCollision, QUrl destFolder)
{
    if (!m_questions.fromCalcUrls(checkCollision, destFolder))
        onErrorChange(m_questions.errorString());
}

// A row of the file list: the file the user sees there.
void CVivuRuzaSession::addSelected(int row)
{
    if (fileModel)
        m_questions.addSelected(fileModel->fileAt(row));
}

void CVivuRuzaSession::sendFiles()
{
    CVoriWorker *worker = idleCurrentWorker();
    if (!worker)
        return;
    worker->toCalcFiles = m_questions.filesToSend();
    m_transferWorker = worker;
    m_transfer->start(TransferProgress::Kind::Send,
        //: Stands for a calculator without a name, in "Sent 2 files to %1".
        worker->name.isEmpty() ? tr("the calculator") : worker->name,
        m_questions.filesToSend().size(), m_questions.sendSkipped());
    startJob(worker, &CVoriWorker::sendFiles, &CVivuRuzaSession::onFilesListChange);
}

QList<QUrl> CVivuRuzaSession::downloadsFiles()
{
    QList<QUrl> urls;
    CVoriWorker *worker = idleCurrentWorker();
    if (!worker)
        return urls;
    // A Copy whose folder could not be made has nowhere to go.
    const QString destFolder = m_questions.destFolder();
    if (destFolder.isEmpty())
        return urls;
    const QList<QPair<QString, int>> fromCalcFiles = m_questions.filesToGet();
    worker->files = fromCalcFiles;
    worker->destFolder = destFolder;
    m_transferWorker = worker;
    m_transfer->start(
        m_questions.copying() ? TransferProgress::Kind::Copy : TransferProgress::Kind::Download,
        destFolder, fromCalcFiles.size(), m_questions.downloadSkipped());
    startJob(worker, &CVoriWorker::getFiles, nullptr);
    for (const auto &pair : fromCalcFiles)
        urls.append(QUrl::fromLocalFile(destFolder + QLatin1Char('/') + pair.first));
    return urls;
}

// The selection is used up even when no job can start, so that it never
// leaks into the next deletion.
void CVivuRuzaSession::deleteSelected()
{
    if (CVoriWorker *worker = idleCurrentWorker()) {
        m_transfer->clearOutcome();
        worker->files = m_questions.selection();
        startJob(worker, &CVoriWorker::delFiles, &CVivuRuzaSession::onFilesListChange);
    }
    m_questions.clearSelection();
}

void CVivuRuzaSession::changeCalcName(QString newName)
{
    CVoriWorker *worker = idleCurrentWorker();
    if (!worker)
        return;
    worker->newName = newName;
    m_transfer->clearOutcome();
    startJob(worker, &CVoriWorker::setDevName, &CVivuRuzaSession::onDevNameChange);
}

void CVivuRuzaSession::startJob(CVoriWorker *worker, JobSlot job, RefreshSlot refresh)
{
    qCDebug(SessionLog, "%s: %s started, %d files", qUtf8Printable(worker->portInfo.portName()),
        jobName(job),
        int(job == &CVoriWorker::sendFiles ? worker->toCalcFiles.size() : worker->files.size()));
    worker->clearCancel();
    worker->verify = verifySends();
    auto *thread = new QThread;
    worker->moveToThread(thread);

    Job record;
    record.thread = thread;
    connect(thread, &QThread::started, this, &CVivuRuzaSession::jobStateChange);
    connect(thread, &QThread::started, worker, job);
    if (refresh)
        record.refresh = connect(worker, &CVoriWorker::finished, this, refresh);
    record.quit = connect(worker, &CVoriWorker::finished, thread, &QThread::quit);
    // Ahead of the busy change: once isBusy turns false the worker takes a new job.
    connect(thread, &QThread::finished, this, [this, worker] { endJob(worker); });
    connect(thread, &QThread::finished, this, &CVivuRuzaSession::jobStateChange);
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    m_jobs.insert(worker, record);

    thread->start(QThread::InheritPriority);
}

// The thread has finished, so nothing runs on the worker any more.
void CVivuRuzaSession::endJob(CVoriWorker *worker)
{
    auto it = m_jobs.find(worker);
    if (it == m_jobs.end())
        return;
    disconnect(it->refresh);
    disconnect(it->quit);
    m_jobs.erase(it);
    qCDebug(SessionLog, "%s: job ended", qUtf8Printable(worker->portInfo.portName()));
    if (!workers.contains(worker))
        delete worker;
}

void CVivuRuzaSession::refreshBusy()
{
    const bool busy = isCurrentCalcBusy();
    if (busy == isBusy)
        return;
    isBusy = busy;
    emit isBusyChange();
}

bool CVivuRuzaSession::canCancelTransfer() const
{
    CVoriWorker *worker = m_transferWorker.data();
    return worker && m_jobs.contains(worker) && m_transfer->running() && !worker->cancelRequested();
}

void CVivuRuzaSession::cancelTransfer()
{
    if (!canCancelTransfer())
        return;
    qCDebug(SessionLog, "%s: cancel asked", qUtf8Printable(m_transferWorker->portInfo.portName()));
    m_transferWorker->cancel();
}

// Told at every job's start and end, whichever calculator it runs on, so a
// watcher of isBusyChange learns of each.
void CVivuRuzaSession::jobStateChange()
{
    isBusy = isCurrentCalcBusy();
    emit isBusyChange();
}

int CVivuRuzaSession::runningJobs() const
{
    int count = 0;
    for (auto it = m_jobs.cbegin(); it != m_jobs.cend(); ++it) {
        if (!m_reading.values().contains(it.key()))
            ++count;
    }
    return count;
}

// Each worker's reports reach its row while it works for a class job; its
// own sends and copies go to the progress line as before.
void CVivuRuzaSession::watchClass(CVoriWorker *worker)
{
    connect(worker, &CVoriWorker::progress, m_classJob,
        [this, worker](int number, int count, const QString &name, qint64 done, qint64 total) {
            const int row = classRowOf(worker);
            if (row >= 0)
                m_classJob->working(row, number, count, name, done, total);
        });
    connect(worker, &CVoriWorker::jobCancelled, m_classJob, [this, worker](const QString &, int) {
        const int row = classRowOf(worker);
        if (row >= 0)
            m_classTargets[row].cancelled = true;
    });
    connect(worker, &CVoriWorker::transferred, m_classJob,
        [this, worker](int done, int count) { endClassTarget(worker, done, count); });
}

int CVivuRuzaSession::classRowOf(CVoriWorker *worker) const
{
    for (int row = 0; row < m_classTargets.size(); ++row) {
        if (m_classTargets.at(row).running && m_classTargets.at(row).worker == worker)
            return row;
    }
    return -1;
}

void CVivuRuzaSession::setChosen(int row, bool chosen)
{
    CVoriWorker *worker = workerAt(row);
    if (!worker)
        return;
    const QString port = worker->portInfo.portName();
    if (chosen == m_chosenPorts.contains(port))
        return;
    if (chosen)
        m_chosenPorts.insert(port);
    else
        m_chosenPorts.remove(port);
    emit chosenChange();
}

bool CVivuRuzaSession::isChosen(int row) const
{
    CVoriWorker *worker = workerAt(row);
    return worker && m_chosenPorts.contains(worker->portInfo.portName());
}

// The same plan for every calculator, each against its own list: a name is
// taken on some and free on others, and the one answer settles all of them.
bool CVivuRuzaSession::planClassSend(QList<QUrl> urls, bool all)
{
    if (m_classJob->running())
        return false;
    m_classTargets.clear();
    m_classTaken.clear();
    m_classNameChanges.clear();
    m_classEmpty.clear();
    m_classRefused.clear();
    m_classSameNames.clear();
    m_classCaseChanges.clear();
    for (CVoriWorker *worker : qAsConst(workers)) {
        if (!all && !m_chosenPorts.contains(worker->portInfo.portName()))
            continue;
        TransferPlan plan(TransferPlan::Direction::Upload);
        for (const QUrl &url : qAsConst(urls))
            plan.addUpload(url.toLocalFile(), url.fileName(QUrl::FullyDecoded));
        plan.markTaken(worker->filesList);
        QSet<int> leftOut;
        const QStringList clashes = sameNames(plan, urls, leftOut);
        for (const QString &text : clashes) {
            if (!m_classSameNames.contains(text))
                m_classSameNames.append(text);
        }
        ClassTarget target;
        target.worker = worker;
        for (int i = 0; i < plan.size(); ++i) {
            const TransferPlan::Item &item = plan.at(i);
            const QString given = urls.at(i).fileName(QUrl::FullyDecoded);
            // A file no calculator can take would fail on every row alike.
            const QString refusal = classRefusal(item.problem);
            if (!refusal.isEmpty()) {
                const QString entry = QStringLiteral("%1 (%2)").arg(given, refusal);
                if (!m_classRefused.contains(entry))
                    m_classRefused.append(entry);
                continue;
            }
            if (item.empty) {
                if (!m_classEmpty.contains(given))
                    m_classEmpty.append(given);
                continue;
            }
            if (item.collision == TransferPlan::Reason::SameFile || leftOut.contains(i))
                continue;
            if (item.renamed) {
                const QString change = QStringLiteral("%1 \u2192 %2").arg(given, item.calcName);
                QStringList &changes = onlyCaseChanged(given, item.calcName) ? m_classCaseChanges
                                                                             : m_classNameChanges;
                if (!changes.contains(change))
                    changes.append(change);
            }
            if (item.collision == TransferPlan::Reason::TakenOnCalc) {
                target.taken.append(item.calcName);
                if (!m_classTaken.contains(item.calcName))
                    m_classTaken.append(item.calcName);
            }
            target.files.append(qMakePair(item.localPath, item.calcName));
        }
        m_classTargets.append(target);
    }
    return !m_classTargets.isEmpty();
}

QStringList CVivuRuzaSession::classTakenNames() const
{
    return m_classTaken;
}

QStringList CVivuRuzaSession::classNameChanges() const
{
    return m_classNameChanges;
}

QStringList CVivuRuzaSession::classEmptyFiles() const
{
    return m_classEmpty;
}

QStringList CVivuRuzaSession::classRefusedFiles() const
{
    return m_classRefused;
}

void CVivuRuzaSession::startClassSend(bool replace)
{
    if (m_classTargets.isEmpty() || m_classJob->running())
        return;
    for (const QString &name : qAsConst(m_classTaken))
        TransferTrace::settled("class", name, TransferPlan::Reason::TakenOnCalc, replace);
    int fileCount = 0;
    for (ClassTarget &target : m_classTargets) {
        if (!replace) {
            for (int i = target.files.size() - 1; i >= 0; --i) {
                if (target.taken.contains(target.files.at(i).second))
                    target.files.removeAt(i);
            }
        }
        target.taken.clear();
        fileCount = qMax(fileCount, int(target.files.size()));
    }
    const int count = int(m_classTargets.size());
    beginClassJob(tr("Send to %n calculators", nullptr, count), tr("send"), fileCount,
        ClassJobModel::Kind::Send);
}

void CVivuRuzaSession::beginClassJob(
    const QString &title, const QString &action, int fileCount, ClassJobModel::Kind kind)
{
    QStringList names;
    for (const ClassTarget &target : qAsConst(m_classTargets))
        names.append(target.worker ? target.worker->name : QString());
    m_classJob->begin(title, names, action, fileCount, kind);
    for (int row = 0; row < m_classTargets.size(); ++row)
        startClassTarget(row);
}

// A calculator busy with a job of its own, or gone, fails at once; Retry
// tries it again.
void CVivuRuzaSession::startClassTarget(int row)
{
    ClassTarget &target = m_classTargets[row];
    target.failure.clear();
    target.cancelled = false;
    CVoriWorker *worker = target.worker.data();
    const int count
        = worker && target.backup ? int(worker->filesList.size()) : int(target.files.size());
    if (!worker || !workers.contains(worker)) {
        m_classJob->finish(row, 0, count, tr("The calculator is no longer attached."), false);
        return;
    }
    if (m_jobs.contains(worker)) {
        m_classJob->finish(
            row, 0, count, tr("The calculator was busy with another job; try again."), false);
        return;
    }
    target.running = true;
    if (target.backup) {
        worker->backupParent = m_classBackupParent;
        worker->backupParentIdentity = m_classBackupIdentity;
        startJob(worker, &CVoriWorker::backUp, &CVivuRuzaSession::onClassBackupDone);
        return;
    }
    worker->toCalcFiles = target.files;
    startJob(worker, &CVoriWorker::sendFiles, &CVivuRuzaSession::onFilesListChange);
}

void CVivuRuzaSession::endClassTarget(CVoriWorker *worker, int moved, int count)
{
    const int row = classRowOf(worker);
    if (row < 0)
        return;
    ClassTarget &target = m_classTargets[row];
    target.running = false;
    m_classJob->finish(row, moved, count, target.failure, target.cancelled);
}

void CVivuRuzaSession::retryClassFailed()
{
    if (m_classJob->running() || m_classJob->station())
        return;
    QList<int> failed;
    for (int row = 0; row < m_classTargets.size(); ++row) {
        if (m_classJob->state(row) == ClassJobModel::State::Failed)
            failed.append(row);
    }
    for (int row : qAsConst(failed))
        m_classJob->restart(row);
    for (int row : qAsConst(failed))
        startClassTarget(row);
}

void CVivuRuzaSession::cancelClassJob()
{
    for (const ClassTarget &target : qAsConst(m_classTargets)) {
        if (target.running && target.worker)
            target.worker->cancel();
    }
}

namespace {
QString someNames(const QStringList &names)
{
    return BackupTexts::someNames(names);
}

QString calcLabel(const CVoriWorker *worker)
{
    return BackupTexts::calcLabel(worker ? worker->name : QString());
}
} // namespace

QString CVivuRuzaSession::defaultBackupFolder()
{
    return BackupSettings::defaultBackupFolder();
}

QString CVivuRuzaSession::backupFolder() const
{
    return BackupSettings::backupFolder();
}

QUrl CVivuRuzaSession::backupFolderUrl() const
{
    return QUrl::fromLocalFile(backupFolder());
}

void CVivuRuzaSession::setBackupFolder(const QUrl &folder)
{
    if (BackupSettings::setBackupFolder(folder))
        emit backupFolderChange();
}

QString CVivuRuzaSession::backupFolderIdentity()
{
    return BackupSettings::backupFolderIdentity();
}

QString CVivuRuzaSession::backupFolderProblem() const
{
    return BackupSettings::backupFolderProblem();
}

QString CVivuRuzaSession::prepareBackupFolder() const
{
    return BackupSettings::prepareBackupFolder();
}

bool CVivuRuzaSession::backUp()
{
    CVoriWorker *worker = idleCurrentWorker();
    if (!worker)
        return false;
    worker->backupParent = prepareBackupFolder();
    worker->backupParentIdentity = backupFolderIdentity();
    m_transferWorker = worker;
    m_transfer->start(
        TransferProgress::Kind::Backup, calcLabel(worker), int(worker->filesList.size()));
    startJob(worker, &CVoriWorker::backUp, &CVivuRuzaSession::onBackupDone);
    return true;
}

// The worker whose job ended is the sender: the current calculator may have
// changed meanwhile.
void CVivuRuzaSession::onBackupDone()
{
    auto *worker = qobject_cast<CVoriWorker *>(sender());
    if (!worker || m_transferWorker != worker)
        return;
    m_transfer->finishWith(backupOutcome(worker));
}

QString CVivuRuzaSession::backupOutcome(const CVoriWorker *worker) const
{
    return BackupTexts::backupOutcome(worker->name, worker->backupResult);
}

bool CVivuRuzaSession::backUpAll()
{
    if (m_classJob->running() || workers.isEmpty())
        return false;
    m_classBackupParent = prepareBackupFolder();
    m_classBackupIdentity = backupFolderIdentity();
    m_classTargets.clear();
    for (CVoriWorker *worker : qAsConst(workers)) {
        ClassTarget target;
        target.worker = worker;
        target.backup = true;
        m_classTargets.append(target);
    }
    const int count = int(m_classTargets.size());
    const QString folder = QDir::toNativeSeparators(m_classBackupParent);
    beginClassJob(tr("Back up %n calculators into %1", nullptr, count).arg(folder), tr("back up"),
        0, ClassJobModel::Kind::Backup);
    return true;
}

// A row fails with the calculator's own words where it gave some, else with
// what the single backup's outcome line would say.
void CVivuRuzaSession::onClassBackupDone()
{
    auto *worker = qobject_cast<CVoriWorker *>(sender());
    const int row = classRowOf(worker);
    if (row < 0)
        return;
    ClassTarget &target = m_classTargets[row];
    target.running = false;
    const CVoriWorker::BackupResult &r = worker->backupResult;
    const int count = r.files + r.unrestorable;
    QString failure;
    if (!r.finished && !r.cancelled)
        failure = target.failure.isEmpty() ? backupOutcome(worker) : target.failure;
    m_classJob->finish(
        row, r.finished ? count : 0, count, failure, target.cancelled || r.cancelled);
}

bool CVivuRuzaSession::previewRestore(const QUrl &folder)
{
    CVoriWorker *worker = idleCurrentWorker();
    if (!worker || !folder.isLocalFile())
        return false;
    m_restoreWorker = worker;
    m_restoreFolder = QDir::cleanPath(folder.toLocalFile());
    m_restoreQuestion.clear();
    m_restoreAdded = 0;
    m_restoreReplaced = 0;
    worker->restoreFolder = m_restoreFolder;
    m_transfer->clearOutcome();
    startJob(worker, &CVoriWorker::previewRestore, &CVivuRuzaSession::onRestorePreviewDone);
    return true;
}

void CVivuRuzaSession::onRestorePreviewDone()
{
    auto *worker = qobject_cast<CVoriWorker *>(sender());
    if (!worker)
        return;
    // The preview listed the calculator: the table shows what it compared.
    if (worker == currentWorker())
        onFilesListChange();
    if (m_restoreWorker != worker)
        return;
    const CVoriWorker::RestoreResult &r = worker->restoreResult;
    if (!r.ready) {
        m_restoreWorker.clear();
        return;
    }
    m_restoreAdded = int(r.added.size());
    m_restoreReplaced = int(r.replaced.size());
    m_restoreQuestion = BackupTexts::restoreQuestion(worker->name, r);
    // Asked once the preview's thread has ended and the calculator is idle
    // again: a Restore pressed the moment the question shows would
    // otherwise find it busy and do nothing. The thread quits only after
    // this slot (its quit() is queued behind it), and endJob() is connected
    // first, so the question comes after it.
    const QThread *thread = m_jobs.value(worker).thread;
    if (thread)
        connect(thread, &QThread::finished, this, &CVivuRuzaSession::restorePreviewReady);
    else
        emit restorePreviewReady();
}

bool CVivuRuzaSession::restoreBackup()
{
    CVoriWorker *worker = m_restoreWorker.data();
    if (!worker || !workers.contains(worker) || m_jobs.contains(worker)
        || m_restoreFolder.isEmpty())
        return false;
    worker->restoreFolder = m_restoreFolder;
    m_restoreFolder.clear();
    m_transferWorker = worker;
    m_transfer->start(
        TransferProgress::Kind::Restore, calcLabel(worker), m_restoreAdded + m_restoreReplaced);
    startJob(worker, &CVoriWorker::restoreBackup, &CVivuRuzaSession::onRestoreDone);
    return true;
}

void CVivuRuzaSession::onRestoreDone()
{
    auto *worker = qobject_cast<CVoriWorker *>(sender());
    if (!worker)
        return;
    if (worker == currentWorker())
        onFilesListChange();
    if (m_transferWorker != worker)
        return;
    m_transfer->finishWith(BackupTexts::restoreOutcome(worker->name, worker->restoreResult));
}

bool CVivuRuzaSession::verifySends() const
{
    return BackupSettings::verifySends();
}

void CVivuRuzaSession::setVerifySends(bool on)
{
    if (BackupSettings::setVerifySends(on))
        emit verifySendsChange();
}

// Names the calculator holds are replaced: nobody is there to be asked.
bool CVivuRuzaSession::startStationSend(const QList<QUrl> &urls)
{
    TransferPlan plan(TransferPlan::Direction::Upload);
    for (const QUrl &url : urls)
        plan.addUpload(url.toLocalFile(), url.fileName(QUrl::FullyDecoded));
    QSet<int> leftOut;
    m_classSameNames = sameNames(plan, urls, leftOut);
    QList<QPair<QString, QString>> files;
    QStringList names;
    for (int i = 0; i < plan.size(); ++i) {
        const TransferPlan::Item &item = plan.at(i);
        if (item.empty || item.collision == TransferPlan::Reason::SameFile || leftOut.contains(i))
            continue;
        files.append(qMakePair(item.localPath, item.calcName));
        names.append(item.calcName);
    }
    if (files.isEmpty())
        return false;
    const int n = int(files.size());
    QString doing = (n == 1
            ? tr("each calculator plugged in is sent 1 file, %1, which replaces one of its name.")
            : tr("each calculator plugged in is sent %n files, %1, which replace those of their "
                 "names.",
                nullptr, n))
                        .arg(someNames(names));
    // Said for as long as the station is on, as a send to several says it once.
    if (!m_classSameNames.isEmpty())
        //: Follows what the station sends; %1 tells each pair of files left out.
        doing += QLatin1Char(' ')
            + tr("These files are left out: %1").arg(m_classSameNames.join(QLatin1Char(' ')));
    if (!startStation(tr("Station: send %n files", nullptr, n), doing, ClassJobModel::Kind::Send))
        return false;
    m_stationFiles = files;
    return true;
}

bool CVivuRuzaSession::startStationBackup(const QUrl &folder)
{
    const QString path = QDir::cleanPath(folder.toLocalFile());
    if (!folder.isLocalFile() || path.isEmpty())
        return false;
    if (!startStation(tr("Station: back up"),
            tr("each calculator plugged in is backed up into a folder of its own in %1.")
                .arg(QDir::toNativeSeparators(path)),
            ClassJobModel::Kind::Backup))
        return false;
    m_stationFiles.clear();
    m_classBackupParent = path;
    // The default is ours to make, as for any backup.
    if (path == defaultBackupFolder())
        QDir().mkpath(path);
    // Every calculator plugged in later goes into the folder chosen now.
    m_classBackupIdentity = FolderHandle::identityOf(path);
    return true;
}

// Those listed or being read now were plugged in before the start.
bool CVivuRuzaSession::startStation(
    const QString &title, const QString &doing, ClassJobModel::Kind kind)
{
    if (m_classJob->running())
        return false;
    m_classTargets.clear();
    m_stationBefore.clear();
    for (CVoriWorker *worker : qAsConst(m_reading))
        m_stationBefore.append(worker);
    qCDebug(SessionLog, "station on");
    m_classJob->beginStation(title, doing, kind);
    return true;
}

void CVivuRuzaSession::stopStation()
{
    if (!m_classJob->stationOn())
        return;
    qCDebug(SessionLog, "station off");
    m_stationBefore.clear();
    m_classJob->endStation();
}

// A calculator is listed once per plug-in, so it is served once per plug-in.
void CVivuRuzaSession::serveAtStation(CVoriWorker *worker)
{
    if (m_stationBefore.removeAll(worker) > 0)
        return;
    ClassTarget target;
    target.worker = worker;
    target.files = m_stationFiles;
    target.backup = m_stationFiles.isEmpty();
    m_classTargets.append(target);
    const int row
        = m_classJob->addRow(calcLabel(worker), target.backup ? tr("back up") : tr("send"));
    startClassTarget(row);
}

QString CVivuRuzaSession::isolated(const QString &deviceText) const
{
    return DeviceText::isolated(deviceText);
}

QStringList CVivuRuzaSession::classSameNames() const
{
    return m_classSameNames;
}

QStringList CVivuRuzaSession::classCaseChanges() const
{
    return m_classCaseChanges;
}

bool CVivuRuzaSession::isNameCollisionCaseOnly() const
{
    return m_questions.isNameCollisionCaseOnly();
}
