// The parameter store: "name = value" lines kept in a list, read back with defaults.
#include "settings/parametres.h"

#include "util/fichiers.h"
#include "util/texte.h"

namespace nocturo {

namespace {

void ajouter(LignesParametres& lignes, const std::string& nom, const std::string& valeur) {
    lignes.push_back(nom + " = " + valeur);
}

// Only the space is trimmed: a tab inside a value is part of it.
std::string sans_espaces_autour(const std::string& texte) {
    const size_t debut = texte.find_first_not_of(' ');
    if (debut == std::string::npos) return {};
    return texte.substr(debut, texte.find_last_not_of(' ') - debut + 1);
}

}  // namespace

void param_ajout_texte(LignesParametres& lignes, const std::string& nom, const std::string& texte) {
    ajouter(lignes, nom, texte);
}

void param_ajout_coche(LignesParametres& lignes, const std::string& nom, bool coche) {
    ajouter(lignes, nom, coche ? "true" : "false");
}

void param_ajout_radio(LignesParametres& lignes, const std::string& nom, int indice) {
    ajouter(lignes, nom, std::to_string(indice));
}

void param_ajout_entier(LignesParametres& lignes, const std::string& nom, const std::string& texte_edit,
                        int& variable) {
    // Converted first: a malformed edit leaves both the variable and the lines alone.
    const int valeur = str_to_int(texte_edit);
    variable = valeur;
    ajouter(lignes, nom, std::to_string(valeur));
}

void param_charger(Fichiers& fichiers, LignesParametres& lignes, const std::string& chemin) {
    lignes.clear();
    std::vector<std::string> lues;
    if (lire_lignes(fichiers, chemin, lues)) lignes = std::move(lues);
}

std::string param_valeur(const LignesParametres& lignes, const std::string& nom, const std::string& defaut) {
    // The key must be followed by exactly one space before "=": "vmax =" matches, "vmax=" not.
    const std::string cherche = nom + " ";
    for (const std::string& ligne : lignes) {
        const size_t egal = ligne.find('=');
        if (egal == std::string::npos || !egal_sans_casse(ligne.substr(0, egal), cherche)) continue;
        const std::string valeur = sans_espaces_autour(ligne.substr(egal + 1));
        return valeur.empty() ? defaut : valeur;
    }
    return defaut;
}

int param_lire_edit(const LignesParametres& lignes, const std::string& nom, const std::string& defaut,
                    std::string& texte) {
    const std::string valeur = param_valeur(lignes, nom, defaut);
    const int entier = str_to_int(valeur);
    texte = valeur;
    return entier;
}

bool param_lire_bool(const LignesParametres& lignes, const std::string& nom, const std::string& defaut) {
    return param_valeur(lignes, nom, defaut) == "true";
}

int param_lire_entier(const LignesParametres& lignes, const std::string& nom, const std::string& defaut) {
    return str_to_int(param_valeur(lignes, nom, defaut));
}

}  // namespace nocturo
