#pragma once
// The faces the forms name, mapped to the faces bundled with the program,
// so that text has the same metrics on every machine.

#include <QFont>

#include "props.h"

namespace rt {

// The face and pixel size a form's font stands for (96 dots per inch). The
// bundled face it needs is registered the first time it is asked for (each
// costs some milliseconds, and the menu needs only two of them to start).
// At a zoom the pixel size grows with it: text is laid out anew, crisp.
QFont toQFont(const FontSpec& spec, double zoom = 1);

// The faces the pictures' text is set in (Liberation Sans and Serif,
// upright and regular), registered before a picture is drawn: a family of
// which only the bold italic is registered would draw all its text so.
void registerPictureFaces();

// Text in the Symbol face is written with Latin letters that stand for
// Greek ones ("f" is φ): the same text in Unicode Greek.
QString symbolText(const QString& text);
bool isSymbolFace(const FontSpec& spec);

}  // namespace rt
