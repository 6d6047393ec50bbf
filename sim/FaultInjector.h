#ifndef FAULTINJECTOR_H
#define FAULTINJECTOR_H

#include "CalcSimulator.h"
#include "WritePlan.h"
#include "serializeData.pb.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QPair>
#include <QString>

#include <chrono>

// The faults a simulated calculator is told to have, and what they make of
// the replies its protocol service answers with: everything between a reply
// message and the bytes on the wire goes through here. Not thread-safe; the
// owner holds its lock around every call.
class FaultInjector
{
public:
    struct Refusal
    {
        int error = 0;
        int errorNum = 0;
        QString errorStr;
    };
    // Where a reply stands in the exchange, for faults that spoil one kind only.
    enum class Role { Answer, ListEntry, FrameAnswer };

    // Settings; see CalcSimulator for what each does.
    void setSilent(bool silent) { m_silent = silent; }
    void setRefusal(int requestType, const Refusal &refusal);
    void clearRefusals() { m_refusals.clear(); }
    void setUnplugDuring(int requestType, int replyIndex);
    void setUnplugged(bool unplugged);
    bool isUnplugged() const { return m_unplugged; }
    void setReplugAfter(int ms) { m_replugAfterMs = qMax(0, ms); }
    void setJunk(const QByteArray &junk) { m_junk = junk; }
    void setSplitPieces(int pieces) { m_splitPieces = qMax(1, pieces); }
    void setDownloadOutOfOrder(bool on) { m_outOfOrder = on; }
    void setDownloadFrameFault(CalcSimulator::FrameFault fault) { m_frameFault = fault; }
    void setLateReply(int requestType, int delayMs);
    void setHeldReply(int requestType);
    void setReplyDelay(int ms) { m_replyDelayMs = qMax(0, ms); }
    void setTrickle(int msPerByte) { m_trickleMs = qMax(0, msPerByte); }
    void setBrokenUtf8DeviceName(bool on) { m_brokenDeviceName = on; }
    void setBrokenUtf8FileName(const QString &name) { m_brokenFileName = name; }
    void setOversize(CalcSimulator::Oversize oversize) { m_oversize = oversize; }
    void setAnnouncedFileCount(qint64 count);
    void setEndlessListing(bool on) { m_endless = on; }
    void setListingEntryType(int type) { m_listingType = type; }
    void setFrameReply(int type) { m_frameReply = type; }
    void setCorruptStore(bool on) { m_corruptStore = on; }
    void setStoreWhileReceiving(bool on) { m_storeWhileReceiving = on; }
    void setFileFault(const QString &name, CalcSimulator::FileFault fault);
    CalcSimulator::FileFault fileFault(const QString &name) const
    {
        return m_fileFaults.value(name, CalcSimulator::FileFault::None);
    }
    // The bytes of this reading of a file whose readings are unstable.
    QByteArray unstableReading(const QByteArray &content);
    // All faults off and plugged in; the replug delay stays as it is.
    void clear();

    // Hooks for the protocol service and the serving thread

    // False while the device must not answer at all (silent or unplugged).
    bool admits();
    // How long the serving thread may wait for input before a replug is due.
    int idleTimeoutMs();
    // Called for every admitted message before it is served.
    void beginMessage(int type, bool isRequest, WritePlan &out);
    const Refusal *refusalFor(int type) const;
    QList<int> downloadOrder(int frameCount) const;
    void spoilFirstDownloadFrame(VivuRuza::calcFrame &frame, int frameCount) const;
    bool endlessListing() const { return m_endless; }
    // What an upload that arrived whole leaves in the device's storage.
    void spoilStoredFile(QByteArray &content) const;
    // An upload lands in the device's storage frame by frame, not once whole.
    bool storesWhileReceiving() const { return m_storeWhileReceiving; }
    // The index-th entry of an endless listing of these files.
    static QPair<QString, int> endlessEntry(const QList<QPair<QString, int>> &listing, int index);
    // Adds the bytes of this reply to the plan; true when that pulled the
    // plug, which ends the series in progress.
    bool emitReply(const VivuRuza::calcMsg &reply, Role role, WritePlan &out);

private:
    void checkReplug();
    QByteArray payloadOf(const VivuRuza::calcMsg &reply, Role role) const;
    QByteArray listEntryPayload(const VivuRuza::calcMsg &reply) const;
    QByteArray deviceInfPayload(const VivuRuza::calcMsg &reply) const;
    QByteArray filesNumPayload(const VivuRuza::calcMsg &reply) const;

    bool m_silent = false;
    QHash<QString, CalcSimulator::FileFault> m_fileFaults;
    int m_readings = 0;
    QHash<int, Refusal> m_refusals;
    int m_unplugType = -1;
    int m_unplugIndex = 0;
    bool m_unplugged = false;
    int m_replugAfterMs = 0;
    std::chrono::steady_clock::time_point m_unpluggedAt;
    QByteArray m_junk;
    int m_splitPieces = 1;
    bool m_outOfOrder = false;
    CalcSimulator::FrameFault m_frameFault = CalcSimulator::FrameFault::None;
    int m_lateType = -1;
    int m_lateMs = 0;
    int m_heldType = -1;
    bool m_keepStale = false;
    int m_replyDelayMs = 0;
    int m_trickleMs = 0;
    bool m_brokenDeviceName = false;
    QString m_brokenFileName;
    CalcSimulator::Oversize m_oversize = CalcSimulator::Oversize::None;
    bool m_announce = false;
    int m_announcedCount = 0;
    bool m_endless = false;
    int m_listingType = VivuRuza::calcMsg::SEND_FILE_INF;
    int m_frameReply = VivuRuza::calcMsg::SUCCESS;
    bool m_corruptStore = false;
    bool m_storeWhileReceiving = false;

    // The exchange in progress
    int m_messageType = VivuRuza::calcMsg::NONE; // of the message being served
    int m_requestType = VivuRuza::calcMsg::NONE; // of the request that began it
    int m_replyCount = 0; // replies written for the current request
    int m_frameReplyCount = 0; // replies to upload frames of the current upload
};

#endif // FAULTINJECTOR_H
