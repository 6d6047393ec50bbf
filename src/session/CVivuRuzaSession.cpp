#include "CVivuRuzaSession.h"

#include "BackupJob.h"
#include "BackupManifest.h"
#include "BackupSettings.h"
#include "BackupTexts.h"
#include "BackupWriter.h"
#include "CVoriWorker.h"
#include "CalcWatcher.h"
#include "ClassRun.h"
#include "ClassSendPlan.h"
#include "DeleteJob.h"
#include "DeviceText.h"
#include "DownloadJob.h"
#include "FolderHandle.h"
#include "JobLog.h"
#include "ReadJob.h"
#include "RenameJob.h"
#include "RestoreJob.h"
#include "SendJob.h"
#include "TransferLog.h"
#include "TransferPlan.h"
#include "VivuRuzaModel.h"
#include "VoriFileModel.h"

#include <QMetaType>
#include <QThread>
#include <QTimer>

CVivuRuzaSession::CVivuRuzaSession(QObject *parent)
    : QObject(parent)
    , m_watcher(new CalcWatcher(CalcWatcher::Reading::Listing, this))
    , m_doctor(new ConnectionDoctor(this))
    , m_transfer(new TransferProgress(this))
    , m_classJob(new ClassJobModel(this))
    , m_classRun(new ClassRun(this))
{
    qRegisterMetaType<QList<QUrl>>("QList<QUrl>");
    qRegisterMetaType<QPair<QString, int>>("QPair<QString,int>");
    m_classRun->setListed([this](const CVoriWorker *worker) {
        return workers.contains(const_cast<CVoriWorker *>(worker));
    });
    // A backup's row fails with the calculator's own words where it gave
    // some, else with what the single backup's outcome line would say.
    m_classRun->setFailureText([this](const CalcJob &job) {
        const auto *backup = qobject_cast<const BackupJob *>(&job);
        if (!backup)
            return job.result().failure;
        const CVoriWorker::BackupResult &r = backup->backup();
        if (r.finished || r.cancelled)
            return QString();
        return job.result().failure.isEmpty() ? backupOutcome(job.worker(), r)
                                              : job.result().failure;
    });
    m_classJob->follow(m_classRun);

    connect(m_watcher, &CalcWatcher::listed, this, &CVivuRuzaSession::addWorker);
    connect(m_watcher, &CalcWatcher::gone, this, &CVivuRuzaSession::dropWorker);
    connect(m_watcher, &CalcWatcher::readingChange, m_doctor, &ConnectionDoctor::setReading);
    connect(m_watcher, &CalcWatcher::failed, m_doctor, &ConnectionDoctor::report);
    connect(m_watcher, &CalcWatcher::notice, m_doctor, &ConnectionDoctor::report);
    connect(m_watcher, &CalcWatcher::failedGone, m_doctor, &ConnectionDoctor::forget);
}

// Every job still running, first readings too, is asked to end and waited
// for, side by side; a worker dropped from the list while its job ran goes
// with it. The watcher deletes the workers it reads and lists.
CVivuRuzaSession::~CVivuRuzaSession()
{
    CalcJob::interruptAll(findChildren<CalcJob *>());
    delete m_watcher;
    m_watcher = nullptr;
    const QList<CalcJob *> jobs = findChildren<CalcJob *>();
    for (CalcJob *job : jobs) {
        CVoriWorker *worker = job->worker();
        if (worker && !workers.contains(worker))
            delete worker;
    }
    qDeleteAll(jobs);
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
    m_watcher->setPortSource(std::move(source));
}

