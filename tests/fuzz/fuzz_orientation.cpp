// The EXIF reader: an orientation of 0 to 8 from any bytes, the same from the same bytes
// however much follows the segment, and a turn that keeps every pixel inside the picture.
#include <string>
#include <string_view>

#include "commun.h"
#include "show/orientation.h"

using namespace nocturo;

namespace {

// The four corners of the upright picture come from inside the stored one.
void verifier_redressement(int orientation, Taille stockee) {
    const Redressement r = redressement(orientation, stockee);
    const Taille droite = taille_droite(orientation, stockee);
    EXIGER(droite.largeur * droite.hauteur == stockee.largeur * stockee.hauteur);
    for (const int x : {0, droite.largeur - 1})
        for (const int y : {0, droite.hauteur - 1}) {
            const int sx = r.ax * x + r.bx * y + r.cx, sy = r.ay * x + r.by * y + r.cy;
            EXIGER(sx >= 0 && sx < stockee.largeur && sy >= 0 && sy < stockee.hauteur);
        }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille) {
    const std::string_view debut(reinterpret_cast<const char*>(donnees), taille);
    const int orientation = orientation_exif(debut);
    EXIGER(orientation >= 0 && orientation <= 8);
    // The loader hands over only the start of a file: once the start gives an answer, more
    // of the file cannot change it.
    if (orientation != 0) {
        std::string suite(debut);
        suite.append("\x12\x01\x00\x03\xFF\xD9", 6);
        EXIGER(orientation_exif(suite) == orientation);
    }
    for (const Taille t : {Taille{1, 1}, Taille{3, 2}, Taille{640, 480}, Taille{1, 7}})
        verifier_redressement(orientation, t);
    return 0;
}
