#include "plateforme/win32/garde.h"

#include "plateforme/win32/texte_win32.h"

namespace nocturo::win32 {

void montrer_erreur(HWND proprietaire, const char* texte) noexcept {
    try {
        MessageBoxW(proprietaire && IsWindow(proprietaire) ? GetAncestor(proprietaire, GA_ROOT) : nullptr,
                    large(texte).c_str(), L"Nocturo", MB_OK);
    } catch (...) {
        // Not even the text could be made (memory): the box says what it can.
        MessageBoxW(nullptr, L"Erreur", L"Nocturo", MB_OK);
    }
}

}  // namespace nocturo::win32
