#pragma once
// The program: its session, and one instance of each form for the whole
// run, the simulators' in the order of their table.

#include <memory>
#include <stdexcept>
#include <vector>

#include "menu.h"
#include "runtime/runtime.h"

namespace shell {

class Program {
public:
    explicit Program(rt::Runtime::Options options = {});
    // Shows the menu; the runtime ends the program.
    void start() { runtime_.start(menu); }
    rt::Runtime& session() { return runtime_; }

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
    // Made first and gone last: every form instance is the session's.
    rt::Runtime runtime_;
    std::vector<std::unique_ptr<rt::FormInstanceBase>> simulators_;

public:
    rt::FormInstance<frmOndarell, MenuLinks> menu;
};

}  // namespace shell
