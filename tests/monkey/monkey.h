#pragma once
// A seeded monkey: random but valid input on the real program, as a pupil
// at a keyboard, a mouse and a screen reader might give it, with the
// program checked after every event. The same seed gives the same events.

#include <QPoint>
#include <QString>
#include <atomic>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <random>
#include <string>

class QWidget;
class QWindow;

namespace shell {
class Program;
}
namespace rt {
class Form;
class Runtime;
}  // namespace rt

namespace monkey {

// What a run did, for the figures.
struct Figures {
    long events = 0;            // between handlers
    long duringAnimations = 0;  // sent while a handler drew its animation
    long characters = 0;        // typed or pasted
    long accessible = 0;        // actions of assistive technology
    long closes = 0;            // close requests of the window system
    long opened = 0;            // simulators opened
    long programs = 0;          // programs started (one more after each end)
};

class Monkey {
public:
    // `simulator`: the row of the simulators' table the monkey keeps
    // going back to from the menu. With `trace`, every event is printed.
    Monkey(std::uint64_t seed, size_t simulator, bool trace);
    ~Monkey();
    Monkey(const Monkey&) = delete;
    Monkey& operator=(const Monkey&) = delete;

    // Sends `events` events, checking the program after each; stops at the
    // first fault and returns what it was (empty if none).
    QString run(long events);
    const Figures& figures() const { return figures_; }
    // The last events sent, newest last, to show with a fault.
    const std::deque<std::string>& recent() const { return recent_; }
    // Events done so far, readable from a watchdog's thread.
    long progress() const { return progress_.load(); }

private:
    void step();
    void onMenu(rt::Form& menu);
    void anyEvent(rt::Form& form, bool inHandler);
    void clickControl(rt::Form& form, bool inHandler);
    void clickAnywhere(rt::Form& form);
    void pressKey(bool inHandler);
    void accessKey(rt::Form& form);
    void presentationKey();
    void type(rt::Form& form);
    void paste(rt::Form& form);
    void accessibleAction(rt::Form& form);
    void closeWindow(rt::Form& form);
    // What the handler's animation frames see: sometimes, an event.
    void duringAnimation();

    void focusTextBox(rt::Form& form);
    void click(QWidget& widget, QPoint at);
    void key(int key, Qt::KeyboardModifiers modifiers, const QString& text);
    QString randomText(int length);
    // Until the input sent has been taken and every animated click landed.
    void settle();
    QString check();
    void log(const QString& event);

    int below(int n) { return static_cast<int>(std::uniform_int_distribution<int>(0, n - 1)(random_)); }
    bool chance(double p) { return std::bernoulli_distribution(p)(random_); }

    std::mt19937_64 random_;
    size_t simulator_;
    bool trace_;
    long index_ = 0;
    unsigned long time_ = 1'000'000;  // the window system's clock, in ms
    int sentThisHandler_ = 0;
    std::unique_ptr<shell::Program> program_;
    // The running program's session.
    rt::Runtime& session();
    Figures figures_;
    std::deque<std::string> recent_;
    std::atomic<long> progress_{0};
    struct Pacing;
    std::unique_ptr<Pacing> pacing_;
};

}  // namespace monkey
