#pragma once
// frmArquímedes: a container held under water; the pupil fills it with a
// product, predicts whether it stays, rises or sinks, and watches it move.

#include "runtime/form.h"
#include "runtime/runtime.h"
#include "runtime/windowed.h"
#include "runtime/windowless.h"

namespace archimedes {

// Form values: they outlive the window.
struct Values {
    float F = 0;  // weight of the product, set by "&Omplir"
};

inline constexpr rt::Color kWater = rt::RGB(128, 255, 255);
inline constexpr rt::Color kProduct = rt::RGB(255, 0, 0);
inline constexpr rt::Color kCover = rt::RGB(255, 255, 128);

class frmArquímedes : public rt::Form {
public:
    frmArquímedes(rt::Session& session, Values& values);

private:
    void HSBAlturaLíquid_Change();
    void HSBDensitat_Change();
    void cmdOmplir_Click();
    void OptTriar_Click(int index);
    void cmdEsborrar_Click();
    void cmdIniciarMoviment_Click();
    void Càlcul();

    Values& values_;
    // For the pupil's measurements: the inputs of the last filling, and the
    // answer chosen since.
    std::string filledHeight_, filledDensity_;
    int answer_ = -1;

    // clang-format off
    rt::Button cmdSortir{*this, {.name = "cmdSortir", .caption = "&Sortir", .left = 10200, .top = 1440, .width = 975, .height = 615, .tabIndex = 13}};
    rt::Button cmdEsborrar{*this, {.name = "cmdEsborrar", .caption = "&Esborrar Dades", .left = 9120, .top = 1440, .width = 975, .height = 615, .tabIndex = 12}};
    rt::Button cmdIniciarMoviment{*this, {.name = "cmdIniciarMoviment", .caption = "&Iniciar Moviment", .left = 7920, .top = 1440, .width = 1095, .height = 615, .tabIndex = 11, .enabled = false}};
    rt::Button cmdOmplir{*this, {.name = "cmdOmplir", .caption = "&Omplir", .left = 6720, .top = 1440, .width = 1095, .height = 615, .tabIndex = 10}};
    rt::HScrollBar HSBDensitat{*this, {.name = "HSBDensitat", .left = 360, .top = 1920, .width = 3975, .height = 255, .tabIndex = 7, .min = 0, .max = 200, .value = 0, .smallChange = 1, .largeChange = 1, .accessibleName = "Densitat", .valueLabel = &lblDensitatValor, .shownStep = 0.1}};
    rt::HScrollBar HSBAlturaLíquid{*this, {.name = "HSBAlturaLíquid", .left = 360, .top = 1200, .width = 3975, .height = 255, .tabIndex = 6, .min = 0, .max = 10, .value = 0, .smallChange = 1, .largeChange = 1, .accessibleName = "Altura producte afegit", .valueLabel = &lblAlturaL}};
    rt::PictureBox picAigua{*this, {.name = "picAigua", .left = 0, .top = 2520, .width = 13365, .height = 5535, .tabIndex = 0, .backColor = kWater, .accessibleName = "Dipòsit d'aigua"}};
    rt::Label lblDensitatValor{*this, {.name = "lblDensitatValor", .caption = "0 kg/dm3", .left = 4440, .top = 1920, .width = 1095, .height = 255, .tabIndex = 9, .backColor = rt::sys::TitleBarText, .foreColor = rt::RGB(0, 0, 255)}};
    rt::Label lblAlturaL{*this, {.name = "lblAlturaL", .caption = "0 m", .left = 4440, .top = 1200, .width = 735, .height = 255, .tabIndex = 8, .backColor = rt::sys::TitleBarText, .foreColor = rt::RGB(0, 0, 192)}};
    rt::Label lblPròleg{*this, {.name = "lblPròleg", .caption = "Per simular el principi d'Arquímedes en aquest programa, s´ha de donar l'altura de producte, en metres, amb que omplim el recipient i la seva densitat en kg/dm3. L'altura  màxima de càlcul és de 10 metres. Es considera un recipient de dimensions constants i l'empenta de l'aigua sempre serà la mateixa.", .left = 4440, .top = 120, .width = 7215, .height = 1095, .tabIndex = 4, .backColor = rt::sys::TitleBarText, .font = {"MS Sans Serif", 9.75f}}};
    rt::Label lblDensitat{*this, {.name = "lblDensitat", .caption = "Densitat:", .left = 360, .top = 1560, .width = 855, .height = 255, .tabIndex = 3, .backColor = rt::sys::HighlightText, .font = {"MS Sans Serif", 8.25f, true}}};
    rt::Label lblAlturaLíquid{*this, {.name = "lblAlturaLíquid", .caption = "Altura producte afegit:", .left = 360, .top = 840, .width = 2055, .height = 255, .tabIndex = 2, .backColor = rt::sys::HighlightText, .font = {"MS Sans Serif", 8.25f, true}}};
    rt::Label lblTítol{*this, {.name = "lblTítol", .caption = "PRINCIPI D'ARQUÍMEDES", .left = 480, .top = 360, .width = 3855, .height = 495, .tabIndex = 1, .backColor = rt::sys::TitleBarText, .foreColor = rt::RGB(255, 0, 0), .font = {"MS Sans Serif", 13.5f}}};

