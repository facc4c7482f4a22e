// The display history: the pictures shown, oldest first, and the position browsed to. The
// newest 300 survive from one run to the next.
#pragma once
#include <deque>
#include <string>
#include <vector>

namespace nocturo {

class Fichiers;

constexpr int NB_HISTORIQUE_SAUVE = 300;
constexpr int CAPACITE_HISTORIQUE = 32766;

struct Historique {
    std::vector<std::string> lignes;
    int indice = -1;    // the picture shown or browsed to
    int ecriture = -1;  // the line last written once the list is full; -1 at each new run
    int capacite = CAPACITE_HISTORIQUE;
    // The newest 300 pictures in the order they were shown, which the ring's line order no
    // longer tells once it has turned: what the file keeps.
    std::deque<std::string> recentes;

    // Appends the path; once full, writes over the line after the last one written,
    // wrapping. Gives the line written.
    int ajouter(const std::string& chemin);
};

// The newest `garder` lines, in their order.
std::vector<std::string> dernieres_lignes(const std::vector<std::string>& lignes, int garder);

// The history file's newest 300 lines, the position on the last; false, and nothing
// changed, when the file is missing or empty (a first start).
bool lire_historique(Fichiers& fichiers, Historique& historique);
// The newest 300 pictures, oldest first.
void ecrire_historique(Fichiers& fichiers, const Historique& historique);

}  // namespace nocturo
