#include <gtest/gtest.h>
#include <QAccessible>
#include <QPainter>

#include "pascal/form.h"
#include "runtime/numbers.h"
#include "simulator.h"

using namespace test;

namespace {

const QColor kLiquid(0, 255, 255), kPiston(64, 64, 64), kWeight(192, 64, 0);

struct Pascal : SimulatorTest<pascal::Instance> {
    rt::Shape& shape(const char* name) { return control<rt::Shape>(name); }
    rt::LineControl& line(const char* name) { return control<rt::LineControl>(name); }
    float top(const char* name) { return control<rt::Control>(name).Top(); }
    bool visible(const char* name) { return control<rt::Control>(name).Visible(); }
    bool stopValveOpen()
    {
        return shape("shpVàlvulaDePas").backStyle() == rt::BackStyle::Opaque && line("Line19").Y1() == 6960 &&
               line("Line19").Y2() == 6960 && line("Line20").Y1() == 7200 && line("Line20").X1() == 4560 &&
               line("Line20").X2() == 5040 && spoken("shpVàlvulaDePas") == QString::fromUtf8("Vàlvula de pas oberta");
    }
    bool stopValveClosed()
    {
        return shape("shpVàlvulaDePas").backStyle() == rt::BackStyle::Transparent && line("Line19").X1() == 4700 &&
               line("Line19").X2() == 4700 && line("Line19").Y1() == 6840 && line("Line19").Y2() == 7320 &&
               line("Line20").X1() == 4900 && line("Line20").X2() == 4900 &&
               spoken("shpVàlvulaDePas") == QString::fromUtf8("Vàlvula de pas tancada");
    }
    // The non-return valve: where the ball and the spring's points stand.
    std::vector<float> valve()
    {
        return {shape("shpAntirretorn1").Left(),
                line("Line11").X1(),
                line("Line11").X2(),
                line("Line7").X1(),
                line("Line7").X2(),
                line("Line8").X1(),
                line("Line8").X2(),
                line("Line9").X1(),
                line("Line9").X2(),
                line("Line10").X1(),
                line("Line10").X2()};
    }
    void expectWeightsAt(float pes1, float pes2)
    {
        EXPECT_EQ(top("shpPes1"), pes1);
        EXPECT_EQ(top("shpPes2"), pes2);
        EXPECT_EQ(top("lblPes1"), pes1 + 140);
        EXPECT_EQ(top("lblPes2"), pes2 + 240);
        for (const char* w : {"shpPes1", "shpPes2", "lblPes1", "lblPes2"}) EXPECT_TRUE(visible(w)) << w;
    }
    void expectPistonsAtRest()
    {
        EXPECT_EQ(top("shpLíquidRecipient1"), 3000);
        EXPECT_EQ(control<rt::Control>("shpLíquidRecipient1").Height(), 5000);
        EXPECT_EQ(top("shpÈmbol1"), 3000);
        EXPECT_EQ(top("shpLíquidRecipient2"), 5000);
        EXPECT_EQ(control<rt::Control>("shpLíquidRecipient2").Height(), 3000);
        EXPECT_EQ(top("shpÈmbol2"), 4680);
    }
};

const std::vector<float> kValveAtRest{4490, 4920, 4800, 4920, 5040, 5040, 5160, 5160, 5280, 5280, 5400};
const std::vector<float> kValveOpen{4600, 5080, 4960, 5080, 5200, 5200, 5320, 5320, 5440, 5440, 5400};

}  // namespace

