#pragma once
// frmVenturi: a Venturi tube with a U-tube manometer. From the flow rate
// the form computes the two speeds and the pressure difference, fills the
// tube and moves the manometer's levels apart.

#include "runtime/form.h"
#include "runtime/runtime.h"
#include "runtime/windowed.h"
#include "runtime/windowless.h"

namespace venturi {

// Form values: they outlive the window and "&Esborrar".
struct Values {
    float DiferènciaDePressions = 0;  // mm of water column
};

inline constexpr rt::Color kGreen = rt::RGB(0, 192, 0);
inline constexpr rt::Color kBlue = rt::RGB(0, 0, 255);
inline constexpr rt::Color kRed = rt::RGB(255, 0, 0);

class frmVenturi : public rt::Form {
public:
    frmVenturi(rt::Session& session, Values& values);

private:
    void hsbCabal_Change();
    void cmdCalcular_Click();
    void cmdSimular_Click();
    void cmdEsborrar_Click();
    void Netejar();
    void Omplir(float delta);

    Values& values_;

    // clang-format off
    rt::Button cmdSortir{*this, {.name = "cmdSortir", .caption = "&Sortir", .left = 10320, .top = 1200, .width = 1095, .height = 495, .tabIndex = 18}};
    rt::Button cmdEsborrar{*this, {.name = "cmdEsborrar", .caption = "&Esborrar", .left = 8760, .top = 1200, .width = 1215, .height = 495, .tabIndex = 17}};
    rt::Button cmdSimular{*this, {.name = "cmdSimular", .caption = "S&imulació", .left = 7200, .top = 1200, .width = 1215, .height = 495, .tabIndex = 16}};
    rt::Button cmdCalcular{*this, {.name = "cmdCalcular", .caption = "&Calcular", .left = 5640, .top = 1200, .width = 1215, .height = 495, .tabIndex = 15}};
    rt::HScrollBar hsbCabal{*this, {.name = "hsbCabal", .left = 240, .top = 1440, .width = 4455, .height = 255, .tabIndex = 11, .min = 0, .max = 500, .value = 0, .smallChange = 1, .largeChange = 1, .accessibleName = "Cabal", .valueLabel = &lblCabalMàx}};
    rt::Label lblDiferènciaDePressions{*this, {.name = "lblDiferènciaDePressions", .caption = "", .left = 9840, .top = 3480, .width = 855, .height = 255, .tabIndex = 26, .backColor = rt::sys::TitleBarText, .foreColor = kBlue, .border = true, .captionLabel = &lblResultatDiferènciaDePressions, .unitLabel = &lblUnitatsDiferènciaDePressions}};
    rt::Label lblVelocitat2{*this, {.name = "lblVelocitat2", .caption = "", .left = 9840, .top = 3120, .width = 855, .height = 255, .tabIndex = 25, .backColor = rt::sys::TitleBarText, .foreColor = kBlue, .border = true, .captionLabel = &lblResultatVelocitat2, .unitLabel = &lblUnitatsVelocitat2}};
    rt::Label lblVelocitat1{*this, {.name = "lblVelocitat1", .caption = "", .left = 9840, .top = 2760, .width = 855, .height = 255, .tabIndex = 24, .backColor = rt::sys::TitleBarText, .foreColor = kBlue, .border = true, .captionLabel = &lblResultatVelocitat1, .unitLabel = &lblUnitatsVelocitat1}};
    rt::Label lblResultatCabal{*this, {.name = "lblResultatCabal", .caption = "", .left = 9840, .top = 2400, .width = 855, .height = 255, .tabIndex = 23, .backColor = rt::sys::TitleBarText, .foreColor = kBlue, .border = true, .captionLabel = &lblCabal, .unitLabel = &lblUnitatsCabal}};
    rt::LineControl Line4{*this, {.name = "Line4", .x1 = 3120, .y1 = 3720, .x2 = 4440, .y2 = 3720, .borderWidth = 2}};
    rt::Label lblSimbolDiametre1{*this, {.name = "lblSimbolDiametre1", .caption = "f1", .left = 1200, .top = 3360, .width = 495, .height = 375, .tabIndex = 21, .backColor = rt::sys::TitleBarText, .font = {"Symbol", 12}}};
    rt::Label lblResultatEscala{*this, {.name = "lblResultatEscala", .caption = "0 mm", .left = 2400, .top = 6600, .width = 855, .height = 255, .tabIndex = 20, .backColor = rt::sys::TitleBarText, .accessibleName = "Escala del manòmetre"}};
    rt::LineControl LineEscala{*this, {.name = "LineEscala", .x1 = 4080, .y1 = 5640, .x2 = 4080, .y2 = 7800, .borderWidth = 3}};
    rt::LineControl LineNivell{*this, {.name = "LineNivell", .x1 = 3960, .y1 = 6720, .x2 = 4200, .y2 = 6720, .borderWidth = 1}};
    rt::Label lblTítolEquacions{*this, {.name = "lblTítolEquacions", .caption = "EQUACIONS EMPRADES", .left = 6600, .top = 4560, .width = 3615, .height = 375, .tabIndex = 19, .backColor = rt::sys::TitleBarText, .foreColor = kRed, .font = {"Arial", 12, true}}};
    rt::Image Image1{*this, {.name = "Image1", .left = 6600, .top = 4920, .width = 4515, .height = 3525, .picture = ":/venturi/equacions.svg", .description = "Q és igual a A1 per l'arrel quadrada d'una fracció: al numerador, 2 per la diferència p1 menys p2; al denominador, ρ per la diferència entre D1 a la quarta dividit per d2 a la quarta, i 1. Q: cabal de líquid; A1: secció de la canonada 1; p1 menys p2: diferència de pressions entre 1 i 2; D1 i d2: diàmetres de les canonades; ρ: densitat."}};
    rt::Label lblCanonada2{*this, {.name = "lblCanonada2", .caption = "Canonada 2", .left = 3360, .top = 2760, .width = 1215, .height = 255, .tabIndex = 14, .backColor = rt::sys::TitleBarText, .font = {"MS Sans Serif", 8.25f, true}}};
    rt::Label lblCanonada1{*this, {.name = "lblCanonada1", .caption = "Canonada 1", .left = 720, .top = 2520, .width = 1215, .height = 255, .tabIndex = 13, .backColor = rt::sys::TitleBarText, .font = {"MS Sans Serif", 8.25f, true}}};
    rt::Shape shpTap2{*this, {.name = "shpTap2", .left = 4450, .top = 6520, .width = 110, .height = 200, .backColor = kGreen, .backStyle = rt::BackStyle::Opaque, .borderColor = kGreen, .accessibleName = "Nivell de la branca dreta del manòmetre"}};
    rt::Label lblCabalMàx{*this, {.name = "lblCabalMàx", .caption = "Cabal = 0 l/min", .left = 1800, .top = 1800, .width = 1335, .height = 255, .tabIndex = 12, .backColor = rt::sys::TitleBarText}};
    rt::Shape shpTubVenturi3{*this, {.name = "shpTubVenturi3", .left = 3610, .top = 5530, .width = 110, .height = 985, .backColor = kBlue, .borderColor = kBlue}};
    rt::Shape shpTubVenturi2{*this, {.name = "shpTubVenturi2", .left = 1200, .top = 5530, .width = 2415, .height = 110, .backColor = kBlue, .borderColor = kBlue}};
    rt::Shape shpTubVenturi1{*this, {.name = "shpTubVenturi1", .left = 1090, .top = 3960, .width = 110, .height = 1695, .backColor = kBlue, .borderColor = kBlue}};
    rt::Shape shpTap1{*this, {.name = "shpTap1", .left = 3610, .top = 6520, .width = 110, .height = 200, .backColor = kGreen, .borderColor = kGreen, .accessibleName = "Nivell de la branca esquerra del manòmetre"}};
    rt::Shape shpNivell2{*this, {.name = "shpNivell2", .left = 4450, .top = 6720, .width = 110, .height = 1100, .backColor = kRed, .borderColor = kRed}};
    rt::Shape shpNivell1{*this, {.name = "shpNivell1", .left = 3610, .top = 6720, .width = 110, .height = 1100, .backColor = kRed, .borderColor = kRed}};
    rt::Label lblValorsIntroduits{*this, {.name = "lblValorsIntroduits", .caption = "Introduïu el Valor del cabal", .left = 240, .top = 960, .width = 2295, .height = 255, .tabIndex = 10, .backColor = rt::sys::TitleBarText, .font = {"MS Sans Serif", 8.25f, false, false, true}}};
    rt::Label lblUnitatsDiferènciaDePressions{*this, {.name = "lblUnitatsDiferènciaDePressions", .caption = "mm", .left = 10800, .top = 3480, .width = 495, .height = 255, .tabIndex = 9, .backColor = rt::sys::TitleBarText}};
    rt::Label lblResultatDiferènciaDePressions{*this, {.name = "lblResultatDiferènciaDePressions", .caption = "Diferència de pressions:", .left = 7560, .top = 3480, .width = 2175, .height = 255, .tabIndex = 8, .backColor = rt::sys::TitleBarText, .font = {"MS Sans Serif", 8.25f, true}}};
    rt::Label lblUnitatsVelocitat2{*this, {.name = "lblUnitatsVelocitat2", .caption = "m/seg", .left = 10800, .top = 3120, .width = 735, .height = 255, .tabIndex = 7, .backColor = rt::sys::TitleBarText}};
    rt::Label lblUnitatsVelocitat1{*this, {.name = "lblUnitatsVelocitat1", .caption = "m/seg", .left = 10800, .top = 2760, .width = 735, .height = 255, .tabIndex = 6, .backColor = rt::sys::TitleBarText}};
    rt::Label lblResultatVelocitat2{*this, {.name = "lblResultatVelocitat2", .caption = "Velocitat fluid en la canonada 2:", .left = 6840, .top = 3120, .width = 2895, .height = 255, .tabIndex = 5, .backColor = rt::sys::TitleBarText, .font = {"MS Sans Serif", 8.25f, true}}};
    rt::Label lblResultatVelocitat1{*this, {.name = "lblResultatVelocitat1", .caption = "Velocitat fluid en la canonada 1:", .left = 6840, .top = 2760, .width = 3015, .height = 255, .tabIndex = 4, .backColor = rt::sys::TitleBarText, .font = {"MS Sans Serif", 8.25f, true}}};
    rt::Label lblUnitatsCabal{*this, {.name = "lblUnitatsCabal", .caption = "litres/min", .left = 10800, .top = 2400, .width = 855, .height = 255, .tabIndex = 3, .backColor = rt::sys::TitleBarText}};
    rt::Label lblCabal{*this, {.name = "lblCabal", .caption = "El valor del cabal és:", .left = 7800, .top = 2400, .width = 1815, .height = 255, .tabIndex = 2, .backColor = rt::sys::TitleBarText, .font = {"MS Sans Serif", 8.25f, true}}};
    rt::Label lblExplicacióDelVenturi{*this, {.name = "lblExplicacióDelVenturi", .caption = "El tub Venturi és un aparell que permet el càlcul de la velocitat del fluid que circula en l'interior d'una canonada i la diferència de pressió que és crean en les dues seccions. En aquest simulador, considerarem uns diàmetres de les canonades de 200 i 50 mm. El líquid que circularà serà aigua i en el manòmetre també hi haurà aigua.", .left = 3600, .top = 240, .width = 7815, .height = 735, .tabIndex = 1, .backColor = rt::sys::TitleBarText}};
    rt::Label lblTítolVenturi{*this, {.name = "lblTítolVenturi", .caption = "TUB VENTURI", .left = 360, .top = 360, .width = 2055, .height = 375, .tabIndex = 0, .backColor = rt::sys::TitleBarText, .foreColor = kRed, .font = {"MS Sans Serif", 13.5f}}};
    rt::LineControl Line20{*this, {.name = "Line20", .x1 = 1080, .y1 = 3960, .x2 = 240, .y2 = 3960, .borderWidth = 2}};
    rt::LineControl Line16{*this, {.name = "Line16", .x1 = 3600, .y1 = 5640, .x2 = 1080, .y2 = 5640, .borderWidth = 1}};
    rt::LineControl Line19{*this, {.name = "Line19", .x1 = 3720, .y1 = 5520, .x2 = 1200, .y2 = 5520, .borderWidth = 1}};
    rt::LineControl Line15{*this, {.name = "Line15", .x1 = 3720, .y1 = 7800, .x2 = 3720, .y2 = 5520, .borderWidth = 1}};
    rt::LineControl Line14{*this, {.name = "Line14", .x1 = 3600, .y1 = 7800, .x2 = 3600, .y2 = 5640, .borderWidth = 1}};
    rt::LineControl Line12{*this, {.name = "Line12", .x1 = 4440, .y1 = 3720, .x2 = 4440, .y2 = 7800, .borderWidth = 1}};
    rt::LineControl Line13{*this, {.name = "Line13", .x1 = 4560, .y1 = 3720, .x2 = 4560, .y2 = 7800, .borderWidth = 1}};
    rt::Shape Shape2{*this, {.name = "Shape2", .left = 3600, .top = 7320, .width = 975, .height = 495, .backColor = rt::sys::Window, .borderColor = rt::sys::Window}};
    rt::LineControl Line18{*this, {.name = "Line18", .x1 = 1200, .y1 = 3960, .x2 = 1200, .y2 = 5520, .borderWidth = 1}};
    rt::Shape Shape1{*this, {.name = "Shape1", .left = 3720, .top = 7560, .width = 735, .height = 495, .backColor = rt::sys::Window, .shape = rt::ShapeKind::Oval}};
    rt::LineControl Line17{*this, {.name = "Line17", .x1 = 1080, .y1 = 5640, .x2 = 1080, .y2 = 3960, .borderWidth = 1}};
    rt::LineControl Line1{*this, {.name = "Line1", .x1 = 240, .y1 = 3000, .x2 = 2520, .y2 = 3000, .borderWidth = 2}};
    rt::LineControl Line2{*this, {.name = "Line2", .x1 = 1200, .y1 = 3960, .x2 = 2520, .y2 = 3960, .borderWidth = 2}};
    rt::LineControl Line3{*this, {.name = "Line3", .x1 = 3120, .y1 = 3240, .x2 = 4800, .y2 = 3240, .borderWidth = 2}};
    rt::LineControl Line5{*this, {.name = "Line5", .x1 = 2520, .y1 = 3000, .x2 = 3120, .y2 = 3240, .borderWidth = 2}};
    rt::LineControl Line6{*this, {.name = "Line6", .x1 = 2520, .y1 = 3960, .x2 = 3120, .y2 = 3720, .borderWidth = 2}};
    rt::LineControl Line7{*this, {.name = "Line7", .x1 = 4560, .y1 = 3720, .x2 = 4800, .y2 = 3720, .borderWidth = 2}};
    rt::LineControl Line8{*this, {.name = "Line8", .x1 = 4800, .y1 = 3240, .x2 = 5400, .y2 = 2760, .borderWidth = 2}};
    rt::LineControl Line9{*this, {.name = "Line9", .x1 = 4800, .y1 = 3720, .x2 = 5400, .y2 = 4200, .borderWidth = 2}};
    rt::LineControl Line10{*this, {.name = "Line10", .x1 = 5400, .y1 = 2760, .x2 = 6600, .y2 = 2760, .borderWidth = 2}};
    rt::LineControl Line11{*this, {.name = "Line11", .x1 = 5400, .y1 = 4200, .x2 = 6600, .y2 = 4200, .borderWidth = 2}};
    rt::Shape shpCorba{*this, {.name = "shpCorba", .left = 3600, .top = 7440, .width = 975, .height = 735, .backColor = kRed, .shape = rt::ShapeKind::Oval}};
    rt::Shape shpTubVenturi4{*this, {.name = "shpTubVenturi4", .left = 4450, .top = 3720, .width = 110, .height = 2800, .backColor = kBlue, .borderColor = kBlue}};
    rt::Label lblSimbolDiametre2{*this, {.name = "lblSimbolDiametre2", .caption = "f2", .left = 3480, .top = 3360, .width = 495, .height = 255, .tabIndex = 22, .backColor = rt::sys::TitleBarText, .font = {"Symbol", 12}}};
    // clang-format on
};

// The program-wide instance of the form, as the simulators' table names it.
using Instance = rt::FormInstance<frmVenturi, Values>;

}  // namespace venturi
