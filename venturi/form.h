#pragma once
// frmVenturi: for now its caption, its colours and the way back to the menu.

#include "runtime/form.h"
#include "runtime/runtime.h"
#include "runtime/windowed.h"

namespace venturi {

class frmVenturi : public rt::Form {
public:
    frmVenturi() : Form({.name = "frmVenturi", .caption = "Efecte Venturi", .backColor = rt::sys::TitleBarText})
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
    rt::Button cmdSortir{*this, {.name = "cmdSortir", .caption = "&Sortir", .left = 10320, .top = 1200, .width = 1095, .height = 495, .tabIndex = 18}};
    // clang-format on
};

}  // namespace venturi
