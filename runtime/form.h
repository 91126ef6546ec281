#pragma once
// A form: a top-level window whose client area holds its controls and a
// drawing surface, scaled to fit the window; its lifetime, its clicks, and
// the parts that draw on it and speak for it.

#include <QWidget>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "control.h"
#include "drawing.h"
#include "drawing_surface.h"
#include "focus_mark.h"
#include "keys.h"
#include "measurements.h"
#include "notice.h"
#include "speech.h"
#include "window_fit.h"

namespace rt {

// What holds a form's window from Show to Unload: the runtime's instance of
// the form.
class FormHolder {
public:
    virtual void Unload() = 0;
    // The window's close box: the form is unloaded once no handler runs.
    virtual void requestClose() = 0;
    virtual void showStartupForm() = 0;
    // The form's measurements, which outlive its window, and their window.
    virtual Measurements& measurements() = 0;
    virtual void showMeasurements() = 0;

protected:
    ~FormHolder() = default;
};

struct FormProps {
    const char* name = "";
    const char* caption = "";
    // One sentence on what the form is for, read by screen readers.
    const char* description = "";
    // Its page of the help (F1).
    const char* help = "";
    Color backColor = sys::TitleBarText;
    FontSpec font = {"MS Sans Serif", 8.25f};
    const char* icon = nullptr;  // resource path of an SVG icon
    // Where the client area's top-left corner stands on the screen, in
    // twips; below 0, where the window system puts a new window.
    float left = -1, top = -1;
    // The columns of the pupil's measurements (none on the menu).
    std::span<const MeasureColumn> measures = {};
    const MeasureLaw* law = nullptr;
};

namespace detail {

// The widgets a form is made of, built before the parts that use them.
struct FormWidgets {
    explicit FormWidgets(QWidget& window);
    QWidget clientArea;
    DrawingSurface drawingSurface;
    FocusMark focusMark;
};

}  // namespace detail

class Form : public QWidget, public Container, public Host, private detail::FormWidgets, public Drawing, public Speech {
public:
    // A form of `session`, which its controls reach through it.
    Form(Session& session, const FormProps& props);
    ~Form() override;
    Session& session() const override { return session_; }
    // The clock its animations are paced by.
    Pacer& pacer() const { return session_.pacer(); }

    QWidget& area() override { return clientArea; }
    Host& host() override { return *this; }
    DrawingSurface* drawing() override { return &drawingSurface; }

    // Navigation.
    void Unload();
    // A simulator's "&Sortir": shows the start-up form, then unloads this
    // one (so that the program never finds itself with no form loaded).
    void BackToStartupForm();
    // Ends the program; the rest of the running handler is skipped.
    void End() { session_.End(); }
    void attach(FormHolder* holder) { holder_ = holder; }
    bool loadFinished() const override { return loadFinished_; }
    // Stacking, tab order and first focus, once every control exists.
    void finishLoad();

    void onClick(std::function<void()> handler) { click_ = std::move(handler); }
    // A calculation that wrote its results: one row of the form's table of
    // measurements, the inputs and then the results as the form shows them.
    void record(std::initializer_list<std::string> row);
    Control* findControl(const QString& name) const override;

    using Speech::announce;
    void announce(const Label& label) override { hear(label); }
    void eraseDrawing(const Control& control) override { eraseUnder(control); }

    // The client area is scaled, aspect kept, to the largest size the
    // window holds, and centred; the rest shows the form's background.
    double zoom() const override { return zoom_; }
    QWidget& client() { return clientArea; }
    // Where a form opens: at the zoom step the pupil chose last, or full
    // screen.
    void showAsChosen() { fit_.showAsChosen(); }
    const Notice& notice() const { return notice_; }
    // A sentence shown for a moment, and said.
    void tell(const QString& sentence) { notice_.tell(sentence); }
    void showNotice(const QString& sentence) { notice_.show(sentence); }
    const QString& helpPage() const { return helpPage_; }
    // The menu, or a simulator: which keys it has.
    WindowKind kind() const { return measures_.empty() ? MenuWindow : SimulatorWindow; }
    // Paints the window again in its session's profile of colours: its
    // background, its controls, its drawing.
    void recolour();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void cleared() override { describeDrawing(QString()); }

private:
    std::vector<Control*> allControls() const;
    void fitToWindow();
    void applyBackground();

    Session& session_;
    WindowFit fit_;
    Notice notice_;
    double zoom_ = 1;
    std::span<const MeasureColumn> measures_;
    const MeasureLaw* law_;
    const QString helpPage_;
    FormHolder* holder_ = nullptr;
    bool loadFinished_ = false;
    bool pressed_ = false;
    std::function<void()> click_;
};

}  // namespace rt
