#pragma once
// frmTorricelli: a tank with a small hole; the pupil types the heights of
// the liquid and of the hole, fills the tank and empties it, and reads the
// speed, the distance and the time of the jet.

#include "runtime/form.h"
#include "runtime/runtime.h"
#include "runtime/windowed.h"
#include "runtime/windowless.h"

namespace torricelli {

// Form values: they outlive the window and "&Esborrar".
struct Values {
    float AlturaLíquid = 0;  // twips of drawing
    float AlturaForat = 0;
};

inline constexpr rt::Color kBlack = rt::RGB(0, 0, 0);
inline constexpr rt::Color kGreen = rt::RGB(0, 128, 0);
inline constexpr rt::Color kWhite = rt::RGB(255, 255, 255);

class frmTorricelli : public rt::Form {
public:
    frmTorricelli(rt::Session& session, Values& values);

private:
    void txtAlturaLíquid_KeyDown(int KeyCode, int Shift);
    void txtAlturaForat_KeyDown(int KeyCode, int Shift);
    void txtAlturaLíquid_Click();
    void txtAlturaForat_Click();
    void cmdOmplir_Click();
    void cmdBuidar_Click();
    void cmdEsborrar_Click();
    void OmplirRecipient();
    void BuidarRecipient();

    Values& values_;

