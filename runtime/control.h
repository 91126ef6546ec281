#pragma once
// What every control shares: its designer name, its place in twips in its
// container, its visibility, and its place in the container's stacking.

#include <QPointer>
#include <QString>
#include <QWidget>
#include <concepts>
#include <stdexcept>
#include <vector>

#include "props.h"

namespace rt {

class Control;
class Label;
class Session;

// The form that controls lie on, as they see it.
class Host {
public:
    // The session the form belongs to: its clock, its dispatcher.
    virtual Session& session() const = 0;
    // How many times larger than designed the form is shown.
    virtual double zoom() const = 0;
    // Whether every control exists and the form has been laid out.
    virtual bool loadFinished() const = 0;
    // A windowless control shown, moved or changed paints over the drawing.
    virtual void eraseDrawing(const Control& control) = 0;
    // A result written, to be said once the running handler ends.
    virtual void announce(const Label& label) = 0;
    // A control by its designer name ("OptTriar(1)"), in any container.
    virtual Control* findControl(const QString& name) const = 0;
    template <class T>
    T& control(const char* name) const
    {
        auto* c = dynamic_cast<T*>(findControl(QString::fromUtf8(name)));
        if (c == nullptr) throw std::invalid_argument(name);
        return *c;
    }

protected:
    ~Host() = default;
};

// A form or a picture box or frame: what holds controls.
class Container {
public:
    virtual ~Container() = default;
    virtual QWidget& area() = 0;
    virtual Host& host() = 0;
    // Only the form has a drawing, above its windowless controls; the rest
    // return null.
    virtual QWidget* drawing() { return nullptr; }

    const FontSpec& font() const { return font_; }
    Color backColor() const { return backColor_; }

    void add(Control& control) { controls_.push_back(&control); }
    void remove(Control& control);
    // Designer order: where controls overlap, an earlier one lies above.
    const std::vector<Control*>& controls() const { return controls_; }
    // Windowless controls at the bottom in designer order, then the drawing
    // surface (if any), then the windowed controls.
    void restack();

protected:
    FontSpec font_;
    Color backColor_ = kDefaultColor;

private:
    std::vector<Control*> controls_;
};

// What every control's widget is besides its Qt class: the widget knows the
// control it shows, so a control is found from its widget by the widget's
// type (Qt's accessibility factory is given the widget and nothing else).
class ControlView {
public:
    Control* control() const { return control_; }

protected:
    ControlView() = default;
    ~ControlView() = default;

private:
    friend class Control;
    Control* control_ = nullptr;
};

class Control {
public:
    enum class Kind { Windowless, Windowed };

    // `view` is the widget that shows the control; the control owns it.
    template <class View>
    requires std::derived_from<View, QWidget> && std::derived_from<View, ControlView> Control(Container& container,
                                                                                              const ControlProps& props,
                                                                                              View* view, Kind kind)
        : Control(container, props, view, static_cast<ControlView*>(view), kind)
    {
    }
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    QWidget& widget() const { return *view_; }
    Container& container() const { return container_; }
    Host& host() const { return container_.host(); }
    QString name() const { return view_->objectName(); }
    bool windowless() const { return kind_ == Kind::Windowless; }
    int tabIndex() const { return tabIndex_; }

    float Left() const { return left_; }
    float Top() const { return top_; }
    float Width() const { return width_; }
    float Height() const { return height_; }
    void setLeft(float v) { move(v, top_, width_, height_); }
    void setTop(float v) { move(left_, v, width_, height_); }
    void setWidth(float v) { move(left_, top_, v, height_); }
    void setHeight(float v) { move(left_, top_, width_, v); }
    void move(float left, float top, float width, float height);

    bool Visible() const { return visible_; }
    // The font the control shows: its own, or its container's.
    const FontSpec& fontSpec() const { return fontSpec_; }
    void setVisible(bool visible);
    void SetFocus() { view_->setFocus(Qt::OtherFocusReason); }
    // What a screen reader calls a control that has no caption, as it
    // changes ("Recipient enfonsat").
    void setAccessibleName(const QString& name) { view_->setAccessibleName(name); }

    // What a screen reader reads for the control: its caption, the text of
    // its picture, or the name the form gives it (none for a decoration).
    virtual QString accessibleText() const;
    // Whether a screen reader sees the control at all: decorations (lines,
    // unnamed shapes, empty labels) are left out.
    virtual bool spoken() const { return !windowless() || !accessibleText().trimmed().isEmpty(); }
    // Tells the controls this one names (a result's caption and unit
    // labels) that it does, once the whole form exists.
    virtual void link() {}
    // The control a widget shows, if any.
    static Control* of(const QWidget* view);

    // The place of the view, in logical pixels, for given twips at a zoom.
    virtual QRect viewRect(float left, float top, float width, float height, double zoom) const;
    // Lays the control out again at its form's zoom: place and font.
    virtual void rescale();
    // Paints the control again in its session's profile of colours.
    virtual void recolour();
    // A colour of the documents, filled as the session's profile paints it.
    QColor painted(Color color) const;
    // The colour of the runtime's own lines on the control (a border, a
    // thumb, a circle): at 3:1 or more against what it stands on, its own
    // background or its container's, in either profile.
    QColor edgeInk() const;

protected:
    double zoom() const;
    // To be called by a property setter that changed what the control shows.
    void changed();
    // Sets a property the control shows; only a new value repaints.
    template <class T>
    bool setShown(T& field, const T& value)
    {
        if (field == value) return false;
        field = value;
        changed();
        return true;
    }
    void applyGeometry();
    // A windowed control's own background, a colour of the documents (none:
    // the toolkit's), painted in the session's profile.
    void setBackground(Color color);
    // Tells assistive technology that what it reads for a view has changed.
    static void nameChanged(QWidget& view);

private:
    Control(Container& container, const ControlProps& props, QWidget* view, ControlView* tag, Kind kind);
    // What every visible change brings: a windowless control paints over
    // the drawing in its own area, and the change costs virtual time.
    void repaint(long long pixels);

    Container& container_;
    QPointer<QWidget> view_;
    ControlView* tag_;  // the view, as it knows its control
    Kind kind_;
    int tabIndex_;
    float left_, top_, width_, height_;
    bool visible_;
    FontSpec fontSpec_;  // its own, or its container's
    Color background_ = kDefaultColor;
};

}  // namespace rt
