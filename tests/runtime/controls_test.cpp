#include <gtest/gtest.h>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <memory>
#include <optional>

#include "runtime/errors.h"
#include "runtime/runtime.h"
#include "runtime/slow_motion.h"
#include "runtime/startup.h"
#include "support.h"
#include "test_form.h"

using namespace test;

namespace {

struct Controls : TestFormFixture {
    void SetUp() override
    {
        TestFormFixture::SetUp();
        activate(*form);
    }
};

}  // namespace

TEST_F(Controls, NamesAndPlacesInPixelsOfFifteenTwips)
{
    EXPECT_EQ(form->size(), QSize(792, 573));
    EXPECT_EQ(form->windowTitle(), "Prova");
    const struct {
        const char* name;
        QRect rect;
    } cases[] = {
        {"lblA", QRect(10, 10, 100, 20)},   {"cmdA", QRect(200, 10, 80, 30)},   {"shpA", QRect(10, 100, 100, 50)},
        {"hsbA", QRect(200, 100, 133, 17)}, {"txtA", QRect(200, 150, 100, 25)}, {"picA", QRect(400, 300, 200, 133)},
        {"lblDins", QRect(10, 10, 60, 20)},
    };
    for (const auto& c : cases) {
        QWidget* w = find(*form, c.name);
        ASSERT_NE(w, nullptr) << c.name;
        EXPECT_EQ(w->geometry(), c.rect) << c.name;
    }
    EXPECT_EQ(find(*form, "lblDins")->parentWidget(), find(*form, "picA"));
}

TEST_F(Controls, EarlierListedLiesAboveAndWindowedAboveAll)
{
    EXPECT_EQ(pixel(*form, 300, 300), color(kGreen));  // lblDalt over lblA
    EXPECT_EQ(pixel(*form, 1200, 300), color(kYellow));
    EXPECT_EQ(pixel(*form, 900, 1800), color(kBlue));
    // Put the shape under the button: the button stays on top.
    form->shpA.move(3000, 150, 1200, 450);
    EXPECT_NE(pixel(*form, 3600, 375), color(kBlue));
}

TEST_F(Controls, ScrollBarChangeRunsForCodeAndReleaseOnly)
{
    int changes = 0;
    int seen = -1;
    form->hsbA.onChange([&] { ++changes, seen = form->hsbA.Value(); });
    form->hsbA.setValue(7);
    EXPECT_EQ(changes, 1);  // before the assignment returns
    EXPECT_EQ(seen, 7);
    form->hsbA.setValue(7);
    EXPECT_EQ(changes, 1);  // no change, no event
    EXPECT_THROW(form->hsbA.setValue(11), rt::RuntimeError);

    auto* bar = find<QScrollBar>(*form, "hsbA");
    bar->setSliderDown(true);
    bar->setSliderPosition(3);
    bar->setSliderPosition(4);
    EXPECT_EQ(changes, 1);  // dragging the thumb
    bar->setSliderDown(false);
    EXPECT_EQ(changes, 2);  // released
    EXPECT_EQ(seen, 4);

    // Keys: Left, Up and PageUp go towards Min; Right, Down and PageDown
    // towards Max.
    bar->setFocus();
    const struct {
        Qt::Key key;
        int value;
    } keys[] = {{Qt::Key_Right, 6},  {Qt::Key_Left, 4},     {Qt::Key_Up, 4},   {Qt::Key_Down, 6},
                {Qt::Key_PageUp, 4}, {Qt::Key_PageDown, 6}, {Qt::Key_Home, 0}, {Qt::Key_End, 10}};
    for (const auto& k : keys) {
        form->hsbA.setValue(5);
        changes = 0;
        QTest::keyClick(bar, k.key);
        EXPECT_EQ(seen, k.value) << k.key;
        EXPECT_EQ(changes, 1) << k.key;
    }
}

TEST_F(Controls, ButtonsClickByMouseKeysAndAccessKeyButNotWhenDisabled)
{
    int a = 0, b = 0;
    form->cmdA.onClick([&] { ++a; });
    form->cmdB.onClick([&] { ++b; });
    click(*form, "cmdA");
    EXPECT_EQ(a, 1);
    click(*form, "cmdB");
    EXPECT_EQ(b, 0);

    form->cmdA.SetFocus();
    QTest::keyClick(find(*form, "cmdA"), Qt::Key_Return);
    EXPECT_EQ(a, 2);
    QTest::keyClick(find(*form, "cmdA"), Qt::Key_Space);
    EXPECT_EQ(a, 3);
    QTest::keyClick(form, Qt::Key_P, Qt::AltModifier);
    settleClicks();
    EXPECT_EQ(a, 4);

    form->cmdB.setEnabled(true);
    click(*form, "cmdB");
    EXPECT_EQ(b, 1);
}

