#include "CVoriWorker.h"

#include "BackupRestorer.h"
#include "BackupWriter.h"
#include "CVivuRuza.h"
#include "CollectWriter.h"
#include "DeviceText.h"
#include "TransferRunner.h"

#include <QDir>
#include <QMetaObject>
#include <QSerialPortInfo>
#include <QStringList>
#include <QThread>

#include <algorithm>

CVoriWorker::CVoriWorker(const QSerialPortInfo &info, QObject *parent)
    : CVoriWorker(CalcPort(info), parent)
{
}

CVoriWorker::CVoriWorker(const CalcPort &info, QObject *parent)
    : CVoriWorker(info, Reading::Now, parent)
{
}

CVoriWorker::CVoriWorker(const CalcPort &info, Reading reading, QObject *parent)
    : QObject(parent)
    , portInfo(info)
    , m_home(thread())
{
    if (reading == Reading::Now)
        readCalc();
}

// A link still open is a child of the worker and goes with it; calc itself is
// not read here, since the job thread that last wrote it handed the worker
// back through Qt's queues, which a thread checker cannot see.
CVoriWorker::~CVoriWorker() = default;

// Errors of this first reading are not reported: nothing is connected yet.
void CVoriWorker::readCalc()
{
    const FirstReading reading = readDevice();
    name = reading.name;
    filesList = reading.files;
    problem = reading.problem;
    notice = reading.notice;
}

// A device that does not open or answer as a calculator is described by the
// link's port texts; one that answers but cannot list its files is no
// calculator we can show either, and the listing's own report says why. One
// whose list left out entries that did not parse is shown with the rest, and
// a notice says how many are missing. The reason and the notice are the only
// reports: whoever shows them shows each fault once.
CVoriWorker::FirstReading CVoriWorker::readDevice()
{
    FirstReading reading;
    openLink();
    reading.problem = calc->portErrorText();
    if (reading.problem.isEmpty())
        reading.name = calc->devName();
    if (reading.problem.isEmpty() && firstReadingLists) {
        if (!calc->listFiles(reading.files)) {
            reading.files.clear();
            reading.problem
                //: %2 is the link's own account of what went wrong, or nothing.
                = tr("The calculator at %1 answered, but its file list could not be read. %2")
                      .arg(QDir::toNativeSeparators(portInfo.systemLocation()), calc->errorString())
                      .trimmed();
        } else {
            reading.notice = unreadNotice(calc->skippedEntries().size(), reading.name);
        }
    }
    closeLink();
    return reading;
}

void CVoriWorker::readFirst()
{
    const FirstReading reading = readDevice();
    endJob([this, reading] {
        name = reading.name;
        filesList = reading.files;
        problem = reading.problem;
        notice = reading.notice;
    });
}

QString CVoriWorker::unreadText(int count, const QString &calculator)
{
    //: %1 is a calculator's name.
    return tr("%n files on %1 could not be read and are not shown.", nullptr, count)
        .arg(DeviceText::isolated(calculator));
}

QString CVoriWorker::unreadNotice(int count, const QString &deviceName) const
{
    if (count == 0)
        return QString();
    return unreadText(count,
        deviceName.isEmpty()
            //: Stands for a calculator without a name; %1 is its port.
            ? tr("the calculator at %1").arg(QDir::toNativeSeparators(portInfo.systemLocation()))
            : deviceName);
}

// In the home thread, with the list the job delivers.
void CVoriWorker::tellUnread(int count)
{
    notice = unreadNotice(count, name);
    if (!notice.isEmpty())
        emit unreadListed(notice);
}

void CVoriWorker::openLink()
{
    calc = new CVivuRuza(portInfo.systemLocation(), this);
    calc->setCancelCheck([this] { return m_cancel.load(); });
}

void CVoriWorker::closeLink()
{
    delete calc;
    calc = nullptr;
}

