#include "startup.h"

#include <QAbstractSlider>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyleFactory>

#include "fonts.h"
#include "windowless.h"

void ondarellInitAssets();

namespace rt {
namespace {

// A key held down repeats; a repeated key must not press a button again
// and again, each press an animation queued behind the last. Text boxes and
// scroll bars keep their repeats.
class HeldKeyGuard : public QObject {
public:
    explicit HeldKeyGuard(QObject* parent) : QObject(parent) {}

protected:
    bool eventFilter(QObject* target, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride) return false;
        if (!static_cast<QKeyEvent*>(event)->isAutoRepeat()) return false;
        if (qobject_cast<QLineEdit*>(target) != nullptr || qobject_cast<QAbstractSlider*>(target) != nullptr)
            return false;
        // Taking the shortcut override keeps access keys from firing too.
        event->accept();
        return true;
    }
};

}  // namespace

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
