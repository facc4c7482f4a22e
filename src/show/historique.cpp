#include "show/historique.h"

#include "settings/donnees.h"
#include "util/fichiers.h"

namespace nocturo {

int Historique::ajouter(const std::string& chemin) {
    recentes.push_back(chemin);
    if (recentes.size() > static_cast<size_t>(NB_HISTORIQUE_SAUVE)) recentes.pop_front();
    if (static_cast<int>(lignes.size()) < capacite) {
        lignes.push_back(chemin);
        ecriture = indice = static_cast<int>(lignes.size()) - 1;
        return indice;
    }
    ecriture = ecriture + 1 >= static_cast<int>(lignes.size()) ? 0 : ecriture + 1;
    lignes[static_cast<size_t>(ecriture)] = chemin;
    indice = ecriture;
    return indice;
}

std::vector<std::string> dernieres_lignes(const std::vector<std::string>& lignes, int garder) {
    const size_t n = static_cast<size_t>(garder < 0 ? 0 : garder);
    const size_t debut = lignes.size() > n ? lignes.size() - n : 0;
    return {lignes.begin() + static_cast<std::ptrdiff_t>(debut), lignes.end()};
}

bool lire_historique(Fichiers& fichiers, Historique& historique) {
    std::vector<std::string> lues;
    if (taille_fichier(fichiers, FICHIER_HISTORIQUE) <= 0 || !lire_lignes(fichiers, FICHIER_HISTORIQUE, lues))
        return false;
    historique.lignes = dernieres_lignes(lues, NB_HISTORIQUE_SAUVE);
    historique.recentes.assign(historique.lignes.begin(), historique.lignes.end());
    historique.indice = static_cast<int>(historique.lignes.size()) - 1;
    return true;
}

void ecrire_historique(Fichiers& fichiers, const Historique& historique) {
    ecrire_lignes(fichiers, FICHIER_HISTORIQUE, {historique.recentes.begin(), historique.recentes.end()});
}

}  // namespace nocturo
