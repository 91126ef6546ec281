#pragma once
// The program: its session, and one instance of each form for the whole
// run, the simulators' in the order of their table.

#include <memory>
#include <stdexcept>
#include <vector>

#include "help/help_window.h"
#include "menu.h"
#include "runtime/runtime.h"

namespace shell {

class Program {
public:
    explicit Program(rt::Runtime::Options options = {});
    ~Program();
    // Shows the menu, which says for a moment where the help is; the
    // runtime ends the program.
    void start();
    rt::Runtime& session() { return runtime_; }
    // F1: the help window at `target`, made the first time it is asked for.
    void showHelp(const QString& target);
    help::HelpWindow* helpWindow() const { return help_.get(); }

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
    std::unique_ptr<help::HelpWindow> help_;

public:
    rt::FormInstance<frmOndarell, MenuLinks> menu;
};

}  // namespace shell
