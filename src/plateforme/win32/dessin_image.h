// The picture control drawn from its ready copy: the level that suits the size on screen,
// only the part that shows, nearest-pixel sampling (a frame of a zoom must take a few
// milliseconds).
#pragma once
#include <optional>

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

// The screen rectangle the control's picture covers inside `visible` (empty when none).
RECT surface_image(const Image& c, const RECT& visible);
// Draws the control's picture on `dc`, whose surface is `visible`.
void dessiner_image(HDC dc, const Image& c, const RECT& visible);
// Draws `p`, whose size and pixel count agree, stretched over `dest` on `dc`, whose
// surface is `visible`.
void dessiner_pixels(HDC dc, const Pixels& p, const RECT& dest, const RECT& visible);

}  // namespace nocturo::win32
