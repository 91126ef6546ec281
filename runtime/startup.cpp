#include "startup.h"

#include <QApplication>
#include <QStyleFactory>

#include "fonts.h"
#include "heldkeys.h"
#include "windowless.h"

void ondarellInitAssets();

namespace rt {

void prepareApplication(QApplication& app)
{
    ondarellInitAssets();
    loadFonts();
    installAccessibility();
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    app.setQuitOnLastWindowClosed(false);
    app.installEventFilter(new HeldKeyGuard(&app));
}

}  // namespace rt
