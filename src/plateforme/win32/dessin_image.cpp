#include "plateforme/win32/dessin_image.h"

#include <algorithm>
#include <cstdint>

#include "plateforme/win32/ressources_gdi.h"

namespace nocturo::win32 {

namespace {

struct Segment {
    int64_t debut, fin;
};

// One axis: `longueur_source` pixels stretched over [debut, debut + longueur) on screen,
// seen through [vu.debut, vu.fin).
bool cadrer_axe(int64_t debut, int64_t longueur, int64_t longueur_source, Segment vu, Segment& ecran,
                Segment& source) {
    const int64_t a = std::max(debut, vu.debut) - debut, b = std::min(debut + longueur, vu.fin) - debut;
    if (a >= b || longueur_source <= 0) return false;
    // Whole source pixels, rounded outwards, then the screen span they cover rounded down:
    // both ends still reach the visible edges, which are whole screen pixels.
    source = {a * longueur_source / longueur, (b * longueur_source + longueur - 1) / longueur};
    ecran = {debut + source.debut * longueur / longueur_source, debut + source.fin * longueur / longueur_source};
    return true;
}

// What the control shows and where: the level for its width, stretched over its bounds;
// or, not stretched, the copy at its own size from the top left, within the bounds.
struct Trace {
    const Pixels* pixels = nullptr;
    RECT dest{};
    RECT visible{};
};

Trace tracer(const Vue& v, const RECT& visible) {
    Trace t;
    const ImagePrete* image = v.image.get();
    const Bornes& b = v.bornes;
    if (!image || image->niveaux.empty() || b.largeur <= 0 || b.hauteur <= 0) return t;
    const RECT bornes{b.gauche, b.haut, b.gauche + b.largeur, b.haut + b.hauteur};
    const Pixels& p = v.etirer ? image->niveau_pour(b.largeur) : image->niveaux.front();
    if (p.vide() || p.bgra.size() != static_cast<size_t>(p.largeur) * static_cast<size_t>(p.hauteur)) return t;
    t.pixels = &p;
    if (v.etirer) {
        t.dest = bornes;
        t.visible = visible;
    } else {
        t.dest = {bornes.left, bornes.top, bornes.left + p.largeur, bornes.top + p.hauteur};
        IntersectRect(&t.visible, &visible, &bornes);
    }
    return t;
}

}  // namespace

std::optional<Cadrage> cadrer(Taille source, const RECT& dest, const RECT& visible) {
    Segment ex, ey, sx, sy;
    if (!cadrer_axe(dest.left, int64_t{dest.right} - dest.left, source.largeur, {visible.left, visible.right}, ex,
                    sx) ||
        !cadrer_axe(dest.top, int64_t{dest.bottom} - dest.top, source.hauteur, {visible.top, visible.bottom}, ey,
                    sy))
        return std::nullopt;
    const auto r = [](const Segment& x, const Segment& y) {
        return RECT{static_cast<LONG>(x.debut), static_cast<LONG>(y.debut), static_cast<LONG>(x.fin),
                    static_cast<LONG>(y.fin)};
    };
    return Cadrage{r(ex, ey), r(sx, sy)};
}

Vue vue_de(const Image& c) { return {c.image(), c.bornes(), c.etirer}; }

Vue vue_avant(const Image& c) {
    const Image::Fondu* f = c.fondu();
    return f ? Vue{f->image, f->bornes, c.etirer} : Vue{nullptr, {}, c.etirer};
}

RECT surface_image(const Vue& v, const RECT& visible) {
    const Trace t = tracer(v, visible);
    RECT r{};
    if (t.pixels) IntersectRect(&r, &t.dest, &t.visible);
    return r;
}

void dessiner_image(HDC dc, const Vue& v, const RECT& visible) {
    const Trace t = tracer(v, visible);
    if (t.pixels) dessiner_pixels(dc, *t.pixels, t.dest, t.visible);
}

bool dessinable(const Vue& v) { return tracer(v, RECT{0, 0, 1, 1}).pixels != nullptr; }

void composer_images(HDC dc, const RECT& visible, COLORREF fond, const std::vector<Vue>& vues) {
    // The colour only where no picture lies: a full-screen frame is written once.
    const int sauve = SaveDC(dc);
    for (const Vue& v : vues) {
        const RECT r = surface_image(v, visible);
        if (!IsRectEmpty(&r)) ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
    }
    FillRect(dc, &visible, pinceau(fond));
    RestoreDC(dc, sauve);
    for (const Vue& v : vues) dessiner_image(dc, v, visible);
}

void dessiner_pixels(HDC dc, const Pixels& p, const RECT& dest, const RECT& visible) {
    const std::optional<Cadrage> k = cadrer({p.largeur, p.hauteur}, dest, visible);
    if (!k) return;
    const RECT& s = k->source;
    // The DIB starts at the first source row and holds just the rows drawn, so that no
    // source y has to be given (its origin differs between top-down and bottom-up DIBs).
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = p.largeur;
    bi.bmiHeader.biHeight = -(s.bottom - s.top);
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    const uint32_t* lignes = p.bgra.data() + static_cast<size_t>(s.top) * static_cast<size_t>(p.largeur);
    // Nearest pixel: the level is already within twice the size on screen, and smoothing
    // (HALFTONE) costs five times as much.
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchDIBits(dc, k->ecran.left, k->ecran.top, k->ecran.right - k->ecran.left, k->ecran.bottom - k->ecran.top,
                  s.left, 0, s.right - s.left, s.bottom - s.top, lignes, &bi, DIB_RGB_COLORS, SRCCOPY);
}

}  // namespace nocturo::win32
