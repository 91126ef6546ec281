#pragma once
// frmCabal: a pipe of three sections; from the flow rate and the three
// diameters the form computes the speeds, draws the pipe to scale and fills
// it with fluid.

#include "runtime/form.h"
#include "runtime/runtime.h"
#include "runtime/windowed.h"
#include "runtime/windowless.h"

namespace continuity {

// Form values: the inputs of the last calculation.
struct Values {
    float Cabal = 0;
    float Diametre1 = 0;
    float Diametre2 = 0;
    float Diametre3 = 0;
};

inline constexpr rt::Color kBack = rt::RGB(192, 255, 255);
inline constexpr rt::Color kRed = rt::RGB(255, 0, 0);
inline constexpr rt::Color kFluid = rt::RGB(0, 0, 255);
inline constexpr const char* kWarning = " Cal donar valors a tots els diàmetres i al cabal !!";

class frmCabal : public rt::Form {
public:
    frmCabal(rt::Session& session, Values& values);

private:
    void HSBDiàmetre1_Change();
    void HSBDiàmetre2_Change();
    void HSBDiàmetre3_Change();
    void hsbCabal_Change();
    void cmdCalcular_Click();
    void cmdSimular_Click();
    void cmdEsborrar_Click();
    void Netejar();
    // The three sections' diameters, as a screen reader hears them.
    QString sections() const;

    Values& values_;

