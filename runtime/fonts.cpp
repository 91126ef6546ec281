#include "fonts.h"

#include <QFontDatabase>
#include <QResource>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace rt {

namespace {

// Registers the bundled file of a style, once; a style without a file of
// its own (italic alone) is drawn slanted from the upright one. (Qt's font
// database is the process's, not a session's: so is this record of what
// was added to it.)
void registerFace(bool serif, bool bold, bool italic)
{
    static bool registered[2][2][2] = {};
    const bool boldItalic = serif && bold && italic;  // the only italic bundled
    bool& done = registered[serif][bold][boldItalic];
    if (done) return;
    done = true;
    const QString file =
        QStringLiteral(":/fonts/Liberation%1-%2.ttf")
            .arg(serif ? QLatin1String("Serif") : QLatin1String("Sans"), boldItalic ? QLatin1String("BoldItalic")
                                                                         : bold     ? QLatin1String("Bold")
                                                                                    : QLatin1String("Regular"));
    // The bytes where the resource keeps them: Qt would otherwise read the
    // whole face into a copy of its own.
    const QResource resource(file);
    if (resource.compressionAlgorithm() == QResource::NoCompression)
        QFontDatabase::addApplicationFontFromData(
            QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()), resource.size()));
    else
        QFontDatabase::addApplicationFont(file);
}

}  // namespace

void registerPictureFaces()
{
    registerFace(false, false, false);
    registerFace(true, false, false);
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

QFont toQFont(const FontSpec& spec, double zoom)
{
    // Serif faces stand in for the serif ones the forms name (the Greek of
    // the Symbol face among them); every other face is sans-serif.
    const bool serif = spec.face != nullptr && (std::strncmp(spec.face, "Dutch", 5) == 0 || isSymbolFace(spec));
    registerFace(serif, spec.bold, spec.italic);
    QFont font(serif ? QStringLiteral("Liberation Serif") : QStringLiteral("Liberation Sans"));
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(spec.size * 96.0 / 72.0 * zoom))));
    font.setBold(spec.bold);
    font.setItalic(spec.italic);
    font.setUnderline(spec.underline);
    // The forms' small sans-serif face is a little narrower than ours: the
    // captions sized for it must still fit their labels.
    if (spec.face == nullptr || std::strcmp(spec.face, "MS Sans Serif") == 0) font.setStretch(95);
    return font;
}

}  // namespace rt
