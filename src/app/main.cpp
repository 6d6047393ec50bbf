#include "AppShell.h"

#include <QGuiApplication>

int main(int argc, char **argv)
{
    AppShell::prepareApplication();
    QGuiApplication app(argc, argv);
    return AppShell::run();
}
