// The picture service: decodes picture files into pixels. The program turns, scales and
// shows them itself.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace nocturo {

struct Taille {
    int largeur = 0;
    int hauteur = 0;
    bool operator==(const Taille&) const = default;
};

// 32-bit pixels in memory order blue, green, red, then a byte that means nothing; rows top
// down, without padding.
struct Pixels {
    int largeur = 0;
    int hauteur = 0;
    std::vector<uint32_t> bgra;
    bool vide() const { return largeur <= 0 || hauteur <= 0; }
};

enum class FormatImage { jpeg, bitmap, icone, metafichier };

// A picture larger than this is refused before anything is allocated for it.
constexpr int64_t PIXELS_MAX = 100'000'000;

class Images {
public:
    virtual ~Images() = default;
    // Decodes the file. `voulue` is asked, with the picture's own size (as stored, before any
    // turning), for the size the program needs; the result may be any size from that one up
    // to the own size (a JPEG decoder shrinks only by halves on the way), and a metafile is
    // drawn at exactly that size. False when the file cannot be decoded, is of another
    // format, is empty or is over PIXELS_MAX. May be called from a worker thread.
    virtual bool decoder(const std::string& chemin, FormatImage format,
                         const std::function<Taille(Taille propre)>& voulue, Pixels& sortie) = 0;
    // A white picture of size `taille` with `texte` in black in the font given (its size in
    // points), placed at half the free width and half the free height. False when the text
    // cannot be drawn.
    virtual bool image_de_texte(const std::string& texte, const std::string& police, int points, Taille taille,
                                Pixels& sortie) = 0;
};

}  // namespace nocturo
