#include "CalcRunner.h"

#include "BackupManifest.h"
#include "BackupWriter.h"
#include "CVivuRuza.h"
#include "ConflictAsker.h"
#include "PortProblem.h"
#include "ProgressLine.h"
#include "Reporter.h"
#include "serializeData.pb.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QUrl>

namespace {
QJsonObject fileJson(const QString &name, qint64 size)
{
    return QJsonObject { { QStringLiteral("name"), name },
        { QStringLiteral("size"), double(size) } };
}

QString countOf(int n, const char *what)
{
    return QStringLiteral("%1 %2%3")
        .arg(n)
        .arg(QLatin1String(what))
        .arg(n == 1 ? QString() : QStringLiteral("s"));
}
} // namespace

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
        const QString problem = link.portErrorText();
        m_reporter.error(problem.isEmpty() ? PortProblem::silent(port) : problem);
        return finished(Failed);
    }
    m_link = &link;
    m_reporter.result().insert(QStringLiteral("device"), link.devName());
    QObject::connect(&link, &CVivuRuza::errorNotify,
        [this](const QString &text) { m_reporter.error(Reporter::printable(text)); });
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
    if (c == QLatin1String("get"))
        return get();
    if (c == QLatin1String("put"))
        return put();
    if (c == QLatin1String("rm"))
        return remove();
    if (c == QLatin1String("rename"))
        return rename();
    if (c == QLatin1String("backup"))
        return backup();
    if (c == QLatin1String("restore"))
        return restore();
    return Usage;
}

int CalcRunner::info()
{
    const CVivuRuza &link = *m_link;
    m_reporter.line(QStringLiteral("name: ") + Reporter::printable(link.devName()));
    m_reporter.line(QStringLiteral("chunk: %1").arg(link.chunkSize));
    m_reporter.line(QStringLiteral("hv: ") + Reporter::printable(link.HV));
    m_reporter.line(QStringLiteral("fv: ") + Reporter::printable(link.FV));
    m_reporter.line(QStringLiteral("pv: ") + Reporter::printable(link.PV));
    QJsonObject &r = m_reporter.result();
    r.insert(QStringLiteral("chunk"), link.chunkSize);
    r.insert(QStringLiteral("hv"), link.HV);
    r.insert(QStringLiteral("fv"), link.FV);
    r.insert(QStringLiteral("pv"), link.PV);
    m_reporter.setSummary(QStringLiteral("chunk %1, %2 %3 %4")
                              .arg(link.chunkSize)
                              .arg(Reporter::printable(link.HV), Reporter::printable(link.FV),
                                  Reporter::printable(link.PV)));
    return Done;
}

bool CalcRunner::listing(BatchPlanner::Listing &files)
{
    const int before = m_reporter.errors().size();
    if (m_link->listFiles(files))
        return true;
    if (m_reporter.errors().size() == before)
        m_reporter.error(QStringLiteral("The calculator's file list could not be read."));
    return false;
}

int CalcRunner::list()
{
    BatchPlanner::Listing files;
    if (!listing(files))
        return Failed;
    QJsonArray json;
    qint64 total = 0;
    for (const auto &file : qAsConst(files)) {
        m_reporter.line(
            QStringLiteral("%1\t%2").arg(Reporter::printable(file.first)).arg(file.second));
        json.append(fileJson(file.first, file.second));
        total += file.second;
    }
    m_reporter.result().insert(QStringLiteral("files"), json);
    m_reporter.setSummary(
        QStringLiteral("%1, %2").arg(countOf(files.size(), "file"), ProgressLine::bytes(total)));
    return Done;
}

// Collisions settled by the policy or by the person at the terminal; false
// (and nothing may be transferred) when the policy is to fail.
bool CalcRunner::settle(QList<BatchPlanner::Item> &items, const QString &where)
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
// wait as long again: the rest of the batch is given up and named.
bool CalcRunner::lineLost(
    const QList<BatchPlanner::Item> &items, int failed, const QString &what, QJsonArray &json)
{
    if (!m_link->lineLost())
        return false;
    QStringList rest;
    for (int i = failed + 1; i < items.size(); ++i) {
        const BatchPlanner::Item &item = items.at(i);
        if (item.skip)
            continue;
        rest.append(Reporter::printable(item.calcName));
        QJsonObject entry = fileJson(item.calcName, item.size);
        if (m_options.command == QLatin1String("put"))
            entry.insert(QStringLiteral("local"), item.localPath);
        else if (m_options.command == QLatin1String("get"))
            entry.insert(QStringLiteral("path"), item.localPath);
        entry.insert(QStringLiteral("status"), QStringLiteral("failed"));
        json.append(entry);
    }
    if (!rest.isEmpty())
        m_reporter.error(QStringLiteral("The calculator stopped answering, so these files were "
                                        "not %1: %2.")
                             .arg(what, rest.join(QStringLiteral(", "))));
    return true;
}

