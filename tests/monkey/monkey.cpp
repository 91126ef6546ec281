#include "monkey.h"

#include "pupil.h"

#include <qpa/qwindowsysteminterface.h>
#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleEditableTextInterface>
#include <QAccessibleValueInterface>
#include <QApplication>
#include <QClipboard>
#include <QKeySequence>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <optional>

#include "runtime/form.h"
#include "runtime/runtime.h"
#include "runtime/windowed.h"
#include "runtime/windowless.h"
#include "shell/program.h"
#include "shell/simulators.h"
#include "support.h"

namespace monkey {

namespace {

// The controls a pupil can see on a form, by their widgets.
std::vector<QWidget*> visibleControls(rt::Form& form)
{
    std::vector<QWidget*> found;
    for (QWidget* w : form.client().findChildren<QWidget*>())
        if (rt::Control::of(w) != nullptr && w->isVisible() && w->width() > 0 && w->height() > 0) found.push_back(w);
    return found;
}

std::vector<QWidget*> visibleTextBoxes(rt::Form& form)
{
    std::vector<QWidget*> boxes = visibleControls(form);
    std::erase_if(boxes, [](QWidget* w) { return dynamic_cast<rt::TextBox*>(rt::Control::of(w)) == nullptr; });
    return boxes;
}

void collectAccessible(QAccessibleInterface* node, std::vector<QAccessibleInterface*>& into, int depth)
{
    if (node == nullptr || depth > 12) return;
    into.push_back(node);
    for (int i = 0; i < node->childCount(); ++i) collectAccessible(node->child(i), into, depth + 1);
}

// The access keys of the captions on a form ("&Omplir": O).
std::vector<int> accessKeys(rt::Form& form)
{
    std::vector<int> keys;
    for (QWidget* w : visibleControls(form)) {
        QString caption;
        if (auto* button = qobject_cast<QAbstractButton*>(w)) caption = button->text();
        if (auto* label = dynamic_cast<rt::Label*>(rt::Control::of(w))) caption = label->Caption();
        const QKeySequence mnemonic = QKeySequence::mnemonic(caption);
        if (!mnemonic.isEmpty()) keys.push_back(mnemonic[0].key());
    }
    return keys;
}

QString during(bool inHandler)
{
    return inHandler ? QStringLiteral("  during the handler: ") : QString();
}

// A text as a trace shows it: short, on one line.
QString shortly(const QString& text)
{
    QString s = text.size() > 40 ? text.left(37) + QStringLiteral("...") : text;
    s.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    return QStringLiteral("\"%1\" (%2 chars)").arg(s, QString::number(text.size()));
}

// The first number a value label shows ("Cabal = 350 l/min", "1,5 kg/dm3").
std::optional<double> shownNumber(const QString& caption)
{
    static const QRegularExpression number(QStringLiteral("-?[0-9]*[.,]?[0-9]+"));
    const QRegularExpressionMatch m = number.match(caption);
    if (!m.hasMatch()) return std::nullopt;
    return m.captured().replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
}

// What pupils type: numbers as written at school and in program code,
// signs, exponents, separators, and text from other scripts.
const char* const kPieces[] = {
    "0",   "1",   "2",     "5",    "7",     "9",   "10", "12", "35", "100", "999", "32767", "65536",
    "3,5", "2.5", "0,001", ".5",   ",",     ".",   "-",  "+",  "E",  "e",   "D",   "1E39",  "1E+400",
    "E-5", "&H",  "&H1F",  "&O17", "9,9,9", "2/3", " ",  "  ", "x",  "Zz",  "π",   "水",    "Ж",
    "ü",   "·",   "½",     "٣",    "５",    "💧",   "\t", "%",  "$",  "'",   "\"",
};

}  // namespace

// Each program's session paced without waiting, its errors recorded.
struct Monkey::Pacing {
    test::PacedWithoutWaiting paced;
    test::ErrorLog errors;
    Pacing(rt::Runtime& session, std::function<void()> onFrame) : paced(session, std::move(onFrame)), errors(session) {}
};

Monkey::Monkey(std::uint64_t seed, size_t simulator, bool trace) : random_(seed), simulator_(simulator), trace_(trace)
{
}

Monkey::~Monkey()
{
    pacing_.reset();
    program_.reset();
    settle();
}

rt::Runtime& Monkey::session()
{
    return program_->session();
}

QString Monkey::run(long events)
{
    for (long i = 0; i < events; ++i) {
        step();
        const QString fault = check();
        if (!fault.isEmpty()) return fault;
        progress_.store(++figures_.events);
    }
    return {};
}

void Monkey::step()
{
    if (program_ == nullptr || session().ended()) {
        pacing_.reset();
        program_.reset();
        settle();
        program_ = std::make_unique<shell::Program>(rt::Runtime::Options{.askBeforeEnding = false});
        pacing_ = std::make_unique<Pacing>(session(), [this] { duringAnimation(); });
        program_->start();
        ++figures_.programs;
        log(QStringLiteral("program started"));
        settle();
    }
    ++index_;
    sentThisHandler_ = 0;
    time_ += 40 + below(1500);
    const std::vector<rt::Form*> windows = session().loadedWindows();
    if (windows.empty()) return;
    rt::Form& form = *windows.front();
    const bool wasMenu = &form == program_->menu.window();
    if (wasMenu)
        onMenu(form);
    else
        anyEvent(form, false);
    settle();
    if (wasMenu && !session().ended() && !program_->menu.loaded()) ++figures_.opened;
}

void Monkey::onMenu(rt::Form& menu)
{
    if (!chance(0.65)) return anyEvent(menu, false);
    const rt::ButtonProps& button = shell::simulators()[simulator_].button;
    if (chance(0.8)) {
        QWidget& w = pupil::control(menu, button.name);
        log(QStringLiteral("click ") + QString::fromUtf8(button.name));
        click(w, w.rect().center());
    } else {
        const QKeySequence mnemonic = QKeySequence::mnemonic(QString::fromUtf8(button.caption));
        log(QStringLiteral("Alt+") + QKeySequence(mnemonic[0].key()).toString());
        key(mnemonic[0].key(), Qt::AltModifier, QString());
    }
}

void Monkey::anyEvent(rt::Form& form, bool inHandler)
{
    // Weights out of 100.
    const int roll = below(100);
    if (roll < 30) return clickControl(form, inHandler);
    if (roll < 36) return clickAnywhere(form);
    if (roll < 61) return pressKey(inHandler);
    if (roll < 65) return accessKey(form);
    if (roll < 66) return presentationKey();
    if (roll < 81) return type(form);
    if (roll < 85) return paste(form);
    if (roll < 98) return accessibleAction(form);
    return closeWindow(form);
}

void Monkey::clickControl(rt::Form& form, bool inHandler)
{
    const std::vector<QWidget*> controls = visibleControls(form);
    if (controls.empty()) return clickAnywhere(form);
    QWidget& w = *controls[below(int(controls.size()))];
    const QPoint at = chance(0.5) ? w.rect().center() : QPoint(below(w.width()), below(w.height()));
    log(QStringLiteral("%1click %2 at %3,%4")
            .arg(during(inHandler), w.objectName(), QString::number(at.x()), QString::number(at.y())));
    click(w, at);
}

void Monkey::clickAnywhere(rt::Form& form)
{
    const QPoint at(below(std::max(1, form.width())), below(std::max(1, form.height())));
    log(QStringLiteral("click the window at %1,%2").arg(at.x()).arg(at.y()));
    click(form, at);
}

void Monkey::pressKey(bool inHandler)
{
    static const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* text;
        const char* name;
    } keys[] = {
        {Qt::Key_Tab, Qt::NoModifier, "\t", "Tab"},
        {Qt::Key_Backtab, Qt::ShiftModifier, "", "Shift+Tab"},
        {Qt::Key_Return, Qt::NoModifier, "\r", "Enter"},
        {Qt::Key_Enter, Qt::KeypadModifier, "\r", "keypad Enter"},
        {Qt::Key_Escape, Qt::NoModifier, "\x1b", "Escape"},
        {Qt::Key_Space, Qt::NoModifier, " ", "Space"},
        {Qt::Key_Left, Qt::NoModifier, "", "Left"},
        {Qt::Key_Right, Qt::NoModifier, "", "Right"},
        {Qt::Key_Up, Qt::NoModifier, "", "Up"},
        {Qt::Key_Down, Qt::NoModifier, "", "Down"},
        {Qt::Key_Home, Qt::NoModifier, "", "Home"},
        {Qt::Key_End, Qt::NoModifier, "", "End"},
        {Qt::Key_PageUp, Qt::NoModifier, "", "PageUp"},
        {Qt::Key_PageDown, Qt::NoModifier, "", "PageDown"},
        {Qt::Key_Backspace, Qt::NoModifier, "\b", "Backspace"},
        {Qt::Key_Delete, Qt::NoModifier, "\x7f", "Delete"},
    };
    const auto& k = keys[below(int(std::size(keys)))];
    log(during(inHandler) + QString::fromLatin1(k.name));
    key(k.key, k.modifiers, QString::fromLatin1(k.text));
}

