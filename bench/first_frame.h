#pragma once
// Ends the application once a window has shown its first frame: what the
// start-up benchmark times, for the program and for a bare window alike.

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

class QuitAfterFirstFrame : public QObject {
public:
    explicit QuitAfterFirstFrame(QObject* parent) : QObject(parent) {}

protected:
    bool eventFilter(QObject* target, QEvent* event) override
    {
        // A top-level window's paint: once it has been handled, the frame is
        // on its way to the screen.
        if (event->type() == QEvent::Paint && target->isWidgetType() && static_cast<QWidget*>(target)->isWindow())
            QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        return false;
    }
};