TEST_F(Pascal, DesignTimeLayout)
{
    EXPECT_EQ(form->windowTitle(), "Principi de Pascal");
    expectPlacements(*form, {
                                {"cmdCalcular", 6360, 240, 1215, 495, "&Calcular"},
                                {"cmdSimular", 7800, 240, 1215, 495, "S&imular"},
                                {"cmdEsborrar", 9240, 240, 975, 495, "&Esborrar"},
                                {"cmdSortir", 10440, 240, 1095, 495, "&Sortir"},
                                {"HSBForçaAplicada", 1560, 720, 1935, 255, nullptr},
                                {"HSBDiàmetreÈmbol1", 1560, 1080, 1935, 255, nullptr},
                                {"HSBDiàmetreÈmbol2", 1560, 1440, 1935, 255, nullptr},
                                {"lblPascal", 960, 240, 3255, 375, "PRINCIPI DE PASCAL"},
                                {"lblForçaAplicada1", 120, 720, 1215, 255, "Força aplicada"},
                                {"lblDiàmetre1", 120, 1080, 1335, 255, "Diàmetre èmbol 1:"},
                                {"lblDiàmetre2", 120, 1440, 1335, 255, "Diàmetre èmbol 2:"},
                                {"lblUnitatsForça", 3720, 720, 1215, 255, "10 Newtons"},
                                {"lblUnitatsDiàmetre1", 3720, 1080, 735, 255, "10 mm"},
                                {"lblUnitatsDiàmetre2", 3720, 1440, 735, 255, "200 mm"},
                                {"lblPressió", 8640, 1080, 735, 255, "Pressió:"},
                                {"lblUnitatsPressió", 10560, 1080, 735, 255, "MPascals"},
                                {"lblResultats", 7320, 1080, 1215, 375, "Resultat"},
                                {"lblPes1", 840, 2640, 1575, 255, "Força Aplicada"},
                                {"lblPes2", 7920, 4200, 2295, 255, "Força Resultant"},
                                {"lblPressioResultant", 9360, 1080, 1095, 255, ""},
                                {"lblTítolEquacions", 3240, 4200, 2775, 255, "EQUACIONS EMPRADES"},
                                {"imgFletxesAvall", 840, 3000, 1425, 300, nullptr},
                                {"imgFletxesAmunt1", 7080, 4680, 1425, 300, nullptr},
                                {"imgFletxesAmunt3", 8280, 4680, 1425, 300, nullptr},
                                {"imgFletxesAmunt2", 9480, 4680, 1425, 300, nullptr},
                                {"imgPasEquacions", 3360, 4560, 2745, 2010, nullptr},
                                {"shpPes2", 6840, 3960, 4335, 735, nullptr},
                                {"shpPes1", 840, 2500, 1575, 495, nullptr},
                                {"shpCanonada4", 5780, 7180, 210, 495, nullptr},
                                {"shpCanonada3", 5060, 6970, 930, 210, nullptr},
                                {"shpCanonada2", 3680, 6970, 855, 210, nullptr},
                                {"shpCanonada1", 3500, 6980, 210, 755, nullptr},
                                {"shpVàlvulaDePas", 4560, 6840, 495, 495, nullptr},
                                {"shpAntirretorn1", 4440, 7650, 450, 300, nullptr},
                                {"shpÈmbol2", 6600, 4680, 4770, 375, nullptr},
                                {"shpÈmbol1", 630, 3000, 1995, 375, nullptr},
                                {"shpLíquidRecipient2", 6630, 5000, 4770, 3000, nullptr},
                                {"shpLiquidCanonada", 2600, 7600, 4100, 390, nullptr},
                                {"shpLíquidRecipient1", 630, 3000, 1995, 5000, nullptr},
                            });
    expectLines(*form, {
                           {"Line1", 600, 8000, 11400, 8000, 3},
                           {"Line2", 2640, 2900, 2640, 7560, 3},
                           {"Line3", 600, 2900, 600, 8000, 3},
                           {"Line4", 3480, 7560, 2640, 7560, 3},
                           {"Line5", 6600, 2900, 6600, 7560, 3},
                           {"Line6", 11400, 2900, 11400, 8000, 3},
                           {"Line7", 4920, 7920, 5040, 7680, 2},
                           {"Line8", 5040, 7680, 5160, 7920, 2},
                           {"Line9", 5160, 7920, 5280, 7680, 2},
                           {"Line10", 5280, 7680, 5400, 7920, 2},
                           {"Line11", 4920, 7920, 4800, 7800, 2},
                           {"Line12", 4320, 7800, 4080, 7800, 2},
                           {"Line13", 3480, 7560, 3480, 6960, 2},
                           {"Line14", 3480, 6960, 4560, 6960, 2},
                           {"Line15", 5760, 7200, 5760, 7560, 2},
                           {"Line16", 6000, 6960, 6000, 7560, 2},
                           {"Line17", 3720, 7560, 3720, 7200, 2},
                           {"Line18", 3720, 7200, 4560, 7200, 2},
                           {"Line19", 4700, 6840, 4700, 7320, 2},
                           {"Line20", 4900, 6840, 4900, 7320, 2},
                           {"Line21", 3720, 7560, 5760, 7560, 3},
                           {"Line22", 6000, 7560, 6600, 7560, 3},
                           {"Line23", 5760, 7200, 5040, 7200, 2},
                           {"Line24", 6000, 6960, 5040, 6960, 2},
                           {"LineAntirretorn1", 4680, 7560, 4320, 7800, 2},
                           {"lineAntirretorn2", 4320, 7800, 4680, 8000, 2},
                       });
    EXPECT_EQ(form->controls().size(), 65u);
    EXPECT_TRUE(stopValveClosed());
    EXPECT_EQ(shape("shpVàlvulaDePas").BackColor(), rt::RGB(0, 255, 255));
    const rt::Color white = rt::sys::HighlightText, weight = rt::RGB(192, 64, 0), title = rt::RGB(192, 0, 0);
    expectLooks(*form, {
                           {"lblPascal", title, rt::sys::TitleBarText, 12, true},
                           {"lblForçaAplicada1", rt::RGB(0, 0, 0), white, 8.25f, false},
                           {"lblDiàmetre2", rt::RGB(0, 0, 0), white, 8.25f, false},
                           {"lblUnitatsForça", rt::RGB(0, 0, 0), rt::sys::TitleBarText, 8.25f, false},
                           {"lblUnitatsPressió", rt::RGB(0, 0, 0), rt::sys::TitleBarText, 8.25f, false},
                           {"lblResultats", title, rt::sys::TitleBarText, 12, true},
                           {"lblPes1", white, weight, 9, false},
                           {"lblPes2", white, weight, 9.75f, false},
                           {"lblPressioResultant", rt::RGB(0, 0, 255), rt::sys::TitleBarText, 9.75f, false},
                           {"lblTítolEquacions", rt::RGB(255, 0, 0), white, 9.75f, true},
                       });
    EXPECT_EQ(shape("shpPes1").BackColor(), weight);
    EXPECT_EQ(shape("shpÈmbol2").BackColor(), rt::RGB(64, 64, 64));
    EXPECT_EQ(shape("shpCanonada3").BorderColor(), rt::RGB(0, 255, 255));
    // What the pupil sees: weights on the pistons on the liquid, arrows on the pistons.
    EXPECT_EQ(pixel(*form, 1600, 2600), kWeight);
    EXPECT_EQ(pixel(*form, 700, 3200), kPiston);
    EXPECT_EQ(pixel(*form, 1600, 5000), kLiquid);
    EXPECT_EQ(pixel(*form, 9000, 6500), kLiquid);
    EXPECT_EQ(pixel(*form, 4000, 7800), kLiquid);    // the channel
    EXPECT_EQ(pixel(*form, 4800, 7080), Qt::white);  // the closed valve is empty
}

