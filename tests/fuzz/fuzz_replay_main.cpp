// Runs files through a fuzz target without libFuzzer, so that the seeds and
// every kept regression case run in the normal test suite and under the
// sanitizers. Arguments are corpus folders or single files (a crash-* file
// from a fuzzing run, for instance). A broken invariant aborts the process.

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

static bool runFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        return false;
    }
    const QByteArray bytes = file.readAll();
    std::fprintf(stderr, "running %s (%d bytes)\n", qPrintable(path), bytes.size());
    std::fflush(stderr);
    // Run from a copy of exactly the input's size, as libFuzzer does, so that
    // reading past the end shows up under the address sanitizer.
    const size_t size = size_t(bytes.size());
    std::unique_ptr<uint8_t[]> exact(new uint8_t[size]);
    if (size > 0)
        std::memcpy(exact.get(), bytes.constData(), size);
    LLVMFuzzerTestOneInput(exact.get(), size);
    return true;
}

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s CORPUS-FOLDER-OR-FILE...\n", argv[0]);
        return 2;
    }
    int ran = 0;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        const QFileInfo info(arg);
        if (info.isDir()) {
            const QFileInfoList files
                = QDir(arg).entryInfoList(QDir::Files | QDir::Hidden, QDir::Name);
            for (const QFileInfo &f : files) {
                if (!runFile(f.filePath()))
                    return 1;
                ++ran;
            }
        } else {
            if (!runFile(arg))
                return 1;
            ++ran;
        }
    }
    if (ran == 0) {
        std::fprintf(stderr, "no input found\n");
        return 1;
    }
    std::printf("replayed %d inputs\n", ran);
    return 0;
}
