#include "BatchRunner.h"

#include "BackupManifest.h"
#include "BackupWriter.h"
#include "CVivuRuza.h"
#include "CalcRunner.h"
#include "ConflictAsker.h"
#include "ProgressLine.h"
#include "Reporter.h"
#include "UploadFile.h"
#include "serializeData.pb.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QThread>
#include <QUrl>

#include <algorithm>

BatchRunner::BatchRunner(const CtlOptions &options, Reporter &reporter, ProgressLine *progress,
    ConflictAsker *asker, CVivuRuza &link, const QString &port)
    : m_options(options)
    , m_reporter(reporter)
    , m_progress(progress)
    , m_asker(asker)
    , m_link(&link)
    , m_port(port)
{
}

// Collisions settled by the policy or by the person at the terminal; false
// (and nothing may be transferred) when the policy is to fail.
bool BatchRunner::settle(QList<BatchPlanner::Item> &items, const QString &where)
{
    const bool download = m_options.command == QLatin1String("get");
    const auto question = [&](const BatchPlanner::Item &item) {
        return download ? QStringLiteral("%1 already exists. Replace it?").arg(item.shown)
                        : QStringLiteral("%1 is already on the calculator. Replace it with %2?")
                              .arg(Reporter::printable(item.calcName), item.shown);
    };
    if (BatchPlanner::settle(items, m_options.conflict, m_asker, question))
        return true;
    QStringList names;
    for (const QString &name : BatchPlanner::collisions(items))
        names.append(Reporter::printable(name));
    m_reporter.error(QStringLiteral("Already %1: %2. Nothing was %3; choose what to do with "
                                    "--on-conflict=replace or --on-conflict=skip.")
                         .arg(where, names.join(QStringLiteral(", ")),
                             download ? QStringLiteral("copied") : QStringLiteral("sent")));
    QJsonArray json;
    for (const QString &name : BatchPlanner::collisions(items))
        json.append(name);
    m_reporter.result().insert(QStringLiteral("collisions"), json);
    return false;
}

// Once the calculator stopped answering, asking for the next file would only
// wait as long again; once the command was interrupted, nothing more may
// start. The rest of the batch is given up and named.
bool BatchRunner::lineLost(
    const QList<BatchPlanner::Item> &items, int failed, const QString &what, QJsonArray &json)
{
    if (!m_link->lineLost() && !interrupted())
        return false;
    giveUp(items, failed + 1, what, json);
    return true;
}

bool BatchRunner::stopped(
    const QList<BatchPlanner::Item> &items, int next, const QString &what, QJsonArray &json)
{
    if (!interrupted())
        return false;
    giveUp(items, next, what, json);
    return true;
}

bool BatchRunner::interrupted()
{
    return QThread::currentThread()->isInterruptionRequested();
}

void BatchRunner::giveUp(
    const QList<BatchPlanner::Item> &items, int from, const QString &what, QJsonArray &json)
{
    QStringList rest;
    for (int i = from; i < items.size(); ++i) {
        const BatchPlanner::Item &item = items.at(i);
        if (item.skip)
            continue;
        rest.append(Reporter::printable(item.calcName));
        QJsonObject entry = Reporter::fileJson(item.calcName, item.size);
        if (m_options.command == QLatin1String("put"))
            entry.insert(QStringLiteral("local"), item.localPath);
        else if (m_options.command == QLatin1String("get"))
            entry.insert(QStringLiteral("path"), item.localPath);
        entry.insert(QStringLiteral("status"), QStringLiteral("failed"));
        json.append(entry);
    }
    if (rest.isEmpty())
        return;
    m_reporter.error(interrupted() ? QStringLiteral("Interrupted, so these files were not %1: %2.")
                                         .arg(what, rest.join(QStringLiteral(", ")))
                                   : CVivuRuza::givenUpText(what, rest));
}

// An upload cut short may leave the calculator holding part of the file.
void BatchRunner::notePartialUpload(const QString &calcName)
{
    if (interrupted())
        m_reporter.leftPartial(QStringLiteral("the calculator at %1 may hold part of %2")
                                   .arg(m_port, Reporter::printable(calcName)));
}

