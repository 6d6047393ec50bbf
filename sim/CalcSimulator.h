#ifndef CALCSIMULATOR_H
#define CALCSIMULATOR_H

#include "serializeData.pb.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

#include <memory>

// Serves the device side of the protocol for one simulated calculator on a
// pseudo-terminal, from a thread of its own. All public methods are thread-safe
// and may be called while it serves.
class CalcSimulator
{
public:
    CalcSimulator();
    ~CalcSimulator(); // stops serving, closes the pty
    CalcSimulator(const CalcSimulator &) = delete;
    CalcSimulator &operator=(const CalcSimulator &) = delete;

    // Opens the pty and starts serving; false on failure.
    bool start();
    void stop();
    bool isRunning() const;
    // The device side path, e.g. /dev/pts/7 (what QSerialPort opens).
    QString portPath() const;

    // Device identity
    void setName(const QString &name); // default "Vori X1"
    QString name() const;
    void setVersions(const QString &hv, const QString &fv, const QString &pv);
    // Default 512. 0 and negatives are announced as they are; the device then
    // serves with 512 itself. With a chunk too large for one frame, a download
    // frame that cannot be framed is answered with FAILED/DATASIZE_INVALID.
    void setMaxChunkSize(int chunk);
    int maxChunkSize() const;

    // Files, in listing order; an upload of an existing name replaces it in
    // place, a new one is appended. setFiles changes memory only, never the
    // backing folder.
    void setFiles(const QList<QPair<QString, QByteArray>> &files);
    QList<QPair<QString, QByteArray>> files() const;
    bool hasFile(const QString &name) const;
    QByteArray fileContent(const QString &name) const;
    // Optional: the files are replaced by the regular files of this folder (in
    // name order), and uploads and deletions of names that are plain file
    // names are saved to it. An empty string detaches the folder.
    void setBackingFolder(const QString &folder);
    QString backingFolder() const;

    // The pace of a calculator's USB link, so that many simulators on one
    // machine leave it to the computer's side as real ones would; 0: off, as
    // by default. A reply begins no sooner than ms after its request has come
    // in whole, nor sooner than the request's and the reply's bytes (frames
    // whole) take at bytesPerSecond. Waits sleep. Not a fault: clearFaults
    // keeps the pace.
    void setLatency(int ms);
    int latency() const;
    void setByteRate(qint64 bytesPerSecond);
    qint64 byteRate() const;

    // Record of every message received from the computer, in order.
    QList<VivuRuza::calcMsg> received() const;
    QList<int> receivedTypes() const; // just the calcMsg::msgType values
    void clearReceived();
    // Waits until at least count messages are on record; false on timeout.
    bool waitForReceived(int count, int timeoutMs) const;

    // Faults on demand (all off by default; each can be switched at any time)
    void setSilent(bool silent); // reads and records, never answers
    // Answer every request of this type with FAILED + error/errorNum/errorStr
    // instead of serving it. Type FRAME means: answer upload frames with
    // FAILED. Passing NONE_ERROR/0/"" gives a bare FAILED.
    void setRefusal(int requestType, int error, int errorNum, const QString &errorStr);
    void clearRefusals();
    // "Unplug": while answering a request of this type, write only the first
    // half of the n-th reply frame (0-based; for a download or listing, n
    // counts the frames/entries of that reply series; for an upload, reply 0
    // answers SEND_FILE and reply k+1 frame k; with type FRAME, n counts the
    // replies to upload frames), then answer nothing more until
    // setUnplugged(false)/clearFaults. The fault fires once.
    void setUnplugDuring(int requestType, int replyIndex = 0);
    void setUnplugged(bool unplugged);
    bool isUnplugged() const;
    // After an unplug, plug back in by itself after this many ms (0: never).
    void setReplugAfter(int ms);
    void setJunkBeforeFrames(const QByteArray &junk); // these bytes go out before every frame
    void setSplitWrites(int pieces); // every frame written in this many pieces with small pauses
    void setDownloadOutOfOrder(bool on); // download frames sent from the last to the first
    // Repeated: the second frame of every download is the first one again, so
    // the last frame never comes although the count of frames adds up.
    // LongData and TwoBlocks: the frame carries more than its size says, as
    // three bytes beyond it in its data or as a second data entry.
    enum class FrameFault { None, BadFrameNum, BadSize, NoData, Repeated, LongData, TwoBlocks };
    void setDownloadFrameFault(FrameFault fault); // applied to the first frame of every download
    // The next reply to a message of this type goes out delayMs late (once).
    // From then on until clearFaults the device never drops what the computer
    // left unread, so the late bytes still wait in front of the next reply.
    void setLateReply(int requestType, int delayMs);
    // The next reply to a message of this type is held back (once) until the
    // computer sends another message, and goes out in front of that one's
    // reply: what a computer that gave up and asked anew finds first. From
    // then on, as with a late reply, nothing left unread is dropped.
    void setHeldReply(int requestType);
    void setReplyDelay(int ms); // every reply frame goes out ms late; 0: off
    void setTrickle(int msPerByte); // every reply written byte by byte; 0: off
    // The name in SEND_DEVICE_INF ends in bytes that are not UTF-8, so that a
    // strict parse of the reply fails.
    void setBrokenUtf8DeviceName(bool on);
    // The same for this file's listing entry; an empty name: off.
    void setBrokenUtf8FileName(const QString &name);
    // The listing entries' sizes or the announced number of files go out as
    // the true value + 2^32, which does not fit their 32-bit field.
    enum class Oversize { None, FileSize, FilesNum };
    void setOversize(Oversize oversize);
    // SEND_FILES_NUM announces this count instead of the real one; counts
    // beyond 32 bits are clamped to the nearest 32-bit value.
    // std::numeric_limits<qint64>::min(): off.
    void setAnnouncedFileCount(qint64 count);
    // Every acknowledgement of a listing gets one more entry, for ever.
    void setEndlessListing(bool on);
    void setListingEntryType(int type); // entries sent as this type; SEND_FILE_INF: off
    // Upload frames are answered with a message of only this type instead of
    // SUCCESS (what they carry is still stored); -1: with an empty frame.
    // SUCCESS: off.
    void setFrameReply(int type);
    // Every upload is acknowledged as usual but stored with one byte wrong
    // (the middle one, one bit flipped), in memory and in the backing folder
    // alike; an empty file is stored as it is.
    void setCorruptStore(bool on);
    // Every upload is stored as its frames arrive, as calculators that write
    // in place do: from the accepted SEND_FILE on, the name is listed at the
    // announced size (a file of that name replaced at once), the bytes not
    // yet received zeros. An upload stopped midway leaves it so. Off: the
    // old file stays whole until the last frame has come.
    void setStoreWhileReceiving(bool on);
    // Faults of one file by its name: every reading of it refused, every
    // delete of it refused, or every reading of it with one byte different
    // from the last (a loose contact); None: off for that file.
    enum class FileFault { None, RefuseRead, RefuseDelete, UnstableRead };
    void setFileFault(const QString &name, FileFault fault);
    void clearFaults(); // all of the above off, and plugged in

private:
    struct Private;
    std::unique_ptr<Private> d;
};

#endif // CALCSIMULATOR_H
