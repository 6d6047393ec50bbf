#ifndef PROCESSRUN_H
#define PROCESSRUN_H

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// One finished run of a command-line program: what a user would see.
struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

// A program that hangs is killed and shows as exit code -1, so a hang fails
// the test instead of stalling the suite.
inline Run runProcess(const QString &program, const QStringList &args,
    const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment(),
    const QString &workingDirectory = QString())
{
    QProcess p;
    p.setProcessEnvironment(env);
    if (!workingDirectory.isEmpty())
        p.setWorkingDirectory(workingDirectory);
    p.start(program, args);
    if (!p.waitForFinished(90000)) {
        // Reaped, so that the kill shows as a crash, not as the exit code
        // of a program that never ended.
        p.kill();
        p.waitForFinished(30000);
    }
    Run r;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

#endif // PROCESSRUN_H
