#include "TransferProgress.h"

#include "DeviceText.h"

#include <QDir>
#include <QLocale>

namespace {
// One decimal, in the locale's way ("1.5", "1,5"), without grouping.
QString oneDecimal(double value)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'f', 1);
}
} // namespace

TransferProgress::TransferProgress(QObject *parent)
    : QObject(parent)
{
}

QString TransferProgress::sizeText(qint64 bytes)
{
    if (bytes < 1024)
        return tr("%n bytes", nullptr, int(bytes));
    if (bytes < 1024 * 1024)
        return tr("%1 KiB").arg(oneDecimal(double(bytes) / 1024.0));
    return tr("%1 MiB").arg(oneDecimal(double(bytes) / (1024.0 * 1024.0)));
}

QString TransferProgress::text() const
{
    if (!m_running || m_fileCount == 0)
        return QString();
    if (m_fileNumber == 0) {
        switch (m_kind) {
        case Kind::Send:
            return tr("Sending %n files\u2026", nullptr, m_fileCount);
        case Kind::Backup:
            return tr("Backing up %n files\u2026", nullptr, m_fileCount);
        case Kind::Restore:
            return tr("Restoring %n files\u2026", nullptr, m_fileCount);
        case Kind::Download:
        case Kind::Copy:
            break;
        }
        return tr("Copying %n files\u2026", nullptr, m_fileCount);
    }
    const QString number = QString::number(m_fileNumber);
    const QString count = QString::number(m_fileCount);
    const QString name = DeviceText::isolated(m_fileName);
    QString line;
    switch (m_kind) {
    case Kind::Send:
        //: %1 is a file name; %2 of %3 count the files.
        line = tr("Sending %1 (%2 of %3)").arg(name, number, count);
        break;
    case Kind::Backup:
        //: %1 is a file name; %2 of %3 count the files.
        line = tr("Backing up %1 (%2 of %3)").arg(name, number, count);
        break;
    case Kind::Restore:
        //: %1 is a file name; %2 of %3 count the files.
        line = tr("Restoring %1 (%2 of %3)").arg(name, number, count);
        break;
    case Kind::Download:
    case Kind::Copy:
        //: %1 is a file name; %2 of %3 count the files.
        line = tr("Copying %1 (%2 of %3)").arg(name, number, count);
        break;
    }
    if (m_total >= 0)
        //: Follows "Sending HELLO.py (1 of 3)": the bytes done of the file's.
        line += tr(": %1 of %2").arg(sizeText(m_done), sizeText(m_total));
    if (m_rate > 0)
        //: Follows the bytes done: the rate, as "1.5 KiB" a second.
        line += tr(", %1/s").arg(sizeText(qint64(m_rate)));
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
    m_left = TransferOutcome::Left::Nothing;
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
    const QString moved = QString::number(done);
    const QString target = DeviceText::isolated(m_target);
    switch (m_kind) {
    case Kind::Send:
        if (count == 0)
            m_outcome = tr("Nothing was sent to %1").arg(target);
        else if (all)
            m_outcome = tr("Sent %n files to %1", nullptr, done).arg(target);
        else
            m_outcome = tr("Sent %1 of %n files to %2", nullptr, count).arg(moved, target);
        break;
    case Kind::Download: {
        const QString folder = QDir::toNativeSeparators(m_target);
        if (count == 0)
            m_outcome = tr("Nothing was copied");
        else if (all)
            m_outcome = tr("Copied %n files to %1", nullptr, done).arg(folder);
        else
            m_outcome = tr("Copied %1 of %n files to %2", nullptr, count).arg(moved, folder);
        break;
    }
    case Kind::Copy:
        if (count == 0)
            m_outcome = tr("Nothing was copied");
        else if (all)
            m_outcome = tr("Copied %n files to the clipboard", nullptr, done);
        else
            m_outcome = tr("Copied %1 of %n files to the clipboard", nullptr, count).arg(moved);
        break;
    case Kind::Backup:
    case Kind::Restore:
        // Their starters word their outcomes through finishWith().
        break;
    }
    if (m_skipped > 0)
        //: Follows an outcome such as "Sent 2 files to Vori X1".
        m_outcome += tr("; %n skipped", nullptr, m_skipped);
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
    using Left = TransferOutcome::Left;
    // A send or a restore stopped between files left nothing on the calculator.
    if (m_partial.isEmpty() || m_left == Left::Nothing) {
        if (m_kind != Kind::Send && m_kind != Kind::Restore)
            m_outcome += tr("; nothing of the file in transfer was written");
        return;
    }
    switch (m_left) {
    case Left::PartDeleted:
        m_outcome += tr("; the part of %1 sent was deleted from the calculator")
                         .arg(DeviceText::isolated(m_partial));
        break;
    case Left::PartKept:
        m_outcome += tr("; the part of %1 sent could not be deleted from the calculator: delete "
                        "it there")
                         .arg(DeviceText::isolated(m_partial));
        break;
    case Left::PartUnconfirmed:
        m_outcome += tr("; the part of %1 sent may still be on the calculator: delete it there "
                        "if it is listed")
                         .arg(DeviceText::isolated(m_partial));
        break;
    case Left::MayBeIncomplete:
        m_outcome += tr("; %1 on the calculator may be incomplete: send it again or delete it")
                         .arg(DeviceText::isolated(m_partial));
        break;
    case Left::SentUnchecked:
        m_outcome += tr("; %1 was sent whole but not checked").arg(DeviceText::isolated(m_partial));
        break;
    case Left::Nothing:
    case Left::BadCopyDeleted:
    case Left::BadCopyKept:
        break;
    }
}

void TransferProgress::cancelled(const QString &partial)
{
    cancelled(partial,
        partial.isEmpty() ? TransferOutcome::Left::Nothing : TransferOutcome::Left::PartDeleted);
}

void TransferProgress::cancelled(const QString &calcName, TransferOutcome::Left left)
{
    if (!m_running)
        return;
    m_cancelled = true;
    m_partial = calcName;
    m_left = left;
}

void TransferProgress::clearOutcome()
{
    if (m_outcome.isEmpty())
        return;
    m_outcome.clear();
    emit change();
}
