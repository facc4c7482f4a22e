// The orientation a camera records in a JPEG (EXIF tag 274), read by a reader of our own:
// bounded, and blind to everything but the first directory of the first EXIF segment.
#pragma once
#include <string_view>

#include "plateforme/images.h"

namespace nocturo {

// The bytes from the start of a JPEG file that hold its EXIF segment, as a rule.
constexpr size_t OCTETS_ENTETE_JPEG = 128 * 1024;

// The tag's value, 1 to 8, from the start of a JPEG file; 0 when there is none, when the
// value is out of range or when anything on the way does not hold together.
int orientation_exif(std::string_view debut);

// Where output pixel (x, y) of the upright picture is taken from in the stored one:
// source x = ax * x + bx * y + cx, and likewise for y, over the stored size.
struct Redressement {
    int ax, bx, cx, ay, by, cy;
    bool echange;  // the upright picture is the stored one on its side: width and height swap
};

// The turn and flip of each value (1 to 8; anything else stands as stored) for a stored
// picture of size `stockee`.
Redressement redressement(int orientation, Taille stockee);
// The upright size of a stored size.
Taille taille_droite(int orientation, Taille stockee);

}  // namespace nocturo
