#pragma once
// What a screen reader is told of the runtime's own widgets. A form is a
// frame named by its caption; its client area and picture boxes list only
// what means something (no decorations, no focus mark); its drawing is one
// graphic named by what it shows, hidden while it shows nothing; and an
// announcer reads out, once, what a handler has written.

#include <QString>
#include <QWidget>

namespace rt {

// Makes the runtime's widgets known to assistive technology; once the
// application object exists.
void installAccessibility();

// Whether a screen reader is shown a widget of a client area or picture box.
bool spokenChild(const QWidget& child);

}  // namespace rt
