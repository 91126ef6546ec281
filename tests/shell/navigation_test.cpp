#include <gtest/gtest.h>
#include <unistd.h>
#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <random>

#include "pascal/form.h"
#include "runtime/twips.h"
#include "shell/program.h"
#include "shell/simulators.h"
#include "support.h"
#include "torricelli/form.h"
#include "venturi/form.h"

using namespace test;

namespace {

struct Navigation : ::testing::Test {
    shell::Program program{sessionOptions()};
    rt::Runtime& runtime = program.session();
    void SetUp() override { program.start(); }
    QWidget& menu() { return *program.menu.window(); }
    void closeBox(rt::FormInstanceBase& form)
    {
        QCloseEvent close;
        QCoreApplication::sendEvent(form.window(), &close);
    }
};

// A row of the simulators' table, as the pupil meets it on the menu.
struct Simulator {
    const char* button;
    Qt::Key key;  // with Alt
    rt::FormInstanceBase* instance;
};

std::vector<Simulator> simulatorsOf(shell::Program& program)
{
    std::vector<Simulator> rows;
    const auto table = shell::simulators();
    for (size_t row = 0; row < table.size(); ++row) {
        const QKeySequence key = QKeySequence::mnemonic(QString::fromUtf8(table[row].button.caption));
        rows.push_back({table[row].button.name, key[0].key(), &program.simulator(row)});
    }
    return rows;
}

}  // namespace

TEST_F(Navigation, TheMenuAsDesigned)
{
    auto* form = program.menu.window();
    EXPECT_EQ(form->windowTitle(), "Ondarell");
    EXPECT_EQ(form->size(), QSize(792, 573));
    expectPlacements(*form, {
                                {"cmdArquímedes", 480, 5520, 1335, 615, "&Arquímedes"},
                                {"cmdTorricelli", 2400, 5520, 1335, 615, "&Torricelli"},
                                {"lblTítolPrograma", 2040, 1080, 9135, 855, "Programes d'ondarell"},
                                {"cmdContinuïtat", 4320, 5520, 1215, 615, "&Equació de continuïtat"},
                                {"Label1", 9360, 7440, 1935, 495, nullptr},
                                {"cmdPascal", 6120, 5520, 1335, 615, "&Pascal"},
                                {"cmdVenturi", 8040, 5520, 1335, 615, "&Venturi"},
                                {"cmdSortir", 9960, 5520, 1335, 615, "&Sortir"},
                            });
    const auto& credit = form->control<rt::Label>("Label1").Caption();
    EXPECT_TRUE(credit.startsWith(QString::fromUtf8("Simuladors d\u00B4Ondarell     "))) << credit.toStdString();
    EXPECT_GT(credit.size(), 26);

    const auto& title = form->control<rt::Label>("lblTítolPrograma");
    EXPECT_EQ(title.ForeColor(), rt::RGB(0, 0, 192));
    const QFont font = title.widget().font();
    EXPECT_EQ(font.pixelSize(), 48);
    EXPECT_TRUE(font.bold());
    EXPECT_TRUE(font.italic());
    EXPECT_EQ(font.family(), "Liberation Serif");
    EXPECT_EQ(pixel(*form, 600, 600), QColor(0, 255, 255));
    EXPECT_EQ(pixel(*form, 9400, 7460), QColor(0, 255, 255));  // the credit's own background

    const QImage icon = form->windowIcon().pixmap(QSize(16, 16), 1.0).toImage();
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.pixelColor(0, 0), QColor(0, 128, 0));
    EXPECT_EQ(icon.pixelColor(8, 2), QColor(255, 255, 255));  // the top of the O
    EXPECT_EQ(icon.pixelColor(8, 8), QColor(0, 128, 0));      // its hollow

    activate(*form);
    EXPECT_EQ(QApplication::focusWidget(), find(*form, "cmdArquímedes"));
}

TEST_F(Navigation, EachButtonOpensItsSimulatorAndSortirComesBack)
{
    // Every simulator folder has its row.
    EXPECT_EQ(shell::simulators().size(), size_t{ONDARELL_SIMULATOR_COUNT});
    for (const Simulator& s : simulatorsOf(program)) {
        rt::FormInstanceBase& simulator = *s.instance;
        click(menu(), s.button);
        EXPECT_FALSE(program.menu.loaded()) << s.button;
        ASSERT_TRUE(simulator.loaded()) << s.button;
        EXPECT_FALSE(simulator.window()->windowTitle().isEmpty()) << s.button;
        EXPECT_EQ(simulator.window()->size(), QSize(792, 573));
        // The program's icon, drawn at the size a task switcher asks.
        const QImage icon = simulator.window()->windowIcon().pixmap(QSize(256, 256), 1.0).toImage();
        EXPECT_EQ(icon.size(), QSize(256, 256)) << s.button;
        EXPECT_EQ(icon.pixelColor(128, 40), QColor(255, 255, 255)) << s.button;  // the top of the O
        EXPECT_EQ(icon.pixelColor(128, 128), QColor(0, 128, 0)) << s.button;     // its hollow
        click(*simulator.window(), "cmdSortir");
        EXPECT_FALSE(simulator.loaded());
        EXPECT_TRUE(program.menu.loaded());
        EXPECT_EQ(runtime.loadedForms(), 1);
        settle();
    }
    EXPECT_FALSE(runtime.ended());
}

