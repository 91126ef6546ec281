#pragma once
// frmPascal: a hydraulic press in section. From the applied force and the
// two pistons' diameters the form computes the pressure and the resulting
// force, and animates one stroke of the press.

#include "runtime/form.h"
#include "runtime/runtime.h"
#include "runtime/windowed.h"
#include "runtime/windowless.h"

namespace pascal {

inline constexpr rt::Color kWeight = rt::RGB(192, 64, 0);
inline constexpr rt::Color kLiquid = rt::RGB(0, 255, 255);
inline constexpr rt::Color kPiston = rt::RGB(64, 64, 64);
inline constexpr rt::Color kBackground = rt::RGB(255, 255, 255);
inline constexpr rt::Color kTitle = rt::RGB(192, 0, 0);

class frmPascal : public rt::Form {
public:
    explicit frmPascal(rt::Session& session);

private:
    void cmdCalcular_Click();
    void cmdSimular_Click();
    void cmdEsborrar_Click();
    void Form_Click();
    void HSBForçaAplicada_Change();
    void HSBDiàmetreÈmbol1_Change();
    void HSBDiàmetreÈmbol2_Change();
    void Netejar();
    // The non-return valve's ball and spring, at rest or pushed open.
    void placeValve(bool open);
    // The stop valve's bore: along the pipe (open) or across it (closed).
    void placeStopValve(bool open);

    // clang-format off
    rt::Button cmdCalcular{*this, {.name = "cmdCalcular", .caption = "&Calcular", .left = 6360, .top = 240, .width = 1215, .height = 495, .tabIndex = 15, .font = {"MS Sans Serif", 8.25f}}};
    rt::Button cmdSimular{*this, {.name = "cmdSimular", .caption = "S&imular", .left = 7800, .top = 240, .width = 1215, .height = 495, .tabIndex = 16, .font = {"MS Sans Serif", 8.25f}}};
    rt::Button cmdEsborrar{*this, {.name = "cmdEsborrar", .caption = "&Esborrar", .left = 9240, .top = 240, .width = 975, .height = 495, .tabIndex = 17, .font = {"MS Sans Serif", 8.25f}}};
    rt::Button cmdSortir{*this, {.name = "cmdSortir", .caption = "&Sortir", .left = 10440, .top = 240, .width = 1095, .height = 495, .tabIndex = 18, .font = {"MS Sans Serif", 8.25f}}};
    rt::HScrollBar HSBForçaAplicada{*this, {.name = "HSBForçaAplicada", .left = 1560, .top = 720, .width = 1935, .height = 255, .tabIndex = 12, .min = 10, .max = 5000, .value = 10, .accessibleName = "Força aplicada", .valueLabel = &lblUnitatsForça}};
    rt::HScrollBar HSBDiàmetreÈmbol1{*this, {.name = "HSBDiàmetreÈmbol1", .left = 1560, .top = 1080, .width = 1935, .height = 255, .tabIndex = 13, .min = 10, .max = 200, .value = 10, .accessibleName = "Diàmetre èmbol 1", .valueLabel = &lblUnitatsDiàmetre1}};
    rt::HScrollBar HSBDiàmetreÈmbol2{*this, {.name = "HSBDiàmetreÈmbol2", .left = 1560, .top = 1440, .width = 1935, .height = 255, .tabIndex = 14, .min = 200, .max = 1000, .value = 200, .accessibleName = "Diàmetre èmbol 2", .valueLabel = &lblUnitatsDiàmetre2}};

