// The picture service: decodes picture files into the copies the program shows, turned
// upright and scaled down as they are read.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "plateforme/valeurs.h"

namespace nocturo {

// The kinds of picture the program loads; all but metafiles go through the system's imaging
// component, which may lack a codec for some of them (WebP, HEIF, AVIF come with extensions).
enum class FormatImage { jpeg, bitmap, icone, metafichier, png, gif, tiff, webp, heif, avif, jpeg_xr };

// The most pixels one buffer of the program's own holds: a picture decoded whole, its ready
// copy, a text picture (400 MB at four bytes a pixel). A larger picture is read in bands
// straight into its smaller copy, never whole into the program's memory.
constexpr int64_t PIXELS_MAX = 100'000'000;
// The most pixels a file may claim, checked before any decoder of the system sees it: some
// decoders (Wine's) hold the whole picture themselves at three or four bytes a pixel. A
// 200-megapixel phone photo passes.
constexpr int64_t PIXELS_SOURCE_MAX = 250'000'000;

enum class IssueDecodage {
    decodee,     // the pixels are in the output
    illisible,   // damaged, of another kind than the one asked, empty or too large
    sans_codec,  // the system has no decoder for the kind on this machine
};

// What the program asks of a decoder once it knows the picture's own size.
struct Demande {
    Taille taille;        // the upright size of the copy
    int orientation = 1;  // the EXIF value that brings the stored picture upright (1: as stored)
    bool operator==(const Demande&) const = default;
};

class Images {
public:
    virtual ~Images() = default;
    // Decodes the file, of the kind given, its first frame, straight into the copy the
    // program keeps: `voulue` is asked, with the picture's own size (as stored, before any
    // turning), for the copy; the result is the picture turned by that orientation and scaled
    // down to that size (never above the own size, upright), in one pass: no buffer of the
    // whole picture is held beside the copy. Transparent parts are drawn over black. A file
    // claiming more than PIXELS_SOURCE_MAX is refused unopened, a result over PIXELS_MAX too.
    // Everything the decoder held is let go before it returns. May be called from a worker
    // thread.
    virtual IssueDecodage decoder(const std::string& chemin, FormatImage format,
                                  const std::function<Demande(Taille propre)>& voulue, Pixels& sortie) = 0;
    // A white picture of size `taille` with `texte` in black in the font given (its size in
    // points), placed at half the free width and half the free height. False when the text
    // cannot be drawn.
    virtual bool image_de_texte(const std::string& texte, const std::string& police, int points, Taille taille,
                                Pixels& sortie) = 0;
};

}  // namespace nocturo