TEST_F(Navigation, AccessKeysOfTheMenuEvenHeldDown)
{
    // Held down, as X11 repeats them: the repeats land on the window just
    // shown, and must not press its buttons ("&Esborrar", "&Sortir").
    for (const Simulator& s : simulatorsOf(program)) {
        ASSERT_NE(s.key, Qt::Key_unknown) << s.button;
        activate(menu());
        holdKey(s.key, Qt::AltModifier);
        settleClicks();
        rt::FormInstanceBase& simulator = *s.instance;
        ASSERT_TRUE(simulator.loaded()) << s.button;
        activate(*simulator.window());
        holdKey(Qt::Key_S, Qt::AltModifier);
        settleClicks();
        ASSERT_TRUE(program.menu.loaded()) << s.button;
        ASSERT_FALSE(runtime.ended()) << s.button;
    }
    activate(menu());
    QTest::keyClick(&menu(), Qt::Key_S, Qt::AltModifier);
    settleClicks();
    EXPECT_TRUE(runtime.ended());
    EXPECT_EQ(runtime.loadedForms(), 0);
}

TEST_F(Navigation, TheZoomKeysSizeThisFormAndTheNextOnes)
{
    activate(menu());
    for (int i = 0; i < 2; ++i) QTest::keyClick(&menu(), Qt::Key_Equal, Qt::ControlModifier);  // 150 %
    EXPECT_EQ(menu().size(), QSize(1188, 860));
    QTest::keyClick(&menu(), Qt::Key_Minus, Qt::ControlModifier);  // 125 %
    EXPECT_EQ(menu().size(), QSize(990, 716));
    click(menu(), "cmdPascal");
    EXPECT_EQ(program.instance<pascal::Instance>().window()->size(), QSize(990, 716));
    EXPECT_NEAR(program.instance<pascal::Instance>().window()->zoom(), 1.25, 0.001);
    activate(*program.instance<pascal::Instance>().window());
    QTest::keyClick(program.instance<pascal::Instance>().window(), Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(program.instance<pascal::Instance>().window()->size(), QSize(792, 573));
    EXPECT_EQ(runtime.display().zoomStep, 0);
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(program.instance<pascal::Instance>().window())
                    ->text(QAccessible::Help)
                    .contains("Control 0"));
}

TEST_F(Navigation, WhereTheWindowSystemPlacesWindowsOneThatWouldGrowIsShownAnew)
{
    // On Wayland a window grown where it stands can run off the screen, and
    // cannot be moved back: a step that grows it shows it anew, to be
    // placed whole; one that shrinks it leaves it where it is. Leaving full
    // screen takes the step chosen meanwhile. The form fills the window.
    runtime.display().windowSystemPlacesWindows = true;
    activate(menu());
    struct Shows : QObject {
        int count = 0;
        bool eventFilter(QObject*, QEvent* event) override
        {
            count += event->type() == QEvent::Show;
            return false;
        }
    } shows;
    menu().installEventFilter(&shows);
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        QSize size;
        bool shownAnew;
    } steps[] = {
        {Qt::Key_Plus, ctrl | Qt::KeypadModifier, {990, 716}, true},
        {Qt::Key_Equal, ctrl, {1188, 860}, true},
        {Qt::Key_Minus, ctrl, {990, 716}, false},
        {Qt::Key_0, ctrl, {792, 573}, false},
        {Qt::Key_F11, {}, {}, false},
        {Qt::Key_Equal, ctrl, {}, false},
        {Qt::Key_F11, {}, {990, 716}, true},
        {Qt::Key_0, ctrl, {792, 573}, false},
    };
    for (const auto& step : steps) {
        shows.count = 0;
        QTest::keyClick(&menu(), step.key, step.modifiers);
        const QString what = QKeySequence(step.key | step.modifiers).toString();
        EXPECT_EQ(shows.count > 0, step.shownAnew) << what.toStdString();
        if (step.size.isEmpty()) continue;  // full screen
        EXPECT_FALSE(menu().isFullScreen()) << what.toStdString();
        EXPECT_EQ(menu().size(), step.size) << what.toStdString();
        EXPECT_EQ(program.menu.window()->client().geometry(), menu().rect()) << what.toStdString();
    }
    menu().removeEventFilter(&shows);
}

TEST_F(Navigation, TheMenuGoesBeforeASimulatorShowsAndComesBackBeforeItGoes)
{
    struct Windows : QObject {
        std::vector<QString> seen;
        bool eventFilter(QObject* object, QEvent* event) override
        {
            auto* w = qobject_cast<QWidget*>(object);
            if (w != nullptr && w->isWindow() && (event->type() == QEvent::Show || event->type() == QEvent::Hide))
                seen.push_back((event->type() == QEvent::Show ? "show " : "hide ") + w->windowTitle());
            return false;
        }
    } windows;
    qApp->installEventFilter(&windows);
    click(menu(), "cmdPascal");
    click(*program.instance<pascal::Instance>().window(), "cmdSortir");
    qApp->removeEventFilter(&windows);
    EXPECT_EQ(windows.seen, (std::vector<QString>{"hide Ondarell", "show Principi de Pascal", "show Ondarell",
                                                  "hide Principi de Pascal"}));
}

