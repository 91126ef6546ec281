#pragma once
// A form: a top-level window whose client area holds its controls and a
// drawing surface, and its drawing methods.

#include <QImage>
#include <QPainter>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>

#include "accessible.h"
#include "control.h"

namespace rt {

class FormInstanceBase;
class Label;

// The retained picture the form's Line method draws on. It lies above the
// windowless controls and below the windowed ones, and keeps every drawing
// until Cls, so uncovering the window never loses one.
class DrawingSurface : public QWidget {
public:
    explicit DrawingSurface(QWidget& client);
    // Starts a new, empty picture at another size and pixel scale; or, with
    // `keep`, the picture there was, stretched to the new size.
    void rescale(QSize logicalSize, qreal scale, bool keep = false);

    // Device-pixel coordinates of the image.
    void line(QPointF from, QPointF to, QColor color, int width);
    void box(QRectF box, QColor color, int width, bool filled);
    void clear();
    // A windowless control paints over the drawing in its own area.
    void erase(const QRect& logicalRect);
    // Hands what was drawn since the last call to the window system.
    void flush();

    // What has been drawn (null before the first drawing).
    const QImage& image() const { return image_; }
    // Device pixels per pixel of the form at a zoom of 1.
    qreal scale() const { return scale_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QPainter& painter();
    void touched(const QRectF& deviceRect);

    QImage image_;     // device pixels; made at the first drawing
    qreal dpr_ = 1;    // device pixels per pixel of this widget
    qreal scale_ = 1;  // device pixels per pixel of the form at a zoom of 1
    std::optional<QPainter> painter_;
    QRect dirty_;  // logical pixels
    QRect drawn_;  // logical pixels holding a drawing since the last clear
};

// One call of a form's drawing methods, in the form's scale, with the
// colour and width it was drawn with.
struct DrawCall {
    enum class Kind { Segment, Box, FilledBox };
    Kind kind;
    float x1, y1, x2, y2;
    Color color;
    int width;
};

// What the form has drawn since the last Cls, in twips, so that the picture
// can be drawn again at another zoom; and where windowless controls painted
// over it. Small: an emptying of the tank is some hundred thousand calls.
struct Drawn {
    enum class Kind : std::uint8_t { Segment, Box, FilledBox, Erase };
    float x1, y1, x2, y2;  // twips; an erased control's left, top, width, height
    QRgb color;
    std::uint16_t width;
    Kind kind;
    const Control* control;  // the control that painted over the drawing
};

// The mark around the control that has the focus: two pixels (more at a
// zoom) of black, which stands out on every form's background, shown from
// the first focus on.
class FocusMark : public QWidget {
public:
    explicit FocusMark(QWidget& client);
    // Around `control` (a widget of the client area), or hidden for none.
    void follow(QWidget* control, double zoom);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int width_ = 2;
};

struct FormProps {
    const char* name = "";
    const char* caption = "";
    // One sentence on what the form is for, read by screen readers.
    const char* description = "";
    Color backColor = sys::TitleBarText;
    FontSpec font = {"MS Sans Serif", 8.25f};
    const char* icon = nullptr;  // resource path of an SVG icon
    // Where the client area's top-left corner stands on the screen, in
    // twips; below 0, where the window system puts a new window.
    float left = -1, top = -1;
};

// The keys that change how large forms are shown, as a teacher finds them
// in the menu's description and each window's help.
inline constexpr const char* kZoomKeys =
    "Ctrl+Més amplia la finestra, Ctrl+Menys la redueix i Ctrl+0 la torna al 100 %; F11 activa i desactiva la "
    "pantalla completa.";

class Form : public QWidget, public Container {
public:
    static constexpr float kClientWidth = 11880, kClientHeight = 8595;

    explicit Form(const FormProps& props);
    ~Form() override;

    QWidget& area() override { return client_; }
    Form& form() override { return *this; }
    DrawingSurface* drawing() override { return &surface_; }

    // Navigation.
    void Unload();
    // A simulator's "&Sortir": shows the start-up form, then unloads this
    // one (so that the program never finds itself with no form loaded).
    void BackToStartupForm();
    void attach(FormInstanceBase* instance);
    FormInstanceBase* instance() const { return instance_; }
    bool loadFinished() const { return loadFinished_; }

    // Drawing, in the form's scale (twips unless changed below).
    void Cls();
    void Line(float x1, float y1, float x2, float y2, Color color = kDefaultColor);
    void LineTo(float x2, float y2, Color color = kDefaultColor);
    void Box(float x1, float y1, float x2, float y2, Color color = kDefaultColor);
    void FilledBox(float x1, float y1, float x2, float y2, Color color = kDefaultColor);

