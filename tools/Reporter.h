#ifndef REPORTER_H
#define REPORTER_H

#include <QCoreApplication>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <cstdio>

class ProgressLine;

// Where one command's results go on one calculator: lines of text on stdout
// and failures on stderr as they happen, or one JSON object at the end. A
// collecting reporter prints nothing as it goes; its owner has it print one
// line at the end (printLine: what --every and the station do, one reporter
// per calculator and thread).
class Reporter
{
    Q_DECLARE_TR_FUNCTIONS(Reporter)

public:
    Reporter(bool json, bool collectOnly);

    bool json() const { return m_json; }
    bool collecting() const { return m_collect; }
    void setProgress(ProgressLine *progress) { m_progress = progress; }

    // A line of the command's text output; JSON mode leaves it out.
    void line(const QString &text);
    // The lines a collecting reporter kept, for its owner to print.
    QStringList lines() const { return m_lines; }
    // A failure the user must see; the command then ends with a non-zero code.
    void error(const QString &text);
    // Worth knowing but no failure, such as a file skipped on request.
    void note(const QString &text);

    // The command's own keys of its JSON object.
    QJsonObject &result() { return m_result; }
    QStringList errors() const { return m_errors; }
    bool failed() const { return !m_errors.isEmpty(); }
    // What one line of --every says about this calculator when it went well.
    void setSummary(const QString &summary) { m_summary = summary; }
    QString summary() const { return m_summary; }
    // What the command left half done (a backup marked incomplete, a file
    // the calculator may hold in part), for the words on an interruption.
    void leftPartial(const QString &what) { m_partial.append(what); }
    QStringList partial() const { return m_partial; }
    // The last word on an interruption: what the commands left part-way.
    static QString interruptedLine(const QStringList &partial);

    // The whole JSON object: ok, errors and the command's keys.
    QJsonObject document(bool ok) const;
    // Ends the command: prints the JSON document unless collecting.
    void finish(bool ok);
    // The one line --every and the station print for a calculator once it is
    // done: doc on one line with --json; otherwise the device name, the port,
    // the caller's columns and the summary (or the errors), tab-separated.
    void printLine(
        const QJsonObject &doc, bool ok, const QString &port, const QStringList &columns) const;

    // A file in the JSON results: its name on the calculator and its size.
    static QJsonObject fileJson(const QString &name, qint64 size);
    // "1 file", "2 files".
    static QString filesText(int n);
    // Text from the device must not reach a terminal as control characters,
    // nor with bidi controls, which are left out.
    static QString printable(const QString &text);
    // One whole line to a stream, flushed at once so that stdout and stderr
    // keep their order on a terminal.
    static void print(FILE *stream, const QString &text);

private:
    bool m_json;
    bool m_collect;
    ProgressLine *m_progress = nullptr;
    QJsonObject m_result;
    QStringList m_errors;
    QString m_summary;
    QStringList m_partial;
    QStringList m_lines;
};

#endif // REPORTER_H
