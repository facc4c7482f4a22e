// The program's text is UTF-8. These are the other forms it meets: the UTF-16 of the
// system's wide calls, and the Windows-1252 of the files that earlier versions wrote.
#pragma once
#include <string>
#include <string_view>

namespace nocturo {

// A name may hold a lone surrogate (NTFS does not check): it is kept in its three-byte
// form, so that the name goes back to the system exactly as the system gave it.
std::string utf8_de_utf16(std::u16string_view texte);
// A byte that does not belong to a UTF-8 sequence reads as its Windows-1252 character.
std::u16string utf16_de_utf8(std::string_view texte);

std::string utf8_de_1252(std::string_view texte);
// False, and `sortie` incomplete, when a character has no Windows-1252 form.
bool vers_1252(std::string_view texte, std::string& sortie);
bool tient_en_1252(std::string_view texte);
bool point_en_1252(char32_t point);

// Every byte belongs to a well-formed UTF-8 sequence (surrogates in their three-byte form
// included, as utf8_de_utf16 writes them).
bool utf8_valide(std::string_view texte);
bool ascii_seul(std::string_view texte);

// The character at `i`, and `i` moved past it; a stray byte reads as in utf16_de_utf8.
char32_t point_suivant(std::string_view texte, size_t& i);
void ajouter_point(std::string& texte, char32_t point);
// Characters one by one, for the routines that count positions in characters.
std::u32string points_de(std::string_view texte);
std::string utf8_de_points(std::u32string_view points);
size_t nombre_de_points(std::string_view texte);

// Upper case as the system compares file names: ASCII, Latin, Greek, Cyrillic, and the
// full-width Latin letters.
char32_t majuscule_de(char32_t point);

}  // namespace nocturo