    float CurrentX() const { return currentX_; }
    float CurrentY() const { return currentY_; }
    void setCurrentX(float x) { currentX_ = x; }
    void setCurrentY(float y) { currentY_ = y; }
    int DrawWidth() const { return drawWidth_; }
    void setDrawWidth(int pixels);
    Color ForeColor() const { return foreColor_; }
    void setForeColor(Color color) { foreColor_ = color; }
    float ScaleTop() const { return scaleTop_; }
    void setScaleTop(float top) { scaleTop_ = top; }
    // Horizontal scale: the client area is `units` drawing units wide.
    void setScaleWidth(float units);
    float twipsPerUnitX() const { return twipsPerUnitX_; }

    void onClick(std::function<void()> handler) { click_ = std::move(handler); }
    // Sees every drawing call, for tests that count and check them.
    void setDrawingRecorder(std::function<void(const DrawCall&)> recorder) { recorder_ = std::move(recorder); }

    // A control by its designer name ("OptTriar(1)"), in any container.
    Control* findControl(const QString& name) const;
    template <class T>
    T& control(const char* name) const
    {
        auto* c = dynamic_cast<T*>(findControl(QString::fromUtf8(name)));
        if (c == nullptr) throw std::invalid_argument(name);
        return *c;
    }

    void flushDrawing() { surface_.flush(); }

    // What a screen reader is told: the form's purpose, what the drawing
    // shows now (nothing after Cls), and what a handler has written.
    const QString& description() const { return description_; }
    const QString& drawingDescription() const { return drawingDescription_; }
    void describeDrawing(const QString& description);
    void describeDrawing(const std::string& description) { describeDrawing(QString::fromStdString(description)); }
    // Said once the running handler ends (at once outside one): a result
    // with its caption and unit, a warning, how an animation ended.
    void announce(const Label& label);
    void announce(const QString& sentence);
    void announce(const std::string& sentence) { announce(QString::fromStdString(sentence)); }
    // Says what was announced since the last time, as one message.
    void speak();
    QString lastAnnouncement() const { return said_.empty() ? QString() : said_.back()->message(); }
    // A windowless control shown, moved or changed paints over the drawing.
    void eraseDrawing(const Control& control);

    // The client area is scaled, aspect kept, to the largest size the
    // window holds, and centred; the rest shows the form's background.
    double zoom() const { return zoom_; }
    QWidget& client() { return client_; }
    // Where a form opens: at the zoom step the pupil chose last, or full
    // screen. The keys (F11, Ctrl+Plus, Ctrl+Minus, Ctrl+0) change them for
    // this form and every one opened afterwards.
    void showAsChosen();
    // Stacking, tab order and first focus, once every control exists.
    void finishLoad();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::vector<Control*> allControls() const;
    // A point in the form's scale, in twips.
    QPointF twipsOf(float x, float y) const;
    void paint(const Drawn& drawn);
    void record(const Drawn& drawn);
    void fitToWindow();
    // The window's size at the zoom step the pupil chose, as far as the
    // screen holds it.
    QSize zoomStepSize() const;
    void resizeToZoomStep();
    // Shows the window again, at `size` and in its normal state, for the
    // window system to place it whole, as it places a new window.
    void showAnew(QSize size);
    void stepZoom(int steps);  // 0: back to 100 %
    void toggleFullScreen();
    void keepOnScreen();
    QColor penColor(Color color) const;
    void draw(DrawCall::Kind kind, float x1, float y1, float x2, float y2, Color color);

    QWidget client_;
    DrawingSurface surface_;
    FocusMark focusMark_;
    QString description_;
    QString drawingDescription_;
    std::vector<const Label*> heard_;  // results written, in order
    QStringList sentences_;
    // The last messages said; a few are kept for screen readers that read
    // them late.
    std::vector<std::unique_ptr<Announcer>> said_;
    std::vector<Drawn> drawn_;
    // Past this many calls since the last Cls the log stops, and a new zoom
    // stretches the picture instead of drawing it again.
    static constexpr size_t kMaxDrawn = 2'000'000;
    bool replayable_ = true;
    double zoom_ = 1;
    FormInstanceBase* instance_ = nullptr;
    bool loadFinished_ = false;
    bool pressed_ = false;
    float currentX_ = 0, currentY_ = 0;
    int drawWidth_ = 1;
    Color foreColor_ = sys::WindowText;
    float scaleTop_ = 0;
    float twipsPerUnitX_ = 1;
    std::function<void()> click_;
    std::function<void(const DrawCall&)> recorder_;
};

QColor toQColor(Color color);

// Where a window's frame goes so that it lies wholly inside the available
// area of its screen; one too large for it keeps its top-left corner there.
QPoint placeWithin(const QRect& frame, const QRect& available);

}  // namespace rt
