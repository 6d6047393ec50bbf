#include "ConflictAsker.h"

#include <QByteArray>
#include <QThread>

#include <cerrno>
#include <poll.h>
#include <unistd.h>

namespace {
// How soon a question notices that the command was interrupted.
constexpr int stopCheckMs = 100;
} // namespace

ConflictAsker::ConflictAsker(FILE *in, FILE *out)
    : m_in(in)
    , m_out(out)
{
}

// Reads the descriptor itself, a byte at a time, so that no buffer holds
// typed text that a wait for more would not see; false at the end of the
// input, on an error, or once the thread is asked to stop.
bool ConflictAsker::readLine(QByteArray &line)
{
    line.clear();
    const int fd = fileno(m_in);
    while (line.size() < 256) {
        if (QThread::currentThread()->isInterruptionRequested())
            return false;
        pollfd p { fd, POLLIN, 0 };
        const int ready = ::poll(&p, 1, stopCheckMs);
        if (ready < 0 && errno != EINTR)
            return false;
        if (ready <= 0)
            continue;
        char c = 0;
        const ssize_t n = ::read(fd, &c, 1);
        if (n < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (n <= 0)
            return false;
        if (c == '\n')
            return true;
        line.append(c);
    }
    return true;
}

ConflictAsker::Answer ConflictAsker::ask(const QString &question)
{
    //: Keep the letters in brackets the first ones of the answers below.
    const QByteArray prompt
        = (question + QLatin1Char(' ') + tr("[y]es/[n]o/[a]ll/none?") + QLatin1Char(' ')).toUtf8();
    for (;;) {
        std::fwrite(prompt.constData(), 1, size_t(prompt.size()), m_out);
        std::fflush(m_out);
        QByteArray line;
        if (!readLine(line))
            return Answer::None;
        const QString answer = QString::fromUtf8(line).trimmed().toLower();
        // The English answers work in every language.
        const auto is = [&answer](const char *english, const QString &own) {
            return answer == QLatin1String(english) || answer == own.toLower();
        };
        //: The short answer yes, as the prompt shows it in brackets.
        if (is("y", tr("y")) || is("yes", tr("yes")))
            return Answer::Yes;
        //: The short answer no, as the prompt shows it in brackets.
        if (is("n", tr("n")) || is("no", tr("no")))
            return Answer::No;
        //: The short answer all, as the prompt shows it in brackets.
        if (is("a", tr("a")) || is("all", tr("all")))
            return Answer::All;
        if (is("none", tr("none")))
            return Answer::None;
    }
}
