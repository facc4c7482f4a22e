// Path routines shared by the catalogue, the slideshow and the albums.
#pragma once
#include <string>

namespace nocturo {

class Fichiers;

// Last component of a path, one trailing backslash dropped first.
std::string dernier_composant(const std::string& chemin);
// Year of a date given in days since 1899-12-30; 0 when it is no date.
int annee_de_jours(double jours);
// Year of the file's creation (local time), 0 when it cannot be read.
int annee_creation_fichier(Fichiers& fichiers, const std::string& chemin);
// A path without its last component and its backslash (D:\ for a picture in a drive's
// root); empty without a separator.
std::string repertoire_de(const std::string& chemin);
// The text after the last backslash.
std::string nom_de(const std::string& chemin);

}  // namespace nocturo
