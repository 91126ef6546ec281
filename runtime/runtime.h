#pragma once
// The form runtime: dispatch of events to handlers, form lifetimes, the end
// of the program and the reporting of run-time errors.

#include <QPointer>
#include <QString>
#include <QWidget>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "form.h"
#include "measurements_window.h"
#include "session.h"

namespace rt {

class FormInstanceBase;

// The session made concrete: the dispatcher of every handler, the forms
// loaded, the end of the program. The program owns one; so does each test.
class Runtime final : public Session {
public:
    // What a session starts with: a pupil's run asks before it ends with
    // measurements unsaved; tests, the monkey and the soak, which keep none
    // of a pupil's, do not. Animations are paced only where someone watches.
    struct Options {
        bool askBeforeEnding = true;
        bool paced = false;
        int slowdown = 1;
    };
    explicit Runtime(Options options);
    ~Runtime() override = default;

    // Runs the handler of a user action or a window-system event. One
    // handler runs at a time: what arrives while another runs (a screen
    // reader pressing a button, say) waits until it has ended. A run-time
    // error escaping the handler is reported and ends the program.
    void dispatch(QWidget* origin, std::function<void()> handler) override;
    // An assistive tool's action (a screen reader pressing a button, a
    // switch device moving a bar), which waits for its answer: the tool is
    // answered at once, and the handler runs afterwards, in turn with
    // everything else that came meanwhile.
    void dispatchLater(QWidget* origin, std::function<void()> handler) override;
    bool inHandler() const override { return depth_ > 0; }
    // Whether what arrives now must wait: a handler runs, or something that
    // came earlier still waits for its turn.
    bool busy() const override { return depth_ > 0 || draining_ || !waiting_.empty(); }

    // Shows the start-up form; the program runs until End or until no form
    // is loaded.
    void start(FormInstanceBase& startup);
    void showStartupForm();
    // A window's close box: unloads the form, after the running handler.
    void requestClose(FormInstanceBase& form);
    // Ends the program at once: every form is unloaded and no further
    // handler runs. Inside a handler, the rest of that handler is skipped.
    void End() override;
    void setProfile(Profile profile) override;
    bool ended() const { return ended_; }
    int exitCode() const { return exitCode_; }

    int loadedForms() const;
    std::vector<Form*> loadedWindows() const;

    // Shows what changed on every window, as the pacer does at each frame.
    void present();
    // Whether the program, before it ends, asks to save the measurements
    // not yet saved.
    void setAskBeforeEnding(bool ask) { askBeforeEnding_ = ask; }
    bool asksBeforeEnding() const { return askBeforeEnding_; }
    // What else repaints when the profile of colours changes: the windows
    // the program adds beside its forms.
    void setOnRecolour(std::function<void()> recolour) { onRecolour_ = std::move(recolour); }
    // Where run-time error messages go; by default a message box.
    void setErrorReporter(std::function<void(const QString&)> reporter) { reporter_ = std::move(reporter); }

    void add(FormInstanceBase* form);
    void remove(FormInstanceBase* form);

private:
    struct HandlerScope;
    struct EndSignal {};
    void endProgram(int exitCode);
    // Asked before the pupil ends the program: false to go on with it.
    bool mayEnd();
    void run(const std::function<void()>& handler);
    void afterHandlers();

    int depth_ = 0;
    bool draining_ = false;  // taking the input that came during a handler
    bool ended_ = false;
    int exitCode_ = 0;
    FormInstanceBase* startup_ = nullptr;
    std::vector<FormInstanceBase*> forms_;
    std::deque<std::pair<QPointer<QWidget>, std::function<void()>>> waiting_;
    std::vector<FormInstanceBase*> closeRequests_;
    std::function<void(const QString&)> reporter_;
    std::function<void()> onRecolour_;
    bool askBeforeEnding_;
    // What a call queued for later is tied to: gone with the runtime, it
    // takes the call with it.
    QObject queued_;
    bool asking_ = false;
};

// One instance of a form for the session, made after it: its window exists
// from Show to Unload, while the form's values (held by the typed subclass)
// last as long as the instance.
class FormInstanceBase : public FormHolder {
public:
    explicit FormInstanceBase(Runtime& runtime);
    virtual ~FormInstanceBase();
    FormInstanceBase(const FormInstanceBase&) = delete;
    FormInstanceBase& operator=(const FormInstanceBase&) = delete;

    // Loads the form from its design-time properties if needed and shows it.
    void Show();
    // Destroys the window and its controls; safe from the form's own
    // handler, which runs on.
    void Unload() override;
    void requestClose() override;
    void showStartupForm() override;
    Measurements& measurements() override { return measurements_; }
    // F9: the window of the measurements, brought forward.
    void showMeasurements() override;
    // Its window, and that of its measurements, in the session's profile.
    void recolour();
    // Asks where to save the measurements, and saves them there: false if
    // they were not.
    bool saveMeasurementsAsked();
    bool loaded() const { return window_ != nullptr; }
    Form* window() const { return window_; }

protected:
    virtual Form* create() = 0;
    Runtime& runtime_;

private:
    Form* window_ = nullptr;
    std::vector<QPointer<Form>> retired_;  // unloaded, awaiting deletion
    Measurements measurements_;
    std::unique_ptr<MeasurementsWindow> measurementsWindow_;
    // The form's caption and name, for its measurements' window, which may
    // be opened once the form is gone (to save them on leaving).
    QString caption_, name_, helpPage_;
};

template <class Window, class Values = void>
class FormInstance : public FormInstanceBase {
public:
    explicit FormInstance(Runtime& runtime) : FormInstanceBase(runtime) {}
    FormInstance(Runtime& runtime, Values values) : FormInstanceBase(runtime), values_(std::move(values)) {}
    ~FormInstance() override = default;
    Values& values() { return values_; }
    Window* window() const { return static_cast<Window*>(FormInstanceBase::window()); }

protected:
    Form* create() override { return new Window(runtime_, values_); }

private:
    Values values_{};
};

template <class Window>
class FormInstance<Window, void> : public FormInstanceBase {
public:
    explicit FormInstance(Runtime& runtime) : FormInstanceBase(runtime) {}
    Window* window() const { return static_cast<Window*>(FormInstanceBase::window()); }

protected:
    Form* create() override { return new Window(runtime_); }
};

}  // namespace rt
