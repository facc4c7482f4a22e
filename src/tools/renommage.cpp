#include "tools/renommage.h"

#include "plateforme/fichiers.h"
#include "util/texte.h"
#include "util/unicode.h"

namespace nocturo {

namespace {

// A confirmation box taller than the screen hides its buttons: the rest is in the list.
constexpr int LIGNES_RESUMEES = 12;

std::string pluriel(size_t n, const std::string& un, const std::string& plusieurs) {
    return std::to_string(n) + " " + (n == 1 ? un : plusieurs);
}

}  // namespace

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

std::vector<DossierDate> dossiers_dates(Fichiers& fichiers, const std::string& r, const std::string& siecle) {
    std::vector<DossierDate> dossiers;
    std::vector<EntreeRepertoire> entrees;
    if (!fichiers.lister_repertoire(r, entrees)) return dossiers;
    for (const EntreeRepertoire& e : entrees) {
        if (!(e.attributs & ATTR_REPERTOIRE) || e.nom == "." || e.nom == "..") continue;
        const std::optional<std::string> w = nom_date_complete(e.nom, siecle);
        if (!w) continue;
        DossierDate d{e.nom, *w, {}};
        if (*w == e.nom) {
            d.raison = "déjà au format aaaa-mm-jj";
        } else if (fichiers.repertoire_existe(r + "\\" + *w) || fichiers.fichier_existe(r + "\\" + *w)) {
            d.raison = "« " + *w + " » existe déjà";
        } else {
            // "051231 x" and "05-12-31 x" both make "2005-12-31 x": the first one takes it.
            for (const DossierDate& avant : dossiers)
                if (avant.raison.empty() && egal_sans_casse(avant.nouveau, *w))
                    d.raison = "« " + *w + " » sera déjà le nouveau nom de « " + avant.nom + " »";
        }
        dossiers.push_back(std::move(d));
    }
    return dossiers;
}

int journal_prevu(const std::vector<DossierDate>& dossiers, std::vector<std::string>& journal) {
    int compte = 0;
    for (const DossierDate& d : dossiers) {
        if (!d.raison.empty()) {
            journal.push_back("laissé tel quel : " + d.nom);
            journal.push_back("     " + d.raison);
            continue;
        }
        ++compte;
        journal.push_back(std::to_string(compte) + " : " + d.nom);
        journal.push_back("  -> " + d.nouveau);
    }
    return compte;
}

int renommer_dossiers(Fichiers& fichiers, const std::string& r, const std::vector<DossierDate>& dossiers,
                      std::vector<std::string>& journal, std::vector<DossierDate>& faits) {
    journal.clear();
    int compte = 0;
    for (const DossierDate& d : dossiers) {
        if (!d.raison.empty()) {
            journal.push_back("laissé tel quel : " + d.nom);
            journal.push_back("     " + d.raison);
        } else if (fichiers.repertoire_existe(r + "\\" + d.nouveau)) {
            journal.push_back("problème avec       " + d.nom);
            journal.push_back("     existe dèjà -> " + d.nouveau);
        } else if (fichiers.deplacer_fichier(r + "\\" + d.nom, r + "\\" + d.nouveau)) {
            journal.push_back("ok de   " + d.nom);
            journal.push_back(" -----> " + d.nouveau);
            faits.push_back(d);
            ++compte;
        } else {
            // A folder open in another program is the usual one: say why.
            const std::string pourquoi = fichiers.raison_echec();
            journal.push_back("Erreur de " + d.nom);
            journal.push_back("       en " + d.nouveau + (pourquoi.empty() ? "" : " : " + pourquoi));
        }
    }
    return compte;
}

int renommer_lot(Fichiers& fichiers, const std::string& r, bool renommer, const std::string& siecle,
                 std::vector<std::string>& journal) {
    const std::vector<DossierDate> dossiers = dossiers_dates(fichiers, r, siecle);
    if (!renommer) return journal_prevu(dossiers, journal);
    std::vector<DossierDate> faits;
    return renommer_dossiers(fichiers, r, dossiers, journal, faits);
}

std::string resume_renommage(const std::string& r, const std::vector<DossierDate>& dossiers) {
    std::string liste;
    size_t a_renommer = 0;
    for (const DossierDate& d : dossiers) {
        if (!d.raison.empty()) continue;
        if (++a_renommer <= LIGNES_RESUMEES) liste += d.nom + " → " + d.nouveau + "\n";
    }
    const size_t laisses = dossiers.size() - a_renommer;
    std::string texte = "Dans « " + r + " », " +
                        pluriel(a_renommer, "dossier sera renommé :", "dossiers seront renommés :") + "\n\n" + liste;
    if (a_renommer > LIGNES_RESUMEES)
        texte += "(et " + std::to_string(a_renommer - LIGNES_RESUMEES) + " autres : voir la liste)\n";
    if (laisses > 0)
        texte += "\n" + pluriel(laisses, "dossier laissé tel quel", "dossiers laissés tels quels") + " (voir la liste).\n";
    return texte;
}

std::string apres_renommage(const std::string& chemin, const std::string& ancien, const std::string& nouveau) {
    if (chemin.size() < ancien.size() || !egal_sans_casse(chemin.substr(0, ancien.size()), ancien)) return chemin;
    if (chemin.size() > ancien.size() && chemin[ancien.size()] != '\\') return chemin;
    return nouveau + chemin.substr(ancien.size());
}

}  // namespace nocturo
