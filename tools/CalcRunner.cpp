#include "CalcRunner.h"

#include "BackupWriter.h"
#include "BatchRunner.h"
#include "CVivuRuza.h"
#include "CollectWriter.h"
#include "ErrorMeaning.h"
#include "FrameCodec.h"
#include "NamePattern.h"
#include "PortProblem.h"
#include "ProgressLine.h"
#include "Reporter.h"
#include "SyncRunner.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>

CalcRunner::CalcRunner(
    const CtlOptions &options, Reporter &reporter, ProgressLine *progress, ConflictAsker *asker)
    : m_options(options)
    , m_reporter(reporter)
    , m_progress(progress)
    , m_asker(asker)
{
}

int CalcRunner::run(const QString &port)
{
    m_port = port;
    m_reporter.result().insert(QStringLiteral("port"), port);
    // Built without a port so that the opening exchange's result can be told.
    // The link's own reports during the opening are summed up by what the
    // port's problem means to the user, so they are not shown on their own.
    CVivuRuza link(QString(), nullptr);
    if (!link.openPort(port)) {
        const QString problem
            = FrameCodec::stopRequested() ? FrameCodec::stoppedText() : link.portErrorText();
        m_reporter.error(problem.isEmpty() ? PortProblem::silent(port) : problem);
        return finished(Failed);
    }
    m_link = &link;
    m_reporter.result().insert(QStringLiteral("device"), link.devName());
    // The link's text, then which file and calculator and what to do.
    m_linkErrors = QObject::connect(&link, &CVivuRuza::errorNotify,
        [this, &link](const QString &text) { report(m_reporter, text, link.errorDetail()); });
    if (m_progress)
        link.setProgressHandler(
            [this](qint64 done, qint64 total) { m_progress->update(done, total); });
    // A station's --name comes before its action, so that a collect's
    // folder and receipt carry the new name; a calculator that refused it
    // gets nothing else done.
    int code = Done;
    if (!m_options.renameFirst.isEmpty() && m_options.command != QLatin1String("rename"))
        code = rename(m_options.renameFirst);
    if (code == Done)
        code = dispatch();
    link.setProgressHandler(nullptr);
    m_link = nullptr;
    return finished(code);
}

// A failure reported on the way fails the command even where its own steps
// went on.
int CalcRunner::finished(int code) const
{
    if (code == Done && m_reporter.failed())
        code = Failed;
    m_reporter.finish(code == Done);
    return code;
}

int CalcRunner::dispatch()
{
    const QString &c = m_options.command;
    if (c == QLatin1String("info"))
        return info();
    if (c == QLatin1String("ls"))
        return list();
    if (c == QLatin1String("rename"))
        return rename();
    if (c == QLatin1String("backup"))
        return backup();
    if (c == QLatin1String("collect"))
        return collect();
    if (c == QLatin1String("diff") || c == QLatin1String("sync")) {
        SyncRunner sync(m_options, m_reporter, m_progress, *m_link, m_port);
        return c == QLatin1String("diff") ? sync.diff() : sync.sync();
    }
    BatchRunner batch(m_options, m_reporter, m_progress, m_asker, *m_link, m_port);
    if (c == QLatin1String("get"))
        return batch.get();
    if (c == QLatin1String("put"))
        return batch.put();
    if (c == QLatin1String("rm"))
        return batch.remove();
    if (c == QLatin1String("restore"))
        return batch.restore();
    return Usage;
}

int CalcRunner::info()
{
    const CVivuRuza &link = *m_link;
    m_reporter.line(tr("name: %1").arg(Reporter::printable(link.devName())));
    m_reporter.line(tr("chunk size: %1").arg(link.chunkSize));
    m_reporter.line(tr("hardware: %1").arg(Reporter::printable(link.HV)));
    m_reporter.line(tr("firmware: %1").arg(Reporter::printable(link.FV)));
    m_reporter.line(tr("protocol version: %1").arg(Reporter::printable(link.PV)));
    QJsonObject &r = m_reporter.result();
    r.insert(QStringLiteral("chunk"), link.chunkSize);
    r.insert(QStringLiteral("hv"), link.HV);
    r.insert(QStringLiteral("fv"), link.FV);
    r.insert(QStringLiteral("pv"), link.PV);
    //: %1 is the chunk size; %2, %3 and %4 the hardware, firmware and protocol versions.
    m_reporter.setSummary(tr("chunk %1, %2 %3 %4")
                              .arg(QString::number(link.chunkSize), Reporter::printable(link.HV),
                                  Reporter::printable(link.FV), Reporter::printable(link.PV)));
    return Done;
}