void Monkey::accessKey(rt::Form& form)
{
    const std::vector<int> keys = accessKeys(form);
    const int letter = !keys.empty() && chance(0.7) ? keys[below(int(keys.size()))] : Qt::Key_A + below(26);
    const QString text = QKeySequence(letter).toString();
    log(QStringLiteral("Alt+") + text);
    key(letter, Qt::AltModifier, text.toLower());
}

void Monkey::presentationKey()
{
    switch (below(6)) {
    case 0: log(QStringLiteral("Ctrl+Plus")); return key(Qt::Key_Plus, Qt::ControlModifier, QStringLiteral("+"));
    case 1: log(QStringLiteral("Ctrl+Equal")); return key(Qt::Key_Equal, Qt::ControlModifier, QStringLiteral("="));
    case 2: log(QStringLiteral("Ctrl+Minus")); return key(Qt::Key_Minus, Qt::ControlModifier, QStringLiteral("-"));
    case 3: log(QStringLiteral("Ctrl+0")); return key(Qt::Key_0, Qt::ControlModifier, QStringLiteral("0"));
    case 4: log(QStringLiteral("F5")); return key(Qt::Key_F5, Qt::NoModifier, QString());
    default: log(QStringLiteral("F11")); return key(Qt::Key_F11, Qt::NoModifier, QString());
    }
}

