#include "accessible.h"

#include <QAbstractButton>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QScrollBar>
#include <cmath>

#include "form.h"
#include "measurements_window.h"
#include "speech.h"
#include "spoken.h"
#include "windowed.h"
#include "windowless.h"

namespace rt {

namespace {

// Every text a screen reader is given goes through here: its numbers and
// units as a Catalan voice must hear them, whatever the screen shows.
QString heard(const QString& text)
{
    return QString::fromStdString(spokenText(text.trimmed().toStdString()));
}

Form* formOfClient(const QWidget* widget)
{
    auto* form = dynamic_cast<Form*>(widget->parentWidget());
    return form != nullptr && &form->client() == widget ? form : nullptr;
}

// A plain widget of the runtime's: a form, its client area, its drawing,
// its announcer, or a picture box. What it is is asked at each call, since
// Qt may ask for the interface while the widget is still being built.
class RuntimeAccessible : public QAccessibleWidget {
public:
    RuntimeAccessible(QWidget* widget, QAccessible::Role plainRole) : QAccessibleWidget(widget, plainRole) {}

    QAccessible::Role role() const override
    {
        if (form() != nullptr) return QAccessible::Window;
        if (surface() != nullptr) return QAccessible::Graphic;
        if (announcer() != nullptr) return QAccessible::Notification;
        if (const PictureBox* box = pictureBox())
            return listed().isEmpty() && !box->accessibleText().isEmpty() ? QAccessible::Graphic
                                                                          : QAccessible::Grouping;
        return QAccessibleWidget::role();
    }
    QString text(QAccessible::Text t) const override { return heard(shownText(t)); }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        // The drawing is there for screen readers only while it shows
        // something; a message, from the moment it is out.
        if (surface() != nullptr || announcer() != nullptr) {
            state.invisible = shownText(QAccessible::Name).isEmpty();
            state.offscreen = state.invisible;
        }
        return state;
    }

    int childCount() const override { return listsChildren() ? int(listed().size()) : QAccessibleWidget::childCount(); }
    QAccessibleInterface* child(int index) const override
    {
        if (!listsChildren()) return QAccessibleWidget::child(index);
        const QList<QWidget*> children = listed();
        return index >= 0 && index < children.size() ? QAccessible::queryAccessibleInterface(children[index]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (!listsChildren()) return QAccessibleWidget::indexOfChild(child);
        return child != nullptr ? int(listed().indexOf(child->object())) : -1;
    }

private:
    QString shownText(QAccessible::Text t) const
    {
        if (const Form* f = form()) {
            if (t == QAccessible::Name) return f->windowTitle();
            if (t == QAccessible::Description) return f->description();
            if (t == QAccessible::Help)
                return QString::fromUtf8(kZoomKeys) + u' ' + QString::fromUtf8(kSlowMotionKeys) + u' ' +
                       QString::fromUtf8(kMeasurementKeys);
        }
        if (t == QAccessible::Name) {
            if (surface() != nullptr) return formOfClient(widget()->parentWidget())->drawingDescription();
            if (const Announcer* a = announcer()) return a->message();
            if (const PictureBox* box = pictureBox()) return box->accessibleText();
        }
        return QAccessibleWidget::text(t);
    }
    Form* form() const { return dynamic_cast<Form*>(widget()); }
    const DrawingSurface* surface() const { return dynamic_cast<const DrawingSurface*>(widget()); }
    const Announcer* announcer() const { return dynamic_cast<const Announcer*>(widget()); }
    const PictureBox* pictureBox() const { return dynamic_cast<const PictureBox*>(Control::of(widget())); }
    bool listsChildren() const { return formOfClient(widget()) != nullptr || pictureBox() != nullptr; }
    QList<QWidget*> listed() const
    {
        QList<QWidget*> children;
        for (QObject* o : widget()->children()) {
            auto* w = qobject_cast<QWidget*>(o);
            if (w != nullptr && !w->isWindow() && spokenChild(*w)) children.append(w);
        }
        return children;
    }
};

// A scroll bar whose value reads as the form shows it: its name carries the
// value label ("Densitat: 1,5 kg/dm3"), and its value is in the units on
// screen (0 to 10 metres, not 0 to 200 steps). A bar whose steps are not
// whole units gives no value: a screen reader would write it with a point
// ("1.5", Qt giving it no text of its own), so it is heard through its
// value label, which is announced as the pupil moves it.
class ScrollBarAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit ScrollBarAccessible(QScrollBar* bar) : QAccessibleWidget(bar, QAccessible::ScrollBar) {}

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::ValueInterface) {
            const HScrollBar* owner = control();
            return owner == nullptr || owner->wholeSteps() ? static_cast<QAccessibleValueInterface*>(this) : nullptr;
        }
        return QAccessibleWidget::interface_cast(t);
    }
    QString text(QAccessible::Text t) const override
    {
        const QString name = QAccessibleWidget::text(t);
        const HScrollBar* owner = control();
        if (t != QAccessible::Name || owner == nullptr || owner->valueLabel() == nullptr) return heard(name);
        const QString shown = owner->valueLabel()->shownText().trimmed();
        return heard(shown.startsWith(name) ? shown : name + QStringLiteral(": ") + shown);
    }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation match) const override
    {
        auto relations = QAccessibleWidget::relations(match);
        const HScrollBar* owner = control();
        // The bar controls what its value label shows.
        if (owner != nullptr && owner->valueLabel() != nullptr && (match & QAccessible::Controlled))
            relations.append({QAccessible::queryAccessibleInterface(&owner->valueLabel()->widget()),
                              QAccessible::Relation(QAccessible::Controlled)});
        return relations;
    }

    QVariant currentValue() const override { return bar().value() * step(); }
    void setCurrentValue(const QVariant& value) override
    {
        const int steps = static_cast<int>(std::lround(value.toDouble() / step()));
        if (HScrollBar* owner = control())
            owner->moveFromOutside(steps);
        else
            bar().setValue(steps);
    }
    QVariant maximumValue() const override { return bar().maximum() * step(); }
    QVariant minimumValue() const override { return bar().minimum() * step(); }
    QVariant minimumStepSize() const override { return step(); }

