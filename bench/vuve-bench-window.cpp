// The window's resident memory with calculators listed: loads the app's window
// as the app does, lists the ports named in PORTS-FILE (one path a line), waits
// until COUNT calculators are in its list, lets it settle and prints VmRSS in
// KiB. Started by vuve-bench, offscreen.

#include "AppShell.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>

#include <cstdio>

namespace {

long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

} // namespace

int main(int argc, char **argv)
{
    AppShell::prepareApplication();
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: vuve-bench-window PORTS-FILE COUNT\n");
        return 2;
    }
    QList<CalcPort> ports;
    QFile list(args.at(1));
    if (!list.open(QIODevice::ReadOnly))
        return 2;
    int index = 0;
    for (const QByteArray &line : list.readAll().split('\n')) {
        if (!line.trimmed().isEmpty())
            ports.append(CalcPort(
                QStringLiteral("ttyACM%1").arg(index++), QString::fromUtf8(line.trimmed())));
    }
    const int count = args.at(2).toInt();

    AppShell shell(
        [&ports](CVivuRuzaSession &session) { session.setPortSource([&ports] { return ports; }); });
    if (!shell.load())
        return 1;
    shell.session().update();
    QElapsedTimer clock;
    clock.start();
    // Listed, then two more seconds for the window to lay the rows out and
    // the first calculator's files to come in.
    qint64 listedAt = -1;
    int code = 1;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, [&] {
        if (listedAt < 0 && shell.calcModel().rowCount() == count
            && shell.session().readingCount() == 0)
            listedAt = clock.elapsed();
        if (listedAt >= 0 && clock.elapsed() - listedAt > 2000) {
            std::printf("%ld\n", residentKiB());
            code = 0;
            QCoreApplication::quit();
        } else if (clock.elapsed() > 90000) {
            std::fprintf(
                stderr, "%d of %d calculators listed\n", shell.calcModel().rowCount(), count);
            QCoreApplication::quit();
        }
    });
    check.start(50);
    QApplication::exec();
    return code;
}
