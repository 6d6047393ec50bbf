#include "TransferProgress.h"

#include <QDir>

namespace {
QString filesText(int count)
{
    return count == 1 ? QStringLiteral("1 file") : QStringLiteral("%1 files").arg(count);
}
} // namespace

TransferProgress::TransferProgress(QObject *parent)
    : QObject(parent)
{
}

QString TransferProgress::sizeText(qint64 bytes)
{
    if (bytes < 1024)
        return bytes == 1 ? QStringLiteral("1 byte") : QStringLiteral("%1 bytes").arg(bytes);
    if (bytes < 1024 * 1024)
        return QStringLiteral("%1 KiB").arg(double(bytes) / 1024.0, 0, 'f', 1);
    return QStringLiteral("%1 MiB").arg(double(bytes) / (1024.0 * 1024.0), 0, 'f', 1);
}

QString TransferProgress::text() const
{
    if (!m_running || m_fileCount == 0)
        return QString();
    QString verb = m_kind == Kind::Send ? QStringLiteral("Sending") : QStringLiteral("Copying");
    if (m_kind == Kind::Backup)
        verb = tr("Backing up");
    else if (m_kind == Kind::Restore)
        verb = tr("Restoring");
    if (m_fileNumber == 0)
        return QStringLiteral("%1 %2\u2026").arg(verb, filesText(m_fileCount));
    QString line = QStringLiteral("%1 %2 (%3 of %4)")
                       .arg(verb, m_fileName)
                       .arg(m_fileNumber)
                       .arg(m_fileCount);
    if (m_total >= 0)
        line += QStringLiteral(": %1 of %2").arg(sizeText(m_done), sizeText(m_total));
    if (m_rate > 0)
        line += QStringLiteral(", %1/s").arg(sizeText(qint64(m_rate)));
    return line;
}

void TransferProgress::start(Kind kind, const QString &target, int fileCount, int skipped)
{
    m_kind = kind;
    m_target = target;
    m_skipped = skipped;
    m_running = true;
    m_fileNumber = 0;
    m_fileCount = fileCount;
    m_fileName.clear();
    m_done = 0;
    m_total = -1;
    m_finishedBytes = 0;
    m_rate = 0;
    m_outcome.clear();
    m_cancelled = false;
    m_partial.clear();
    m_clock.start();
    emit change();
}

void TransferProgress::update(
    int fileNumber, int fileCount, const QString &fileName, qint64 done, qint64 total)
{
    if (!m_running)
        return;
    // Reports are throttled, so the last one of a file may have come before
    // its end: a file left behind counts whole.
    if (fileNumber != m_fileNumber && m_fileNumber > 0)
        m_finishedBytes += qMax(m_done, m_total);
    m_fileNumber = fileNumber;
    m_fileCount = fileCount;
    m_fileName = fileName;
    m_done = qMax<qint64>(done, 0);
    m_total = total;
    const qint64 elapsed = m_clock.elapsed();
    const qint64 moved = m_finishedBytes + m_done;
    m_rate = elapsed > 0 && moved > 0 ? double(moved) * 1000.0 / double(elapsed) : 0;
    emit change();
}

void TransferProgress::finish(int done, int count)
{
    if (!m_running)
        return;
    m_running = false;
    const bool all = done == count;
    const QString moved
        = all ? filesText(done) : QStringLiteral("%1 of %2 files").arg(done).arg(count);
    switch (m_kind) {
    case Kind::Send:
        m_outcome = count == 0 ? QStringLiteral("Nothing was sent to %1").arg(m_target)
                               : QStringLiteral("Sent %1 to %2").arg(moved, m_target);
        break;
    case Kind::Download:
        m_outcome = count == 0
            ? QStringLiteral("Nothing was copied")
            : QStringLiteral("Copied %1 to %2").arg(moved, QDir::toNativeSeparators(m_target));
        break;
    case Kind::Copy:
        m_outcome = count == 0 ? QStringLiteral("Nothing was copied")
                               : QStringLiteral("Copied %1 to the clipboard").arg(moved);
        break;
    case Kind::Backup:
    case Kind::Restore:
        // Their starters word their outcomes through finishWith().
        break;
    }
    if (m_skipped > 0)
        m_outcome += QStringLiteral("; %1 skipped").arg(m_skipped);
    noteCancel();
    emit change();
}

void TransferProgress::finishWith(const QString &outcome)
{
    if (!m_running)
        return;
    m_running = false;
    m_outcome = outcome;
    noteCancel();
    emit change();
}

void TransferProgress::noteCancel()
{
    if (!m_cancelled)
        return;
    m_outcome = tr("Cancelled: %1").arg(m_outcome);
    // A send or a restore stopped between files left nothing on the calculator.
    if (!m_partial.isEmpty())
        m_outcome += tr("; the part of %1 sent was deleted from the calculator").arg(m_partial);
    else if (m_kind != Kind::Send && m_kind != Kind::Restore)
        m_outcome += tr("; nothing of the file in transfer was written");
}

void TransferProgress::cancelled(const QString &partial)
{
    if (!m_running)
        return;
    m_cancelled = true;
    m_partial = partial;
}

void TransferProgress::clearOutcome()
{
    if (m_outcome.isEmpty())
        return;
    m_outcome.clear();
    emit change();
}