int CVivuRuzaSession::readingCount() const
{
    return m_watcher->readingCount();
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
    return worker && !CalcJob::runningOn(worker) ? worker : nullptr;
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

// The watcher lists and drops calculators as they come and go, and reads
// new ones in job threads, so a poll never waits for a device.
void CVivuRuzaSession::update()
{
    m_watcher->poll();
}

// Out of workers before the row goes: the model's signal makes onIndexChange
// read workers at once.
void CVivuRuzaSession::dropWorker(int row, CVoriWorker *gone)
{
    const QString portName = gone->portInfo.portName();
    workers.removeAt(row);
    if (m_chosenPorts.remove(portName))
        emit chosenChange();
    if (calcModel)
        calcModel->removeCalc(row);
    m_doctor->forget(portName);
    if (!CalcJob::runningOn(gone))
        delete gone;
}

void CVivuRuzaSession::addWorker(int row, CVoriWorker *worker)
{
    // Each later listing that leaves files out says so again, as the first did.
    connect(worker, &CVoriWorker::unreadListed, m_doctor, [this, worker](const QString &text) {
        m_doctor->tellAgain(worker->portInfo.portName(), text);
    });
    workers.insert(row, worker);
    if (calcModel)
        calcModel->insertCalc(row, worker->name);
    if (m_classJob->stationOn())
        serveAtStation(worker);
}

bool CVivuRuzaSession::isCurrentCalcBusy() const
{
    CVoriWorker *worker = currentWorker();
    return worker && CalcJob::runningOn(worker);
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
    const QList<QPair<QString, QString>> files = m_questions.filesToSend();
    auto *job = new SendJob(worker, files, verifySends(), this);
    connect(job, &CalcJob::delivered, this, [this, worker] { showListingOf(worker); });
    showOnProgressLine(job);
    m_transfer->start(TransferProgress::Kind::Send,
        //: Stands for a calculator without a name, in "Sent 2 files to %1".
        worker->name.isEmpty() ? tr("the calculator") : worker->name, files.size(),
        m_questions.sendSkipped());
    startJob(job);
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
    auto *job = new DownloadJob(worker, fromCalcFiles, destFolder, this);
    showOnProgressLine(job);
    m_transfer->start(
        m_questions.copying() ? TransferProgress::Kind::Copy : TransferProgress::Kind::Download,
        destFolder, fromCalcFiles.size(), m_questions.downloadSkipped());
    startJob(job);
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
        auto *job = new DeleteJob(worker, m_questions.selection(), this);
        connect(job, &CalcJob::delivered, this, [this, worker] { showListingOf(worker); });
        startJob(job);
    }
    m_questions.clearSelection();
}

void CVivuRuzaSession::changeCalcName(QString newName)
{
    CVoriWorker *worker = idleCurrentWorker();
    if (!worker)
        return;
    m_transfer->clearOutcome();
    auto *job = new RenameJob(worker, newName, this);
    // The calculator renamed need not be the current one any more.
    connect(job, &CalcJob::delivered, this, [this, worker] {
        if (calcModel)
            calcModel->setNameAt(workers.indexOf(worker), worker->name);
    });
    startJob(job);
}

// Told at its start and its end, whichever calculator it runs on, so a
// watcher of isBusyChange learns of each; its end is told once the worker
// takes a new job.
bool CVivuRuzaSession::startJob(CalcJob *job)
{
    connect(job, &CalcJob::started, this, &CVivuRuzaSession::jobStateChange);
    connect(job, &CalcJob::problem, this, &CVivuRuzaSession::showError);
    connect(job, &CalcJob::ended, this, [this, job] { endJob(job); });
    connect(job, &CalcJob::ended, this, &CVivuRuzaSession::jobStateChange);
    if (job->start())
        return true;
    delete job;
    return false;
}

// The thread has finished, so nothing runs on the worker any more.
void CVivuRuzaSession::endJob(CalcJob *job)
{
    CVoriWorker *worker = job->worker();
    job->deleteLater();
    if (worker && !workers.contains(worker))
        delete worker;
}

void CVivuRuzaSession::showOnProgressLine(CalcJob *job)
{
    m_shownJob = job;
    connect(job, &CalcJob::progress, m_transfer,
        [this, job](int number, int count, const QString &name, qint64 done, qint64 total) {
            if (m_shownJob == job)
                m_transfer->update(number, count, name, done, total);
        });
    connect(job, &CalcJob::cancelledAt, m_transfer, [this, job](const QString &calcName, int left) {
        if (m_shownJob == job)
            m_transfer->cancelled(calcName, TransferOutcome::Left(left));
    });
    connect(job, &CalcJob::transferred, m_transfer, [this, job](int done, int count) {
        if (m_shownJob == job)
            m_transfer->finish(done, count);
    });
}

void CVivuRuzaSession::showListingOf(const CVoriWorker *worker)
{
    if (worker && worker == currentWorker())
        onFilesListChange();
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
    CalcJob *job = m_shownJob.data();
    return job && job->isRunning() && m_transfer->running() && !job->cancelRequested();
}

void CVivuRuzaSession::cancelTransfer()
{
    if (!canCancelTransfer())
        return;
    qCDebug(
        SessionLog, "%s: cancel asked", qUtf8Printable(m_shownJob->worker()->portInfo.portName()));
    m_shownJob->cancel();
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
    const QList<CalcJob *> jobs = findChildren<CalcJob *>();
    for (const CalcJob *job : jobs) {
        if (job->isRunning() && !qobject_cast<const ReadJob *>(job))
            ++count;
    }
    return count;
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
    QList<CVoriWorker *> calculators;
    for (CVoriWorker *worker : qAsConst(workers)) {
        if (all || m_chosenPorts.contains(worker->portInfo.portName()))
            calculators.append(worker);
    }
    m_classPlan.plan(urls, calculators);
    return !m_classPlan.targets().isEmpty();
}

