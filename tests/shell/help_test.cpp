// The keys, one table that every window installs, and the help that F1
// opens on the page of the window it was pressed in.

#include <gtest/gtest.h>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QFile>
#include <QRegularExpression>
#include <QShortcut>
#include <QTableWidget>
#include <QTest>
#include <map>
#include <set>

#include "archimedes/calculation.h"
#include "continuity/calculation.h"
#include "help/help_window.h"
#include "pascal/calculation.h"
#include "runtime/keys.h"
#include "runtime/measurements_window.h"
#include "runtime/numbers.h"
#include "runtime/qt_colors.h"
#include "runtime/slow_motion.h"
#include "runtime/spoken.h"
#include "shell/program.h"
#include "shell/simulators.h"
#include "support.h"
#include "torricelli/calculation.h"
#include "venturi/calculation.h"

using namespace test;

namespace {

// A key pressed and released; the release is lost with a window the press
// closed, as it is on a desktop.
void press(int key, unsigned long time)
{
    sendKey(QEvent::KeyPress, key, Qt::NoModifier, time);
    if (QGuiApplication::focusWindow() != nullptr) sendKey(QEvent::KeyRelease, key, Qt::NoModifier, time + 50);
}

QWidget* shownWindow(const char* name)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible()) return w;
    return nullptr;
}

// The key combinations a window answers, as its shortcuts hold them.
std::set<int> installedKeys(QWidget& window)
{
    std::set<int> keys;
    for (const QShortcut* s : window.findChildren<QShortcut*>(Qt::FindDirectChildrenOnly))
        keys.insert(s->key()[0].toCombined());
    return keys;
}

std::set<int> tableKeys(rt::WindowKind kind)
{
    std::set<int> keys;
    for (const rt::KeyEntry& entry : rt::keyTable())
        if (rt::appliesIn(entry, kind))
            for (QKeyCombination c : entry.combinations)
                if (c != QKeyCombination(Qt::Key_unknown)) keys.insert(c.toCombined());
    return keys;
}

QString focusedHeading()
{
    auto* block = qobject_cast<help::HelpBlock*>(QApplication::focusWidget());
    return block != nullptr ? block->text() : QString();
}

}  // namespace

// Every window answers the keys the table gives it, and no other; no two
// entries share a combination; every window's accessible help says them.
TEST(Help, EveryWindowInstallsTheKeysOfTheTable)
{
    std::set<int> seen;
    for (const rt::KeyEntry& entry : rt::keyTable())
        for (QKeyCombination c : entry.combinations)
            if (c != QKeyCombination(Qt::Key_unknown)) {
                EXPECT_TRUE(seen.insert(c.toCombined()).second) << entry.shown << " shares a key";
            }

    shell::Program program(sessionOptions());
    program.start();
    rt::Form& menu = *program.menu.window();
    EXPECT_EQ(installedKeys(menu), tableKeys(rt::MenuWindow));
    click(menu, shell::simulators()[1].button.name);
    rt::Form& form = *program.session().loadedWindows().at(0);
    activate(form);
    EXPECT_EQ(installedKeys(form), tableKeys(rt::SimulatorWindow));
    press(Qt::Key_F9, 1'000'000);
    QWidget* measurements = shownWindow("mesures");
    ASSERT_NE(measurements, nullptr);
    EXPECT_EQ(installedKeys(*measurements), tableKeys(rt::MeasurementsWindowKind));
    press(Qt::Key_F1, 1'001'000);
    ASSERT_NE(program.helpWindow(), nullptr);
    EXPECT_EQ(installedKeys(*program.helpWindow()), tableKeys(rt::HelpWindowKind));

    // Heard as a voice says them: "Control Més", not "Ctrl+".
    for (QWidget* window : {static_cast<QWidget*>(&form), measurements, static_cast<QWidget*>(program.helpWindow())}) {
        const QString help = QAccessible::queryAccessibleInterface(window)->text(QAccessible::Help);
        EXPECT_TRUE(help.contains("F1 obre l'ajuda d'aquesta finestra.")) << help.toStdString();
        EXPECT_TRUE(help.contains("Control Més amplia la finestra.")) << help.toStdString();
        EXPECT_FALSE(help.contains("Ctrl")) << help.toStdString();
    }
    const QString measurementsHelp = QAccessible::queryAccessibleInterface(measurements)->text(QAccessible::Help);
    EXPECT_TRUE(measurementsHelp.contains("Esc tanca aquesta finestra."));
    EXPECT_FALSE(measurementsHelp.contains("F9"));
}

