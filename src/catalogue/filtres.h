// The rules that read dates and words from directory names.
#pragma once
#include <string>

namespace nocturo {

// Month key 'yyyy-mm': the year as typed, the month trimmed to two characters.
std::string cle_mois(const std::string& annee, const std::string& mois);
// Single month: `de` anywhere in the path. Range: the key around the path's first hyphen
// lies between `de` and `a`, both included.
bool date_acceptee(const std::string& repertoire, const std::string& de, const std::string& a, bool plage);
// At least one of the space-separated words in the folded name of the last component.
bool mots_acceptes(const std::string& repertoire, const std::string& mots);
// The year read from a picture's directory name, else from a dated path; may hold no year.
std::string annee_du_chemin(const std::string& image);

}  // namespace nocturo
