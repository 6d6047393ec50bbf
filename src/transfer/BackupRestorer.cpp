#include "BackupRestorer.h"

#include "BackupWriter.h"
#include "DeviceText.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {
// A manifest may list thousands of files that don't match or can't be sent
// back; this many are told by name, and the rest counted.
constexpr int toldByName = 5;
} // namespace

BackupRestorer::BackupRestorer(CVivuRuza &link, TransferEvents events)
    : m_link(link)
    , m_events(std::move(events))
{
}

void BackupRestorer::problem(const QString &text)
{
    if (m_events.problem)
        m_events.problem(text, QString());
}

bool BackupRestorer::load(const QString &folder)
{
    m_folder = folder;
    if (QFileInfo::exists(QDir(folder).filePath(QLatin1String(BackupWriter::incompleteNote)))) {
        problem(tr("The backup in %1 is not complete; nothing was sent.")
                    .arg(QDir::toNativeSeparators(folder)));
        return false;
    }
    QString error;
    if (!m_manifest.load(folder, error)) {
        problem(error);
        return false;
    }
    const QStringList problems = m_manifest.check(folder);
    if (!problems.isEmpty()) {
        for (const QString &text : problems.mid(0, toldByName))
            problem(text);
        if (problems.size() > toldByName)
            problem(tr("%n more files of the backup do not match its manifest.", nullptr,
                int(problems.size()) - toldByName));
        problem(tr("Nothing was sent."));
        return false;
    }
    // An entry the calculator garbled was backed up without a name.
    const QList<BackupManifest::Entry> &left = m_manifest.unrestorable;
    for (const BackupManifest::Entry &e : left.mid(0, toldByName)) {
        const QString reason = DeviceText::isolated(
            BackupManifest::clipped(BackupManifest::shownReason(e.reason), 200));
        problem(e.name.isEmpty()
                ? tr("A file the calculator could not list can't be restored: %1.").arg(reason)
                : tr("%1 can't be restored: %2.")
                      .arg(DeviceText::isolated(BackupManifest::clipped(e.name)), reason));
    }
    if (left.size() > toldByName)
        problem(tr("%n more files of the backup can't be restored.", nullptr,
            int(left.size()) - toldByName));
    return true;
}

void BackupRestorer::use(const QString &folder, const BackupManifest &manifest)
{
    m_folder = folder;
    m_manifest = manifest;
}

TransferPlan BackupRestorer::plan(const TransferPlan::Listing &onCalc) const
{
    TransferPlan plan(TransferPlan::Direction::Upload);
    for (const BackupManifest::Entry &e : m_manifest.files)
        plan.addRestore(QDir(m_folder).filePath(e.name), e.name, e.size, e.sha256);
    plan.markTaken(onCalc);
    return plan;
}

bool BackupRestorer::verify(const TransferPlan &plan, const QList<TransferOutcome> &outcomes,
    const TransferPlan::Listing &onCalc)
{
    bool verified = true;
    for (int i = 0; i < outcomes.size() && i < plan.size(); ++i) {
        if (outcomes.at(i).status != TransferOutcome::Status::Done)
            continue;
        const TransferPlan::Item &item = plan.at(i);
        const bool there
            = std::any_of(onCalc.cbegin(), onCalc.cend(), [&item](const QPair<QString, int> &f) {
                  return f.first == item.calcName && f.second == item.size;
              });
        if (!there) {
            verified = false;
            problem(tr("After the restore, %1 is not on the calculator with its %2 bytes.")
                        .arg(DeviceText::isolated(item.calcName), QString::number(item.size)));
        }
    }
    return verified;
}