// Made after the link has opened, so failures of the opening stay unreported.
// The link's detail belongs to the text being emitted, so it is read there.
void CVoriWorker::forwardErrors()
{
    CVivuRuza *link = calc;
    connect(link, &CVivuRuza::errorNotify, this,
        [this, link](const QString &text) { report(text, link->errorDetail()); });
    // A station names each calculator before it serves it, on the same link,
    // so that what the job makes (a collect's folder) carries the new name.
    if (!nameFirst.isEmpty() && link->portErrorText().isEmpty()) {
        namedAs.clear();
        if (link->changeName(nameFirst))
            namedAs = link->devName();
        else if (link->errorString().isEmpty())
            report(tr("The calculator did not accept the name \"%1\".").arg(nameFirst), QString());
    }
    nameFirst.clear();
}

void CVoriWorker::report(const QString &errorText, const QString &detail)
{
    emit errorNotify(errorText);
    emit errorExplained(errorText, detail);
}

// The results are handed to the home thread rather than written here: the
// session reads name and filesList there at any time. The delivery is posted
// before finished(), so it runs before any slot queued on finished().
void CVoriWorker::endJob(std::function<void()> deliver)
{
    if (QThread::currentThread() == m_home) {
        if (deliver)
            deliver();
        emit finished();
        return;
    }
    moveToThread(m_home);
    if (deliver)
        QMetaObject::invokeMethod(this, std::move(deliver), Qt::QueuedConnection);
    emit finished();
}

// Sending and deleting change the calculator's files, so both read the list
// again before the link closes. A listing that fails has been reported; it
// must not pass for a calculator without files, so the list known before the
// job stands, with what the job itself sent and deleted.
void CVoriWorker::changeFiles(const TransferPlan &plan)
{
    const bool upload = plan.direction() == TransferPlan::Direction::Upload;
    openLink();
    forwardErrors();
    const QList<TransferOutcome> outcomes = run(plan, upload);
    // Nothing writes filesList while a job runs; it is delivered afterwards.
    QList<QPair<QString, int>> known = filesList;
    int done = 0;
    for (int i = 0; i < outcomes.size(); ++i) {
        if (outcomes.at(i).status != TransferOutcome::Status::Done)
            continue;
        ++done;
        const QString &name = plan.at(i).calcName;
        const auto it = std::find_if(known.begin(), known.end(),
            [&name](const QPair<QString, int> &entry) { return entry.first == name; });
        if (!upload) {
            if (it != known.end())
                known.erase(it);
        } else if (it != known.end()) {
            it->second = int(outcomes.at(i).size);
        } else {
            known.append(qMakePair(name, int(outcomes.at(i).size)));
        }
    }
    if (upload)
        emit transferred(done, plan.size());
    QList<QPair<QString, int>> list;
    int unread = 0;
    if (calc->listFiles(list))
        unread = calc->skippedEntries().size();
    else
        list = known;
    closeLink();
    endJob([this, list, unread] {
        filesList = list;
        tellUnread(unread);
    });
}

// The runner's own reports (a file that changed, the files given up) go
// where the link's do.
QList<TransferOutcome> CVoriWorker::run(const TransferPlan &plan, bool showProgress)
{
    TransferEvents events;
    if (showProgress)
        events.fileStarted = [this](const QString &name, int number, int count) {
            watchProgress(number, count, name);
        };
    events.problem = [this](const QString &text, const QString &detail) { report(text, detail); };
    events.fileDone = [this](int index, const TransferOutcome &outcome) {
        emit fileOutcome(index, int(outcome.status), outcome.text, outcome.size);
    };
    TransferRunner runner(*calc, std::move(events));
    runner.setVerify(verify);
    const QList<TransferOutcome> outcomes = runner.run(plan);
    // Only the first item the Cancel reached can have been in transfer: one
    // it stopped, or one sent whole whose reading back it stopped. What that
    // left on the calculator is the runner's to say.
    for (int i = 0; i < outcomes.size(); ++i) {
        const TransferOutcome &outcome = outcomes.at(i);
        if (outcome.status != TransferOutcome::Status::Cancelled
            && outcome.left != TransferOutcome::Left::SentUnchecked)
            continue;
        const bool told = outcome.left != TransferOutcome::Left::Nothing;
        emit jobCancelled(told ? plan.at(i).calcName : QString(), int(outcome.left));
        break;
    }
    return outcomes;
}

