// The parameter store: "name = value" lines, appended and read back with defaults. It
// knows no key and no file beyond the path it is given.
#pragma once
#include <string>
#include <vector>

namespace nocturo {

class Fichiers;

using LignesParametres = std::vector<std::string>;

void param_ajout_texte(LignesParametres& lignes, const std::string& nom, const std::string& texte);
void param_ajout_coche(LignesParametres& lignes, const std::string& nom, bool coche);
void param_ajout_radio(LignesParametres& lignes, const std::string& nom, int indice);
// Converts the edit's text (ErreurConversion when malformed), stores it, then appends.
void param_ajout_entier(LignesParametres& lignes, const std::string& nom, const std::string& texte_edit,
                        int& variable);
// Empties the lines, then fills them with the file's lines when the file exists.
void param_charger(Fichiers& fichiers, LignesParametres& lignes, const std::string& chemin);
// The stored value, spaces trimmed; the default when absent or empty.
std::string param_valeur(const LignesParametres& lignes, const std::string& nom, const std::string& defaut);
// The value as an integer (ErreurConversion when malformed); `texte` receives the value as
// stored, which is what an edit shows.
int param_lire_edit(const LignesParametres& lignes, const std::string& nom, const std::string& defaut,
                    std::string& texte);
bool param_lire_bool(const LignesParametres& lignes, const std::string& nom, const std::string& defaut);
int param_lire_entier(const LignesParametres& lignes, const std::string& nom, const std::string& defaut);

}  // namespace nocturo
