// Path routines shared by the catalogue, the slideshow and the albums.
#include "catalogue/chemins.h"

#include <chrono>
#include <cmath>

#include "plateforme/fichiers.h"

namespace nocturo {

std::string dernier_composant(const std::string& chemin) {
    std::string s = chemin;
    if (!s.empty() && s.back() == '\\') s.pop_back();
    const size_t barre = s.rfind('\\');
    return barre == std::string::npos ? s : s.substr(barre + 1);
}

int annee_de_jours(double jours) {
    // Years 1 to 9999 are the dates the system can hold; anything else failed to convert.
    constexpr double PREMIER = -693593, DERNIER = 2958466;
    if (!std::isfinite(jours) || jours < PREMIER || jours >= DERNIER) return 0;
    constexpr int JOURS_AVANT_1970 = 25569;  // 1899-12-30 to 1970-01-01
    const auto jour = std::chrono::sys_days(std::chrono::days(static_cast<int>(std::floor(jours)) - JOURS_AVANT_1970));
    return static_cast<int>(std::chrono::year_month_day(jour).year());
}

int annee_creation_fichier(Fichiers& fichiers, const std::string& chemin) {
    double jours = 0;
    if (!fichiers.date_creation(chemin, jours)) return 0;
    return annee_de_jours(jours);
}

std::string repertoire_de(const std::string& chemin) {
    const size_t p = chemin.find_last_of("\\:");
    if (p == std::string::npos) return {};
    // A drive's root keeps its backslash: the directory of C:\a.jpg is C:\.
    const bool racine = chemin[p] == '\\' && p >= 1 && chemin[p - 1] == ':';
    return chemin.substr(0, chemin[p] == '\\' && !racine ? p : p + 1);
}

std::string nom_de(const std::string& chemin) { return chemin.substr(chemin.rfind('\\') + 1); }

}  // namespace nocturo
