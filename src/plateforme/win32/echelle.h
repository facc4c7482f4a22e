// The native controls' units and the screen's pixels. The design gives the controls' bounds
// in pixels of a 96-per-inch screen; the resolution of the monitor a window is on says how
// many real pixels each of those units takes (the program is aware of each monitor's own,
// Per-Monitor V2). The full-screen windows themselves, the picture and the captions painted
// on it stay in real pixels of their monitor.
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
    int dpi = DPI_DESSIN;  // the resolution they were made for
};

inline bool operator==(const Mise& a, const Mise& b) {
    return a.echelle == b.echelle && a.police == b.police && a.dpi == b.dpi;
}

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

// The scale and font for a resolution, within the largest scale of the monitor.
template <class Rapport>
Mise mise_pour_dpi(int dpi, double maximale, Rapport&& rapport) {
    Mise m = accorder_police(echelle_panneaux(dpi, maximale), maximale, rapport);
    m.dpi = dpi;
    return m;
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

// A window moved, never resized, to lie inside `zone`; its top left stays in when it is larger.
inline RECT garder_dans(RECT r, const RECT& zone) {
    LONG dx = std::min<LONG>(0, zone.right - r.right), dy = std::min<LONG>(0, zone.bottom - r.bottom);
    dx = std::max(dx, zone.left - r.left);
    dy = std::max(dy, zone.top - r.top);
    return RECT{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

// The client size of a panel at a scale: its design size, with its grip (in units) at its left.
inline SIZE taille_panneau(int largeur, int hauteur, int poignee, double echelle) {
    return SIZE{en_pixels(largeur, echelle) + en_pixels(poignee, echelle), en_pixels(hauteur, echelle)};
}

// A window round a client area of `client` with its top left at `coin`, `cadre` being what the
// frame adds on each side (the rectangle the system makes of an empty client area at the
// window's resolution).
inline RECT rect_autour(POINT coin, SIZE client, const RECT& cadre) {
    return RECT{coin.x + cadre.left, coin.y + cadre.top, coin.x + client.cx + cadre.right,
                coin.y + client.cy + cadre.bottom};
}

// A floating window at a new resolution: where the system suggests (the place it keeps the
// window at on its new monitor), as large as its panel at the new scale in a frame of the new
// resolution, whole on that monitor. With a scale in proportion to the resolutions, that is
// the suggested rectangle itself.
inline RECT rect_nouvelle_echelle(const RECT& suggere, SIZE client, const RECT& cadre, const RECT& moniteur) {
    return garder_dans(rect_autour(POINT{suggere.left - cadre.left, suggere.top - cadre.top}, client, cadre),
                       moniteur);
}

// The resolution of a window: per window where the system can say it (Windows 10 1607 and
// later), else of its monitor (Windows 8.1), else the system's; the functions are looked up at
// run time.
int dpi_fenetre(HWND h);
// The resolution of a monitor, or the system's where the system knows of no other.
int dpi_moniteur(HMONITOR m);
// The monitor nearest to a rectangle of the screen, whole (the full-screen windows cover it).
RECT moniteur_de(const RECT& r, HMONITOR* m = nullptr);
// What a window's frame adds round its client area at a resolution (the system's metrics at
// the system's resolution where it cannot say them at another).
RECT cadre_fenetre(DWORD style, DWORD ex, int dpi);

// The width of the dialog font at a height against its width at 11 pixels: the largest
// over the given texts, or over the letters the system averages for its dialog units.
double rapport_police_dialogue(int hauteur, const std::vector<std::wstring>& textes);

}  // namespace nocturo::win32
