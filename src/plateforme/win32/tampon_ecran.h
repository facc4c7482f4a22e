// A window's memory picture, kept from one paint to the next and made again only when the
// window changes size: a 32-bit DIB section in its own device context.
#pragma once
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

private:
    void liberer();

    DcMemoire dc_;
    Bitmap dib_;
    HGDIOBJ ancien_ = nullptr;
    int largeur_ = 0, hauteur_ = 0;
};

}  // namespace nocturo::win32
