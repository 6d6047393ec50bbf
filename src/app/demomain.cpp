// The app on simulated calculators, for trying it without a calculator and
// for driving it in tests.
#include "AppShell.h"
#include "DemoCalculators.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char **argv)
{
    AppShell::prepareApplication();
    QGuiApplication app(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Vuve Vudurod with two simulated calculators, \"Vori X1\" and \"Vori X1 Lab\"."));
    parser.addHelpOption();
    const QCommandLineOption portOption(QStringLiteral("port"),
        QStringLiteral("Also list the serial device or pseudo-terminal at <path> as a calculator "
                       "(repeatable)."),
        QStringLiteral("path"));
    parser.addOption(portOption);
    parser.process(app);

    QTextStream err(stderr);
    DemoCalculators calculators;
    QString errorText;
    if (!calculators.start(errorText)) {
        err << "vuve-vudurod-demo: " << errorText << Qt::endl;
        return 1;
    }
    for (const QString &path : parser.values(portOption)) {
        if (!QFileInfo::exists(path)) {
            err << "vuve-vudurod-demo: no such device: " << path << Qt::endl;
            return 2;
        }
        calculators.addDevice(path);
    }
    QTextStream out(stdout);
    for (const QString &line : calculators.describe())
        out << line << Qt::endl;

    return AppShell::run([&calculators](CVivuRuzaSession &session) {
        session.setPortSource([&calculators] { return calculators.ports(); });
    });
}
