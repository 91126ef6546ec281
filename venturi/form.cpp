#include "form.h"

#include "calculation.h"
#include "runtime/numbers.h"
#include "runtime/runtime.h"

namespace venturi {

using namespace rt;

frmVenturi::frmVenturi(Values& values)
    : Form({.name = "frmVenturi",
            .caption = "Efecte Venturi",
            .description = "Un tub de Venturi amb un manòmetre d'aigua: per al cabal que trieu es calculen les "
                           "velocitats en les dues canonades i la diferència de pressions.",
            .left = 2175,
            .top = 1695}),
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
    describeDrawing(QStringLiteral("Escala del manòmetre"));
}

// The filling's pace: under 5 s (236,000 short segments, 4.2 million pixels).
constexpr rt::Pace kFilling{std::chrono::nanoseconds{5'700}, 850.0, std::chrono::nanoseconds{450'000}, 8.0};

void frmVenturi::cmdSimular_Click()
{
    const AnimationPace pace(kFilling);
    const float delta = values_.DiferènciaDePressions;
    simulate(
        delta, [this](float x1, float y1, float x2, float y2, Color c) { Line(x1, y1, x2, y2, c); },
        [this](float top, bool right) { (right ? shpTap2 : shpTap1).setTop(top); });
    lblResultatEscala.setCaption(shortNumber(delta) + " mm");
    cmdCalcular.setEnabled(false);
    const QString gap = QString::fromStdString(shortNumber(delta)).trimmed();
    describeDrawing(QStringLiteral("Tub ple d'aigua; les branques del manòmetre, separades %1 mm").arg(gap));
    announce(QStringLiteral("Les branques del manòmetre s'han separat %1 mm").arg(gap));
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
