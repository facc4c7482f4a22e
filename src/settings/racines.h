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
// The message that names every root out of reach (an unplugged disk, a sleeping share),
// empty when all are there. Such roots stay in the list, marks and all: the scan passes
// them by until they are back.
std::string message_racines_absentes(const Racines& racines, Fichiers& fichiers);
// Both files, line for line.
void ecrire_racines(Fichiers& fichiers, const Racines& racines);

}  // namespace nocturo
