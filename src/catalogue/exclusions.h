// The exclusion file's grammar, and Notepad for editing it.
#pragma once
#include <string>
#include <vector>

namespace nocturo {

struct MotifsExclusion {
    std::vector<std::string> repertoires;  // "**" lines: whole directories
    std::vector<std::string> fichiers;     // block lines: directory + file name
};

// A run longer than this is cut: a typo in a run must not fill the memory.
constexpr long long LONGUEUR_SERIE_MAX = 100000;

// The patterns of the lines of an exclusion file, each line repaired from UTF-8 first.
MotifsExclusion lire_motifs_exclusion(const std::vector<std::string>& lignes);

// Asks the shell to open `nom` in Notepad, `repertoire` being its working directory.
void ouvrir_dans_bloc_notes(const std::string& repertoire, const std::string& nom);

}  // namespace nocturo
