#ifndef VUVECTL_H
#define VUVECTL_H

#include <QElapsedTimer>
#include <QPair>
#include <QStringList>
#include <QTextStream>

class CVivuRuza;

// The command-line tool: one command on one calculator, on the same link code
// as the app. Returns the process exit code: 0 done, 1 failed, 2 usage.
class VuveCtl
{
public:
    VuveCtl();
    int run(const QStringList &arguments);

private:
    int usage(const QString &message);
    int ports();
    int info(CVivuRuza &link);
    int list(CVivuRuza &link);
    int get(CVivuRuza &link, const QStringList &names, const QString &folder);
    int put(CVivuRuza &link, const QStringList &paths);
    int remove(CVivuRuza &link, const QStringList &names);
    int rename(CVivuRuza &link, const QString &newName);

    bool listed(CVivuRuza &link, const QStringList &names, QList<QPair<QString, int>> &found);
    void fail(const QString &text);
    static QString printable(const QString &text);
    void showProgress(qint64 done, qint64 total);
    void endProgress();

    QTextStream m_out;
    QTextStream m_err;
    QString m_usage;
    bool m_failed = false;
    bool m_progressShown = false;
    bool m_terminal = false;
    QElapsedTimer m_clock;
};

#endif // VUVECTL_H
