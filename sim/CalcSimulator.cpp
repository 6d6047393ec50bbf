#include "CalcSimulator.h"

#include "DeviceService.h"
#include "FaultInjector.h"
#include "PtyServer.h"

#include <condition_variable>
#include <mutex>

using VivuRuza::calcMsg;

// One lock guards the device, its faults and the record: the serving thread
// takes it for every message, the public methods for every call.
struct CalcSimulator::Private
{
    WritePlan handle(const QByteArray &payload);
    int idleTimeout();

    mutable std::mutex mutex;
    mutable std::condition_variable receivedChanged;
    QList<calcMsg> received;
    FaultInjector faults;
    DeviceService service { faults };
    PtyServer pty { [this](const QByteArray &payload) { return handle(payload); },
        [this] { return idleTimeout(); } };
};

WritePlan CalcSimulator::Private::handle(const QByteArray &payload)
{
    WritePlan out;
    calcMsg msg;
    msg.ParseFromArray(payload.constData(), payload.size());
    std::lock_guard<std::mutex> lock(mutex);
    received.append(msg);
    receivedChanged.notify_all();
    if (faults.admits())
        service.serve(msg, out);
    return out;
}

int CalcSimulator::Private::idleTimeout()
{
    std::lock_guard<std::mutex> lock(mutex);
    return faults.idleTimeoutMs();
}

CalcSimulator::CalcSimulator()
    : d(new Private)
{
}

CalcSimulator::~CalcSimulator()
{
    stop();
}

bool CalcSimulator::start()
{
    if (d->pty.isRunning())
        return true;
    {
        std::lock_guard<std::mutex> lock(d->mutex);
        d->service.endSeries();
    }
    return d->pty.start();
}

void CalcSimulator::stop()
{
    d->pty.stop();
}

bool CalcSimulator::isRunning() const
{
    return d->pty.isRunning();
}

QString CalcSimulator::portPath() const
{
    return d->pty.path();
}

void CalcSimulator::setName(const QString &name)
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->service.setName(name);
}

QString CalcSimulator::name() const
{
    std::lock_guard<std::mutex> lock(d->mutex);
    return d->service.name();
}

void CalcSimulator::setVersions(const QString &hv, const QString &fv, const QString &pv)
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->service.setVersions(hv, fv, pv);
}

void CalcSimulator::setMaxChunkSize(int chunk)
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->service.setMaxChunkSize(chunk);
}

int CalcSimulator::maxChunkSize() const
{
    std::lock_guard<std::mutex> lock(d->mutex);
    return d->service.maxChunkSize();
}

void CalcSimulator::setFiles(const QList<QPair<QString, QByteArray>> &files)
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->service.setFiles(files);
}

QList<QPair<QString, QByteArray>> CalcSimulator::files() const
{
    std::lock_guard<std::mutex> lock(d->mutex);
    return d->service.files();
}

bool CalcSimulator::hasFile(const QString &name) const
{
    std::lock_guard<std::mutex> lock(d->mutex);
    return d->service.indexOf(name) >= 0;
}

QByteArray CalcSimulator::fileContent(const QString &name) const
{
    std::lock_guard<std::mutex> lock(d->mutex);
    return d->service.fileContent(name);
}

void CalcSimulator::setBackingFolder(const QString &folder)
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->service.setBackingFolder(folder);
}

QString CalcSimulator::backingFolder() const
{
    std::lock_guard<std::mutex> lock(d->mutex);
    return d->service.backingFolder();
}

void CalcSimulator::setLatency(int ms)
{
    d->pty.setLatency(ms);
}

int CalcSimulator::latency() const
{
    return d->pty.latency();
}

void CalcSimulator::setByteRate(qint64 bytesPerSecond)
{
    d->pty.setByteRate(bytesPerSecond);
}

qint64 CalcSimulator::byteRate() const
{
    return d->pty.byteRate();
}