// F1 opens the help on the page of the window it was pressed in, in front,
// the focus on the page's heading; Escape closes it, F1 brings it back.
TEST(Help, F1OpensThePageOfTheWindowItWasPressedIn)
{
    shell::Program program(sessionOptions());
    program.start();
    // At each start, the menu says where the help is.
    EXPECT_EQ(program.menu.window()->notice().label().text(), "Premeu F1 per obrir l'ajuda i veure les tecles");
    // Said once the menu has the keyboard, after the window itself.
    activate(*program.menu.window());
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return program.menu.window()->lastAnnouncement() == "Premeu F1 per obrir l'ajuda i veure les tecles.";
    }));
    press(Qt::Key_F1, 2'000'000);
    help::HelpWindow* help = program.helpWindow();
    ASSERT_NE(help, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == help; }));
    EXPECT_EQ(help->page().name, "programa");
    EXPECT_EQ(help->windowTitle(), "Ajuda d'Ondarell: Ondarell");
    EXPECT_EQ(focusedHeading(), "Ondarell");
    EXPECT_FALSE(help->isModal());
    press(Qt::Key_Escape, 2'001'000);
    EXPECT_FALSE(help->isVisible());

    const struct {
        size_t row;
        const char *page, *title;
    } rows[] = {
        {0, "arquimedes", "Principi d'Arquímedes"},
        {1, "torricelli", "Teorema de Torricelli"},
        {2, "continuitat", "Equació de continuïtat"},
        {3, "pascal", "Principi de Pascal"},
        {4, "venturi", "Efecte Venturi"},
    };
    unsigned long time = 2'100'000;
    // (Closing a window gives the keyboard back to the one before it, as a
    // Wayland compositor does: the program cannot take it back itself.)
    const auto closeActive = [&](QWidget& next) {
        press(Qt::Key_Escape, time += 1000);
        activate(next);
    };
    for (const auto& r : rows) {
        click(*program.menu.window(), shell::simulators()[r.row].button.name);
        rt::Form& form = *program.session().loadedWindows().at(0);
        activate(form);
        press(Qt::Key_F1, time += 1000);
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == help; })) << r.page;
        EXPECT_EQ(help->page().name, r.page);
        EXPECT_EQ(help->windowTitle(), QString("Ajuda d'Ondarell: %1").arg(r.title));
        EXPECT_EQ(focusedHeading(), r.title);
        closeActive(form);
        // From its measurements, the activity that uses them.
        press(Qt::Key_F9, time += 1000);
        QWidget* measurements = shownWindow("mesures");
        ASSERT_NE(measurements, nullptr);
        activate(*measurements);
        press(Qt::Key_F1, time += 1000);
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == help; })) << r.page;
        EXPECT_EQ(focusedHeading(), "Activitat per a la classe") << r.page;
        // F1 in the help keeps its page and brings it forward.
        press(Qt::Key_F1, time += 1000);
        EXPECT_EQ(help->page().name, r.page);
        EXPECT_TRUE(help->isVisible());
        closeActive(*measurements);
        closeActive(form);
        click(form, "cmdSortir");
    }
}

// Every page is there, with its sections; every link leads to a page and
// a section that exist; the arrows read the page block by block.
TEST(Help, EveryPageAndEveryLinkResolves)
{
    const char* sections[] = {"que-simula", "llei", "model", "us", "mesures", "idees", "professorat"};
    for (const char* name : help::pageNames()) {
        const help::Page page = help::loadPage(name);
        ASSERT_FALSE(page.blocks.empty()) << name;
        EXPECT_EQ(page.blocks.front().kind, help::Block::Title) << name;
        EXPECT_FALSE(page.title.contains("no existeix")) << name;
        if (QString(name) != "programa") {
            for (const char* section : sections) EXPECT_TRUE(page.blockOf(section) > 0) << name << "#" << section;
        }
        for (const help::Block& block : page.blocks) {
            // What a screen reader is given: no decimal point, no symbol
            // of a unit after a number.
            static const QRegularExpression point("\\d\\.\\d{1,2}(?!\\d)|\\d\\s*(mm|m/s|m²|m³|kg/|l/min|N|MPa)(?!\\w)",
                                                  QRegularExpression::UseUnicodePropertiesOption);
            EXPECT_FALSE(point.match(block.heard).hasMatch()) << name << ": " << block.heard.toStdString();
            if (block.kind != help::Block::Link) continue;
            const QString target = help::pageOf(block.target), anchor = help::anchorOf(block.target);
            EXPECT_TRUE(help::pageExists(target)) << name << " -> " << block.target.toStdString();
            if (!anchor.isEmpty()) {
                EXPECT_TRUE(help::loadPage(target).blockOf(anchor) > 0) << block.target.toStdString();
            }
        }
    }
    EXPECT_TRUE(help::loadPage("programa").blockOf("tecles") > 0);
    EXPECT_TRUE(help::loadPage("cap").title.contains("no existeix"));
}

