#pragma once
// F7: the high-contrast profile on and off, for every window and for those
// opened afterwards, until the program ends.

#include <QString>
#include <QWidget>

#include "colors.h"
#include "notice.h"

namespace rt {

class Session;

// How a teacher finds the key, in each window's help.
inline constexpr const char* kContrastKeys =
    "F7 activa i desactiva el contrast alt: colors més intensos, per a un projector o per a qui hi veu poc.";

// What the pupil hears and reads once F7 has chosen `profile`.
QString profileSentence(Profile profile);

class ContrastKey {
public:
    // F7 on `window` switches `session`'s profile; `notice` shows and says
    // the new one.
    ContrastKey(QWidget& window, Session& session, Notice& notice);
    ContrastKey(const ContrastKey&) = delete;
    ContrastKey& operator=(const ContrastKey&) = delete;

private:
    void toggle();

    Session& session_;
    Notice& notice_;
};

}  // namespace rt
