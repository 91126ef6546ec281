#include <gtest/gtest.h>

#include <QApplication>
#include <algorithm>
#include <map>

#include "continuity/calculation.h"
#include "continuity/form.h"
#include "simulator.h"

using namespace test;

namespace {

struct Continuity : SimulatorTest<continuity::Instance> {
    void calculate(int cabal, int d1, int d2, int d3)
    {
        set("hsbCabal", cabal);
        set("HSBDiàmetre1", d1);
        set("HSBDiàmetre2", d2);
        set("HSBDiàmetre3", d3);
        click(*form, "cmdCalcular");
    }
    bool visible(const char* name) { return control<rt::Control>(name).Visible(); }
    // The fill's dots for three diameters: for each column (x in drawing
    // units) how many dots, and how far below the centre line they reach.
    struct Column {
        int dots = 0;
        float reach = -1e9f, lowest = 1e9f;
    };
    std::map<float, Column> fillOf(int d1, int d2, int d3)
    {
        calculate(1, d1, d2, d3);
        calls.clear();
        click(*form, "cmdSimular");
        std::map<float, Column> columns;
        for (const auto& c : calls) {
            Column& column = columns[c.x1];
            ++column.dots;
            column.reach = std::max(column.reach, c.y1 - 6480);
            column.lowest = std::min(column.lowest, c.y1);
        }
        return columns;
    }
    bool simulationEnabled() { return control<rt::Button>("cmdSimular").Enabled(); }
    QString speeds()
    {
        return caption("lblResultatVelocitat1") + "|" + caption("lblResultatVelocitat2") + "|" +
               caption("lblResultatVelocitat3");
    }
};

const char* kSummary =
    "En el cas de fluids incompressibles i amb flux laminar i estacionari, el cabal volumètric que passa per cada tram "
    "de la canonada és constant.                   Les velocitats del líquid són inversamet proporcionals a la secció "
    "de cada tram. En aquesta simulació, el diàmetre màxim de càlcul és de 200 mm. per tal de poder-ho veure bé en la "
    "pantalla.";

}  // namespace