// What a screen reader finds: a frame named by its title, headings, links
// it can follow, and the keys as a table of the table's rows.
TEST(Help, AScreenReaderFindsHeadingsLinksAndTheKeysTable)
{
    shell::Program program(sessionOptions());
    program.start();
    program.showHelp("programa");
    help::HelpWindow& help = *program.helpWindow();
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&help);
    EXPECT_EQ(window->role(), QAccessible::Window);
    EXPECT_EQ(window->text(QAccessible::Name), "Ajuda d'Ondarell: Ondarell");

    std::map<QAccessible::Role, int> roles;
    help::HelpBlock* link = nullptr;
    for (help::HelpBlock* b : help.blocks()) {
        if (b == nullptr) continue;
        QAccessibleInterface* block = QAccessible::queryAccessibleInterface(b);
        ++roles[block->role()];
        EXPECT_EQ(block->text(QAccessible::Name), b->heard());
        if (block->role() == QAccessible::Link && link == nullptr) link = b;
    }
    EXPECT_GE(roles[QAccessible::Heading], 5);
    EXPECT_GE(roles[QAccessible::Link], 5);
    EXPECT_GE(roles[QAccessible::StaticText], 5);

    ASSERT_NE(help.keysTable(), nullptr);
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(help.keysTable());
    EXPECT_EQ(table->role(), QAccessible::Table);
    ASSERT_NE(table->tableInterface(), nullptr);
    EXPECT_EQ(table->tableInterface()->rowCount(), int(rt::keyTable().size()));
    EXPECT_EQ(help.keysTable()->item(5, 0)->text(), "Ctrl+Més");
    EXPECT_EQ(help.keysTable()->item(5, 0)->data(Qt::AccessibleTextRole).toString(), "Control Més");

    // A link followed through its action: the tool is answered at once,
    // the page changes afterwards.
    ASSERT_NE(link, nullptr);
    const QString target = link->target();
    QAccessibleInterface* linked = QAccessible::queryAccessibleInterface(link);
    ASSERT_TRUE(linked->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    linked->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(help.page().name, "programa");
    ASSERT_TRUE(QTest::qWaitFor([&] { return help.page().name == target; }));

    // Down reads the next block, Up the one before.
    activate(help);
    help::HelpBlock* first = help.blocks().at(0);
    first->setFocus();
    press(Qt::Key_Down, 3'000'000);
    EXPECT_EQ(QApplication::focusWidget(), help.blocks().at(1));
    press(Qt::Key_Up, 3'001'000);
    EXPECT_EQ(QApplication::focusWidget(), first);
}

// F5 and F7 in the measurements window act as in a form, and F7 repaints
// the help; every text of the help at 4.5:1 in both profiles.
TEST(Help, SlowMotionAndContrastInTheMeasurementsAndTheHelp)
{
    shell::Program program(sessionOptions());
    program.start();
    click(*program.menu.window(), shell::simulators()[4].button.name);
    rt::Form& form = *program.session().loadedWindows().at(0);
    activate(form);
    press(Qt::Key_F9, 4'000'000);
    auto* measurements = dynamic_cast<rt::MeasurementsWindow*>(shownWindow("mesures"));
    ASSERT_NE(measurements, nullptr);
    activate(*measurements);
    const int slowdown = program.session().pacer().slowdown();
    press(Qt::Key_F5, 4'001'000);
    EXPECT_EQ(program.session().pacer().slowdown(), rt::nextSlowdown(slowdown));
    EXPECT_EQ(measurements->notice().label().text(), rt::slowdownSentence(rt::nextSlowdown(slowdown)));
    EXPECT_EQ(measurements->lastAnnouncement(), rt::slowdownSentence(rt::nextSlowdown(slowdown)));
    program.showHelp("venturi");
    activate(*measurements);
    press(Qt::Key_F7, 4'002'000);
    EXPECT_EQ(program.session().display().profile, rt::Profile::HighContrast);
    EXPECT_EQ(measurements->notice().label().text(), "Contrast alt activat");
    // The help follows.
    const help::HelpWindow& help = *program.helpWindow();
    const help::HelpColours high = help::helpColours(rt::Profile::HighContrast);
    EXPECT_EQ(help.blocks().at(0)->palette().color(QPalette::WindowText), QColor(rt::toQColor(high.heading)));
    press(Qt::Key_Escape, 4'003'000);
    EXPECT_FALSE(measurements->isVisible());
    // The help zooms as every window does.
    help::HelpWindow& zoomed = *program.helpWindow();
    activate(zoomed);
    const int before = zoomed.blocks().at(0)->font().pixelSize();
    sendKey(QEvent::KeyPress, Qt::Key_Plus, Qt::ControlModifier, 4'004'000);
    sendKey(QEvent::KeyRelease, Qt::Key_Plus, Qt::ControlModifier, 4'004'050);
    EXPECT_EQ(zoomed.zoom(), 1.25);
    EXPECT_EQ(zoomed.blocks().at(0)->font().pixelSize(), qRound(before * 1.25));

    for (rt::Profile profile : {rt::Profile::Documents, rt::Profile::HighContrast}) {
        const help::HelpColours c = help::helpColours(profile);
        for (rt::Color ink : {c.text, c.heading, c.link}) EXPECT_GE(rt::contrastRatio(ink, c.paper), 4.5);
        EXPECT_GE(rt::contrastRatio(c.focus, c.paper), 3);
    }
}

