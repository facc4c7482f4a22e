#include "plateforme/win32/fondu.h"

#include <cstring>

#include "plateforme/win32/melange.h"

namespace nocturo::win32 {

namespace {

size_t pixels_de(const RECT& r) {
    return static_cast<size_t>(r.right - r.left) * static_cast<size_t>(r.bottom - r.top);
}

}  // namespace

bool CouchesFondu::Couche::montre(const RECT& visible, COLORREF f, const std::vector<Vue>& v) const {
    return tampon.pixels() && !vues.empty() && tampon.largeur() == visible.right - visible.left &&
           tampon.hauteur() == visible.bottom - visible.top && f == fond && v == vues;
}

const uint32_t* CouchesFondu::Couche::preparer(const RECT& visible, COLORREF f, const std::vector<Vue>& v) {
    if (montre(visible, f, v)) return tampon.pixels();
    const HDC dc = tampon.preparer(visible.right - visible.left, visible.bottom - visible.top);
    vues.clear();
    if (!dc) return nullptr;
    composer_images(dc, visible, f, v);
    GdiFlush();
    fond = f;
    vues = v;
    return tampon.pixels();
}

bool CouchesFondu::dessiner(uint32_t* sortie, const RECT& visible, COLORREF fond, const std::vector<Vue>& avant,
                            const std::vector<Vue>& apres, int opacite) {
    // The fade starts where the last one ended: its layer now is this one's layer before.
    if (!couches_[avant_].montre(visible, fond, avant) && couches_[1 - avant_].montre(visible, fond, avant))
        avant_ = 1 - avant_;
    const uint32_t* a = couches_[avant_].preparer(visible, fond, avant);
    const uint32_t* b = a ? couches_[1 - avant_].preparer(visible, fond, apres) : nullptr;
    if (!sortie || !b) {
        liberer();
        return false;
    }
    // What GDI last drew into the window's memory is written before the mix replaces it.
    GdiFlush();
    melanger(a, b, sortie, pixels_de(visible), opacite);
    return true;
}

bool CouchesFondu::recopier(uint32_t* sortie, const RECT& visible, COLORREF fond, const std::vector<Vue>& vues) {
    couches_[avant_].vues.clear();
    Couche& maintenant = couches_[1 - avant_];
    if (!sortie || !maintenant.montre(visible, fond, vues)) {
        maintenant.vues.clear();
        return false;
    }
    GdiFlush();
    std::memcpy(sortie, maintenant.tampon.pixels(), pixels_de(visible) * sizeof(uint32_t));
    return true;
}

void CouchesFondu::liberer() {
    for (Couche& c : couches_) {
        c.tampon.liberer();
        c.vues.clear();
    }
}

}  // namespace nocturo::win32
