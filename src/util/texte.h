// Text routines of the program: Windows-1252 text in std::string, positions 1-based.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace nocturo {

// ASCII letters upper-cased, spaces and '-' dropped, accented letters made plain.
std::string sans_accents(const std::string& texte);
// Every digit becomes `chiffre`, every other character `autre`; one `autre` is appended.
void masque_chiffres(char chiffre, std::string& texte, char autre);
// Removes every character with a code from 65 to 122.
void sans_lettres(std::string& texte);
// Size in bytes, -1 when the file does not exist.
int64_t taille_fichier(const std::string& chemin);
// Digits before the first '.' make the number, other characters the prefix.
void separe_nom_numero(const std::string& texte, std::string& prefixe, int32_t& numero);
void remplace_premier(const std::string& cherche, const std::string& remplacement,
                      std::string& texte);
// Repairs UTF-8 text that was read as Windows-1252.
void repare_utf8(std::string& texte);
int compte_car(char c, const std::string& texte);
std::string deux_chiffres(const std::string& texte);
void borne(int& valeur, int bas, int haut);
// Tolerant conversion: default when blank; a message box and 0 when malformed.
int32_t entier_de(const std::string& texte, int32_t defaut);
std::string coupe_droite(const std::string& texte);
std::string coupe_gauche(const std::string& texte);
std::string coupe(const std::string& texte);
// Field n of a text cut at `delimiteur`, trimmed.
std::string extrait(const std::string& texte, int n, char delimiteur);
void remplace_car(char de, char vers, std::string& texte);
// Builds the sound image of a sine tone (exposed for its test).
std::string image_tonalite(int frequence, int duree_ms, int volume);
// Plays a sine tone to its end; refuses frequencies above 6615 Hz with a message.
void joue_tonalite(int frequence, int duree_ms, int volume);

// The platform library's integer conversion: leading spaces, sign, decimal, "$" or "0x"
// hexadecimal, 32-bit. Throws ErreurConversion with "'%s' n'est pas une valeur entière
// correcte".
int32_t str_to_int(const std::string& texte);
bool essayer_str_to_int(const std::string& texte, int32_t& valeur);

// ASCII case-insensitive comparison and folding (the keys and paths the program compares).
bool egal_sans_casse(const std::string& a, const std::string& b);
std::string majuscules(const std::string& texte);

// Text files: lines end at CR LF, CR or LF when read; CR LF after every line when written.
std::vector<std::string> decouper_lignes(const std::string& contenu);
std::string joindre_lignes(const std::vector<std::string>& lignes);
// Lines of a file; false when it does not exist.
bool lire_lignes(const std::string& chemin, std::vector<std::string>& lignes);
// Writes a whole file so that a failure or a crash leaves the old one intact.
void ecrire_fichier_sur(const std::string& chemin, const std::string& contenu);
void ecrire_lignes(const std::string& chemin, const std::vector<std::string>& lignes);

}  // namespace nocturo
