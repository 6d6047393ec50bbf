#include "BackupTexts.h"

#include "BackupManifest.h"
#include "DeviceText.h"

#include <QDateTime>
#include <QDir>
#include <QLocale>

QString BackupTexts::someNames(const QStringList &names)
{
    constexpr int shown = 8;
    if (names.size() <= shown)
        return DeviceText::isolated(names).join(QStringLiteral(", "));
    const int more = int(names.size()) - shown;
    //: %1 lists the first names; %n counts the names left out.
    return tr("%1 and %n more", nullptr, more)
        .arg(DeviceText::isolated(names.mid(0, shown)).join(QStringLiteral(", ")));
}

QString BackupTexts::calcLabel(const QString &calcName)
{
    return !calcName.isEmpty() ? DeviceText::isolated(calcName) : tr("the calculator");
}

QString BackupTexts::backupOutcome(const QString &calcName, const CVoriWorker::BackupResult &r)
{
    const QString name = calcLabel(calcName);
    const QString folder = DeviceText::isolated(QDir::toNativeSeparators(r.folder));
    QString outcome;
    if (!r.finished) {
        outcome = r.folder.isEmpty()
            ? tr("Nothing was backed up from %1").arg(name)
            //: %2 is the backup's folder, whose manifest says it is incomplete.
            : tr("The backup of %1 is not complete; %2 is marked so").arg(name, folder);
    } else {
        //: %1 is the calculator's name, %2 the backup's folder.
        outcome = tr("Backed up %n files of %1 to %2", nullptr, r.files).arg(name, folder);
        if (r.unrestorable > 0)
            //: Follows "Backed up 3 files of Vori X1 to …": files the backup holds
            //: that a restore can't send back (too large, a name not allowed).
            outcome += tr("; %n files can't be restored from it", nullptr, r.unrestorable);
    }
    return outcome;
}

// The question names what changes: every file added, every file replaced,
// and what the backup holds that stays where it is.
QString BackupTexts::restoreQuestion(const QString &calcName, const CVoriWorker::RestoreResult &r)
{
    const int added = int(r.added.size());
    const int replaced = int(r.replaced.size());
    const QDateTime made = QDateTime::fromString(r.time, Qt::ISODate).toLocalTime();
    //: Stands for the device name of a backup whose manifest gives none.
    const QString device = r.device.isEmpty() ? tr("a calculator") : DeviceText::isolated(r.device);
    QStringList lines;
    lines.append(made.isValid()
            //: %1 is the calculator restored to, %2 the one backed up, %3 a date, %4 a time.
            ? tr("Restore to %1 the backup of %2 made on %3 at %4?")
                  .arg(calcLabel(calcName), device,
                      QLocale().toString(made.date(), QLocale::ShortFormat),
                      QLocale().toString(made.time(), QLocale::ShortFormat))
            : tr("Restore to %1 the backup of %2?").arg(calcLabel(calcName), device));
    QStringList counts;
    if (added > 0)
        //: %1 lists the calculator's file names.
        counts.append(tr("%n files will be added: %1.", nullptr, added).arg(someNames(r.added)));
    if (replaced > 0)
        //: %1 lists the calculator's file names.
        counts.append(
            tr("%n files will be replaced: %1.", nullptr, replaced).arg(someNames(r.replaced)));
    if (counts.isEmpty())
        counts.append(tr("The backup holds no file to restore."));
    counts.append(tr("Nothing is deleted, on the calculator or on this computer."));
    lines.append(counts.join(QLatin1Char('\n')));
    // An edited manifest may list thousands, with names of any length: the
    // first few are named, cut short, and the rest counted, so the question
    // stays one the window can show.
    if (!r.unrestorable.isEmpty()) {
        constexpr int shown = 3;
        QStringList left;
        for (const auto &entry : r.unrestorable.mid(0, shown)) {
            const QString reason = BackupManifest::clipped(entry.second, 200);
            left.append(entry.first.isEmpty()
                    ? DeviceText::isolated(reason)
                    : QStringLiteral("%1 (%2)").arg(
                        DeviceText::isolated(BackupManifest::clipped(entry.first)),
                        DeviceText::isolated(reason)));
        }
        const int n = int(r.unrestorable.size());
        QString listed = left.join(QStringLiteral("; "));
        if (n > shown)
            listed = tr("%1 and %n more", nullptr, n - shown).arg(listed);
        //: %1 lists the files with the reason for each.
        lines.append(tr("%n files of the backup can't be restored: %1.", nullptr, n).arg(listed));
    }
    return lines.join(QStringLiteral("\n\n"));
}

QString BackupTexts::restoreOutcome(const QString &calcName, const CVoriWorker::RestoreResult &r)
{
    const QString name = calcLabel(calcName);
    const int count = int(r.added.size() + r.replaced.size());
    QString outcome;
    if (!r.ready)
        outcome = tr("Nothing was restored to %1").arg(name);
    else if (count == 0)
        outcome = tr("The backup held nothing to restore to %1").arg(name);
    else if (r.sent == count && r.verified)
        //: Checked: the calculator's listing shows every file with its size.
        outcome = tr("Restored %n files to %1 and checked them", nullptr, count).arg(name);
    else if (r.sent == count)
        outcome = tr("Restored %n files to %1, but the calculator does not list them all as sent",
            nullptr, count)
                      .arg(name);
    else
        //: %1 files of %n were sent; %2 is the calculator's name.
        outcome = tr("Restored %1 of %n files to %2", nullptr, count)
                      .arg(QString::number(r.sent), name);
    if (r.ready && !r.unrestorable.isEmpty()) {
        const int n = int(r.unrestorable.size());
        outcome += tr("; %n files of the backup can't be restored", nullptr, n);
    }
    return outcome;
}
