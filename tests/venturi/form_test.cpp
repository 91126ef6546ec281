#include <gtest/gtest.h>
#include <QAccessible>
#include <QApplication>
#include <QScreen>
#include <iostream>

#include "runtime/numbers.h"
#include "simulator.h"
#include "venturi/form.h"

using namespace test;

namespace {

const QColor kBlue(0, 0, 255), kRed(255, 0, 0), kGreen(0, 192, 0);

struct Venturi : SimulatorTest<venturi::Instance> {
    void calculate(int q)
    {
        set("hsbCabal", q);
        click(*form, "cmdCalcular");
    }
    float top(const char* name) { return control<rt::Control>(name).Top(); }
    std::vector<float> marks()
    {
        std::vector<float> ys;
        for (const auto& c : calls)
            if (c.x1 == 3000 && c.color == rt::RGB(0, 0, 0)) ys.push_back(c.y1);
        return ys;
    }
};

}  // namespace

TEST_F(Venturi, DesignTimeLayout)
{
    EXPECT_EQ(form->windowTitle(), "Efecte Venturi");
    if (onWayland())
        std::cout << "Where the window system places windows, the form's place is its, not checked.\n";
    else
        EXPECT_EQ(form->geometry().topLeft(), QPoint(145, 113));  // 2175 and 1695 twips
    expectPlacements(*form, {
                                {"cmdSortir", 10320, 1200, 1095, 495, "&Sortir"},
                                {"cmdEsborrar", 8760, 1200, 1215, 495, "&Esborrar"},
                                {"cmdSimular", 7200, 1200, 1215, 495, "S&imulació"},
                                {"cmdCalcular", 5640, 1200, 1215, 495, "&Calcular"},
                                {"hsbCabal", 240, 1440, 4455, 255, nullptr},
                                {"lblDiferènciaDePressions", 9840, 3480, 855, 255, ""},
                                {"lblVelocitat2", 9840, 3120, 855, 255, ""},
                                {"lblVelocitat1", 9840, 2760, 855, 255, ""},
                                {"lblResultatCabal", 9840, 2400, 855, 255, ""},
                                {"lblSimbolDiametre1", 1200, 3360, 495, 375, "f1"},
                                {"lblResultatEscala", 2400, 6600, 855, 255, "0 mm"},
                                {"lblTítolEquacions", 6600, 4560, 3615, 375, "EQUACIONS EMPRADES"},
                                {"Image1", 6600, 4920, 4515, 3525, nullptr},
                                {"lblCanonada2", 3360, 2760, 1215, 255, "Canonada 2"},
                                {"lblCanonada1", 720, 2520, 1215, 255, "Canonada 1"},
                                {"shpTap2", 4450, 6520, 110, 200, nullptr},
                                {"lblCabalMàx", 1800, 1800, 1335, 255, "Cabal = 0 l/min"},
                                {"shpTubVenturi3", 3610, 5530, 110, 985, nullptr},
                                {"shpTubVenturi2", 1200, 5530, 2415, 110, nullptr},
                                {"shpTubVenturi1", 1090, 3960, 110, 1695, nullptr},
                                {"shpTap1", 3610, 6520, 110, 200, nullptr},
                                {"shpNivell2", 4450, 6720, 110, 1100, nullptr},
                                {"shpNivell1", 3610, 6720, 110, 1100, nullptr},
                                {"lblValorsIntroduits", 240, 960, 2295, 255, "Introduïu el Valor del cabal"},
                                {"lblUnitatsDiferènciaDePressions", 10800, 3480, 495, 255, "mm"},
                                {"lblResultatDiferènciaDePressions", 7560, 3480, 2175, 255, "Diferència de pressions:"},
                                {"lblUnitatsVelocitat2", 10800, 3120, 735, 255, "m/seg"},
                                {"lblUnitatsVelocitat1", 10800, 2760, 735, 255, "m/seg"},
                                {"lblResultatVelocitat2", 6840, 3120, 2895, 255, "Velocitat fluid en la canonada 2:"},
                                {"lblResultatVelocitat1", 6840, 2760, 3015, 255, "Velocitat fluid en la canonada 1:"},
                                {"lblUnitatsCabal", 10800, 2400, 855, 255, "litres/min"},
                                {"lblCabal", 7800, 2400, 1815, 255, "El valor del cabal és:"},
                                {"lblExplicacióDelVenturi", 3600, 240, 7815, 735,
                                 "El tub Venturi és un aparell que permet el càlcul de la velocitat del fluid que "
                                 "circula en l'interior d'una "
                                 "canonada i la diferència de pressió que és crean en les dues seccions. En aquest "
                                 "simulador, considerarem uns "
                                 "diàmetres de les canonades de 200 i 50 mm. El líquid que circularà serà aigua i en "
                                 "el manòmetre també hi haurà "
                                 "aigua."},
                                {"lblTítolVenturi", 360, 360, 2055, 375, "TUB VENTURI"},
                                {"Shape2", 3600, 7320, 975, 495, nullptr},
                                {"Shape1", 3720, 7560, 735, 495, nullptr},
                                {"shpCorba", 3600, 7440, 975, 735, nullptr},
                                {"shpTubVenturi4", 4450, 3720, 110, 2800, nullptr},
                                {"lblSimbolDiametre2", 3480, 3360, 495, 255, "f2"},
                            });
    expectLines(*form, {
                           {"Line1", 240, 3000, 2520, 3000, 2},       {"Line2", 1200, 3960, 2520, 3960, 2},
                           {"Line3", 3120, 3240, 4800, 3240, 2},      {"Line4", 3120, 3720, 4440, 3720, 2},
                           {"Line5", 2520, 3000, 3120, 3240, 2},      {"Line6", 2520, 3960, 3120, 3720, 2},
                           {"Line7", 4560, 3720, 4800, 3720, 2},      {"Line8", 4800, 3240, 5400, 2760, 2},
                           {"Line9", 4800, 3720, 5400, 4200, 2},      {"Line10", 5400, 2760, 6600, 2760, 2},
                           {"Line11", 5400, 4200, 6600, 4200, 2},     {"Line12", 4440, 3720, 4440, 7800, 1},
                           {"Line13", 4560, 3720, 4560, 7800, 1},     {"Line14", 3600, 7800, 3600, 5640, 1},
                           {"Line15", 3720, 7800, 3720, 5520, 1},     {"Line16", 3600, 5640, 1080, 5640, 1},
                           {"Line17", 1080, 5640, 1080, 3960, 1},     {"Line18", 1200, 3960, 1200, 5520, 1},
                           {"Line19", 3720, 5520, 1200, 5520, 1},     {"Line20", 1080, 3960, 240, 3960, 2},
                           {"LineEscala", 4080, 5640, 4080, 7800, 3}, {"LineNivell", 3960, 6720, 4200, 6720, 1},
                       });
    // φ on screen, "fi" for a screen reader (a Catalan voice turns Greek for
    // φ); the underlined prompt.
    EXPECT_EQ(control<rt::Label>("lblSimbolDiametre1").shownText(), QString::fromUtf8("φ1"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(find(*form, "lblSimbolDiametre2"))->text(QAccessible::Name),
              QString::fromUtf8("fi 2"));
    EXPECT_TRUE(find(*form, "lblValorsIntroduits")->font().underline());
    const rt::Color blue = rt::RGB(0, 0, 255), red = rt::RGB(255, 0, 0);
    expectLooks(*form, {
                           {"lblDiferènciaDePressions", blue, rt::sys::TitleBarText, 8.25f, false},
                           {"lblResultatCabal", blue, rt::sys::TitleBarText, 8.25f, false},
                           {"lblSimbolDiametre1", rt::RGB(0, 0, 0), rt::sys::TitleBarText, 12, false},
                           {"lblTítolEquacions", red, rt::sys::TitleBarText, 12, true},
                           {"lblCanonada2", rt::RGB(0, 0, 0), rt::sys::TitleBarText, 8.25f, true},
                           {"lblCabalMàx", rt::RGB(0, 0, 0), rt::sys::TitleBarText, 8.25f, false},
                           {"lblResultatVelocitat1", rt::RGB(0, 0, 0), rt::sys::TitleBarText, 8.25f, true},
                           {"lblUnitatsCabal", rt::RGB(0, 0, 0), rt::sys::TitleBarText, 8.25f, false},
                           {"lblExplicacióDelVenturi", rt::RGB(0, 0, 0), rt::sys::TitleBarText, 8.25f, false},
                           {"lblTítolVenturi", red, rt::sys::TitleBarText, 13.5f, false},
                       });
    // The manometer as designed: water, green tops, red liquid and bend.
    EXPECT_EQ(pixel(*form, 1140, 4500), kBlue);
    EXPECT_EQ(pixel(*form, 3660, 6600), kGreen);
    // Down the left branch of the manometer, the tube meets the liquid: no
    // row of white between them.
    for (float y = 5700; y < 6700; y += 15) EXPECT_NE(pixel(*form, 3665, y), Qt::white) << y;
    EXPECT_EQ(pixel(*form, 4500, 7000), kRed);
    EXPECT_EQ(pixel(*form, 4080, 8100), kRed);       // the bottom of the U-bend
    EXPECT_EQ(pixel(*form, 3900, 7700), Qt::white);  // its hidden inside
    EXPECT_EQ(pixel(*form, 4080, 7700), Qt::black);  // the scale bar
    activate(*form);
    EXPECT_EQ(QApplication::focusWidget(), find(*form, "hsbCabal"));
}

TEST_F(Venturi, CalculationDrawsTheScaleAndWritesTheResults)
{
    EXPECT_EQ(spoken("lblResultatCabal"), "El valor del cabal: sense calcular");
    EXPECT_EQ(spoken("lblResultatEscala"), "Escala del manòmetre: 0 mil·límetres");
    calculate(250);
    EXPECT_EQ(spoken("lblResultatCabal"), "El valor del cabal és 250 litres per minut");
    EXPECT_EQ(caption("lblCabalMàx"), "Cabal = 250 l/min");
    EXPECT_EQ(caption("lblResultatCabal"), " 250");
    EXPECT_EQ(caption("lblVelocitat1"), " .133");
    EXPECT_EQ(caption("lblVelocitat2"), " 2.122");
    EXPECT_EQ(caption("lblDiferènciaDePressions"), " 228");
    EXPECT_EQ(values().DiferènciaDePressions, 228);
    EXPECT_EQ(form->lastAnnouncement(),
              "El valor del cabal és 250 litres/min. Velocitat fluid en la canonada 1: .133 m/seg. Velocitat fluid en "
              "la canonada 2: 2.122 m/seg. Diferència de pressions: 228 mm.");
    ASSERT_EQ(calls.size(), 13u);
    std::vector<float> ticks;
    for (const auto& c : calls) {
        EXPECT_EQ(c.x1, 3960);
        EXPECT_EQ(c.x2, 4200);
        EXPECT_EQ(c.color, rt::RGB(0, 0, 0));
        ticks.push_back(c.y1);
    }
    EXPECT_EQ(ticks,
              (std::vector<float>{6720, 5720, 5920, 6120, 6320, 6520, 6720, 6720, 6920, 7120, 7320, 7520, 7720}));
    set("hsbCabal", 40);  // moving the bar afterwards changes only its label
    EXPECT_EQ(caption("lblCabalMàx"), "Cabal = 40 l/min");
    EXPECT_EQ(caption("lblVelocitat1"), " .133");
    expectLabelsReadable(*form);
}

TEST_F(Venturi, SimulationAt500LitresAMinute)
{
    calculate(500);
    calls.clear();
    click(*form, "cmdSimular");
    EXPECT_EQ(top("shpTap1"), 7435);
    EXPECT_EQ(top("shpTap2"), 5605);
    EXPECT_EQ(marks(), (std::vector<float>{7635, 5805}));
    EXPECT_EQ(caption("lblResultatEscala"), " 915 mm");
    EXPECT_EQ(spoken("lblResultatEscala"), "Escala del manòmetre: 915 mil·límetres");
    EXPECT_EQ(form->lastAnnouncement(), "El manòmetre marca una diferència de pressions de 915 mm de columna d'aigua.");
    EXPECT_FALSE(control<rt::Button>("cmdCalcular").Enabled());
    EXPECT_TRUE(control<rt::Button>("cmdSimular").Enabled());
    // The water fills every section up to its walls, the cones included.
    const struct {
        float x, y;
    } water[] = {{300, 3060},  {1500, 3900}, {2800, 3200}, {2800, 3780}, {4000, 3300},
                 {5100, 3000}, {5100, 3960}, {6500, 2820}, {6500, 4140}, {3660, 7400}};
    for (const auto& w : water) EXPECT_EQ(pixel(*form, w.x, w.y), kBlue) << w.x << "," << w.y;
    EXPECT_EQ(pixel(*form, 1500, 2900), Qt::white);  // above pipe 1
    EXPECT_EQ(pixel(*form, 4500, 6000), kRed);       // the right arm's liquid has risen
    EXPECT_EQ(pixel(*form, 3660, 7500), kGreen);     // the left block pushed down
    // The same again: the same final picture and state.
    click(*form, "cmdSimular");
    EXPECT_EQ(top("shpTap1"), 7435);
    EXPECT_EQ(caption("lblResultatEscala"), " 915 mm");
    EXPECT_EQ(pixel(*form, 4500, 6000), kRed);
}

TEST_F(Venturi, SimulationWithoutACalculation)
{
    click(*form, "cmdSimular");
    EXPECT_EQ(top("shpTap1"), 6520);
    EXPECT_EQ(top("shpTap2"), 6520);
    EXPECT_EQ(marks(), (std::vector<float>{6720, 6720}));
    EXPECT_EQ(caption("lblResultatEscala"), " 0 mm");
    long arms = 0;
    for (const auto& c : calls)
        if (c.y1 == c.y2 && (c.x1 == 3660 || c.x1 == 4500)) ++arms;
    EXPECT_EQ(arms, 2 * 24);  // each arm's loop runs once: 12 dots a side
}

TEST_F(Venturi, EsborrarAfterASimulationAndTheDifferenceOutlivesTheForm)
{
    calculate(100);
    click(*form, "cmdSimular");
    click(*form, "cmdEsborrar");
    for (const char* label :
         {"lblResultatCabal", "lblVelocitat1", "lblVelocitat2", "lblDiferènciaDePressions", "lblResultatEscala"})
        EXPECT_EQ(caption(label), "") << label;
    EXPECT_EQ(caption("lblCabalMàx"), "Cabal = 0 l/min");
    EXPECT_TRUE(control<rt::Button>("cmdCalcular").Enabled());
    EXPECT_EQ(top("shpTap1"), 6520);
    EXPECT_EQ(top("shpTap2"), 6520);
    EXPECT_EQ(pixel(*form, 1500, 3480), Qt::white);  // the water is gone
    EXPECT_EQ(values().DiferènciaDePressions, 36);
    click(*form, "cmdSortir");
    settle();
    open();
    calls.clear();
    click(*form, "cmdSimular");  // the last calculation's difference, still
    EXPECT_EQ(caption("lblResultatEscala"), " 36 mm");
    EXPECT_EQ(top("shpTap1"), 6556);
}

TEST_F(Venturi, TheFillingIsPacedToAFewSeconds)
{
    auto& pacer = session().pacer();
    const struct {
        int flow;
        const char* name;
        double seconds;
    } fillings[] = {{0, "filling_0_s", 4.806}, {500, "filling_500_s", 4.878}};
    for (const auto& f : fillings) {
        calculate(f.flow);
        click(*form, "cmdSimular");
        expectPace(f.name, pacer.elapsed(), f.seconds, pacer.slowdown());
        click(*form, "cmdEsborrar");
    }
}
