#include "control.h"

#include <QAccessible>
#include <algorithm>

#include "fonts.h"
#include "qt_colors.h"
#include "session.h"
#include "twips.h"

namespace rt {

void Container::remove(Control& control)
{
    std::erase(controls_, &control);
}

void Container::restack()
{
    // raise() puts a widget on top, so go from the bottom-most up.
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it)
        if ((*it)->windowless()) (*it)->widget().raise();
    if (QWidget* surface = drawing()) surface->raise();
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it)
        if (!(*it)->windowless()) (*it)->widget().raise();
}

Control* Control::of(const QWidget* view)
{
    const auto* shown = dynamic_cast<const ControlView*>(view);
    return shown != nullptr ? shown->control_ : nullptr;
}

Control::Control(Container& container, const ControlProps& props, QWidget* view, ControlView* tag, Kind kind)
    : container_(container),
      view_(view),
      tag_(tag),
      kind_(kind),
      tabIndex_(props.tabIndex),
      left_(props.left),
      top_(props.top),
      width_(props.width),
      height_(props.height),
      visible_(props.visible),
      fontSpec_(props.font.face != nullptr ? props.font : container.font())
{
    // Known before Qt is told of the widget: a screen reader may ask for it
    // from then on.
    tag_->control_ = this;
    view_->setParent(&container.area());
    view_->setObjectName(QString::fromUtf8(props.name));
    view_->setFont(toQFont(fontSpec_));
    if (props.accessibleName != nullptr) view_->setAccessibleName(QString::fromUtf8(props.accessibleName));
    applyGeometry();
    container.add(*this);
    view_->setVisible(visible_);
}

Control::~Control()
{
    if (view_ != nullptr) tag_->control_ = nullptr;
    container_.remove(*this);
    delete view_;
}

QString Control::accessibleText() const
{
    return view_->accessibleName();
}

QRect Control::viewRect(float left, float top, float width, float height, double zoom) const
{
    return pixelRect(left, top, width, height, zoom);
}

double Control::zoom() const
{
    return host().zoom();
}

void Control::applyGeometry()
{
    view_->setGeometry(viewRect(left_, top_, width_, height_, zoom()));
}

void Control::rescale()
{
    applyGeometry();
    view_->setFont(toQFont(fontSpec_, zoom()));
}

void Control::setBackground(Color color)
{
    background_ = color;
    if (color == kDefaultColor) return;
    QPalette palette = view_->palette();
    const QColor shown = painted(color);
    palette.setColor(QPalette::Window, shown);
    palette.setColor(QPalette::Button, shown);
    view_->setPalette(palette);
    view_->setAutoFillBackground(true);
}

QColor Control::painted(Color color) const
{
    return toQColor(host().session().fill(color));
}

QColor Control::edgeInk() const
{
    const Color under = background_ != kDefaultColor ? background_ : container_.backColor();
    return toQColor(controlInk(host().session().fill(under)));
}

void Control::recolour()
{
    setBackground(background_);
    view_->update();
}

void Control::move(float left, float top, float width, float height)
{
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    const QRect before = view_->geometry();
    left_ = left, top_ = top, width_ = width, height_ = height;
    applyGeometry();
    const QRect after = view_->geometry();
    repaint(after == before
                ? 0
                : static_cast<long long>(before.width()) * before.height() + after.width() * after.height());
}

void Control::setVisible(bool visible)
{
    if (visible == visible_) return;
    visible_ = visible;
    view_->setVisible(visible);
    repaint(static_cast<long long>(view_->width()) * view_->height());
}

void Control::nameChanged(QWidget& view)
{
    if (!QAccessible::isActive()) return;
    QAccessibleEvent event(&view, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void Control::changed()
{
    view_->update();
    repaint(static_cast<long long>(view_->width()) * view_->height());
}

void Control::repaint(long long pixels)
{
    if (!host().loadFinished()) return;
    if (windowless() && visible_ && container_.drawing() != nullptr) host().eraseDrawing(*this);
    // The pace counts pixels at a zoom of 1: an animation lasts as long on
    // a projector as on a laptop.
    const double z = zoom();
    host().session().pacer().chargeProperty(static_cast<long long>(static_cast<double>(pixels) / (z * z)));
}

}  // namespace rt
