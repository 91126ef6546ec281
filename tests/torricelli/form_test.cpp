#include <gtest/gtest.h>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include "simulator.h"
#include "torricelli/form.h"

using namespace test;

namespace {

const QColor kGreen(0, 128, 0);

struct Torricelli : SimulatorTest<torricelli::Instance> {
    void fill(const char* liquid)
    {
        type("txtAlturaLíquid", liquid);
        click(*form, "cmdOmplir");
    }
    void empty(const char* hole)
    {
        type("txtAlturaForat", hole);
        click(*form, "cmdBuidar");
    }
};

}  // namespace

TEST_F(Torricelli, DesignTimeLayout)
{
    EXPECT_EQ(form->windowTitle(), "Teorema de Torricelli");
    expectPlacements(
        *form, {
                   {"PicEquacions", 7440, 4920, 3855, 2895, nullptr},
                   {"cmdSortir", 10320, 1080, 1095, 495, "&Sortir"},
                   {"cmdEsborrar", 9120, 1080, 1095, 495, "&Esborrar"},
                   {"cmdBuidar", 7800, 1080, 1215, 495, "&Buidar"},
                   {"cmdOmplir", 6480, 1080, 1215, 495, "&Omplir"},
                   {"txtAlturaForat", 4800, 1080, 495, 375, nullptr},
                   {"txtAlturaLíquid", 2040, 1080, 495, 360, nullptr},
                   {"lblTítolEquacions", 7440, 4560, 3135, 375, "EQUACIONS EMPRADES"},
                   {"lblDistància", 3480, 8160, 2175, 375, ""},
                   {"lblRespostaTempsTranscorregut", 8880, 3600, 1335, 375, ""},
                   {"lblRespostaEspaiRecorregut", 8880, 3000, 1335, 375, ""},
                   {"lblRespostaVelocitat", 8880, 2400, 1335, 375, ""},
                   {"lblAvis", 240, 1560, 5895, 615, ""},
                   {"lblExplicacioInicial", 4680, 240, 6975, 615,
                    "L'equació de Torricelli ens diu que la sortida de líquid d'un dipòsit per un forat de petites "
                    "dimensions, és la "
                    "mateixa que tindria una partícula de fluid en caure lliurement des de la superfície de líquid al "
                    "centre del "
                    "forat. En aquesta simulació l'altura màxima de càlcul és de 10 m."},
                   {"lblTempsTranscorregut", 3840, 3600, 4815, 255,
                    "Temps transcorregut en caure el raig des de que surt del dipòsit:"},
                   {"lblEspaiRecorregut", 5160, 3000, 3375, 255, "Distància màxima que arriba el raig de líquid:"},
                   {"lblVelocitat", 5640, 2400, 2775, 255, "Velocitat màxima de sortida del líquid:"},
                   {"lblForat", 2880, 1200, 1935, 255, "Altura del forat en metres:"},
                   {"lblAltura", 120, 1200, 1935, 255, "Altura del líquid en metres:"},
                   {"lblTorricelli", 840, 480, 3375, 375, "EQUACIÓ DE TORRICELLI"},
                   {"imgDipositInicial", 360, 4200, 9000, 4500, nullptr},
               });
    expectLines(*form, {{"Line1", 600, 8040, 9720, 8040, 3},
                        {"Line2", 2640, 5400, 2640, 8000, 3},
                        {"Line3", 600, 5400, 600, 8000, 3}});
    const rt::Color blue = rt::RGB(0, 0, 255), white = rt::sys::HighlightText;
    expectLooks(*form, {
                           {"lblTítolEquacions", rt::RGB(255, 0, 0), rt::sys::TitleBarText, 12, true},
                           {"lblDistància", rt::RGB(0, 0, 0), white, 8.25f, false},
                           {"lblRespostaTempsTranscorregut", blue, white, 8.25f, false},
                           {"lblRespostaEspaiRecorregut", blue, white, 8.25f, false},
                           {"lblRespostaVelocitat", blue, white, 8.25f, false},
                           {"lblAvis", rt::RGB(255, 0, 0), rt::sys::TitleBarText, 13.5f, false},  // the form's own font
                           {"lblExplicacioInicial", rt::RGB(0, 0, 0), rt::sys::ButtonFace, 8.25f, false},
                           {"lblTempsTranscorregut", rt::RGB(0, 0, 0), rt::sys::TitleBarText, 8.25f, false},
                           {"lblEspaiRecorregut", rt::RGB(0, 0, 0), rt::sys::TitleBarText, 8.25f, false},
                           {"lblVelocitat", rt::RGB(0, 0, 0), rt::sys::TitleBarText, 8.25f, false},
                           {"lblForat", rt::RGB(0, 0, 0), white, 8.25f, false},
                           {"lblAltura", rt::RGB(0, 0, 0), white, 8.25f, false},
                           {"lblTorricelli", rt::RGB(192, 0, 0), rt::sys::TitleBarText, 12, true},
                       });
    // The tank picture, with its green liquid, until a text box is used.
    EXPECT_EQ(pixel(*form, 360 + 60 * 15, 4200 + 150 * 15), QColor(0, 132, 0));
}

