// Loading a picture file into the copy the show keeps of it: decoded, turned upright by its
// orientation tag, scaled once to the largest size it will be shown at, with the year it was
// taken.
#pragma once
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "plateforme/fichiers.h"
#include "plateforme/images.h"
#include "show/image_prete.h"

namespace nocturo {

// From the last dot after the last backslash, dot included, in lower case, a final dot or
// space left out; empty without.
std::string extension_de(const std::string& chemin);
// The loader a name calls for, in any letter case: ".jpg", ".jpeg", ".jpe", ".jfif", ".png",
// ".gif", ".tif", ".tiff", ".webp", ".heic", ".heif", ".avif", ".jxr", ".wdp", ".bmp",
// ".ico", ".emf" and ".wmf"; none for any other name. The file's first bytes have the last
// word on its kind: a PNG named ".jpg" is loaded as a PNG.
std::optional<FormatImage> format_de(const std::string& chemin);

// The plain name of the Windows extension, from the Microsoft Store, that shows the pictures
// of a file name's extension (".heic", ".webp", any case): empty when Windows needs none.
std::string extension_windows(const std::string& extension_du_fichier);

enum class IssueChargement {
    image,          // ready to show
    illisible,      // a known kind that could not be decoded: nothing to show
    sans_chargeur,  // no loader takes the name (a sidecar file, a film): skipped
    sans_codec,     // a known kind that this machine has no codec for (see extension_windows)
};

struct Chargement {
    IssueChargement issue = IssueChargement::sans_chargeur;
    std::shared_ptr<const ImagePrete> image;
};

// `taille_copie` gives, from the picture's upright own size, the upright size to keep.
// Never throws: whatever the file holds, the outcome is one of the four.
Chargement charger_copie(const std::string& chemin, const std::function<Taille(Taille droite)>& taille_copie,
                         Fichiers& fichiers, Images& images);

}  // namespace nocturo
