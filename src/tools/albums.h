// Albums: a picture kept by copying it into an album directory under a name that tells
// where it came from.
#pragma once
#include <string>

namespace nocturo {

class Fichiers;

// The copy's path: the album, then the name of the picture's directory, a hyphen and the
// picture's name. A picture in a drive's root gives its drive letter alone, a colon being
// no part of a file name: D:\IMG_0001.JPG becomes D-IMG_0001.JPG.
std::string cible_album(const std::string& image, const std::string& album);

// Copies the picture into the album, replacing a copy of the same name, the album
// directory made when missing (one level, under an existing parent). Empty when done,
// else what went wrong, in French, for the user.
std::string copier_vers_album(Fichiers& fichiers, const std::string& image, const std::string& album);

}  // namespace nocturo
