// Text routines of the program: UTF-8 text in std::string (util/unicode.h), positions
// 1-based; routines that count positions count characters.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace nocturo {

class Dialogues;

// ASCII letters upper-cased, spaces and '-' dropped, accented letters made plain; letters
// beyond Windows-1252 (Cyrillic, Greek...) upper-cased.
std::string sans_accents(const std::string& texte);
// Every digit becomes `chiffre`, every other character `autre`; one `autre` is appended.
void masque_chiffres(char chiffre, std::string& texte, char autre);
// Removes every character with a code from 65 to 122.
void sans_lettres(std::string& texte);
// Digits before the first '.' make the number, other characters the prefix; a number too
// long for 32 bits is told to the user and counts as 0.
void separe_nom_numero(const std::string& texte, std::string& prefixe, int32_t& numero,
                       Dialogues& dialogues);
void remplace_premier(const std::string& cherche, const std::string& remplacement,
                      std::string& texte);
// Repairs the French letters of UTF-8 text that was once read as Windows-1252.
void repare_utf8(std::string& texte);
int compte_car(char c, const std::string& texte);
std::string deux_chiffres(const std::string& texte);
void borne(int& valeur, int bas, int haut);
// Tolerant conversion: default when blank; a message box and 0 when malformed.
int32_t entier_de(const std::string& texte, int32_t defaut, Dialogues& dialogues);
std::string coupe_droite(const std::string& texte);
std::string coupe_gauche(const std::string& texte);
std::string coupe(const std::string& texte);
// Field n of a text cut at `delimiteur`, trimmed.
std::string extrait(const std::string& texte, int n, char delimiteur);
void remplace_car(char de, char vers, std::string& texte);
// Builds the sound image of a sine tone (exposed for its test).
std::string image_tonalite(int frequence, int duree_ms, int volume);
// Plays a sine tone to its end; refuses frequencies above 6615 Hz with a message.
void joue_tonalite(Dialogues& dialogues, int frequence, int duree_ms, int volume);

// The platform library's integer conversion: leading spaces, sign, decimal, "$" or "0x"
// hexadecimal, 32-bit. Throws ErreurConversion with "'%s' n'est pas une valeur entière
// correcte".
int32_t str_to_int(const std::string& texte);
bool essayer_str_to_int(const std::string& texte, int32_t& valeur);

// Case-insensitive comparison and folding as the system compares names (the keys and
// paths the program compares).
bool egal_sans_casse(const std::string& a, const std::string& b);
std::string majuscules(const std::string& texte);

}  // namespace nocturo
