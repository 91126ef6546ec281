#pragma once
// frmCabal: for now its caption, its colours and the way back to the menu.

#include "runtime/form.h"
#include "runtime/runtime.h"
#include "runtime/windowed.h"

namespace cabal {

class frmCabal : public rt::Form {
public:
    frmCabal() : Form({.name = "frmCabal", .caption = "Equació de continuïtat", .backColor = rt::RGB(192, 255, 255)})
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
    rt::Button cmdSortir{*this, {.name = "cmdSortir", .caption = "&Sortir", .left = 9360, .top = 1920, .width = 1215, .height = 495, .tabIndex = -1}};
    // clang-format on
};

}  // namespace cabal
