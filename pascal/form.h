#pragma once
// frmPascal: for now its caption, its colours and the way back to the menu.

#include "runtime/form.h"
#include "runtime/runtime.h"
#include "runtime/windowed.h"

namespace pascal {

class frmPascal : public rt::Form {
public:
    frmPascal() : Form({.name = "frmPascal", .caption = "Principi de Pascal", .backColor = rt::sys::TitleBarText})
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
    rt::Button cmdSortir{*this, {.name = "cmdSortir", .caption = "&Sortir", .left = 10440, .top = 240, .width = 1095, .height = 495, .tabIndex = 18}};
    // clang-format on
};

}  // namespace pascal
