#ifndef BATCHPLANNER_H
#define BATCHPLANNER_H

#include "CtlOptions.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <functional>

class ConflictAsker;

// Decides, before anything is transferred, what a batch will do: the window's
// rules without a window. Uploads get their calculator names by the 8.3 rule
// and are refused as a whole when one of them cannot go; names already taken
// (on the calculator, or in the local folder of a download) are collisions
// that a policy or the person at the terminal settles.
class BatchPlanner
{
public:
    struct Item
    {
        QString localPath; // absolute
        QString shown; // the local path as the user wrote it
        QString calcName;
        qint64 size = 0;
        bool collides = false;
        bool skip = false;
    };
    using Listing = QList<QPair<QString, int>>;

    // One item per local file. Any refusal (a file that cannot be sent, two
    // files that would get one calculator name) means nothing may be sent.
    static QList<Item> planUpload(const QStringList &paths, QStringList &refusals);
    // The name the calculator will hold, as the link converts it once more.
    static QString calcNameOf(const QString &fileName);
    // Names are compared as the window compares them, ignoring case.
    static void markCalcCollisions(QList<Item> &items, const Listing &onCalc);

    // Files of the listing named, or matched by a shell pattern (*, ?, [...]),
    // each once, in listing order. An argument that is a listed name means
    // that file only, even where it could be read as a pattern. Every name or
    // pattern that finds nothing, and a pattern that is not one, is a problem.
    static QList<Item> select(const QStringList &namesOrPatterns, bool allFiles,
        const Listing &onCalc, QStringList &problems);
    static void markLocalCollisions(QList<Item> &items, const QString &folder);

    // Settles every collision: replaced (kept) or skipped. False when the
    // policy is to fail, and the batch must not start.
    static bool settle(QList<Item> &items, CtlOptions::Conflict policy, ConflictAsker *asker,
        const std::function<QString(const Item &)> &question);
    static QStringList collisions(const QList<Item> &items);
    static bool isPattern(const QString &text);
};

#endif // BATCHPLANNER_H
