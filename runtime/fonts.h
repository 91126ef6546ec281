#pragma once
// The faces the forms name, mapped to the faces bundled with the program,
// so that text has the same metrics on every machine.

#include <QFont>

#include "props.h"

namespace rt {

// Registers the bundled faces; call once after the application object exists.
void loadFonts();

// The face and pixel size a form's font stands for (96 dots per inch).
QFont toQFont(const FontSpec& spec);

// Text in the Symbol face is written with Latin letters that stand for
// Greek ones ("f" is φ): the same text in Unicode Greek.
QString symbolText(const QString& text);
bool isSymbolFace(const FontSpec& spec);

}  // namespace rt
