#ifndef CTLOPTIONS_H
#define CTLOPTIONS_H

#include <QString>
#include <QStringList>

// What the command line asked for, checked and settled before any calculator
// is opened; the same for every calculator a command runs on.
struct CtlOptions
{
    enum class Conflict { Ask, Replace, Skip, Fail };

    QString command;
    QStringList args;
    QStringList ports; // --port, in the order given
    QString calcName; // --calc
    bool hasCalcName = false;
    bool every = false;
    bool json = false;
    bool progress = false;
    bool allFiles = false;
    Conflict conflict = Conflict::Fail;
    QString folder; // get --to, backup's and collect's parent folder, restore's backup, diff's
                    // and sync's
    bool verify = false; // each file sent is read back and compared
    // station: --send, --backup, --sync or --collect (or none beside a
    // --name), and whether the calculators attached at the start are served
    // too.
    enum class Station { None, Send, Backup, Sync, Collect, Name };
    Station station = Station::None;
    bool now = false;
    // diff and sync: names and sizes only; extra files deleted; nothing
    // changed, only told.
    bool quick = false;
    bool deleteExtra = false;
    bool dryRun = false;
    // collect and station --collect: delete on the calculator what was
    // collected.
    bool clear = false;
    // station --name: the pattern each calculator plugged in is renamed by,
    // before anything else, and the number the first one gets.
    QString namePattern;
    qint64 firstNumber = 1;
    // The name one calculator gets before its command runs (a station's
    // --name, worked out for that calculator); empty: it keeps its own.
    QString renameFirst;
};

#endif // CTLOPTIONS_H
