#pragma once
// The program: one instance of each form for the whole run, the
// simulators' in the order of their table.

#include <memory>
#include <stdexcept>
#include <vector>

#include "menu.h"
#include "runtime/runtime.h"

namespace shell {

class Program {
public:
    Program();
    // Shows the menu; the runtime ends the program.
    void start() { rt::Runtime::instance().start(menu); }

    // The simulator of a row of the table.
    rt::FormInstanceBase& simulator(size_t row) { return *simulators_.at(row); }
    size_t simulatorCount() const { return simulators_.size(); }
    // A simulator by the type of its instance (archimedes::Instance...).
    template <class Instance>
    Instance& instance()
    {
        for (const auto& s : simulators_)
            if (auto* found = dynamic_cast<Instance*>(s.get())) return *found;
        throw std::logic_error("a simulator missing from the table");
    }

private:
    std::vector<std::unique_ptr<rt::FormInstanceBase>> simulators_;

public:
    rt::FormInstance<frmOndarell, MenuLinks> menu;
};

}  // namespace shell