int CalcRunner::get()
{
    const QString folder = m_options.folder.isEmpty() ? QDir::currentPath() : m_options.folder;
    if (!QFileInfo(folder).isDir()) {
        m_reporter.error(
            QStringLiteral("Folder %1 does not exist.").arg(QDir::toNativeSeparators(folder)));
        return Failed;
    }
    QString dest = QDir(folder).absolutePath();
    // Calculators of a class hold files of the same names: each one's go into
    // a folder of its own, named after it and its port.
    if (m_options.every) {
        const QString own = QStringLiteral("%1 (%2)").arg(
            BackupWriter::folderNameOf(m_link->devName()), QFileInfo(m_port).fileName());
        if (!QDir(dest).mkpath(own)) {
            m_reporter.error(QStringLiteral("Folder %1 can't be made.")
                                 .arg(QDir::toNativeSeparators(QDir(dest).filePath(own))));
            return Failed;
        }
        dest = QDir(dest).filePath(own);
    }
    m_reporter.result().insert(QStringLiteral("folder"), dest);
    BatchPlanner::Listing files;
    if (!listing(files))
        return Failed;
    QStringList problems;
    QList<BatchPlanner::Item> items
        = BatchPlanner::select(m_options.args, m_options.allFiles, files, problems);
    for (const QString &problem : qAsConst(problems))
        m_reporter.error(problem);
    BatchPlanner::markLocalCollisions(items, dest);
    if (!settle(items, QStringLiteral("in %1").arg(QDir::toNativeSeparators(dest))))
        return Collision;

    QJsonArray json;
    int copied = 0;
    int skipped = 0;
    for (int i = 0; i < items.size(); ++i) {
        const BatchPlanner::Item &item = items.at(i);
        QJsonObject entry = fileJson(item.calcName, item.size);
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
            m_reporter.line(QDir::toNativeSeparators(written.first().toLocalFile()));
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
    return problems.isEmpty() ? Done : Failed;
}

int CalcRunner::put()
{
    QStringList refusals;
    QList<BatchPlanner::Item> items = BatchPlanner::planUpload(m_options.args, refusals);
    if (!refusals.isEmpty()) {
        for (const QString &refusal : qAsConst(refusals))
            m_reporter.error(refusal);
        m_reporter.error(QStringLiteral("Nothing was sent."));
        return Failed;
    }
    BatchPlanner::Listing files;
    if (!listing(files))
        return Failed;
    BatchPlanner::markCalcCollisions(items, files);
    if (!settle(items, QStringLiteral("on the calculator")))
        return Collision;

    QJsonArray json;
    int sent = 0;
    int skipped = 0;
    for (int i = 0; i < items.size(); ++i) {
        const BatchPlanner::Item &item = items.at(i);
        QJsonObject entry = fileJson(item.calcName, item.size);
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
        } else if (m_reporter.errors().size() == errors) {
            m_reporter.error(QStringLiteral("File %1 was not sent.").arg(item.shown));
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
    return Done;
}

int CalcRunner::remove()
{
    BatchPlanner::Listing files;
    if (!listing(files))
        return Failed;
    QStringList problems;
    const QList<BatchPlanner::Item> items
        = BatchPlanner::select(m_options.args, m_options.allFiles, files, problems);
    for (const QString &problem : qAsConst(problems))
        m_reporter.error(problem);
    QJsonArray json;
    int deleted = 0;
    for (int i = 0; i < items.size(); ++i) {
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
        QJsonObject entry = fileJson(item.calcName, item.size);
        entry.insert(
            QStringLiteral("status"), done ? QStringLiteral("deleted") : QStringLiteral("failed"));
        json.append(entry);
        if (!done && lineLost(items, i, QStringLiteral("deleted"), json))
            break;
    }
    m_reporter.result().insert(QStringLiteral("files"), json);
    m_reporter.setSummary(QStringLiteral("deleted %1").arg(countOf(deleted, "file")));
    return problems.isEmpty() ? Done : Failed;
}

int CalcRunner::rename()
{
    const QString newName = m_options.args.value(0);
    const QString previous = m_link->devName();
    m_reporter.result().insert(QStringLiteral("previous"), previous);
    const int errors = m_reporter.errors().size();
    if (!m_link->changeName(newName)) {
        if (m_reporter.errors().size() == errors)
            m_reporter.error(QStringLiteral("The calculator refused the name %1.").arg(newName));
        return Failed;
    }
    m_reporter.result().insert(QStringLiteral("device"), newName);
    m_reporter.setSummary(QStringLiteral("renamed to %1").arg(newName));
    return Done;
}

int CalcRunner::backup()
{
    const QString parent = m_options.folder.isEmpty() ? QDir::currentPath() : m_options.folder;
    BackupWriter writer(*m_link, m_reporter, m_progress);
    const bool complete = writer.run(parent, m_port);
    QJsonObject &r = m_reporter.result();
    r.insert(QStringLiteral("folder"), writer.folder());
    r.insert(QStringLiteral("complete"), complete);
    r.insert(QStringLiteral("files"), writer.manifest().toJson().value(QStringLiteral("files")));
    if (!complete)
        return Failed;
    m_reporter.line(QDir::toNativeSeparators(writer.folder()));
    m_reporter.setSummary(QStringLiteral("%1 in %2")
                              .arg(countOf(writer.manifest().files.size(), "file"),
                                  QDir::toNativeSeparators(writer.folder())));
    return Done;
}

int CalcRunner::restore()
{
    const QString folder = QDir(m_options.folder).absolutePath();
    m_reporter.result().insert(QStringLiteral("folder"), folder);
    BackupManifest manifest;
    QString error;
    if (QFileInfo::exists(QDir(folder).filePath(QLatin1String(BackupWriter::incompleteNote)))) {
        m_reporter.error(QStringLiteral("The backup in %1 is not complete; nothing was sent.")
                             .arg(QDir::toNativeSeparators(folder)));
        return Failed;
    }
    if (!manifest.load(folder, error)) {
        m_reporter.error(error);
        return Failed;
    }
    const QStringList problems = manifest.check(folder);
    if (!problems.isEmpty()) {
        for (const QString &problem : problems)
            m_reporter.error(problem);
        m_reporter.error(QStringLiteral("Nothing was sent."));
        return Failed;
    }
    BatchPlanner::Listing files;
    if (!listing(files))
        return Failed;
    QList<BatchPlanner::Item> items;
    for (const BackupManifest::Entry &e : qAsConst(manifest.files)) {
        BatchPlanner::Item item;
        item.localPath = QDir(folder).filePath(e.name);
        item.shown = QDir::toNativeSeparators(item.localPath);
        item.calcName = e.name;
        item.size = e.size;
        items.append(item);
    }
    BatchPlanner::markCalcCollisions(items, files);
    if (!settle(items, QStringLiteral("on the calculator")))
        return Collision;

    // The calculator's own names go back as they were, not through the
    // name rule: a backup restores what the calculator held.
    QJsonArray json;
    QHash<QString, qint64> sent;
    int skipped = 0;
    for (int i = 0; i < items.size(); ++i) {
        const BatchPlanner::Item &item = items.at(i);
        QJsonObject entry = fileJson(item.calcName, item.size);
        if (item.skip) {
            m_reporter.note(QStringLiteral("Skipped %1: it is already on the calculator.")
                                .arg(Reporter::printable(item.calcName)));
            entry.insert(QStringLiteral("status"), QStringLiteral("skipped"));
            ++skipped;
            json.append(entry);
            continue;
        }
        QFile in(item.localPath);
        QByteArray content;
        if (in.open(QIODevice::ReadOnly))
            content = in.read(qint64(CVivuRuza::maxUploadSize) + 1);
        bool ok = false;
        if (BackupManifest::sha256(content) != manifest.files.at(i).sha256
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

    // The calculator's own listing is the proof that the files arrived.
    bool verified = false;
    if (listing(files)) {
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
    return verified ? Done : Failed;
}
