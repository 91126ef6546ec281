#include "startup.h"

#include <fontconfig/fontconfig.h>
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPixmapCache>
#include <QStyleFactory>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <utility>
#include <vector>

#include "accessible.h"
#include "fonts.h"
#include "pictures.h"

void ondarellInitAssets();

namespace rt {
namespace {

// What Qt says while it opens the display: held back, and said after all
// only if the display opened. (Qt's message handler is a plain function,
// given no context: this lives only while the application object is made.)
std::vector<std::pair<QtMsgType, QString>>* heldMessages = nullptr;

void whileOpeningTheDisplay(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type != QtFatalMsg) {
        heldMessages->emplace_back(type, message);
        return;
    }
    const bool english = QLocale::system().language() == QLocale::English;
    std::fputs(english ? "Ondarell cannot start: there is no graphical display to show its windows on.\n"
                       : "Ondarell no es pot iniciar: no hi ha cap pantalla gràfica on mostrar les finestres.\n",
               stderr);
    std::_Exit(1);
}

}  // namespace

bool Application::installQtTranslations(const QLocale& locale)
{
    if (qtTranslator_ != nullptr) removeTranslator(qtTranslator_.get());
    qtTranslator_ = std::make_unique<QTranslator>();
    if (qtTranslator_->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return installTranslator(qtTranslator_.get());
    qtTranslator_.reset();
    return false;
}

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

Application::~Application() = default;

bool Application::notify(QObject* receiver, QEvent* event)
{
    if (heldKeys_.drops(receiver, event)) return true;
    return QApplication::notify(receiver, event);
}

std::unique_ptr<Application> startApplication(int& argc, char** argv)
{
    std::vector<std::pair<QtMsgType, QString>> held;
    heldMessages = &held;
    const QtMessageHandler previous = qInstallMessageHandler(whileOpeningTheDisplay);
    // The system's font configuration, which the menu's first frame needs
    // and which takes as long to read as the window system's connection
    // takes to open, mostly waiting for the server: read meanwhile, on the
    // other core, before Qt asks for it.
    std::thread fonts([] { FcInit(); });
    auto app = std::make_unique<Application>(argc, argv);
    fonts.join();
    qInstallMessageHandler(previous);
    heldMessages = nullptr;
    for (const auto& [type, message] : held) previous(type, QMessageLogContext(), message);
    prepareApplication(*app);
    return app;
}

void prepareApplication(Application& app)
{
    // The program speaks Catalan whatever the desktop's language, and so do
    // Qt's own texts in it.
    app.installQtTranslations(QLocale(QLocale::Catalan, QLocale::Spain));
    ondarellInitAssets();
    installAccessibility();
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // No pixmap cache: the style keys the pieces it draws by each widget's
    // palette, new for every window opened, and this Qt never evicts a
    // piece under 1 KiB, so the cache would grow by some KiB at each
    // opening of a form, all morning. Drawing them afresh costs nothing
    // measurable.
    QPixmapCache::setCacheLimit(0);
    // Every window shows the program's icon, at whatever size is asked.
    app.setWindowIcon(renderIcon(":/icon.svg"));
    app.setQuitOnLastWindowClosed(false);
}

}  // namespace rt
