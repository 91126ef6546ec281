#include "menu.h"

namespace shell {

using namespace rt;

frmOndarell::frmOndarell(MenuLinks& links)
    : Form({.name = "frmOndarell",
            .caption = "Ondarell",
            .description = "Cinc simuladors de mecànica de fluids: el principi d'Arquímedes, el teorema de "
                           "Torricelli, l'equació de continuïtat, el principi de Pascal i el tub de Venturi.",
            .backColor = kMenuBack,
            .icon = ":/icon.svg"}),
      links_(links)
{
    cmdArquímedes.onClick([this] { cmdArquímedes_Click(); });
    cmdTorricelli.onClick([this] { cmdTorricelli_Click(); });
    cmdContinuïtat.onClick([this] { cmdContinuïtat_Click(); });
    cmdPascal.onClick([this] { cmdPascal_Click(); });
    cmdVenturi.onClick([this] { cmdVenturi_Click(); });
    cmdSortir.onClick([this] { cmdSortir_Click(); });
}

void frmOndarell::open(FormInstanceBase* simulator)
{
    Unload();
    simulator->Show();
}

}  // namespace shell