    // clang-format off
    rt::Label lblEqContinuïtat{*this, {.name = "lblEqContinuïtat", .caption = "EQUACIÓ DE CONTINUÏTAT", .left = 480, .top = 360, .width = 4095, .height = 375, .backColor = kBack, .foreColor = kRed, .font = {"MS Sans Serif", 13.5f}}};
    rt::Label lblResum{*this, {.name = "lblResum", .caption = "En el cas de fluids incompressibles i amb flux laminar i estacionari, el cabal volumètric que passa per cada tram de la canonada és constant.                   Les velocitats del líquid són inversamet proporcionals a la secció de cada tram. En aquesta simulació, el diàmetre màxim de càlcul és de 200 mm. per tal de poder-ho veure bé en la pantalla.", .left = 4800, .top = 240, .width = 5655, .height = 1095, .backColor = rt::RGB(224, 224, 224), .foreColor = rt::RGB(0, 0, 0)}};
    rt::Label lblDiàmetre1{*this, {.name = "lblDiàmetre1", .caption = "Diàmetre 1:", .left = 120, .top = 960, .width = 975, .height = 255, .backColor = kBack}};
    rt::HScrollBar HSBDiàmetre1{*this, {.name = "HSBDiàmetre1", .left = 1200, .top = 960, .width = 2175, .height = 255, .tabIndex = 0, .min = 0, .max = 200, .value = 0, .accessibleName = "Diàmetre 1", .valueLabel = &lblUnitats1}};
    rt::Label lblUnitats1{*this, {.name = "lblUnitats1", .caption = "0 mm", .left = 3480, .top = 960, .width = 855, .height = 255, .backColor = kBack}};
    rt::Label lblDiàmetre2{*this, {.name = "lblDiàmetre2", .caption = "Diàmetre 2:", .left = 120, .top = 1320, .width = 975, .height = 255, .backColor = kBack}};
    rt::HScrollBar HSBDiàmetre2{*this, {.name = "HSBDiàmetre2", .left = 1200, .top = 1320, .width = 2175, .height = 255, .tabIndex = 1, .min = 0, .max = 200, .value = 0, .accessibleName = "Diàmetre 2", .valueLabel = &lblUnitats2}};
    rt::Label lblUnitats2{*this, {.name = "lblUnitats2", .caption = "0 mm", .left = 3480, .top = 1320, .width = 855, .height = 255, .backColor = kBack}};
    rt::Label lblDiàmetre3{*this, {.name = "lblDiàmetre3", .caption = "Diàmetre 3:", .left = 120, .top = 1680, .width = 975, .height = 255, .backColor = kBack}};
    rt::HScrollBar HSBDiàmetre3{*this, {.name = "HSBDiàmetre3", .left = 1200, .top = 1680, .width = 2175, .height = 255, .tabIndex = 2, .min = 0, .max = 200, .value = 0, .accessibleName = "Diàmetre 3", .valueLabel = &lblUnitats3}};
    rt::Label lblUnitats3{*this, {.name = "lblUnitats3", .caption = "0 mm", .left = 3480, .top = 1680, .width = 855, .height = 255, .backColor = kBack}};
    rt::Label lblCabal{*this, {.name = "lblCabal", .caption = "Cabal:", .left = 240, .top = 2040, .width = 615, .height = 255, .backColor = kBack}};
    rt::HScrollBar hsbCabal{*this, {.name = "hsbCabal", .left = 1200, .top = 2040, .width = 2175, .height = 255, .tabIndex = 3, .min = 0, .max = 100, .value = 0, .accessibleName = "Cabal", .valueLabel = &lblUnitat4}};
    rt::Label lblUnitat4{*this, {.name = "lblUnitat4", .caption = "0 l/min", .left = 3480, .top = 2040, .width = 855, .height = 255, .backColor = kBack}};
    rt::Button cmdCalcular{*this, {.name = "cmdCalcular", .caption = "&Calcular", .left = 4680, .top = 1920, .width = 1215, .height = 495, .tabIndex = 4}};
    rt::Button cmdSimular{*this, {.name = "cmdSimular", .caption = "S&imulació", .left = 6240, .top = 1920, .width = 1215, .height = 495, .tabIndex = 5, .enabled = false}};
    rt::Button cmdEsborrar{*this, {.name = "cmdEsborrar", .caption = "&Esborrar", .left = 7800, .top = 1920, .width = 1215, .height = 495, .tabIndex = 6}};
    rt::Button cmdSortir{*this, {.name = "cmdSortir", .caption = "&Sortir", .left = 9360, .top = 1920, .width = 1215, .height = 495, .tabIndex = 7}};
    // The equations lie over the warning line.
    rt::Label lblEquacionsEmprades{*this, {.name = "lblEquacionsEmprades", .caption = "EQUACIONS EMPRADES", .left = 4920, .top = 2640, .width = 4575, .height = 375, .backColor = kBack, .foreColor = kRed, .font = {"Arial", 12, true}, .alignment = rt::Align::Center}};
    rt::Image imgContEquacions{*this, {.name = "imgContEquacions", .left = 3840, .top = 3000, .width = 6840, .height = 675, .picture = ":/continuity/equacions.svg", .description = "Q és igual a A1 per v1, igual a A2 per v2 i igual a A3 per v3. Q: cabal, en litres per minut; A1, A2 i A3: seccions dels trams; v1, v2 i v3: velocitats del fluid a cada tram."}};
    rt::Label lblResultats{*this, {.name = "lblResultats", .caption = "Resultats de les velocitats del fluid en cada tram", .left = 480, .top = 2760, .width = 2775, .height = 495, .backColor = kBack, .foreColor = rt::sys::Highlight, .font = {"MS Sans Serif", 9.75f, true}}};
    rt::Label lblAvis{*this, {.name = "lblAvis", .caption = "", .left = 3840, .top = 2880, .width = 7215, .height = 615, .backColor = kBack, .foreColor = rt::RGB(0, 128, 0), .font = {"MS Sans Serif", 13.5f}, .announced = true}};
    rt::Label lblVelocitat1{*this, {.name = "lblVelocitat1", .caption = "Velocitat 1:", .left = 720, .top = 3360, .width = 975, .height = 255, .backColor = kBack}};
    rt::Label lblResultatVelocitat1{*this, {.name = "lblResultatVelocitat1", .caption = "", .left = 1800, .top = 3360, .width = 1455, .height = 255, .backColor = kBack, .foreColor = kRed, .captionLabel = &lblVelocitat1}};
    rt::Label Velocitat2{*this, {.name = "Velocitat2", .caption = "Velocitat 2:", .left = 720, .top = 3720, .width = 975, .height = 255, .backColor = kBack}};
    rt::Label lblResultatVelocitat2{*this, {.name = "lblResultatVelocitat2", .caption = "", .left = 1800, .top = 3720, .width = 1455, .height = 255, .backColor = kBack, .foreColor = kRed, .captionLabel = &Velocitat2}};
    rt::Label Velocitat3{*this, {.name = "Velocitat3", .caption = "Velocitat 3:", .left = 720, .top = 4080, .width = 975, .height = 255, .backColor = kBack}};
    rt::Label lblResultatVelocitat3{*this, {.name = "lblResultatVelocitat3", .caption = "", .left = 1800, .top = 4080, .width = 1455, .height = 255, .backColor = kBack, .foreColor = kRed, .captionLabel = &Velocitat3}};
    rt::Label lblTítolContinuïtat{*this, {.name = "lblTítolContinuïtat", .caption = "Canonada  amb tres seccions diferents", .left = 5160, .top = 3840, .width = 4815, .height = 495, .backColor = kBack, .foreColor = kRed, .font = {"MS Sans Serif", 12, true}}};
    rt::Image imgIniciCanonada{*this, {.name = "imgIniciCanonada", .left = 1080, .top = 4800, .width = 8715, .height = 3090, .picture = ":/continuity/canonada.svg", .description = "Una canonada horitzontal de tres trams, cada un més ample que l'anterior, plena de fluid blau; les fletxes marquen els diàmetres φ1, φ2 i φ3."}};
    // clang-format on
};

// The program-wide instance of the form, as the simulators' table names it.
using Instance = rt::FormInstance<frmCabal, Values>;

}  // namespace continuity
