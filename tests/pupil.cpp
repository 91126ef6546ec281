#include "pupil.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

namespace pupil {

void click(QWidget& root, const char* name)
{
    QWidget& w = control(root, name);
    QTest::mouseClick(&w, Qt::LeftButton, Qt::NoModifier, w.rect().center());
}

void type(QWidget& root, const char* box, const char* text)
{
    auto& edit = control<QLineEdit>(root, box);
    edit.clear();
    QTest::keyClicks(&edit, QString::fromUtf8(text));
}

void set(QWidget& root, const char* bar, int value)
{
    control<QScrollBar>(root, bar).setValue(value);
}

}  // namespace pupil