void Monkey::focusTextBox(rt::Form& form)
{
    if (qobject_cast<QLineEdit*>(QApplication::focusWidget()) != nullptr) return;
    const std::vector<QWidget*> boxes = visibleTextBoxes(form);
    if (boxes.empty()) return;
    QWidget& box = *boxes[below(int(boxes.size()))];
    log(QStringLiteral("click ") + box.objectName());
    click(box, box.rect().center());
    settle();
}

void Monkey::type(rt::Form& form)
{
    if (chance(0.7)) focusTextBox(form);
    const QString text = randomText(1 + below(24));
    log(QStringLiteral("type ") + shortly(text));
    for (int i = 0; i < text.size(); ++i) {
        QString one = text.mid(i, 1);
        if (text[i].isHighSurrogate() && i + 1 < text.size()) one = text.mid(i++, 2);
        const char32_t code = one.toUcs4().value(0);
        int k = QChar::toUpper(code);
        if (code == U'\t') k = Qt::Key_Tab;
        key(k, Qt::NoModifier, one);
        settle();
        figures_.characters += one.size();
        if (session().ended()) return;
    }
}

void Monkey::paste(rt::Form& form)
{
    if (chance(0.8)) focusTextBox(form);
    // Lengths spread evenly over the orders of magnitude up to 10,000.
    const int length = static_cast<int>(std::pow(10.0, std::uniform_real_distribution<double>(0, 4)(random_)));
    const QString text = randomText(length);
    QGuiApplication::clipboard()->setText(text);
    log(QStringLiteral("paste ") + shortly(text));
    key(Qt::Key_V, Qt::ControlModifier, QStringLiteral("\x16"));
    figures_.characters += text.size();
}