    // Inside picAigua, from the top of the stacking down.
    rt::Frame frmTriarResposta{picAigua, {.name = "frmTriarResposta", .caption = "Escolliu la resposta", .left = 9360, .top = 960, .width = 2295, .height = 1935, .tabIndex = 15, .backColor = kWater}};
    rt::Shape Shape1{picAigua, {.name = "Shape1", .left = 3480, .top = 3840, .width = 165, .height = 1350, .backColor = rt::sys::Window, .backStyle = rt::BackStyle::Opaque, .borderVisible = false}};
    rt::Label lblNomRecipient{picAigua, {.name = "lblNomRecipient", .caption = "Recipient submergit ", .left = 5520, .top = 2520, .width = 1215, .height = 495, .tabIndex = 20, .backColor = rt::RGB(255, 255, 128), .font = {"MS Sans Serif", 9.75f, true}, .alignment = rt::Align::Center}};
    rt::Label lblSolucio{picAigua, {.name = "lblSolucio", .caption = "SOLUCIÓ", .left = 9000, .top = 3840, .width = 2295, .height = 255, .tabIndex = 19, .backColor = kWater, .font = {"Arial", 9.75f, true}, .alignment = rt::Align::Center}};
    rt::Image imgNotaArq{picAigua, {.name = "imgNotaArq", .left = 0, .top = 3840, .width = 3615, .height = 1350, .picture = ":/archimedes/nota.svg", .description = "Es considera un recipient de volum constant, en què només varia l'altura de producte afegit, hp. L'empenta sempre serà E, igual a 98.000 N, i la secció, constant. Només cal calcular F."}};
    rt::Label lblEquacionsEmprades{picAigua, {.name = "lblEquacionsEmprades", .caption = "EQUACIONS EMPRADES", .left = 0, .top = 0, .width = 3630, .height = 375, .tabIndex = 14, .backColor = rt::sys::TitleBarText, .foreColor = rt::RGB(255, 0, 0), .font = {"Arial", 12, true}, .alignment = rt::Align::Center}};
    rt::Image imgEquaciosnArq{picAigua, {.name = "imgEquaciosnArq", .left = 0, .top = 360, .width = 3630, .height = 3495, .picture = ":/archimedes/equacions.svg", .description = "E és igual a ρa per g per V; F és igual a ρp per g per V; V és igual a S per h1, i també a S per hp. E: empenta de l'aigua, en newtons; ρa: densitat de l'aigua, en quilograms per metre cúbic; g: gravetat, en metres per segon al quadrat; V: volum del recipient, en metres cúbics; S: superfície del recipient, en metres quadrats; h1: altura del recipient, en metres; F: pes del cos, en newtons; ρp: densitat del producte afegit, en quilograms per metre cúbic; hp: altura del producte afegit, en metres."}};
    rt::Label lblPesProducte{picAigua, {.name = "lblPesProducte", .caption = "", .left = 8760, .top = 4200, .width = 2895, .height = 1095, .tabIndex = 5, .font = {"MS Sans Serif", 9.75f, true}, .border = true, .backStyle = rt::BackStyle::Transparent, .announced = true}};
    rt::Shape shpAlturaLíquid{picAigua, {.name = "shpAlturaLíquid", .left = 5400, .top = 2200, .width = 1455, .height = 15, .fillStyle = rt::FillStyle::Transparent, .fillColor = kCover}};
    rt::Shape shpVaixell{picAigua, {.name = "shpVaixell", .left = 5400, .top = 2200, .width = 1455, .height = 1000, .fillStyle = rt::FillStyle::Solid, .fillColor = kCover, .accessibleName = "Recipient buit, a la posició inicial"}};

    rt::OptionArray OptTriar{frmTriarResposta, "OptTriar", {
        {.caption = "E = F, es manté", .left = 240, .top = 360, .width = 1815, .height = 375, .tabIndex = 16, .backColor = kWater, .font = {"MS Sans Serif", 9.75f}},
        {.caption = "E > F, puja", .left = 240, .top = 840, .width = 1575, .height = 375, .tabIndex = 17, .backColor = kWater, .font = {"MS Sans Serif", 9.75f}},
        {.caption = "E < F, baixa", .left = 240, .top = 1320, .width = 1575, .height = 375, .tabIndex = 18, .backColor = kWater, .font = {"MS Sans Serif", 9.75f}},
    }};
    // clang-format on
};

// The program-wide instance of the form, as the simulators' table names it.
using Instance = rt::FormInstance<frmArquímedes, Values>;

}  // namespace archimedes
