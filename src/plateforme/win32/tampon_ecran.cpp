#include "plateforme/win32/tampon_ecran.h"

namespace nocturo::win32 {

TamponEcran::~TamponEcran() { liberer(); }

void TamponEcran::liberer() {
    // A bitmap is deleted only once out of its device context.
    if (dc_ && ancien_) SelectObject(dc_.get(), ancien_);
    ancien_ = nullptr;
    dib_.reset();
    dc_.reset();
    pixels_ = nullptr;
    largeur_ = hauteur_ = 0;
}

HDC TamponEcran::preparer(int largeur, int hauteur) {
    if (largeur <= 0 || hauteur <= 0) return nullptr;
    if (dib_ && largeur == largeur_ && hauteur == hauteur_) return dc_.get();
    liberer();
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = largeur;
    bi.bmiHeader.biHeight = -hauteur;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    dc_.reset(CreateCompatibleDC(nullptr));
    if (dc_) dib_.reset(CreateDIBSection(dc_.get(), &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dib_) {
        liberer();
        return nullptr;
    }
    ancien_ = SelectObject(dc_.get(), dib_.get());
    pixels_ = static_cast<uint32_t*>(bits);
    largeur_ = largeur;
    hauteur_ = hauteur;
    return dc_.get();
}

}  // namespace nocturo::win32
