// The test pictures through the real platform: writes the 320 files into the directory
// given on the command line (which must exist); exit code 0 when done.
#include <cstdio>
#include <exception>
#include <string>

#include "plateforme/win32/plateforme_win32.h"
#include "plateforme/win32/texte_win32.h"
#include "tools/images_test.h"

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) return 2;
    nocturo::win32::PlateformeWin32 p;
    try {
        nocturo::generer_images_test(p, p, nocturo::win32::etroit(argv[1]));
    } catch (const std::exception& e) {
        std::printf("%s\n", e.what());
        return 1;
    }
    return 0;
}