TEST_F(Continuity, DesignTimeLayout)
{
    EXPECT_EQ(form->windowTitle(), "Equació de continuïtat");
    EXPECT_EQ(QString::fromUtf8(kSummary).size(), 349);
    expectPlacements(*form,
                     {
                         {"lblEqContinuïtat", 480, 360, 4095, 375, "EQUACIÓ DE CONTINUÏTAT"},
                         {"lblResum", 4800, 240, 5655, 1095, kSummary},
                         {"lblDiàmetre1", 120, 960, 975, 255, "Diàmetre 1:"},
                         {"HSBDiàmetre1", 1200, 960, 2175, 255, nullptr},
                         {"lblUnitats1", 3480, 960, 855, 255, "0 mm"},
                         {"lblDiàmetre2", 120, 1320, 975, 255, "Diàmetre 2:"},
                         {"HSBDiàmetre2", 1200, 1320, 2175, 255, nullptr},
                         {"lblUnitats2", 3480, 1320, 855, 255, "0 mm"},
                         {"lblDiàmetre3", 120, 1680, 975, 255, "Diàmetre 3:"},
                         {"HSBDiàmetre3", 1200, 1680, 2175, 255, nullptr},
                         {"lblUnitats3", 3480, 1680, 855, 255, "0 mm"},
                         {"lblCabal", 240, 2040, 615, 255, "Cabal:"},
                         {"hsbCabal", 1200, 2040, 2175, 255, nullptr},
                         {"lblUnitat4", 3480, 2040, 855, 255, "0 l/min"},
                         {"cmdCalcular", 4680, 1920, 1215, 495, "&Calcular"},
                         {"cmdSimular", 6240, 1920, 1215, 495, "S&imulació"},
                         {"cmdEsborrar", 7800, 1920, 1215, 495, "&Esborrar"},
                         {"cmdSortir", 9360, 1920, 1215, 495, "&Sortir"},
                         {"lblEquacionsEmprades", 4920, 2640, 4575, 375, "EQUACIONS EMPRADES"},
                         {"lblResultats", 480, 2760, 2775, 495, "Resultats de les velocitats del fluid en cada tram"},
                         {"lblAvis", 3840, 2880, 7215, 615, ""},
                         {"imgContEquacions", 3840, 3000, 6840, 675, nullptr},
                         {"lblVelocitat1", 720, 3360, 975, 255, "Velocitat 1:"},
                         {"lblResultatVelocitat1", 1800, 3360, 1455, 255, ""},
                         {"Velocitat2", 720, 3720, 975, 255, "Velocitat 2:"},
                         {"lblResultatVelocitat2", 1800, 3720, 1455, 255, ""},
                         {"Velocitat3", 720, 4080, 975, 255, "Velocitat 3:"},
                         {"lblResultatVelocitat3", 1800, 4080, 1455, 255, ""},
                         {"lblTítolContinuïtat", 5160, 3840, 4815, 495, "Canonada  amb tres seccions diferents"},
                         {"imgIniciCanonada", 1080, 4800, 8715, 3090, nullptr},
                     });
    EXPECT_FALSE(simulationEnabled());
    const rt::Color back = rt::RGB(192, 255, 255), red = rt::RGB(255, 0, 0);
    expectLooks(*form, {
                           {"lblEqContinuïtat", red, back, 13.5f, false},
                           {"lblResum", rt::RGB(0, 0, 0), rt::RGB(224, 224, 224), 8.25f, false},
                           {"lblDiàmetre1", rt::RGB(0, 0, 0), back, 8.25f, false},
                           {"lblUnitats3", rt::RGB(0, 0, 0), back, 8.25f, false},
                           {"lblUnitat4", rt::RGB(0, 0, 0), back, 8.25f, false},
                           {"lblEquacionsEmprades", red, back, 12, true},
                           {"lblResultats", rt::sys::Highlight, back, 9.75f, true},
                           {"lblAvis", rt::RGB(0, 128, 0), back, 13.5f, false},
                           {"Velocitat2", rt::RGB(0, 0, 0), back, 8.25f, false},
                           {"lblResultatVelocitat1", red, back, 8.25f, false},
                           {"lblResultatVelocitat3", red, back, 8.25f, false},
                           {"lblTítolContinuïtat", red, back, 12, true},
                       });
    EXPECT_EQ(pixel(*form, 300, 600), QColor(192, 255, 255));
    EXPECT_EQ(pixel(*form, 1080 + 300 * 15, 4800 + 100 * 15), QColor(66, 66, 255));  // the pipe picture
    activate(*form);
    EXPECT_EQ(QApplication::focusWidget(), find(*form, "HSBDiàmetre1"));
    for (const char* next : {"HSBDiàmetre2", "HSBDiàmetre3", "hsbCabal", "cmdCalcular", "cmdEsborrar", "cmdSortir"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), find(*form, next)) << next;
    }
}

TEST_F(Continuity, UnitLabelsFollowTheirBars)
{
    set("HSBDiàmetre1", 150);
    set("HSBDiàmetre3", 200);
    set("hsbCabal", 75);
    EXPECT_EQ(caption("lblUnitats1"), "150 mm");
    EXPECT_EQ(caption("lblUnitats2"), "0 mm");
    EXPECT_EQ(caption("lblUnitats3"), "200 mm");
    EXPECT_EQ(caption("lblUnitat4"), "75 l/min");
}

