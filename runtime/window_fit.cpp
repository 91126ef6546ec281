#include "window_fit.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <functional>
#include <iterator>

#include "twips.h"

namespace rt {

namespace {

constexpr double kZoomSteps[] = {1, 1.25, 1.5, 2, 2.5, 3, 4};

}  // namespace

double fittingZoom(QSize size)
{
    return std::min(size.width() / (kClientWidth / kTwipsPerPixel), size.height() / (kClientHeight / kTwipsPerPixel));
}

QPoint placeWithin(const QRect& frame, const QRect& available)
{
    const auto along = [](int start, int length, int from, int room) {
        return length > room ? from : std::clamp(start, from, from + room - length);
    };
    return {along(frame.x(), frame.width(), available.x(), available.width()),
            along(frame.y(), frame.height(), available.y(), available.height())};
}

QSize WindowFit::clientSizeAt(double zoom)
{
    return clientSize(zoom);
}

WindowFit::WindowFit(QWidget& window, Display& display, std::function<QSize(double)> sizeAt,
                     std::function<void(double)> zoomed)
    : window_(window), display_(display), sizeAt_(std::move(sizeAt)), zoomed_(std::move(zoomed))
{
}

double WindowFit::zoomStep() const
{
    const Display& shown = display_;
    double zoom = kZoomSteps[shown.zoomStep];
    // A step above 100 % never makes the window larger than the screen can
    // show, frame included. A frame that a Wayland compositor draws is not
    // known to the program, and the compositor may centre the window
    // without it: room is kept for borders and for a title bar on either
    // side.
    if (const QScreen* screen = window_.screen(); screen != nullptr && zoom > 1) {
        QSize frame = window_.frameGeometry().size() - window_.size();
        if (frame == QSize(0, 0) && shown.windowSystemPlacesWindows) frame = QSize(8, 64);
        // (In double precision, where fittingZoom divides in float as the
        // client area's fit always has: the step's size, as it was.)
        const QSize room = screen->availableGeometry().size() - frame, design = sizeAt_(1);
        zoom = std::max(
            1.0, std::min({zoom, room.width() / double(design.width()), room.height() / double(design.height())}));
    }
    return zoom;
}

void WindowFit::resizeToZoomStep()
{
    if (zoomed_) zoomed_(zoomStep());
    const QSize size = zoomStepSize();
    // Where the window system places windows, a window that grew where it
    // stands could run off the screen, and cannot be moved back.
    if (display_.windowSystemPlacesWindows && window_.isVisible() &&
        (size.width() > window_.width() || size.height() > window_.height()))
        showAnew(size);
    else
        window_.resize(size);
}

void WindowFit::showAnew(QSize size)
{
    window_.hide();
    window_.setWindowState(Qt::WindowNoState);
    window_.resize(size);
    window_.show();
    window_.activateWindow();  // the keyboard stays with it
}

void WindowFit::showAsChosen()
{
    if (display_.fullScreen) {
        if (zoomed_) zoomed_(zoomStep());
        window_.showFullScreen();
        return;
    }
    resizeToZoomStep();
    window_.show();
    keepOnScreen();
}

void WindowFit::keepOnScreen()
{
    const QScreen* screen = window_.screen();
    if (screen == nullptr || display_.windowSystemPlacesWindows) return;
    QRect frame = window_.frameGeometry();
    if (frame == window_.geometry()) frame = window_.geometry().marginsAdded(display_.knownFrame);
    // A form that opens at a fixed place stays whole on a small screen.
    const QPoint place = placeWithin(frame, screen->availableGeometry());
    if (place != frame.topLeft()) window_.move(place);
}

void WindowFit::moved()
{
    const QRect frame = window_.frameGeometry(), inner = window_.geometry();
    if (frame != inner)
        display_.knownFrame = QMargins(inner.left() - frame.left(), inner.top() - frame.top(),
                                       frame.right() - inner.right(), frame.bottom() - inner.bottom());
}

void WindowFit::stepZoom(int steps)
{
    Display& shown = display_;
    const int last = static_cast<int>(std::size(kZoomSteps)) - 1;
    shown.zoomStep = steps == 0 ? 0 : std::clamp(shown.zoomStep + steps, 0, last);
    if (zoomed_) zoomed_(zoomStep());
    // A maximised or full-screen window keeps filling the screen; the step
    // is for the windows opened afterwards.
    if (!window_.isMaximized() && !window_.isFullScreen()) resizeToZoomStep();
}

void WindowFit::toggleFullScreen()
{
    Display& shown = display_;
    shown.fullScreen = !window_.isFullScreen();
    if (shown.fullScreen) {
        window_.showFullScreen();
    } else if (shown.windowSystemPlacesWindows) {
        // The window system would give it back the size it had before,
        // where it stood, whatever the step chosen meanwhile.
        showAnew(zoomStepSize());
    } else {
        window_.showNormal();
        resizeToZoomStep();
    }
}

}  // namespace rt
