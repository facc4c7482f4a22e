#include "plateforme/win32/texte_win32.h"

#include "plateforme/win32/chemin_long.h"
#include "plateforme/win32/win32.h"

namespace nocturo::win32 {

namespace {
// The program's text is Windows-1252 whatever the machine's ANSI code page.
constexpr UINT PAGE_1252 = 1252;
}

std::wstring large(std::string_view texte) {
    if (texte.empty()) return {};
    const int n = MultiByteToWideChar(PAGE_1252, 0, texte.data(), static_cast<int>(texte.size()),
                                      nullptr, 0);
    std::wstring r(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(PAGE_1252, 0, texte.data(), static_cast<int>(texte.size()), r.data(), n);
    return r;
}

std::string etroit(std::wstring_view texte, bool* perte) {
    if (perte) *perte = false;
    if (texte.empty()) return {};
    BOOL defaut = FALSE;
    const int n = WideCharToMultiByte(PAGE_1252, WC_NO_BEST_FIT_CHARS, texte.data(),
                                      static_cast<int>(texte.size()), nullptr, 0, "?", &defaut);
    std::string r(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(PAGE_1252, WC_NO_BEST_FIT_CHARS, texte.data(), static_cast<int>(texte.size()),
                        r.data(), n, "?", &defaut);
    if (perte) *perte = defaut != FALSE;
    return r;
}

std::wstring large_chemin(std::string_view chemin) { return large(chemin_long(chemin)); }

}  // namespace nocturo::win32
