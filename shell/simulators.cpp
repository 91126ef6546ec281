#include "simulators.h"

#include "archimedes/form.h"
#include "continuity/form.h"
#include "pascal/form.h"
#include "torricelli/form.h"
#include "venturi/form.h"

namespace shell {

namespace {

template <class Instance>
std::unique_ptr<rt::FormInstanceBase> make(rt::Runtime& runtime)
{
    return std::make_unique<Instance>(runtime);
}

// clang-format off
const Simulator kSimulators[] = {
    {{.name = "cmdArquímedes", .caption = "&Arquímedes", .left = 480, .top = 5520, .width = 1335, .height = 615, .tabIndex = 0}, make<archimedes::Instance>},
    {{.name = "cmdTorricelli", .caption = "&Torricelli", .left = 2400, .top = 5520, .width = 1335, .height = 615, .tabIndex = 1}, make<torricelli::Instance>},
    {{.name = "cmdContinuïtat", .caption = "&Equació de continuïtat", .left = 4320, .top = 5520, .width = 1215, .height = 615, .tabIndex = 3}, make<continuity::Instance>},
    {{.name = "cmdPascal", .caption = "&Pascal", .left = 6120, .top = 5520, .width = 1335, .height = 615, .tabIndex = 5}, make<pascal::Instance>},
    {{.name = "cmdVenturi", .caption = "&Venturi", .left = 8040, .top = 5520, .width = 1335, .height = 615, .tabIndex = 6}, make<venturi::Instance>},
};
// clang-format on

}  // namespace

std::span<const Simulator> simulators()
{
    return kSimulators;
}

}  // namespace shell
