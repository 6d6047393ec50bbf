#include "VuveCtl.h"

#include <QCoreApplication>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vuvectl"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0"));
    VuveCtl ctl;
    return ctl.run(QCoreApplication::arguments());
}