TEST_F(Navigation, TheEventLoopEndsWithTheProgram)
{
    QTimer sortir, watchdog;
    sortir.setSingleShot(true);
    watchdog.setSingleShot(true);
    QObject::connect(&sortir, &QTimer::timeout, [this] { click(menu(), "cmdSortir"); });
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    sortir.start(0);
    watchdog.start(5000);
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_TRUE(runtime.ended());
}

TEST_F(Navigation, AFormWithAFixedPlaceStaysOnASmallScreen)
{
    const struct {
        QRect frame, available;
        QPoint place;
    } cases[] = {
        {{145, 113, 792, 573}, {0, 0, 800, 600}, {8, 27}},  // Venturi's place on 800 × 600
        {{145, 113, 792, 573}, {0, 0, 1024, 768}, {145, 113}},
        {{145, 113, 792, 573}, {0, 0, 800, 560}, {8, 0}},  // too tall: its top on the screen
        {{-50, -20, 300, 200}, {0, 0, 800, 600}, {0, 0}},
        {{900, 700, 300, 200}, {0, 24, 1024, 744}, {724, 568}},
    };
    for (const auto& c : cases) EXPECT_EQ(rt::placeWithin(c.frame, c.available), c.place) << c.frame.x();
    // And the real form, on the screen the suite runs on (also 800 × 600
    // and 1024 × 768: see tests/CMakeLists.txt).
    click(menu(), "cmdVenturi");
    const QWidget* form = program.instance<venturi::Instance>().window();
    const QRect room = form->screen()->availableGeometry(), frame = form->frameGeometry();
    EXPECT_GE(frame.left(), room.left());
    EXPECT_GE(frame.top(), room.top());
    if (frame.width() <= room.width()) {
        EXPECT_LE(frame.right(), room.right());
    }
    if (frame.height() <= room.height()) {
        EXPECT_LE(frame.bottom(), room.bottom());
    }
}

TEST_F(Navigation, ClosingTheMenuEndsTheProgram)
{
    closeBox(program.menu);
    EXPECT_TRUE(runtime.ended());
    EXPECT_EQ(runtime.loadedForms(), 0);
}

TEST_F(Navigation, ClosingASimulatorEndsTheProgramWithoutTheMenu)
{
    click(menu(), "cmdPascal");
    closeBox(program.instance<pascal::Instance>());
    EXPECT_TRUE(runtime.ended());
    EXPECT_FALSE(program.menu.loaded());
}

TEST_F(Navigation, RandomVisitsKeepExactlyOneFormLoaded)
{
    program.menu.Unload();  // each visit has a program of its own
    for (unsigned seed = 1; seed <= 20; ++seed) {
        shell::Program p{sessionOptions()};
        p.start();
        const std::vector<Simulator> rows = simulatorsOf(p);
        const int n = static_cast<int>(rows.size());
        std::mt19937 random(seed);
        bool ended = false;
        for (int step = 0; step < 40 && !ended; ++step) {
            // A simulator's button, "&Sortir", the close box, or nothing.
            const int action = static_cast<int>(random() % (n + 3));
            if (p.menu.loaded()) {
                if (action < n) {
                    click(*p.menu.window(), rows[action].button);
                } else if (action == n) {
                    click(*p.menu.window(), "cmdSortir");
                    ended = true;
                } else if (action == n + 1) {
                    QCloseEvent close;
                    QCoreApplication::sendEvent(p.menu.window(), &close);
                    ended = true;
                }
            } else {
                rt::Form* open = p.session().loadedWindows().at(0);
                if (action < n) {
                    click(*open, "cmdSortir");
                } else if (action == n + 1) {
                    QCloseEvent close;
                    QCoreApplication::sendEvent(open, &close);
                    ended = true;
                }
            }
            EXPECT_EQ(p.session().ended(), ended) << "seed " << seed << " step " << step;
            EXPECT_EQ(p.session().loadedForms(), ended ? 0 : 1) << "seed " << seed << " step " << step;
        }
        settle();
    }
}

namespace {

// What a screen reader is given for a control, its drawing ("dibuix") or
// the last announcement ("avís").
QString heard(QWidget& form, const char* name)
{
    const QList<QWidget*> found = form.findChildren<QWidget*>(QString::fromUtf8(name));
    if (found.isEmpty()) return QStringLiteral("(no %1)").arg(QString::fromUtf8(name));
    return QAccessible::queryAccessibleInterface(found.last())->text(QAccessible::Name);
}

}  // namespace

