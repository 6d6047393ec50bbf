#ifndef CLASSSENDPLAN_H
#define CLASSSENDPLAN_H

#include <QCoreApplication>
#include <QList>
#include <QPair>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QUrl>

class CVoriWorker;

// The files of a send to several calculators planned for each against its
// own last listing: a name is taken on some and free on others, and the one
// answer settles all of them. What the plans found is told once for the
// whole class; a file no calculator can take is left out of every batch.
class ClassSendPlan
{
    Q_DECLARE_TR_FUNCTIONS(ClassSendPlan)
public:
    struct Target
    {
        QPointer<CVoriWorker> worker;
        QList<QPair<QString, QString>> files; // local path, calculator name
        QStringList taken; // calculator names it already holds
    };

    void plan(const QList<QUrl> &urls, const QList<CVoriWorker *> &calculators);
    // The answer for the taken names: replaced, or left out of each batch.
    void settle(bool replace);
    // What a station sends to every calculator, whatever it holds: each file
    // under its calculator name, none of a pair that would share one.
    QList<QPair<QString, QString>> planForAny(const QList<QUrl> &urls);
    void clear();

    const QList<Target> &targets() const { return m_targets; }
    int mostFiles() const;
    // Names taken on at least one calculator, name changes ("old name → new
    // name"), those that only put a name in upper case, zero-length files,
    // files no calculator can take ("name (why)"), and each pair of files
    // that would get one calculator name.
    QStringList taken() const { return m_taken; }
    QStringList nameChanges() const { return m_nameChanges; }
    QStringList caseChanges() const { return m_caseChanges; }
    QStringList emptyFiles() const { return m_empty; }
    QStringList refusedFiles() const { return m_refused; }
    QStringList sameNames() const { return m_sameNames; }

private:
    QList<Target> m_targets;
    QStringList m_taken;
    QStringList m_nameChanges;
    QStringList m_caseChanges;
    QStringList m_empty;
    QStringList m_refused;
    QStringList m_sameNames;
};

#endif // CLASSSENDPLAN_H
