#pragma once
// A form's drawing methods (Line, Box, Cls...) in the form's scale, on its
// drawing surface. What was drawn since Cls is kept, so that the picture is
// drawn again, sharp, at another zoom.

#include <QPointF>
#include <QSize>
#include <cstdint>
#include <functional>
#include <vector>

#include "colors.h"

namespace rt {

class Control;
class DrawingSurface;
class Host;

// One call of the drawing methods, with the colour and width it was drawn
// with; or, as `Erase`, the place where a windowless control painted over
// the drawing. As called, in the form's scale; as kept, in twips (an erased
// control's left, top, width and height).
// (Some hundred thousand are kept for an emptying of the tank: 32 bytes.)
struct DrawCall {
    enum class Kind : std::uint8_t { Segment, Box, FilledBox, Erase };
    float x1, y1, x2, y2;
    Color color;
    std::uint16_t width;
    Kind kind;
    const Control* control = nullptr;  // the control that painted over
};

class Drawing {
public:
    Drawing(DrawingSurface& surface, const Host& host);
    Drawing(const Drawing&) = delete;
    Drawing& operator=(const Drawing&) = delete;

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

    // Sees every drawing call, for tests that count and check them.
    void setDrawingRecorder(std::function<void(const DrawCall&)> recorder) { recorder_ = std::move(recorder); }
    // Hands what was drawn since the last call to the window system.
    void flushDrawing();

protected:
    ~Drawing() = default;
    // Where a windowless control was painted over the drawing.
    void eraseUnder(const Control& control);
    // The picture again at the client area's new size and pixel scale.
    void redraw(QSize clientSize, double scale);
    // After Cls: the drawing shows nothing.
    virtual void cleared() {}

private:
    // A point in the form's scale, in twips.
    QPointF twipsOf(float x, float y) const;
    void paint(const DrawCall& kept);
    void keep(const DrawCall& kept);
    void draw(DrawCall::Kind kind, float x1, float y1, float x2, float y2, Color color);

    DrawingSurface& surface_;
    const Host& host_;
    std::vector<DrawCall> kept_;
    // Past this many calls since the last Cls the log stops, and a new zoom
    // stretches the picture instead of drawing it again.
    static constexpr size_t kMaxKept = 2'000'000;
    bool replayable_ = true;
    float currentX_ = 0, currentY_ = 0;
    int drawWidth_ = 1;
    Color foreColor_ = sys::WindowText;
    float scaleTop_ = 0;
    float twipsPerUnitX_ = 1;
    std::function<void(const DrawCall&)> recorder_;
};

}  // namespace rt