QList<VivuRuza::calcMsg> CalcSimulator::received() const
{
    std::lock_guard<std::mutex> lock(d->mutex);
    return d->received;
}

QList<int> CalcSimulator::receivedTypes() const
{
    std::lock_guard<std::mutex> lock(d->mutex);
    QList<int> types;
    types.reserve(d->received.size());
    for (const calcMsg &msg : qAsConst(d->received))
        types.append(msg.type());
    return types;
}

void CalcSimulator::clearReceived()
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->received.clear();
}

bool CalcSimulator::waitForReceived(int count, int timeoutMs) const
{
    std::unique_lock<std::mutex> lock(d->mutex);
    return d->receivedChanged.wait_for(
        lock, std::chrono::milliseconds(timeoutMs), [&] { return d->received.size() >= count; });
}

void CalcSimulator::setSilent(bool silent)
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->faults.setSilent(silent);
}

void CalcSimulator::setRefusal(int requestType, int error, int errorNum, const QString &errorStr)
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->faults.setRefusal(requestType, FaultInjector::Refusal { error, errorNum, errorStr });
}

void CalcSimulator::clearRefusals()
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->faults.clearRefusals();
}

void CalcSimulator::setUnplugDuring(int requestType, int replyIndex)
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->faults.setUnplugDuring(requestType, replyIndex);
}

void CalcSimulator::setUnplugged(bool unplugged)
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->faults.setUnplugged(unplugged);
    d->service.endSeries();
}

bool CalcSimulator::isUnplugged() const
{
    std::lock_guard<std::mutex> lock(d->mutex);
    return d->faults.isUnplugged();
}

void CalcSimulator::setReplugAfter(int ms)
{
    {
        std::lock_guard<std::mutex> lock(d->mutex);
        d->faults.setReplugAfter(ms);
    }
    // The serving thread may sleep without a timeout; let it pick the new one.
    d->pty.wake();
}

void CalcSimulator::setJunkBeforeFrames(const QByteArray &junk)
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->faults.setJunk(junk);
}

void CalcSimulator::setSplitWrites(int pieces)
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->faults.setSplitPieces(pieces);
}

void CalcSimulator::setDownloadOutOfOrder(bool on)
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->faults.setDownloadOutOfOrder(on);
}

void CalcSimulator::setDownloadFrameFault(FrameFault fault)
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->faults.setDownloadFrameFault(fault);
}

void CalcSimulator::setLateReply(int requestType, int delayMs)
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->faults.setLateReply(requestType, delayMs);
}

void CalcSimulator::setHeldReply(int requestType)
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->faults.setHeldReply(requestType);
}

void CalcSimulator::setReplyDelay(int ms)
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->faults.setReplyDelay(ms);
}

void CalcSimulator::setTrickle(int msPerByte)
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->faults.setTrickle(msPerByte);
}

void CalcSimulator::setBrokenUtf8DeviceName(bool on)
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->faults.setBrokenUtf8DeviceName(on);
}

void CalcSimulator::setBrokenUtf8FileName(const QString &name)
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->faults.setBrokenUtf8FileName(name);
}

void CalcSimulator::setOversize(Oversize oversize)
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->faults.setOversize(oversize);
}

void CalcSimulator::setAnnouncedFileCount(qint64 count)
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->faults.setAnnouncedFileCount(count);
}

void CalcSimulator::setEndlessListing(bool on)
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->faults.setEndlessListing(on);
}

void CalcSimulator::setListingEntryType(int type)
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->faults.setListingEntryType(type);
}

void CalcSimulator::setFrameReply(int type)
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->faults.setFrameReply(type);
}

void CalcSimulator::setFileFault(const QString &name, FileFault fault)
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->faults.setFileFault(name, fault);
}

void CalcSimulator::setCorruptStore(bool on)
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->faults.setCorruptStore(on);
}

void CalcSimulator::setStoreWhileReceiving(bool on)
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->faults.setStoreWhileReceiving(on);
}

void CalcSimulator::clearFaults()
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->faults.clear();
}
