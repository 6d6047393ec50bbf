#include "AppShell.h"
#include "UiLanguage.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>

int main(int argc, char **argv)
{
    QCoreApplication::setApplicationVersion(QStringLiteral(VUVE_VERSION));
    // The app has no options of its own but these two.
    if (AppShell::asksHelpOrVersion(argc, argv)) {
        QCoreApplication app(argc, argv);
        UiLanguage::install();
        QCommandLineParser parser;
        parser.setApplicationDescription(QCoreApplication::translate(
            "vuve-vudurod", "Copies files to and from Vori graphing calculators over USB."));
        parser.addHelpOption();
        parser.addVersionOption();
        parser.process(app);
        return 0;
    }

    AppShell::prepareApplication();
    // Where the desktop has no file dialog of its own, the window's folder and
    // file choosers are the toolkit's widget dialogs only under a QApplication;
    // otherwise they are its QML stand-ins, whose field can name another
    // folder than the one they return, and whose parts have no names for
    // screen readers.
    QApplication app(argc, argv);
    UiLanguage::install();
    return AppShell::run();
}
