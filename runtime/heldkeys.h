#pragma once
// A key held down repeats; a repeated key must not press a button again and
// again, each press an animation queued behind the last. Text boxes and
// scroll bars keep their repeats.

#include <unordered_map>

class QEvent;
class QKeyEvent;
class QObject;

namespace rt {

class HeldKeyGuard {
public:
    // Whether `event`, on its way to `target`, is a repeat to drop. It must
    // see every key event of the application before anything else does, so
    // that a key pressed in one window is still known when its repeats land
    // on another, and before the accessibility bridge takes the window
    // system's events and hands on copies without their times.
    bool drops(QObject* target, QEvent* event);

private:
    // Whether a press (or the shortcut check before it) repeats a key held
    // down.
    bool repeats(const QKeyEvent& event);

    struct Key {
        bool down = false;
        unsigned long pressed = 0, released = 0;  // the window system's times, ms
        bool repeat = false;                      // what the last press was judged
    };
    std::unordered_map<int, Key> keys_;
};

}  // namespace rt
