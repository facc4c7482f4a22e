// The text routines of the program (to be written).
#include "util/texte.h"

namespace nocturo {

std::string sans_accents(const std::string& texte) { return texte; }
void masque_chiffres(char, std::string&, char) {}
void sans_lettres(std::string&) {}
void separe_nom_numero(const std::string&, std::string&, int32_t&) {}
void remplace_premier(const std::string&, const std::string&, std::string&) {}
void repare_utf8(std::string&) {}
int compte_car(char, const std::string&) { return 0; }
std::string deux_chiffres(const std::string& texte) { return texte; }
void borne(int&, int, int) {}
int32_t entier_de(const std::string&, int32_t defaut) { return defaut; }
std::string coupe_droite(const std::string& texte) { return texte; }
std::string coupe_gauche(const std::string& texte) { return texte; }
std::string coupe(const std::string& texte) { return texte; }
std::string extrait(const std::string&, int, char) { return {}; }
void remplace_car(char, char, std::string&) {}
std::string image_tonalite(int, int, int) { return {}; }
void joue_tonalite(int, int, int) {}

}  // namespace nocturo
