#include "accessible.h"

#include <QAbstractButton>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <cmath>

#include "form.h"
#include "measurements_graph.h"
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

// What a form's drawing shows, said of its surface (nothing for a surface
// not yet, or no longer, on a form's client area).
QString drawingDescriptionOf(const QWidget& surface)
{
    const Form* form = surface.parentWidget() != nullptr ? formOfClient(surface.parentWidget()) : nullptr;
    return form != nullptr ? form->drawingDescription() : QString();
}

// A plain widget of the runtime's: a form, its client area, its drawing,
// its announcer, or a picture box. What it is is asked at each call, since
// Qt may ask for the interface while the widget is still being built.
class RuntimeAccessible : public QAccessibleWidget {
public:
    RuntimeAccessible(QWidget* widget, QAccessible::Role plainRole) : QAccessibleWidget(widget, plainRole) {}

    QAccessible::Role role() const override
    {
        // A window of the runtime's, the measurements' too: a frame.
        if (form() != nullptr || dynamic_cast<const MeasurementsWindow*>(widget()) != nullptr)
            return QAccessible::Window;
        if (dynamic_cast<const MeasurementsGraph*>(widget()) != nullptr) return QAccessible::Chart;
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
            if (t == QAccessible::Help) return keysHelp(f->kind());
        }
        if (t == QAccessible::Name) {
            if (surface() != nullptr) return drawingDescriptionOf(*widget());
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
    // (Asked for while its control is still being built: what the control
    // is, it finds out at each call.)
    explicit WindowlessAccessible(QWidget* view) : QAccessibleWidget(view, QAccessible::Graphic) {}

    QAccessible::Role role() const override
    {
        return label() != nullptr ? QAccessible::StaticText : QAccessible::Graphic;
    }
    QString text(QAccessible::Text t) const override
    {
        const Control* shown = Control::of(widget());
        return heard(t == QAccessible::Name && shown != nullptr ? shown->accessibleText() : QAccessibleWidget::text(t));
    }
    // A result is labelled by its caption and unit, which are its labels.
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation match) const override
    {
        auto relations = QAccessibleWidget::relations(match);
        const Label* label = this->label();
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
    const Label* label() const { return dynamic_cast<const Label*>(Control::of(widget())); }
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
        // The button Enter presses, as Qt says it of its own: in a message
        // box, the default answer.
        if (const auto* push = qobject_cast<const QPushButton*>(&button())) state.defaultButton = push->isDefault();
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

// Whether the object is, for now, exactly of Qt's class `T`: a runtime
// widget while its Qt part is still being built, before it knows what it
// is (a scroll bar tells of its range then, and Qt keeps the interface it
// made for it).
template <class T>
bool builtSoFarAs(const QObject* object)
{
    return object->metaObject() == &T::staticMetaObject;
}

QAccessibleInterface* runtimeAccessible(const QString& className, QObject* object)
{
    // Qt asks once for each class of the object's, the most derived first.
    // The runtime answers the first time, by what the widget is, so that a
    // class name of a widget's own (a Q_OBJECT) changes nothing.
    if (!object->isWidgetType() || className != QLatin1String(object->metaObject()->className())) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (auto* button = qobject_cast<QPushButton*>(widget)) return new PressableAccessible(button, QAccessible::Button);
    if (auto* option = qobject_cast<QRadioButton*>(widget))
        return new PressableAccessible(option, QAccessible::RadioButton);
    // A control's widget: Qt asks for it while the control is still being
    // built, so what is known is the widget's kind.
    if (const auto* view = dynamic_cast<const ControlView*>(widget)) {
        if (view->control() != nullptr && view->control()->windowless()) return new WindowlessAccessible(widget);
        if (auto* bar = qobject_cast<QScrollBar*>(widget)) return new ScrollBarAccessible(bar);
        if (qobject_cast<QGroupBox*>(widget) == nullptr && qobject_cast<QFrame*>(widget) != nullptr)
            return new RuntimeAccessible(widget, QAccessible::Border);  // a picture box
        return nullptr;
    }
    if (dynamic_cast<Form*>(widget) != nullptr || formOfClient(widget) != nullptr ||
        dynamic_cast<DrawingSurface*>(widget) != nullptr || dynamic_cast<Announcer*>(widget) != nullptr ||
        dynamic_cast<MeasurementsWindow*>(widget) != nullptr || dynamic_cast<MeasurementsGraph*>(widget) != nullptr)
        return new RuntimeAccessible(widget, QAccessible::Client);
    // Asked for while still being built: interfaces that find out what the
    // widget is at each call.
    if (builtSoFarAs<QScrollBar>(object)) return new ScrollBarAccessible(static_cast<QScrollBar*>(widget));
    if (builtSoFarAs<QFrame>(object)) return new RuntimeAccessible(widget, QAccessible::Border);
    if (builtSoFarAs<QWidget>(object)) return new RuntimeAccessible(widget, QAccessible::Client);
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
    if (dynamic_cast<const DrawingSurface*>(&child) != nullptr) return !drawingDescriptionOf(child).isEmpty();
    if (const auto* announcer = dynamic_cast<const Announcer*>(&child)) return announcer->current();
    const Control* control = Control::of(&child);
    return control == nullptr || control->spoken();
}

}  // namespace rt
