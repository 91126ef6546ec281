#pragma once
// Where controls and windows hand the handlers of what the pupil does: the
// runtime, which runs one at a time and reports a run-time error that
// escapes one.

#include <QWidget>
#include <functional>

namespace rt {

class Handlers {
public:
    // The program's: the runtime, once it exists.
    static Handlers& instance();

    // Runs a user action's handler, or, while one runs, after it.
    virtual void dispatch(QWidget* origin, std::function<void()> handler) = 0;
    // An assistive tool's action: answered at once, run afterwards in turn.
    virtual void dispatchLater(QWidget* origin, std::function<void()> handler) = 0;
    virtual bool inHandler() const = 0;
    // Whether what arrives now must wait for its turn.
    virtual bool busy() const = 0;

protected:
    Handlers();
    virtual ~Handlers();
};

}  // namespace rt