TEST_F(Pascal, CalculationAndUnitLabels)
{
    const struct {
        int F, D1, D2;
        const char *pressure, *pes1, *pes2, *units[3];
    } cases[] = {
        {10, 200, 200, " .0003184713", "F= 10 Newtons", "R= 10 Newtons", {"10 Newtons", "200 mm", "200 mm"}},
        {10, 10, 200, " .1273885", "F= 10 Newtons", "R= 4000 Newtons", {"10 Newtons", "10 mm", "200 mm"}},
        {1000, 50, 500, " .5095541", "F= 1000 Newtons", "R= 100000 Newtons", {"1000 Newtons", "50 mm", "500 mm"}},
        {5000, 10, 1000, " 63.69427", "F= 5000 Newtons", "R= 5E+07 Newtons", {"5000 Newtons", "10 mm", "1000 mm"}},
        {5000, 200, 200, " .1592357", "F= 5000 Newtons", "R= 5000 Newtons", {"5000 Newtons", "200 mm", "200 mm"}},
    };
    for (const auto& c : cases) {
        set("HSBForçaAplicada", c.F);
        set("HSBDiàmetreÈmbol1", c.D1);
        set("HSBDiàmetreÈmbol2", c.D2);
        EXPECT_EQ(caption("lblUnitatsForça"), c.units[0]);
        EXPECT_EQ(caption("lblUnitatsDiàmetre1"), c.units[1]);
        EXPECT_EQ(caption("lblUnitatsDiàmetre2"), c.units[2]);
        click(*form, "cmdCalcular");
        EXPECT_EQ(caption("lblPressioResultant"), c.pressure);
        EXPECT_EQ(caption("lblPes1"), c.pes1);
        EXPECT_EQ(caption("lblPes2"), c.pes2);
        EXPECT_EQ(form->lastAnnouncement(),
                  QString("Pressió: %1 MPascals. %2.").arg(QString(c.pressure).trimmed(), c.pes2));
        EXPECT_EQ(QAccessible::queryAccessibleInterface(find(*form, "HSBForçaAplicada"))->text(QAccessible::Name),
                  QString("Força aplicada: %1 newtons").arg(c.F));
        expectLabelsReadable(*form);
    }
    set("HSBForçaAplicada", 20);  // the results stay until the next calculation
    EXPECT_EQ(caption("lblPes1"), "F= 5000 Newtons");
    EXPECT_TRUE(calls.empty()) << "the calculation draws nothing";
}

