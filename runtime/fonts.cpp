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

bool isSymbolFace(const FontSpec& spec)
{
    return spec.face != nullptr && std::strcmp(spec.face, "Symbol") == 0;
}

QString symbolText(const QString& text)
{
    static const QString lower = QString::fromUtf8("αβχδεφγηιϕκλμνοπθρστυϖωξψζ");
    static const QString upper = QString::fromUtf8("ΑΒΧΔΕΦΓΗΙϑΚΛΜΝΟΠΘΡΣΤΥςΩΞΨΖ");
    QString greek = text;
    for (QChar& c : greek) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = lower[c.unicode() - 'a'];
        else if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = upper[c.unicode() - 'A'];
    }
    return greek;
}

QFont toQFont(const FontSpec& spec)
{
    // Serif faces stand in for the serif ones the forms name (the Greek of
    // the Symbol face among them); every other face is sans-serif.
    const bool serif = spec.face != nullptr && (std::strncmp(spec.face, "Dutch", 5) == 0 || isSymbolFace(spec));
    QFont font(serif ? QStringLiteral("Liberation Serif") : QStringLiteral("Liberation Sans"));
    font.setPixelSize(static_cast<int>(std::lround(spec.size * 96.0f / 72.0f)));
    font.setBold(spec.bold);
    font.setItalic(spec.italic);
    font.setUnderline(spec.underline);
    // The forms' small sans-serif face is a little narrower than ours: the
    // captions sized for it must still fit their labels.
    if (spec.face == nullptr || std::strcmp(spec.face, "MS Sans Serif") == 0) font.setStretch(95);
    return font;
}

}  // namespace rt