TEST_F(Continuity, SpeedsAndTheProfile)
{
    calculate(50, 20, 40, 200);
    EXPECT_EQ(speeds(), " 2.652 m/s| .663 m/s| .026 m/s");
    EXPECT_EQ(form->lastAnnouncement(), "Velocitat 1: 2.652 m/s. Velocitat 2: .663 m/s. Velocitat 3: .026 m/s.");
    EXPECT_EQ(form->drawingDescription(), "Perfil de la canonada; diàmetres dels trams: 20, 40 i 200 mm");
    EXPECT_FALSE(visible("imgIniciCanonada"));
    EXPECT_TRUE(visible("imgContEquacions"));
    EXPECT_TRUE(simulationEnabled());
    ASSERT_EQ(calls.size(), 10u);
    const struct {
        float x1, y1, x2, y2;
    } lines[] = {
        {370, 6680, 800, 6680},   {370, 6280, 800, 6280},   {800, 6680, 890, 6880},   {800, 6280, 890, 6080},
        {890, 6880, 1420, 6880},  {890, 6080, 1420, 6080},  {1420, 6880, 1570, 8480}, {1420, 6080, 1570, 4480},
        {1570, 8480, 2550, 8480}, {1570, 4480, 2550, 4480},
    };
    for (size_t i = 0; i < 10; ++i) {
        EXPECT_EQ(calls[i].x1, lines[i].x1) << i;
        EXPECT_EQ(calls[i].y1, lines[i].y1) << i;
        EXPECT_EQ(calls[i].x2, lines[i].x2) << i;
        EXPECT_EQ(calls[i].y2, lines[i].y2) << i;
        EXPECT_EQ(calls[i].width, 2) << i;
        EXPECT_EQ(calls[i].color, rt::RGB(0, 0, 0)) << i;
    }
    // On screen: the widest section ends at 9945 twips, its 2-pixel walls at 4480 and 8480.
    EXPECT_EQ(pixel(*form, 8000, 4480), Qt::black);
    EXPECT_EQ(pixel(*form, 8000, 8480), Qt::black);
    EXPECT_EQ(pixel(*form, 8000, 6480), QColor(192, 255, 255));
    EXPECT_EQ(pixel(*form, 9945 + 45, 4480), QColor(192, 255, 255));

    calls.clear();
    click(*form, "cmdCalcular");  // the same screen again: erased and drawn anew
    EXPECT_EQ(calls.size(), 10u);
    EXPECT_EQ(pixel(*form, 8000, 4480), Qt::black);
    expectLabelsReadable(*form);
}

TEST_F(Continuity, AnInputAtZeroWarnsAndDiscardsTheOthers)
{
    for (int zero = 0; zero < 4; ++zero) {
        click(*form, "cmdEsborrar");
        calls.clear();
        int in[] = {50, 20, 30, 40};
        in[zero] = 0;
        calculate(in[0], in[1], in[2], in[3]);
        EXPECT_EQ(caption("lblAvis"), QString::fromUtf8(continuity::kWarning)) << zero;
        EXPECT_TRUE(form->lastAnnouncement().startsWith("Cal donar valors")) << zero;
        EXPECT_FALSE(visible("lblEquacionsEmprades"));
        EXPECT_FALSE(visible("imgContEquacions"));
        EXPECT_EQ(speeds(), " 0 m/s| 0 m/s| 0 m/s");
        EXPECT_TRUE(simulationEnabled());
        ASSERT_EQ(calls.size(), 10u);
        for (const auto& c : calls) EXPECT_TRUE(c.y1 == 6470 || c.y1 == 6490) << "a flat pipe 20 twips high";
        calls.clear();
        click(*form, "cmdSimular");
        EXPECT_TRUE(calls.empty()) << "nothing to fill";
        // Not the diameters of 1 mm the form keeps meanwhile, which the pupil never set.
        EXPECT_EQ(form->lastAnnouncement(), "Falten dades: no hi ha fluid per dibuixar.");
        EXPECT_EQ(form->drawingDescription(), "Perfil de la canonada; falten dades");
    }
    // A valid calculation clears the warning but leaves the equations hidden.
    calculate(50, 20, 20, 20);
    EXPECT_EQ(caption("lblAvis"), "");
    EXPECT_FALSE(visible("imgContEquacions"));
    click(*form, "cmdEsborrar");
    EXPECT_TRUE(visible("imgContEquacions"));
    EXPECT_TRUE(visible("lblEquacionsEmprades"));
}

