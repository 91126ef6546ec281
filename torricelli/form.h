#pragma once
// frmTorricelli: for now its caption, its colours and the way back to the menu.

#include "runtime/form.h"
#include "runtime/runtime.h"
#include "runtime/windowed.h"

namespace torricelli {

class frmTorricelli : public rt::Form {
public:
    frmTorricelli()
        : Form({.name = "frmTorricelli", .caption = "Teorema de Torricelli", .backColor = rt::sys::TitleBarText})
    {
        cmdSortir.onClick([this] { cmdSortir_Click(); });
    }

private:
    void cmdSortir_Click()
    {
        rt::ShowStartupForm();
        Unload();
    }

    // clang-format off
    rt::Button cmdSortir{*this, {.name = "cmdSortir", .caption = "&Sortir", .left = 10320, .top = 1080, .width = 1095, .height = 495, .tabIndex = 11}};
    // clang-format on
};

}  // namespace torricelli