// Every kind of text a screen reader is given, in every simulator, heard
// as a Catalan voice must say it: the screen's digits with a decimal comma
// and a zero before it, the units in words. The screen keeps its own.
TEST_F(Navigation, EverySimulatorIsHeardInCatalanNumbersAndUnitWords)
{
    using Pupil = std::function<void(QWidget&)>;
    const Pupil nothing = [](QWidget&) {};
    const struct {
        const char* simulator;  // its button on the menu
        Pupil does;             // before the text is heard
        const char* name;
        const char* text;
    } rows[] = {
        {"cmdArquímedes",
         [](QWidget& f) {
             pupil::set(f, "HSBAlturaLíquid", 5);
             pupil::set(f, "HSBDensitat", 15);
         },
         "avís", "1,5 quilograms per decímetre cúbic."},  // a bar of tenths says its value label
        {"cmdArquímedes", nothing, "HSBDensitat", "Densitat: 1,5 quilograms per decímetre cúbic"},
        {"cmdArquímedes", nothing, "HSBAlturaLíquid", "Altura producte afegit: 5 metres"},
        {"cmdArquímedes", nothing, "lblDensitatValor", "1,5 quilograms per decímetre cúbic"},
        {"cmdArquímedes", [](QWidget& f) { pupil::click(f, "cmdOmplir"); }, "shpVaixell",
         "Recipient omplert fins a 5 metres amb un producte de densitat 1,5 quilograms per decímetre cúbic"},
        {"cmdArquímedes", nothing, "avís",
         "Recipient omplert fins a 5 metres amb un producte de densitat 1,5 quilograms per decímetre cúbic."},
        {"cmdArquímedes",
         [](QWidget& f) {
             pupil::click(f, "OptTriar(1)");
             pupil::click(f, "cmdIniciarMoviment");
         },
         "lblPesProducte",
         "El pes del recipient és de  73500 newtons i l'empenta de l'aigua de 98000 newtons; E més gran que F, flota"},
        {"cmdArquímedes", nothing, "OptTriar(2)", "E més petit que F, baixa"},  // a sign a voice keeps silent
        {"cmdArquímedes", nothing, "imgNotaArq",
         "Es considera un recipient de volum constant, en què només varia l'altura de producte afegit, hp. "
         "L'empenta sempre serà E, igual a 98000 newtons, i la secció, constant. Només cal calcular F."},

        {"cmdTorricelli",
         [](QWidget& f) {
             pupil::type(f, "txtAlturaLíquid", "2");
             pupil::click(f, "cmdOmplir");
         },
         "avís", "Dipòsit ple fins a 2 metres."},
        {"cmdTorricelli",
         [](QWidget& f) {
             pupil::type(f, "txtAlturaForat", ".5");
             pupil::click(f, "cmdBuidar");
         },
         "lblRespostaVelocitat", "Velocitat màxima de sortida del líquid: 5,42 metres per segon"},
        {"cmdTorricelli", nothing, "lblRespostaTempsTranscorregut",
         "Temps transcorregut en caure el raig des de que surt del dipòsit: 0,32 segons"},
        {"cmdTorricelli", nothing, "lblDistància",
         "Distància des de la paret fins on el raig toca a terra: 1,73 metres"},
        {"cmdTorricelli", nothing, "dibuix",
         "Dipòsit buidat fins al forat, a 0,5 metres; al principi, el raig arribava a 1,73 metres de la paret"},
        {"cmdTorricelli", nothing, "avís",
         "Velocitat màxima de sortida del líquid: 5,42 metres per segon. Distància màxima que arriba el raig de "
         "líquid: 1,73 metres. Temps transcorregut en caure el raig des de que surt del dipòsit: 0,32 segons. El "
         "dipòsit s'ha buidat fins a l'altura del forat, 0,5 metres."},

        {"cmdContinuïtat",
         [](QWidget& f) {
             pupil::set(f, "HSBDiàmetre1", 20);
             pupil::set(f, "HSBDiàmetre2", 40);
             pupil::set(f, "HSBDiàmetre3", 200);
             pupil::set(f, "hsbCabal", 50);
         },
         "HSBDiàmetre1", "Diàmetre 1: 20 mil·límetres"},
        {"cmdContinuïtat", nothing, "hsbCabal", "Cabal: 50 litres per minut"},
        {"cmdContinuïtat", [](QWidget& f) { pupil::click(f, "cmdCalcular"); }, "lblResultatVelocitat2",
         "Velocitat 2: 0,663 metres per segon"},
        {"cmdContinuïtat", nothing, "dibuix", "Perfil de la canonada; diàmetres dels trams: 20, 40 i 200 mil·límetres"},
        {"cmdContinuïtat", nothing, "avís",
         "Velocitat 1: 2,652 metres per segon. Velocitat 2: 0,663 metres per segon. Velocitat 3: 0,026 metres per "
         "segon."},

        {"cmdPascal", [](QWidget& f) { pupil::click(f, "cmdCalcular"); }, "HSBDiàmetreÈmbol2",
         "Diàmetre èmbol 2: 200 mil·límetres"},
        {"cmdPascal", nothing, "lblPressioResultant", "Pressió: 0,1273885 megapascals"},
        {"cmdPascal", nothing, "lblPes2", "R igual a 4000 newtons"},
        {"cmdPascal", nothing, "avís", "Pressió: 0,1273885 megapascals. R igual a 4000 newtons."},

        {"cmdVenturi",
         [](QWidget& f) {
             pupil::set(f, "hsbCabal", 500);
             pupil::click(f, "cmdCalcular");
         },
         "hsbCabal", "Cabal igual a 500 litres per minut"},
        {"cmdVenturi", nothing, "lblResultatCabal", "El valor del cabal és 500 litres per minut"},
        {"cmdVenturi", nothing, "lblVelocitat2", "Velocitat fluid en la canonada 2: 4,244 metres per segon"},
        {"cmdVenturi", nothing, "lblDiferènciaDePressions", "Diferència de pressions: 915 mil·límetres"},
        {"cmdVenturi", [](QWidget& f) { pupil::click(f, "cmdSimular"); }, "lblResultatEscala",
         "Escala del manòmetre: 915 mil·límetres"},
        {"cmdVenturi", nothing, "dibuix",
         "Tub ple d'aigua; el manòmetre marca una diferència de pressions de 915 mil·límetres de columna d'aigua"},
        {"cmdVenturi", nothing, "avís",
         "El manòmetre marca una diferència de pressions de 915 mil·límetres de columna d'aigua."},
    };
    QWidget* form = nullptr;
    const char* open = "";
    for (const auto& row : rows) {
        if (qstrcmp(row.simulator, open) != 0) {
            if (form != nullptr) click(*form, "cmdSortir");
            click(menu(), row.simulator);
            open = row.simulator;
            form = nullptr;
            for (size_t i = 0; i < program.simulatorCount(); ++i)
                if (program.simulator(i).loaded()) form = program.simulator(i).window();
            ASSERT_NE(form, nullptr) << row.simulator;
        }
        row.does(*form);
        settle();
        EXPECT_EQ(heard(*form, row.name), QString::fromUtf8(row.text)) << row.simulator << " " << row.name;
        if (qstrcmp(row.name, "HSBDensitat") == 0) {
            EXPECT_EQ(QAccessible::queryAccessibleInterface(find(*form, row.name))->valueInterface(), nullptr)
                << "a value in tenths would be read with a point";
        }
    }
}