TEST_F(Controls, AKeyHeldDownPressesAButtonOnce)
{
    int a = 0, changes = 0;
    form->cmdA.onClick([&] { ++a; });
    form->hsbA.onChange([&] { ++changes; });
    activate(*form);
    const struct {
        int key;
        Qt::KeyboardModifiers modifiers;
    } holds[] = {{Qt::Key_Return, Qt::NoModifier}, {Qt::Key_Space, Qt::NoModifier}, {Qt::Key_P, Qt::AltModifier}};
    // Also while a screen reader listens, when keys come as the
    // accessibility bridge's copies.
    for (bool listening : {false, true}) {
        std::optional<AssistiveToolListening> tool;
        if (listening) tool.emplace();
        const char* with = listening ? " with a screen reader" : "";
        for (const auto& h : holds) {
            a = 0;
            form->cmdA.SetFocus();
            holdKey(h.key, h.modifiers);
            settleClicks();
            EXPECT_EQ(a, 1) << h.key << with;
        }
        // A scroll bar and a text box keep their repeats.
        form->hsbA.setValue(3);
        form->txtA.setText("");
        changes = 0;
        form->hsbA.SetFocus();
        holdKey(Qt::Key_Right, Qt::NoModifier, 3);
        settle();
        EXPECT_EQ(form->hsbA.Value(), 7) << with;
        EXPECT_EQ(changes, 4) << with;
        form->txtA.SetFocus();
        holdKey(Qt::Key_0, Qt::NoModifier, 4);
        settle();
        EXPECT_EQ(form->txtA.Text(), "00000") << with;
        // But not F5 there: held, it steps the pace once.
        rt::Pacer& pacer = runtime.pacer();
        const int slowdown = pacer.slowdown();
        holdKey(Qt::Key_F5, Qt::NoModifier, 4);
        settle();
        EXPECT_EQ(pacer.slowdown(), rt::nextSlowdown(slowdown)) << with;
    }
    // Repeats that carry the mark, as other window systems send them.
    a = 0;
    for (int i = 0; i < 3; ++i) QTest::simulateEvent(find(*form, "cmdA"), true, Qt::Key_Return, {}, "\r", i > 0);
    EXPECT_EQ(a, 1);
    // Two quick presses are two clicks.
    a = 0;
    form->cmdA.SetFocus();
    for (unsigned long t : {500ul, 620ul}) {
        sendKey(QEvent::KeyPress, Qt::Key_Return, {}, t);
        sendKey(QEvent::KeyRelease, Qt::Key_Return, {}, t + 50);
    }
    EXPECT_EQ(a, 2);
}

TEST_F(Controls, CancelButtonAnswersEscapeWhileEnabled)
{
    int b = 0;
    form->cmdB.onClick([&] { ++b; });
    form->cmdB.makeCancelButton();
    QTest::keyClick(form, Qt::Key_Escape);
    EXPECT_EQ(b, 0);
    form->cmdB.setEnabled(true);
    form->txtA.SetFocus();
    QTest::keyClick(find(*form, "txtA"), Qt::Key_Escape);
    EXPECT_EQ(b, 1);
}

TEST_F(Controls, TextBoxKeyDownAndClick)
{
    std::vector<std::pair<int, int>> keys;
    int clicks = 0;
    form->txtA.onKeyDown([&](int code, int shift) { keys.emplace_back(code, shift); });
    form->txtA.onClick([&] { ++clicks; });
    auto* edit = find<QLineEdit>(*form, "txtA");
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClick(edit, 'A', Qt::ShiftModifier);  // Shift itself goes down first
    QTest::keyClick(edit, Qt::Key_5);
    QTest::keyClick(edit, Qt::Key_Enter, Qt::KeypadModifier);
    const std::vector<std::pair<int, int>> expected{{13, 0}, {16, 1}, {65, 1}, {53, 0}, {13, 0}};
    EXPECT_EQ(keys, expected);
    EXPECT_EQ(form->txtA.Text(), "A5");
    click(*form, "txtA");
    EXPECT_EQ(clicks, 1);
}

TEST_F(Controls, TabOrderFollowsTabIndexAndFocusStartsAtTheLowest)
{
    EXPECT_EQ(QApplication::focusWidget(), find(*form, "hsbA"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), find(*form, "cmdA"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), find(*form, "txtA"));
}

