#pragma once
// The teacher's slow motion: F5 steps the pace of every animation, from
// normal to half, to a quarter and back to normal. The step holds for every
// window, and for those opened afterwards, until the program ends.

#include <QLabel>
#include <QString>
#include <QTimer>

namespace rt {

class Speech;

// How a teacher finds the key, in each window's help.
inline constexpr const char* kSlowMotionKeys =
    "Cada vegada que premeu F5, les animacions passen a la meitat de la velocitat, després a un quart i després "
    "tornen a velocitat normal.";

// The slowdown F5 chooses after `slowdown`: 1, 2, 4, then 1 again.
int nextSlowdown(int slowdown);
// What the pupil hears and reads once F5 has chosen `slowdown`.
QString slowdownSentence(int slowdown);

// What F5 chose, shown for a moment in the client area's top-left corner. It is
// seen only: screen readers hear the same sentence announced.
class SlowMotionNotice : public QLabel {
public:
    explicit SlowMotionNotice(QWidget& client);
};

class SlowMotion {
public:
    SlowMotion(QWidget& window, QWidget& client, Speech& speech);
    SlowMotion(const SlowMotion&) = delete;
    SlowMotion& operator=(const SlowMotion&) = delete;

    // The client area was scaled: the notice is, with it.
    void rescale(double zoom);
    const SlowMotionNotice& notice() const { return notice_; }

private:
    void step();
    // Styles and places the notice at the zoom: done when it shows.
    void place();

    Speech& speech_;
    SlowMotionNotice notice_;
    QTimer shown_;
    double zoom_ = 1;
};

}  // namespace rt
