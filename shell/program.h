#pragma once
// The program: one instance of each form for the whole run.

#include "archimedes/form.h"
#include "continuity/form.h"
#include "menu.h"
#include "pascal/form.h"
#include "runtime/runtime.h"
#include "torricelli/form.h"
#include "venturi/form.h"

namespace shell {

class Program {
public:
    // Shows the menu; the runtime ends the program.
    void start() { rt::Runtime::instance().start(menu); }

    rt::FormInstance<archimedes::frmArquímedes, archimedes::Values> arquimedes;
    rt::FormInstance<torricelli::frmTorricelli, torricelli::Values> torricelli;
    rt::FormInstance<continuity::frmCabal, continuity::Values> cabal;
    rt::FormInstance<pascal::frmPascal> pascal;
    rt::FormInstance<venturi::frmVenturi, venturi::Values> venturi;
    rt::FormInstance<frmOndarell, MenuLinks> menu{MenuLinks{&arquimedes, &torricelli, &cabal, &pascal, &venturi}};
};

}  // namespace shell
