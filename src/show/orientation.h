// What a camera records that the show uses (the orientation, EXIF tag 274, and the year the
// picture was taken), read by a reader of our own from the start of the file: bounded, and
// blind to everything else. The system's imaging component turns no picture by its tag and,
// under Wine, does not even report it.
#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

#include "plateforme/images.h"

namespace nocturo {

// The bytes from the start of a file that hold its EXIF, as a rule.
constexpr size_t OCTETS_ENTETE = 128 * 1024;
// When those say the EXIF lies further (after a PNG's or a WebP's picture data, in a HEIF's
// data box, at a TIFF's end), one more read of this many.
constexpr size_t OCTETS_ENTETE_MAX = 4 * 1024 * 1024;

struct PriseDeVue {
    int orientation = 0;  // 1 to 8; 0 when there is none, when it is out of range or damaged
    int annee = 0;        // of DateTimeOriginal, else of DateTimeDigitized; 0 when none is plausible
    // How far into the file the reader wanted to read when it stopped at the end of the bytes
    // it had; 0 when what it had told it all there was to know.
    uint64_t octets_voulus = 0;
    // HEIF and AVIF: the picture's size as stored, before the file's own turn.
    std::optional<Taille> stockee;
};

// From the start of a file of any kind the loader knows, found by its first bytes: JPEG
// (APP1), TIFF (the file is a TIFF block), PNG (eXIf), WebP (EXIF chunk), HEIF and AVIF (the
// Exif item; their own turn and mirror, when they have any, come before the EXIF tag).
PriseDeVue prise_de_vue(std::string_view debut);

// The orientation alone.
inline int orientation_exif(std::string_view debut) { return prise_de_vue(debut).orientation; }

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
