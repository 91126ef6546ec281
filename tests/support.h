#pragma once
// What the tests share: finding controls by their designer names, clicking
// and typing as a pupil does, and reading the pixels a pupil sees.

#include <gtest/gtest.h>
#include <QColor>
#include <QEvent>
#include <QImage>
#include <QString>
#include <QWidget>
#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "pupil.h"
#include "runtime/colors.h"
#include "runtime/form.h"
#include "runtime/runtime.h"

// A text in a failure's message, as text.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace test {

template <class T = QWidget>
T* find(QWidget& root, const char* name)
{
    return root.findChild<T*>(QString::fromUtf8(name));
}

using pupil::click;
// Clicks a window where a pupil would, at a point given in twips: the
// window system finds the control under the mouse.
void clickAt(QWidget& window, float xTwips, float yTwips);
// Shows and activates a window so that keys reach it.
void activate(QWidget& window);
// A key as the window system delivers it, to the window that has the focus
// at that moment, stamped with the window system's time in milliseconds.
void sendKey(QEvent::Type type, int key, Qt::KeyboardModifiers modifiers, unsigned long time, bool autoRepeat = false);
// A key held down as the window system delivers it: the press, then, after
// the repeat delay, `repeats` pairs of a release and a press stamped with
// one instant, without the auto-repeat mark as X11 sends them (with it on
// Wayland), then the release. Each event is sent once the last one's
// handler has ended, as events queued meanwhile are.
void holdKey(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, int repeats = 20);
// While it lives, key events go as Qt's accessibility bridge sends them
// while an assistive tool listens: it takes each one from the window
// system, and once the tool has answered posts a copy, which keeps the
// auto-repeat mark but not the time nor being spontaneous.
class AssistiveToolListening : public QObject {
public:
    AssistiveToolListening();
    ~AssistiveToolListening() override;

protected:
    bool eventFilter(QObject* target, QEvent* event) override;
};

// Lets timers and posted events run, such as an access key's delayed click.
void settle(int milliseconds = 0);
// Until no button is pressed any more: an access key's click is animated,
// the button staying down for 100 ms before it clicks.
void settleClicks();
// Whether a button is held down, as during an access key's click.
bool aButtonIsDown();

// The colour a pupil sees at a point of a widget, given in twips (the
// pixel nearest to it).
QColor pixel(QWidget& widget, float xTwips, float yTwips);
QColor color(rt::Color c);

// Where a control stands in its container, in twips, and its caption
// (nullptr where it has none to check).
struct Placement {
    const char* name;
    float left, top, width, height;
    const char* caption;
};
// Checks every control of the table against the form's design.
void expectPlacements(const rt::Form& form, std::initializer_list<Placement> table);

// Where a line control's ends stand, in twips, and its width in pixels.
struct LineEnds {
    const char* name;
    float x1, y1, x2, y2;
    int width;
};
void expectLines(const rt::Form& form, std::initializer_list<LineEnds> table);

// How a label looks: its text and background colours and its font size
// (points) and weight.
struct Look {
    const char* name;
    rt::Color fore, back;
    float points;
    bool bold;
};
void expectLooks(const rt::Form& form, std::initializer_list<Look> table);

// The virtual time an animation took, which must be its own whatever the
// screen's pixel ratio: within 2.5 % of `nominal` seconds, so that any two
// ratios stay within 5 % of each other. Slowed down, as many times longer.
void expectPace(const char* animation, std::chrono::nanoseconds elapsed, double nominal, int slowdown);

// Every label of the form whose box holds one line shows its whole caption
// on screen: on that line, all of it inside the box (a number that wraps
// after its point shows only the point).
void expectLabelsReadable(rt::Form& form);

// Pacing on, with a clock that never waits: the runtime presents the
// windows at each frame of virtual time, `onFrame` (if any) seeing every
// frame first. Pacing is off again, on the real clock, when it goes.
class PacedWithoutWaiting {
public:
    explicit PacedWithoutWaiting(rt::Session& session, std::function<void()> onFrame = {});
    ~PacedWithoutWaiting();
    PacedWithoutWaiting(const PacedWithoutWaiting&) = delete;
    PacedWithoutWaiting& operator=(const PacedWithoutWaiting&) = delete;

private:
    rt::Pacer& pacer_;
    std::chrono::nanoseconds now_{0};
};

// Records a session's run-time error messages instead of showing a message
// box; made after the session, so gone before it.
class ErrorLog {
public:
    explicit ErrorLog(rt::Runtime& runtime);
    std::vector<QString> messages;
};

// What every test's session starts with: ending never asks to save the
// measurements, none being a pupil's; and the pacing entries' slowdown
// (ONDARELL_TEST_SLOWDOWN), for every animation.
rt::Runtime::Options sessionOptions();

// Whether the window system places the windows and gives the keyboard
// (Wayland), so that a test must wait for it.
bool onWayland();

}  // namespace test
