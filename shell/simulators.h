#pragma once
// The simulators, a row each: the button that opens it on the menu, as
// designed, and its form. The menu, the program's form instances, the
// navigation tests and the benchmarks all go through this table; a new
// simulator is a new folder and a row here.

#include <memory>
#include <span>

#include "runtime/props.h"
#include "runtime/runtime.h"

namespace shell {

struct Simulator {
    rt::ButtonProps button;  // designer name, caption with its access key, place
    std::unique_ptr<rt::FormInstanceBase> (*makeInstance)(rt::Runtime& runtime);
};

std::span<const Simulator> simulators();

}  // namespace shell
