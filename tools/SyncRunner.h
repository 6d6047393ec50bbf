#ifndef SYNCRUNNER_H
#define SYNCRUNNER_H

#include "CtlOptions.h"
#include "FolderCompare.h"

#include <QCoreApplication>
#include <QJsonObject>
#include <QString>

class CVivuRuza;
class ProgressLine;
class Reporter;

// diff and sync on an open link: the folder's regular files against the
// calculator's (FolderCompare), then, for sync, the missing ones sent, the
// different ones replaced and, when asked, the extra ones deleted. Nothing on
// the computer is ever written or deleted. Each returns its exit code.
class SyncRunner
{
    Q_DECLARE_TR_FUNCTIONS(SyncRunner)

public:
    SyncRunner(const CtlOptions &options, Reporter &reporter, ProgressLine *progress,
        CVivuRuza &link, const QString &port);

    int diff();
    int sync();

    // The comment line that opens the output of a compare by names and
    // sizes only; scripts skip lines that begin with "#".
    static QString quickLine();
    // What each file of a sync comes to, in the words scripts read.
    enum class Action { Keep, Send, Replace, Delete };
    static QString actionWord(Action action);

private:
    // Reads the folder, lists the calculator and compares them; false (each
    // failure reported) when there is nothing to go on.
    bool compared(FolderCompare &compare);
    // One line of text output; with --every it begins with the calculator's
    // name and port, so the lines of several can be told apart.
    void line(const QString &text);
    QJsonObject entryJson(const FolderCompare::Entry &entry) const;
    Action actionOf(const FolderCompare::Entry &entry) const;

    const CtlOptions &m_options;
    Reporter &m_reporter;
    ProgressLine *m_progress;
    CVivuRuza *m_link;
    QString m_port;
};

#endif // SYNCRUNNER_H
