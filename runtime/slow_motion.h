#pragma once
// The teacher's slow motion: F5 steps the pace of every animation, from
// normal to half, to a quarter and back to normal. The step holds for every
// window, and for those opened afterwards, until the program ends.

#include <QString>

#include "notice.h"
#include "pacer.h"

namespace rt {

// The slowdown F5 chooses after `slowdown`: 1, 2, 4, then 1 again.
int nextSlowdown(int slowdown);
// What the pupil hears and reads once F5 has chosen `slowdown`.
QString slowdownSentence(int slowdown);

// F5: steps the pace of `pacer`; `notice` shows and says the new one.
void stepSlowMotion(Pacer& pacer, Notice& notice);

}  // namespace rt
