// Date and word filters, and the year caption.
#include "catalogue/filtres.h"

#include "catalogue/chemins.h"
#include "util/texte.h"
#include "util/unicode.h"

namespace nocturo {

namespace {

// Two digits of a short year, with its century: 40 or less is taken as 20xx.
std::string siecle_et(const std::string& deux) {
    const int valeur = (deux[0] - '0') * 10 + (deux[1] - '0');
    return (valeur <= 40 ? "20" : "19") + deux;
}

std::string texte_annee(int annee) { return annee == 0 ? std::string() : std::to_string(annee); }

}  // namespace

std::string cle_mois(const std::string& annee, const std::string& mois) {
    return annee + "-" + deux_chiffres(mois);
}

bool date_acceptee(const std::string& repertoire, const std::string& de, const std::string& a, bool plage) {
    if (!plage) return repertoire.find(de) != std::string::npos;
    const size_t tiret = repertoire.find('-');
    if (tiret == std::string::npos || tiret < 4) return false;
    const std::string cle = repertoire.substr(tiret - 4, 7);
    return de <= cle && cle <= a;
}

bool mots_acceptes(const std::string& repertoire, const std::string& mots) {
    const std::string plie = sans_accents(repertoire);
    const std::string nom = plie.substr(plie.rfind('\\') + 1);  // all of it without a backslash
    const std::string texte = coupe(mots);
    size_t debut = 0;
    while (debut < texte.size()) {
        size_t fin = texte.find(' ', debut);
        if (fin == std::string::npos) fin = texte.size();
        const std::string mot = sans_accents(texte.substr(debut, fin - debut));
        if (!mot.empty() && nom.find(mot) != std::string::npos) return true;
        debut = fin + 1;
    }
    return false;
}

std::string annee_du_chemin(const std::string& image) {
    // Positions count characters: the mask holds one mark a character.
    const std::u32string n = points_de(dernier_composant(repertoire_de(image)));
    std::string m = utf8_de_points(n);
    masque_chiffres('*', m, '_');
    const auto morceau = [](const std::u32string& t, size_t p, size_t l) { return utf8_de_points(t.substr(p, l)); };
    const auto trouve = [&](const char* motif, size_t longueur_min, size_t& p) {
        p = m.find(motif);
        return n.size() >= longueur_min && p != std::string::npos;
    };
    size_t p = 0;
    std::string y;
    if (n.size() >= 6 && m.rfind("******_", 0) == 0)
        y = siecle_et(morceau(n, 0, 2));
    else if (trouve("**_**_**_", 8, p))
        y = siecle_et(morceau(n, p, 2));
    else if (trouve("********_", 8, p) || trouve("****_**_**", 10, p))
        y = morceau(n, p, 4);
    else
        y = morceau(points_de(extrait(utf8_de_points(n), 1, '-')), 0, 4);
    sans_lettres(y);
    if (y.empty()) {
        const std::u32string chemin = points_de(image);
        std::string m2 = image;
        masque_chiffres('*', m2, '_');
        p = m2.find("****_**_**");
        if (chemin.size() >= 10 && p != std::string::npos) y = morceau(chemin, p, 4);
    }
    return y;
}

std::string annee_affichee(Fichiers& fichiers, const std::string& image, bool titre_vide, int annee_prise) {
    std::string y;
    if (!titre_vide) y = annee_du_chemin(image);
    // The file's creation is, on most machines, the day the photo was copied there.
    if (y.find("20") == std::string::npos)
        y = annee_prise > 0 ? texte_annee(annee_prise) : texte_annee(annee_creation_fichier(fichiers, image));
    return y;
}

std::string resume_des_filtres(bool date_de, bool date_a, bool contient, const std::string& mots) {
    std::string r;
    if (date_de || date_a) r += "dates filtrées";
    if (contient) r += "=>" + mots;
    return r;
}

}  // namespace nocturo
