// Where a picture stands on the screen: its fit and fill sizes, the slow zoom's widths,
// and the size of the copy the show keeps of it.
#pragma once
#include <vector>

#include "plateforme/images.h"

namespace nocturo {

struct Cadre {
    int gauche = 0, haut = 0, largeur = 0, hauteur = 0;
    bool operator==(const Cadre&) const = default;
};

// The picture whole on the screen, centred, black bands on two sides.
Cadre cadre_ajuste(Taille ecran, Taille image);
// The screen filled, the overflow cut off; `haut` (0 to 100) lifts a picture taller than
// the screen from centred (0) to its top edge at the top of the screen (100).
Cadre cadre_rempli(Taille ecran, Taille image, int haut);
// A zoom step: the width given, the height in proportion, placed as the fill is once it
// is taller than the screen, centred until then.
Cadre cadre_zoom(Taille ecran, Taille image, int largeur, int haut);

// The zoom's width after step i: w0 plus (cible - w0) / pas * i rounded to nearest, an
// exact half to the even neighbour.
int largeur_zoom(int w0, int cible, int pas, int i);
// More steps than this would hold one picture for half an hour: the zoom stops there.
constexpr int PAS_ZOOM_MAX = 100000;

// The widths the zoom shows, in order, from a start width w0 toward sw * zoom_max10 / 10;
// none when the start already reaches it or when `pas` is below 1 (no zoom then).
std::vector<int> largeurs_zoom(int w0, int sw, int zoom_max10, int pas);

struct ReglagesEffet {
    int effet = 0;  // 0 to 5; anything else shows as 0
    int zoom_max10 = 16;
    int inc_dx = 250;
    int haut = 100;
};

// The effect in force for a choice of the group, which may hold no selection.
int effet_retenu(int choix);
// The upright size of the copy to keep of a picture of upright size `image`: the largest
// size its effect shows it at, never above its own.
Taille taille_copie(Taille ecran, Taille image, const ReglagesEffet& r);

}  // namespace nocturo
