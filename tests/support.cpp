#include "support.h"

#include <QAbstractButton>
#include <algorithm>

#include <qpa/qwindowsysteminterface.h>
#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <cmath>

#include "runtime/form.h"
#include "runtime/qt_colors.h"
#include "runtime/twips.h"
#include "runtime/windowed.h"
#include "runtime/windowless.h"

namespace test {

namespace {

// Where a point given in twips of a form's client area lies in its window,
// whatever the zoom.
QPointF inWindow(QWidget& window, float xTwips, float yTwips)
{
    auto* form = dynamic_cast<rt::Form*>(&window);
    const double zoom = form != nullptr ? form->zoom() : 1;
    const QPoint origin = form != nullptr ? form->client().pos() : QPoint();
    return QPointF(origin) + QPointF(xTwips, yTwips) * (zoom / rt::kTwipsPerPixel);
}

}  // namespace

void clickAt(QWidget& window, float xTwips, float yTwips)
{
    ASSERT_NE(window.windowHandle(), nullptr);
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, Qt::NoModifier,
                      inWindow(window, xTwips, yTwips).toPoint());
}

void activate(QWidget& window)
{
    window.show();
    window.activateWindow();
    QApplication::setActiveWindow(&window);
    // On Wayland the compositor gives the focus, once the window is shown.
    ASSERT_TRUE(QTest::qWaitFor([&] { return QGuiApplication::focusWindow() == window.windowHandle(); }))
        << window.windowTitle().toStdString();
}

void sendKey(QEvent::Type type, int key, Qt::KeyboardModifiers modifiers, unsigned long time, bool autoRepeat)
{
    QString text;
    if (key == Qt::Key_Return) text = QStringLiteral("\r");
    if (key == Qt::Key_Space || (key >= Qt::Key_0 && key <= Qt::Key_Z)) text = QChar(key).toLower();
    QWindow* window = QGuiApplication::focusWindow();
    // On Wayland keys go to the window the compositor gave the keyboard:
    // none for a moment when one window goes and another comes, and Qt
    // repeats a held key only on the window it was pressed on.
    if (window == nullptr && onWayland()) return;
    ASSERT_NE(window, nullptr);
    QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::SynchronousDelivery>(window, time, type, key,
                                                                                        modifiers, text, autoRepeat);
    QCoreApplication::processEvents();  // a window just shown takes the focus
}

void holdKey(int key, Qt::KeyboardModifiers modifiers, int repeats)
{
    // Each hold starts well after the last: times never meet by chance.
    static unsigned long clock = 1'000'000;
    clock += 60'000;
    sendKey(QEvent::KeyPress, key, modifiers, clock);
    QTest::qWait(150);  // the repeat delay, in which an access key's click (100 ms on) lands
    clock += 500;
    // Wayland's repeats, made by Qt itself, carry the mark.
    const bool marked = onWayland();
    for (int i = 0; i < repeats; ++i, clock += 33) {
        sendKey(QEvent::KeyRelease, key, modifiers, clock, marked);
        sendKey(QEvent::KeyPress, key, modifiers, clock, marked);
    }
    sendKey(QEvent::KeyRelease, key, modifiers, clock + 20);
}

AssistiveToolListening::AssistiveToolListening()
{
    qApp->installEventFilter(this);
}

AssistiveToolListening::~AssistiveToolListening()
{
    qApp->removeEventFilter(this);
    settle();  // the copies still on their way
}

bool AssistiveToolListening::eventFilter(QObject* target, QEvent* event)
{
    if (!event->spontaneous() || (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease))
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    auto* copy =
        new QKeyEvent(key->type(), key->key(), key->modifiers(), key->nativeScanCode(), key->nativeVirtualKey(),
                      key->nativeModifiers(), key->text(), key->isAutoRepeat(), key->count());
    // The tool answers through the bus, in a later pass of the event loop.
    QTimer::singleShot(0, [target = QPointer<QObject>(target), copy] {
        if (target)
            QCoreApplication::postEvent(target, copy);
        else
            delete copy;
    });
    return true;
}

