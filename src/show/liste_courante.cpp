#include "show/liste_courante.h"

namespace nocturo {

std::optional<std::string> prochaine_de_liste(const std::vector<std::string>& lignes) {
    if (lignes.size() <= 1) return std::nullopt;
    return lignes[0] + "\\" + lignes[1];
}

std::optional<std::string> consommer_liste(std::vector<std::string>& lignes) {
    std::optional<std::string> p = prochaine_de_liste(lignes);
    if (p) lignes.erase(lignes.begin() + 1);
    return p;
}

}  // namespace nocturo
