#include "UiLanguage.h"
#include "VuveCtl.h"

#include <QCoreApplication>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vuvectl"));
    QCoreApplication::setApplicationVersion(VuveCtl::version());
    UiLanguage::install();
    VuveCtl ctl;
    return ctl.run(QCoreApplication::arguments());
}
