#include "support.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>

#include "runtime/form.h"
#include "runtime/twips.h"

namespace test {

void click(QWidget& root, const char* name)
{
    QWidget* w = find(root, name);
    ASSERT_NE(w, nullptr) << name;
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
}

void clickAt(QWidget& window, float xTwips, float yTwips)
{
    const QPoint p(static_cast<int>(xTwips / rt::kTwipsPerPixel), static_cast<int>(yTwips / rt::kTwipsPerPixel));
    ASSERT_NE(window.windowHandle(), nullptr);
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, Qt::NoModifier, p);
}

void activate(QWidget& window)
{
    window.show();
    window.activateWindow();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

void settle(int milliseconds)
{
    QTest::qWait(milliseconds);
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QColor pixel(QWidget& widget, float xTwips, float yTwips)
{
    const QImage image = widget.grab().toImage();
    const qreal scale = image.devicePixelRatio();
    const QPoint p(static_cast<int>(xTwips / rt::kTwipsPerPixel * scale), static_cast<int>(yTwips / rt::kTwipsPerPixel * scale));
    return image.pixelColor(p);
}

QColor color(rt::Color c)
{
    return rt::toQColor(c);
}

ErrorLog::ErrorLog()
{
    rt::Runtime::instance().setErrorReporter([this](const QString& m) { messages.push_back(m); });
}

ErrorLog::~ErrorLog()
{
    rt::Runtime::instance().setErrorReporter([](const QString& m) { QMessageBox::critical(nullptr, "Ondarell", m); });
}

}  // namespace test
