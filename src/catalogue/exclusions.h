// The exclusion file's grammar, and Notepad for editing it.
#pragma once
#include <functional>
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
// All the patterns of a file together: past this many, the rest is left out and the user
// told so.
constexpr size_t MOTIFS_MAX = 100000;
inline const std::string TEXTE_TROP_DE_MOTIFS =
    "Le fichier d'exclusions donne plus de 100000 motifs : seuls les 100000 premiers sont pris en compte.";

// Called now and then during a long reading, so that Esc is heard.
using Pompe = std::function<void()>;

// The patterns of the lines of an exclusion file, each line repaired from UTF-8 first. A
// run whose number does not fit 32 bits is told to the user and counts from 0; patterns
// past MOTIFS_MAX are left out, with one message.
MotifsExclusion lire_motifs_exclusion(const std::vector<std::string>& lignes, Dialogues& dialogues,
                                      const Pompe& pomper = {});
// The patterns of the exclusion file of the data directory; none when it does not exist.
MotifsExclusion lire_fichier_exclusions(Fichiers& fichiers, Dialogues& dialogues, const Pompe& pomper = {});

// The lines that exclude exactly one picture: a block of its directory with its name. The
// pattern they make, directory and name joined by a backslash, is found in no other path
// (a longer name such as P10.jpg for P1.jpg differs at the name's end). A path holding
// "..." gets the same pattern from a "**" line instead, which reads no run.
std::vector<std::string> lignes_exclusion_image(const std::string& image);
// The line that excludes every picture of a directory and below it: the directory with a
// closing backslash, so that C:\Photos\Divers leaves C:\Photos\Divers 2006 alone.
std::vector<std::string> lignes_exclusion_repertoire(const std::string& repertoire);
// Appends lines to the exclusion file, made when missing, keeping all that it holds. Throws
// ErreurES, the file untouched, when it cannot be read or written.
void ajouter_au_fichier_exclusions(Fichiers& fichiers, const std::vector<std::string>& lignes);

// Asks the shell to open `nom` in Notepad, `repertoire` being its working directory.
void ouvrir_dans_bloc_notes(Systeme& systeme, const std::string& repertoire, const std::string& nom);

}  // namespace nocturo