    // The windowless controls, from the top of the stacking down.
    rt::Image imgFletxesAmunt3{*this, {.name = "imgFletxesAmunt3", .left = 8280, .top = 4680, .width = 1425, .height = 300, .picture = ":/pascal/amunt.svg"}};
    rt::Image imgFletxesAmunt2{*this, {.name = "imgFletxesAmunt2", .left = 9480, .top = 4680, .width = 1425, .height = 300, .picture = ":/pascal/amunt.svg"}};
    rt::Image imgFletxesAmunt1{*this, {.name = "imgFletxesAmunt1", .left = 7080, .top = 4680, .width = 1425, .height = 300, .picture = ":/pascal/amunt.svg", .description = "Fletxes amunt: la força resultant empeny l'èmbol 2."}};
    rt::Image imgFletxesAvall{*this, {.name = "imgFletxesAvall", .left = 840, .top = 3000, .width = 1425, .height = 300, .picture = ":/pascal/avall.svg", .description = "Fletxes avall: la força aplicada empeny l'èmbol 1."}};
    rt::Label lblTítolEquacions{*this, {.name = "lblTítolEquacions", .caption = "EQUACIONS EMPRADES", .left = 3240, .top = 4200, .width = 2775, .height = 255, .tabIndex = 20, .backColor = rt::sys::HighlightText, .foreColor = rt::RGB(255, 0, 0), .font = {"Arial", 9.75f, true}, .alignment = rt::Align::Center}};
    rt::Label lblPressioResultant{*this, {.name = "lblPressioResultant", .caption = "", .left = 9360, .top = 1080, .width = 1095, .height = 255, .tabIndex = 19, .backColor = rt::sys::TitleBarText, .foreColor = rt::RGB(0, 0, 255), .font = {"Arial", 9.75f}, .border = true, .captionLabel = &lblPressió, .unitLabel = &lblUnitatsPressió}};
    rt::Image imgPasEquacions{*this, {.name = "imgPasEquacions", .left = 3360, .top = 4560, .width = 2745, .height = 2010, .picture = ":/pascal/equacions.svg", .description = "P és igual a F dividit per A1, i també a R dividit per A2. P: pressió del líquid, en pascals; F: força aplicada, en newtons; R: força resultant, en newtons; A1 i A2: seccions dels èmbols, en metres quadrats."}};
    rt::Label lblPes2{*this, {.name = "lblPes2", .caption = "Força Resultant", .left = 7920, .top = 4200, .width = 2295, .height = 255, .tabIndex = 11, .backColor = kWeight, .foreColor = rt::sys::HighlightText, .font = {"Arial", 9.75f}, .alignment = rt::Align::Center, .announced = true}};
    rt::Label lblPes1{*this, {.name = "lblPes1", .caption = "Força Aplicada", .left = 840, .top = 2640, .width = 1575, .height = 255, .tabIndex = 10, .backColor = kWeight, .foreColor = rt::sys::HighlightText, .font = {"Arial", 9}, .alignment = rt::Align::Center}};
    rt::Shape shpPes2{*this, {.name = "shpPes2", .left = 6840, .top = 3960, .width = 4335, .height = 735, .backColor = kWeight, .shape = rt::ShapeKind::RoundedRectangle, .accessibleName = "Pes 2"}};
    rt::Shape shpPes1{*this, {.name = "shpPes1", .left = 840, .top = 2500, .width = 1575, .height = 495, .backColor = kWeight, .shape = rt::ShapeKind::RoundedRectangle, .accessibleName = "Pes 1"}};
    rt::Shape shpCanonada4{*this, {.name = "shpCanonada4", .left = 5780, .top = 7180, .width = 210, .height = 495, .backColor = kLiquid, .borderColor = kLiquid}};
    rt::Shape shpCanonada3{*this, {.name = "shpCanonada3", .left = 5060, .top = 6970, .width = 930, .height = 210, .backColor = kLiquid, .borderColor = kLiquid}};
    rt::Shape shpCanonada2{*this, {.name = "shpCanonada2", .left = 3680, .top = 6970, .width = 855, .height = 210, .backColor = kLiquid, .borderColor = kLiquid}};
    rt::Shape shpCanonada1{*this, {.name = "shpCanonada1", .left = 3500, .top = 6980, .width = 210, .height = 755, .backColor = kLiquid, .borderColor = kLiquid}};
    rt::LineControl Line24{*this, {.name = "Line24", .x1 = 6000, .y1 = 6960, .x2 = 5040, .y2 = 6960, .borderWidth = 2}};
    rt::LineControl Line23{*this, {.name = "Line23", .x1 = 5760, .y1 = 7200, .x2 = 5040, .y2 = 7200, .borderWidth = 2}};
    rt::LineControl Line22{*this, {.name = "Line22", .x1 = 6000, .y1 = 7560, .x2 = 6600, .y2 = 7560, .borderWidth = 3}};
    rt::LineControl Line21{*this, {.name = "Line21", .x1 = 3720, .y1 = 7560, .x2 = 5760, .y2 = 7560, .borderWidth = 3}};
    rt::LineControl Line20{*this, {.name = "Line20", .x1 = 4900, .y1 = 6840, .x2 = 4900, .y2 = 7320, .borderWidth = 2}};
    rt::LineControl Line19{*this, {.name = "Line19", .x1 = 4700, .y1 = 6840, .x2 = 4700, .y2 = 7320, .borderWidth = 2}};
    rt::Shape shpVàlvulaDePas{*this, {.name = "shpVàlvulaDePas", .left = 4560, .top = 6840, .width = 495, .height = 495, .backColor = kLiquid, .backStyle = rt::BackStyle::Transparent, .shape = rt::ShapeKind::Circle, .borderWidth = 2, .accessibleName = "Vàlvula de pas tancada"}};
    rt::LineControl Line18{*this, {.name = "Line18", .x1 = 3720, .y1 = 7200, .x2 = 4560, .y2 = 7200, .borderWidth = 2}};
    rt::LineControl Line17{*this, {.name = "Line17", .x1 = 3720, .y1 = 7560, .x2 = 3720, .y2 = 7200, .borderWidth = 2}};
    rt::LineControl Line16{*this, {.name = "Line16", .x1 = 6000, .y1 = 6960, .x2 = 6000, .y2 = 7560, .borderWidth = 2}};
    rt::LineControl Line15{*this, {.name = "Line15", .x1 = 5760, .y1 = 7200, .x2 = 5760, .y2 = 7560, .borderWidth = 2}};
    rt::LineControl Line14{*this, {.name = "Line14", .x1 = 3480, .y1 = 6960, .x2 = 4560, .y2 = 6960, .borderWidth = 2}};
    rt::LineControl Line13{*this, {.name = "Line13", .x1 = 3480, .y1 = 7560, .x2 = 3480, .y2 = 6960, .borderWidth = 2}};
    rt::LineControl Line12{*this, {.name = "Line12", .x1 = 4320, .y1 = 7800, .x2 = 4080, .y2 = 7800, .borderWidth = 2}};
    rt::LineControl Line11{*this, {.name = "Line11", .x1 = 4920, .y1 = 7920, .x2 = 4800, .y2 = 7800, .borderWidth = 2}};
    rt::LineControl Line10{*this, {.name = "Line10", .x1 = 5280, .y1 = 7680, .x2 = 5400, .y2 = 7920, .borderWidth = 2}};
    rt::LineControl Line9{*this, {.name = "Line9", .x1 = 5160, .y1 = 7920, .x2 = 5280, .y2 = 7680, .borderWidth = 2}};
    rt::LineControl Line8{*this, {.name = "Line8", .x1 = 5040, .y1 = 7680, .x2 = 5160, .y2 = 7920, .borderWidth = 2}};
    rt::LineControl Line7{*this, {.name = "Line7", .x1 = 4920, .y1 = 7920, .x2 = 5040, .y2 = 7680, .borderWidth = 2}};
    rt::LineControl lineAntirretorn2{*this, {.name = "lineAntirretorn2", .x1 = 4320, .y1 = 7800, .x2 = 4680, .y2 = 8000, .borderWidth = 2}};
    rt::LineControl LineAntirretorn1{*this, {.name = "LineAntirretorn1", .x1 = 4680, .y1 = 7560, .x2 = 4320, .y2 = 7800, .borderWidth = 2}};
    rt::Shape shpAntirretorn1{*this, {.name = "shpAntirretorn1", .left = 4440, .top = 7650, .width = 450, .height = 300, .shape = rt::ShapeKind::Circle, .borderWidth = 2, .accessibleName = "Vàlvula antiretorn"}};
    rt::Label lblResultats{*this, {.name = "lblResultats", .caption = "Resultat", .left = 7320, .top = 1080, .width = 1215, .height = 375, .tabIndex = 9, .backColor = rt::sys::TitleBarText, .foreColor = kTitle, .font = {"Arial", 12, true}}};
    rt::Label lblUnitatsPressió{*this, {.name = "lblUnitatsPressió", .caption = "MPascals", .left = 10560, .top = 1080, .width = 735, .height = 255, .tabIndex = 8, .backColor = rt::sys::TitleBarText, .font = {"MS Sans Serif", 8.25f}}};
    rt::Label lblPressió{*this, {.name = "lblPressió", .caption = "Pressió:", .left = 8640, .top = 1080, .width = 735, .height = 255, .tabIndex = 7, .backColor = rt::sys::TitleBarText, .font = {"MS Sans Serif", 8.25f}}};
    rt::Shape shpÈmbol2{*this, {.name = "shpÈmbol2", .left = 6600, .top = 4680, .width = 4770, .height = 375, .backColor = kPiston, .accessibleName = "Èmbol 2"}};
    rt::Shape shpÈmbol1{*this, {.name = "shpÈmbol1", .left = 630, .top = 3000, .width = 1995, .height = 375, .backColor = kPiston, .accessibleName = "Èmbol 1"}};
    rt::Label lblUnitatsDiàmetre2{*this, {.name = "lblUnitatsDiàmetre2", .caption = "200 mm", .left = 3720, .top = 1440, .width = 735, .height = 255, .tabIndex = 6, .backColor = rt::sys::TitleBarText, .font = {"MS Sans Serif", 8.25f}}};
    rt::Label lblUnitatsDiàmetre1{*this, {.name = "lblUnitatsDiàmetre1", .caption = "10 mm", .left = 3720, .top = 1080, .width = 735, .height = 255, .tabIndex = 5, .backColor = rt::sys::TitleBarText, .font = {"MS Sans Serif", 8.25f}}};
    rt::Label lblUnitatsForça{*this, {.name = "lblUnitatsForça", .caption = "10 Newtons", .left = 3720, .top = 720, .width = 1215, .height = 255, .tabIndex = 4, .backColor = rt::sys::TitleBarText, .font = {"MS Sans Serif", 8.25f}}};
    rt::Label lblDiàmetre2{*this, {.name = "lblDiàmetre2", .caption = "Diàmetre èmbol 2:", .left = 120, .top = 1440, .width = 1335, .height = 255, .tabIndex = 3, .backColor = rt::sys::HighlightText, .font = {"MS Sans Serif", 8.25f}}};
    rt::Shape shpLíquidRecipient2{*this, {.name = "shpLíquidRecipient2", .left = 6630, .top = 5000, .width = 4770, .height = 3000, .backColor = kLiquid, .borderVisible = false}};
    rt::Shape shpLiquidCanonada{*this, {.name = "shpLiquidCanonada", .left = 2600, .top = 7600, .width = 4100, .height = 390, .backColor = kLiquid, .borderVisible = false}};
    rt::Shape shpLíquidRecipient1{*this, {.name = "shpLíquidRecipient1", .left = 630, .top = 3000, .width = 1995, .height = 5000, .backColor = kLiquid, .borderVisible = false}};
    rt::LineControl Line6{*this, {.name = "Line6", .x1 = 11400, .y1 = 2900, .x2 = 11400, .y2 = 8000, .borderWidth = 3}};
    rt::LineControl Line5{*this, {.name = "Line5", .x1 = 6600, .y1 = 2900, .x2 = 6600, .y2 = 7560, .borderWidth = 3}};
    rt::LineControl Line4{*this, {.name = "Line4", .x1 = 3480, .y1 = 7560, .x2 = 2640, .y2 = 7560, .borderWidth = 3}};
    rt::LineControl Line3{*this, {.name = "Line3", .x1 = 600, .y1 = 2900, .x2 = 600, .y2 = 8000, .borderWidth = 3}};
    rt::LineControl Line2{*this, {.name = "Line2", .x1 = 2640, .y1 = 2900, .x2 = 2640, .y2 = 7560, .borderWidth = 3}};
    rt::LineControl Line1{*this, {.name = "Line1", .x1 = 600, .y1 = 8000, .x2 = 11400, .y2 = 8000, .borderWidth = 3}};
    rt::Label lblDiàmetre1{*this, {.name = "lblDiàmetre1", .caption = "Diàmetre èmbol 1:", .left = 120, .top = 1080, .width = 1335, .height = 255, .tabIndex = 2, .backColor = rt::sys::HighlightText, .font = {"MS Sans Serif", 8.25f}}};
    rt::Label lblForçaAplicada1{*this, {.name = "lblForçaAplicada1", .caption = "Força aplicada", .left = 120, .top = 720, .width = 1215, .height = 255, .tabIndex = 1, .backColor = rt::sys::HighlightText, .font = {"MS Sans Serif", 8.25f}}};
    rt::Label lblPascal{*this, {.name = "lblPascal", .caption = "PRINCIPI DE PASCAL", .left = 960, .top = 240, .width = 3255, .height = 375, .tabIndex = 0, .backColor = rt::sys::TitleBarText, .foreColor = kTitle, .font = {"Arial", 12, true}}};
    // clang-format on
};

// The program-wide instance of the form, as the simulators' table names it.
using Instance = rt::FormInstance<frmPascal>;

}  // namespace pascal