void settle(int milliseconds)
{
    QTest::qWait(milliseconds);
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool aButtonIsDown()
{
    const QWidgetList widgets = QApplication::allWidgets();
    return std::any_of(widgets.begin(), widgets.end(), [](QWidget* w) {
        auto* button = qobject_cast<QAbstractButton*>(w);
        return button != nullptr && button->isDown();
    });
}

void settleClicks()
{
    EXPECT_TRUE(QTest::qWaitFor([] { return !aButtonIsDown(); }, 2000)) << "a button stays pressed";
    settle();
}

QColor pixel(QWidget& widget, float xTwips, float yTwips)
{
    const QImage image = widget.grab().toImage();
    const QPointF p = inWindow(widget, xTwips, yTwips) * image.devicePixelRatio();
    return image.pixelColor(static_cast<int>(p.x()), static_cast<int>(p.y()));
}

void expectPlacements(const rt::Form& form, std::initializer_list<Placement> table)
{
    for (const Placement& p : table) {
        rt::Control* control = form.findControl(QString::fromUtf8(p.name));
        ASSERT_NE(control, nullptr) << p.name;
        EXPECT_EQ(control->Left(), p.left) << p.name;
        EXPECT_EQ(control->Top(), p.top) << p.name;
        EXPECT_EQ(control->Width(), p.width) << p.name;
        EXPECT_EQ(control->Height(), p.height) << p.name;
        const bool shape = dynamic_cast<rt::Shape*>(control) != nullptr;
        const double zoom = form.zoom();
        EXPECT_EQ(control->widget().geometry(), shape ? rt::coveringRect(p.left, p.top, p.width, p.height, zoom)
                                                      : rt::pixelRect(p.left, p.top, p.width, p.height, zoom))
            << p.name;
        if (p.caption == nullptr) continue;
        QString caption;
        if (auto* label = dynamic_cast<rt::Label*>(control)) caption = label->Caption();
        if (auto* button = dynamic_cast<rt::Button*>(control)) caption = button->Caption();
        EXPECT_EQ(caption, QString::fromUtf8(p.caption)) << p.name;
    }
}

void expectLines(const rt::Form& form, std::initializer_list<LineEnds> table)
{
    for (const LineEnds& l : table) {
        const auto& c = form.control<rt::LineControl>(l.name);
        EXPECT_EQ(c.X1(), l.x1) << l.name;
        EXPECT_EQ(c.Y1(), l.y1) << l.name;
        EXPECT_EQ(c.X2(), l.x2) << l.name;
        EXPECT_EQ(c.Y2(), l.y2) << l.name;
        EXPECT_EQ(c.BorderWidth(), l.width) << l.name;
    }
}

void expectLooks(const rt::Form& form, std::initializer_list<Look> table)
{
    for (const Look& l : table) {
        const auto& label = form.control<rt::Label>(l.name);
        EXPECT_EQ(label.ForeColor(), l.fore) << l.name;
        EXPECT_EQ(label.BackColor(), l.back) << l.name;
        const QFont font = label.widget().font();
        EXPECT_EQ(font.pixelSize(), std::lround(l.points * 4 / 3)) << l.name;
        EXPECT_EQ(font.bold(), l.bold) << l.name;
    }
}

void expectPace(const char* animation, std::chrono::nanoseconds elapsed, double nominal, int slowdown)
{
    const double seconds = std::chrono::duration<double>(elapsed).count();
    ::testing::Test::RecordProperty(animation, QString::number(seconds).toStdString());
    nominal *= slowdown;
    EXPECT_NEAR(seconds, nominal, nominal * 0.025)
        << animation << " at pixel ratio " << qApp->devicePixelRatio() << ", slowed down " << slowdown << " times";
}

void expectLabelsReadable(rt::Form& form)
{
    for (QWidget* view : form.findChildren<QWidget*>()) {
        auto* label = dynamic_cast<rt::Label*>(form.findControl(view->objectName()));
        if (label == nullptr || &label->widget() != view || !label->Visible()) continue;
        const QRect box = label->textRect();
        const QString text = label->shownText().trimmed();
        if (text.isEmpty() || box.height() >= 2 * QFontMetrics(view->font()).height()) continue;
        // The ink: what differs from the label's background.
        const QImage image = view->grab().toImage().scaled(view->size());
        const QColor back = label->transparent() ? image.pixelColor(box.topLeft()) : color(label->BackColor());
        QRect ink;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (box.contains(x, y) && std::abs(c.lightness() - back.lightness()) > 80) ink |= QRect(x, y, 1, 1);
            }
        const std::string name = label->name().toStdString() + " \"" + text.toStdString() + "\"";
        EXPECT_GE(ink.width(), 3 * text.size()) << name;
        EXPECT_LE(ink.bottom(), box.top() + QFontMetrics(view->font()).height()) << name;
    }
}

PacedWithoutWaiting::PacedWithoutWaiting(rt::Session& session, std::function<void()> onFrame) : pacer_(session.pacer())
{
    pacer_.setClock([this] { return now_; }, [this](std::chrono::nanoseconds t) { now_ = std::max(now_, t); });
    pacer_.setOnFrame(std::move(onFrame));
    pacer_.setEnabled(true);
}

PacedWithoutWaiting::~PacedWithoutWaiting()
{
    pacer_.setEnabled(false);
    pacer_.setClock(nullptr, nullptr);
    pacer_.setOnFrame(nullptr);
}

QColor color(rt::Color c)
{
    return rt::toQColor(c);
}

ErrorLog::ErrorLog(rt::Runtime& runtime)
{
    runtime.setErrorReporter([this](const QString& m) { messages.push_back(m); });
}

rt::Runtime::Options sessionOptions()
{
    return {.askBeforeEnding = false, .slowdown = std::max(1, qEnvironmentVariableIntValue("ONDARELL_TEST_SLOWDOWN"))};
}

bool onWayland()
{
    return rt::windowSystemPlacesWindows();
}

}  // namespace test