TEST_F(Pascal, EsborrarBringsThePressToRest)
{
    set("HSBForçaAplicada", 300);
    set("HSBDiàmetreÈmbol2", 600);
    click(*form, "cmdCalcular");
    click(*form, "cmdEsborrar");
    EXPECT_EQ(form->lastAnnouncement(), "Dades esborrades.");
    EXPECT_EQ(caption("lblUnitatsForça"), "10 Newtons");
    EXPECT_EQ(caption("lblUnitatsDiàmetre2"), "200 mm");
    EXPECT_EQ(caption("lblPressioResultant"), "");
    EXPECT_EQ(caption("lblPes1"), "Força Aplicada");
    EXPECT_EQ(caption("lblPes2"), "Força Resultant");
    expectWeightsAt(2500, 3960);
    expectPistonsAtRest();
    EXPECT_TRUE(stopValveOpen());
    EXPECT_EQ(valve(), kValveAtRest);
    EXPECT_EQ(pixel(*form, 4800, 7080), kLiquid);  // the open valve is full
    click(*form, "cmdEsborrar");                   // a second reset changes nothing more
    EXPECT_TRUE(stopValveOpen());
    EXPECT_EQ(valve(), kValveAtRest);
}

TEST_F(Pascal, AStrokeOfThePress)
{
    click(*form, "cmdCalcular");
    click(*form, "cmdSimular");
    ASSERT_EQ(calls.size(), 8000u);
    const struct {
        size_t index;
        float x1, y, x2;
        rt::Color color;
    } first[] = {
        {0, 630, 3001, 2630, pascal::kPiston},    {1, 630, 2626, 2630, pascal::kBackground},
        {2, 6630, 4684, 11380, pascal::kPiston},  {3, 6630, 5059, 11380, pascal::kLiquid},
        {7996, 630, 5000, 2630, pascal::kPiston}, {7999, 6630, 3060, 11380, pascal::kLiquid},
    };
    for (const auto& f : first) {
        const auto& c = calls[f.index];
        EXPECT_EQ(c.x1, f.x1) << f.index;
        EXPECT_EQ(c.y1, f.y) << f.index;
        EXPECT_EQ(c.y2, f.y) << f.index;
        EXPECT_EQ(c.x2, f.x2) << f.index;
        EXPECT_EQ(c.color, f.color) << f.index;
        EXPECT_EQ(c.width, 1) << f.index;
    }
    expectWeightsAt(4125, 1960);
    EXPECT_EQ(caption("lblPes1"), "F= 10 Newtons");
    EXPECT_EQ(caption("lblPes2"), "R= 4000 Newtons");
    EXPECT_TRUE(stopValveClosed());
    EXPECT_EQ(valve(), kValveAtRest);
    expectPistonsAtRest();  // the shapes never move: the drawing shows the stroke

    // The drawn pistons and liquid, and the weights over them.
    const struct {
        float x, y;
        QColor color;
    } seen[] = {
        {700, 4700, kPiston},  {700, 4980, kPiston},  {700, 5100, kLiquid},  {700, 4000, Qt::white},
        {6700, 2800, kPiston}, {6700, 3040, kPiston}, {6700, 3200, kLiquid}, {6700, 2600, Qt::white},
        {1600, 4300, kWeight}, {9000, 2100, kWeight}, {9000, 4800, kLiquid},
    };
    for (const auto& s : seen) EXPECT_EQ(pixel(*form, s.x, s.y), s.color) << s.x << "," << s.y;

    // A second stroke without a reset ends on the same picture.
    calls.clear();
    click(*form, "cmdSimular");
    for (const auto& s : seen) EXPECT_EQ(pixel(*form, s.x, s.y), s.color) << "again " << s.x << "," << s.y;
    expectWeightsAt(4125, 1960);

    click(*form, "cmdEsborrar");
    expectWeightsAt(2500, 3960);
    EXPECT_EQ(pixel(*form, 700, 4700), kLiquid);  // the drawing is gone, the shapes show
    EXPECT_TRUE(stopValveOpen());
}

TEST_F(Pascal, TheValveOpensDuringTheStrokeAndTheStrokeIsPaced)
{
    std::vector<std::vector<float>> seen;
    auto& pacer = session().pacer();
    {
        PacedWithoutWaiting paced(session(), [&] { seen.push_back(valve()); });
        click(*form, "cmdSimular");
    }
    expectPace("stroke_s", pacer.elapsed(), 1.598, pacer.slowdown());
    ASSERT_GT(seen.size(), 60u);
    EXPECT_EQ(seen[seen.size() / 2], kValveOpen);
    EXPECT_EQ(valve(), kValveAtRest);
}

