// The catalogue scan: walks the checked roots and enters every accepted picture.
#pragma once
#include <cstdint>
#include <functional>

#include "catalogue/catalogue.h"
#include "catalogue/criteres.h"
#include "plateforme/fichiers.h"
#include "plateforme/horloge.h"
#include "settings/racines.h"

namespace nocturo {

// Called between entries with the number of entries seen so far: lets the window handle
// its messages, and answers true to stop the walk.
using PompeParcours = std::function<bool(int32_t entrees_vues)>;

// When a walk lets the window handle its messages: by time, never by entry. Each pass
// through the window's messages is a trip to the window manager (the Wine server, or the
// kernel), which costs many entries' worth; every 20 ms still answers a key at once.
class Rythme {
public:
    explicit Rythme(Horloge& horloge, double intervalle_ms = 20) : horloge_(horloge), intervalle_(intervalle_ms) {}
    // True at the first call, then once `intervalle_ms` have passed since the last true.
    bool du();

private:
    Horloge& horloge_;
    double intervalle_;
    bool premier_ = true;
    double dernier_ = 0;
};

// A directory entry that may be a picture: a file that is not empty, whose name does not
// start with ".", and whose last extension is a kind the show decodes (JPEG, bitmap, PNG,
// GIF, TIFF, WebP, HEIF, AVIF, JPEG XR, any case), or that holds ".JPG" or ".BMP"
// anywhere, unless it is a file kept beside a picture (".xmp", ".aae", ".json"...).
bool extension_acceptee(const EntreeRepertoire& entree);

// Walks the checked roots that exist, depth first in the listing's order. A stop keeps
// what was entered so far.
Catalogue parcourir(const Racines& racines, const CriteresScan& criteres, Fichiers& fichiers,
                    const PompeParcours& pompe);

// Whether a picture lies in `repertoire` or below it, among its first `entrees_max` entries:
// a question the program may ask in an instant, however large the tree.
bool contient_une_image(const std::string& repertoire, Fichiers& fichiers, int32_t entrees_max = 5000);

}  // namespace nocturo
