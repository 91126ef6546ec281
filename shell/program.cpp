#include "program.h"

#include "simulators.h"

namespace shell {

namespace {

std::vector<std::unique_ptr<rt::FormInstanceBase>> instances()
{
    std::vector<std::unique_ptr<rt::FormInstanceBase>> made;
    for (const Simulator& s : simulators()) made.push_back(s.makeInstance());
    return made;
}

MenuLinks links(const std::vector<std::unique_ptr<rt::FormInstanceBase>>& simulators)
{
    MenuLinks links;
    for (const auto& s : simulators) links.simulators.push_back(s.get());
    return links;
}

}  // namespace

Program::Program() : simulators_(instances()), menu(links(simulators_)) {}

}  // namespace shell
