#include "startup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyleFactory>
#include <QTranslator>

#include "fonts.h"
#include "heldkeys.h"
#include "pictures.h"
#include "windowless.h"

void ondarellInitAssets();

namespace rt {

bool installQtTranslations(const QLocale& locale)
{
    static QTranslator* installed = nullptr;
    if (installed != nullptr) QCoreApplication::removeTranslator(installed);
    delete installed;
    installed = new QTranslator;
    if (installed->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return QCoreApplication::installTranslator(installed);
    delete installed;
    installed = nullptr;
    return false;
}

void prepareApplication(QApplication& app)
{
    installQtTranslations(QLocale());
    ondarellInitAssets();
    loadFonts();
    installAccessibility();
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // Every window shows the program's icon, at whatever size is asked.
    app.setWindowIcon(renderIcon(":/icon.svg"));
    app.setQuitOnLastWindowClosed(false);
    app.installEventFilter(new HeldKeyGuard(&app));
}

}  // namespace rt
