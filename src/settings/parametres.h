// The parameter store: "name = value" lines kept in a list, read back with defaults.
#pragma once
#include <string>

#include "forme/controles.h"

namespace nocturo {

void param_ajout_coche(ListBox& liste, const std::string& nom, const CheckBox& boite);
void param_ajout_label(ListBox& liste, const std::string& nom, const Controle& label);
void param_ajout_texte(ListBox& liste, const std::string& nom, const std::string& texte);
// Converts the edit's text (ErreurConversion when malformed), stores it, then appends.
void param_ajout_entier(ListBox& liste, const std::string& nom, const Edit& edit, int& variable);
void param_ajout_radio(ListBox& liste, const std::string& nom, const RadioGroup& groupe);
// Empties the list, then fills it with the file's lines when the file exists.
void param_charger(ListBox& liste, const std::string& chemin);
// The stored value, spaces trimmed; the default when absent or empty.
std::string param_valeur(const ListBox& liste, const std::string& nom, const std::string& defaut);
int param_lire_edit(const ListBox& liste, const std::string& nom, const std::string& defaut, Edit& edit);
bool param_lire_bool(const ListBox& liste, const std::string& nom, const std::string& defaut);
int param_lire_entier(const ListBox& liste, const std::string& nom, const std::string& defaut);

}  // namespace nocturo
