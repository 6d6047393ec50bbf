#include "CalcRunner.h"

#include "BackupWriter.h"
#include "BatchRunner.h"
#include "CVivuRuza.h"
#include "ErrorMeaning.h"
#include "FrameCodec.h"
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
    QObject::connect(&link, &CVivuRuza::errorNotify,
        [this, &link](const QString &text) { report(m_reporter, text, link.errorDetail()); });
    if (m_progress)
        link.setProgressHandler(
            [this](qint64 done, qint64 total) { m_progress->update(done, total); });
    const int code = dispatch();
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
    const QString newName = m_options.args.value(0);
    const QString previous = m_link->devName();
    m_reporter.result().insert(QStringLiteral("previous"), previous);
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
