#pragma once
// frmOndarell: the menu form, from which the pupil opens each simulator.

#include <memory>
#include <vector>

#include "runtime/form.h"
#include "runtime/runtime.h"
#include "runtime/windowed.h"
#include "runtime/windowless.h"

namespace shell {

// The simulators the menu opens, a row of the simulators' table each.
struct MenuLinks {
    std::vector<rt::FormInstanceBase*> simulators;
};

inline constexpr rt::Color kMenuBack = rt::RGB(0, 255, 255);
inline constexpr const char* kCredit = "Simuladors d´Ondarell     Equip Ondarell, 2026";

class frmOndarell : public rt::Form {
public:
    frmOndarell(rt::Session& session, MenuLinks& links);

private:
    void cmdSortir_Click() { End(); }
    // A simulator's button (cmdArquímedes_Click, ...): the menu is gone
    // before the simulator shows.
    void open(rt::FormInstanceBase* simulator);

    MenuLinks& links_;
    // The simulators' buttons, as the table places them.
    std::vector<std::unique_ptr<rt::Button>> simulatorButtons_;

    // clang-format off
    rt::Label lblTítolPrograma{*this, {.name = "lblTítolPrograma", .caption = "Programes d'ondarell", .left = 2040, .top = 1080, .width = 9135, .height = 855, .tabIndex = 2, .backColor = kMenuBack, .foreColor = rt::RGB(0, 0, 192), .font = {"Dutch801 XBd BT", 36, true, true}}};
    rt::Label Label1{*this, {.name = "Label1", .caption = kCredit, .left = 9360, .top = 7440, .width = 1935, .height = 495, .tabIndex = 4, .backColor = kMenuBack}};
    rt::Button cmdSortir{*this, {.name = "cmdSortir", .caption = "&Sortir", .left = 9960, .top = 5520, .width = 1335, .height = 615, .tabIndex = 7}};
    // clang-format on
};

}  // namespace shell
