#pragma once
// What one run of the program shares, as its forms and controls reach it
// (a control through its host): the virtual clock, how windows are shown,
// and the door through which they hand the runtime their handlers. The
// runtime makes it concrete; the program owns that one, and each test and
// benchmark builds its own, so nothing one sets reaches another.

#include <QMargins>
#include <QString>
#include <QWidget>
#include <functional>

#include "colors.h"
#include "pacer.h"

namespace rt {

// How forms are shown, as the pupil last chose: the zoom step of a new
// window, and whether forms open full screen.
struct Display {
    int zoomStep = 0;
    bool fullScreen = false;
    // Whether the window system places the windows, and the program can
    // neither move them nor learn where they are (Wayland, where Qt says
    // 0,0), or the program can (X11).
    bool windowSystemPlacesWindows = false;
    // The window manager's frame around a window, as last seen around one:
    // a window just shown has none yet.
    QMargins knownFrame;
    // The colours every window is painted in (F7).
    Profile profile = Profile::Documents;
};

// Whether the platform is one whose window system places the windows
// (Wayland): what a new session's Display starts from.
bool windowSystemPlacesWindows();

class Session {
public:
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    Pacer& pacer() { return pacer_; }
    Display& display() { return display_; }
    const Display& display() const { return display_; }
    // A colour of the documents as the session's profile paints it: as a
    // text's ink, or as a fill.
    Color ink(Color color) const { return textColor(display_.profile, color); }
    Color fill(Color color) const { return fillColor(display_.profile, color); }
    // Paints every window, and those opened afterwards, in `profile`.
    virtual void setProfile(Profile profile) = 0;

    // Runs a user action's handler, or, while one runs, after it.
    virtual void dispatch(QWidget* origin, std::function<void()> handler) = 0;
    // An assistive tool's action: answered at once, run afterwards in turn.
    virtual void dispatchLater(QWidget* origin, std::function<void()> handler) = 0;
    virtual bool inHandler() const = 0;
    // Whether what arrives now must wait for its turn.
    virtual bool busy() const = 0;
    // Ends the program: every form is unloaded and no further handler runs.
    virtual void End() = 0;

    // F1: the help, at `page`, where the program gives one.
    void setHelp(std::function<void(const QString& page)> help) { help_ = std::move(help); }
    void showHelp(const QString& page) const
    {
        if (help_) help_(page);
    }

protected:
    // Learns from the application object whether the window system places
    // the windows.
    Session();
    virtual ~Session() = default;

private:
    Pacer pacer_;
    Display display_;
    std::function<void(const QString&)> help_;
};

}  // namespace rt