void Monkey::accessibleAction(rt::Form& form)
{
    std::vector<QAccessibleInterface*> nodes;
    collectAccessible(QAccessible::queryAccessibleInterface(&form), nodes, 0);
    std::erase_if(nodes, [](QAccessibleInterface* n) {
        return !n->isValid() || ((n->actionInterface() == nullptr || n->actionInterface()->actionNames().isEmpty()) &&
                                 n->valueInterface() == nullptr && n->editableTextInterface() == nullptr);
    });
    if (nodes.empty()) return;
    QAccessibleInterface* node = nodes[below(int(nodes.size()))];
    const QString name = node->object() != nullptr ? node->object()->objectName() : QString();
    ++figures_.accessible;
    if (auto* value = node->valueInterface(); value != nullptr && chance(0.5)) {
        const double low = value->minimumValue().toDouble(), high = value->maximumValue().toDouble();
        // Now and then past the ends, as a careless client might.
        const double v = std::uniform_real_distribution<double>(low - 2, high + 2)(random_);
        log(QStringLiteral("accessible: set %1 to %2").arg(name, QString::number(v)));
        value->setCurrentValue(v);
        return;
    }
    if (auto* edit = node->editableTextInterface(); edit != nullptr && chance(0.7)) {
        const QString text = randomText(1 + below(30));
        const int length = node->textInterface() != nullptr ? node->textInterface()->characterCount() : 0;
        if (chance(0.3)) {
            log(QStringLiteral("accessible: replace the text of %1 with %2").arg(name, shortly(text)));
            edit->replaceText(0, length, text);
        } else {
            const int at = below(length + 1);
            log(QStringLiteral("accessible: insert %1 into %2 at %3").arg(shortly(text), name, QString::number(at)));
            edit->insertText(at, text);
        }
        return;
    }
    if (QAccessibleActionInterface* actions = node->actionInterface()) {
        const QStringList names = actions->actionNames();
        if (names.isEmpty()) return;
        const QString action = names[below(int(names.size()))];
        log(QStringLiteral("accessible: %1 on %2").arg(action, name));
        actions->doAction(action);
    }
}

void Monkey::closeWindow(rt::Form& form)
{
    log(QStringLiteral("close ") + form.windowTitle());
    ++figures_.closes;
    QWindowSystemInterface::handleCloseEvent(form.windowHandle());
}

void Monkey::duringAnimation()
{
    // A few events now and then while a handler draws, never more than a
    // handful per event, so that every run ends.
    if (sentThisHandler_ >= 4 || !chance(0.04)) return;
    const std::vector<rt::Form*> windows = session().loadedWindows();
    if (windows.empty()) return;
    rt::Form& form = *windows[below(int(windows.size()))];
    ++sentThisHandler_;
    ++figures_.duringAnimations;
    const int roll = below(100);
    if (roll < 60) return clickControl(form, true);
    if (roll < 85) return pressKey(true);
    if (roll < 97) return accessibleAction(form);
    return closeWindow(form);
}