int BatchRunner::get()
{
    const QString folder = m_options.folder.isEmpty() ? QDir::currentPath() : m_options.folder;
    if (!QFileInfo(folder).isDir()) {
        m_reporter.error(
            QStringLiteral("Folder %1 does not exist.").arg(QDir::toNativeSeparators(folder)));
        return CalcRunner::Failed;
    }
    QString dest = QDir(folder).absolutePath();
    // Calculators of a class hold files of the same names: each one's go into
    // a folder of its own, named after it and its port. The name is easy to
    // guess, so in a shared folder it may already be taken by someone else's.
    if (m_options.every) {
        const QString own = QStringLiteral("%1 (%2)").arg(
            BackupWriter::folderNameOf(m_link->devName()), QFileInfo(m_port).fileName());
        const QString made = BackupWriter::makeNewFolder(dest, own);
        if (made.isEmpty()) {
            m_reporter.error(QStringLiteral("Folder %1 can't be made.")
                                 .arg(QDir::toNativeSeparators(QDir(dest).filePath(own))));
            return CalcRunner::Failed;
        }
        dest = made;
    }
    m_reporter.result().insert(QStringLiteral("folder"), dest);
    Listing files;
    if (!CalcRunner::listing(*m_link, m_reporter, files))
        return CalcRunner::Failed;
    QStringList problems;
    QList<BatchPlanner::Item> items
        = BatchPlanner::select(m_options.args, m_options.allFiles, files, problems);
    for (const QString &problem : qAsConst(problems))
        m_reporter.error(problem);
    BatchPlanner::markLocalCollisions(items, dest);
    if (!settle(items, QStringLiteral("in %1").arg(QDir::toNativeSeparators(dest))))
        return CalcRunner::Collision;

    QJsonArray json;
    int copied = 0;
    int skipped = 0;
    for (int i = 0; i < items.size(); ++i) {
        if (stopped(items, i, QStringLiteral("copied"), json))
            break;
        const BatchPlanner::Item &item = items.at(i);
        QJsonObject entry = Reporter::fileJson(item.calcName, item.size);
        entry.insert(QStringLiteral("path"), item.localPath);
        if (item.skip) {
            m_reporter.note(QStringLiteral("Skipped %1: the file exists.").arg(item.shown));
            entry.insert(QStringLiteral("status"), QStringLiteral("skipped"));
            ++skipped;
            json.append(entry);
            continue;
        }
        if (m_progress)
            m_progress->begin(item.calcName, i + 1, items.size());
        const QList<QUrl> written
            = m_link->getFiles({ qMakePair(item.calcName, int(item.size)) }, dest);
        if (m_progress)
            m_progress->end();
        const bool ok = !written.isEmpty();
        if (ok) {
            m_reporter.line(item.shown);
            ++copied;
        }
        entry.insert(
            QStringLiteral("status"), ok ? QStringLiteral("copied") : QStringLiteral("failed"));
        json.append(entry);
        if (!ok && lineLost(items, i, QStringLiteral("copied"), json))
            break;
    }
    m_reporter.result().insert(QStringLiteral("files"), json);
    m_reporter.setSummary(QStringLiteral("copied %1, skipped %2 into %3")
                              .arg(copied)
                              .arg(skipped)
                              .arg(QDir::toNativeSeparators(dest)));
    return problems.isEmpty() ? CalcRunner::Done : CalcRunner::Failed;
}

int BatchRunner::put()
{
    QStringList refusals;
    QList<BatchPlanner::Item> items = BatchPlanner::planUpload(m_options.args, refusals);
    if (!refusals.isEmpty()) {
        for (const QString &refusal : qAsConst(refusals))
            m_reporter.error(refusal);
        m_reporter.error(QStringLiteral("Nothing was sent."));
        return CalcRunner::Failed;
    }
    Listing files;
    if (!CalcRunner::listing(*m_link, m_reporter, files))
        return CalcRunner::Failed;
    BatchPlanner::markCalcCollisions(items, files);
    if (!settle(items, QStringLiteral("on the calculator")))
        return CalcRunner::Collision;

    QJsonArray json;
    int sent = 0;
    int skipped = 0;
    for (int i = 0; i < items.size(); ++i) {
        if (stopped(items, i, QStringLiteral("sent"), json))
            break;
        const BatchPlanner::Item &item = items.at(i);
        QJsonObject entry = Reporter::fileJson(item.calcName, item.size);
        entry.insert(QStringLiteral("local"), item.localPath);
        entry.insert(
            QStringLiteral("renamed"), item.calcName != QFileInfo(item.localPath).fileName());
        if (item.skip) {
            m_reporter.note(QStringLiteral("Skipped %1: %2 is already on the calculator.")
                                .arg(item.shown, Reporter::printable(item.calcName)));
            entry.insert(QStringLiteral("status"), QStringLiteral("skipped"));
            ++skipped;
            json.append(entry);
            continue;
        }
        bool done = false;
        QString calcName = item.calcName;
        const auto connection
            = QObject::connect(m_link, &CVivuRuza::fileSend, [&](const QPair<QString, int> &file) {
                  done = true;
                  calcName = file.first;
              });
        if (m_progress)
            m_progress->begin(item.calcName, i + 1, items.size());
        const int errors = m_reporter.errors().size();
        m_link->sendFiles({ qMakePair(item.localPath, item.calcName) });
        QObject::disconnect(connection);
        if (m_progress)
            m_progress->end();
        if (done) {
            m_reporter.line(
                QStringLiteral("%1 -> %2").arg(item.shown, Reporter::printable(calcName)));
            ++sent;
        } else {
            if (m_reporter.errors().size() == errors)
                m_reporter.error(QStringLiteral("File %1 was not sent.").arg(item.shown));
            notePartialUpload(item.calcName);
        }
        entry.insert(QStringLiteral("name"), calcName);
        entry.insert(
            QStringLiteral("status"), done ? QStringLiteral("sent") : QStringLiteral("failed"));
        json.append(entry);
        if (!done && lineLost(items, i, QStringLiteral("sent"), json))
            break;
    }
    m_reporter.result().insert(QStringLiteral("files"), json);
    m_reporter.setSummary(QStringLiteral("sent %1, skipped %2").arg(sent).arg(skipped));
    return CalcRunner::Done;
}

