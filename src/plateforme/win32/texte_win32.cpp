#include "plateforme/win32/texte_win32.h"

#include "plateforme/win32/chemin_long.h"
#include "util/unicode.h"

namespace nocturo::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "the wide calls take UTF-16");

std::wstring large(std::string_view texte) {
    const std::u16string u = utf16_de_utf8(texte);
    return std::wstring(u.begin(), u.end());
}

std::string etroit(std::wstring_view texte) {
    return utf8_de_utf16(std::u16string_view(reinterpret_cast<const char16_t*>(texte.data()), texte.size()));
}

std::wstring large_chemin(std::string_view chemin) { return large(chemin_long(chemin)); }

}  // namespace nocturo::win32
