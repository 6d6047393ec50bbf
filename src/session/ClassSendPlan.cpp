#include "ClassSendPlan.h"

#include "CVoriWorker.h"
#include "TransferPlan.h"

#include <QSet>

namespace {
// Why a file of a class send is left out, short enough for a list of them;
// empty for a file that may go (zero-length files are told apart).
QString classRefusal(TransferPlan::Reason problem)
{
    switch (problem) {
    case TransferPlan::Reason::Missing:
        return ClassSendPlan::tr("not found");
    case TransferPlan::Reason::NotRegular:
        return ClassSendPlan::tr("not a regular file");
    case TransferPlan::Reason::Unreadable:
        return ClassSendPlan::tr("can't be read");
    case TransferPlan::Reason::TooLarge:
        return ClassSendPlan::tr("larger than 1 MiB");
    case TransferPlan::Reason::NoName:
        return ClassSendPlan::tr("no name a calculator can keep");
    default:
        break;
    }
    return QString();
}

TransferPlan uploadsOf(const QList<QUrl> &urls)
{
    TransferPlan plan(TransferPlan::Direction::Upload);
    for (const QUrl &url : urls)
        plan.addUpload(url.toLocalFile(), url.fileName(QUrl::FullyDecoded));
    return plan;
}

// Two files of a batch that would get one calculator name: neither is sent,
// since either would replace the other, and each pair is told in vuvectl's
// words. Files of one name from two folders are told by their paths.
QStringList sameNamesOf(const TransferPlan &plan, const QList<QUrl> &urls, QSet<int> &leftOut)
{
    QStringList texts;
    for (int i = 0; i < plan.size(); ++i) {
        const TransferPlan::Item &item = plan.at(i);
        if (item.collision != TransferPlan::Reason::SameName)
            continue;
        leftOut.insert(i);
        leftOut.insert(item.other);
        QString first = urls.at(item.other).fileName(QUrl::FullyDecoded);
        QString second = urls.at(i).fileName(QUrl::FullyDecoded);
        if (first == second) {
            first = plan.at(item.other).shown;
            second = item.shown;
        }
        texts.append(ClassSendPlan::tr("%1 and %2 would both be %3 on the calculator.")
                         .arg(first, second, item.calcName));
    }
    return texts;
}

void addOnce(QStringList &list, const QString &text)
{
    if (!list.contains(text))
        list.append(text);
}
} // namespace

void ClassSendPlan::clear()
{
    *this = ClassSendPlan();
}

void ClassSendPlan::plan(const QList<QUrl> &urls, const QList<CVoriWorker *> &calculators)
{
    clear();
    for (CVoriWorker *worker : calculators) {
        TransferPlan plan = uploadsOf(urls);
        plan.markTaken(worker->filesList);
        QSet<int> leftOut;
        const QStringList clashes = sameNamesOf(plan, urls, leftOut);
        for (const QString &text : clashes)
            addOnce(m_sameNames, text);
        Target target;
        target.worker = worker;
        for (int i = 0; i < plan.size(); ++i) {
            const TransferPlan::Item &item = plan.at(i);
            const QString given = urls.at(i).fileName(QUrl::FullyDecoded);
            // A file no calculator can take would fail on every row alike.
            const QString refusal = classRefusal(item.problem);
            if (!refusal.isEmpty()) {
                addOnce(m_refused, QStringLiteral("%1 (%2)").arg(given, refusal));
                continue;
            }
            if (item.empty) {
                addOnce(m_empty, given);
                continue;
            }
            if (item.collision == TransferPlan::Reason::SameFile || leftOut.contains(i))
                continue;
            if (item.renamed) {
                addOnce(TransferPlan::onlyCaseChanged(given, item.calcName) ? m_caseChanges
                                                                            : m_nameChanges,
                    QStringLiteral("%1 \u2192 %2").arg(given, item.calcName));
            }
            if (item.collision == TransferPlan::Reason::TakenOnCalc) {
                target.taken.append(item.calcName);
                addOnce(m_taken, item.calcName);
            }
            target.files.append(qMakePair(item.localPath, item.calcName));
        }
        m_targets.append(target);
    }
}

void ClassSendPlan::settle(bool replace)
{
    for (Target &target : m_targets) {
        if (!replace) {
            for (int i = int(target.files.size()) - 1; i >= 0; --i) {
                if (target.taken.contains(target.files.at(i).second))
                    target.files.removeAt(i);
            }
        }
        target.taken.clear();
    }
}

int ClassSendPlan::mostFiles() const
{
    int most = 0;
    for (const Target &target : m_targets)
        most = qMax(most, int(target.files.size()));
    return most;
}

QList<QPair<QString, QString>> ClassSendPlan::planForAny(const QList<QUrl> &urls)
{
    clear();
    const TransferPlan plan = uploadsOf(urls);
    QSet<int> leftOut;
    m_sameNames = sameNamesOf(plan, urls, leftOut);
    QList<QPair<QString, QString>> files;
    for (int i = 0; i < plan.size(); ++i) {
        const TransferPlan::Item &item = plan.at(i);
        if (item.empty || item.collision == TransferPlan::Reason::SameFile || leftOut.contains(i))
            continue;
        files.append(qMakePair(item.localPath, item.calcName));
    }
    return files;
}
