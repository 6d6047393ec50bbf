#include "ProgressLine.h"

#include "Reporter.h"

#include <QLocale>

namespace {
// Before this much time a rate says more about start-up than about the line.
constexpr qint64 rateAfterMs = 500;
constexpr qint64 terminalRedrawMs = 100;
constexpr qint64 logLineMs = 1000;

QString duration(qint64 seconds)
{
    const auto twoDigits
        = [](qint64 n) { return QString::number(n).rightJustified(2, QLatin1Char('0')); };
    if (seconds >= 3600)
        return QStringLiteral("%1:%2:%3")
            .arg(QString::number(seconds / 3600), twoDigits(seconds / 60 % 60),
                twoDigits(seconds % 60));
    return QStringLiteral("%1:%2").arg(QString::number(seconds / 60), twoDigits(seconds % 60));
}
} // namespace

ProgressLine::ProgressLine(FILE *stream, bool terminal)
    : m_stream(stream)
    , m_terminal(terminal)
{
}

// One decimal in the locale's way ("1.5", "1,5"), without grouping.
QString ProgressLine::bytes(qint64 n)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    if (n < 1024)
        return tr("%1 B").arg(locale.toString(n));
    if (n < 1024 * 1024)
        return tr("%1 KiB").arg(locale.toString(n / 1024.0, 'f', 1));
    return tr("%1 MiB").arg(locale.toString(n / (1024.0 * 1024.0), 'f', 1));
}

void ProgressLine::begin(const QString &name, int index, int count)
{
    m_name = Reporter::printable(name);
    m_index = index;
    m_count = count;
    m_done = 0;
    m_total = 0;
    m_active = true;
    m_started.start();
    m_lastDrawn.invalidate();
}

void ProgressLine::update(qint64 done, qint64 total)
{
    if (!m_active)
        return;
    m_done = done;
    m_total = total;
    const qint64 every = m_terminal ? terminalRedrawMs : logLineMs;
    if (m_lastDrawn.isValid() && m_lastDrawn.elapsed() < every)
        return;
    m_lastDrawn.start();
    draw(text(done, total));
}

void ProgressLine::end()
{
    if (!m_active)
        return;
    m_active = false;
    // A file too small to have been drawn leaves no line on a terminal.
    if (m_terminal && !m_shown)
        return;
    const QString last = text(m_done, m_total);
    if (last != m_drawn)
        draw(last);
    if (m_terminal) {
        std::fputs("\n", m_stream);
        std::fflush(m_stream);
        m_shown = false;
    }
}

void ProgressLine::clear()
{
    if (!m_terminal || !m_shown)
        return;
    std::fputs("\r\x1b[K", m_stream);
    std::fflush(m_stream);
    m_shown = false;
    m_drawn.clear();
    m_lastDrawn.invalidate();
}

QString ProgressLine::text(qint64 done, qint64 total) const
{
    QString line = QStringLiteral("[%1/%2] %3  %4 / %5")
                       .arg(QString::number(m_index), QString::number(m_count), m_name, bytes(done),
                           bytes(total));
    const qint64 ms = m_started.elapsed();
    if (ms >= rateAfterMs && done > 0) {
        const double perSecond = done * 1000.0 / double(ms);
        line += QStringLiteral("  %1/s").arg(bytes(qint64(perSecond)));
        if (done < total)
            //: The time a transfer still needs, as 1:05.
            line += QStringLiteral("  ")
                + tr("%1 left").arg(duration(qint64(double(total - done) / perSecond + 0.5)));
        else
            line += QStringLiteral("  %1").arg(duration(ms / 1000));
    }
    return line;
}

void ProgressLine::draw(const QString &text)
{
    m_drawn = text;
    const QByteArray bytes = text.toUtf8();
    if (m_terminal) {
        std::fputs("\r\x1b[K", m_stream);
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), m_stream);
        m_shown = true;
    } else {
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), m_stream);
        std::fputs("\n", m_stream);
    }
    std::fflush(m_stream);
}
