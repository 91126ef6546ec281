#pragma once
// Windowed controls: real widgets of the window system, above everything
// the form draws. Their events reach the form's handlers through the
// runtime, one handler at a time.

#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "control.h"

class QPushButton;
class QScrollBar;
class QLineEdit;
class QGroupBox;
class QRadioButton;

namespace rt {

class Label;

class Button : public Control {
public:
    Button(Container& container, const ButtonProps& props);

    bool Enabled() const;
    void setEnabled(bool enabled);
    QString Caption() const;
    // Clicked by the mouse, by its access key, by Enter or Space while it
    // has the focus, and as the form's cancel button by Escape.
    void onClick(std::function<void()> handler) { click_ = std::move(handler); }
    void makeCancelButton();
    // An assistive technology's press: a click, once the tool has its answer
    // and no handler runs.
    void pressFromOutside();

private:
    class View;
    void clicked();
    std::function<void()> click_;
};

class HScrollBar : public Control {
public:
    HScrollBar(Container& container, const ScrollBarProps& props);

    int Value() const;
    // Runs the Change handler before it returns when the value changes.
    void setValue(int value);
    int Min() const;
    int Max() const;
    // Runs when the value changes: an arrow or a page click, a key, the
    // thumb released (not while it is dragged), or the program.
    void onChange(std::function<void()> handler) { change_ = std::move(handler); }

    // The label that shows the value, and what one step is worth there.
    const Label* valueLabel() const { return valueLabel_; }
    double shownStep() const { return shownStep_; }
    // Whether a step is a whole number of the units shown (a metre, not a
    // tenth of a kilogram per cubic decimetre).
    bool wholeSteps() const;
    // An assistive technology's value: shown at once, its Change handler
    // run once the tool has its answer.
    void moveFromOutside(int value);

private:
    QScrollBar& bar() const;
    void runChange();
    // A new value that is not the program's: the pupil's, or an assistive
    // tool's, whose Change handler runs once the tool has its answer.
    void movedFromOutside(bool byAssistiveTool);
    std::function<void()> change_;
    bool settingValue_ = false;
    int shown_;  // the value before the last change
    const Label* valueLabel_;
    double shownStep_;
};

class TextBox : public Control {
public:
    TextBox(Container& container, const TextBoxProps& props);

    QString Text() const;
    // Sets the text as the program does: at once.
    void setText(const QString& text);
    void setText(const char* text) { setText(QString::fromUtf8(text)); }
    std::string textUtf8() const { return Text().toStdString(); }
    // Key codes as the forms know them: 13 for Enter, 65 for A...; shift is
    // 1 for Shift, 2 for Ctrl, 4 for Alt, added together.
    void onKeyDown(std::function<void(int keyCode, int shift)> handler) { keyDown_ = std::move(handler); }
    void onClick(std::function<void()> handler) { click_ = std::move(handler); }

private:
    class View;
    friend class View;
    // A change of text that is not the program's: the pupil's typing, or an
    // assistive technology's edit, which waits for a running handler.
    void editedFromOutside();
    std::function<void(int, int)> keyDown_;
    std::function<void()> click_;
    QString shown_;  // the text before the last change
    bool settingText_ = false;
};

// A picture box: a container with a background, a picture at its top-left
// corner and, if asked, a border.
class PictureBox : public Control, public Container {
public:
    PictureBox(Container& container, const PictureBoxProps& props);
    QWidget& area() override { return widget(); }
    Host& host() override { return Control::host(); }

private:
    class View;
};

// A frame with a caption around its controls.
class Frame : public Control, public Container {
public:
    Frame(Container& container, const FrameProps& props);
    QWidget& area() override { return widget(); }
    Host& host() override { return Control::host(); }
};

class OptionButton : public Control {
public:
    // The button `name`: its array's name and its index, "OptTriar(0)".
    OptionButton(Container& container, const std::string& name, const OptionButtonProps& props);
    bool Value() const;
    QRadioButton& button() const;
    // Chooses the button and runs its array's Click, as a mouse click does.
    void choose();
    // An assistive technology's toggle: a choice, once no handler runs.
    void chooseFromOutside();

private:
    friend class OptionArray;
    std::function<void()> click_;
};

// A control array of option buttons named name(0), name(1), ...
class OptionArray {
public:
    OptionArray(Container& container, const char* name, std::initializer_list<OptionButtonProps> buttons);
    OptionButton& operator[](size_t index) { return *buttons_.at(index); }
    size_t size() const { return buttons_.size(); }
    // Runs with the index of the button clicked (by the mouse, its key, or
    // an arrow key that moves the choice).
    void onClick(std::function<void(int index)> handler) { click_ = std::move(handler); }

private:
    std::vector<std::unique_ptr<OptionButton>> buttons_;
    std::function<void(int)> click_;
};

}  // namespace rt
