// No C++ exception may cross into the system: each callback the system calls runs its body
// here, and an error shows as the event dispatcher shows it, then the program goes on.
#pragma once
#include "plateforme/win32/win32.h"

#include <exception>

namespace nocturo::win32 {

void montrer_erreur(HWND proprietaire, const char* texte) noexcept;

template <class R, class F>
R sans_exception(HWND h, UINT message, R si_erreur, F&& corps) noexcept {
    try {
        return corps();
    } catch (const std::exception& e) {
        // A paint that fails must not be asked again at once, box after box.
        if (message == WM_PAINT && h) ValidateRect(h, nullptr);
        montrer_erreur(h, e.what());
    } catch (...) {
        if (message == WM_PAINT && h) ValidateRect(h, nullptr);
        montrer_erreur(h, "Erreur inattendue");
    }
    return si_erreur;
}

}  // namespace nocturo::win32
