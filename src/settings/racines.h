// The root directories the user picks, with their check marks, and their two files.
#pragma once
#include <string>
#include <vector>

namespace nocturo {

class Dialogues;
class Fichiers;

struct Racine {
    std::string chemin;
    bool cochee = true;
    bool operator==(const Racine&) const = default;
};
using Racines = std::vector<Racine>;

// The directory file's lines replace the paths (all unchecked) when the file exists; the
// mark file checks line i when it reads "true"; without a mark file every root is checked.
void lire_racines(Fichiers& fichiers, Racines& racines);
// Removes the roots that are no directory, telling the user of each by its position at the
// time ("0  D:\Photos  n'existe pas...").
void retirer_racines_absentes(Racines& racines, Fichiers& fichiers, Dialogues& dialogues);
// Both files, line for line.
void ecrire_racines(Fichiers& fichiers, const Racines& racines);

}  // namespace nocturo
