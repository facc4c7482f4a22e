// The history file: the newest 300 lines in their order, the position on the last, nothing
// changed for an empty or missing file; the pictures shown next and the save follow on.
#include <string>
#include <vector>

#include "commun.h"
#include "settings/donnees.h"
#include "show/historique.h"
#include "util/fichiers.h"

using namespace nocturo;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille) {
    // A first byte of 0 stands for no file at all.
    const bool present = taille > 0 && donnees[0] != 0;
    const std::string contenu = taille > 0 ? fuzz::octets(donnees + 1, taille - 1) : std::string();
    fuzz::FichiersMemoire p;
    if (present) p.creer_fichier(FICHIER_HISTORIQUE, contenu);

    Historique h;
    h.ajouter("C:\\avant\\a.jpg");
    const Historique avant = h;
    const bool lu = lire_historique(p, h);
    EXIGER(lu == (present && !contenu.empty()));
    if (!lu) {
        EXIGER(h.lignes == avant.lignes && h.indice == avant.indice && h.recentes == avant.recentes);
        return 0;
    }
    const std::vector<std::string> toutes = decouper_lignes(texte_de_fichier(contenu));
    EXIGER(h.lignes == dernieres_lignes(toutes, NB_HISTORIQUE_SAUVE));
    EXIGER(h.lignes.size() <= static_cast<size_t>(NB_HISTORIQUE_SAUVE) && !h.lignes.empty());
    EXIGER(std::vector<std::string>(h.recentes.begin(), h.recentes.end()) == h.lignes);
    EXIGER(h.indice == static_cast<int>(h.lignes.size()) - 1);
    EXIGER(h.lignes.back() == toutes.back());

    // A picture shown after the load stands at the position, and the save keeps the newest.
    const int ligne = h.ajouter("C:\\Photos\\nouvelle.jpg");
    EXIGER(ligne == h.indice && h.indice >= 0 && static_cast<size_t>(h.indice) < h.lignes.size());
    EXIGER(h.lignes[static_cast<size_t>(h.indice)] == "C:\\Photos\\nouvelle.jpg");
    EXIGER(h.recentes.size() <= static_cast<size_t>(NB_HISTORIQUE_SAUVE));
    ecrire_historique(p, h);
    Historique relu;
    EXIGER(lire_historique(p, relu));
    EXIGER(std::vector<std::string>(relu.recentes.begin(), relu.recentes.end()) ==
           std::vector<std::string>(h.recentes.begin(), h.recentes.end()));
    return 0;
}
