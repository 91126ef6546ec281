#include "runtime.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>
#include <cstdio>

#include "errors.h"

namespace rt {

struct Runtime::HandlerScope {
    Runtime& rt;
    explicit HandlerScope(Runtime& r) : rt(r)
    {
        if (rt.depth_++ == 0) rt.pacer().beginHandler();
    }
    ~HandlerScope()
    {
        if (--rt.depth_ == 0) {
            rt.pacer().endHandler();
            for (Form* w : rt.loadedWindows()) {
                w->flushDrawing();
                w->speak();
            }
        }
    }
};

Runtime::Runtime(Options options) : askBeforeEnding_(options.askBeforeEnding)
{
    pacer().setPresenter([this] { present(); });
    pacer().setEnabled(options.paced);
    pacer().setSlowdown(options.slowdown);
    reporter_ = [](const QString& message) { QMessageBox::critical(nullptr, QStringLiteral("Ondarell"), message); };
}

void Runtime::present()
{
    for (Form* w : loadedWindows()) w->flushDrawing();
    // Paints what changed; user input stays queued until the handler ends.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void Runtime::dispatch(QWidget* origin, std::function<void()> handler)
{
    if (ended_) return;
    if (busy()) {
        waiting_.emplace_back(origin, std::move(handler));
        return;
    }
    run(handler);
}

void Runtime::dispatchLater(QWidget* origin, std::function<void()> handler)
{
    if (ended_) return;
    const bool idle = !busy();
    waiting_.emplace_back(origin, std::move(handler));
    // Taken once control is back in the event loop, after the answer; what
    // a running handler leaves waiting is taken when it ends.
    if (idle)
        QMetaObject::invokeMethod(
            &queued_,
            [this] {
                if (!ended_ && depth_ == 0 && !draining_ && !waiting_.empty()) afterHandlers();
            },
            Qt::QueuedConnection);
}

void Runtime::run(const std::function<void()>& handler)
{
    {
        HandlerScope scope(*this);
        try {
            handler();
        } catch (const EndSignal&) {
        } catch (const RuntimeError& e) {
            reporter_(QStringLiteral("Error d'execució %1:\n\n%2\n\nEl programa es tancarà.")
                          .arg(e.number())
                          .arg(QString::fromUtf8(e.what())));
            endProgram(1);
        } catch (const std::exception& e) {
            // The pupil reads Catalan; what went wrong, in the library's own
            // words, is for whoever looks at the standard error.
            std::fprintf(stderr, "Ondarell: %s\n", e.what());
            reporter_(QStringLiteral("Error d'execució:\n\nS'ha produït un error intern i el programa es tancarà."));
            endProgram(1);
        }
    }
    afterHandlers();
}

void Runtime::afterHandlers()
{
    // What the pupil did while the handler ran is taken now, each handler
    // it asks for waiting in turn: a close request can sit behind it in the
    // window system's queue, and a close wins over the input queued for its
    // form, which is dropped.
    if (!draining_ && !ended_) {
        draining_ = true;
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        draining_ = false;
    }
    for (FormInstanceBase* form : closeRequests_) {
        if (!form->loaded()) continue;
        const QWidget* window = form->window();
        std::erase_if(waiting_, [window](const auto& w) { return !w.first || w.first->window() == window; });
    }
    while (!ended_ && !closeRequests_.empty()) {
        FormInstanceBase* form = closeRequests_.front();
        closeRequests_.erase(closeRequests_.begin());
        // The last window's close box ends the program, once asked.
        if (form->loaded() && loadedForms() == 1 && !mayEnd()) continue;
        if (std::find(forms_.begin(), forms_.end(), form) != forms_.end()) form->Unload();
    }
    while (!ended_ && !waiting_.empty()) {
        auto [origin, handler] = std::move(waiting_.front());
        waiting_.pop_front();
        // An event of a window that was unloaded meanwhile is dropped.
        if (origin && origin->window()->isVisible()) run(handler);
    }
    if (!ended_ && startup_ != nullptr && loadedForms() == 0) endProgram(0);
}

void Runtime::start(FormInstanceBase& startup)
{
    ended_ = false;
    exitCode_ = 0;
    startup_ = &startup;
    waiting_.clear();
    closeRequests_.clear();
    startup.Show();
}

void Runtime::showStartupForm()
{
    if (startup_ != nullptr) startup_->Show();
}

void Runtime::requestClose(FormInstanceBase& form)
{
    if (ended_) return;
    closeRequests_.push_back(&form);
    if (depth_ == 0 && !draining_) afterHandlers();
}

bool Runtime::mayEnd()
{
    if (asking_) return false;  // already asked, and not yet answered
    if (!askBeforeEnding_) return true;
    std::vector<FormInstanceBase*> unsaved;
    for (FormInstanceBase* form : forms_)
        if (form->measurements().unsaved()) unsaved.push_back(form);
    if (unsaved.empty()) return true;
    asking_ = true;
    QMessageBox ask(QMessageBox::Question, QStringLiteral("Ondarell"),
                    QStringLiteral("Hi ha mesures que encara no heu desat. Voleu desar-les abans de sortir?"),
                    QMessageBox::NoButton, loadedWindows().empty() ? nullptr : loadedWindows().front());
    QAbstractButton* save = ask.addButton(QStringLiteral("&Desa…"), QMessageBox::AcceptRole);
    QAbstractButton* discard = ask.addButton(QStringLiteral("&No les desis"), QMessageBox::DestructiveRole);
    QAbstractButton* cancel = ask.addButton(QStringLiteral("Cancel·la"), QMessageBox::RejectRole);
    ask.setDefaultButton(static_cast<QPushButton*>(save));
    ask.setEscapeButton(cancel);
    ask.exec();
    bool end = ask.clickedButton() == discard;
    if (ask.clickedButton() == save) {
        end = true;
        for (FormInstanceBase* form : unsaved) end = end && form->saveMeasurementsAsked();
    }
    asking_ = false;
    return end;
}

void Runtime::End()
{
    if (!mayEnd()) return;
    endProgram(0);
    if (depth_ > 0) throw EndSignal{};
}

void Runtime::setProfile(Profile profile)
{
    display().profile = profile;
    for (FormInstanceBase* form : forms_) form->recolour();
    if (onRecolour_) onRecolour_();
}

void Runtime::endProgram(int exitCode)
{
    if (ended_) return;
    ended_ = true;
    exitCode_ = exitCode;
    waiting_.clear();
    closeRequests_.clear();
    for (FormInstanceBase* form : forms_) form->Unload();
    QCoreApplication::exit(exitCode);
}

int Runtime::loadedForms() const
{
    return static_cast<int>(std::count_if(forms_.begin(), forms_.end(), [](auto* f) { return f->loaded(); }));
}

std::vector<Form*> Runtime::loadedWindows() const
{
    std::vector<Form*> windows;
    for (FormInstanceBase* form : forms_)
        if (form->loaded()) windows.push_back(form->window());
    return windows;
}

void Runtime::add(FormInstanceBase* form)
{
    forms_.push_back(form);
}

void Runtime::remove(FormInstanceBase* form)
{
    std::erase(forms_, form);
    std::erase(closeRequests_, form);
    if (startup_ == form) startup_ = nullptr;
}

FormInstanceBase::FormInstanceBase(Runtime& runtime) : runtime_(runtime)
{
    runtime_.add(this);
}

FormInstanceBase::~FormInstanceBase()
{
    runtime_.remove(this);
    delete window_;
    for (const QPointer<Form>& w : retired_) delete w.data();
}

void FormInstanceBase::Show()
{
    if (window_ == nullptr) {
        window_ = create();
        caption_ = window_->windowTitle();
        name_ = window_->objectName();
        helpPage_ = window_->helpPage();
        window_->attach(this);
        window_->finishLoad();
        window_->showAsChosen();
    }
    window_->show();
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) window_->raise();
    window_->activateWindow();
}

void FormInstanceBase::showMeasurements()
{
    // Its files are named after the form: "mesures-torricelli".
    if (measurementsWindow_ == nullptr)
        measurementsWindow_ = std::make_unique<MeasurementsWindow>(
            measurements_, caption_, QStringLiteral("mesures-") + name_.mid(3).toLower(),
            helpPage_ + QStringLiteral("#mesures"), runtime_);
    measurementsWindow_->bringForward();
}

void FormInstanceBase::recolour()
{
    if (window_ != nullptr) window_->recolour();
    if (measurementsWindow_ != nullptr) measurementsWindow_->recolour();
}

bool FormInstanceBase::saveMeasurementsAsked()
{
    showMeasurements();
    return measurementsWindow_->saveAsked();
}

void FormInstanceBase::requestClose()
{
    runtime_.requestClose(*this);
}

void FormInstanceBase::showStartupForm()
{
    runtime_.showStartupForm();
}

void FormInstanceBase::Unload()
{
    if (window_ == nullptr) return;
    Form* w = window_;
    window_ = nullptr;
    w->attach(nullptr);
    w->hide();
    // Deleted once control is back in the event loop, so that a handler of
    // this very form runs on safely.
    w->deleteLater();
    std::erase_if(retired_, [](const QPointer<Form>& p) { return p.isNull(); });
    retired_.emplace_back(w);
}

}  // namespace rt
