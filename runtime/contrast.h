#pragma once
// F7: the high-contrast profile on and off, for every window and for those
// opened afterwards, until the program ends.

#include <QString>

#include "colors.h"
#include "notice.h"

namespace rt {

class Session;

// What the pupil hears and reads once F7 has chosen `profile`.
QString profileSentence(Profile profile);

// F7: switches `session`'s profile; `notice` shows and says the new one.
void toggleContrast(Session& session, Notice& notice);

}  // namespace rt
