#include "fonts.h"

#include <QFontDatabase>
#include <cmath>
#include <cstring>

namespace rt {

void loadFonts()
{
    static bool loaded = false;
    if (loaded) return;
    loaded = true;
    for (const char* file : {"LiberationSans-Regular", "LiberationSans-Bold", "LiberationSerif-Regular",
                             "LiberationSerif-Bold", "LiberationSerif-BoldItalic"})
        QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/%1.ttf").arg(QLatin1String(file)));
}

QFont toQFont(const FontSpec& spec)
{
    // Serif faces stand in for the serif ones the forms name; every other
    // face is sans-serif.
    const bool serif = spec.face != nullptr && std::strncmp(spec.face, "Dutch", 5) == 0;
    QFont font(serif ? QStringLiteral("Liberation Serif") : QStringLiteral("Liberation Sans"));
    font.setPixelSize(static_cast<int>(std::lround(spec.size * 96.0f / 72.0f)));
    font.setBold(spec.bold);
    font.setItalic(spec.italic);
    // The forms' small sans-serif face is a little narrower than ours: the
    // captions sized for it must still fit their labels.
    if (spec.face == nullptr || std::strcmp(spec.face, "MS Sans Serif") == 0) font.setStretch(95);
    return font;
}

}  // namespace rt