QStringList CVivuRuzaSession::classTakenNames() const
{
    return m_classPlan.taken();
}

QStringList CVivuRuzaSession::classNameChanges() const
{
    return m_classPlan.nameChanges();
}

QStringList CVivuRuzaSession::classEmptyFiles() const
{
    return m_classPlan.emptyFiles();
}

QStringList CVivuRuzaSession::classRefusedFiles() const
{
    return m_classPlan.refusedFiles();
}

void CVivuRuzaSession::startClassSend(bool replace)
{
    if (m_classPlan.targets().isEmpty() || m_classJob->running())
        return;
    const QStringList taken = m_classPlan.taken();
    for (const QString &name : taken)
        TransferTrace::settled("class", name, TransferPlan::Reason::TakenOnCalc, replace);
    m_classPlan.settle(replace);
    QList<QPair<CVoriWorker *, int>> calculators;
    QHash<CVoriWorker *, QList<QPair<QString, QString>>> files;
    for (const ClassSendPlan::Target &target : m_classPlan.targets()) {
        calculators.append(qMakePair(target.worker.data(), int(target.files.size())));
        files.insert(target.worker.data(), target.files);
    }
    const int count = int(calculators.size());
    beginClassJob(tr("Send to %n calculators", nullptr, count), tr("send"), m_classPlan.mostFiles(),
        ClassJobModel::Kind::Send, calculators,
        [this, files](CVoriWorker *worker, QObject *parent) {
            return makeClassSend(worker, files.value(worker), parent);
        });
}

void CVivuRuzaSession::beginClassJob(const QString &title, const QString &action, int fileCount,
    ClassJobModel::Kind kind, const QList<QPair<CVoriWorker *, int>> &calculators,
    const std::function<CalcJob *(CVoriWorker *, QObject *)> &make)
{
    QStringList names;
    m_classRun->clear();
    for (const auto &calculator : calculators) {
        names.append(calculator.first ? calculator.first->name : QString());
        m_classRun->add(calculator.first, make, calculator.second);
    }
    m_classJob->begin(title, names, action, fileCount, kind);
    m_classRun->startAll();
}

// The list of the current calculator shows what the send left, as for a
// send to it alone.
CalcJob *CVivuRuzaSession::makeClassSend(
    CVoriWorker *worker, const QList<QPair<QString, QString>> &files, QObject *parent)
{
    auto *job = new SendJob(worker, files, verifySends(), parent);
    connect(job, &CalcJob::delivered, this, [this, worker] { showListingOf(worker); });
    return job;
}

CalcJob *CVivuRuzaSession::makeClassBackup(CVoriWorker *worker, QObject *parent)
{
    return new BackupJob(worker, m_classBackupParent, m_classBackupIdentity, parent);
}

void CVivuRuzaSession::retryClassFailed()
{
    if (m_classJob->running() || m_classJob->station())
        return;
    m_classRun->retryFailed();
}

void CVivuRuzaSession::cancelClassJob()
{
    m_classRun->cancel();
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
    auto *job = new BackupJob(worker, prepareBackupFolder(), backupFolderIdentity(), this);
    // Told of the calculator backed up: the current one may have changed meanwhile.
    connect(job, &CalcJob::delivered, this, [this, job] {
        if (m_shownJob == job)
            m_transfer->finishWith(backupOutcome(job->worker(), job->backup()));
    });
    showOnProgressLine(job);
    m_transfer->start(
        TransferProgress::Kind::Backup, calcLabel(worker), int(worker->filesList.size()));
    return startJob(job);
}

QString CVivuRuzaSession::backupOutcome(
    const CVoriWorker *worker, const CVoriWorker::BackupResult &r) const
{
    return BackupTexts::backupOutcome(worker ? worker->name : QString(), r);
}