TEST_F(Torricelli, EnterWalksThroughTheForm)
{
    activate(*form);
    EXPECT_EQ(QApplication::focusWidget(), find(*form, "txtAlturaLíquid"));
    QTest::keyClicks(QApplication::focusWidget(), "2");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), find(*form, "txtAlturaForat"));
    EXPECT_FALSE(form->control<rt::Image>("imgDipositInicial").Visible()) << "hidden by Enter";
    const char* walk[] = {"cmdOmplir", "cmdBuidar", "cmdEsborrar", "txtAlturaLíquid"};
    for (const char* next : walk) {
        if (QString(next) == "cmdOmplir") QTest::keyClicks(QApplication::focusWidget(), "1");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_EQ(QApplication::focusWidget(), find(*form, next)) << next;
    }
    EXPECT_EQ(text("txtAlturaLíquid"), "");  // "&Esborrar" ran last
    EXPECT_EQ(caption("lblRespostaVelocitat"), "");
}

TEST_F(Torricelli, ClickingATextBoxHidesTheTankPicture)
{
    for (const char* box : {"txtAlturaLíquid", "txtAlturaForat"}) {
        click(*form, "cmdEsborrar");
        EXPECT_TRUE(form->control<rt::Image>("imgDipositInicial").Visible());
        click(*form, box);
        EXPECT_FALSE(form->control<rt::Image>("imgDipositInicial").Visible()) << box;
    }
}

TEST_F(Torricelli, ResultsOfTheWorkedExamples)
{
    // The sentences say the heights and the reach in Catalan numbers.
    const struct {
        const char *liquid, *hole, *speed, *distance, *below, *time, *holeSaid, *reachSaid;
    } cases[] = {
        {"2", "1", " 4.43 m/s", " 2 m", " 2 metres", " .45 segons", "1", "2"},
        {"10", "5", " 9.9 m/s", " 10 m", " 10 metres", " 1.01 segons", "5", "10"},
        {"10", "0", " 14 m/s", " 0 m", " 0 metres", " 0 segons", "0", "0"},
        {"4", "4", " 0 m/s", " 0 m", " 0 metres", " .9 segons", "4", "0"},
        {"2", ".5", " 5.42 m/s", " 1.73 m", " 1.73 metres", " .32 segons", "0,5", "1,73"},
    };
    for (const auto& c : cases) {
        click(*form, "cmdEsborrar");
        fill(c.liquid);
        EXPECT_EQ(form->lastAnnouncement(), QString("Dipòsit ple fins a %1 m.").arg(c.liquid));
        empty(c.hole);
        const auto shown = [](const char* text) { return QString::fromUtf8(text).trimmed(); };
        EXPECT_EQ(form->lastAnnouncement(),
                  QString("Velocitat màxima de sortida del líquid: %1. Distància màxima que arriba el raig de líquid: "
                          "%2. Temps transcorregut en caure el raig des de que surt del dipòsit: %3. El dipòsit s'ha "
                          "buidat fins a l'altura del forat, %4 m.")
                      .arg(shown(c.speed), shown(c.distance), shown(c.time), c.holeSaid));
        // A jet that reaches nowhere is said so.
        const QString emptied = QString("Dipòsit buidat fins al forat, a %1 m; ").arg(c.holeSaid);
        EXPECT_EQ(form->drawingDescription(),
                  emptied + (c.reachSaid == QString("0")
                                 ? QString("el raig no s'allunya de la paret")
                                 : QString("al principi, el raig arribava a %1 m de la paret").arg(c.reachSaid)));
        EXPECT_EQ(caption("lblRespostaVelocitat"), c.speed) << c.liquid << "/" << c.hole;
        EXPECT_EQ(caption("lblRespostaEspaiRecorregut"), c.distance);
        EXPECT_EQ(caption("lblDistància"), c.below);
        EXPECT_EQ(spoken("lblDistància"),
                  QString("Distància des de la paret fins on el raig toca a terra: %1 metres").arg(c.reachSaid));
        EXPECT_EQ(caption("lblRespostaTempsTranscorregut"), c.time);
        EXPECT_EQ(caption("lblAvis"), "");
    }
    expectLabelsReadable(*form);
}

