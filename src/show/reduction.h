// Scaling a decoded picture down to the copy that will be shown, by area averaging, and
// turning it upright in the same pass.
#pragma once
#include "plateforme/images.h"

namespace nocturo {

// `source` as stored, `orientation` its EXIF value, `cible` the upright size wanted; a
// size larger than the source's (on either side) is brought down to it, keeping nothing
// but what the source holds. Each output pixel is the mean of the source area it covers.
Pixels reduire_et_tourner(const Pixels& source, int orientation, Taille cible);

}  // namespace nocturo
