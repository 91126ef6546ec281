#pragma once
// A key held down repeats; a repeated key must not press a button again and
// again, each press an animation queued behind the last. Text boxes and
// scroll bars keep their repeats.

#include <QObject>
#include <unordered_map>

class QKeyEvent;

namespace rt {

class HeldKeyGuard : public QObject {
public:
    explicit HeldKeyGuard(QObject* parent) : QObject(parent) {}

protected:
    bool eventFilter(QObject* target, QEvent* event) override;

private:
    // Whether a press (or the shortcut check before it) repeats a key held
    // down; every key event of the application passes through here, so
    // that a key pressed in one window is still known when its repeats
    // land on another.
    bool repeats(const QKeyEvent& event);

    struct Key {
        bool down = false;
        unsigned long pressed = 0, released = 0;  // the window system's times, ms
        bool repeat = false;                      // what the last press was judged
    };
    std::unordered_map<int, Key> keys_;
};

}  // namespace rt
