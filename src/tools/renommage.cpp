#include "tools/renommage.h"

#include "plateforme/fichiers.h"
#include "util/texte.h"

namespace nocturo {

std::optional<std::string> nom_date_complete(const std::string& nom, const std::string& e) {
    std::string m = nom;
    masque_chiffres('*', m, '_');
    const auto commence = [&](const char* motif) { return m.rfind(motif, 0) == 0; };
    // The four forms differ by the number of leading digits: one form at most applies.
    if (nom.size() >= 6 && commence("******_"))
        return e + nom.substr(0, 2) + "-" + nom.substr(2, 2) + "-" + nom.substr(4, 2) + nom.substr(6);
    if (nom.size() >= 8 && commence("**_**_**_"))
        return e + nom.substr(0, 2) + "-" + nom.substr(3, 2) + "-" + nom.substr(6, 2) + nom.substr(8);
    if (nom.size() >= 8 && commence("********_"))
        return nom.substr(0, 4) + "-" + nom.substr(4, 2) + "-" + nom.substr(6, 2) + nom.substr(8);
    if (nom.size() >= 10 && commence("****_**_**_"))
        return nom.substr(0, 4) + "-" + nom.substr(5, 2) + "-" + nom.substr(8, 2) + nom.substr(10);
    return std::nullopt;
}

int renommer_lot(Fichiers& fichiers, const std::string& r, bool renommer, const std::string& siecle,
                 std::vector<std::string>& journal) {
    std::vector<EntreeRepertoire> entrees;
    if (!fichiers.lister_repertoire(r, entrees)) return 0;
    if (renommer) journal.clear();
    int compte = 0;
    for (const EntreeRepertoire& e : entrees) {
        if (!(e.attributs & ATTR_REPERTOIRE) || e.nom == "." || e.nom == ".." || !e.nom_representable) continue;
        const std::optional<std::string> w = nom_date_complete(e.nom, siecle);
        if (!w) continue;
        if (!renommer) {
            ++compte;
            journal.push_back(std::to_string(compte) + " : " + e.nom);
            journal.push_back("  -> " + *w);
        } else if (fichiers.repertoire_existe(r + "\\" + *w)) {
            journal.push_back("problème avec       " + e.nom);
            journal.push_back("     existe dèjà -> " + *w);
        } else if (fichiers.deplacer_fichier(r + "\\" + e.nom, r + "\\" + *w)) {
            journal.push_back("ok de   " + e.nom);
            journal.push_back(" -----> " + *w);
            ++compte;
        } else {
            journal.push_back("Erreur de " + e.nom);
            journal.push_back("       en " + *w);
        }
    }
    return compte;
}

}  // namespace nocturo
