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
    QString folder; // get --to, backup's parent folder, restore's backup, diff's and sync's
    bool verify = false; // each file sent is read back and compared
    // station: --send or --backup, and whether the calculators attached at
    // the start are served too.
    enum class Station { None, Send, Backup, Sync };
    Station station = Station::None;
    bool now = false;
    // diff and sync: names and sizes only; extra files deleted; nothing
    // changed, only told.
    bool quick = false;
    bool deleteExtra = false;
    bool dryRun = false;
};

#endif // CTLOPTIONS_H
