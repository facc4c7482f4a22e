// The exclusion file's grammar, and Notepad for editing it.
#pragma once
#include <string>
#include <vector>

namespace nocturo {

class Dialogues;
class Fichiers;
class Systeme;

struct MotifsExclusion {
    std::vector<std::string> repertoires;  // "**" lines: whole directories
    std::vector<std::string> fichiers;     // block lines: directory + file name
    bool operator==(const MotifsExclusion&) const = default;
};

// A run longer than this is cut: a typo in a run must not fill the memory.
constexpr long long LONGUEUR_SERIE_MAX = 100000;

// The patterns of the lines of an exclusion file, each line repaired from UTF-8 first. A
// run whose number does not fit 32 bits is told to the user and counts from 0.
MotifsExclusion lire_motifs_exclusion(const std::vector<std::string>& lignes, Dialogues& dialogues);
// The patterns of the exclusion file of the data directory; none when it does not exist.
MotifsExclusion lire_fichier_exclusions(Fichiers& fichiers, Dialogues& dialogues);

// Asks the shell to open `nom` in Notepad, `repertoire` being its working directory.
void ouvrir_dans_bloc_notes(Systeme& systeme, const std::string& repertoire, const std::string& nom);

}  // namespace nocturo
