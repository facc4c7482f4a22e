// Windows-1252 text of the program to and from the UTF-16 of the wide system calls.
#pragma once
#include <string>
#include <string_view>

namespace nocturo::win32 {

std::wstring large(std::string_view texte);
// `perte` (when given) tells whether a character had no Windows-1252 form.
std::string etroit(std::wstring_view texte, bool* perte = nullptr);
// A full path for the file calls: in the long form past the system's limit (chemin_long).
std::wstring large_chemin(std::string_view chemin);

}  // namespace nocturo::win32
