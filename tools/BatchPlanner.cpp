#include "BatchPlanner.h"

#include "ConflictAsker.h"
#include "Reporter.h"
#include "UploadFile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

QString BatchPlanner::refusal(const TransferPlan &plan, const Item &item)
{
    using Reason = TransferPlan::Reason;
    switch (item.problem) {
    case Reason::Missing:
        return tr("File %1 does not exist.").arg(item.shown);
    case Reason::NotRegular:
        return UploadFile::problemText(UploadFile::Result::NotRegular, item.shown);
    case Reason::Unreadable:
        return UploadFile::problemText(UploadFile::Result::Unreadable, item.shown);
    case Reason::Empty:
        return tr("File %1 is zero-length and can't be sent.").arg(item.shown);
    case Reason::TooLarge:
        return UploadFile::problemText(UploadFile::Result::TooLarge, item.shown);
    case Reason::NoName:
        return tr("File %1 has no name the calculator can keep.").arg(item.shown);
    default:
        break;
    }
    if (item.collision == Reason::SameName)
        return tr("%1 and %2 would both be %3 on the calculator.")
            .arg(plan.at(item.other).shown, item.shown, Reporter::printable(item.calcName));
    return QString();
}

TransferPlan BatchPlanner::planUpload(const QStringList &paths, QStringList &refusals)
{
    TransferPlan plan(TransferPlan::Direction::Upload);
    for (const QString &path : paths)
        plan.addUpload(path);
    refusals += BatchPlanner::refusals(plan);
    // The same file named twice is sent once.
    for (int i = plan.size() - 1; i >= 0; --i) {
        if (plan.at(i).collision == TransferPlan::Reason::SameFile)
            plan.removeAt(i);
    }
    return plan;
}

QStringList BatchPlanner::refusals(const TransferPlan &plan)
{
    QStringList texts;
    for (const Item &item : plan.items()) {
        const QString text = refusal(plan, item);
        if (!text.isEmpty())
            texts.append(text);
    }
    return texts;
}

bool BatchPlanner::isPattern(const QString &text)
{
    return text.contains(QLatin1Char('*')) || text.contains(QLatin1Char('?'))
        || text.contains(QLatin1Char('['));
}

BatchPlanner::Listing BatchPlanner::select(
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
            problems.append(
                tr("File %1 is not on the calculator.").arg(Reporter::printable(wanted)));
            continue;
        }
        const QRegularExpression pattern(QRegularExpression::anchoredPattern(
            QRegularExpression::wildcardToRegularExpression(wanted)));
        if (!pattern.isValid()) {
            problems.append(tr("%1 is neither a file on the calculator nor a valid pattern.")
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
            problems.append(
                tr("No file on the calculator matches %1.").arg(Reporter::printable(wanted)));
    }
    Listing files;
    for (int i = 0; i < onCalc.size(); ++i) {
        if (chosen.at(i))
            files.append(onCalc.at(i));
    }
    return files;
}

bool BatchPlanner::settle(TransferPlan &plan, CtlOptions::Conflict policy, ConflictAsker *asker,
    const std::function<QString(const Item &)> &question)
{
    using Answer = ConflictAsker::Answer;
    if (policy == CtlOptions::Conflict::Fail && !collisions(plan).isEmpty())
        return false;
    bool replaceAll = false;
    bool skipAll = false;
    for (int i = 0; i < plan.size(); ++i) {
        Item &item = plan.item(i);
        if (item.collision == TransferPlan::Reason::None)
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

QStringList BatchPlanner::collisions(const TransferPlan &plan)
{
    QStringList names;
    for (const TransferPlan::Collision &c : plan.collisions())
        names.append(plan.at(c.item).calcName);
    return names;
}