// The start of a file always shows; within it, at most one report per interval.
void CVoriWorker::watchProgress(int fileNumber, int fileCount, const QString &fileName)
{
    auto report = [this, fileNumber, fileCount, fileName](qint64 done, qint64 total) {
        if (m_progressClock.isValid() && !m_progressClock.hasExpired(progressIntervalMs))
            return;
        m_progressClock.start();
        emit progress(fileNumber, fileCount, fileName, done, total);
    };
    m_progressClock.invalidate();
    report(0, -1);
    calc->setProgressHandler(report);
}

void CVoriWorker::sendFiles()
{
    TransferPlan plan(TransferPlan::Direction::Upload);
    for (const auto &pair : qAsConst(toCalcFiles))
        plan.addUpload(pair.first, pair.second);
    // What the last job found on the calculator: a Cancel must know which
    // names held a file of the user's before this send.
    plan.noteListing(filesList);
    changeFiles(plan);
}

void CVoriWorker::getFiles()
{
    openLink();
    forwardErrors();
    TransferPlan plan(TransferPlan::Direction::Download, destFolder);
    for (const auto &file : qAsConst(files))
        plan.addDownload(file.first, file.second);
    const QList<TransferOutcome> outcomes = run(plan, true);
    const int copied = int(std::count_if(outcomes.cbegin(), outcomes.cend(),
        [](const TransferOutcome &o) { return o.status == TransferOutcome::Status::Done; }));
    emit transferred(copied, files.size());
    closeLink();
    endJob(nullptr);
}

void CVoriWorker::delFiles()
{
    TransferPlan plan(TransferPlan::Direction::Delete);
    for (const auto &file : qAsConst(files))
        plan.addDeletion(file.first, file.second);
    changeFiles(plan);
}

// The link has no words for a name the calculator turns down; without them
// the user would see the old name come back and not know why.
void CVoriWorker::setDevName()
{
    openLink();
    forwardErrors();
    const bool opened = calc->portErrorText().isEmpty();
    if (!calc->changeName(newName) && opened && calc->errorString().isEmpty())
        report(tr("The calculator did not accept the name \"%1\".").arg(newName), QString());
    const QString newDevName = calc->devName();
    closeLink();
    endJob([this, newDevName] { name = newDevName; });
}

// A calculator that can't be reached gets no backup folder at all, rather
// than one marked incomplete.
void CVoriWorker::backUp()
{
    openLink();
    forwardErrors();
    BackupResult result;
    if (!calc->portErrorText().isEmpty()) {
        report(calc->portErrorText(), QString());
    } else {
        BackupWriter writer(*calc, writerEvents());
        writer.setExpectedParent(backupParentIdentity);
        result.finished = writer.run(backupParent, portInfo.systemLocation());
        result.folder = writer.folder();
        result.files = int(writer.manifest().files.size());
        result.unrestorable = int(writer.manifest().unrestorable.size());
        result.cancelled = !result.finished && cancelRequested();
        if (result.cancelled)
            emit jobCancelled(QString(), int(TransferOutcome::Left::Nothing));
    }
    closeLink();
    endJob([this, result] { backupResult = result; });
}

// A backup's or a collect's progress and problems; a Cancel the user asked
// for is told by the outcome, not as an error.
TransferEvents CVoriWorker::writerEvents()
{
    TransferEvents events;
    events.fileStarted = [this](const QString &name, int number, int count) {
        watchProgress(number, count, name);
    };
    events.problem = [this](const QString &text, const QString &detail) {
        if (!cancelRequested())
            report(text, detail);
    };
    return events;
}

