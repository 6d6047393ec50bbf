#include "BatchPlanner.h"

#include "CVivuRuza.h"
#include "CalcFileName.h"
#include "ConflictAsker.h"
#include "Reporter.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

QString BatchPlanner::calcNameOf(const QString &fileName)
{
    // The link applies the rule again before sending; twice is where it
    // settles (a character the rule could not encode becomes "_").
    return toCalcFileName(toCalcFileName(fileName));
}

QList<BatchPlanner::Item> BatchPlanner::planUpload(const QStringList &paths, QStringList &refusals)
{
    QList<Item> items;
    QSet<QString> seenFiles;
    QHash<QString, int> byName;
    for (const QString &path : paths) {
        const QFileInfo info(path);
        const QString shown = QDir::toNativeSeparators(path);
        if (!info.exists()) {
            refusals.append(QStringLiteral("File %1 does not exist.").arg(shown));
            continue;
        }
        if (!info.isFile()) {
            refusals.append(
                QStringLiteral("%1 is not a regular file and can't be sent.").arg(shown));
            continue;
        }
        if (!info.isReadable()) {
            refusals.append(QStringLiteral("File %1 can't be read.").arg(shown));
            continue;
        }
        if (info.size() == 0) {
            refusals.append(QStringLiteral("File %1 is zero-length and can't be sent.").arg(shown));
            continue;
        }
        if (info.size() > CVivuRuza::maxUploadSize) {
            refusals.append(
                QStringLiteral("File %1 is larger than 1 MiB (1048576 bytes) and can't be sent.")
                    .arg(shown));
            continue;
        }
        // The same file named twice is sent once.
        const QString canonical = info.canonicalFilePath();
        if (seenFiles.contains(canonical))
            continue;
        seenFiles.insert(canonical);

        Item item;
        item.localPath = info.absoluteFilePath();
        item.shown = shown;
        item.calcName = calcNameOf(info.fileName());
        item.size = info.size();
        if (item.calcName.isEmpty()) {
            refusals.append(
                QStringLiteral("File %1 has no name the calculator can keep.").arg(shown));
            continue;
        }
        const QString key = item.calcName.toUpper();
        const auto taken = byName.constFind(key);
        if (taken != byName.constEnd()) {
            refusals.append(
                QStringLiteral("%1 and %2 would both be %3 on the calculator.")
                    .arg(items.at(taken.value()).shown, shown, Reporter::printable(item.calcName)));
            continue;
        }
        byName.insert(key, items.size());
        items.append(item);
    }
    return items;
}

void BatchPlanner::markCalcCollisions(QList<Item> &items, const Listing &onCalc)
{
    QSet<QString> taken;
    for (const auto &file : onCalc)
        taken.insert(file.first.toUpper());
    for (Item &item : items)
        item.collides = taken.contains(item.calcName.toUpper());
}

bool BatchPlanner::isPattern(const QString &text)
{
    return text.contains(QLatin1Char('*')) || text.contains(QLatin1Char('?'))
        || text.contains(QLatin1Char('['));
}

QList<BatchPlanner::Item> BatchPlanner::select(
    const QStringList &namesOrPatterns, bool allFiles, const Listing &onCalc, QStringList &problems)
{
    QVector<bool> chosen(onCalc.size(), allFiles);
    for (const QString &wanted : namesOrPatterns) {
        // A calculator may hold "A*.TXT" or "[": naming it means that file,
        // not every file the name would match as a pattern.
        bool found = false;
        for (int i = 0; i < onCalc.size(); ++i) {
            if (onCalc.at(i).first == wanted) {
                chosen[i] = true;
                found = true;
            }
        }
        if (found)
            continue;
        if (!isPattern(wanted)) {
            problems.append(QStringLiteral("File %1 is not on the calculator.")
                                .arg(Reporter::printable(wanted)));
            continue;
        }
        const QRegularExpression pattern(QRegularExpression::anchoredPattern(
            QRegularExpression::wildcardToRegularExpression(wanted)));
        if (!pattern.isValid()) {
            problems.append(QStringLiteral("%1 is neither a file on the calculator nor a valid "
                                           "pattern.")
                                .arg(Reporter::printable(wanted)));
            continue;
        }
        for (int i = 0; i < onCalc.size(); ++i) {
            if (pattern.match(onCalc.at(i).first).hasMatch()) {
                chosen[i] = true;
                found = true;
            }
        }
        if (!found)
            problems.append(QStringLiteral("No file on the calculator matches %1.")
                                .arg(Reporter::printable(wanted)));
    }
    QList<Item> items;
    for (int i = 0; i < onCalc.size(); ++i) {
        if (!chosen.at(i))
            continue;
        Item item;
        item.calcName = onCalc.at(i).first;
        item.size = onCalc.at(i).second;
        items.append(item);
    }
    return items;
}

void BatchPlanner::markLocalCollisions(QList<Item> &items, const QString &folder)
{
    const QDir dir(folder);
    for (Item &item : items) {
        item.localPath = dir.absoluteFilePath(item.calcName);
        // The name is the calculator's, and so may hold control characters.
        item.shown = Reporter::printable(QDir::toNativeSeparators(item.localPath));
        const QFileInfo there(item.localPath);
        // A dangling link is taken too: the download would replace it.
        item.collides = there.exists() || there.isSymLink();
    }
}

bool BatchPlanner::settle(QList<Item> &items, CtlOptions::Conflict policy, ConflictAsker *asker,
    const std::function<QString(const Item &)> &question)
{
    using Answer = ConflictAsker::Answer;
    if (policy == CtlOptions::Conflict::Fail && !collisions(items).isEmpty())
        return false;
    bool replaceAll = false;
    bool skipAll = false;
    for (Item &item : items) {
        if (!item.collides)
            continue;
        switch (policy) {
        case CtlOptions::Conflict::Replace:
        case CtlOptions::Conflict::Fail:
            break;
        case CtlOptions::Conflict::Skip:
            item.skip = true;
            break;
        case CtlOptions::Conflict::Ask: {
            if (replaceAll)
                break;
            if (skipAll || !asker) {
                item.skip = true;
                break;
            }
            const Answer answer = asker->ask(question(item));
            replaceAll = answer == Answer::All;
            skipAll = answer == Answer::None;
            item.skip = answer == Answer::No || answer == Answer::None;
            break;
        }
        }
    }
    return true;
}

QStringList BatchPlanner::collisions(const QList<Item> &items)
{
    QStringList names;
    for (const Item &item : items) {
        if (item.collides)
            names.append(item.calcName);
    }
    return names;
}
