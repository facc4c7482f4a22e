#include "show/image_prete.h"

namespace nocturo {

namespace {

// Below this a level is not worth its memory: nothing is drawn that small.
constexpr int COTE_MIN = 32;

// Each channel of four pixels averaged, rounded to nearest: two channels at a time, each in
// sixteen bits of its own, where a sum of four fits.
uint32_t moyenne(uint32_t a, uint32_t b, uint32_t c, uint32_t d) {
    constexpr uint32_t MASQUE = 0x00FF00FF;
    const uint32_t pairs = (a & MASQUE) + (b & MASQUE) + (c & MASQUE) + (d & MASQUE) + 0x00020002;
    const uint32_t impairs =
        (a >> 8 & MASQUE) + (b >> 8 & MASQUE) + (c >> 8 & MASQUE) + (d >> 8 & MASQUE) + 0x00020002;
    return (pairs >> 2 & MASQUE) | (impairs >> 2 & MASQUE) << 8;
}

Pixels moitie(const Pixels& p) {
    Pixels m;
    m.largeur = p.largeur / 2;
    m.hauteur = p.hauteur / 2;
    m.bgra.resize(static_cast<size_t>(m.largeur) * static_cast<size_t>(m.hauteur));
    const size_t l = static_cast<size_t>(p.largeur);
    for (int y = 0; y < m.hauteur; ++y) {
        const uint32_t* haut = p.bgra.data() + static_cast<size_t>(2 * y) * l;
        const uint32_t* bas = haut + l;
        uint32_t* sortie = m.bgra.data() + static_cast<size_t>(y) * static_cast<size_t>(m.largeur);
        for (int x = 0; x < m.largeur; ++x)
            sortie[x] = moyenne(haut[2 * x], haut[2 * x + 1], bas[2 * x], bas[2 * x + 1]);
    }
    return m;
}

}  // namespace

const Pixels& ImagePrete::niveau_pour(int largeur_affichee) const {
    static const Pixels aucun;
    if (niveaux.empty()) return aucun;
    for (size_t i = niveaux.size(); i-- > 1;)
        if (niveaux[i].largeur >= largeur_affichee) return niveaux[i];
    return niveaux.front();
}

ImagePrete preparer_niveaux(Pixels copie) {
    ImagePrete r;
    r.niveaux.push_back(std::move(copie));
    while (r.niveaux.back().largeur / 2 >= COTE_MIN && r.niveaux.back().hauteur / 2 >= COTE_MIN)
        r.niveaux.push_back(moitie(r.niveaux.back()));
    return r;
}

}  // namespace nocturo