void CalcRunner::report(Reporter &reporter, const QString &text, const QString &detail)
{
    reporter.error(Reporter::printable(ErrorMeaning::joined(text, detail)));
}

TransferEvents CalcRunner::events(Reporter &reporter, ProgressLine *progress)
{
    TransferEvents events;
    events.problem = [&reporter](const QString &text, const QString &detail) {
        report(reporter, text, detail);
    };
    if (progress) {
        events.fileStarted = [progress](const QString &name, int number, int count) {
            progress->begin(name, number, count);
        };
        events.fileDone = [progress](int, const TransferOutcome &) { progress->end(); };
    }
    return events;
}

bool CalcRunner::listing(CVivuRuza &link, Reporter &reporter, QList<QPair<QString, int>> &files)
{
    if (link.listFiles(files)) {
        // The good entries serve, but a list with holes fails the command;
        // a command that lists twice tells of each hole once.
        const QStringList skipped = link.skippedEntries();
        for (const QString &text : skipped) {
            if (!reporter.errors().contains(text))
                reporter.error(text);
        }
        return true;
    }
    if (link.errorString().isEmpty())
        reporter.error(tr("The calculator's file list could not be read."));
    return false;
}

int CalcRunner::list()
{
    QList<QPair<QString, int>> files;
    if (!listing(*m_link, m_reporter, files))
        return Failed;
    QJsonArray json;
    qint64 total = 0;
    for (const auto &file : qAsConst(files)) {
        m_reporter.line(QStringLiteral("%1\t%2").arg(
            Reporter::printable(file.first), QString::number(file.second)));
        json.append(Reporter::fileJson(file.first, file.second));
        total += file.second;
    }
    m_reporter.result().insert(QStringLiteral("files"), json);
    m_reporter.setSummary(QStringLiteral("%1, %2").arg(
        Reporter::filesText(files.size()), ProgressLine::bytes(total)));
    return Done;
}

int CalcRunner::rename()
{
    return rename(m_options.args.value(0));
}

int CalcRunner::rename(const QString &newName)
{
    const QString previous = m_link->devName();
    m_reporter.result().insert(QStringLiteral("previous"), previous);
    // A station's numbers grow wider as they go.
    if (newName.size() > NamePattern::longestName) {
        //: %1 is the name a station's --name gave this calculator.
        m_reporter.error(tr("The name %1 has %2 characters, more than a device name can have; "
                            "the calculator keeps its name.")
                             .arg(newName, QString::number(newName.size())));
        return Failed;
    }
    if (!m_link->changeName(newName)) {
        if (m_link->errorString().isEmpty())
            m_reporter.error(tr("The calculator refused the name %1.").arg(newName));
        return Failed;
    }
    m_reporter.result().insert(QStringLiteral("device"), newName);
    m_reporter.setSummary(tr("renamed to %1").arg(newName));
    return Done;
}

int CalcRunner::backup()
{
    const QString parent = m_options.folder.isEmpty() ? QDir::currentPath() : m_options.folder;
    BackupWriter writer(*m_link, events(m_reporter, m_progress));
    const bool finished = writer.run(parent, m_port);
    const BackupManifest &manifest = writer.manifest();
    // Complete means that restore can give the calculator back all it held.
    const bool complete = finished && manifest.unrestorable.isEmpty();
    QJsonObject &r = m_reporter.result();
    r.insert(QStringLiteral("folder"), writer.folder());
    r.insert(QStringLiteral("complete"), complete);
    r.insert(QStringLiteral("files"), BackupManifest::toJson(manifest.files));
    if (!manifest.unrestorable.isEmpty())
        r.insert(QStringLiteral("unrestorable"), BackupManifest::toJson(manifest.unrestorable));
    if (!finished) {
        if (!writer.folder().isEmpty())
            //: One of the things left part-way, in "Interrupted; %1.".
            m_reporter.leftPartial(tr("the backup in %1 is marked incomplete")
                                       .arg(QDir::toNativeSeparators(writer.folder())));
        return Failed;
    }
    m_reporter.line(QDir::toNativeSeparators(writer.folder()));
    m_reporter.setSummary(tr("%n files in %1", nullptr, manifest.files.size())
                              .arg(QDir::toNativeSeparators(writer.folder())));
    return complete ? Done : Failed;
}

