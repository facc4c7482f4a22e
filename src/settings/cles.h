// The keys of the parameter file, in file order: the load and the save walk this one
// table, so each default lives here and nowhere else.
#pragma once
#include <string>
#include <vector>

#include "forme/controles.h"

namespace nocturo {

class Tdiapo;

enum class SorteCle { label, entier, indice, booleen, texte };

struct CleParametre {
    std::string nom;
    SorteCle sorte;
    Controle* widget;         // an Edit, a RadioGroup or a CheckBox as the kind says
    int* variable = nullptr;  // integer keys: set at load, refreshed at save
    std::string defaut;
};

std::vector<CleParametre> cles_parametres(Tdiapo& d);

// Reads the key from the store into its widget (and variable); conversion errors climb.
void lire_cle(const CleParametre& cle, const ListBox& parametres);
// Appends the key's line from its widget (integer keys also refresh their variable).
void ecrire_cle(const CleParametre& cle, ListBox& parametres);

}  // namespace nocturo
