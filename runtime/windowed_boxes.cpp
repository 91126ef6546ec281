#include "windowed.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QPainter>

#include "pictures.h"

namespace rt {

// ---- PictureBox ------------------------------------------------------------

class PictureBox::View : public QFrame, public ControlView {
public:
    explicit View(const char* picture) : picture_(picture) {}

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QFrame::paintEvent(event);
        if (picture_ != nullptr) pixmap_.paint(*this, picture_, owner->zoom(), contentsRect().topLeft());
    }

public:
    const char* picture_;
    PictureBox* owner = nullptr;

private:
    PictureCache pixmap_;
};

PictureBox::PictureBox(Container& container, const PictureBoxProps& props)
    : Control(container, common(props), new View(props.picture), Kind::Windowed)
{
    auto& view = static_cast<View&>(widget());
    view.owner = this;
    if (props.border) view.setFrameStyle(QFrame::Box | QFrame::Plain);
    font_ = fontSpec();
    backColor_ = props.backColor == kDefaultColor ? sys::ButtonFace : props.backColor;
    setBackground(backColor_);
    view.setFocusPolicy(Qt::NoFocus);
    if (props.description != nullptr) view.setAccessibleName(QString::fromUtf8(props.description));
}

// ---- Frame -----------------------------------------------------------------

// An etched border whose top line runs through the middle of the caption,
// with the frame's own background behind both.
class FrameView : public QGroupBox, public ControlView {
public:
    explicit FrameView(const char* caption) : QGroupBox(QString::fromUtf8(caption)) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        const QFontMetrics metrics(font());
        const int middle = metrics.height() / 2;
        const QRect border = rect().adjusted(0, middle, -1, -1);
        // The etched line's dark half at 3:1 or more against the frame's
        // background, in either profile.
        p.setPen(control() != nullptr ? control()->edgeInk() : QColor(128, 128, 128));
        p.drawRect(border.adjusted(0, 0, -1, -1));
        p.setPen(Qt::white);
        p.drawRect(border.adjusted(1, 1, 0, 0));
        const QRect caption(8, 0, metrics.horizontalAdvance(title()) + 4, metrics.height());
        p.fillRect(caption, palette().color(QPalette::Window));
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(caption, Qt::AlignCenter | Qt::TextShowMnemonic, title());
    }
};

Frame::Frame(Container& container, const FrameProps& props)
    : Control(container, common(props), new FrameView(props.caption), Kind::Windowed)
{
    font_ = fontSpec();
    backColor_ = props.backColor == kDefaultColor ? container.backColor() : props.backColor;
    setBackground(backColor_);
}

}  // namespace rt