// The numbers the pages give are the simulators' own: each worked value,
// as the calculation makes it and a Catalan page writes it.
TEST(Help, ThePagesNumbersAreTheCalculationsOwn)
{
    const auto written = [](float value) {
        QString text = QString::fromStdString(rt::writtenNumber(rt::shortNumber(value)));
        // Whole numbers from ten thousand up, grouped as the pages write them.
        if (!text.contains(',') && text.size() > 4)
            for (int i = text.size() - 3; i > 0; i -= 3) text.insert(i, '.');
        return text;
    };
    const struct {
        const char* page;
        float value;
    } rows[] = {
        {"arquimedes", archimedes::E},
        {"arquimedes", archimedes::weight(5, 5)},
        {"arquimedes", archimedes::weight(15, 5)},
        {"arquimedes", archimedes::weight(30, 5)},
        {"arquimedes", archimedes::weight(50, 1)},
        {"torricelli", torricelli::results(5000, 500).speed},
        {"torricelli", torricelli::results(5000, 1500).distance},
        {"torricelli", torricelli::results(5000, 2500).distance},
        {"torricelli", torricelli::results(5000, 3500).speed},
        {"torricelli", torricelli::results(5000, 4500).speed},
        {"torricelli", torricelli::results(5000, 4000).speed},
        {"torricelli", torricelli::results(5000, 3000).speed},
        {"continuitat", continuity::speed(60, 20)},
        {"continuitat", continuity::speed(60, 40)},
        {"continuitat", continuity::speed(60, 200)},
        {"continuitat", continuity::speed(50, 25)},
        {"continuitat", continuity::speed(50, 100)},
        {"pascal", pascal::press(1000, 20, 200).pressure},
        {"pascal", pascal::press(5000, 20, 200).result},
        {"pascal", pascal::press(1000, 20, 800).result},
        {"venturi", venturi::calculate(100).difference},
        {"venturi", venturi::calculate(300).difference},
        {"venturi", venturi::calculate(500).difference},
        {"venturi", venturi::calculate(500).speed1},
        {"venturi", venturi::calculate(500).speed2},
    };
    for (const auto& r : rows) {
        QString text;
        for (const help::Block& b : help::loadPage(r.page).blocks) text += b.plain + u'\n';
        EXPECT_TRUE(text.contains(written(r.value))) << r.page << ": " << written(r.value).toStdString();
    }
}

// The README and both manual pages name every key of the table.
TEST(Help, TheReadmeAndTheManualPagesNameEveryKey)
{
    for (const char* file : {"README.md", "desktop/ondarell.1", "desktop/ondarell.ca.1"}) {
        QFile f(QStringLiteral(ONDARELL_SOURCE_DIR "/") + file);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << file;
        const QString text = QString::fromUtf8(f.readAll()).replace("\\-", "-").replace("\\fB", "").replace("\\fR", "");
        for (const rt::KeyEntry& entry : rt::keyTable()) {
            // The English page names Ctrl+Més and Ctrl+Menys in English.
            const QString shown = QString::fromUtf8(entry.shown);
            QStringList names{shown};
            if (shown == "Ctrl+Més") names << "Ctrl+Plus";
            if (shown == "Ctrl+Menys") names << "Ctrl+Minus";
            EXPECT_TRUE(std::any_of(names.begin(), names.end(),
                                    [&](const QString& n) {
                                        return text.contains(
                                            QRegularExpression(QRegularExpression::escape(n) + "(?![0-9])"));
                                    }))
                << file << " lacks " << entry.shown;
        }
    }
}