bool CVivuRuzaSession::backUpAll()
{
    if (m_classJob->running() || workers.isEmpty())
        return false;
    m_classBackupParent = prepareBackupFolder();
    m_classBackupIdentity = backupFolderIdentity();
    m_classPlan.clear();
    QList<QPair<CVoriWorker *, int>> calculators;
    for (CVoriWorker *worker : qAsConst(workers))
        calculators.append(qMakePair(worker, int(worker->filesList.size())));
    const int count = int(calculators.size());
    const QString folder = QDir::toNativeSeparators(m_classBackupParent);
    beginClassJob(tr("Back up %n calculators into %1", nullptr, count).arg(folder), tr("back up"),
        0, ClassJobModel::Kind::Backup, calculators,
        [this](CVoriWorker *worker, QObject *parent) { return makeClassBackup(worker, parent); });
    return true;
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
    m_transfer->clearOutcome();
    auto *job
        = new RestoreJob(worker, m_restoreFolder, RestoreJob::Mode::Preview, verifySends(), this);
    // After the job's own end: the question comes once the calculator is idle.
    if (!startJob(job))
        return false;
    connect(job, &CalcJob::ended, this, [this, job] { onRestorePreviewDone(job); });
    return true;
}

// The question names what changes: every file added, every file replaced,
// and what the backup holds that stays where it is.
void CVivuRuzaSession::onRestorePreviewDone(CalcJob *job)
{
    CVoriWorker *worker = job->worker();
    if (!worker)
        return;
    // The preview listed the calculator: the table shows what it compared.
    if (worker == currentWorker())
        onFilesListChange();
    if (m_restoreWorker != worker)
        return;
    const CVoriWorker::RestoreResult &r = static_cast<RestoreJob *>(job)->restore();
    if (!r.ready) {
        m_restoreWorker.clear();
        return;
    }
    m_restoreAdded = int(r.added.size());
    m_restoreReplaced = int(r.replaced.size());
    m_restoreQuestion = BackupTexts::restoreQuestion(worker->name, r);
    // Asked once the preview's job has ended and the calculator is idle
    // again: a Restore pressed the moment the question shows would
    // otherwise find it busy and do nothing.
    emit restorePreviewReady();
}

bool CVivuRuzaSession::restoreBackup()
{
    CVoriWorker *worker = m_restoreWorker.data();
    if (!worker || !workers.contains(worker) || CalcJob::runningOn(worker)
        || m_restoreFolder.isEmpty())
        return false;
    auto *job
        = new RestoreJob(worker, m_restoreFolder, RestoreJob::Mode::Restore, verifySends(), this);
    m_restoreFolder.clear();
    connect(job, &CalcJob::delivered, this, [this, job] { onRestoreDone(job); });
    showOnProgressLine(job);
    m_transfer->start(
        TransferProgress::Kind::Restore, calcLabel(worker), m_restoreAdded + m_restoreReplaced);
    return startJob(job);
}

void CVivuRuzaSession::onRestoreDone(CalcJob *job)
{
    CVoriWorker *worker = job->worker();
    if (!worker)
        return;
    showListingOf(worker);
    if (m_shownJob != job)
        return;
    const CVoriWorker::RestoreResult &r = static_cast<RestoreJob *>(job)->restore();
    m_transfer->finishWith(BackupTexts::restoreOutcome(worker->name, r));
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
    if (m_classJob->running())
        return false;
    const QList<QPair<QString, QString>> files = m_classPlan.planForAny(urls);
    QStringList names;
    for (const auto &file : files)
        names.append(file.second);
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
    const QStringList sameNames = m_classPlan.sameNames();
    if (!sameNames.isEmpty())
        //: Follows what the station sends; %1 tells each pair of files left out.
        doing += QLatin1Char(' ')
            + tr("These files are left out: %1").arg(sameNames.join(QLatin1Char(' ')));
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
    m_classRun->clear();
    m_stationBefore.clear();
    const QList<CVoriWorker *> reading = m_watcher->readingWorkers();
    for (CVoriWorker *worker : reading)
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
    const bool backup = m_stationFiles.isEmpty();
    const QList<QPair<QString, QString>> files = m_stationFiles;
    const int row = m_classRun->add(
        worker,
        [this, files, backup](CVoriWorker *worker, QObject *parent) {
            return backup ? makeClassBackup(worker, parent) : makeClassSend(worker, files, parent);
        },
        backup ? int(worker->filesList.size()) : int(files.size()));
    m_classJob->addRow(calcLabel(worker), backup ? tr("back up") : tr("send"));
    m_classRun->start(row);
}

QString CVivuRuzaSession::isolated(const QString &deviceText) const
{
    return DeviceText::isolated(deviceText);
}

QStringList CVivuRuzaSession::classSameNames() const
{
    return m_classPlan.sameNames();
}

QStringList CVivuRuzaSession::classCaseChanges() const
{
    return m_classPlan.caseChanges();
}

bool CVivuRuzaSession::isNameCollisionCaseOnly() const
{
    return m_questions.isNameCollisionCaseOnly();
}
