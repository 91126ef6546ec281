#include "windowed.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyleOptionSlider>
#include <cmath>
#include <optional>

#include "errors.h"
#include "qt_colors.h"
#include "session.h"
#include "windowless.h"

namespace rt {
namespace {

int shiftState(Qt::KeyboardModifiers m)
{
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) | (m & Qt::AltModifier ? 4 : 0);
}

// The key code of a Qt key, as a form's KeyDown handler gets it.
int keyCode(int qtKey)
{
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)) return qtKey;
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F16) return 112 + (qtKey - Qt::Key_F1);
    switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return 9;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Space: return 32;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    case Qt::Key_Period: return 190;
    case Qt::Key_Comma: return 188;
    case Qt::Key_Minus: return 189;
    default: return 0;
    }
}

// A value that changed while a handler runs, or while something that came
// earlier waits for its turn, was changed by an assistive technology (the
// pupil's input waits for the handler): the control shows its value from
// before again, and takes the new one through the runtime, after the
// handler and in turn with all else that arrived meanwhile.
template <class T>
bool waitsForHandler(Session& session, QWidget& view, const T& before, const T& now,
                     const std::function<void(const T&)>& show, std::function<void(const T&)> take)
{
    if (!session.busy()) return false;
    {
        const QSignalBlocker block(view);
        show(before);
    }
    session.dispatch(&view, [take = std::move(take), now] { take(now); });
    return true;
}

}  // namespace

// ---- HScrollBar ------------------------------------------------------------

namespace {

// A box's or a bar's edge, in the ink that stands out against what the
// control stands on.
void drawEdge(QWidget& view, const Control& control)
{
    QPainter p(&view);
    p.setPen(control.edgeInk());
    p.drawRect(view.rect().adjusted(0, 0, -1, -1));
}

// Up and PageUp go towards Min as Left does, Down and PageDown towards Max
// as Right does: a horizontal bar's keys in every form.
class ScrollBarView : public QScrollBar, public ControlView {
public:
    ScrollBarView() : QScrollBar(Qt::Horizontal) {}

    // Where the value is shown, at 3:1 or more: the thumb against its track,
    // and the bar's edge against the form.
    static constexpr Color kTrack = RGB(240, 240, 240), kThumb = RGB(110, 110, 110);

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QScrollBar::paintEvent(event);
        QStyleOptionSlider option;
        initStyleOption(&option);
        const auto part = [&](QStyle::SubControl sub) {
            return style()->subControlRect(QStyle::CC_ScrollBar, &option, sub, this);
        };
        {
            QPainter p(this);
            p.fillRect(part(QStyle::SC_ScrollBarGroove), toQColor(kTrack));
            p.fillRect(part(QStyle::SC_ScrollBarSlider), toQColor(kThumb));
        }
        if (control() != nullptr) drawEdge(*this, *control());
    }
    void keyPressEvent(QKeyEvent* event) override
    {
        const auto action = [&]() -> std::optional<SliderAction> {
            switch (event->key()) {
            case Qt::Key_Up: return SliderSingleStepSub;
            case Qt::Key_Down: return SliderSingleStepAdd;
            case Qt::Key_PageUp: return SliderPageStepSub;
            case Qt::Key_PageDown: return SliderPageStepAdd;
            default: return std::nullopt;
            }
        }();
        if (!action || event->modifiers() != Qt::NoModifier) return QScrollBar::keyPressEvent(event);
        triggerAction(*action);
        event->accept();
    }
};

}  // namespace

HScrollBar::HScrollBar(Container& container, const ScrollBarProps& props)
    : Control(container, common(props), new ScrollBarView, Kind::Windowed),
      valueLabel_(props.valueLabel),
      shownStep_(props.shownStep)
{
    QScrollBar& b = bar();
    b.setRange(props.min, props.max);
    b.setSingleStep(props.smallChange);
    b.setPageStep(props.largeChange);
    b.setValue(props.value);
    b.setTracking(false);
    b.setInvertedControls(false);  // the right arrow key adds, as the right arrow button does
    b.setEnabled(props.enabled);
    b.setFocusPolicy(Qt::StrongFocus);
    shown_ = props.value;
    QObject::connect(&b, &QScrollBar::valueChanged, [this] {
        if (!settingValue_) movedFromOutside(false);
    });
}