TEST_F(Continuity, EsborrarPutsTheFormBack)
{
    calculate(60, 15, 15, 15);
    EXPECT_EQ(speeds(), " 5.659 m/s| 5.659 m/s| 5.659 m/s");
    click(*form, "cmdSimular");
    click(*form, "cmdEsborrar");
    EXPECT_EQ(speeds(), " | | ");
    for (const char* label : {"lblUnitats1", "lblUnitats2", "lblUnitats3"}) EXPECT_EQ(caption(label), "0 mm");
    EXPECT_EQ(caption("lblUnitat4"), "0 l/min");
    EXPECT_FALSE(simulationEnabled());
    EXPECT_TRUE(visible("imgIniciCanonada"));
    EXPECT_EQ(values().Diametre2, 1);
    EXPECT_EQ(values().Cabal, 0);
    EXPECT_EQ(pixel(*form, 8000, 6480), QColor(66, 66, 255));  // the picture again, nothing drawn
    click(*form, "cmdEsborrar");                               // all at 0 already: the same
    EXPECT_EQ(caption("lblUnitats1"), "0 mm");
}

TEST_F(Continuity, TheFillsColumns)
{
    const struct {
        int d1, d2, d3;
        size_t dots;
    } cases[] = {
        {200, 200, 200, 174636},  // 441 columns of 198 dots a side
        {1, 1, 1, 0},
        {2, 2, 2, 0},
        {3, 3, 3, 441 * 2},
    };
    for (const auto& c : cases) {
        fillOf(c.d1, c.d2, c.d3);
        EXPECT_EQ(calls.size(), c.dots) << c.d1;
    }
    // The last column of each transition, widening from 1 mm to 200 mm.
    const auto widening = fillOf(1, 200, 200);
    EXPECT_EQ(widening.at(890).reach, 2091);  // -10 + 19 * 199 / 1.8, rounded
    EXPECT_EQ(widening.count(370), 0u);       // no dots in a section of 1 mm
    EXPECT_EQ(fillOf(200, 1, 200).at(1570).reach, 2041);
    const auto thin = fillOf(3, 3, 3);
    EXPECT_EQ(thin.size(), 437u);     // 441 sweeps' columns, four of them shared
    EXPECT_EQ(thin.at(800).dots, 4);  // drawn by both neighbouring sweeps
    EXPECT_EQ(thin.at(805).dots, 2);
    EXPECT_EQ(thin.at(805).lowest, 6479);
    EXPECT_EQ(thin.at(805).reach, 1);
}

TEST_F(Continuity, TheFillUsesTheLastCalculation)
{
    calculate(100, 200, 200, 200);
    EXPECT_EQ(speeds(), " .053 m/s| .053 m/s| .053 m/s");
    set("HSBDiàmetre1", 3);  // moved after "&Calcular": no effect
    calls.clear();
    click(*form, "cmdSimular");
    EXPECT_EQ(calls.size(), 174636u);
    for (const auto& c : calls) {
        ASSERT_EQ(c.x1, c.x2);
        ASSERT_EQ(c.y1, c.y2);
        ASSERT_EQ(c.color, rt::RGB(0, 0, 255));
    }
    EXPECT_EQ(calls.front().x1, 370);
    EXPECT_EQ(calls.front().y1, 6481);
    EXPECT_EQ(calls[1].y1, 6479);
    EXPECT_EQ(calls.back().x1, 2550);
    EXPECT_EQ(pixel(*form, 5000, 5000), QColor(0, 0, 255));
    EXPECT_EQ(pixel(*form, 5000, 4460), QColor(192, 255, 255));  // outside the wall
}

TEST_F(Continuity, TheWidestFillIsPacedToAFewSeconds)
{
    auto& pacer = session().pacer();
    const auto seconds = [&] { return std::chrono::duration<double>(pacer.elapsed()).count(); };
    calculate(100, 200, 200, 200);
    click(*form, "cmdSimular");
    expectPace("widest_fill_s", pacer.elapsed(), 1.589, pacer.slowdown());
    const int pipes[][3] = {{1, 200, 200}, {200, 1, 200}, {200, 200, 1}, {100, 150, 200}};
    for (const auto& p : pipes) {
        calculate(100, p[0], p[1], p[2]);
        click(*form, "cmdSimular");
        EXPECT_LE(seconds(), 3.0 * pacer.slowdown()) << p[0] << " " << p[1] << " " << p[2];
    }
}
