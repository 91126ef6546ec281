#include "windowless.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "fonts.h"
#include "pictures.h"
#include "qt_colors.h"
#include "session.h"
#include "twips.h"

namespace rt {
namespace {

// The widget that paints a windowless control.
class WindowlessView : public QWidget, public ControlView {
public:
    explicit WindowlessView(bool passClicks)
    {
        if (passClicks) setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    // A label or an image keeps its clicks: they never reach the form.
    void mousePressEvent(QMouseEvent* event) override { event->accept(); }
    void mouseReleaseEvent(QMouseEvent* event) override { event->accept(); }
};

Color orDefault(Color color, Color fallback)
{
    return color == kDefaultColor ? fallback : color;
}

}  // namespace

// ---- Label -----------------------------------------------------------------

class Label::View : public WindowlessView {
public:
    explicit View(Label& label) : WindowlessView(false), label_(label) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        if (!label_.transparent_) p.fillRect(rect(), label_.painted(label_.backColor_));
        if (label_.border_) {
            const int w = std::max(1, static_cast<int>(std::lround(label_.zoom())));
            p.setPen(QPen(QColor(64, 64, 64), w, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
            p.drawRect(QRectF(rect()).adjusted(w / 2.0, w / 2.0, -w / 2.0, -w / 2.0));
        }
        const int align = label_.alignment_ == Align::Center  ? Qt::AlignHCenter
                          : label_.alignment_ == Align::Right ? Qt::AlignRight
                                                              : Qt::AlignLeft;
        const QRect r = label_.textRect();
        const TextLayout layout = label_.textLayout();
        p.setClipRect(r);
        p.setFont(layout.font);
        const Session& session = label_.host().session();
        const Color ink = session.ink(label_.foreColor_);
        // In the high-contrast profile a text over a picture is ringed, so
        // that it reads on whatever is drawn under it.
        const bool ringed = label_.transparent_ && session.display().profile == Profile::HighContrast;
        const int ring = std::max(1, static_cast<int>(std::lround(label_.zoom())));
        const int lineHeight = QFontMetrics(layout.font).height();
        QRect line(r.left(), r.top(), r.width(), lineHeight);
        for (const QString& text : layout.lines) {
            const int flags = align | Qt::AlignTop | Qt::TextSingleLine;
            if (ringed) {
                p.setPen(toQColor(haloOf(ink)));
                for (int dx = -ring; dx <= ring; dx += ring)
                    for (int dy = -ring; dy <= ring; dy += ring)
                        if (dx != 0 || dy != 0) p.drawText(line.translated(dx, dy), flags, text);
            }
            p.setPen(toQColor(ink));
            p.drawText(line, flags, text);
            line.translate(0, lineHeight);
        }
    }

private:
    Label& label_;
};

Label::Label(Container& container, const LabelProps& props)
    : Control(container, common(props), new View(*this), Kind::Windowless),
      caption_(QString::fromUtf8(props.caption)),
      designCaption_(caption_),
      captionLabel_(props.captionLabel),
      unitLabel_(props.unitLabel),
      announced_(props.announced || props.captionLabel != nullptr),
      backColor_(orDefault(props.backColor, sys::ButtonFace)),
      foreColor_(orDefault(props.foreColor, sys::WindowText)),
      transparent_(props.backStyle == BackStyle::Transparent),
      border_(props.border),
      symbol_(isSymbolFace(props.font)),
      alignment_(props.alignment)
{
}

QString Label::shownText() const
{
    return symbol_ ? symbolText(caption_) : caption_;
}

QRect Label::textRect() const
{
    const QRect r = widget().rect();
    const int x = static_cast<int>(std::lround(2 * zoom())), y = static_cast<int>(std::lround(zoom()));
    return border_ ? r.adjusted(x, y, -x, -y) : r;
}

namespace {

// Breaks text into lines at blanks only, as long as each fits the width; a
// word wider than a line stands alone on it. Blanks within a line stay as
// they are; those where a line breaks go.
QStringList wrapAtBlanks(const QString& text, const QFontMetrics& metrics, int width)
{
    QStringList lines;
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        const qsizetype n = paragraph.size();
        qsizetype start = 0;
        do {
            qsizetype end = start;
            while (end < n) {
                qsizetype next = end;
                while (next < n && paragraph[next] == QLatin1Char(' ')) ++next;
                while (next < n && paragraph[next] != QLatin1Char(' ')) ++next;
                if (end > start && metrics.horizontalAdvance(paragraph.mid(start, next - start)) > width) break;
                end = next;
            }
            lines << paragraph.mid(start, end - start);
            start = end;
            while (start < n && paragraph[start] == QLatin1Char(' ')) ++start;
        } while (start < n);
    }
    return lines;
}

}  // namespace

Label::TextLayout Label::textLayout() const
{
    const QRect r = textRect();
    TextLayout layout{widget().font(), {}};
    const QString text = shownText();
    if (r.height() >= 2 * QFontMetrics(layout.font).height()) {
        layout.lines = wrapAtBlanks(text, QFontMetrics(layout.font), r.width());
        return layout;
    }
    // A box of one line: the whole caption on it, in a smaller size of the
    // face where it is too wide.
    layout.lines = QStringList{text};
    for (int size = layout.font.pixelSize(); size > 6; --size) {
        layout.font.setPixelSize(size);
        if (QFontMetrics(layout.font).horizontalAdvance(text) <= r.width()) break;
    }
    return layout;
}

void Label::setCaption(const QString& caption)
{
    // A result written again is said again: the pupil asked for it. A label
    // put back to its design-time caption ("Força Resultant") is no result.
    if (announced_ && !caption.trimmed().isEmpty() && caption != designCaption_) host().announce(*this);
    if (!setShown(caption_, caption)) return;
    nameChanged(widget());
    if (labelFor_ != nullptr) nameChanged(labelFor_->widget());
}

void Label::link()
{
    for (Label* label : {captionLabel_, unitLabel_})
        if (label != nullptr) label->labelFor_ = this;
}

QString Label::accessibleText() const
{
    // What the value is of: its caption label, or else the name given to a
    // value that stands alone in the picture (nothing while it shows none).
    QString sentence = captionLabel_ != nullptr ? captionLabel_->shownText().trimmed() : Control::accessibleText();
    const QString value = shownText().trimmed();
    if (sentence.isEmpty()) return shownText();
    if (captionLabel_ == nullptr && value.isEmpty()) return {};
    if (sentence.endsWith(QLatin1Char(':'))) sentence.chop(1);
    // A caption that ends in its verb ("El valor del cabal és:") takes the
    // value without a colon between them; without a value, what it names.
    const QString verb = QStringLiteral(" és");
    const bool verbal = sentence.endsWith(verb);
    if (value.isEmpty())
        return (verbal ? sentence.chopped(verb.size()) : sentence) + QStringLiteral(": sense calcular");
    sentence += (verbal ? QStringLiteral(" ") : QStringLiteral(": ")) + value;
    if (unitLabel_ != nullptr) sentence += QLatin1Char(' ') + unitLabel_->shownText().trimmed();
    return sentence;
}

// ---- Shape -----------------------------------------------------------------

class Shape::View : public WindowlessView {
public:
    explicit View(Shape& shape) : WindowlessView(true), shape_(shape) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        const Shape& s = shape_;
        QPainter p(this);
        const bool round = s.kind_ == ShapeKind::Oval || s.kind_ == ShapeKind::Circle;
        p.setRenderHint(QPainter::Antialiasing, round);
        const qreal w = s.borderVisible_ ? s.borderWidth_ * s.zoom() : 0;
        QRectF r = QRectF(rect()).adjusted(w / 2.0, w / 2.0, -w / 2.0, -w / 2.0);
        if (s.kind_ == ShapeKind::Circle) {
            const qreal side = std::min(r.width(), r.height());
            r = QRectF(r.center() - QPointF(side / 2, side / 2), QSizeF(side, side));
        }
        QPainterPath path;
        if (round)
            path.addEllipse(r);
        else if (s.kind_ == ShapeKind::RoundedRectangle)
            path.addRoundedRect(r, std::min(r.width(), r.height()) / 6, std::min(r.width(), r.height()) / 6);
        else
            path.addRect(r);
        if (s.backStyle_ == BackStyle::Opaque) p.fillPath(path, s.painted(s.backColor_));
        if (s.fillStyle_ == FillStyle::Solid) p.fillPath(path, s.painted(s.fillColor_));
        if (w > 0) {
            QPen pen(s.painted(s.borderColor_), w);
            pen.setJoinStyle(Qt::MiterJoin);
            p.strokePath(path, pen);
        }
    }

private:
    Shape& shape_;
};

Shape::Shape(Container& container, const ShapeProps& props)
    : Control(container, common(props), new View(*this), Kind::Windowless),
      kind_(props.shape),
      fillStyle_(props.fillStyle),
      fillColor_(props.fillColor),
      backStyle_(props.backStyle == BackStyle::Opaque && props.backColor == kDefaultColor ? BackStyle::Transparent
                                                                                          : props.backStyle),
      backColor_(orDefault(props.backColor, sys::Window)),
      borderColor_(orDefault(props.borderColor, sys::WindowText)),
      borderWidth_(props.borderWidth),
      borderVisible_(props.borderVisible)
{
    applyGeometry();  // the base placed it before it was a shape
}

QRect Shape::viewRect(float left, float top, float width, float height, double zoom) const
{
    return coveringRect(left, top, width, height, zoom);
}

// ---- LineControl -----------------------------------------------------------

class LineControl::View : public WindowlessView {
public:
    explicit View(LineControl& line) : WindowlessView(true), line_(line) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        const LineControl& l = line_;
        QPainter p(this);
        const QPoint origin = geometry().topLeft();
        const double z = l.zoom();
        const QPointF a(l.x1_ / kTwipsPerPixel * z - origin.x(), l.y1_ / kTwipsPerPixel * z - origin.y());
        const QPointF b(l.x2_ / kTwipsPerPixel * z - origin.x(), l.y2_ / kTwipsPerPixel * z - origin.y());
        QPen pen(l.painted(l.borderColor_), l.borderWidth_ * z);
        pen.setCapStyle(l.borderWidth_ > 1 ? Qt::RoundCap : Qt::SquareCap);
        p.setPen(pen);
        p.drawLine(a, b);
    }

private:
    LineControl& line_;
};

