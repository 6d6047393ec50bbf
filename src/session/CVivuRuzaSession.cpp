#include "CVivuRuzaSession.h"

#include "BackupSettings.h"
#include "BackupTexts.h"
#include "CVoriWorker.h"
#include "CalcWatcher.h"
#include "ClassJobs.h"
#include "CompareJobs.h"
#include "DeleteJob.h"
#include "DeviceText.h"
#include "DownloadJob.h"
#include "ReadJob.h"
#include "RenameJob.h"
#include "SendJob.h"
#include "TransferPlan.h"
#include "VivuRuzaModel.h"
#include "VoriFileModel.h"
#include "WindowJobs.h"

#include <QMetaType>
#include <QTimer>

CVivuRuzaSession::CVivuRuzaSession(QObject *parent)
    : QObject(parent)
    , m_watcher(new CalcWatcher(CalcWatcher::Reading::Listing, this))
    , m_doctor(new ConnectionDoctor(this))
    , m_transfer(new TransferProgress(this))
    , m_jobs(new WindowJobs(
          m_transfer, [this](const CVoriWorker *worker) { return isListed(worker); }, this))
    , m_classJob(new ClassJobModel(this))
    , m_classJobs(new ClassJobs(
          m_classJob, [this](const CVoriWorker *worker) { return isListed(worker); }, this))
{
    qRegisterMetaType<QList<QUrl>>("QList<QUrl>");
    qRegisterMetaType<QPair<QString, int>>("QPair<QString,int>");
    connect(m_classJobs, &ClassJobs::listingChanged, this, &CVivuRuzaSession::showListingOf);
    connect(m_classJobs, &ClassJobs::renamed, this, [this](CVoriWorker *worker) {
        const int row = workers.indexOf(worker);
        if (calcModel && row >= 0)
            calcModel->setNameAt(row, worker->name);
    });
    connect(m_jobs, &WindowJobs::listingChanged, this, &CVivuRuzaSession::showListingOf);
    m_folderCompare = new FolderCompareModel(this);
    m_compareJobs = new CompareJobs(m_folderCompare, m_jobs, this);
    connect(m_compareJobs, &CompareJobs::listingChanged, this, &CVivuRuzaSession::showListingOf);
    connect(m_jobs, &WindowJobs::problem, this, &CVivuRuzaSession::showError);
    connect(m_jobs, &WindowJobs::jobStateChange, this, &CVivuRuzaSession::jobStateChange);
    connect(m_jobs, &WindowJobs::restorePreviewReady, this, &CVivuRuzaSession::restorePreviewReady);

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

bool CVivuRuzaSession::isListed(const CVoriWorker *worker) const
{
    return workers.contains(const_cast<CVoriWorker *>(worker));
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
    m_classJobs->listed(worker);
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
    m_jobs->showOnProgressLine(job);
    m_transfer->start(TransferProgress::Kind::Send,
        //: Stands for a calculator without a name, in "Sent 2 files to %1".
        worker->name.isEmpty() ? tr("the calculator") : worker->name, files.size(),
        m_questions.sendSkipped());
    m_jobs->start(job);
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
    m_jobs->showOnProgressLine(job);
    m_transfer->start(
        m_questions.copying() ? TransferProgress::Kind::Copy : TransferProgress::Kind::Download,
        destFolder, fromCalcFiles.size(), m_questions.downloadSkipped());
    m_jobs->start(job);
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
        m_jobs->start(job);
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
    m_jobs->start(job);
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
    return m_jobs->canCancel();
}

void CVivuRuzaSession::cancelTransfer()
{
    m_jobs->cancel();
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

bool CVivuRuzaSession::planClassSend(QList<QUrl> urls, bool all)
{
    QList<CVoriWorker *> calculators;
    for (CVoriWorker *worker : qAsConst(workers)) {
        if (all || m_chosenPorts.contains(worker->portInfo.portName()))
            calculators.append(worker);
    }
    return m_classJobs->planSend(urls, calculators);
}

void CVivuRuzaSession::startClassSend(bool replace)
{
    m_classJobs->startSend(replace);
}

void CVivuRuzaSession::retryClassFailed()
{
    m_classJobs->retryFailed();
}

void CVivuRuzaSession::cancelClassJob()
{
    m_classJobs->cancel();
}

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

QString CVivuRuzaSession::backupFolderProblem() const
{
    return BackupSettings::backupFolderProblem();
}

bool CVivuRuzaSession::backUp()
{
    CVoriWorker *worker = idleCurrentWorker();
    return worker
        && m_jobs->backUp(
            worker, BackupSettings::prepareBackupFolder(), BackupSettings::backupFolderIdentity());
}

bool CVivuRuzaSession::backUpAll()
{
    return m_classJobs->backUpAll(workers);
}

bool CVivuRuzaSession::previewRestore(const QUrl &folder)
{
    CVoriWorker *worker = idleCurrentWorker();
    if (!worker || !folder.isLocalFile())
        return false;
    return m_jobs->previewRestore(worker, QDir::cleanPath(folder.toLocalFile()), verifySends());
}

bool CVivuRuzaSession::restoreBackup()
{
    return m_jobs->restore(verifySends());
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

bool CVivuRuzaSession::startStationSend(const QList<QUrl> &urls)
{
    return m_classJobs->startStationSend(urls, m_watcher->readingWorkers());
}

bool CVivuRuzaSession::startStationBackup(const QUrl &folder)
{
    return m_classJobs->startStationBackup(folder, m_watcher->readingWorkers());
}

void CVivuRuzaSession::stopStation()
{
    m_classJobs->stopStation();
}

QString CVivuRuzaSession::isolated(const QString &deviceText) const
{
    return DeviceText::isolated(deviceText);
}

bool CVivuRuzaSession::isNameCollisionCaseOnly() const
{
    return m_questions.isNameCollisionCaseOnly();
}

QString CVivuRuzaSession::collectFolder() const
{
    return QDir::toNativeSeparators(BackupSettings::collectFolder());
}

QUrl CVivuRuzaSession::collectFolderUrl() const
{
    return QUrl::fromLocalFile(BackupSettings::collectFolder());
}

void CVivuRuzaSession::setCollectFolder(const QUrl &folder)
{
    const QString path = QDir::cleanPath(folder.toLocalFile());
    if (!folder.isLocalFile() || path.isEmpty() || path == BackupSettings::collectFolder())
        return;
    BackupSettings::setCollectFolder(path);
    emit collectFolderChange();
}

bool CVivuRuzaSession::collectAll(bool clear)
{
    return m_classJobs->collectAll(workers, BackupSettings::collectFolder(), clear);
}

bool CVivuRuzaSession::startStationCollect(const QUrl &folder, bool clear)
{
    if (!folder.isLocalFile())
        return false;
    return m_classJobs->startStationCollect(
        QDir::cleanPath(folder.toLocalFile()), clear, m_watcher->readingWorkers());
}

QUrl CVivuRuzaSession::classFolderUrl() const
{
    const QString folder = m_classJob->folder();
    return folder.isEmpty() ? QUrl() : QUrl::fromLocalFile(folder);
}

bool CVivuRuzaSession::setStationNaming(const QString &pattern, int first)
{
    return m_classJobs->setStationNaming(pattern, first);
}

QString CVivuRuzaSession::stationName(const QString &pattern, int number) const
{
    return ClassJobs::numberedName(pattern, number);
}

bool CVivuRuzaSession::compareWithFolder(const QUrl &folder)
{
    if (!folder.isLocalFile())
        return false;
    return m_compareJobs->compare(idleCurrentWorker(), QDir::cleanPath(folder.toLocalFile()));
}

bool CVivuRuzaSession::matchFolder(bool deleteExtra)
{
    return m_compareJobs->match(deleteExtra, verifySends());
}