// The files listed afterwards are what a clear left; a listing that fails
// leaves the list known before, less what was deleted.
void CVoriWorker::collect()
{
    openLink();
    forwardErrors();
    CollectResult result;
    QList<QPair<QString, int>> list = filesList;
    int unread = 0;
    if (!calc->portErrorText().isEmpty()) {
        report(calc->portErrorText(), QString());
    } else {
        CollectWriter writer(*calc, writerEvents());
        writer.setClear(collectClear);
        writer.setSerial(portInfo.serialNumber());
        result.finished = writer.run(collectParent);
        result.folder = writer.folder();
        const int cleared = writer.count(CollectWriter::Outcome::Cleared);
        // A listing that failed leaves one nameless row, and no file listed.
        for (const CollectWriter::Entry &e : writer.entries()) {
            result.files += e.name.isEmpty() ? 0 : 1;
            if (e.outcome == CollectWriter::Outcome::Failed && result.firstReason.isEmpty())
                result.firstReason = e.reason;
        }
        result.cleared = cleared;
        result.collected = writer.count(CollectWriter::Outcome::Collected) + cleared;
        result.missing = writer.missing();
        result.stopReason = writer.stopReason();
        result.cancelled = writer.cancelled();
        if (result.cancelled)
            emit jobCancelled(QString(), int(TransferOutcome::Left::Nothing));
        if (cleared > 0) {
            QList<QPair<QString, int>> now;
            if (calc->listFiles(now)) {
                list = now;
                unread = calc->skippedEntries().size();
            } else {
                for (const CollectWriter::Entry &e : writer.entries()) {
                    if (e.outcome == CollectWriter::Outcome::Cleared)
                        list.removeAll(qMakePair(e.name, int(e.size)));
                }
            }
        }
    }
    closeLink();
    endJob([this, result, list, unread] {
        collectResult = result;
        if (filesList != list) {
            filesList = list;
            tellUnread(unread);
        }
    });
}

void CVoriWorker::compareFolder()
{
    openLink();
    forwardErrors();
    FolderCompare compare;
    QString error;
    QList<QPair<QString, int>> list = filesList;
    if (!calc->portErrorText().isEmpty()) {
        error = calc->portErrorText();
    } else if (compare.readFolder(compareFolderPath, &error)) {
        if (calc->listFiles(list)) {
            compare.compare(list, false);
            emit compareListed(compare.entries(), compare.leftOut());
            compare.compareContents(*calc, [this, &compare](int index) {
                emit compareSettled(index, compare.entries().at(index));
            });
        } else {
            error = calc->errorString();
        }
    }
    if (!error.isEmpty())
        report(error, QString());
    closeLink();
    endJob([this, compare, error, list] {
        compareResult = compare;
        compareError = error;
        filesList = list;
    });
}

// One link for the whole sync: what the folder holds goes first, so that a
// calculator cut off midway has lost nothing it held.
void CVoriWorker::syncFolder()
{
    TransferPlan upload(TransferPlan::Direction::Upload);
    for (const auto &pair : qAsConst(toCalcFiles))
        upload.addUpload(pair.first, pair.second);
    upload.noteListing(filesList);
    openLink();
    forwardErrors();
    const QList<TransferOutcome> sent = run(upload, true);
    int done = int(std::count_if(sent.cbegin(), sent.cend(),
        [](const TransferOutcome &o) { return o.status == TransferOutcome::Status::Done; }));
    if (!files.isEmpty() && !cancelRequested() && !calc->lineLost()) {
        TransferPlan deletion(TransferPlan::Direction::Delete);
        for (const auto &file : qAsConst(files))
            deletion.addDeletion(file.first, file.second);
        const QList<TransferOutcome> deleted = run(deletion, false);
        done += int(std::count_if(deleted.cbegin(), deleted.cend(),
            [](const TransferOutcome &o) { return o.status == TransferOutcome::Status::Done; }));
    }
    emit transferred(done, int(toCalcFiles.size() + files.size()));
    QList<QPair<QString, int>> list = filesList;
    int unread = 0;
    if (calc->listFiles(list))
        unread = calc->skippedEntries().size();
    else
        list = filesList;
    closeLink();
    endJob([this, list, unread] {
        filesList = list;
        tellUnread(unread);
    });
}