// F5, as the window system delivers it, steps the pace of every animation:
// the same stroke, twice or four times as long, in more frames of the same
// length, to the same final picture; each step said and shown, the caption
// kept.
TEST_F(Pascal, TheTeachersSlowMotionStepsThePaceOfTheStroke)
{
    // (The pacing tests may run slowed down as a whole.)
    auto& pacer = session().pacer();
    pacer.setSlowdown(1);
    activate(*form);
    const QString caption = form->windowTitle();
    const auto stroke = [&](QImage& picture) {
        int frames = 0;
        {
            PacedWithoutWaiting paced(session(), [&] { ++frames; });
            click(*form, "cmdSimular");
        }
        picture = form->client().grab().toImage();
        return frames;
    };
    QImage atNormalPace;
    const int normalFrames = stroke(atNormalPace);
    const struct {
        const char* sentence;
        int slowdown;
    } steps[] = {{"Animacions a la meitat de la velocitat", 2},
                 {"Animacions a un quart de la velocitat", 4},
                 {"Animacions a velocitat normal", 1}};
    unsigned long time = 5'000'000;
    for (const auto& s : steps) {
        sendKey(QEvent::KeyPress, Qt::Key_F5, Qt::NoModifier, time += 1000);
        sendKey(QEvent::KeyRelease, Qt::Key_F5, Qt::NoModifier, time += 50);
        EXPECT_EQ(pacer.slowdown(), s.slowdown);
        EXPECT_EQ(form->lastAnnouncement(), QString::fromUtf8(s.sentence) + u'.');
        const QLabel& notice = form->notice().label();
        EXPECT_TRUE(notice.isVisible()) << s.sentence;
        EXPECT_EQ(notice.text(), QString::fromUtf8(s.sentence));
        // Heard once, as the announcement: the notice is not in the tree.
        auto* shown = QAccessible::queryAccessibleInterface(const_cast<QLabel*>(&notice));
        EXPECT_EQ(QAccessible::queryAccessibleInterface(&form->client())->indexOfChild(shown), -1);
        EXPECT_EQ(form->windowTitle(), caption);
        click(*form, "cmdEsborrar");
        QImage picture;
        const int frames = stroke(picture);
        expectPace("stroke_s", pacer.elapsed(), 1.598, pacer.slowdown());  // times the slowdown
        const double seconds = std::chrono::duration<double>(pacer.elapsed()).count();
        EXPECT_GE(frames / seconds, 55.0) << s.sentence;
        EXPECT_NEAR(frames, normalFrames * s.slowdown, normalFrames * s.slowdown / 20) << s.sentence;
        // (The notice still shows: the clock never waited.)
        QImage normal = atNormalPace;
        for (QImage* image : {&picture, &normal}) QPainter(image).fillRect(notice.geometry(), Qt::black);
        EXPECT_EQ(picture, normal) << s.sentence;
    }
    // The notice goes by itself.
    const QLabel& notice = form->notice().label();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !notice.isVisible(); }, 5000));
}

TEST_F(Pascal, ClicksOnThePressResetItClicksOnLabelsDoNot)
{
    click(*form, "cmdSimular");
    clickAt(*form, 8800, 1200);  // lblPressió: nothing
    clickAt(*form, 3600, 4300);  // lblTítolEquacions
    clickAt(*form, 4000, 5500);  // the equations picture
    EXPECT_EQ(top("shpPes1"), 4125);
    const struct {
        float x, y;
        const char* what;
    } resets[] = {{9000, 6500, "liquid"}, {5000, 900, "empty form"}, {5000, 7920, "spring"}, {600, 5000, "wall"}};
    for (const auto& r : resets) {
        click(*form, "cmdSimular");
        calls.clear();
        clickAt(*form, r.x, r.y);
        EXPECT_EQ(top("shpPes1"), 2500) << r.what;
        EXPECT_TRUE(stopValveOpen()) << r.what;
        ASSERT_EQ(calls.size(), 4u) << r.what;
        EXPECT_EQ(calls[0].kind, rt::DrawCall::Kind::FilledBox);
        EXPECT_EQ(calls[0].color, pascal::kLiquid);
        EXPECT_EQ(calls[3].color, pascal::kPiston);
        EXPECT_EQ(calls[3].y1, 4685);
        EXPECT_EQ(calls[3].y2, 5060);
    }
    EXPECT_EQ(pixel(*form, 700, 3200), kPiston);
    EXPECT_EQ(pixel(*form, 1600, 2600), kWeight);
}