TEST_F(Torricelli, AHoleAtTheLiquidsOwnHeightIsAccepted)
{
    // Heights whose hole, reckoned in double precision, came out a float's
    // step above the liquid, reckoned in single: t = √(h / 4.9).
    const struct {
        const char *height, *time;
    } cases[] = {
        {"8.03", " 1.28 segons"}, {"8.07", " 1.28 segons"}, {"8.11", " 1.29 segons"}, {"8.15", " 1.29 segons"},
        {"8.19", " 1.29 segons"}, {"0.251", " .23 segons"}, {"0.253", " .23 segons"}, {"8,07", " 1.28 segons"},
    };
    for (const auto& c : cases) {
        click(*form, "cmdEsborrar");
        fill(c.height);
        empty(c.height);
        EXPECT_EQ(caption("lblAvis"), "") << c.height;
        EXPECT_EQ(text("txtAlturaForat"), c.height);
        EXPECT_EQ(caption("lblRespostaVelocitat"), " 0 m/s") << c.height;
        EXPECT_EQ(caption("lblRespostaEspaiRecorregut"), " 0 m") << c.height;
        EXPECT_EQ(caption("lblRespostaTempsTranscorregut"), c.time) << c.height;
    }
}

TEST_F(Torricelli, RefusedHeightsWarnEmptyTheirBoxAndZeroBothValues)
{
    const char* tooHigh = "L'altura del líquid ha de ser inferior 10 metres";
    const char* belowHole = "L'altura ha de ser superior a l'altura del forat";
    const char* negativeLiquid = "L'altura del líquid no pot ser negativa";
    const char* negativeHole = "L'altura del forat no pot ser negativa";
    const struct {
        const char *liquid, *hole;
        const char* warning;
        const char* emptied;  // the box that was emptied
    } cases[] = {
        {"10.01", nullptr, tooHigh, "txtAlturaLíquid"},
        {" 2 5", nullptr, tooHigh, "txtAlturaLíquid"},
        {"1E39", nullptr, tooHigh, "txtAlturaLíquid"},
        {"9E99", nullptr, tooHigh, "txtAlturaLíquid"},
        {"-1", nullptr, negativeLiquid, "txtAlturaLíquid"},
        {"-1E39", nullptr, negativeLiquid, "txtAlturaLíquid"},
        {"2", "3", belowHole, "txtAlturaForat"},
        {"2", "1E39", belowHole, "txtAlturaForat"},
        {"2", "-0.5", negativeHole, "txtAlturaForat"},
        {"2", "-1E400", negativeHole, "txtAlturaForat"},
    };
    for (const auto& c : cases) {
        click(*form, "cmdEsborrar");
        values().AlturaForat = 123;
        fill(c.liquid);
        if (c.hole) empty(c.hole);
        EXPECT_EQ(caption("lblAvis"), QString::fromUtf8(c.warning)) << c.liquid;
        EXPECT_TRUE(form->lastAnnouncement().contains(QString::fromUtf8(c.warning))) << c.liquid;
        EXPECT_EQ(text(c.emptied), "") << c.liquid;
        EXPECT_EQ(values().AlturaLíquid, 0) << c.liquid;
        EXPECT_EQ(values().AlturaForat, 0) << c.liquid;
        if (c.hole) {
            // Nothing was emptied: the tank is still described as filled.
            EXPECT_FALSE(form->lastAnnouncement().contains("buidat")) << c.hole;
            EXPECT_EQ(form->drawingDescription(), QString("Dipòsit ple fins a %1 m").arg(c.liquid)) << c.hole;
            EXPECT_EQ(caption("lblRespostaVelocitat"), " 0 m/s");
            EXPECT_EQ(caption("lblDistància"), " 0 metres");
            EXPECT_EQ(caption("lblRespostaTempsTranscorregut"), " 0 segons");
        }
    }
    // "&Buidar" does not clear the warning; "&Omplir" does.
    empty("0");
    EXPECT_EQ(caption("lblAvis"), QString::fromUtf8(negativeHole));
    fill("1");
    EXPECT_EQ(caption("lblAvis"), "");
}