// F9 opens the table of the simulator in front: every calculation a row,
// kept when the form is cleared, closed and opened again; Ctrl+C copies the
// rows chosen, or all, as a Catalan spreadsheet pastes them.
TEST_F(Navigation, EveryCalculationIsARowOfTheTableThatF9OpensAndCtrlCCopies)
{
    using Pupil = std::function<void(QWidget&)>;
    const struct {
        const char* simulator;
        Pupil measures;  // two calculations
        const char* all;
        const char* first;
        const char* graph;  // as a screen reader hears it
    } cases[] = {
        {"cmdTorricelli",
         [](QWidget& f) {
             for (const auto& [liquid, hole] : {std::pair{"2", ".5"}, {"8,03", "8.03"}}) {
                 pupil::type(f, "txtAlturaLíquid", liquid);
                 pupil::click(f, "cmdOmplir");
                 pupil::type(f, "txtAlturaForat", hole);
                 pupil::click(f, "cmdBuidar");
             }
             pupil::type(f, "txtAlturaForat", "9");  // refused: no row
             pupil::click(f, "cmdBuidar");
         },
         "Altura del líquid (m)\tAltura del forat (m)\tVelocitat de sortida (m/s)\tDistància del raig (m)\tTemps de "
         "caiguda (s)\n2\t0,5\t5,42\t1,73\t0,32\n8,03\t8,03\t0\t0\t1,28\n",
         "Altura del líquid (m)\tAltura del forat (m)\tVelocitat de sortida (m/s)\tDistància del raig (m)\tTemps de "
         "caiguda (s)\n2\t0,5\t5,42\t1,73\t0,32\n",
         "Gràfic: velocitat de sortida en funció de la diferència d'altures. 2 punts mesurats. La corba de la fórmula "
         "mostra que v és igual a l'arrel quadrada de 2 per g per la diferència d'altures; passa per tots els punts. "
         "Eix horitzontal: diferència "
         "entre l'altura del líquid i la del forat, en metres; eix vertical: velocitat de sortida, en metres per "
         "segon."},
        {"cmdPascal",
         [](QWidget& f) {
             pupil::click(f, "cmdCalcular");
             pupil::set(f, "HSBForçaAplicada", 5000);
             pupil::set(f, "HSBDiàmetreÈmbol2", 1000);
             pupil::click(f, "cmdCalcular");
         },
         "Força aplicada (N)\tDiàmetre de l'èmbol 1 (mm)\tDiàmetre de l'èmbol 2 (mm)\tPressió (MPa)\tForça resultant "
         "(N)\n"
         "10\t10\t200\t0,1273885\t4000\n5000\t10\t1000\t63,69427\t5E+07\n",
         "Força aplicada (N)\tDiàmetre de l'èmbol 1 (mm)\tDiàmetre de l'èmbol 2 (mm)\tPressió (MPa)\tForça resultant "
         "(N)\n"
         "10\t10\t200\t0,1273885\t4000\n",
         "Gràfic: força resultant en funció de la força aplicada. 2 punts mesurats. La corba de la fórmula mostra que "
         "R "
         "és igual a F per D2 al quadrat dividit per D1 al quadrat; passa pel punt de l'última mesura. Eix "
         "horitzontal: "
         "força aplicada, "
         "en newtons; eix vertical: força resultant, en newtons."},
        {"cmdVenturi",
         [](QWidget& f) {
             for (int cabal : {100, 200}) {
                 pupil::set(f, "hsbCabal", cabal);
                 pupil::click(f, "cmdCalcular");
             }
         },
         "Cabal (l/min)\tVelocitat a la canonada 1 (m/s)\tVelocitat a la canonada 2 (m/s)\tDiferència de pressions (mm "
         "d'aigua)\n100\t0,053\t0,849\t36\n200\t0,106\t1,698\t146\n",
         "Cabal (l/min)\tVelocitat a la canonada 1 (m/s)\tVelocitat a la canonada 2 (m/s)\tDiferència de pressions (mm "
         "d'aigua)\n100\t0,053\t0,849\t36\n",
         "Gràfic: diferència de pressions en funció del cabal. 2 punts mesurats. La corba de la fórmula mostra que la "
         "diferència de pressions creix amb el quadrat del cabal; passa per tots els punts. Eix horitzontal: cabal, en "
         "litres per minut; eix vertical: diferència de pressions, en mil·límetres de columna d'aigua."},
        // Three speeds a row, a point each on the graph.
        {"cmdContinuïtat",
         [](QWidget& f) {
             pupil::set(f, "hsbCabal", 60);
             pupil::set(f, "HSBDiàmetre1", 20);
             pupil::set(f, "HSBDiàmetre2", 40);
             pupil::set(f, "HSBDiàmetre3", 80);
             pupil::click(f, "cmdCalcular");
             pupil::set(f, "HSBDiàmetre1", 100);
             pupil::click(f, "cmdCalcular");
         },
         "Cabal (l/min)\tDiàmetre 1 (mm)\tDiàmetre 2 (mm)\tDiàmetre 3 (mm)\tVelocitat al tram 1 (m/s)\tVelocitat al "
         "tram 2 (m/s)\tVelocitat al tram 3 (m/s)\n60\t20\t40\t80\t3,183\t0,796\t0,199\n60\t100\t40\t80\t0,127\t0,796\t"
         "0,199\n",
         "Cabal (l/min)\tDiàmetre 1 (mm)\tDiàmetre 2 (mm)\tDiàmetre 3 (mm)\tVelocitat al tram 1 (m/s)\tVelocitat al "
         "tram 2 (m/s)\tVelocitat al tram 3 (m/s)\n60\t20\t40\t80\t3,183\t0,796\t0,199\n",
         "Gràfic: velocitat del fluid en funció del diàmetre del tram. 6 punts mesurats. La corba de la fórmula mostra "
         "que v és igual al cabal dividit per la secció del tram; passa per tots els punts. Eix horitzontal: diàmetre "
         "del tram, en mil·límetres; eix vertical: velocitat del fluid, en metres per segon."},
        // With the pupil's answer, and whether the motion bore it out.
        {"cmdArquímedes",
         [](QWidget& f) {
             for (const auto& [density, answer] : {std::pair{15, "OptTriar(2)"}, {20, "OptTriar(0)"}}) {
                 pupil::set(f, "HSBAlturaLíquid", 5);
                 pupil::set(f, "HSBDensitat", density);
                 pupil::click(f, "cmdOmplir");
                 pupil::click(f, answer);
                 pupil::click(f, "cmdIniciarMoviment");
             }
         },
         "Altura del producte (m)\tDensitat (kg/dm³)\tPes F (N)\tResposta\tEncertada\n5\t1,5\t73500\tE < F, "
         "baixa\tNo\n5\t2\t98000\tE = F, es manté\tSí\n",
         "Altura del producte (m)\tDensitat (kg/dm³)\tPes F (N)\tResposta\tEncertada\n5\t1,5\t73500\tE < F, "
         "baixa\tNo\n",
         "Gràfic: pes del recipient en funció de la densitat del producte. 2 punts mesurats. La corba de la fórmula "
         "mostra que F és igual a 9800 per l'altura del producte per la densitat; passa per tots els punts. Eix "
         "horitzontal: densitat del "
         "producte, en quilograms per decímetre cúbic; eix vertical: pes del recipient, en newtons."},
    };
    unsigned long time = 5'000'000;
    const auto press = [&](int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        sendKey(QEvent::KeyPress, key, modifiers, time += 1000);
        sendKey(QEvent::KeyRelease, key, modifiers, time += 50);
    };
    for (const auto& c : cases) {
        rt::FormInstanceBase* simulator = nullptr;
        for (const Simulator& s : simulatorsOf(program))
            if (qstrcmp(s.button, c.simulator) == 0) simulator = s.instance;
        click(menu(), c.simulator);
        ASSERT_TRUE(simulator->loaded());
        c.measures(*simulator->window());
        // The first row says where it went, for a moment at the top of the form.
        EXPECT_EQ(simulator->window()->findChild<QLabel*>("avísBreu")->text(),
                  "Mesura afegida a la taula: premeu F9 per veure-la");
        click(*simulator->window(), "cmdEsborrar");  // clears the form, not the table
        click(*simulator->window(), "cmdSortir");
        click(menu(), c.simulator);
        activate(*simulator->window());
        press(Qt::Key_F9);
        QWidget* window = nullptr;
        (void)QTest::qWaitFor([&] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->objectName() == "mesures" && w->isVisible()) window = w;
            return window != nullptr;
        });
        ASSERT_NE(window, nullptr) << c.simulator;
        activate(*window);  // on Wayland, once the compositor gives it the keyboard
        auto* table = window->findChild<QTableView*>("taulaDeMesures");
        ASSERT_NE(table, nullptr) << c.simulator;
        EXPECT_EQ(table->model()->rowCount(), 2) << c.simulator;
        // A screen reader hears a cell with its column's header, in words.
        QAccessibleInterface* cell = QAccessible::queryAccessibleInterface(table)->tableInterface()->cellAt(0, 3);
        ASSERT_NE(cell, nullptr);
        EXPECT_FALSE(cell->text(QAccessible::Name).contains('.')) << cell->text(QAccessible::Name).toStdString();
        const auto headers = cell->tableCellInterface()->columnHeaderCells();
        ASSERT_FALSE(headers.isEmpty());
        const QString header = headers.front()->text(QAccessible::Name);
        // Made for the caller, who gives them to Qt's cache, as its bridge does.
        for (QAccessibleInterface* made : headers)
            QAccessible::deleteAccessibleInterface(QAccessible::registerAccessibleInterface(made));
        EXPECT_TRUE(header.contains(", en ") || header == "Resposta") << header.toStdString();
        auto* graph = window->findChild<QWidget*>("gràficDeMesures");
        ASSERT_NE(graph, nullptr);
        EXPECT_EQ(QAccessible::queryAccessibleInterface(graph)->text(QAccessible::Name), QString::fromUtf8(c.graph));
        // A frame named by its title, and a chart: what a screen reader says they are.
        EXPECT_EQ(QAccessible::queryAccessibleInterface(graph)->role(), QAccessible::Chart);
        QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(window);
        EXPECT_EQ(frame->role(), QAccessible::Window);
        EXPECT_EQ(frame->text(QAccessible::Name), window->windowTitle());
        QApplication::clipboard()->clear();
        press(Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QApplication::clipboard()->text(), QString::fromUtf8(c.all)) << c.simulator;
        table->selectRow(0);
        press(Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QApplication::clipboard()->text(), QString::fromUtf8(c.first)) << c.simulator;
        // Zoomed as the forms are, for a projector.
        const QSize designed = window->size();
        press(Qt::Key_Equal, Qt::ControlModifier);
        (void)QTest::qWaitFor([&] { return window->size() != designed; });
        EXPECT_EQ(window->size(), (QSizeF(designed) * 1.25).toSize()) << c.simulator;
        press(Qt::Key_0, Qt::ControlModifier);
        window->close();
        click(*simulator->window(), "cmdSortir");
    }
}

