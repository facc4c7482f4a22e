// The parameter store (to be written).
#include "settings/parametres.h"

namespace nocturo {

void param_ajout_coche(ListBox&, const std::string&, const CheckBox&) {}
void param_ajout_label(ListBox&, const std::string&, const Controle&) {}
void param_ajout_texte(ListBox&, const std::string&, const std::string&) {}
void param_ajout_entier(ListBox&, const std::string&, const Edit&, int&) {}
void param_ajout_radio(ListBox&, const std::string&, const RadioGroup&) {}
void param_charger(ListBox& liste, const std::string&) { liste.vider(); }
std::string param_valeur(const ListBox&, const std::string&, const std::string& defaut) { return defaut; }
int param_lire_edit(const ListBox&, const std::string&, const std::string&, Edit&) { return 0; }
bool param_lire_bool(const ListBox&, const std::string&, const std::string& defaut) { return defaut == "true"; }
int param_lire_entier(const ListBox&, const std::string&, const std::string&) { return 0; }

}  // namespace nocturo
