#include "settings/racines.h"

#include "plateforme/fichiers.h"
#include "settings/donnees.h"
#include "util/fichiers.h"

namespace nocturo {

void lire_racines(Fichiers& fichiers, Racines& racines) {
    std::vector<std::string> lignes;
    if (lire_lignes(fichiers, FICHIER_REPERTOIRES, lignes)) {
        racines.clear();
        for (std::string& l : lignes) racines.push_back({std::move(l), false});
    }
    if (lire_lignes(fichiers, FICHIER_COCHES, lignes)) {
        // Lines beyond the last root are ignored; missing lines leave roots unchecked.
        for (size_t i = 0; i < lignes.size() && i < racines.size(); ++i)
            if (lignes[i] == "true") racines[i].cochee = true;
    } else {
        for (Racine& r : racines) r.cochee = true;
    }
}

std::string message_racines_absentes(const Racines& racines, Fichiers& fichiers) {
    std::string absents;
    for (size_t i = 0; i < racines.size(); ++i)
        if (!fichiers.repertoire_existe(racines[i].chemin))
            absents += std::to_string(i) + "  " + racines[i].chemin + "  n'existe pas...\n";
    if (absents.empty()) return {};
    return absents +
           "\nCes répertoires restent dans la liste : ils seront parcourus à nouveau dès qu'ils seront "
           "accessibles (disque rebranché, partage réveillé).";
}

void ecrire_racines(Fichiers& fichiers, const Racines& racines) {
    std::vector<std::string> chemins, coches;
    for (const Racine& r : racines) {
        chemins.push_back(r.chemin);
        coches.push_back(r.cochee ? "true" : "false");
    }
    ecrire_lignes(fichiers, FICHIER_REPERTOIRES, chemins);
    ecrire_lignes(fichiers, FICHIER_COCHES, coches);
}

}  // namespace nocturo
