// The rules that read dates and words from directory names.
#pragma once
#include <string>

namespace nocturo {

class Fichiers;

// Month key 'yyyy-mm': the year as typed, the month trimmed to two characters.
std::string cle_mois(const std::string& annee, const std::string& mois);
// Single month: `de` anywhere in the path. Range: the key around the path's first hyphen
// lies between `de` and `a`, both included.
bool date_acceptee(const std::string& repertoire, const std::string& de, const std::string& a, bool plage);
// At least one of the space-separated words in the folded name of the last component.
bool mots_acceptes(const std::string& repertoire, const std::string& mots);
// The year read from a picture's directory name, else from a dated path; may hold no year.
std::string annee_du_chemin(const std::string& image);
// The year caption of a picture: from its path when the title caption shows something and
// the path gives a year of this century, else the year the photo was taken (`annee_prise`,
// 0 when unknown), else the file's creation year; empty when none.
std::string annee_affichee(Fichiers& fichiers, const std::string& image, bool titre_vide, int annee_prise = 0);
// The one-line summary of the active filters under the year.
std::string resume_des_filtres(bool date_de, bool date_a, bool contient, const std::string& mots);

}  // namespace nocturo
