// The reader of what the camera recorded, in every kind of file: an orientation of 0 to 8
// and a plausible year or none from any bytes; the same from the same bytes however much
// follows them when the reader wanted no more; a want only past the bytes it had; and a turn
// that keeps every pixel inside the picture.
#include <string>
#include <string_view>

#include "commun.h"
#include "show/heif.h"
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
    const PriseDeVue p = prise_de_vue(debut);
    EXIGER(p.orientation >= 0 && p.orientation <= 8);
    EXIGER(p.annee == 0 || (p.annee >= 1826 && p.annee <= 2200));
    EXIGER(p.octets_voulus == 0 || p.octets_voulus > debut.size());
    // The loader hands over only the start of a file: when the start told the reader all it
    // wanted, more of the file cannot change its answer.
    if (p.octets_voulus == 0) {
        std::string suite(debut);
        suite.append("\x12\x01\x00\x03\xFF\xD9", 6);
        const PriseDeVue q = prise_de_vue(suite);
        EXIGER(q.orientation == p.orientation && q.annee == p.annee);
    }
    for (const Taille t : {Taille{1, 1}, Taille{3, 2}, Taille{640, 480}, Taille{1, 7}})
        verifier_redressement(p.orientation, t);
    // Any two values make one.
    const int a = 1 + static_cast<int>(taille % 8), b = 1 + p.orientation % 8;
    const int c = orientation_composee(a, b);
    EXIGER(c >= 1 && c <= 8);
    return 0;
}
