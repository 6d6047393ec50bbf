#include "AppShell.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>

namespace {

// The app has no options of its own; these two answer without a display,
// so they are handled before the GUI application exists.
bool wantsHelpOrVersion(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "-h" || arg == "--help" || arg == "-?" || arg == "--help-all" || arg == "-v"
            || arg == "--version")
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication::setApplicationVersion(QStringLiteral(VUVE_VERSION));
    if (wantsHelpOrVersion(argc, argv)) {
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
