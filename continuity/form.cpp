#include "form.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "calculation.h"
#include "runtime/numbers.h"
#include "runtime/runtime.h"

namespace continuity {

using namespace rt;

namespace {

constexpr MeasureColumn kMeasures[] = {
    {"Cabal (l/min)", "Cabal, en litres per minut"},
    {"Diàmetre 1 (mm)", "Diàmetre 1, en mil·límetres"},
    {"Diàmetre 2 (mm)", "Diàmetre 2, en mil·límetres"},
    {"Diàmetre 3 (mm)", "Diàmetre 3, en mil·límetres"},
    {"Velocitat al tram 1 (m/s)", "Velocitat al tram 1, en metres per segon"},
    {"Velocitat al tram 2 (m/s)", "Velocitat al tram 2, en metres per segon"},
    {"Velocitat al tram 3 (m/s)", "Velocitat al tram 3, en metres per segon"},
};
constexpr int kSameFlow[] = {0};
constexpr MeasureLaw kLaw{
    .title = "Velocitat del fluid en funció del diàmetre del tram",
    .xAxis = "D (mm)",
    .xHeard = "diàmetre del tram, en mil·límetres",
    .yAxis = "v (m/s)",
    .yHeard = "velocitat del fluid, en metres per segon",
    .curve = "v és igual al cabal dividit per la secció del tram",
    .points =
        [](const std::vector<double>& r) {
            return std::vector<QPointF>{{r[1], r[4]}, {r[2], r[5]}, {r[3], r[6]}};
        },
    // As the calculation reckons it, unrounded.
    .at = [](double d, const std::vector<double>& r) { return d > 0 ? r[0] * 200 / (d * d * 3.14159265 * 3) : 1e300; },
    .same = kSameFlow,
    .kept = "amb el mateix cabal",
};

// The pipe's drawing: its centre line, and the y of a section's wall, side
// +1 for the lower wall and -1 for the upper one (ten twips a millimetre).
constexpr float kCentre = 6480;
float wall(float diametre, int side)
{
    return static_cast<float>(kCentre + side * (diametre / 0.1));
}

}  // namespace

frmCabal::frmCabal(rt::Session& session, Values& values)
    : Form(session,
           {.name = "frmCabal",
            .caption = "Equació de continuïtat",
            .description = "Un mateix cabal passa per una canonada de tres trams; amb el cabal i els diàmetres que "
                           "trieu es calcula la velocitat del fluid a cada tram.",
            .help = "continuitat",
            .backColor = kBack,
            .measures = kMeasures,
            .law = &kLaw}),
      values_(values)
{
    // The drawing's horizontal unit is 3.9 twips; its vertical unit a twip.
    setScaleWidth(3046.154f);
    HSBDiàmetre1.onChange([this] { HSBDiàmetre1_Change(); });
    HSBDiàmetre2.onChange([this] { HSBDiàmetre2_Change(); });
    HSBDiàmetre3.onChange([this] { HSBDiàmetre3_Change(); });
    hsbCabal.onChange([this] { hsbCabal_Change(); });
    cmdCalcular.onClick([this] { cmdCalcular_Click(); });
    cmdSimular.onClick([this] { cmdSimular_Click(); });
    cmdEsborrar.onClick([this] { cmdEsborrar_Click(); });
    cmdSortir.onClick([this] { BackToStartupForm(); });
}

void frmCabal::HSBDiàmetre1_Change()
{
    lblUnitats1.setCaption(integerText(HSBDiàmetre1.Value()) + " mm");
}

void frmCabal::HSBDiàmetre2_Change()
{
    lblUnitats2.setCaption(integerText(HSBDiàmetre2.Value()) + " mm");
}

void frmCabal::HSBDiàmetre3_Change()
{
    lblUnitats3.setCaption(integerText(HSBDiàmetre3.Value()) + " mm");
}

void frmCabal::hsbCabal_Change()
{
    lblUnitat4.setCaption(integerText(hsbCabal.Value()) + " l/min");
}

void frmCabal::cmdCalcular_Click()
{
    Values& v = values_;
    imgIniciCanonada.setVisible(false);
    Cls();
    lblAvis.setCaption("");
    v.Cabal = static_cast<float>(hsbCabal.Value());
    v.Diametre1 = static_cast<float>(HSBDiàmetre1.Value());
    v.Diametre2 = static_cast<float>(HSBDiàmetre2.Value());
    v.Diametre3 = static_cast<float>(HSBDiàmetre3.Value());
    const bool missing = v.Cabal == 0 || v.Diametre1 == 0 || v.Diametre2 == 0 || v.Diametre3 == 0;
    if (missing) {
        // The equations lie over the warning: they make way for it.
        lblEquacionsEmprades.setVisible(false);
        imgContEquacions.setVisible(false);
        lblAvis.setCaption(kWarning);
        v.Cabal = 0;
        v.Diametre1 = v.Diametre2 = v.Diametre3 = 1;
    }
    const std::string v1 = shortNumber(speed(v.Cabal, v.Diametre1)), v2 = shortNumber(speed(v.Cabal, v.Diametre2)),
                      v3 = shortNumber(speed(v.Cabal, v.Diametre3));
    lblResultatVelocitat1.setCaption(v1 + " m/s");
    lblResultatVelocitat2.setCaption(v2 + " m/s");
    lblResultatVelocitat3.setCaption(v3 + " m/s");
    if (!missing) {
        const auto whole = [](float value) { return integerText(static_cast<long long>(value)); };
        record({whole(v.Cabal), whole(v.Diametre1), whole(v.Diametre2), whole(v.Diametre3), v1, v2, v3});
    }

    // The profile of the pipe, to scale: both walls of each section and of
    // the two transitions between them.
    setDrawWidth(2);
    const float d[] = {v.Diametre1, v.Diametre2, v.Diametre3};
    const float starts[] = {kSection1, kSection2, kSection3};
    const float ends[] = {kTransition1, kTransition2, kEnd};
    for (int k = 0; k < 3; ++k) {
        if (k > 0) {
            for (int side : {1, -1}) Line(ends[k - 1], wall(d[k - 1], side), starts[k], wall(d[k], side));
        }
        for (int side : {1, -1}) Line(starts[k], wall(d[k], side), ends[k], wall(d[k], side));
    }
    describeDrawing(QStringLiteral("Perfil de la canonada; %1").arg(sections()));
    cmdSimular.setEnabled(true);
}

QString frmCabal::sections() const
{
    const Values& v = values_;
    // Refused or cleared, the form keeps diameters of 1 mm the pupil never set.
    if (v.Cabal == 0) return QStringLiteral("falten dades");
    return QStringLiteral("diàmetres dels trams: %1, %2 i %3 mm")
        .arg(QString::fromStdString(integerText(static_cast<int>(v.Diametre1))),
             QString::fromStdString(integerText(static_cast<int>(v.Diametre2))),
             QString::fromStdString(integerText(static_cast<int>(v.Diametre3))));
}

// The fill's pace: the widest pipe fills in about 1.6 s (174,636 dots of 4
// pixels).
constexpr rt::Pace kFill = rt::Pacer::kDefaultPace.times(1);

void frmCabal::cmdSimular_Click()
{
    const AnimationPace pace(pacer(), kFill);
    const Values& v = values_;
    bool drawn = false;
    fillDots(v.Diametre1, v.Diametre2, v.Diametre3, [&](int x, int i) {
        drawn = true;
        const auto px = static_cast<float>(x);
        Line(px, kCentre + static_cast<float>(i), px, kCentre + static_cast<float>(i), kFluid);
        Line(px, kCentre - static_cast<float>(i), px, kCentre - static_cast<float>(i), kFluid);
    });
    // Said as it happened: a pipe too narrow to hold a dot shows no fluid.
    if (!drawn) {
        announce(v.Cabal == 0 ? QStringLiteral("Falten dades: no hi ha fluid per dibuixar")
                              : QStringLiteral("La canonada és massa estreta per dibuixar-hi el fluid"));
        return;
    }
    describeDrawing(QStringLiteral("Canonada plena de fluid; %1").arg(sections()));
    announce(QStringLiteral("La canonada s'ha omplert de fluid"));
}

void frmCabal::cmdEsborrar_Click()
{
    Netejar();
}

void frmCabal::Netejar()
{
    Cls();
    cmdSimular.setEnabled(false);
    lblEquacionsEmprades.setVisible(true);
    imgContEquacions.setVisible(true);
    imgIniciCanonada.setVisible(true);
    lblAvis.setCaption("");
    for (Label* result : {&lblResultatVelocitat1, &lblResultatVelocitat2, &lblResultatVelocitat3})
        result->setCaption(" ");
    HSBDiàmetre1.setValue(0);
    HSBDiàmetre2.setValue(0);
    HSBDiàmetre3.setValue(0);
    hsbCabal.setValue(0);
    values_.Cabal = 0;
    values_.Diametre1 = values_.Diametre2 = values_.Diametre3 = 1;
}

}  // namespace continuity
