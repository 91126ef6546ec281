#include "windowed.h"

#include <QAccessibleWidget>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <optional>

#include "accessible.h"
#include "errors.h"
#include "form.h"
#include "pictures.h"
#include "runtime.h"
#include "windowless.h"

namespace rt {
namespace {

// Windowed controls fill their background with their own colour, or their
// container's when the form gives none.
void paintBackground(QWidget& view, Color color, Color fallback)
{
    const Color c = color == kDefaultColor ? fallback : color;
    if (c == kDefaultColor) return;
    QPalette palette = view.palette();
    palette.setColor(QPalette::Window, toQColor(c));
    palette.setColor(QPalette::Button, toQColor(c));
    view.setPalette(palette);
    view.setAutoFillBackground(true);
}

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
bool waitsForHandler(QWidget& view, const T& before, const T& now, const std::function<void(const T&)>& show,
                     std::function<void(const T&)> take)
{
    if (!Runtime::instance().busy()) return false;
    {
        const QSignalBlocker block(view);
        show(before);
    }
    Runtime::instance().dispatch(&view, [take = std::move(take), now] { take(now); });
    return true;
}

}  // namespace

// ---- Button ----------------------------------------------------------------

class Button::View : public QPushButton {
public:
    View(Button& owner, const char* caption) : QPushButton(QString::fromUtf8(caption)), owner(owner) {}
    Button& owner;

protected:
    // A caption wider than the button wraps onto more lines, centred.
    void paintEvent(QPaintEvent*) override
    {
        QStylePainter p(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text.clear();
        p.drawControl(QStyle::CE_PushButton, option);
        const QRect r = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
        style()->drawItemText(&p, r, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, palette(), isEnabled(),
                              text(), QPalette::ButtonText);
    }

    void keyPressEvent(QKeyEvent* event) override
    {
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            click();
            return;
        }
        QPushButton::keyPressEvent(event);
    }
};

Button::Button(Container& container, const Props& props)
    : Control(container, props, new View(*this, props.caption), Kind::Windowed)
{
    auto& view = static_cast<View&>(widget());
    view.setEnabled(props.enabled);
    view.setAutoDefault(false);
    QObject::connect(&view, &QPushButton::clicked, [this] { clicked(); });
}

void Button::clicked()
{
    if (click_) Runtime::instance().dispatch(&widget(), click_);
}

bool Button::Enabled() const
{
    return widget().isEnabled();
}

void Button::setEnabled(bool enabled)
{
    if (enabled == Enabled()) return;
    widget().setEnabled(enabled);
    changed();
}

QString Button::Caption() const
{
    return static_cast<const QPushButton&>(widget()).text();
}

void Button::makeCancelButton()
{
    auto* shortcut = new QShortcut(QKeySequence(Qt::Key_Escape), &form());
    QObject::connect(shortcut, &QShortcut::activated, &widget(), [this] {
        if (Enabled() && Visible()) static_cast<QPushButton&>(widget()).click();
    });
}

// ---- What assistive technology sees of buttons ------------------------------

namespace {

class OptionView : public QRadioButton {
public:
    OptionView(OptionButton& owner, const char* caption) : QRadioButton(QString::fromUtf8(caption)), owner(owner) {}
    OptionButton& owner;
};

}  // namespace

// A button or an option button whose press, or toggle, is a click: it runs
// the control's handler through the runtime, after a running handler and
// in turn with everything else that arrived meanwhile. (Asked for while the
// button is still being built, so it finds its control only when pressed.)
class PressableAccessible : public QAccessibleWidget {
public:
    PressableAccessible(QAbstractButton* view, QAccessible::Role role) : QAccessibleWidget(view, role) {}

    QString text(QAccessible::Text t) const override
    {
        const QString caption = button().text();
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            QString name = caption;
            return name.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
                .remove(QLatin1Char('&'))
                .replace(QLatin1Char('\x01'), QLatin1Char('&'));
        }
        if (t == QAccessible::Accelerator) return QKeySequence::mnemonic(caption).toString(QKeySequence::NativeText);
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.pressed = button().isDown();
        if (role() == QAccessible::RadioButton) {
            state.checkable = true;
            state.checked = button().isChecked();
        }
        return state;
    }
    QStringList actionNames() const override
    {
        QStringList names;
        if (widget()->isEnabled()) names << (role() == QAccessible::RadioButton ? toggleAction() : pressAction());
        return names + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override
    {
        if (name != pressAction() && name != toggleAction()) return QAccessibleWidget::doAction(name);
        if (!widget()->isEnabled()) return;
        if (auto* view = dynamic_cast<Button::View*>(widget()))
            view->owner.pressFromOutside();
        else if (auto* option = dynamic_cast<OptionView*>(widget()))
            option->owner.chooseFromOutside();
        else
            button().click();  // a button of Qt's own, in a message box
    }
    QStringList keyBindingsForAction(const QString& name) const override
    {
        if (name != pressAction() && name != toggleAction()) return QAccessibleWidget::keyBindingsForAction(name);
        const QString key = text(QAccessible::Accelerator);
        return key.isEmpty() ? QStringList() : QStringList{key};
    }

private:
    QAbstractButton& button() const { return *static_cast<QAbstractButton*>(widget()); }
};

QAccessibleInterface* windowedAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("QPushButton"))
        return new PressableAccessible(static_cast<QAbstractButton*>(object), QAccessible::Button);
    if (className == QLatin1String("QRadioButton"))
        return new PressableAccessible(static_cast<QAbstractButton*>(object), QAccessible::RadioButton);
    return nullptr;
}