int BatchRunner::remove()
{
    Listing files;
    if (!CalcRunner::listing(*m_link, m_reporter, files))
        return CalcRunner::Failed;
    QStringList problems;
    const QList<BatchPlanner::Item> items
        = BatchPlanner::select(m_options.args, m_options.allFiles, files, problems);
    for (const QString &problem : qAsConst(problems))
        m_reporter.error(problem);
    QJsonArray json;
    int deleted = 0;
    for (int i = 0; i < items.size(); ++i) {
        if (stopped(items, i, QStringLiteral("deleted"), json))
            break;
        const BatchPlanner::Item &item = items.at(i);
        bool done = false;
        const auto connection = QObject::connect(
            m_link, &CVivuRuza::fileDeleted, [&done](const QString &) { done = true; });
        const int errors = m_reporter.errors().size();
        m_link->deleteFiles({ qMakePair(item.calcName, int(item.size)) });
        QObject::disconnect(connection);
        if (!done && m_reporter.errors().size() == errors)
            m_reporter.error(
                QStringLiteral("File %1 was not deleted.").arg(Reporter::printable(item.calcName)));
        deleted += done ? 1 : 0;
        QJsonObject entry = Reporter::fileJson(item.calcName, item.size);
        entry.insert(
            QStringLiteral("status"), done ? QStringLiteral("deleted") : QStringLiteral("failed"));
        json.append(entry);
        if (!done && lineLost(items, i, QStringLiteral("deleted"), json))
            break;
    }
    m_reporter.result().insert(QStringLiteral("files"), json);
    m_reporter.setSummary(QStringLiteral("deleted %1").arg(Reporter::countOf(deleted, "file")));
    return problems.isEmpty() ? CalcRunner::Done : CalcRunner::Failed;
}

