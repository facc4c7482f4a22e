// Text files and the safe writer, over the file service.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace nocturo {

class Fichiers;

// Lines end at CR LF, CR or LF when read; CR LF follows every line when written.
std::vector<std::string> decouper_lignes(const std::string& contenu);
std::string joindre_lignes(const std::vector<std::string>& lignes);

// The bytes of a text file and the program's UTF-8 text. A file that the program wrote is
// UTF-8 after a byte-order mark, else Windows-1252, as every earlier version wrote it.
std::string texte_de_fichier(std::string_view octets);
// A file from elsewhere (Notepad, another program): its byte-order mark says how it is
// written (UTF-8, UTF-16); without one, each line that is UTF-8 is taken so and the others
// as Windows-1252, so that lines added by different editors all read right.
std::vector<std::string> lignes_libres(std::string_view octets);
// Windows-1252 when every character has a form there, so that earlier versions read the
// file too; else UTF-8 after a byte-order mark. Either reader above reads it back as it was.
std::string octets_de_texte(std::string_view texte);
inline const std::string MARQUE_UTF8 = "\xEF\xBB\xBF";
// The bytes of a file from elsewhere with `lignes` added at its end, in the file's own
// form, its bytes kept; only a Windows-1252 file that gets a character it cannot hold is
// written again whole, in UTF-8 after a byte-order mark. A last line without its end gets
// one first.
std::string octets_completes(std::string_view existant, const std::vector<std::string>& lignes);

// Size in bytes, -1 when the file does not exist.
int64_t taille_fichier(Fichiers& fichiers, const std::string& chemin);
// Lines of a file the program wrote, or of one from elsewhere; false when it does not exist.
bool lire_lignes(Fichiers& fichiers, const std::string& chemin, std::vector<std::string>& lignes);
bool lire_lignes_libres(Fichiers& fichiers, const std::string& chemin, std::vector<std::string>& lignes);

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
