#pragma once
// What a screen reader is told of the runtime's own widgets. A form is a
// frame named by its caption; its client area and picture boxes list only
// what means something (no decorations, no focus mark); its drawing is one
// graphic named by what it shows, hidden while it shows nothing; and an
// announcer reads out, once, what a handler has written.

#include <QString>
#include <QWidget>

namespace rt {

// Makes the runtime's widgets known to assistive technology; once the
// application object exists.
void installAccessibility();

// Tells assistive technology that what it reads for a widget has changed.
void notifyNameChanged(QWidget& view);

// Whether a screen reader is shown a widget of a client area or picture box.
bool spokenChild(const QWidget& child);

// An object of no size that screen readers hear as a notification, one for
// each message: a screen reader that reads it late, once the next message
// is out, still reads this one.
class Announcer : public QWidget {
public:
    Announcer(QWidget& client, const QString& message);
    const QString& message() const { return message_; }
    // Left out of the tree once a newer message is out.
    bool current() const { return current_; }
    void replaced() { current_ = false; }

private:
    QString message_;
    bool current_ = true;
};

}  // namespace rt
