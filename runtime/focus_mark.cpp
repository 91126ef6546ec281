#include "focus_mark.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace rt {

FocusMark::FocusMark(QWidget& client) : QWidget(&client)
{
    setObjectName(QStringLiteral("marcaDelFocus"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void FocusMark::follow(QWidget* control, double zoom)
{
    if (control == nullptr || !control->isVisible()) {
        hide();
        return;
    }
    width_ = std::max(2, static_cast<int>(std::lround(2 * zoom)));
    const QRect around(control->mapTo(parentWidget(), QPoint(0, 0)), control->size());
    setGeometry(around.adjusted(-width_, -width_, width_, width_));
    show();
    raise();
}

void FocusMark::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setPen(QPen(Qt::black, width_, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawRect(QRectF(rect()).adjusted(width_ / 2.0, width_ / 2.0, -width_ / 2.0, -width_ / 2.0));
}

}  // namespace rt
