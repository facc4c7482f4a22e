// A window's memory picture, kept from one paint to the next and made again only when the
// window changes size: a 32-bit DIB section in its own device context.
#pragma once
#include <cstdint>

#include "plateforme/win32/poignees.h"

namespace nocturo::win32 {

class TamponEcran {
public:
    TamponEcran() = default;
    ~TamponEcran();
    TamponEcran(const TamponEcran&) = delete;
    TamponEcran& operator=(const TamponEcran&) = delete;

    // The device context to draw on, of that size; null when the system has no memory left.
    HDC preparer(int largeur, int hauteur);
    void liberer();

    // Its pixels, top row first, as many a row as it is wide (null before `preparer`).
    // What GDI drew is there only after GdiFlush.
    uint32_t* pixels() const { return pixels_; }
    int largeur() const { return largeur_; }
    int hauteur() const { return hauteur_; }

private:
    DcMemoire dc_;
    Bitmap dib_;
    HGDIOBJ ancien_ = nullptr;
    uint32_t* pixels_ = nullptr;
    int largeur_ = 0, hauteur_ = 0;
};

}  // namespace nocturo::win32
