#include "form.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "calculation.h"
#include "runtime/numbers.h"
#include "runtime/runtime.h"

namespace torricelli {

using namespace rt;

namespace {

constexpr MeasureColumn kMeasures[] = {
    {"Altura del líquid (m)", "Altura del líquid, en metres"},
    {"Altura del forat (m)", "Altura del forat, en metres"},
    {"Velocitat de sortida (m/s)", "Velocitat de sortida, en metres per segon"},
    {"Distància del raig (m)", "Distància a què arriba el raig, en metres"},
    {"Temps de caiguda (s)", "Temps de caiguda, en segons"},
};
constexpr MeasureLaw kLaw{
    .title = "Velocitat de sortida en funció de la diferència d'altures",
    .xAxis = "hl − hf (m)",
    .xHeard = "diferència entre l'altura del líquid i la del forat, en metres",
    .yAxis = "v (m/s)",
    .yHeard = "velocitat de sortida, en metres per segon",
    .curve = "v és igual a l'arrel quadrada de 2 per g per la diferència d'altures",
    .points =
        [](const std::vector<double>& r) {
            return std::vector<QPointF>{{r[0] - r[1], r[2]}};
        },
    .at = [](double x, const std::vector<double>&) { return std::sqrt(2 * 9.8 * std::max(0.0, x)); },
    .same = {},
};

// A height of the drawing as the pupil typed it, in metres.
QString metres(float twips)
{
    return QString::fromStdString(sentenceNumber(twips / kTwipsPerMetre));
}

}  // namespace

frmTorricelli::frmTorricelli(rt::Session& session, Values& values)
    : Form(session,
           {.name = "frmTorricelli",
            .caption = "Teorema de Torricelli",
            .description = "Un dipòsit s'omple de líquid fins a l'altura que escriviu i es buida per un forat "
                           "situat a l'altura que indiqueu; es calculen la velocitat de sortida, la distància a què "
                           "arriba el raig i el temps de caiguda.",
            .help = "torricelli",
            .backColor = sys::TitleBarText,
            .font = {"MS Sans Serif", 13.5f},
            .measures = kMeasures,
            .law = &kLaw}),
      values_(values)
{
    txtAlturaLíquid.onKeyDown([this](int k, int s) { txtAlturaLíquid_KeyDown(k, s); });
    txtAlturaForat.onKeyDown([this](int k, int s) { txtAlturaForat_KeyDown(k, s); });
    txtAlturaLíquid.onClick([this] { txtAlturaLíquid_Click(); });
    txtAlturaForat.onClick([this] { txtAlturaForat_Click(); });
    cmdOmplir.onClick([this] { cmdOmplir_Click(); });
    cmdBuidar.onClick([this] { cmdBuidar_Click(); });
    cmdEsborrar.onClick([this] { cmdEsborrar_Click(); });
    cmdSortir.onClick([this] { BackToStartupForm(); });
}

void frmTorricelli::txtAlturaLíquid_KeyDown(int KeyCode, int)
{
    if (KeyCode != 13) return;
    imgDipositInicial.setVisible(false);
    txtAlturaForat.SetFocus();
}

void frmTorricelli::txtAlturaForat_KeyDown(int KeyCode, int)
{
    if (KeyCode != 13) return;
    imgDipositInicial.setVisible(false);
    cmdOmplir.SetFocus();
}

void frmTorricelli::txtAlturaLíquid_Click()
{
    imgDipositInicial.setVisible(false);
}

void frmTorricelli::txtAlturaForat_Click()
{
    imgDipositInicial.setVisible(false);
}

void frmTorricelli::cmdOmplir_Click()
{
    OmplirRecipient();
    cmdBuidar.SetFocus();
}

void frmTorricelli::cmdBuidar_Click()
{
    BuidarRecipient();
    cmdEsborrar.SetFocus();
}

void frmTorricelli::cmdEsborrar_Click()
{
    Cls();
    imgDipositInicial.setVisible(true);
    txtAlturaForat.setText("");
    txtAlturaLíquid.setText("");
    for (Label* result :
         {&lblRespostaEspaiRecorregut, &lblRespostaVelocitat, &lblRespostaTempsTranscorregut, &lblAvis, &lblDistància})
        result->setCaption("");
    txtAlturaLíquid.SetFocus();
}

// The filling's pace: a 10 m tank fills in about 1.7 s (5001 rows of 400
// pixels).
constexpr rt::Pace kFilling = rt::Pacer::kDefaultPace.times(1);

// Draws the tank's walls and fills it in green from the surface down, one
// twip a row. The ground is at y 0, heights upwards are negative.
void frmTorricelli::OmplirRecipient()
{
    const AnimationPace pace(pacer(), kFilling);
    float& L = values_.AlturaLíquid;
    lblAvis.setCaption("");
    imgDipositInicial.setVisible(false);
    setScaleTop(-8000);
    const Liquid liquid = readLiquid(txtAlturaLíquid.textUtf8());
    if (liquid.refusal != Refusal::None) {
        lblAvis.setCaption(message(liquid.refusal));
        txtAlturaLíquid.setText("");
        values_.AlturaForat = 0;
    }
    L = liquid.twips;
    setDrawWidth(3);
    Line(600, 0, 600, -L - 200, kBlack);
    Line(2640, 0, 2640, -L - 200, kBlack);
    fillingRows(L, [&](float y) { Line(640, y, 2600, y, kGreen); });
    const QString filled =
        L > 0 ? QStringLiteral("Dipòsit ple fins a %1 m").arg(metres(L)) : QStringLiteral("Dipòsit buit");
    describeDrawing(filled);
    announce(filled);
}

// The emptying's pace: the longest, 10 m to the ground, lasts under 4 s.
constexpr rt::Pace kEmptying = rt::Pacer::kDefaultPace.times(1);

// Shows the results, then lowers the surface to the hole one twip at a
// time, drawing for every level the jet that leaves the hole.
void frmTorricelli::BuidarRecipient()
{
    const AnimationPace pace(pacer(), kEmptying);
    float& L = values_.AlturaLíquid;
    float& H = values_.AlturaForat;
    imgDipositInicial.setVisible(false);
    const Hole hole = readHole(txtAlturaForat.textUtf8(), L);
    H = hole.twips;
    const bool refused = hole.refusal != Refusal::None;
    if (refused) {
        lblAvis.setCaption(message(hole.refusal));
        txtAlturaForat.setText("");
        L = 0;
    }
    const Results r = results(L, H);
    lblRespostaVelocitat.setCaption(shortNumber(r.speed) + " m/s");
    lblRespostaEspaiRecorregut.setCaption(shortNumber(r.distance) + " m");
    lblDistància.setCaption(shortNumber(r.distance) + " metres");
    lblRespostaTempsTranscorregut.setCaption(shortNumber(r.time) + " segons");
    if (!refused) {
        record({shortNumber(L / kTwipsPerMetre), shortNumber(H / kTwipsPerMetre), shortNumber(r.speed),
                shortNumber(r.distance), shortNumber(r.time)});
    }

    emptyingSteps(
        L, H,
        [&](float y) {
            Line(640, y, 2610, y, kWhite);
            setCurrentX(2640);
            setCurrentY(-H);
            setDrawWidth(2);
        },
        [&](float s, float height) {
            LineTo(2640 + 500 * s, height, kGreen);
            LineTo(2630 + 500 * s, height, kWhite);
        });
    // A refused hole empties nothing: the warning is all there is to say,
    // and the tank is drawn as it was.
    if (refused) return;
    // A hole on the ground or at the surface gives a jet that reaches
    // nowhere: said so, not "0 m".
    describeDrawing(r.distance > 0 ? QStringLiteral("Dipòsit buidat fins al forat, a %1 m; al principi, el raig "
                                                    "arribava a %2 m de la paret")
                                         .arg(metres(H), QString::fromStdString(sentenceNumber(r.distance)))
                                   : QStringLiteral("Dipòsit buidat fins al forat, a %1 m; el raig no s'allunya "
                                                    "de la paret")
                                         .arg(metres(H)));
    announce(QStringLiteral("El dipòsit s'ha buidat fins a l'altura del forat, %1 m").arg(metres(H)));
}

}  // namespace torricelli
