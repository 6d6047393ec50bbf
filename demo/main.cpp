// The app on simulated calculators, for trying it without a calculator and
// for driving it in tests.
#include "AppShell.h"
#include "DemoCalculators.h"
#include "UiLanguage.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QTextStream>

namespace {

QCommandLineOption portOption()
{
    return QCommandLineOption(QStringLiteral("port"),
        QCoreApplication::translate("vuve-vudurod-demo",
            "Also list the serial device or pseudo-terminal at <path> as a calculator "
            "(repeatable)."),
        QStringLiteral("path"));
}

void describeOptions(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QCoreApplication::translate("vuve-vudurod-demo",
        "Vuve Vudurod with two simulated calculators, \"Vori X1\" and \"Vori X1 Lab\"."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(portOption());
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication::setApplicationVersion(QStringLiteral(VUVE_VERSION));
    if (AppShell::asksHelpOrVersion(argc, argv)) {
        QCoreApplication app(argc, argv);
        UiLanguage::install();
        QCommandLineParser parser;
        describeOptions(parser);
        parser.process(app);
        return 0;
    }

    AppShell::prepareApplication();
    // The choosers are widget dialogs only under a QApplication, as in the app.
    QApplication app(argc, argv);
    UiLanguage::install();
    QCommandLineParser parser;
    describeOptions(parser);
    parser.process(app);

    QTextStream err(stderr);
    DemoCalculators calculators;
    QString errorText;
    if (!calculators.start(errorText)) {
        err << "vuve-vudurod-demo: " << errorText << Qt::endl;
        return 1;
    }
    for (const QString &path : parser.values(portOption())) {
        if (!QFileInfo::exists(path)) {
            err << "vuve-vudurod-demo: "
                << QCoreApplication::translate("vuve-vudurod-demo", "no such device: %1").arg(path)
                << Qt::endl;
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
