// A calculator that answers the link's list and download commands (and an
// upload, a delete and a rename after them) with arbitrary replies. Replies
// are parsed strictly and unread input is dropped before each request, so
// the script's leftovers exercise both.
//
// Input: the replies, one per wait, separated by "%%%". A reply that starts
// with "CALC" goes on the line as it stands; any other is framed first, so
// that the fuzzer can work on messages without having to find the framing.

#include "CVivuRuza.h"
#include "FrameCodec.h"
#include "FuzzSupport.h"
#include "ScriptedDevice.h"
#include "serializeData.pb.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>

using VivuRuza::calcMsg;

namespace {

// One input must stay fast: only the first few listed files are fetched, and
// only those that a test of the link can hold in memory many times a second.
const int maxFetched = 8;
const int maxFetchedSize = 256 * 1024;

// Downloads land three levels below a folder of our own, so that a name that
// climbs out of the destination shows up as an entry where none belongs.
struct Folders
{
    QTemporaryDir root;
    QString dest;
    QString canonicalDest;

    Folders()
    {
        FUZZ_CHECK(root.isValid());
        dest = root.path() + QStringLiteral("/a/b/dest");
        FUZZ_CHECK(QDir().mkpath(dest));
        canonicalDest = QFileInfo(dest).canonicalFilePath();
    }
};

Folders &folders()
{
    static Folders f;
    return f;
}

QList<QByteArray> replies(const uint8_t *data, size_t size)
{
    const QByteArray input
        = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
    QList<QByteArray> chunks;
    int from = 0;
    for (;;) {
        const int cut = input.indexOf("%%%", from);
        QByteArray reply = input.mid(from, cut < 0 ? -1 : cut - from);
        if (!reply.startsWith("CALC")) {
            reply.truncate(FrameCodec::maxPayload);
            const char header[6] = { 'C', 'A', 'L', 'C', char(reply.size() & 0xFF),
                char((reply.size() >> 8) & 0xFF) };
            reply.prepend(header, 6);
        }
        chunks.append(reply);
        if (cut < 0)
            break;
        from = cut + 3;
    }
    return chunks;
}

// Nothing but the downloaded files may appear under the folder, and those
// only directly in the destination.
void checkAndEmptyFolders()
{
    Folders &f = folders();
    const QString root = f.root.path();
    const QStringList expectedDirs { root + QStringLiteral("/a"), root + QStringLiteral("/a/b"),
        f.dest };
    QStringList downloaded;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
        QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (expectedDirs.contains(path))
            continue;
        const QFileInfo info = it.fileInfo();
        FUZZ_CHECK(info.absolutePath() == f.dest);
        FUZZ_CHECK(info.isFile() && !info.isSymLink());
        downloaded.append(path);
    }
    for (const QString &path : qAsConst(downloaded))
        FUZZ_CHECK(QFile::remove(path));
}

// VUVE_FUZZ_VERBOSE=1 tells what an input did, for looking into a finding.
bool verbose()
{
    static const bool on = qEnvironmentVariableIsSet("VUVE_FUZZ_VERBOSE");
    return on;
}

void touch(const QString &text)
{
    static volatile int sink;
    sink = sink + text.size();
    if (verbose())
        std::fprintf(stderr, "  error: %s\n", qPrintable(text));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    prepareFuzzRun();
    Folders &dirs = folders();

    const QList<QByteArray> chunks = replies(data, size);
    ScriptedDevice line(chunks);
    line.setKeepLimit(0);
    CVivuRuza link(&line, nullptr);
    QObject::connect(&link, &CVivuRuza::errorNotify, touch);
    FUZZ_CHECK(link.chunkSize > 0);

    // A listing holds only entries from replies that parsed whole, so no
    // size is negative and the count stayed credible; one that failed holds
    // nothing, and left nothing out.
    QList<QPair<QString, int>> listed;
    const bool listOk = link.listFiles(listed);
    FUZZ_CHECK(listOk || (listed.isEmpty() && link.skippedEntries().isEmpty()));
    FUZZ_CHECK(listed.size() + link.skippedEntries().size() <= chunks.size());
    FUZZ_CHECK(listed.size() <= CVivuRuza::maxListedFiles);
    for (const auto &entry : qAsConst(listed))
        FUZZ_CHECK(entry.second >= 0);
    if (verbose())
        std::fprintf(stderr, "  %d replies, chunk size %d, %d files listed\n", chunks.size(),
            link.chunkSize, listed.size());

    QList<QPair<QString, int>> fetched;
    for (const auto &entry : listed) {
        if (fetched.size() == maxFetched)
            break;
        if (entry.second > maxFetchedSize)
            continue;
        fetched.append(entry);
        VivuRuza::fileInf inf;
        inf.set_name(entry.first.toStdString());
        inf.set_size(entry.second);
        const QByteArray content = link.getFile(inf);
        FUZZ_CHECK(content.isEmpty() || content.size() == entry.second);
        if (verbose())
            std::fprintf(stderr, "  %s (%d bytes): got %d bytes\n", qPrintable(entry.first),
                entry.second, content.size());
    }

    const QList<QUrl> written = link.getFiles(fetched, dirs.dest);
    FUZZ_CHECK(written.size() <= fetched.size());
    for (const QUrl &url : written) {
        FUZZ_CHECK(url.isLocalFile());
        const QFileInfo info(url.toLocalFile());
        FUZZ_CHECK(info.isFile());
        FUZZ_CHECK(QFileInfo(info.absolutePath()).canonicalFilePath() == dirs.canonicalDest);
        if (verbose())
            std::fprintf(
                stderr, "  written: %s (%lld bytes)\n", qPrintable(info.fileName()), info.size());
    }
    checkAndEmptyFolders();

    // The rest of the replies answer an upload, a delete and a rename.
    VivuRuza::fileInf upload;
    upload.set_name("A.PY");
    upload.set_size(700);
    // Stale replies left from the commands above are dropped before each
    // request; whatever the device says, only SUCCESS finishes an upload.
    const bool sent = link.sendFile(upload, QByteArray(700, 'u'));
    const bool deleted = link.deleteFile(upload);
    const QString before = link.devName();
    const bool renamed = link.changeName(QStringLiteral("NEWNAME"));
    if (!renamed)
        FUZZ_CHECK(link.devName() == before);
    if (verbose())
        std::fprintf(stderr, "  sent %d, deleted %d, renamed %d, %d replies left\n", sent, deleted,
            renamed, line.chunksLeft());
    return 0;
}
