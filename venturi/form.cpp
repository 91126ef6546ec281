#include "form.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "calculation.h"
#include "runtime/numbers.h"
#include "runtime/runtime.h"

namespace venturi {

using namespace rt;

namespace {

constexpr MeasureColumn kMeasures[] = {
    {"Cabal (l/min)", "Cabal, en litres per minut"},
    {"Velocitat a la canonada 1 (m/s)", "Velocitat a la canonada 1, en metres per segon"},
    {"Velocitat a la canonada 2 (m/s)", "Velocitat a la canonada 2, en metres per segon"},
    {"Diferència de pressions (mm d'aigua)", "Diferència de pressions, en mil·límetres de columna d'aigua"},
};
constexpr MeasureLaw kLaw{
    .title = "Diferència de pressions en funció del cabal",
    .xAxis = "Q (l/min)",
    .xHeard = "cabal, en litres per minut",
    .yAxis = "p1 − p2 (mm d'aigua)",
    .yHeard = "diferència de pressions, en mil·límetres de columna d'aigua",
    .curve = "la diferència de pressions creix amb el quadrat del cabal",
    .points =
        [](const std::vector<double>& r) {
            return std::vector<QPointF>{{r[0], r[3]}};
        },
    // As the calculation reckons it, before it drops the fraction.
    .at =
        [](double q, const std::vector<double>&) {
            const double v1 = q / (60000 * A1);
            return (A1 * A1 - A2 * A2) / (A2 * A2) * 500 * v1 * v1 / 9.8;
        },
    .same = {},
};

}  // namespace

frmVenturi::frmVenturi(rt::Session& session, Values& values)
    : Form(session,
           {.name = "frmVenturi",
            .caption = "Efecte Venturi",
            .description = "Un tub de Venturi amb un manòmetre d'aigua: per al cabal que trieu es calculen les "
                           "velocitats a les dues canonades i la diferència de pressions.",
            .help = "venturi",
            .left = 2175,
            .top = 1695,
            .measures = kMeasures,
            .law = &kLaw}),
      values_(values)
{
    hsbCabal.onChange([this] { hsbCabal_Change(); });
    cmdCalcular.onClick([this] { cmdCalcular_Click(); });
    cmdSimular.onClick([this] { cmdSimular_Click(); });
    cmdEsborrar.onClick([this] { cmdEsborrar_Click(); });
    cmdSortir.onClick([this] { BackToStartupForm(); });
}

void frmVenturi::hsbCabal_Change()
{
    lblCabalMàx.setCaption("Cabal = " + integerText(hsbCabal.Value()) + " l/min");
}

void frmVenturi::cmdCalcular_Click()
{
    // The manometer's scale: eleven ticks 200 twips apart, the zero at 6720.
    Line(3960, 6720, 4200, 6720);
    for (int y = 5720; y <= 6720; y += 200) Line(3960, static_cast<float>(y), 4200, static_cast<float>(y));
    for (int y = 6720; y <= 7720; y += 200) Line(3960, static_cast<float>(y), 4200, static_cast<float>(y));
    const Results r = calculate(hsbCabal.Value());
    lblResultatCabal.setCaption(shortNumber(r.cabal));
    values_.DiferènciaDePressions = r.difference;
    lblVelocitat1.setCaption(shortNumber(r.speed1));
    lblVelocitat2.setCaption(shortNumber(r.speed2));
    lblDiferènciaDePressions.setCaption(shortNumber(r.difference));
    record({shortNumber(r.cabal), shortNumber(r.speed1), shortNumber(r.speed2), shortNumber(r.difference)});
    describeDrawing(QStringLiteral("Escala del manòmetre"));
}

// The filling's pace: under 5 s (236,000 short segments, 4.2 million pixels).
constexpr rt::Pace kFilling = rt::Pacer::kDefaultPace.times(1);

void frmVenturi::cmdSimular_Click()
{
    const AnimationPace pace(pacer(), kFilling);
    const float delta = values_.DiferènciaDePressions;
    Omplir(delta);
    lblResultatEscala.setCaption(shortNumber(delta) + " mm");
    cmdCalcular.setEnabled(false);
    const QString gap = QString::fromStdString(sentenceNumber(delta));
    // Each arm moves by delta: the value is the pressure difference, in
    // millimetres of water column, not the distance between the levels.
    const QString reading =
        QStringLiteral("el manòmetre marca una diferència de pressions de %1 mm de columna d'aigua").arg(gap);
    describeDrawing(QStringLiteral("Tub ple d'aigua; ") + reading);
    announce(reading.at(0).toUpper() + reading.mid(1));
}

// The filling, drawn as its steps come: the water and the left arm in
// blue, the right arm in red, the level marks in the form's foreground
// colour.
void frmVenturi::Omplir(float delta)
{
    fillingSteps(
        delta,
        [&](int x1, int y1, int x2, int y2, Ink ink) {
            Line(static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(x2), static_cast<float>(y2),
                 ink == Ink::RightArm ? kRed : kBlue);
        },
        [&](int tap, float top) { (tap == 1 ? shpTap1 : shpTap2).setTop(top); },
        [&](float y, float right) { Line(3000, y, right, y); });
}

void frmVenturi::cmdEsborrar_Click()
{
    Netejar();
}

void frmVenturi::Netejar()
{
    Cls();
    hsbCabal.setValue(0);
    for (Label* result :
         {&lblResultatCabal, &lblVelocitat1, &lblVelocitat2, &lblDiferènciaDePressions, &lblResultatEscala})
        result->setCaption("");
    cmdCalcular.setEnabled(true);
    shpTap1.setTop(6520);
    shpTap2.setTop(6520);
}

}  // namespace venturi
