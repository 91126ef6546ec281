#include "windowed.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "qt_colors.h"
#include "session.h"

namespace rt {

// ---- Button ----------------------------------------------------------------

class Button::View : public QPushButton, public ControlView {
public:
    explicit View(const char* caption) : QPushButton(QString::fromUtf8(caption)) {}

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

Button::Button(Container& container, const ButtonProps& props)
    : Control(container, common(props), new View(props.caption), Kind::Windowed)
{
    auto& view = static_cast<View&>(widget());
    view.setEnabled(props.enabled);
    view.setAutoDefault(false);
    QObject::connect(&view, &QPushButton::clicked, [this] { clicked(); });
}

void Button::clicked()
{
    if (click_) host().session().dispatch(&widget(), click_);
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
    auto* shortcut = new QShortcut(QKeySequence(Qt::Key_Escape), widget().window());
    QObject::connect(shortcut, &QShortcut::activated, &widget(), [this] {
        if (Enabled() && Visible()) static_cast<QPushButton&>(widget()).click();
    });
}

void Button::pressFromOutside()
{
    host().session().dispatchLater(&widget(), [this] {
        if (Enabled() && Visible() && click_) click_();
    });
}

void OptionButton::chooseFromOutside()
{
    host().session().dispatchLater(&widget(), [this] { choose(); });
}

// ---- OptionButton ----------------------------------------------------------

namespace {

// Its circle at 3:1 or more against what the option stands on.
class OptionView : public QRadioButton, public ControlView {
public:
    using QRadioButton::QRadioButton;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QRadioButton::paintEvent(event);
        if (control() == nullptr) return;
        QStyleOptionButton option;
        initStyleOption(&option);
        const QRectF circle = QRectF(style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, this))
                                  .adjusted(1.5, 1.5, -1.5, -1.5);
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(control()->edgeInk(), 2));
        p.drawEllipse(circle);
    }
};

ControlProps named(const OptionButtonProps& props, const std::string& name)
{
    ControlProps common = rt::common(props);
    common.name = name.c_str();
    return common;
}

}  // namespace

OptionButton::OptionButton(Container& container, const std::string& name, const OptionButtonProps& props)
    : Control(container, named(props, name), new OptionView(QString::fromUtf8(props.caption)), Kind::Windowed)
{
    // Its own background, or its container's.
    setBackground(props.backColor == kDefaultColor ? container.backColor() : props.backColor);
    QObject::connect(&button(), &QRadioButton::clicked, [this] {
        if (click_) host().session().dispatch(&widget(), click_);
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

OptionArray::OptionArray(Container& container, const char* name, std::initializer_list<OptionButtonProps> buttons)
{
    int index = 0;
    for (const OptionButtonProps& props : buttons) {
        const std::string element = std::string(name) + "(" + std::to_string(index) + ")";
        auto& button = *buttons_.emplace_back(std::make_unique<OptionButton>(container, element, props));
        button.click_ = [this, index] {
            if (click_) click_(index);
        };
        ++index;
    }
}

}  // namespace rt
