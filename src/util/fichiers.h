// Text files and the safe writer, over the file service.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace nocturo {

class Fichiers;

// Lines end at CR LF, CR or LF when read; CR LF follows every line when written.
std::vector<std::string> decouper_lignes(const std::string& contenu);
std::string joindre_lignes(const std::vector<std::string>& lignes);

// Size in bytes, -1 when the file does not exist.
int64_t taille_fichier(Fichiers& fichiers, const std::string& chemin);
// Lines of a file; false when it does not exist.
bool lire_lignes(Fichiers& fichiers, const std::string& chemin, std::vector<std::string>& lignes);

// The safe writer's new content waits beside the file, under this suffix, until it is
// whole on the disk.
inline const std::string SUFFIXE_TEMPORAIRE = ".nouveau";
// Writes a whole file so that a failure, a crash or a power cut leaves the old one or the
// new one whole.
void ecrire_fichier_sur(Fichiers& fichiers, const std::string& chemin, const std::string& contenu);
void ecrire_lignes(Fichiers& fichiers, const std::string& chemin, const std::vector<std::string>& lignes);
// Removes what an interrupted safe write of `chemin` left behind.
void supprimer_temporaire(Fichiers& fichiers, const std::string& chemin);

}  // namespace nocturo
