// The picture control drawn from its ready copy: the level that suits the size on screen,
// only the part that shows, nearest-pixel sampling (a frame of a zoom must take a few
// milliseconds).
#pragma once
#include <memory>
#include <optional>
#include <vector>

#include "forme/controles.h"
#include "plateforme/win32/win32.h"

namespace nocturo::win32 {

// Where `source` pixels drawn over `dest` (screen) show inside `visible`: whole source
// pixels, and the screen rectangle they cover exactly, which passes the visible edges by
// less than one source pixel (the device context clips that). None when nothing shows.
struct Cadrage {
    RECT ecran;
    RECT source;
};
std::optional<Cadrage> cadrer(Taille source, const RECT& dest, const RECT& visible);

// A picture at the bounds it is shown at: what a picture control shows now, or during a
// crossfade what it showed before. Two views are equal when they draw the same pixels.
struct Vue {
    std::shared_ptr<const ImagePrete> image;
    Bornes bornes;
    bool etirer = false;
    bool operator==(const Vue& v) const {
        return image == v.image && bornes.gauche == v.bornes.gauche && bornes.haut == v.bornes.haut &&
               bornes.largeur == v.bornes.largeur && bornes.hauteur == v.bornes.hauteur && etirer == v.etirer;
    }
};
Vue vue_de(const Image& c);
// The picture before, while the control fades from it (no picture otherwise).
Vue vue_avant(const Image& c);

// The screen rectangle the picture covers inside `visible` (empty when none: no picture,
// or none that can be drawn).
RECT surface_image(const Vue& v, const RECT& visible);
// Draws the picture on `dc`, whose surface is `visible`.
void dessiner_image(HDC dc, const Vue& v, const RECT& visible);
// Whether the view has a picture that can be drawn, wherever it lies.
bool dessinable(const Vue& v);
// The colour `fond` over all of `visible`, then the pictures in their order.
void composer_images(HDC dc, const RECT& visible, COLORREF fond, const std::vector<Vue>& vues);
// Draws `p`, whose size and pixel count agree, stretched over `dest` on `dc`, whose
// surface is `visible`.
void dessiner_pixels(HDC dc, const Pixels& p, const RECT& dest, const RECT& visible);

}  // namespace nocturo::win32
