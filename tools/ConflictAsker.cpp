#include "ConflictAsker.h"

#include <QByteArray>

ConflictAsker::ConflictAsker(FILE *in, FILE *out)
    : m_in(in)
    , m_out(out)
{
}

ConflictAsker::Answer ConflictAsker::ask(const QString &question)
{
    const QByteArray prompt = (question + QStringLiteral(" [y]es/[n]o/[a]ll/none? ")).toUtf8();
    for (;;) {
        std::fwrite(prompt.constData(), 1, size_t(prompt.size()), m_out);
        std::fflush(m_out);
        char buffer[256];
        if (!std::fgets(buffer, sizeof buffer, m_in))
            return Answer::None;
        const QString answer = QString::fromUtf8(buffer).trimmed().toLower();
        if (answer == QLatin1String("y") || answer == QLatin1String("yes"))
            return Answer::Yes;
        if (answer == QLatin1String("n") || answer == QLatin1String("no"))
            return Answer::No;
        if (answer == QLatin1String("a") || answer == QLatin1String("all"))
            return Answer::All;
        if (answer == QLatin1String("none"))
            return Answer::None;
    }
}
