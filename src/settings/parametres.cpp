// The parameter store: "name = value" lines kept in a list, read back with defaults.
#include "settings/parametres.h"

#include "util/texte.h"

namespace nocturo {

namespace {

void ajouter(ListBox& liste, const std::string& nom, const std::string& valeur) {
    liste.ajouter(nom + " = " + valeur);
}

// Only the space is trimmed: a tab inside a value is part of it.
std::string sans_espaces_autour(const std::string& texte) {
    const size_t debut = texte.find_first_not_of(' ');
    if (debut == std::string::npos) return {};
    return texte.substr(debut, texte.find_last_not_of(' ') - debut + 1);
}

}  // namespace

void param_ajout_coche(ListBox& liste, const std::string& nom, const CheckBox& boite) {
    ajouter(liste, nom, boite.coche() ? "true" : "false");
}

void param_ajout_label(ListBox& liste, const std::string& nom, const Controle& label) {
    ajouter(liste, nom, label.legende());
}

void param_ajout_texte(ListBox& liste, const std::string& nom, const std::string& texte) {
    ajouter(liste, nom, texte);
}

void param_ajout_entier(ListBox& liste, const std::string& nom, const Edit& edit, int& variable) {
    // Converted first: a malformed edit leaves both the variable and the list alone.
    const int valeur = str_to_int(edit.texte());
    variable = valeur;
    ajouter(liste, nom, std::to_string(valeur));
}

void param_ajout_radio(ListBox& liste, const std::string& nom, const RadioGroup& groupe) {
    ajouter(liste, nom, std::to_string(groupe.indice_element()));
}

void param_charger(ListBox& liste, const std::string& chemin) {
    liste.vider();
    std::vector<std::string> lignes;
    if (lire_lignes(chemin, lignes)) liste.definir_elements(std::move(lignes));
}

std::string param_valeur(const ListBox& liste, const std::string& nom, const std::string& defaut) {
    // The key must be followed by exactly one space before "=": "vmax =" matches, "vmax=" not.
    const std::string cherche = nom + " ";
    for (const std::string& ligne : liste.elements()) {
        const size_t egal = ligne.find('=');
        if (egal == std::string::npos || !egal_sans_casse(ligne.substr(0, egal), cherche)) continue;
        const std::string valeur = sans_espaces_autour(ligne.substr(egal + 1));
        return valeur.empty() ? defaut : valeur;
    }
    return defaut;
}

int param_lire_edit(const ListBox& liste, const std::string& nom, const std::string& defaut, Edit& edit) {
    const std::string valeur = param_valeur(liste, nom, defaut);
    const int entier = str_to_int(valeur);
    // The edit shows the text as stored, not the number re-formatted.
    edit.definir_texte(valeur);
    return entier;
}

bool param_lire_bool(const ListBox& liste, const std::string& nom, const std::string& defaut) {
    return param_valeur(liste, nom, defaut) == "true";
}

int param_lire_entier(const ListBox& liste, const std::string& nom, const std::string& defaut) {
    return str_to_int(param_valeur(liste, nom, defaut));
}

}  // namespace nocturo