TEST_F(Controls, ShapesAndLinesPassClicksToTheFormLabelsKeepThem)
{
    int clicks = 0;
    form->onClick([&] { ++clicks; });
    clickAt(*form, 900, 1800);   // shpA
    clickAt(*form, 1500, 3000);  // linA
    EXPECT_EQ(clicks, 2);
    clickAt(*form, 1200, 225);   // lblA
    clickAt(*form, 7000, 3500);  // imgA
    EXPECT_EQ(clicks, 2);
    clickAt(*form, 10500, 300);  // the form itself
    EXPECT_EQ(clicks, 3);
}

TEST_F(Controls, ScreenReadersReadCaptionsAsShown)
{
    const struct {
        const char* name;
        QAccessible::Role role;
        const char* text;
    } cases[] = {
        {"lblA", QAccessible::StaticText, "12"},
        {"imgA", QAccessible::Graphic, "una nota"},
        {"cmdA", QAccessible::Button, "Prova"},
        {"shpA", QAccessible::Graphic, ""},  // a decoration says nothing
    };
    for (const auto& c : cases) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(find(*form, c.name));
        ASSERT_NE(a, nullptr) << c.name;
        EXPECT_EQ(a->role(), c.role) << c.name;
        EXPECT_EQ(a->text(QAccessible::Name), QString::fromUtf8(c.text)) << c.name;
        EXPECT_EQ(a->rect().size(), find(*form, c.name)->size()) << c.name;
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(find(*form, "picA"))->text(QAccessible::Name), "l'aigua");
    // Heard with a decimal comma: a Catalan voice reads "79379.99" as a
    // number of thousands.
    form->lblA.setCaption(" 79379.99");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(find(*form, "lblA"))->text(QAccessible::Name), "79379,99");
}

namespace {

QStringList namesOfChildren(QAccessibleInterface* parent)
{
    QStringList names;
    for (int i = 0; i < parent->childCount(); ++i) names << parent->child(i)->object()->objectName();
    return names;
}

// What the platform's bridge is handed, as when a screen reader listens:
// every notification shown, by name.
struct Notifications {
    static inline QStringList shown;
    Notifications()
    {
        shown.clear();
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
        QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
            QAccessibleInterface* a = event->accessibleInterface();
            if (event->type() == QAccessible::ObjectShow && a != nullptr && a->role() == QAccessible::Notification)
                shown << a->text(QAccessible::Name);
        });
    }
    ~Notifications()
    {
        QAccessible::installUpdateHandler(nullptr);
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
    }
};

}  // namespace

TEST_F(Controls, ScreenReadersSeeTheFormAsAPupilDoes)
{
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(form);
    EXPECT_EQ(window->role(), QAccessible::Window);
    EXPECT_EQ(window->text(QAccessible::Name), "Prova");
    EXPECT_EQ(window->text(QAccessible::Description), "Un formulari de prova.");
    // Its keys, heard as a Catalan voice says them.
    const QString help = window->text(QAccessible::Help);
    EXPECT_TRUE(help.startsWith("F1 obre l'ajuda d'aquesta finestra.")) << help.toStdString();
    EXPECT_TRUE(help.contains("Control 0 la torna al 100 per cent.")) << help.toStdString();
    EXPECT_TRUE(help.contains("Cada vegada que premeu F5"));
    EXPECT_TRUE(help.contains("F7 activa i desactiva el contrast alt"));
    ASSERT_EQ(window->childCount(), 1);
    QAccessibleInterface* client = window->child(0);

    // Decorations, the focus mark and an empty drawing are left out.
    const QStringList before = namesOfChildren(client);
    for (const char* absent : {"shpA", "linA", "marcaDelFocus", "dibuix", "avís"})
        EXPECT_FALSE(before.contains(absent)) << absent;
    for (const char* present : {"lblA", "cmdA", "hsbA", "txtA", "picA", "imgA", "lblResultat"})
        EXPECT_TRUE(before.contains(present)) << present;
    form->Line(150, 150, 3000, 3000);
    form->describeDrawing(QStringLiteral("Una ratlla"));
    const int drawing = int(namesOfChildren(client).indexOf("dibuix"));
    ASSERT_GE(drawing, 0);
    EXPECT_EQ(client->child(drawing)->role(), QAccessible::Graphic);
    EXPECT_EQ(client->child(drawing)->text(QAccessible::Name), "Una ratlla");
    EXPECT_EQ(client->indexOfChild(client->child(drawing)), drawing);
    form->Cls();
    EXPECT_FALSE(namesOfChildren(client).contains("dibuix"));
    QAccessibleInterface* box = QAccessible::queryAccessibleInterface(find(*form, "picA"));
    EXPECT_EQ(box->role(), QAccessible::Grouping);
    EXPECT_EQ(namesOfChildren(box), QStringList{"lblDins"});

    // A result reads with its caption and unit, and points at them.
    QAccessibleInterface* result = QAccessible::queryAccessibleInterface(find(*form, "lblResultat"));
    EXPECT_EQ(result->text(QAccessible::Name), "Velocitat: sense calcular");
    form->lblResultat.setCaption(" 4.43");
    EXPECT_EQ(result->text(QAccessible::Name), "Velocitat: 4,43 metres per segon");
    const auto labels = result->relations(QAccessible::Label);
    ASSERT_EQ(labels.size(), 2);
    EXPECT_EQ(labels[0].first->object(), find(*form, "lblTítol"));
    EXPECT_EQ(labels[1].first->object(), find(*form, "lblUnitat"));
    const auto labelled =
        QAccessible::queryAccessibleInterface(find(*form, "lblTítol"))->relations(QAccessible::Labelled);
    ASSERT_EQ(labelled.size(), 1);
    EXPECT_EQ(labelled[0].first, result);

    // A scroll bar says its value label, and its value in the units shown.
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(find(*form, "hsbA"));
    EXPECT_EQ(bar->text(QAccessible::Name), "Mida: 4 mil·límetres");
    QAccessibleValueInterface* value = bar->valueInterface();
    ASSERT_NE(value, nullptr);
    EXPECT_DOUBLE_EQ(value->currentValue().toDouble(), 4.0);
    EXPECT_DOUBLE_EQ(value->maximumValue().toDouble(), 20.0);
    EXPECT_DOUBLE_EQ(value->minimumStepSize().toDouble(), 2.0);
    form->hsbA.onChange([this] { form->lblMida.setCaption(QString::number(form->hsbA.Value() * 2) + " mm"); });
    value->setCurrentValue(14);
    EXPECT_EQ(form->hsbA.Value(), 7);
    settle();  // the Change handler, once the tool has its answer
    EXPECT_EQ(bar->text(QAccessible::Name), "Mida: 14 mil·límetres");
}