LineControl::LineControl(Container& container, const LineProps& props)
    : Control(container, common(props), new View(*this), Kind::Windowless),
      x1_(props.x1),
      y1_(props.y1),
      x2_(props.x2),
      y2_(props.y2),
      borderWidth_(props.borderWidth),
      borderColor_(orDefault(props.borderColor, sys::WindowText))
{
    move(std::min(x1_, x2_), std::min(y1_, y2_), std::abs(x2_ - x1_), std::abs(y2_ - y1_));
    applyGeometry();
}

void LineControl::setEnds(float x1, float y1, float x2, float y2)
{
    if (x1 == x1_ && y1 == y1_ && x2 == x2_ && y2 == y2_) return;
    x1_ = x1, y1_ = y1, x2_ = x2, y2_ = y2;
    const float left = std::min(x1, x2), top = std::min(y1, y2);
    const float width = std::abs(x2 - x1), height = std::abs(y2 - y1);
    if (left == Left() && top == Top() && width == Width() && height == Height())
        changed();  // the same box, the other diagonal
    else
        move(left, top, width, height);
}

QRect LineControl::viewRect(float left, float top, float width, float height, double zoom) const
{
    const int margin = static_cast<int>(borderWidth_ * zoom / 2) + 1;
    return pixelRect(left, top, width, height, zoom).adjusted(-margin, -margin, margin + 1, margin + 1);
}

// ---- Image -----------------------------------------------------------------

class Image::View : public WindowlessView {
public:
    explicit View(const char* picture) : WindowlessView(false), picture_(picture) {}

protected:
    void paintEvent(QPaintEvent*) override { pixmap_.paint(*this, picture_, control()->host().zoom(), QPoint(0, 0)); }

private:
    const char* picture_;
    PictureCache pixmap_;
};

Image::Image(Container& container, const ImageProps& props)
    : Control(container, common(props), new View(props.picture), Kind::Windowless),
      description_(QString::fromUtf8(props.description != nullptr ? props.description : props.name))
{
}

}  // namespace rt
