#include "form.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "calculation.h"
#include "runtime/numbers.h"
#include "runtime/runtime.h"

namespace pascal {

using namespace rt;

namespace {

constexpr MeasureColumn kMeasures[] = {
    {"Força aplicada (N)", "Força aplicada, en newtons"},
    {"Diàmetre de l'èmbol 1 (mm)", "Diàmetre de l'èmbol 1, en mil·límetres"},
    {"Diàmetre de l'èmbol 2 (mm)", "Diàmetre de l'èmbol 2, en mil·límetres"},
    {"Pressió (MPa)", "Pressió, en megapascals"},
    {"Força resultant (N)", "Força resultant, en newtons"},
};
constexpr int kSamePistons[] = {1, 2};
constexpr MeasureLaw kLaw{
    .title = "Força resultant en funció de la força aplicada",
    .xAxis = "F (N)",
    .xHeard = "força aplicada, en newtons",
    .yAxis = "R (N)",
    .yHeard = "força resultant, en newtons",
    .curve = "R és igual a F per D2 al quadrat dividit per D1 al quadrat",
    .points =
        [](const std::vector<double>& r) {
            return std::vector<QPointF>{{r[0], r[4]}};
        },
    .at = [](double f, const std::vector<double>& r) { return f * r[2] * r[2] / (r[1] * r[1]); },
    .same = kSamePistons,
    .kept = "amb els mateixos èmbols",
};

}  // namespace

frmPascal::frmPascal(rt::Session& session)
    : Form(session,
           {.name = "frmPascal",
            .caption = "Principi de Pascal",
            .description = "Una premsa hidràulica: la força aplicada a l'èmbol 1 produeix una pressió que es "
                           "transmet per tot el líquid i fa pujar l'èmbol 2 amb una força resultant més gran (igual "
                           "si els èmbols són iguals).",
            .help = "pascal",
            .font = {"Arial", 14.25f},
            .measures = kMeasures,
            .law = &kLaw})
{
    cmdCalcular.onClick([this] { cmdCalcular_Click(); });
    cmdSimular.onClick([this] { cmdSimular_Click(); });
    cmdEsborrar.onClick([this] { cmdEsborrar_Click(); });
    cmdSortir.onClick([this] { BackToStartupForm(); });
    onClick([this] { Form_Click(); });
    HSBForçaAplicada.onChange([this] { HSBForçaAplicada_Change(); });
    HSBDiàmetreÈmbol1.onChange([this] { HSBDiàmetreÈmbol1_Change(); });
    HSBDiàmetreÈmbol2.onChange([this] { HSBDiàmetreÈmbol2_Change(); });
}

void frmPascal::HSBForçaAplicada_Change()
{
    lblUnitatsForça.setCaption(integerText(HSBForçaAplicada.Value()) + " Newtons");
}

void frmPascal::HSBDiàmetreÈmbol1_Change()
{
    lblUnitatsDiàmetre1.setCaption(integerText(HSBDiàmetreÈmbol1.Value()) + " mm");
}

void frmPascal::HSBDiàmetreÈmbol2_Change()
{
    lblUnitatsDiàmetre2.setCaption(integerText(HSBDiàmetreÈmbol2.Value()) + " mm");
}

void frmPascal::cmdCalcular_Click()
{
    const auto F = static_cast<float>(HSBForçaAplicada.Value());
    const Press p =
        press(F, static_cast<float>(HSBDiàmetreÈmbol1.Value()), static_cast<float>(HSBDiàmetreÈmbol2.Value()));
    lblPressioResultant.setCaption(shortNumber(p.pressure));
    lblPes1.setCaption("F=" + shortNumber(F) + " Newtons");
    lblPes2.setCaption("R=" + shortNumber(p.result) + " Newtons");
    record({integerText(HSBForçaAplicada.Value()), integerText(HSBDiàmetreÈmbol1.Value()),
            integerText(HSBDiàmetreÈmbol2.Value()), shortNumber(p.pressure), shortNumber(p.result)});
}

void frmPascal::placeValve(bool open)
{
    // Open, the ball is pushed 110 twips right and the spring squeezed
    // against its fixed end at x 5400.
    const float shift = open ? 160 : 0;
    shpAntirretorn1.setLeft(open ? 4600 : 4490);
    Line11.setX1(4920 + shift);
    Line11.setX2(4800 + shift);
    Line7.setX1(4920 + shift);
    Line7.setX2(5040 + shift);
    Line8.setX1(5040 + shift);
    Line8.setX2(5160 + shift);
    Line9.setX1(5160 + shift);
    Line9.setX2(5280 + shift);
    Line10.setX1(5280 + shift);
}

void frmPascal::placeStopValve(bool open)
{
    if (open) {
        Line20.setEnds(4560, 7200, 5040, 7200);
        Line19.setEnds(4560, 6960, 5040, 6960);
        shpVàlvulaDePas.setBackStyle(BackStyle::Opaque);
        shpVàlvulaDePas.setAccessibleName(QStringLiteral("Vàlvula de pas oberta"));
    } else {
        shpVàlvulaDePas.setBackStyle(BackStyle::Transparent);
        shpVàlvulaDePas.setAccessibleName(QStringLiteral("Vàlvula de pas tancada"));
        Line20.setEnds(4900, 6840, 4900, 7320);
        Line19.setEnds(4700, 6840, 4700, 7320);
    }
}

void frmPascal::Netejar()
{
    Cls();
    HSBForçaAplicada.setValue(10);
    HSBDiàmetreÈmbol1.setValue(10);
    HSBDiàmetreÈmbol2.setValue(200);
    lblPressioResultant.setCaption("");
    lblPes1.setCaption("Força Aplicada");
    lblPes2.setCaption("Força Resultant");
    announce(QStringLiteral("Dades esborrades"));
    shpPes1.setTop(2500);
    shpPes2.setTop(3960);
    lblPes1.setTop(2640);
    lblPes2.setTop(4200);
    placeStopValve(true);
    shpLíquidRecipient1.setTop(3000);
    shpLíquidRecipient1.setHeight(5000);
    shpÈmbol1.setTop(3000);
    shpLíquidRecipient2.setTop(5000);
    shpLíquidRecipient2.setHeight(3000);
    shpÈmbol2.setTop(4680);
    placeValve(false);
}

void frmPascal::cmdEsborrar_Click()
{
    Netejar();
}

void frmPascal::Form_Click()
{
    Netejar();
    FilledBox(630, 7970, 2630, 3380, kLiquid);
    FilledBox(6630, 7970, 11370, 5060, kLiquid);
    FilledBox(630, 3375, 2630, 3000, kPiston);
    FilledBox(6630, 4685, 11370, 5060, kPiston);
    shpPes1.setTop(2500);
    shpPes2.setTop(3960);
    shpPes1.setVisible(true);
    shpPes2.setVisible(true);
    lblPes1.setTop(2640);
    lblPes2.setTop(4200);
    lblPes1.setVisible(true);
    lblPes2.setVisible(true);
    describeDrawing(QStringLiteral("Premsa en repòs, amb els dos èmbols i el líquid"));
}

// The stroke's pace: about 1.6 s (2000 steps of four lines, 900 pixels, and
// the valve's ball and spring moved at each).
constexpr rt::Pace kStroke = rt::Pacer::kDefaultPace.times(1);

// One stroke: the small piston is painted one twip lower at each step and
// the large one one twip higher, the liquid following it. (Its loop stays
// here: it counts 2000 twips and computes nothing, so there is no
// calculation for it to live with.)
void frmPascal::cmdSimular_Click()
{
    const AnimationPace pace(pacer(), kStroke);
    placeStopValve(false);
    for (Control* weight : std::initializer_list<Control*>{&shpPes1, &shpPes2, &lblPes1, &lblPes2})
        weight->setVisible(false);
    for (int i = 1; i <= 2000; ++i) {
        const auto y = static_cast<float>(i);
        Line(630, 3000 + y, 2630, 3000 + y, kPiston);
        Line(630, 2625 + y, 2630, 2625 + y, kBackground);
        Line(6630, 4685 - y, 11380, 4685 - y, kPiston);
        Line(6630, 5060 - y, 11380, 5060 - y, kLiquid);
        placeValve(true);
    }
    shpPes1.setVisible(true);
    shpPes1.setTop(4125);
    shpPes2.setTop(1960);
    shpPes2.setVisible(true);
    lblPes1.setVisible(true);
    lblPes1.setTop(4265);
    lblPes2.setTop(2200);
    lblPes2.setVisible(true);
    placeValve(false);
    describeDrawing(QStringLiteral("Premsa després d'una cursa de l'èmbol: l'èmbol 1 avall i l'èmbol 2 amunt"));
    announce(QStringLiteral("L'èmbol 1 ha baixat i l'èmbol 2 ha pujat"));
}

}  // namespace pascal