namespace {

// The test form given a class of its own, as a Qt engineer gives a widget
// by reflex: Qt then names it by that class, not by QWidget's.
class ObjectForm : public TestForm {
    Q_OBJECT

public:
    using TestForm::TestForm;
};

// What a screen reader walks: each object's role, texts and children.
QString treeOf(QAccessibleInterface* node, int depth = 0)
{
    QString tree = QString(depth * 2, u' ') + QString::number(node->role());
    for (QAccessible::Text t : {QAccessible::Name, QAccessible::Description, QAccessible::Help})
        tree += u'|' + node->text(t);
    tree += u'\n';
    for (int i = 0; i < node->childCount(); ++i) tree += treeOf(node->child(i), depth + 1);
    return tree;
}

}  // namespace

TEST_F(Controls, AFormOfAClassOfItsOwnIsHeardTheSame)
{
    rt::FormInstance<ObjectForm> tagged(runtime);
    tagged.Show();
    ASSERT_STREQ(tagged.window()->metaObject()->className(), "ObjectForm");
    form->describeDrawing(QStringLiteral("Una ratlla"));
    tagged.window()->describeDrawing(QStringLiteral("Una ratlla"));
    const QString tree = treeOf(QAccessible::queryAccessibleInterface(form));
    EXPECT_GT(tree.count(u'\n'), 15);
    EXPECT_EQ(treeOf(QAccessible::queryAccessibleInterface(tagged.window())), tree);
}

TEST_F(Controls, WhatAHandlerWritesIsAnnouncedOnceWhenItEnds)
{
    Notifications notifications;
    form->cmdA.onClick([this] {
        form->lblResultat.setCaption(" 1");
        form->lblResultat.setCaption(" 4.43");  // written twice, said once
        form->lblA.setCaption("no és un resultat");
        form->announce(QStringLiteral("El dipòsit s'ha buidat"));
        EXPECT_TRUE(Notifications::shown.isEmpty());  // not while the handler runs
    });
    click(*form, "cmdA");
    EXPECT_EQ(Notifications::shown, QStringList{"Velocitat: 4,43 metres per segon. El dipòsit s'ha buidat."});
    form->cmdA.onClick([this] { form->lblResultat.setCaption(""); });  // emptied: nothing to say
    click(*form, "cmdA");
    EXPECT_EQ(Notifications::shown.size(), 1);
    form->cmdA.onClick([this] { form->lblResultat.setCaption(" 4.43"); });
    click(*form, "cmdA");  // written again: said again
    form->cmdA.onClick([this] { form->announce(QStringLiteral("Una altra cosa")); });
    click(*form, "cmdA");
    EXPECT_EQ(Notifications::shown, (QStringList{"Velocitat: 4,43 metres per segon. El dipòsit s'ha buidat.",
                                                 "Velocitat: 4,43 metres per segon.", "Una altra cosa."}));
    // Only the last message stays in the tree, to be read again.
    QAccessibleInterface* client = QAccessible::queryAccessibleInterface(form)->child(0);
    EXPECT_EQ(namesOfChildren(client).count("avís"), 1);
    EXPECT_EQ(form->lastAnnouncement(), "Una altra cosa.");
}

