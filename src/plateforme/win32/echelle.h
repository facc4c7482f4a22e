// The native controls' units and the screen's pixels. The design gives the controls' bounds
// in pixels of a 96-per-inch screen; the system's resolution says how many real pixels each
// of those units takes. The full-screen window itself, the picture and the captions painted
// on it stay in real pixels.
#pragma once
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "plateforme/win32/win32.h"

namespace nocturo::win32 {

inline constexpr int DPI_DESSIN = 96;

// The largest scale at which the design (with the margins of its top left kept at its
// bottom right) stays on the screen. Never below 1: a small screen keeps the design's size.
inline double echelle_maximale(int largeur_ecran, int hauteur_ecran, int droite_dessin, int bas_dessin) {
    if (droite_dessin <= 0 || bas_dessin <= 0) return 1e9;
    const double tient = std::min(static_cast<double>(largeur_ecran) / droite_dessin,
                                  static_cast<double>(hauteur_ecran) / bas_dessin);
    return std::max(1.0, tient);
}

// Pixels per unit: the system's resolution over the design's, within the largest scale.
inline double echelle_panneaux(int dpi, double maximale) {
    return std::min(static_cast<double>(std::max(dpi, 1)) / DPI_DESSIN, maximale);
}

// The dialog font's height in pixels: 8 points at the scaled resolution.
inline int hauteur_police_dialogue(double echelle) {
    return static_cast<int>(std::lround(8.0 * DPI_DESSIN * echelle / 72.0));
}

// A scale and the dialog font's height that go together. Letters do not grow in proportion
// (the font's hinting rounds each one), so the font's real width against its width at the
// design's 11 pixels (`rapport`) decides: the layout grows with a font wider than the scale
// while the screen holds it, else the font steps down a pixel.
struct Mise {
    double echelle;
    int police;
};

template <class Rapport>
Mise accorder_police(double echelle, double maximale, Rapport&& rapport) {
    int police = hauteur_police_dialogue(echelle);
    for (; police > 1; --police) {
        const double r = rapport(police);
        if (r <= echelle) break;
        if (r <= maximale) return {r, police};
    }
    return {echelle, police};
}

// Units to pixels; a rectangle is scaled by its edges so that controls that touch in the
// design still touch, with neither a gap nor an overlap from rounding.
inline int en_pixels(int unites, double echelle) {
    return static_cast<int>(std::lround(unites * echelle));
}

inline RECT rect_en_pixels(int gauche, int haut, int largeur, int hauteur, double echelle) {
    return RECT{en_pixels(gauche, echelle), en_pixels(haut, echelle), en_pixels(gauche + largeur, echelle),
                en_pixels(haut + hauteur, echelle)};
}

// The system's resolution for a window: per window where the system can say it (Windows 10
// and later, looked up at run time), else the screen's.
int dpi_fenetre(HWND h);

// The width of the dialog font at a height against its width at 11 pixels: the largest
// over the given texts, or over the letters the system averages for its dialog units.
double rapport_police_dialogue(int hauteur, const std::vector<std::wstring>& textes);

}  // namespace nocturo::win32
