// The Windows Imaging Component as the picture service uses it: COM on the calling thread,
// an owner for interface pointers, and the interface that Windows' JPEG decoder offers to
// shrink while decoding (missing from mingw's headers).
#pragma once
#include "plateforme/win32/win32.h"
#include <wincodec.h>

#include <utility>

namespace nocturo::win32 {

template <class T>
class Com {
public:
    Com() = default;
    ~Com() { liberer(); }
    Com(const Com&) = delete;
    Com& operator=(const Com&) = delete;
    Com(Com&& autre) noexcept : p_(std::exchange(autre.p_, nullptr)) {}
    Com& operator=(Com&& autre) noexcept {
        if (this != &autre) {
            liberer();
            p_ = std::exchange(autre.p_, nullptr);
        }
        return *this;
    }
    T* operator->() const { return p_; }
    T* get() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }
    // For the calls that hand back a new pointer.
    T** adresse() {
        liberer();
        return &p_;
    }
    void** adresse_vide() { return reinterpret_cast<void**>(adresse()); }
    void liberer() {
        if (p_) p_->Release();
        p_ = nullptr;
    }

private:
    T* p_ = nullptr;
};

// Initialises COM on the calling thread once for its life (a worker thread must do it
// itself); false when COM cannot run here.
bool com_du_fil();

// A new imaging factory; null when COM or WIC is missing.
Com<IWICImagingFactory> fabrique_wic();

// IWICBitmapSourceTransform, in its vtable order after IUnknown.
struct TransformationSource : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE CopyPixels(const WICRect* rectangle, UINT largeur, UINT hauteur,
                                                 WICPixelFormatGUID* format,
                                                 WICBitmapTransformOptions transformation, UINT pas,
                                                 UINT taille_tampon, BYTE* tampon) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetClosestSize(UINT* largeur, UINT* hauteur) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetClosestPixelFormat(WICPixelFormatGUID* format) = 0;
    virtual HRESULT STDMETHODCALLTYPE DoesSupportTransform(WICBitmapTransformOptions transformation,
                                                           BOOL* possible) = 0;
};
inline constexpr IID IID_TRANSFORMATION_SOURCE = {
    0x3B16811B, 0x6A43, 0x4ec9, {0xB7, 0x13, 0x3D, 0x5A, 0x0C, 0x13, 0xB9, 0x40}};

}  // namespace nocturo::win32
