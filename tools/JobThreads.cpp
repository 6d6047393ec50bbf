#include "JobThreads.h"

#include "StopSignals.h"

#include <QEventLoop>
#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <mutex>
#include <poll.h>
#include <pthread.h>
#include <unistd.h>
#include <vector>

namespace {
// A lost wake-up costs at most this much: the ended jobs are looked at anyway.
constexpr int lookAgainMs = 1000;

struct Shared
{
    std::mutex mutex;
    // The Qt face of each job's thread while its job runs, to ask it to stop.
    std::vector<QThread *> running;
    std::vector<int> results;
    std::vector<int> ended; // indexes not yet reported, in the order the jobs ended
    bool stopAsked = false;
    int wake = -1; // the pipe the calling thread waits on
};

struct Start
{
    Shared *shared;
    const JobThreads::Job *job;
    int index;
};

void *runJob(void *arg)
{
    const Start start = *static_cast<const Start *>(arg);
    Shared &shared = *start.shared;
    {
        // Qt makes an event dispatcher for a thread it did not start only
        // on demand, and a serial port's notifiers need one.
        QEventLoop makesDispatcher;
    }
    QThread *self = QThread::currentThread();
    {
        std::lock_guard<std::mutex> lock(shared.mutex);
        shared.running[size_t(start.index)] = self;
        if (shared.stopAsked)
            self->requestInterruption();
    }
    const int result = (*start.job)();
    {
        // The thread's QThread goes when the thread ends: from here on the
        // calling thread must not touch it.
        std::lock_guard<std::mutex> lock(shared.mutex);
        shared.running[size_t(start.index)] = nullptr;
        shared.results[size_t(start.index)] = result;
        shared.ended.push_back(start.index);
    }
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(shared.wake, &byte, 1);
    return nullptr;
}

void drain(int fd)
{
    char bytes[64];
    while (::read(fd, bytes, sizeof bytes) > 0) { }
}
} // namespace

QString JobThreads::notStartedText(const QString &port)
{
    return tr("The calculator at %1 was left out: the system would not start another thread.")
        .arg(port);
}

void JobThreads::run(const QList<Job> &jobs, const Ended &ended, const StopSignals *stop)
{
    const int count = jobs.size();
    Shared shared;
    shared.running.assign(size_t(count), nullptr);
    shared.results.assign(size_t(count), notStarted);
    int wake[2] = { -1, -1 };
    if (::pipe2(wake, O_CLOEXEC | O_NONBLOCK) != 0) {
        for (int i = 0; i < count; ++i)
            ended(i, notStarted);
        return;
    }
    shared.wake = wake[1];
    std::vector<Start> starts;
    for (int i = 0; i < count; ++i)
        starts.push_back({ &shared, &jobs.at(i), i });

    std::vector<pthread_t> threads(static_cast<size_t>(count));
    std::vector<bool> started(static_cast<size_t>(count), false);
    int left = 0;
    {
        const StopSignals::Blocked blocked;
        for (int i = 0; i < count; ++i) {
            started[size_t(i)]
                = ::pthread_create(&threads[size_t(i)], nullptr, runJob, &starts[size_t(i)]) == 0;
            left += started[size_t(i)] ? 1 : 0;
        }
    }
    for (int i = 0; i < count; ++i) {
        if (!started[size_t(i)])
            ended(i, notStarted);
    }

    int stopFd = stop && stop->isValid() ? stop->fd() : -1;
    while (left > 0) {
        pollfd fds[2] = { { wake[0], POLLIN, 0 }, { stopFd, POLLIN, 0 } };
        const int ready = ::poll(fds, stopFd >= 0 ? 2 : 1, lookAgainMs);
        if (ready < 0 && errno != EINTR) {
            // Nothing to wait on: each thread is joined in turn instead.
            for (int i = 0; i < count; ++i) {
                if (started[size_t(i)])
                    ::pthread_join(threads[size_t(i)], nullptr);
            }
            std::vector<int> rest;
            {
                std::lock_guard<std::mutex> lock(shared.mutex);
                rest.swap(shared.ended);
            }
            for (int i : rest)
                ended(i, shared.results[size_t(i)]);
            break;
        }
        if (ready > 0 && stopFd >= 0 && (fds[1].revents & POLLIN)) {
            // Once is enough; the pipe stays readable.
            stopFd = -1;
            std::lock_guard<std::mutex> lock(shared.mutex);
            shared.stopAsked = true;
            for (QThread *thread : shared.running) {
                if (thread)
                    thread->requestInterruption();
            }
        }
        drain(wake[0]);
        std::vector<int> now;
        {
            std::lock_guard<std::mutex> lock(shared.mutex);
            now.swap(shared.ended);
        }
        for (int i : now) {
            ::pthread_join(threads[size_t(i)], nullptr);
            started[size_t(i)] = false;
            --left;
            ended(i, shared.results[size_t(i)]);
        }
    }
    ::close(wake[0]);
    ::close(wake[1]);
}
