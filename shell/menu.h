#pragma once
// frmOndarell: the menu form, from which the pupil opens each simulator.

#include "runtime/form.h"
#include "runtime/runtime.h"
#include "runtime/windowed.h"
#include "runtime/windowless.h"

namespace shell {

// The simulators the menu opens.
struct MenuLinks {
    rt::FormInstanceBase* arquimedes = nullptr;
    rt::FormInstanceBase* torricelli = nullptr;
    rt::FormInstanceBase* cabal = nullptr;
    rt::FormInstanceBase* pascal = nullptr;
    rt::FormInstanceBase* venturi = nullptr;
};

inline constexpr rt::Color kMenuBack = rt::RGB(0, 255, 255);
inline constexpr const char* kCredit = "Simuladors d´Ondarell     Equip Ondarell, 2026";

class frmOndarell : public rt::Form {
public:
    explicit frmOndarell(MenuLinks& links);

private:
    void cmdArquímedes_Click() { open(links_.arquimedes); }
    void cmdTorricelli_Click() { open(links_.torricelli); }
    void cmdContinuïtat_Click() { open(links_.cabal); }
    void cmdPascal_Click() { open(links_.pascal); }
    void cmdVenturi_Click() { open(links_.venturi); }
    void cmdSortir_Click() { rt::End(); }
    // The menu is gone before the simulator shows.
    void open(rt::FormInstanceBase* simulator);

    MenuLinks& links_;

    // clang-format off
    rt::Button cmdArquímedes{*this, {.name = "cmdArquímedes", .caption = "&Arquímedes", .left = 480, .top = 5520, .width = 1335, .height = 615, .tabIndex = 0}};
    rt::Button cmdTorricelli{*this, {.name = "cmdTorricelli", .caption = "&Torricelli", .left = 2400, .top = 5520, .width = 1335, .height = 615, .tabIndex = 1}};
    rt::Label lblTítolPrograma{*this, {.name = "lblTítolPrograma", .caption = "Programes d'ondarell", .left = 2040, .top = 1080, .width = 9135, .height = 855, .tabIndex = 2, .backColor = kMenuBack, .foreColor = rt::RGB(0, 0, 192), .font = {"Dutch801 XBd BT", 36, true, true}}};
    rt::Button cmdContinuïtat{*this, {.name = "cmdContinuïtat", .caption = "&Equació de continuïtat", .left = 4320, .top = 5520, .width = 1215, .height = 615, .tabIndex = 3}};
    rt::Label Label1{*this, {.name = "Label1", .caption = kCredit, .left = 9360, .top = 7440, .width = 1935, .height = 495, .tabIndex = 4, .backColor = kMenuBack}};
    rt::Button cmdPascal{*this, {.name = "cmdPascal", .caption = "&Pascal", .left = 6120, .top = 5520, .width = 1335, .height = 615, .tabIndex = 5}};
    rt::Button cmdVenturi{*this, {.name = "cmdVenturi", .caption = "&Venturi", .left = 8040, .top = 5520, .width = 1335, .height = 615, .tabIndex = 6}};
    rt::Button cmdSortir{*this, {.name = "cmdSortir", .caption = "&Sortir", .left = 9960, .top = 5520, .width = 1335, .height = 615, .tabIndex = 7}};
    // clang-format on
};

}  // namespace shell