void Monkey::click(QWidget& widget, QPoint at)
{
    QWidget* window = widget.window();
    QWindow* handle = window->windowHandle();
    if (handle == nullptr) return;
    const QPointF local = widget.mapTo(window, QPointF(at)), global = widget.mapToGlobal(QPointF(at));
    QWindowSystemInterface::handleMouseEvent(handle, time_, local, global, Qt::NoButton, Qt::NoButton,
                                             QEvent::MouseMove);
    QWindowSystemInterface::handleMouseEvent(handle, time_ += 2, local, global, Qt::LeftButton, Qt::LeftButton,
                                             QEvent::MouseButtonPress);
    QWindowSystemInterface::handleMouseEvent(handle, time_ += 60 + below(120), local, global, Qt::NoButton,
                                             Qt::LeftButton, QEvent::MouseButtonRelease);
}

void Monkey::key(int key, Qt::KeyboardModifiers modifiers, const QString& text)
{
    QWindow* window = QGuiApplication::focusWindow();
    if (window == nullptr) {
        const std::vector<rt::Form*> windows = session().loadedWindows();
        if (windows.empty() || windows.front()->windowHandle() == nullptr) return;
        window = windows.front()->windowHandle();
    }
    QWindowSystemInterface::handleKeyEvent(window, time_, QEvent::KeyPress, key, modifiers, text);
    QWindowSystemInterface::handleKeyEvent(window, time_ += 30 + below(90), QEvent::KeyRelease, key, modifiers, text);
}

QString Monkey::randomText(int length)
{
    QString text;
    while (text.size() < length) text += QString::fromUtf8(kPieces[below(int(std::size(kPieces)))]);
    text.truncate(length);
    if (!text.isEmpty() && text.back().isHighSurrogate()) text.chop(1);
    return text;
}

void Monkey::settle()
{
    // An access key's click lands 100 ms later; a pupil's next event too.
    for (int i = 0; i < 500; ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (!test::aButtonIsDown()) return;
        QTest::qWait(10);
    }
}

QString Monkey::check()
{
    rt::Runtime& runtime = session();
    if (!pacing_->errors.messages.empty()) return "a run-time error: " + pacing_->errors.messages.front();
    // What the pupil sees: the form loaded, and no other window.
    QStringList shown;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible()) shown << w->windowTitle();
    if (shown.size() != (runtime.ended() ? 0 : 1)) return "windows on the screen: " + shown.join(QStringLiteral(", "));
    if (test::aButtonIsDown()) return QStringLiteral("a button stays pressed for 5 s");
    if (runtime.ended()) {
        if (runtime.loadedForms() != 0)
            return QStringLiteral("the program ended with %1 forms loaded").arg(runtime.loadedForms());
        return {};
    }
    const std::vector<rt::Form*> windows = runtime.loadedWindows();
    if (windows.size() != 1) return QStringLiteral("%1 forms loaded").arg(windows.size());
    rt::Form& form = *windows.front();
    if (!form.isVisible()) return "the form loaded is hidden: " + form.windowTitle();
    for (QWidget* w : form.findChildren<QWidget*>()) {
        auto* bar = dynamic_cast<rt::HScrollBar*>(rt::Control::of(w));
        if (bar == nullptr || &bar->widget() != w) continue;
        if (bar->Value() < bar->Min() || bar->Value() > bar->Max())
            return QStringLiteral("%1 at %2, outside %3 to %4")
                .arg(bar->name())
                .arg(bar->Value())
                .arg(bar->Min())
                .arg(bar->Max());
        if (bar->valueLabel() == nullptr) continue;
        const QString caption = bar->valueLabel()->Caption();
        const std::optional<double> shown = shownNumber(caption);
        if (!shown || std::abs(*shown - bar->Value() * bar->shownStep()) > 1e-9)
            return QStringLiteral("%1 at %2 but its label shows \"%3\"")
                .arg(bar->name(), QString::number(bar->Value()), caption);
    }
    return {};
}

void Monkey::log(const QString& event)
{
    std::string line = QStringLiteral("%1 %2").arg(QString::number(index_), event).toStdString();
    if (trace_) std::printf("%s\n", line.c_str()), std::fflush(stdout);
    recent_.push_back(std::move(line));
    if (recent_.size() > 30) recent_.pop_front();
}

}  // namespace monkey
