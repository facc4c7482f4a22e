// Entry point: reads the mode from the command line and runs it.
#include "plateforme/win32/win32.h"
#include <commctrl.h>
#include <ole2.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "app/entree.h"
#include "plateforme/win32/garde.h"
#include "plateforme/win32/modes.h"
#include "plateforme/win32/texte_win32.h"

namespace {

std::vector<std::string> arguments() {
    std::vector<std::string> args;
    int n = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &n);
    if (!argv) return args;
    for (int i = 1; i < n; ++i) args.push_back(nocturo::win32::etroit(argv[i]));
    LocalFree(argv);
    return args;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    using namespace nocturo;
    using namespace nocturo::win32;
    // The folder chooser's new look needs OLE on this thread.
    OleInitialize(nullptr);
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    demarrer_gdiplus();
    static PlateformeWin32 p;
    int code = 0;
    try {
        const Lancement l = analyser_ligne_commande(arguments());
        switch (l.mode) {
        case Mode::diaporama:
            code = lancer_diaporama(l, p);
            break;
        case Mode::parametres:
            code = lancer_parametres(p);
            break;
        case Mode::apercu:
            code = lancer_apercu(l.fenetre_apercu, p);
            break;
        }
    } catch (const std::exception& e) {
        // A window that could not be made: say so rather than vanish.
        montrer_erreur(nullptr, e.what());
        code = 1;
    }
    arreter_gdiplus();
    OleUninitialize();
    return code;
}
