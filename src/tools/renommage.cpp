#include "tools/renommage.h"

#include "plateforme/fichiers.h"
#include "util/texte.h"
#include "util/unicode.h"

namespace nocturo {

std::optional<std::string> nom_date_complete(const std::string& nom_utf8, const std::string& e) {
    // Positions count characters: the mask holds one mark a character.
    const std::u32string nom = points_de(nom_utf8);
    std::string m = nom_utf8;
    masque_chiffres('*', m, '_');
    const auto commence = [&](const char* motif) { return m.rfind(motif, 0) == 0; };
    const auto x = [&](size_t p, size_t l = std::u32string::npos) { return utf8_de_points(nom.substr(p, l)); };
    // The four forms differ by the number of leading digits: one form at most applies.
    if (nom.size() >= 6 && commence("******_")) return e + x(0, 2) + "-" + x(2, 2) + "-" + x(4, 2) + x(6);
    if (nom.size() >= 8 && commence("**_**_**_")) return e + x(0, 2) + "-" + x(3, 2) + "-" + x(6, 2) + x(8);
    if (nom.size() >= 8 && commence("********_")) return x(0, 4) + "-" + x(4, 2) + "-" + x(6, 2) + x(8);
    if (nom.size() >= 10 && commence("****_**_**_")) return x(0, 4) + "-" + x(5, 2) + "-" + x(8, 2) + x(10);
    return std::nullopt;
}

int renommer_lot(Fichiers& fichiers, const std::string& r, bool renommer, const std::string& siecle,
                 std::vector<std::string>& journal) {
    std::vector<EntreeRepertoire> entrees;
    if (!fichiers.lister_repertoire(r, entrees)) return 0;
    if (renommer) journal.clear();
    int compte = 0;
    for (const EntreeRepertoire& e : entrees) {
        if (!(e.attributs & ATTR_REPERTOIRE) || e.nom == "." || e.nom == "..") continue;
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
