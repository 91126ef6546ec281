#include "form.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include <QLocale>
#include <QRadioButton>

#include "calculation.h"
#include "runtime/numbers.h"
#include "runtime/runtime.h"

namespace archimedes {

using namespace rt;

namespace {

constexpr MeasureColumn kMeasures[] = {
    {"Altura del producte (m)", "Altura del producte, en metres"},
    {"Densitat (kg/dm³)", "Densitat, en quilograms per decímetre cúbic"},
    {"Pes F (N)", "Pes del recipient, en newtons"},
    {"Resposta", "Resposta"},
    {"Encertada", "Resposta encertada"},
};
constexpr int kSameHeight[] = {0};
constexpr MeasureLaw kLaw{
    .title = "Pes del recipient en funció de la densitat del producte",
    .xAxis = "ρp (kg/dm³)",
    .xHeard = "densitat del producte, en quilograms per decímetre cúbic",
    .yAxis = "F (N)",
    .yHeard = "pes del recipient, en newtons",
    .curve = "F és igual a 9800 per l'altura del producte per la densitat",
    .points =
        [](const std::vector<double>& r) {
            return std::vector<QPointF>{{r[1], r[2]}};
        },
    .at = [](double d, const std::vector<double>& r) { return 9800 * r[0] * d; },
    .same = kSameHeight,
    .kept = "amb la mateixa altura de producte",
};

}  // namespace

frmArquímedes::frmArquímedes(rt::Session& session, Values& values)
    : Form(session,
           {.name = "frmArquímedes",
            .caption = "Principi d'Arquímedes",
            .description = "Un recipient submergit a l'aigua s'omple fins a l'altura que trieu amb un producte de la "
                           "densitat que trieu; puja, baixa o es manté segons si l'empenta és més gran, més petita "
                           "o igual que el seu pes.",
            .help = "arquimedes",
            .backColor = sys::TitleBarText,
            .measures = kMeasures,
            .law = &kLaw}),
      values_(values)
{
    HSBAlturaLíquid.onChange([this] { HSBAlturaLíquid_Change(); });
    HSBDensitat.onChange([this] { HSBDensitat_Change(); });
    cmdOmplir.onClick([this] { cmdOmplir_Click(); });
    OptTriar.onClick([this](int index) { OptTriar_Click(index); });
    cmdEsborrar.onClick([this] { cmdEsborrar_Click(); });
    cmdIniciarMoviment.onClick([this] { cmdIniciarMoviment_Click(); });
    cmdIniciarMoviment.makeCancelButton();
    cmdSortir.onClick([this] { BackToStartupForm(); });
}

void frmArquímedes::HSBAlturaLíquid_Change()
{
    lblAlturaL.setCaption(integerText(HSBAlturaLíquid.Value()) + " m");
}

void frmArquímedes::HSBDensitat_Change()
{
    const std::string point = QLocale().decimalPoint().toStdString();
    lblDensitatValor.setCaption(decimalText(HSBDensitat.Value() / 10.0, point) + " kg/dm3");
}

void frmArquímedes::Càlcul()
{
    lblNomRecipient.setVisible(false);
    const int h = HSBAlturaLíquid.Value();
    values_.F = weight(HSBDensitat.Value(), h);
    filledHeight_ = integerText(h);
    filledDensity_ = decimalText(HSBDensitat.Value() / 10.0, ".");
    shpAlturaLíquid.setFillStyle(FillStyle::Solid);
    shpAlturaLíquid.setHeight(coverHeight(h));
    shpVaixell.setFillColor(kProduct);
    // Built from the values, in Catalan: the density label writes the
    // desktop's decimal mark.
    const QString filled = h == 0
                               ? QStringLiteral("Recipient buit")
                               : QStringLiteral("Recipient omplert fins a %1 m amb un producte de densitat %2 kg/dm3")
                                     .arg(QString::fromStdString(integerText(h)),
                                          QString::fromStdString(decimalText(HSBDensitat.Value() / 10.0, ",")));
    shpVaixell.setAccessibleName(filled);
    announce(filled);
}

void frmArquímedes::cmdOmplir_Click()
{
    Càlcul();
}

void frmArquímedes::OptTriar_Click(int index)
{
    lblPesProducte.setCaption(judgement(index, values_.F));
    answer_ = index;
    cmdIniciarMoviment.setEnabled(true);
}

void frmArquímedes::cmdEsborrar_Click()
{
    Cls();
    shpVaixell.setHeight(1000);
    shpVaixell.setTop(kRestTop);
    shpVaixell.setFillColor(kCover);
    shpVaixell.setAccessibleName(QStringLiteral("Recipient buit, a la posició inicial"));
    shpAlturaLíquid.setHeight(0);
    shpAlturaLíquid.setTop(kRestTop);
    lblPesProducte.setCaption("");
    cmdIniciarMoviment.setEnabled(false);
    HSBDensitat.setValue(0);
    HSBAlturaLíquid.setValue(0);
}

// The motion's pace: 2201 steps of two moves make about two seconds.
constexpr rt::Pace kMotion = rt::Pacer::kDefaultPace.times(1);

void frmArquímedes::cmdIniciarMoviment_Click()
{
    const AnimationPace pace(pacer(), kMotion);
    const float F = values_.F;
    const int direction = motionDirection(F);
    if (direction == 0) {
        shpVaixell.setTop(kRestTop);
        shpAlturaLíquid.setTop(kRestTop);
    } else {
        motionTops(F, [&](int y) {
            shpVaixell.setTop(static_cast<float>(y));
            shpAlturaLíquid.setFillStyle(FillStyle::Solid);
            shpAlturaLíquid.setTop(static_cast<float>(y));
        });
    }
    lblPesProducte.setCaption(resultText(F));
    if (answer_ >= 0) {
        // The option that says what the motion showed: stays, rises, sinks.
        const int right = direction == 0 ? 0 : direction < 0 ? 1 : 2;
        const QString answer = OptTriar[static_cast<size_t>(answer_)].button().text();
        record({filledHeight_, filledDensity_, shortNumber(F), answer.toStdString(),
                std::string(answer_ == right ? "Sí" : "No")});
    }
    const char* ended = direction < 0   ? "El recipient ha pujat fins a la superfície"
                        : direction > 0 ? "El recipient ha baixat fins al fons"
                                        : "El recipient es manté a la mateixa altura";
    shpVaixell.setAccessibleName(direction < 0   ? QStringLiteral("Recipient surant a la superfície")
                                 : direction > 0 ? QStringLiteral("Recipient al fons")
                                                 : QStringLiteral("Recipient a la posició inicial"));
    announce(QString::fromUtf8(ended));
}

}  // namespace archimedes