void HScrollBar::movedFromOutside(bool byAssistiveTool)
{
    if (waitsForHandler<int>(
            host().session(), widget(), shown_, Value(), [this](int v) { bar().setValue(v); },
            [this](int v) { setValue(v); }))
        return;
    shown_ = Value();
    if (!change_) {
        nameChanged(widget());
    } else if (byAssistiveTool) {
        host().session().dispatchLater(&widget(), [this] { runChange(); });
    } else {
        host().session().dispatch(&widget(), [this] {
            runChange();
            // A screen reader says the new value of a bar whose steps are
            // whole (accessible.cpp); of another, its value label is said.
            if (!wholeSteps() && valueLabel_ != nullptr) host().announce(*valueLabel_);
        });
    }
}

bool HScrollBar::wholeSteps() const
{
    return shownStep_ == std::floor(shownStep_);
}

void HScrollBar::moveFromOutside(int value)
{
    settingValue_ = true;
    bar().setValue(value);  // within the range, as the bar keeps it
    settingValue_ = false;
    if (Value() != shown_) movedFromOutside(true);
}

void HScrollBar::runChange()
{
    if (change_) change_();
    // The bar's name carries its value label.
    nameChanged(widget());
}

QScrollBar& HScrollBar::bar() const
{
    return static_cast<QScrollBar&>(widget());
}

int HScrollBar::Value() const
{
    return bar().value();
}

int HScrollBar::Min() const
{
    return bar().minimum();
}

int HScrollBar::Max() const
{
    return bar().maximum();
}

void HScrollBar::setValue(int value)
{
    if (value < Min() || value > Max()) throw InvalidPropertyValue();
    if (value == Value()) return;
    settingValue_ = true;
    bar().setValue(value);
    settingValue_ = false;
    shown_ = value;
    changed();
    runChange();
}

// ---- TextBox ---------------------------------------------------------------

class TextBox::View : public QLineEdit, public ControlView {
public:
    explicit View(TextBox& box) : box_(box) {}

protected:
    // An empty box is known by its edge: at 3:1 or more against the form.
    void paintEvent(QPaintEvent* event) override
    {
        QLineEdit::paintEvent(event);
        drawEdge(*this, box_);
    }
    void keyPressEvent(QKeyEvent* event) override
    {
        if (box_.keyDown_) {
            const int code = keyCode(event->key()), shift = shiftState(event->modifiers());
            box_.host().session().dispatch(this, [this, code, shift] { box_.keyDown_(code, shift); });
        }
        QLineEdit::keyPressEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        QLineEdit::mouseReleaseEvent(event);
        if (box_.click_ && rect().contains(event->position().toPoint()))
            box_.host().session().dispatch(this, box_.click_);
    }

private:
    TextBox& box_;
};

TextBox::TextBox(Container& container, const TextBoxProps& props)
    : Control(container, common(props), new View(*this), Kind::Windowed)
{
    auto& view = static_cast<View&>(widget());
    view.setText(QString::fromUtf8(props.caption));
    view.setFrame(true);
    shown_ = view.text();
    QObject::connect(&view, &QLineEdit::textChanged, [this] {
        if (!settingText_) editedFromOutside();
    });
}

void TextBox::editedFromOutside()
{
    if (waitsForHandler<QString>(
            host().session(), widget(), shown_, Text(),
            [this](const QString& t) { static_cast<QLineEdit&>(widget()).setText(t); },
            [this](const QString& t) { setText(t); }))
        return;
    shown_ = Text();
}

QString TextBox::Text() const
{
    return static_cast<const QLineEdit&>(widget()).text();
}

void TextBox::setText(const QString& text)
{
    if (text == Text()) return;
    settingText_ = true;
    static_cast<QLineEdit&>(widget()).setText(text);
    settingText_ = false;
    shown_ = text;
    changed();
}

}  // namespace rt