void CVoriWorker::previewRestore()
{
    restore(false);
}

void CVoriWorker::restoreBackup()
{
    restore(true);
}

// The preview reads and checks the backup; the restore sends what that
// reading listed, with the digests read then, rather than what the folder's
// manifest says by now. Both read the calculator, so that a file the
// question said is added but that arrived meanwhile is replaced.
void CVoriWorker::restore(bool send)
{
    openLink();
    forwardErrors();
    RestoreResult result;
    BackupManifest kept;
    QList<QPair<QString, int>> list = filesList;
    bool listed = false;
    int unread = 0;
    if (!calc->portErrorText().isEmpty()) {
        report(calc->portErrorText(), QString());
    } else {
        // Until the backup is accepted the restorer's words are held: its
        // reasons to refuse the backup are this job's errors, while the files
        // it can't send back are the question's to list.
        bool holding = true;
        QStringList held;
        TransferEvents events;
        events.problem = [this, &holding, &held](const QString &text, const QString &detail) {
            if (holding)
                held.append(text);
            else
                report(text, detail);
        };
        BackupRestorer restorer(*calc, events);
        bool loaded = true;
        if (send)
            restorer.use(restoreFolder, previewedBackup);
        else
            loaded = restorer.load(restoreFolder);
        holding = false;
        if (!loaded) {
            for (const QString &text : qAsConst(held))
                report(text, QString());
        } else if (calc->listFiles(list)) {
            listed = true;
            unread = calc->skippedEntries().size();
            const BackupManifest &manifest = restorer.manifest();
            if (!send)
                kept = manifest;
            result.ready = true;
            result.device = manifest.device.value(QStringLiteral("name")).toString();
            result.time = manifest.time;
            for (const BackupManifest::Entry &e : manifest.unrestorable)
                result.unrestorable.append(
                    qMakePair(e.name, BackupManifest::shownReason(e.reason)));
            const TransferPlan plan = restorer.plan(list);
            for (const TransferPlan::Item &item : plan.items()) {
                if (item.collision == TransferPlan::Reason::TakenOnCalc)
                    result.replaced.append(item.calcName);
                else
                    result.added.append(item.calcName);
            }
            if (send) {
                const QList<TransferOutcome> outcomes = run(plan, true);
                for (int i = 0; i < outcomes.size(); ++i) {
                    const TransferOutcome &outcome = outcomes.at(i);
                    if (outcome.status == TransferOutcome::Status::Cancelled
                        || outcome.left == TransferOutcome::Left::SentUnchecked)
                        result.cancelled = true;
                    if (outcome.status != TransferOutcome::Status::Done)
                        continue;
                    ++result.sent;
                    const QString &name = plan.at(i).calcName;
                    const auto it = std::find_if(list.begin(), list.end(),
                        [&name](const QPair<QString, int> &entry) { return entry.first == name; });
                    if (it != list.end())
                        it->second = int(outcome.size);
                    else
                        list.append(qMakePair(name, int(outcome.size)));
                }
                // The calculator's own listing is the proof that the files
                // arrived; one that fails leaves the list the job knows.
                QList<QPair<QString, int>> after;
                if (calc->listFiles(after)) {
                    list = after;
                    unread = calc->skippedEntries().size();
                    // Nothing sent is nothing checked.
                    result.verified = restorer.verify(plan, outcomes, after) && result.sent > 0;
                }
            }
        }
    }
    closeLink();
    endJob([this, result, kept, list, listed, unread] {
        restoreResult = result;
        previewedBackup = kept;
        if (listed) {
            filesList = list;
            tellUnread(unread);
        }
    });
}
