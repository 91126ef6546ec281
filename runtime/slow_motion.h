#pragma once
// The teacher's slow motion: F5 steps the pace of every animation, from
// normal to half, to a quarter and back to normal. The step holds for every
// window, and for those opened afterwards, until the program ends.

#include <QString>
#include <QWidget>

#include "notice.h"
#include "pacer.h"

namespace rt {

// How a teacher finds the key, in each window's help.
inline constexpr const char* kSlowMotionKeys =
    "Cada vegada que premeu F5, les animacions passen a la meitat de la velocitat, després a un quart i després "
    "tornen a velocitat normal.";

// The slowdown F5 chooses after `slowdown`: 1, 2, 4, then 1 again.
int nextSlowdown(int slowdown);
// What the pupil hears and reads once F5 has chosen `slowdown`.
QString slowdownSentence(int slowdown);

class SlowMotion {
public:
    // F5 on `window` steps the pace of `pacer`; `notice` shows and says the
    // new one.
    SlowMotion(QWidget& window, Pacer& pacer, Notice& notice);
    SlowMotion(const SlowMotion&) = delete;
    SlowMotion& operator=(const SlowMotion&) = delete;

private:
    void step();

    Pacer& pacer_;
    Notice& notice_;
};

}  // namespace rt