int BatchRunner::restore()
{
    const QString folder = QDir(m_options.folder).absolutePath();
    m_reporter.result().insert(QStringLiteral("folder"), folder);
    BackupManifest manifest;
    QString error;
    if (QFileInfo::exists(QDir(folder).filePath(QLatin1String(BackupWriter::incompleteNote)))) {
        m_reporter.error(QStringLiteral("The backup in %1 is not complete; nothing was sent.")
                             .arg(QDir::toNativeSeparators(folder)));
        return CalcRunner::Failed;
    }
    if (!manifest.load(folder, error)) {
        m_reporter.error(error);
        return CalcRunner::Failed;
    }
    const QStringList problems = manifest.check(folder);
    if (!problems.isEmpty()) {
        for (const QString &problem : problems)
            m_reporter.error(problem);
        m_reporter.error(QStringLiteral("Nothing was sent."));
        return CalcRunner::Failed;
    }
    // Said before anything moves; the rest of the backup is still restored.
    QJsonArray json;
    for (const BackupManifest::Entry &e : qAsConst(manifest.unrestorable)) {
        // An entry the calculator garbled was backed up without a name.
        m_reporter.error(Reporter::printable(e.name.isEmpty()
                ? QStringLiteral("A file the calculator could not list can't be restored: %1.")
                      .arg(e.reason)
                : QStringLiteral("%1 can't be restored: %2.").arg(e.name, e.reason)));
        QJsonObject entry = Reporter::fileJson(e.name, e.size);
        entry.insert(QStringLiteral("status"), QStringLiteral("unrestorable"));
        entry.insert(QStringLiteral("reason"), e.reason);
        json.append(entry);
    }
    Listing files;
    if (!CalcRunner::listing(*m_link, m_reporter, files))
        return CalcRunner::Failed;
    QList<BatchPlanner::Item> items;
    for (const BackupManifest::Entry &e : qAsConst(manifest.files)) {
        BatchPlanner::Item item;
        item.localPath = QDir(folder).filePath(e.name);
        item.shown = Reporter::printable(QDir::toNativeSeparators(item.localPath));
        item.calcName = e.name;
        item.size = e.size;
        items.append(item);
    }
    BatchPlanner::markCalcCollisions(items, files);
    if (!settle(items, QStringLiteral("on the calculator")))
        return CalcRunner::Collision;

    // The calculator's own names go back as they were, not through the
    // name rule: a backup restores what the calculator held.
    QHash<QString, qint64> sent;
    int skipped = 0;
    for (int i = 0; i < items.size(); ++i) {
        if (stopped(items, i, QStringLiteral("sent"), json))
            break;
        const BatchPlanner::Item &item = items.at(i);
        QJsonObject entry = Reporter::fileJson(item.calcName, item.size);
        if (item.skip) {
            m_reporter.note(QStringLiteral("Skipped %1: it is already on the calculator.")
                                .arg(Reporter::printable(item.calcName)));
            entry.insert(QStringLiteral("status"), QStringLiteral("skipped"));
            ++skipped;
            json.append(entry);
            continue;
        }
        // Read as put reads: the file checked a moment ago may have been
        // swapped for a FIFO that would block an ordinary open for ever.
        QByteArray content;
        const UploadFile::Result read
            = UploadFile::read(item.localPath, CVivuRuza::maxUploadSize, content);
        bool ok = false;
        if (read == UploadFile::Result::NotRegular) {
            m_reporter.error(QStringLiteral("%1 is not a regular file any more; it was not sent.")
                                 .arg(item.shown));
        } else if (read != UploadFile::Result::Ok
            || BackupManifest::sha256(content) != manifest.files.at(i).sha256
            || content.size() != item.size) {
            m_reporter.error(QStringLiteral("%1 changed since it was checked; it was not sent.")
                                 .arg(item.shown));
        } else {
            if (m_progress)
                m_progress->begin(item.calcName, i + 1, items.size());
            VivuRuza::fileInf inf;
            inf.set_name(item.calcName.toStdString());
            inf.set_size(int(content.size()));
            ok = m_link->sendFile(inf, content);
            if (m_progress)
                m_progress->end();
            if (!ok)
                notePartialUpload(item.calcName);
        }
        if (ok) {
            m_reporter.line(
                QStringLiteral("%1 -> %2").arg(item.shown, Reporter::printable(item.calcName)));
            sent.insert(item.calcName, item.size);
        }
        entry.insert(
            QStringLiteral("status"), ok ? QStringLiteral("sent") : QStringLiteral("failed"));
        json.append(entry);
        if (!ok && lineLost(items, i, QStringLiteral("sent"), json))
            break;
    }
    m_reporter.result().insert(QStringLiteral("files"), json);

    // The calculator's own listing is the proof that the files arrived; an
    // interrupted command asks nothing more.
    bool verified = false;
    if (!interrupted() && CalcRunner::listing(*m_link, m_reporter, files)) {
        verified = true;
        for (auto it = sent.cbegin(); it != sent.cend(); ++it) {
            const bool there
                = std::any_of(files.cbegin(), files.cend(), [&it](const QPair<QString, int> &f) {
                      return f.first == it.key() && f.second == it.value();
                  });
            if (!there) {
                verified = false;
                m_reporter.error(
                    QStringLiteral("After the restore, %1 is not on the calculator with "
                                   "its %2 bytes.")
                        .arg(Reporter::printable(it.key()))
                        .arg(it.value()));
            }
        }
    }
    m_reporter.result().insert(QStringLiteral("verified"), verified);
    m_reporter.setSummary(QStringLiteral("restored %1, skipped %2 from %3")
                              .arg(sent.size())
                              .arg(skipped)
                              .arg(QDir::toNativeSeparators(folder)));
    return verified ? CalcRunner::Done : CalcRunner::Failed;
}
