// The reference the picture path is measured against: the system's decoder alone, its frame
// converted to 32-bit pixels into a buffer the caller keeps, nothing of ours.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "plateforme/win32/wic.h"

namespace nocturo::win32 {

// False when the file cannot be decoded or its pixels do not fit in `tampon`, which is grown
// only when empty (the first call).
inline bool decoder_nu(const std::wstring& nom, std::vector<uint32_t>& tampon) {
    const Com<IWICImagingFactory> f = fabrique_wic();
    Com<IWICBitmapDecoder> d;
    Com<IWICBitmapFrameDecode> trame;
    Com<IWICFormatConverter> c;
    UINT l = 0, h = 0;
    if (!f ||
        FAILED(f->CreateDecoderFromFilename(nom.c_str(), nullptr, GENERIC_READ, WICDecodeMetadataCacheOnDemand,
                                            d.adresse())) ||
        FAILED(d->GetFrame(0, trame.adresse())) || FAILED(f->CreateFormatConverter(c.adresse())) ||
        FAILED(c->Initialize(trame.get(), GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone, nullptr, 0.0,
                             WICBitmapPaletteTypeCustom)) ||
        FAILED(c->GetSize(&l, &h)))
        return false;
    if (tampon.empty()) tampon.resize(static_cast<size_t>(l) * h);
    if (static_cast<size_t>(l) * h > tampon.size()) return false;
    return SUCCEEDED(c->CopyPixels(nullptr, l * 4, l * h * 4, reinterpret_cast<BYTE*>(tampon.data())));
}

}  // namespace nocturo::win32