// Delete removes the rows chosen, and the current one when none is;
// "Esborra-ho tot…" asks first, and "Cancel·la", its default, keeps them.
TEST_F(Navigation, RowsAreRemovedWhenChosenAndAllOfThemOnlyAfterAsking)
{
    click(menu(), "cmdVenturi");
    rt::FormInstanceBase& venturi = program.instance<venturi::Instance>();
    for (int cabal : {100, 200, 300, 400}) {
        pupil::set(*venturi.window(), "hsbCabal", cabal);
        pupil::click(*venturi.window(), "cmdCalcular");
    }
    venturi.showMeasurements();
    rt::MeasurementsWindow* window = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "mesures" && w->isVisible()) window = dynamic_cast<rt::MeasurementsWindow*>(w);
    ASSERT_NE(window, nullptr);
    activate(*window);
    rt::Measurements& rows = venturi.measurements();
    const auto first = [&] { return rows.data(rows.index(0, 0), Qt::DisplayRole).toString(); };
    window->table().selectRow(1);
    sendKey(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier, 6'000'000);
    sendKey(QEvent::KeyRelease, Qt::Key_Delete, Qt::NoModifier, 6'000'050);
    ASSERT_EQ(rows.rowCount(), 3);
    EXPECT_EQ(rows.data(rows.index(1, 0), Qt::DisplayRole).toString(), "300");
    window->table().clearSelection();
    window->table().setCurrentIndex(rows.index(0, 0));
    window->table().clearSelection();
    sendKey(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier, 6'001'000);
    sendKey(QEvent::KeyRelease, Qt::Key_Delete, Qt::NoModifier, 6'001'050);
    ASSERT_EQ(rows.rowCount(), 2);
    EXPECT_EQ(first(), "300");

    const auto ask = [&]() -> QMessageBox* {
        window->removeAll();
        for (QMessageBox* shown : window->findChildren<QMessageBox*>())
            if (shown->isVisible()) return shown;
        return nullptr;
    };
    QMessageBox* question = ask();
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(question->windowTitle(), "Esborra les mesures");
    ASSERT_NE(question->defaultButton(), nullptr);
    EXPECT_EQ(question->defaultButton()->text(), "Cancel·la");
    question->defaultButton()->click();
    EXPECT_EQ(rows.rowCount(), 2);
    question = ask();
    ASSERT_NE(question, nullptr);
    for (QAbstractButton* b : question->buttons())
        if (b->text() == "&Esborra-les") b->click();
    EXPECT_EQ(rows.rowCount(), 0);
    EXPECT_FALSE(rows.unsaved());
    window->close();
}