TEST_F(Torricelli, EmptyingBeforeAnyFillingComparesWithNoLiquid)
{
    empty("0.5");
    EXPECT_EQ(caption("lblAvis"), "L'altura ha de ser superior a l'altura del forat");
    click(*form, "cmdEsborrar");
    empty("0");
    EXPECT_EQ(caption("lblAvis"), "");
    EXPECT_EQ(caption("lblRespostaVelocitat"), " 0 m/s");
}

TEST_F(Torricelli, DrawingOfTheWorkedGeometry)
{
    fill("2");
    const auto black = callsOf(torricelli::kBlack);
    ASSERT_EQ(black.size(), 2u);
    EXPECT_EQ(black[0].x1, 600);
    EXPECT_EQ(black[0].y2, -1200);
    EXPECT_EQ(black[1].x1, 2640);
    EXPECT_EQ(black[1].y2, -1200);
    auto green = callsOf(torricelli::kGreen);
    ASSERT_EQ(green.size(), 1001u);
    EXPECT_EQ(green.front().y1, -1000);
    EXPECT_EQ(green.back().y1, 0);
    EXPECT_EQ(green.front().x1, 640);
    EXPECT_EQ(green.front().x2, 2600);
    EXPECT_EQ(green.front().width, 3);
    EXPECT_FLOAT_EQ(form->ScaleTop(), -8000);

    calls.clear();
    empty("1");
    const auto erased = [&] {
        std::vector<rt::DrawCall> rows;
        for (const auto& c : calls)
            if (c.color == torricelli::kWhite && c.x1 == 640) rows.push_back(c);
        return rows;
    }();
    ASSERT_EQ(erased.size(), 501u);
    EXPECT_EQ(erased.front().y1, -1000);
    EXPECT_EQ(erased.front().width, 3);  // the width the filling left
    EXPECT_EQ(erased[1].width, 2);
    EXPECT_EQ(erased.back().y1, -500);
    green = callsOf(torricelli::kGreen);
    EXPECT_EQ(green.size(), 501u * 6);
    // The first jet ends on the ground 2 m from the wall.
    EXPECT_NEAR(green[5].x2, 3640, 0.5);
    EXPECT_EQ(green[5].y2, 0);
    EXPECT_EQ(green[0].x1, 2640);
    EXPECT_EQ(green[0].y1, -500);

    // What the pupil sees: liquid below the hole, emptied rows above it, the jet landing.
    EXPECT_EQ(pixel(*form, 1600, 8000 - 250), kGreen);
    EXPECT_EQ(pixel(*form, 1600, 8000 - 750), Qt::white);
    EXPECT_EQ(pixel(*form, 3500, 8000 - 65), kGreen);     // under the outermost jet, just above the ground
    EXPECT_EQ(pixel(*form, 3750, 8000 - 15), Qt::white);  // beyond where it lands
}

TEST_F(Torricelli, EdgeCasesOfTheDrawing)
{
    // Hole at 0: a single jet point a pass, the liquid erased to the bottom.
    fill("1");
    calls.clear();
    empty("0");
    EXPECT_EQ(callsOf(torricelli::kGreen).size(), 501u);
    EXPECT_EQ(pixel(*form, 1600, 8000 - 30), Qt::white);

    // Hole at the liquid's level: one pass, the jet straight down the wall.
    click(*form, "cmdEsborrar");
    fill("1");
    calls.clear();
    empty("1");
    const auto jet = callsOf(torricelli::kGreen);
    ASSERT_EQ(jet.size(), 6u);
    for (const auto& c : jet) EXPECT_EQ(c.x2, 2640);
    EXPECT_EQ(jet.back().y2, 0);

    // After the liquid warning: walls 200 high, one green row at the bottom.
    click(*form, "cmdEsborrar");
    calls.clear();
    fill("11");
    EXPECT_EQ(callsOf(torricelli::kBlack)[0].y2, -200);
    ASSERT_EQ(callsOf(torricelli::kGreen).size(), 1u);
    EXPECT_EQ(callsOf(torricelli::kGreen)[0].y1, 0);

    // After the hole warning: one pass at y 0, one jet point at (2640, 0).
    fill("1");
    calls.clear();
    empty("5");
    ASSERT_EQ(callsOf(torricelli::kGreen).size(), 1u);
    EXPECT_EQ(callsOf(torricelli::kGreen)[0].x2, 2640);
    EXPECT_EQ(callsOf(torricelli::kGreen)[0].y2, 0);

    // Half-twip heights step through half-twip rows.
    click(*form, "cmdEsborrar");
    calls.clear();
    fill("2.001");
    const auto rows = callsOf(torricelli::kGreen);
    ASSERT_EQ(rows.size(), 1001u);
    EXPECT_NEAR(rows.front().y1, -1000.5, 0.001);
    EXPECT_NEAR(rows.back().y1, -0.5, 0.001);
}