TEST_F(Controls, LineControlFollowsItsEnds)
{
    form->linA.setEnds(1500, 1500, 1500, 3000);
    QWidget* w = find(*form, "linA");
    EXPECT_LE(w->geometry().left(), 100);
    EXPECT_GE(w->geometry().right(), 100);
    EXPECT_LE(w->geometry().top(), 100);
    EXPECT_GE(w->geometry().bottom(), 200);
    EXPECT_EQ(pixel(*form, 1500, 2700), Qt::black);
}

TEST_F(Controls, QtsOwnTextsAreCatalanOnAnyDesktop)
{
    // As the program started, in the desktop's language (CTest runs this in
    // C, in Catalan and in Spanish): a text box's context menu as a pupil
    // opens it, a message box's button, an action a screen reader names.
    std::unique_ptr<QMenu> menu(find<QLineEdit>(*form, "txtA")->createStandardContextMenu());
    EXPECT_EQ(menu->actions().value(0)->text().section(QLatin1Char('\t'), 0, 0), QString::fromUtf8("&Desfés"))
        << QLocale::system().name().toStdString();
    QMessageBox box(QMessageBox::Critical, "Ondarell", "", QMessageBox::Ok);
    EXPECT_EQ(box.button(QMessageBox::Ok)->text().remove(QLatin1Char('&')), QString::fromUtf8("D'acord"));
    QAccessibleInterface* button = QAccessible::queryAccessibleInterface(find(*form, "cmdA"));
    EXPECT_EQ(button->actionInterface()->localizedActionName(QAccessibleActionInterface::pressAction()),
              QString::fromUtf8("Prem"));
}

TEST_F(Controls, ClicksLandWhereTheZoomedControlsAre)
{
    // A wide window: the client area is scaled by 2 and centred. Shown at
    // that size, as a zoom step that grows does: on Wayland the compositor
    // may answer a resize in place with the size it had.
    form->hide();
    form->resize(1600, 1146);
    activate(*form);
    ASSERT_EQ(form->zoom(), 2);
    EXPECT_EQ(form->client().geometry(), QRect(8, 0, 1584, 1146));
    int a = 0;
    form->cmdA.onClick([&] { ++a; });
    clickAt(*form, 3600, 375);  // cmdA's middle
    EXPECT_EQ(a, 1);
    clickAt(*form, 2950, 375);  // just left of it
    EXPECT_EQ(a, 1);
    EXPECT_EQ(find(*form, "cmdA")->geometry(), QRect(400, 20, 160, 60));
    // A screen reader is told the place on the screen too.
    QWidget* button = find(*form, "cmdA");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(button)->rect(),
              QRect(button->mapToGlobal(QPoint(0, 0)), button->size()));
}

TEST_F(Controls, TheFocusIsMarkedFromTheFirstOnAndStandsOut)
{
    // Contrast as the accessibility guidelines reckon it, from 1 to 21.
    const auto luminance = [](QColor c) {
        const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const auto contrast = [&](QColor a, QColor b) {
        const double la = luminance(a), lb = luminance(b);
        return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
    };
    activate(*form);
    QWidget* mark = find(*form, "marcaDelFocus");
    ASSERT_NE(mark, nullptr);
    for (const char* name : {"hsbA", "cmdA"}) {  // the first focus, then Tab
        QWidget* focused = QApplication::focusWidget();
        ASSERT_EQ(focused, find(*form, name));
        EXPECT_TRUE(mark->isVisible()) << name;
        EXPECT_EQ(mark->geometry(), focused->geometry().adjusted(-2, -2, 2, 2)) << name;
        const QImage shot = form->grab().toImage();
        const QPointF outside = QPointF(focused->geometry().topLeft() + QPoint(-1, focused->height() / 2));
        EXPECT_GE(contrast(shot.pixelColor((outside * shot.devicePixelRatio()).toPoint()), color(kPaper)), 3.0) << name;
        QTest::keyClick(focused, Qt::Key_Tab);
    }
}

#include "controls_test.moc"
