#include "menu.h"

#include "simulators.h"

namespace shell {

using namespace rt;

frmOndarell::frmOndarell(rt::Session& session, MenuLinks& links)
    : Form(session, {.name = "frmOndarell",
                     .caption = "Ondarell",
                     .description = "Cinc simuladors de mecànica de fluids: el principi d'Arquímedes, el teorema de "
                                    "Torricelli, l'equació de continuïtat, el principi de Pascal i el tub de Venturi.",
                     .help = "programa",
                     .backColor = kMenuBack,
                     .icon = ":/icon.svg"}),
      links_(links)
{
    const auto rows = simulators();
    for (size_t row = 0; row < rows.size(); ++row) {
        simulatorButtons_.push_back(std::make_unique<Button>(*this, rows[row].button));
        simulatorButtons_.back()->onClick([this, row] { open(links_.simulators.at(row)); });
    }
    cmdSortir.onClick([this] { cmdSortir_Click(); });
}

void frmOndarell::open(FormInstanceBase* simulator)
{
    Unload();
    simulator->Show();
}

}  // namespace shell