TEST_F(Torricelli, HeightsOutliveEsborrarAndTheWindow)
{
    fill("3");
    click(*form, "cmdEsborrar");
    EXPECT_EQ(values().AlturaLíquid, 1500);
    EXPECT_FLOAT_EQ(form->ScaleTop(), -8000);  // the scale stays while the form is loaded
    click(*form, "cmdSortir");
    settle();
    open();
    EXPECT_FLOAT_EQ(form->ScaleTop(), 0);  // a new window starts at the top-left corner again
    EXPECT_TRUE(form->control<rt::Image>("imgDipositInicial").Visible());
    empty("1");  // compares with the 3 m of the last filling
    EXPECT_EQ(caption("lblAvis"), "");
    EXPECT_EQ(caption("lblRespostaVelocitat"), " 6.26 m/s");
}

TEST_F(Torricelli, FillingAndEmptyingArePacedForTheEye)
{
    auto& pacer = session().pacer();
    fill("10");
    expectPace("filling_10m_s", pacer.elapsed(), 1.728, pacer.slowdown());
    // The emptying stays under about 4 s for every accepted pair of heights.
    std::chrono::nanoseconds longest{0};
    for (int tenths = 0; tenths <= 100; tenths += 5) {
        fill("10");
        empty((std::to_string(tenths / 10) + "." + std::to_string(tenths % 10)).c_str());
        longest = std::max(longest, pacer.elapsed());
        EXPECT_GT(pacer.elapsed().count(), 0);
    }
    expectPace("longest_emptying_s", longest, 3.777, pacer.slowdown());
}

TEST_F(Torricelli, EnterHeldOnOmplirOnlyFills)
{
    // The repeats queue while the tank fills, then reach "&Buidar" and
    // "&Esborrar" as the focus moves on: they must press neither.
    type("txtAlturaLíquid", "10");
    type("txtAlturaForat", "1");
    activate(*form);
    control<rt::Button>("cmdOmplir").SetFocus();
    holdKey(Qt::Key_Return);
    EXPECT_EQ(text("txtAlturaLíquid"), "10");
    EXPECT_EQ(text("txtAlturaForat"), "1");
    EXPECT_EQ(caption("lblRespostaVelocitat"), "");
    EXPECT_EQ(pixel(*form, 1500, 3500), kGreen);
}

TEST_F(Torricelli, ZoomedWhileEmptyingThePictureIsWholeAtTheNewSize)
{
    fill("2");
    // The window doubles while the tank empties: what was drawn is drawn
    // again at the new size, and the rest of the emptying follows at it.
    {
        PacedWithoutWaiting paced(session());
        QTimer::singleShot(0, form, [this] { form->resize(rt::clientSize(2)); });
        empty("1");
    }
    ASSERT_EQ(form->zoom(), 2);
    const struct {
        float x, y;
        QColor color;
    } seen[] = {
        {1600, 8000 - 250, kGreen},      // the liquid left below the hole
        {1600, 8000 - 750, Qt::white},   // the rows emptied above it
        {3500, 8000 - 65, kGreen},       // under the outermost jet, just above the ground
        {3750, 8000 - 15, Qt::white},    // beyond where it lands
        {610, 8000 - 1150, Qt::black},   // the left wall drawn by the filling, above the liquid
        {2650, 8000 - 1150, Qt::black},  // the right one
    };
    for (const auto& s : seen) EXPECT_EQ(pixel(*form, s.x, s.y), s.color) << s.x << "," << s.y;
}