// Names of files, as many as a line can take in; the rest are counted.
QString CalcRunner::someNames(const QStringList &names)
{
    constexpr int named = 5;
    QStringList shown;
    for (const QString &name : names.mid(0, named))
        shown.append(Reporter::printable(name));
    const QString list = shown.join(QStringLiteral(", "));
    if (names.size() <= named)
        return list;
    //: %1 lists the first names; %n counts the names left out.
    return tr("%1 and %n more", nullptr, int(names.size()) - named).arg(list);
}

int CalcRunner::collect()
{
    const QString parent = QDir(m_options.folder).absolutePath();
    // Ctrl+C stops the writer between files as well as within one, so that
    // nothing it did not collect is deleted.
    m_link->setCancelCheck([] { return FrameCodec::stopRequested(); });
    TransferEvents told = events(m_reporter, m_progress);
    if (m_progress) {
        // The writer tells when a file starts, not when it is done: the one
        // before is done when the next one starts, the last when it returns.
        told.fileStarted = [this](const QString &name, int number, int count) {
            m_progress->end();
            m_progress->begin(name, number, count);
        };
    }
    CollectWriter writer(*m_link, told);
    writer.setClear(m_options.clear);
    writer.setSerial(m_serial);
    // The writer tells each of the link's failures itself, with the file it
    // cost; said by the link too, each would be said twice.
    QObject::disconnect(m_linkErrors);
    const bool done = writer.run(parent);
    if (m_progress)
        m_progress->end();
    m_link->setCancelCheck(nullptr);
    const bool stopped = writer.cancelled() || FrameCodec::stopRequested();

    using Outcome = CollectWriter::Outcome;
    QJsonArray files;
    for (const CollectWriter::Entry &e : writer.entries()) {
        if (e.name.isEmpty())
            continue;
        QJsonObject file = Reporter::fileJson(e.name, e.size);
        file.insert(QStringLiteral("sha256"),
            e.sha256.isEmpty() ? QJsonValue() : QJsonValue(QString::fromLatin1(e.sha256)));
        file.insert(QStringLiteral("outcome"), CollectWriter::outcomeWord(e.outcome));
        file.insert(QStringLiteral("reason"), e.reason);
        files.append(file);
    }
    const QString folder = writer.folder();
    const int cleared = writer.count(Outcome::Cleared);
    const int collected = writer.count(Outcome::Collected) + cleared;
    const QStringList missing = writer.missing();
    QJsonObject &r = m_reporter.result();
    r.insert(QStringLiteral("folder"), folder.isEmpty() ? QJsonValue() : QJsonValue(folder));
    r.insert(QStringLiteral("receipt"),
        QDir(parent).filePath(QLatin1String(CollectWriter::receiptName)));
    r.insert(QStringLiteral("clear"), m_options.clear);
    r.insert(QStringLiteral("collected"), collected);
    r.insert(QStringLiteral("cleared"), cleared);
    r.insert(QStringLiteral("failed"), int(missing.size()));
    r.insert(QStringLiteral("files"), files);

    const QString shownFolder = QDir::toNativeSeparators(folder);
    // Each file's reason was told as it failed; the last word names every
    // file the calculator still holds that the folder lacks.
    if (!missing.isEmpty())
        //: %1 lists the files.
        m_reporter.error(tr("%n files were not collected: %1.", nullptr, int(missing.size()))
                             .arg(someNames(missing)));
    if (m_options.clear) {
        QStringList kept;
        for (const CollectWriter::Entry &e : writer.entries()) {
            if (e.outcome == Outcome::Collected)
                kept.append(e.name);
        }
        if (!kept.isEmpty())
            //: %1 lists the files, which are in the folder and still on the calculator.
            m_reporter.error(tr("%n files were collected but not deleted on the calculator: %1.",
                nullptr, int(kept.size()))
                                 .arg(someNames(kept)));
    }
    if (stopped && !folder.isEmpty() && !missing.isEmpty())
        //: One of the things left part-way, in "Interrupted; %1.".
        m_reporter.leftPartial(tr("the collection in %1 lacks files; %2 says which")
                                   .arg(shownFolder,
                                       QDir::toNativeSeparators(QDir(parent).filePath(
                                           QLatin1String(CollectWriter::receiptName)))));
    if (!folder.isEmpty())
        m_reporter.line(shownFolder);
    if (!done)
        return Failed;
    m_reporter.setSummary(m_options.clear
            //: %1 is the folder the files are in.
            ? tr("collected and cleared %n files into %1", nullptr, cleared).arg(shownFolder)
            : tr("collected %n files into %1", nullptr, collected).arg(shownFolder));
    return Done;
}