private:
    QScrollBar& bar() const { return *static_cast<QScrollBar*>(widget()); }
    HScrollBar* control() const { return dynamic_cast<HScrollBar*>(Control::of(widget())); }
    double step() const { return control() != nullptr ? control()->shownStep() : 1.0; }
};

// A label, shape, line or image: its caption, picture text or name, and a
// result's relations to its caption and unit.
class WindowlessAccessible : public QAccessibleWidget {
public:
    WindowlessAccessible(QWidget* view, Control& control)
        : QAccessibleWidget(view, dynamic_cast<const Label*>(&control) != nullptr ? QAccessible::StaticText
                                                                                   : QAccessible::Graphic),
          control_(control)
    {
    }
    QString text(QAccessible::Text t) const override
    {
        return heard(t == QAccessible::Name ? control_.accessibleText() : QAccessibleWidget::text(t));
    }
    // A result is labelled by its caption and unit, which are its labels.
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation match) const override
    {
        auto relations = QAccessibleWidget::relations(match);
        const auto* label = dynamic_cast<const Label*>(&control_);
        if (label == nullptr) return relations;
        const auto relate = [&](const Label* other, QAccessible::Relation relation) {
            if (other != nullptr && (match & relation) != 0)
                relations.append({QAccessible::queryAccessibleInterface(&other->widget()), relation});
        };
        relate(label->captionLabel(), QAccessible::Label);
        relate(label->unitLabel(), QAccessible::Label);
        relate(label->resultLabelled(), QAccessible::Labelled);
        return relations;
    }

private:
    Control& control_;
};

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
            return heard(name.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
                             .remove(QLatin1Char('&'))
                             .replace(QLatin1Char('\x01'), QLatin1Char('&')));
        }
        if (t == QAccessible::Accelerator) return QKeySequence::mnemonic(caption).toString(QKeySequence::NativeText);
        return t == QAccessible::Name || t == QAccessible::Description ? heard(QAccessibleWidget::text(t))
                                                                        : QAccessibleWidget::text(t);
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
        Control* owner = Control::of(widget());
        if (auto* pressed = dynamic_cast<Button*>(owner))
            pressed->pressFromOutside();
        else if (auto* chosen = dynamic_cast<OptionButton*>(owner))
            chosen->chooseFromOutside();
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

bool exactly(QObject* object, const char* className)
{
    return qstrcmp(object->metaObject()->className(), className) == 0;
}

QAccessibleInterface* runtimeAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("QPushButton"))
        return new PressableAccessible(static_cast<QAbstractButton*>(object), QAccessible::Button);
    if (className == QLatin1String("QRadioButton"))
        return new PressableAccessible(static_cast<QAbstractButton*>(object), QAccessible::RadioButton);
    if (auto* view = qobject_cast<QWidget*>(object)) {
        Control* control = Control::of(view);
        if (control != nullptr && control->windowless()) return new WindowlessAccessible(view, *control);
    }
    // Otherwise only widgets of the runtime's own classes, which add no
    // class name of their own to Qt's.
    if (className == QLatin1String("QWidget") && exactly(object, "QWidget"))
        return new RuntimeAccessible(static_cast<QWidget*>(object), QAccessible::Client);
    if (className == QLatin1String("QFrame") && exactly(object, "QFrame"))
        return new RuntimeAccessible(static_cast<QWidget*>(object), QAccessible::Border);
    if (className == QLatin1String("QScrollBar") && exactly(object, "QScrollBar"))
        return new ScrollBarAccessible(static_cast<QScrollBar*>(object));
    return nullptr;
}

}  // namespace

void installAccessibility()
{
    // The widgets' own factory answers for every QWidget: ours, installed
    // after it, is asked first.
    QAccessible::installFactory(runtimeAccessible);
}

bool spokenChild(const QWidget& child)
{
    // Drawn for the eye; screen readers hear what they say otherwise.
    if (dynamic_cast<const FocusMark*>(&child) != nullptr || dynamic_cast<const NoticeLabel*>(&child) != nullptr)
        return false;
    if (dynamic_cast<const DrawingSurface*>(&child) != nullptr)
        return !formOfClient(child.parentWidget())->drawingDescription().isEmpty();
    if (const auto* announcer = dynamic_cast<const Announcer*>(&child)) return announcer->current();
    const Control* control = Control::of(&child);
    return control == nullptr || control->spoken();
}

}  // namespace rt
