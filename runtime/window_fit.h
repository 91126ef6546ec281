#pragma once
// How large a form's window is shown and where: the zoom steps, full
// screen, and a place wholly on the screen.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <functional>

#include "session.h"

class QWidget;

namespace rt {

// The largest zoom at which the client area fits in a window of `size`.
double fittingZoom(QSize size);

// Where a window's frame goes so that it lies wholly inside the available
// area of its screen; one too large for it keeps its top-left corner there.
QPoint placeWithin(const QRect& frame, const QRect& available);

// A window as the pupil chose it: it opens at the zoom step chosen last, or
// full screen, and its keys (F11, Ctrl+Plus, Ctrl+Minus, Ctrl+0) change
// that for this window and every one opened afterwards: `display` holds the
// choice for every window of the session.
class WindowFit {
public:
    // `sizeAt` gives the window's size at a zoom (a form's client area by
    // default); `zoomed`, if any, hears of each zoom the window is shown at.
    WindowFit(QWidget& window, Display& display, std::function<QSize(double zoom)> sizeAt = clientSizeAt,
              std::function<void(double zoom)> zoomed = {});
    WindowFit(const WindowFit&) = delete;
    WindowFit& operator=(const WindowFit&) = delete;

    void showAsChosen();
    // The window moved: the window manager's frame is learnt from it.
    void moved();
    // The keys: a step up or down, 0 back to 100 %; full screen and back.
    void stepZoom(int steps);
    void toggleFullScreen();

private:
    static QSize clientSizeAt(double zoom);
    // The zoom step the pupil chose, as far as the screen holds it.
    double zoomStep() const;
    QSize zoomStepSize() const { return sizeAt_(zoomStep()); }
    void resizeToZoomStep();
    // Shows the window again, at `size` and in its normal state, for the
    // window system to place it whole, as it places a new window.
    void showAnew(QSize size);
    void keepOnScreen();

    QWidget& window_;
    Display& display_;
    std::function<QSize(double)> sizeAt_;
    std::function<void(double)> zoomed_;
};

}  // namespace rt
