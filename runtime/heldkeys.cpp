#include "heldkeys.h"

#include <QAbstractSlider>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace rt {
namespace {

// A press with no release since the last press of its key, within this
// time, repeats it: a release can be lost when its window goes away.
constexpr unsigned long kRepeatWindowMs = 1000;

bool keepsRepeats(const QObject* target, const QKeyEvent& event)
{
    if (event.type() != QEvent::KeyPress) return false;  // access keys never repeat
    // Nor the function keys, which step a choice (full screen, slow motion,
    // contrast).
    if (event.key() >= Qt::Key_F1 && event.key() <= Qt::Key_F35) return false;
    if (event.modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier)) return false;
    // A key reaches the window first, then the widget with the focus.
    const QObject* widget = target->isWidgetType() ? target : QApplication::focusWidget();
    return qobject_cast<const QLineEdit*>(widget) != nullptr || qobject_cast<const QAbstractSlider*>(widget) != nullptr;
}

// The accessibility bridge, while an assistive tool listens, takes each key
// event from the window system, asks the tool about it and posts a copy
// that has lost its time and its being spontaneous (the auto-repeat mark it
// keeps). The original came here first and was judged.
bool isCopy(const QKeyEvent& event)
{
    return event.timestamp() == 0 && !event.spontaneous();
}

}  // namespace

bool HeldKeyGuard::repeats(const QKeyEvent& event)
{
    Key& key = keys_[event.key()];
    const unsigned long time = event.timestamp();
    // The window system asks for a shortcut first, then delivers the press:
    // one judgement for both.
    if (time != 0 && key.down && time == key.pressed) return key.repeat;
    bool repeat = event.isAutoRepeat();
    // X11 sends a held key's repeats as a release and a press at the same
    // instant, often without the auto-repeat mark: when they were queued
    // while a handler ran, or when they land on a window just shown. A
    // time of 0 is an event made without one.
    if (time != 0) {
        if (time == key.released) repeat = true;
        if (key.down && time - key.pressed < kRepeatWindowMs) repeat = true;
    }
    if (time != 0) {
        key.down = true;
        key.pressed = time;
        key.repeat = repeat;
    }
    return repeat;
}

bool HeldKeyGuard::drops(QObject* target, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyRelease: {
        const auto* release = static_cast<QKeyEvent*>(event);
        // A copy posted by the accessibility bridge, which took the window
        // system's own release: already seen.
        if (isCopy(*release)) return false;
        Key& key = keys_[release->key()];
        key.down = false;
        key.released = release->timestamp();
        return false;
    }
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress: {
        auto* press = static_cast<QKeyEvent*>(event);
        if (!repeats(*press) || keepsRepeats(target, *press)) return false;
        // Taking the shortcut override keeps access keys from firing too.
        event->accept();
        return true;
    }
    default: return false;
    }
}

}  // namespace rt
