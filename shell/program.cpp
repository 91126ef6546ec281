#include "program.h"

#include <QGuiApplication>
#include <QPointer>
#include <QTimer>
#include <QWindow>
#include <memory>

#include "simulators.h"

namespace shell {

namespace {

std::vector<std::unique_ptr<rt::FormInstanceBase>> instances(rt::Runtime& runtime)
{
    std::vector<std::unique_ptr<rt::FormInstanceBase>> made;
    for (const Simulator& s : simulators()) made.push_back(s.makeInstance(runtime));
    return made;
}

MenuLinks links(const std::vector<std::unique_ptr<rt::FormInstanceBase>>& simulators)
{
    MenuLinks links;
    for (const auto& s : simulators) links.simulators.push_back(s.get());
    return links;
}

}  // namespace

// Shown at every start, for a pupil or a teacher who never read about F1.
constexpr const char* kHelpHint = "Premeu F1 per obrir l'ajuda i veure les tecles";
// How long after the menu takes the keyboard it is said.
constexpr int kHintDelayMs = 800;

Program::Program(rt::Runtime::Options options)
    : runtime_(options), simulators_(instances(runtime_)), menu(runtime_, links(simulators_))
{
    runtime_.setHelp([this](const QString& target) { showHelp(target); });
    runtime_.setOnRecolour([this] {
        if (help_ != nullptr) help_->recolour();
    });
}

Program::~Program() = default;

void Program::start()
{
    runtime_.start(menu);
    rt::Form* shown = menu.window();
    if (shown == nullptr) return;
    const QString hint = QString::fromUtf8(kHelpHint);
    shown->showNotice(hint);
    // A screen reader hears it once the menu has the keyboard and the
    // screen reader has said the window and its first button: said while
    // the window was still on its way, it would be lost.
    const QPointer<rt::Form> menuForm(shown);
    auto said = std::make_shared<QMetaObject::Connection>();
    const auto sayOnce = [menuForm, hint, said] {
        QObject::disconnect(*said);
        QTimer::singleShot(kHintDelayMs, menuForm, [menuForm, hint] {
            if (menuForm != nullptr) menuForm->announce(hint);
        });
    };
    if (QGuiApplication::focusWindow() == shown->windowHandle())
        sayOnce();
    else
        *said = QObject::connect(qApp, &QGuiApplication::focusWindowChanged, shown, [shown, sayOnce](QWindow* now) {
            if (now == shown->windowHandle()) sayOnce();
        });
}

void Program::showHelp(const QString& target)
{
    if (help_ == nullptr) help_ = std::make_unique<help::HelpWindow>(runtime_);
    help_->open(target);
}

}  // namespace shell
