// Date and word filters (to be written).
#include "app/diaporama.h"

namespace nocturo {

bool Tdiapo::filtre_date_accepte(const std::string&) const { return true; }
bool Tdiapo::filtre_mots_accepte(const std::string&) const { return true; }
void Tdiapo::afficher_annee_et_filtres() {}

}  // namespace nocturo
