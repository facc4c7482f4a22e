// Entry point: the system's libraries started, the command line in UTF-8, then the program.
// The core's headers come before the system's: its names would meet the system's macros.
#include "plateforme/programme.h"
#include "plateforme/win32/fenetres_win32.h"
#include <commctrl.h>
#include <ole2.h>
#include <shellapi.h>

#include <exception>
#include <string>
#include <vector>

#include "plateforme/win32/garde.h"
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
    using namespace nocturo::win32;
    // The folder chooser's new look needs OLE on this thread.
    OleInitialize(nullptr);
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    demarrer_gdiplus();
    static PlateformeWin32 p;
    int code = 0;
    try {
        FenetresWin32 fenetres(p);
        code = nocturo::programme(arguments(), p, fenetres);
    } catch (const std::exception& e) {
        // A window that could not be made: say so rather than vanish.
        montrer_erreur(nullptr, e.what());
        code = 1;
    }
    arreter_gdiplus();
    OleUninitialize();
    return code;
}
