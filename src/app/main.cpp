#include "AppShell.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>

int main(int argc, char **argv)
{
    QCoreApplication::setApplicationVersion(QStringLiteral(VUVE_VERSION));
    // The app has no options of its own but these two.
    if (AppShell::asksHelpOrVersion(argc, argv)) {
        QCoreApplication app(argc, argv);
        QCommandLineParser parser;
        parser.setApplicationDescription(
            QStringLiteral("Copies files to and from Vori graphing calculators over USB."));
        parser.addHelpOption();
        parser.addVersionOption();
        parser.process(app);
        return 0;
    }

    AppShell::prepareApplication();
    QGuiApplication app(argc, argv);
    return AppShell::run();
}
