#include "program.h"

#include "simulators.h"

namespace shell {

namespace {

std::vector<std::unique_ptr<rt::FormInstanceBase>> instances(rt::Runtime& runtime)
{
    std::vector<std::unique_ptr<rt::FormInstanceBase>> made;
    for (const Simulator& s : simulators()) made.push_back(s.makeInstance(runtime));
    return made;
}

MenuLinks links(const std::vector<std::unique_ptr<rt::FormInstanceBase>>& simulators)
{
    MenuLinks links;
    for (const auto& s : simulators) links.simulators.push_back(s.get());
    return links;
}

}  // namespace

Program::Program(rt::Runtime::Options options)
    : runtime_(options), simulators_(instances(runtime_)), menu(runtime_, links(simulators_))
{
}

}  // namespace shell