// "Desa…" writes a CSV a Catalan spreadsheet opens as numbers, whole or not
// at all; a folder that takes no file says so in Catalan and keeps the rows.
TEST_F(Navigation, TheTableIsSavedAsACatalanCsvOrSaysWhyNot)
{
    click(menu(), "cmdTorricelli");
    rt::FormInstanceBase& torricelli = program.instance<torricelli::Instance>();
    for (const char* hole : {".5", "1"}) {
        pupil::type(*torricelli.window(), "txtAlturaLíquid", "2");
        pupil::click(*torricelli.window(), "cmdOmplir");
        pupil::type(*torricelli.window(), "txtAlturaForat", hole);
        pupil::click(*torricelli.window(), "cmdBuidar");
    }
    torricelli.showMeasurements();
    rt::MeasurementsWindow* window = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* shown = dynamic_cast<rt::MeasurementsWindow*>(w); shown != nullptr && shown->isVisible())
            window = shown;
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(torricelli.measurements().unsaved());

    QTemporaryDir folder;
    const QString path = folder.filePath("mesures.csv");
    ASSERT_TRUE(window->saveTo(path));
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), QByteArray("\xEF\xBB\xBF"
                                          "Altura del líquid (m);Altura del forat (m);Velocitat de sortida (m/s);"
                                          "Distància del raig (m);Temps de caiguda (s)\r\n"
                                          "2;0,5;5,42;1,73;0,32\r\n"
                                          "2;1;4,43;2;0,45\r\n"));
    EXPECT_FALSE(torricelli.measurements().unsaved());
    // Beside it, the graph as a picture and as an SVG named by what it shows.
    EXPECT_EQ(QImage(folder.filePath("mesures.png")).size(), QSize(960, 540));
    QFile svg(folder.filePath("mesures.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(
        svg.readAll().contains("<title>Gràfic: velocitat de sortida en funció de la diferència d'altures. 2 punts"));

    // A folder that takes no file: as root, only one the system keeps.
    QTemporaryDir locked;
    QFile::setPermissions(locked.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const QString refused = (geteuid() == 0 ? QStringLiteral("/proc") : locked.path()) + "/mesures.csv";
    pupil::click(*torricelli.window(), "cmdBuidar");  // a third row, not yet saved
    EXPECT_FALSE(window->saveTo(refused));
    auto* box = window->findChild<QMessageBox*>();
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isVisible());
    const QString said = box->text();
    box->accept();
    EXPECT_TRUE(said.startsWith(QString("No s'han pogut desar les mesures a «%1»: ").arg(refused)))
        << said.toStdString();
    EXPECT_TRUE(said.endsWith("Les mesures continuen a la taula.")) << said.toStdString();
    EXPECT_FALSE(QFile::exists(refused));
    EXPECT_EQ(torricelli.measurements().rowCount(), 3);
    EXPECT_TRUE(torricelli.measurements().unsaved());

    // The table written but not its graph: said so, and the rows saved.
    QTemporaryDir half;
    ASSERT_TRUE(QDir(half.path()).mkdir("mesures.png"));  // no file can take its name
    EXPECT_FALSE(window->saveTo(half.filePath("mesures.csv")));
    box = nullptr;
    for (QMessageBox* shown : window->findChildren<QMessageBox*>())
        if (shown->isVisible()) box = shown;
    ASSERT_NE(box, nullptr);
    const QString halfSaid = box->text();
    box->accept();
    EXPECT_TRUE(halfSaid.startsWith(QString("La taula s'ha desat a «%1», però no s'ha pogut desar el gràfic a «%2»: ")
                                        .arg(half.filePath("mesures.csv"), half.filePath("mesures.png"))))
        << halfSaid.toStdString();
    EXPECT_TRUE(QFile::exists(half.filePath("mesures.csv")));
    EXPECT_FALSE(torricelli.measurements().unsaved());
    window->close();
}