    // clang-format off
    rt::PictureBox PicEquacions{*this, {.name = "PicEquacions", .left = 7440, .top = 4920, .width = 3855, .height = 2895, .tabIndex = 19, .backColor = rt::sys::Window, .picture = ":/torricelli/equacions.svg", .description = "v és igual a l'arrel quadrada de 2 per g per la diferència entre hl i hf; e és igual a un mig per g per t al quadrat. v: velocitat del fluid, en metres per segon; g: gravetat, en metres per segon al quadrat; hl: altura del nivell del líquid, en metres; hf: altura del nivell del forat, en metres; t: temps, en segons; e: distància de caiguda, en metres."}};
    rt::Button cmdSortir{*this, {.name = "cmdSortir", .caption = "&Sortir", .left = 10320, .top = 1080, .width = 1095, .height = 495, .tabIndex = 11, .font = {"MS Sans Serif", 8.25f}}};
    rt::Button cmdEsborrar{*this, {.name = "cmdEsborrar", .caption = "&Esborrar", .left = 9120, .top = 1080, .width = 1095, .height = 495, .tabIndex = 10, .font = {"MS Sans Serif", 8.25f}}};
    rt::Button cmdBuidar{*this, {.name = "cmdBuidar", .caption = "&Buidar", .left = 7800, .top = 1080, .width = 1215, .height = 495, .tabIndex = 6, .font = {"MS Sans Serif", 8.25f}}};
    rt::Button cmdOmplir{*this, {.name = "cmdOmplir", .caption = "&Omplir", .left = 6480, .top = 1080, .width = 1215, .height = 495, .tabIndex = 5, .font = {"MS Sans Serif", 8.25f}}};
    rt::TextBox txtAlturaForat{*this, {.name = "txtAlturaForat", .caption = "", .left = 4800, .top = 1080, .width = 495, .height = 375, .tabIndex = 4, .font = {"MS Sans Serif", 8.25f}, .accessibleName = "Altura del forat en metres"}};
    rt::TextBox txtAlturaLíquid{*this, {.name = "txtAlturaLíquid", .caption = "", .left = 2040, .top = 1080, .width = 495, .height = 360, .tabIndex = 2, .font = {"MS Sans Serif", 8.25f}, .accessibleName = "Altura del líquid en metres"}};
    rt::LineControl Line1{*this, {.name = "Line1", .x1 = 600, .y1 = 8040, .x2 = 9720, .y2 = 8040, .borderWidth = 3}};
    rt::Label lblTítolEquacions{*this, {.name = "lblTítolEquacions", .caption = "EQUACIONS EMPRADES", .left = 7440, .top = 4560, .width = 3135, .height = 375, .tabIndex = 18, .backColor = rt::sys::TitleBarText, .foreColor = rt::RGB(255, 0, 0), .font = {"Arial", 12, true}}};
    rt::Label lblDistància{*this, {.name = "lblDistància", .caption = "", .left = 3480, .top = 8160, .width = 2175, .height = 375, .tabIndex = 17, .backColor = rt::sys::HighlightText, .font = {"MS Sans Serif", 8.25f}, .accessibleName = "Distància des de la paret fins on el raig toca a terra"}};
    rt::Label lblRespostaTempsTranscorregut{*this, {.name = "lblRespostaTempsTranscorregut", .caption = "", .left = 8880, .top = 3600, .width = 1335, .height = 375, .tabIndex = 16, .backColor = rt::sys::HighlightText, .foreColor = rt::RGB(0, 0, 255), .font = {"MS Sans Serif", 8.25f}, .border = true, .captionLabel = &lblTempsTranscorregut}};
    rt::Label lblRespostaEspaiRecorregut{*this, {.name = "lblRespostaEspaiRecorregut", .caption = "", .left = 8880, .top = 3000, .width = 1335, .height = 375, .tabIndex = 15, .backColor = rt::sys::HighlightText, .foreColor = rt::RGB(0, 0, 255), .font = {"MS Sans Serif", 8.25f}, .border = true, .captionLabel = &lblEspaiRecorregut}};
    rt::Label lblRespostaVelocitat{*this, {.name = "lblRespostaVelocitat", .caption = "", .left = 8880, .top = 2400, .width = 1335, .height = 375, .tabIndex = 14, .backColor = rt::sys::HighlightText, .foreColor = rt::RGB(0, 0, 255), .font = {"MS Sans Serif", 8.25f}, .border = true, .captionLabel = &lblVelocitat}};
    rt::Label lblAvis{*this, {.name = "lblAvis", .caption = "", .left = 240, .top = 1560, .width = 5895, .height = 615, .tabIndex = 13, .backColor = rt::sys::TitleBarText, .foreColor = rt::RGB(255, 0, 0), .announced = true}};
    rt::Label lblExplicacioInicial{*this, {.name = "lblExplicacioInicial", .caption = "L'equació de Torricelli ens diu que la sortida de líquid d'un dipòsit per un forat de petites dimensions, és la mateixa que tindria una partícula de fluid en caure lliurement des de la superfície de líquid al centre del forat. En aquesta simulació l'altura màxima de càlcul és de 10 m.", .left = 4680, .top = 240, .width = 6975, .height = 615, .tabIndex = 12, .font = {"MS Sans Serif", 8.25f}}};
    rt::Label lblTempsTranscorregut{*this, {.name = "lblTempsTranscorregut", .caption = "Temps transcorregut en caure el raig des de que surt del dipòsit:", .left = 3840, .top = 3600, .width = 4815, .height = 255, .tabIndex = 9, .backColor = rt::sys::TitleBarText, .font = {"MS Sans Serif", 8.25f}}};
    rt::Label lblEspaiRecorregut{*this, {.name = "lblEspaiRecorregut", .caption = "Distància màxima que arriba el raig de líquid:", .left = 5160, .top = 3000, .width = 3375, .height = 255, .tabIndex = 8, .backColor = rt::sys::TitleBarText, .font = {"MS Sans Serif", 8.25f}}};
    rt::Label lblVelocitat{*this, {.name = "lblVelocitat", .caption = "Velocitat màxima de sortida del líquid:", .left = 5640, .top = 2400, .width = 2775, .height = 255, .tabIndex = 7, .backColor = rt::sys::TitleBarText, .font = {"MS Sans Serif", 8.25f}}};
    rt::Label lblForat{*this, {.name = "lblForat", .caption = "Altura del forat en metres:", .left = 2880, .top = 1200, .width = 1935, .height = 255, .tabIndex = 3, .backColor = rt::sys::HighlightText, .font = {"MS Sans Serif", 8.25f}}};
    rt::Label lblAltura{*this, {.name = "lblAltura", .caption = "Altura del líquid en metres:", .left = 120, .top = 1200, .width = 1935, .height = 255, .tabIndex = 1, .backColor = rt::sys::HighlightText, .font = {"MS Sans Serif", 8.25f}}};
    rt::Label lblTorricelli{*this, {.name = "lblTorricelli", .caption = "EQUACIÓ DE TORRICELLI", .left = 840, .top = 480, .width = 3375, .height = 375, .tabIndex = 0, .backColor = rt::sys::TitleBarText, .foreColor = rt::RGB(192, 0, 0), .font = {"Arial", 12, true}}};
    rt::Image imgDipositInicial{*this, {.name = "imgDipositInicial", .left = 360, .top = 4200, .width = 9000, .height = 4500, .picture = ":/torricelli/diposit.svg", .description = "Un dipòsit ple de líquid amb un forat a la paret dreta: el raig surt pel forat i cau a terra. Dues fletxes marquen l'altura del forat i la del nivell de l'aigua."}};
    rt::LineControl Line2{*this, {.name = "Line2", .x1 = 2640, .y1 = 5400, .x2 = 2640, .y2 = 8000, .borderColor = kBlack, .borderWidth = 3}};
    rt::LineControl Line3{*this, {.name = "Line3", .x1 = 600, .y1 = 5400, .x2 = 600, .y2 = 8000, .borderColor = kBlack, .borderWidth = 3}};
    // clang-format on
};

// The program-wide instance of the form, as the simulators' table names it.
using Instance = rt::FormInstance<frmTorricelli, Values>;

}  // namespace torricelli
