// The program's UTF-8 text to and from the UTF-16 of the wide system calls, without loss:
// a name the system gives comes back to it exactly as it was.
#pragma once
#include <string>
#include <string_view>

namespace nocturo::win32 {

std::wstring large(std::string_view texte);
std::string etroit(std::wstring_view texte);
// A full path for the file calls: in the long form where the system would not take it
// as it stands (chemin_long).
std::wstring large_chemin(std::string_view chemin);

}  // namespace nocturo::win32