void Button::pressFromOutside()
{
    Runtime::instance().dispatchLater(&widget(), [this] {
        if (Enabled() && Visible() && click_) click_();
    });
}

void OptionButton::chooseFromOutside()
{
    Runtime::instance().dispatchLater(&widget(), [this] { choose(); });
}

// ---- HScrollBar ------------------------------------------------------------

namespace {

// Up and PageUp go towards Min as Left does, Down and PageDown towards Max
// as Right does: a horizontal bar's keys in every form.
class ScrollBarView : public QScrollBar {
public:
    ScrollBarView() : QScrollBar(Qt::Horizontal) {}

protected:
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

HScrollBar::HScrollBar(Container& container, const Props& props)
    : Control(container, props, new ScrollBarView, Kind::Windowed),
      valueLabelName_(props.valueLabel),
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
            widget(), shown_, Value(), [this](int v) { bar().setValue(v); }, [this](int v) { setValue(v); }))
        return;
    shown_ = Value();
    if (!change_) {
        notifyNameChanged(widget());
    } else if (byAssistiveTool) {
        Runtime::instance().dispatchLater(&widget(), [this] { runChange(); });
    } else {
        Runtime::instance().dispatch(&widget(), [this] { runChange(); });
    }
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
    notifyNameChanged(widget());
}

void HScrollBar::link()
{
    if (valueLabelName_ != nullptr) valueLabel_ = &form().control<Label>(valueLabelName_);
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

class TextBox::View : public QLineEdit {
public:
    explicit View(TextBox& box) : box_(box) {}

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (box_.keyDown_) {
            const int code = keyCode(event->key()), shift = shiftState(event->modifiers());
            Runtime::instance().dispatch(this, [this, code, shift] { box_.keyDown_(code, shift); });
        }
        QLineEdit::keyPressEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        QLineEdit::mouseReleaseEvent(event);
        if (box_.click_ && rect().contains(event->position().toPoint()))
            Runtime::instance().dispatch(this, box_.click_);
    }

private:
    TextBox& box_;
};

TextBox::TextBox(Container& container, const Props& props) : Control(container, props, new View(*this), Kind::Windowed)
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
            widget(), shown_, Text(), [this](const QString& t) { static_cast<QLineEdit&>(widget()).setText(t); },
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

// ---- PictureBox ------------------------------------------------------------

class PictureBox::View : public QFrame {
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

PictureBox::PictureBox(Container& container, const Props& props)
    : Control(container, props, new View(props.picture), Kind::Windowed)
{
    auto& view = static_cast<View&>(widget());
    view.owner = this;
    if (props.border) view.setFrameStyle(QFrame::Box | QFrame::Plain);
    font_ = fontSpec();
    backColor_ = props.backColor == kDefaultColor ? sys::ButtonFace : props.backColor;
    paintBackground(view, backColor_, kDefaultColor);
    view.setFocusPolicy(Qt::NoFocus);
    if (props.description != nullptr) view.setAccessibleName(QString::fromUtf8(props.description));
}

// ---- Frame -----------------------------------------------------------------

// An etched border whose top line runs through the middle of the caption,
// with the frame's own background behind both.
class FrameView : public QGroupBox {
public:
    explicit FrameView(const char* caption) : QGroupBox(QString::fromUtf8(caption)) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        const QFontMetrics metrics(font());
        const int middle = metrics.height() / 2;
        const QRect border = rect().adjusted(0, middle, -1, -1);
        p.setPen(QColor(128, 128, 128));
        p.drawRect(border.adjusted(0, 0, -1, -1));
        p.setPen(Qt::white);
        p.drawRect(border.adjusted(1, 1, 0, 0));
        const QRect caption(8, 0, metrics.horizontalAdvance(title()) + 4, metrics.height());
        p.fillRect(caption, palette().color(QPalette::Window));
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(caption, Qt::AlignCenter | Qt::TextShowMnemonic, title());
    }
};

Frame::Frame(Container& container, const Props& props)
    : Control(container, props, new FrameView(props.caption), Kind::Windowed)
{
    QWidget& view = widget();
    font_ = fontSpec();
    backColor_ = props.backColor == kDefaultColor ? container.backColor() : props.backColor;
    paintBackground(view, backColor_, kDefaultColor);
}

// ---- OptionButton ----------------------------------------------------------

OptionButton::OptionButton(Container& container, const Props& props)
    : Control(container, props, new OptionView(*this, props.caption), Kind::Windowed)
{
    paintBackground(widget(), props.backColor, container.backColor());
    QObject::connect(&button(), &QRadioButton::clicked, [this] {
        if (click_) Runtime::instance().dispatch(&widget(), click_);
    });
}

void OptionButton::choose()
{
    if (!button().isEnabled() || !Visible()) return;
    button().setChecked(true);
    if (click_) click_();
}

QRadioButton& OptionButton::button() const
{
    return static_cast<QRadioButton&>(widget());
}

bool OptionButton::Value() const
{
    return button().isChecked();
}

OptionArray::OptionArray(Container& container, const char* name, std::initializer_list<Props> buttons)
{
    int index = 0;
    for (Props props : buttons) {
        const std::string element = std::string(name) + "(" + std::to_string(index) + ")";
        props.name = element.c_str();
        auto& button = *buttons_.emplace_back(std::make_unique<OptionButton>(container, props));
        button.click_ = [this, index] {
            if (click_) click_(index);
        };
        ++index;
    }
}

}  // namespace rt
