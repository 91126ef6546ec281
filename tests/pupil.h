#pragma once
// A pupil at the controls, for the tests, the benchmarks, the soak and the
// monkey: a control found by its designer name, clicked, typed into or
// moved as the pupil does it.

#include <QString>
#include <QWidget>
#include <stdexcept>

namespace pupil {

// The control named `name` under `root`; a name that is not there is a
// fault of the caller's, raised as std::invalid_argument.
template <class T = QWidget>
T& control(QWidget& root, const char* name)
{
    T* found = root.findChild<T*>(QString::fromUtf8(name));
    if (found == nullptr) throw std::invalid_argument(name);
    return *found;
}

// A click in the middle of the control, as the mouse does it.
void click(QWidget& root, const char* name);
// Empties a text box and types `text` into it, key by key.
void type(QWidget& root, const char* box, const char* text);
// Moves a scroll bar to `value`, as dragging its thumb there does.
void set(QWidget& root, const char* bar, int value);

}  // namespace pupil