// Quitting with measurements not yet saved asks once, in Catalan: Escape
// goes on with the program, a click on "No les desis" ends it as it always
// did. (A click, not its access key: on Wayland the compositor makes the
// question the active window only some time after it shows.)
TEST_F(Navigation, QuittingWithMeasurementsNotYetSavedAsksFirst)
{
    runtime.setAskBeforeEnding(true);
    click(menu(), "cmdPascal");
    click(*program.instance<pascal::Instance>().window(), "cmdCalcular");
    click(*program.instance<pascal::Instance>().window(), "cmdSortir");
    QStringList asked, defaults;
    // Answers the question, once it is up: Escape, or a click on a button.
    std::function<void(const char*)> answer = [&](const char* button) {
        QTimer::singleShot(10, [&, button] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) return answer(button);
            asked << box->text();
            // A screen reader hears which button Enter presses: Qt's own
            // interface for Qt's own button.
            if (QPushButton* byDefault = box->defaultButton()) {
                QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(byDefault);
                if (heard->state().defaultButton) defaults << heard->text(QAccessible::Name);
            }
            if (button == nullptr) return QTest::keyClick(box, Qt::Key_Escape);
            for (QAbstractButton* b : box->buttons())
                if (b->text() == QString::fromUtf8(button)) QTest::mouseClick(b, Qt::LeftButton);
        });
    };
    QTimer::singleShot(0, [&] {
        answer(nullptr);
        click(menu(), "cmdSortir");
        EXPECT_FALSE(runtime.ended());
        EXPECT_TRUE(program.menu.loaded());
        answer("&No les desis");
        click(menu(), "cmdSortir");
    });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    watchdog.start(10000);
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_TRUE(runtime.ended());
    EXPECT_EQ(asked, QStringList(2, "Hi ha mesures que encara no heu desat. Voleu desar-les abans de sortir?"));
    EXPECT_EQ(defaults, QStringList(2, "Desa…"));
}
