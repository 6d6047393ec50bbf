// Every test speaks as the programs do: the language the environment picks
// (English under ctest, which sets none) and English's plural forms ("1 file").
#include "UiLanguage.h"

#include <QCoreApplication>

namespace {
void installLanguage()
{
    UiLanguage::install();
}
} // namespace

Q_COREAPP_STARTUP_FUNCTION(installLanguage)
