// Picture decoding: every raster kind through the Windows Imaging Component, metafiles through
// GDI+. Every file is hostile: sizes are checked before anything is allocated and any
// failure, of the file or of the machine, is a refusal; a missing codec is told apart.
#include <algorithm>
#include <climits>
#include <cstring>
#include <memory>
#include <vector>

#include "show/entetes_images.h"
#include "show/orientation.h"
#include "show/reduction.h"
#include "plateforme/win32/plateforme_win32.h"
#include "plateforme/win32/poignees.h"
#include "plateforme/win32/texte_win32.h"
#include "plateforme/win32/wic.h"

#include <mferror.h>

namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus
#include <gdiplus.h>

namespace nocturo::win32 {

bool com_du_fil() {
    // Never undone: CoUninitialize may not run from the callback that ends a thread, and a
    // thread that already had COM (the window's) keeps its own.
    thread_local const HRESULT hr = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    return SUCCEEDED(hr) || hr == RPC_E_CHANGED_MODE;
}

Com<IWICImagingFactory> fabrique_wic() {
    Com<IWICImagingFactory> f;
    if (com_du_fil())
        CoCreateInstance(CLSID_WICImagingFactory1, nullptr, CLSCTX_INPROC_SERVER,
                         IID_IWICImagingFactory, f.adresse_vide());
    return f;
}

namespace {

using Voulue = std::function<Demande(Taille)>;

// The rows read at once when a picture is read in bands: a few megabytes, whatever its width.
constexpr size_t OCTETS_BANDE = 4 << 20;

// What the system says when this machine has no codec for a kind: no decoder registered for
// it, or, for HEIF and AVIF, a container decoder without the video decoder behind it.
bool codec_absent(HRESULT hr) { return hr == WINCODEC_ERR_COMPONENTNOTFOUND || hr == MF_E_TOPO_CODEC_NOT_FOUND; }

IssueDecodage issue(HRESULT hr) {
    if (SUCCEEDED(hr)) return IssueDecodage::decodee;
    return codec_absent(hr) ? IssueDecodage::sans_codec : IssueDecodage::illisible;
}

// The container a kind is decoded as; none for HEIF and AVIF, whose decoder the system picks
// by the file's brand: each Windows extension registers its own.
const GUID* conteneur(FormatImage format) {
    switch (format) {
    case FormatImage::jpeg:
        return &GUID_ContainerFormatJpeg;
    case FormatImage::bitmap:
        return &GUID_ContainerFormatBmp;
    case FormatImage::icone:
        return &GUID_ContainerFormatIco;
    case FormatImage::png:
        return &GUID_ContainerFormatPng;
    case FormatImage::gif:
        return &GUID_ContainerFormatGif;
    case FormatImage::tiff:
        return &GUID_ContainerFormatTiff;
    case FormatImage::webp:
        return &GUID_ContainerFormatWebp;
    case FormatImage::jpeg_xr:
        return &GUID_ContainerFormatWmp;
    case FormatImage::heif:
    case FormatImage::avif:
    case FormatImage::metafichier:
        break;
    }
    return nullptr;
}

// Premultiplied by their alpha, the colour channels are the picture drawn over black: what
// a transparent part of an icon, a PNG, a GIF, a TIFF or a WebP shows. A JPEG has no alpha.
const GUID& format_32(FormatImage format) {
    return format == FormatImage::jpeg ? GUID_WICPixelFormat32bppBGR : GUID_WICPixelFormat32bppPBGRA;
}

// Sizes `p` for `t`, in the memory it already holds when that is enough: fresh memory costs
// its first touch of every page, a good part of a large decode.
bool allouer(Pixels& p, Taille t) {
    if (!taille_admissible(t)) return false;
    const size_t n = static_cast<size_t>(t.largeur) * static_cast<size_t>(t.hauteur);
    if (p.bgra.capacity() < n) p.bgra = {};  // not grown: the old pixels would be copied
    p.bgra.resize(n);
    p.largeur = t.largeur;
    p.hauteur = t.hauteur;
    return true;
}

// The turn asked, 1 (as stored) for a value that is none of the eight.
int orientation_demandee(const Demande& d) { return d.orientation >= 1 && d.orientation <= 8 ? d.orientation : 1; }

// The wanted size within what a decoder can give: at least one pixel, at most the own size.
Taille bornee(Taille v, Taille propre) {
    return {std::clamp(v.largeur, 1, propre.largeur), std::clamp(v.hauteur, 1, propre.hauteur)};
}

HRESULT convertisseur(IWICImagingFactory* f, IWICBitmapSource* source, const GUID& format,
                      Com<IWICFormatConverter>& c) {
    HRESULT hr = f->CreateFormatConverter(c.adresse());
    if (SUCCEEDED(hr))
        hr = c->Initialize(source, format, WICBitmapDitherTypeNone, nullptr, 0.0, WICBitmapPaletteTypeCustom);
    return hr;
}

// Converts a source to 32-bit pixels straight into `p`, already of the source's size.
HRESULT copier_32(IWICImagingFactory* f, IWICBitmapSource* source, const GUID& format, Pixels& p) {
    Com<IWICFormatConverter> c;
    HRESULT hr = convertisseur(f, source, format, c);
    UINT l = 0, h = 0;
    if (SUCCEEDED(hr)) hr = c->GetSize(&l, &h);
    if (FAILED(hr)) return hr;
    if (l != static_cast<UINT>(p.largeur) || h != static_cast<UINT>(p.hauteur)) return WINCODEC_ERR_BADIMAGE;
    const UINT pas = l * 4;  // within range: the size was checked against PIXELS_MAX
    return c->CopyPixels(nullptr, pas, pas * h, reinterpret_cast<BYTE*>(p.bgra.data()));
}

// Reads a source of size `propre` a band of rows at a time into the filter that turns it by
// `orientation` and brings it down to `cible` (upright): the program's memory holds one band
// and the output, however large the picture. A source in 24-bit BGR (a JPEG, a PNG without
// alpha) is read as it is and expanded by the filter, quicker than through a converter.
HRESULT copier_en_bandes(IWICImagingFactory* f, IWICBitmapSource* source, const GUID& format, Taille propre,
                         int orientation, Taille cible, Pixels& sortie) {
    WICPixelFormatGUID natif{};
    HRESULT hr = source->GetPixelFormat(&natif);
    if (FAILED(hr)) return hr;
    const bool en_24 = natif == GUID_WICPixelFormat24bppBGR;
    Com<IWICFormatConverter> c;
    IWICBitmapSource* lue = source;
    if (!en_24) {
        hr = convertisseur(f, source, format, c);
        if (FAILED(hr)) return hr;
        lue = c.get();
    }
    const size_t largeur = static_cast<size_t>(propre.largeur);
    // Within range: the source's area is at most PIXELS_SOURCE_MAX, so a row is under 1 GB.
    const size_t pas = en_24 ? (3 * largeur + 3) / 4 * 4 : 4 * largeur;
    const int lignes = static_cast<int>(std::clamp<size_t>(OCTETS_BANDE / pas, 1, propre.hauteur));
    std::vector<uint32_t> bande(pas / 4 * static_cast<size_t>(lignes));
    Reduction reduction(propre, orientation, cible);
    for (int y = 0; y < propre.hauteur; y += lignes) {
        const int n = std::min(lignes, propre.hauteur - y);
        const WICRect rectangle{0, y, propre.largeur, n};
        BYTE* octets = reinterpret_cast<BYTE*>(bande.data());
        hr = lue->CopyPixels(&rectangle, static_cast<UINT>(pas), static_cast<UINT>(pas) * static_cast<UINT>(n), octets);
        if (FAILED(hr)) return hr;
        if (en_24)
            reduction.ajouter_24(octets, n, pas);
        else
            reduction.ajouter(bande.data(), n, largeur);
    }
    sortie = reduction.finir();
    return S_OK;
}

UINT bits_par_pixel(IWICImagingFactory* f, const GUID& format) {
    Com<IWICComponentInfo> info;
    Com<IWICPixelFormatInfo> pixel;
    UINT bits = 0;
    if (FAILED(f->CreateComponentInfo(format, info.adresse())) ||
        FAILED(info->QueryInterface(IID_IWICPixelFormatInfo, pixel.adresse_vide())) ||
        FAILED(pixel->GetBitsPerPixel(&bits)))
        return 0;
    return bits;
}

// Windows' JPEG decoder shrinks by 1/2, 1/4 or 1/8 while decoding, much quicker than a whole
// decode. False when it cannot (Wine has no such interface): the caller decodes otherwise.
bool decoder_reduit(IWICImagingFactory* f, IWICBitmapFrameDecode* trame, Taille propre, Taille voulue,
                    Pixels& sortie) {
    Com<TransformationSource> t;
    if (FAILED(trame->QueryInterface(IID_TRANSFORMATION_SOURCE, t.adresse_vide()))) return false;
    for (const int diviseur : {8, 4, 2}) {
        UINT l = static_cast<UINT>((propre.largeur + diviseur - 1) / diviseur);
        UINT h = static_cast<UINT>((propre.hauteur + diviseur - 1) / diviseur);
        if (l < static_cast<UINT>(voulue.largeur) || h < static_cast<UINT>(voulue.hauteur)) continue;
        if (FAILED(t->GetClosestSize(&l, &h))) return false;
        if (l < static_cast<UINT>(voulue.largeur) || h < static_cast<UINT>(voulue.hauteur) ||
            l > static_cast<UINT>(propre.largeur) || h > static_cast<UINT>(propre.hauteur))
            continue;
        const Taille reduite{static_cast<int>(l), static_cast<int>(h)};
        WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGR;
        if (FAILED(t->GetClosestPixelFormat(&format))) return false;
        // A shrunk picture still too large for one buffer of ours is read in bands instead.
        if (!allouer(sortie, reduite)) return false;
        if (format == GUID_WICPixelFormat32bppBGR) {
            if (FAILED(t->CopyPixels(nullptr, l, h, &format, WICBitmapTransformRotate0, l * 4, l * h * 4,
                                     reinterpret_cast<BYTE*>(sortie.bgra.data()))))
                return false;
        } else {
            // Another layout (24-bit, grey, CMYK): decoded small, then converted.
            const uint64_t bits = bits_par_pixel(f, format);
            const uint64_t pas = (l * bits + 31) / 32 * 4, taille = pas * h;
            if (bits == 0 || bits > 128 || taille > UINT_MAX) return false;
            std::vector<BYTE> brut(static_cast<size_t>(taille));
            Com<IWICBitmap> memoire;
            if (FAILED(t->CopyPixels(nullptr, l, h, &format, WICBitmapTransformRotate0, static_cast<UINT>(pas),
                                     static_cast<UINT>(taille), brut.data())) ||
                FAILED(f->CreateBitmapFromMemory(l, h, format, static_cast<UINT>(pas), static_cast<UINT>(taille),
                                                 brut.data(), memoire.adresse())) ||
                FAILED(copier_32(f, memoire.get(), GUID_WICPixelFormat32bppBGR, sortie)))
                return false;
        }
        return true;
    }
    return false;
}

// The frame to show: an icon's largest picture, else the first (a GIF's first frame).
HRESULT trame_a_montrer(IWICBitmapDecoder* d, FormatImage format, Taille& propre, Com<IWICBitmapFrameDecode>& meilleure) {
    UINT n = 0;
    HRESULT hr = d->GetFrameCount(&n);
    if (FAILED(hr)) return hr;
    if (n == 0) return WINCODEC_ERR_FRAMEMISSING;
    if (format != FormatImage::icone) n = 1;
    int64_t aire_max = 0;
    for (UINT i = 0; i < n; ++i) {
        Com<IWICBitmapFrameDecode> trame;
        UINT l = 0, h = 0;
        hr = d->GetFrame(i, trame.adresse());
        if (SUCCEEDED(hr)) hr = trame->GetSize(&l, &h);
        if (FAILED(hr) || l == 0 || h == 0 || l > INT_MAX || h > INT_MAX) continue;
        const int64_t aire = static_cast<int64_t>(l) * h;
        if (aire > aire_max) {
            aire_max = aire;
            propre = {static_cast<int>(l), static_cast<int>(h)};
            meilleure = std::move(trame);
        }
    }
    if (meilleure) return S_OK;
    return FAILED(hr) ? hr : WINCODEC_ERR_BADIMAGE;
}

HRESULT decoder_wic(const std::wstring& nom, FormatImage format, const Voulue& voulue, Pixels& sortie) {
    const Com<IWICImagingFactory> f = fabrique_wic();
    if (!f) return E_FAIL;
    Com<IWICStream> flux;
    HRESULT hr = f->CreateStream(flux.adresse());
    if (SUCCEEDED(hr)) hr = flux->InitializeFromFilename(nom.c_str(), GENERIC_READ);
    if (FAILED(hr)) return hr;
    const LireOctets lire = [&flux](uint64_t position, void* destination, size_t n) -> size_t {
        LARGE_INTEGER p;
        p.QuadPart = static_cast<LONGLONG>(std::min<uint64_t>(position, LLONG_MAX));
        ULONG lu = 0;
        if (FAILED(flux->Seek(p, STREAM_SEEK_SET, nullptr)) ||
            FAILED(flux->Read(destination, static_cast<ULONG>(std::min<size_t>(n, ULONG_MAX)), &lu)))
            return 0;
        return lu;
    };
    // Wine's decoders allocate and decode the whole picture as soon as they are opened.
    const std::optional<Taille> annoncee = taille_annoncee(format, lire);
    if (!annoncee || !source_admissible(*annoncee)) return WINCODEC_ERR_IMAGESIZEOUTOFRANGE;
    LARGE_INTEGER debut{};
    hr = flux->Seek(debut, STREAM_SEEK_SET, nullptr);
    if (FAILED(hr)) return hr;
    Com<IWICBitmapDecoder> d;
    if (const GUID* c = conteneur(format)) {
        hr = f->CreateDecoder(*c, nullptr, d.adresse());
        if (SUCCEEDED(hr)) hr = d->Initialize(flux.get(), WICDecodeMetadataCacheOnDemand);
    } else {
        hr = f->CreateDecoderFromStream(flux.get(), nullptr, WICDecodeMetadataCacheOnDemand, d.adresse());
    }
    if (FAILED(hr)) return hr;
    Taille propre;
    Com<IWICBitmapFrameDecode> trame;
    hr = trame_a_montrer(d.get(), format, propre, trame);
    if (FAILED(hr)) return hr;
    if (!source_admissible(propre)) return WINCODEC_ERR_IMAGESIZEOUTOFRANGE;
    const Demande demande = voulue(propre);
    const int orientation = orientation_demandee(demande);
    const Taille cible = bornee(demande.taille, taille_droite(orientation, propre));
    if (!taille_admissible(cible)) return WINCODEC_ERR_IMAGESIZEOUTOFRANGE;
    const Taille stockee = taille_droite(orientation, cible);  // a quarter turn is its own inverse in size
    if (format == FormatImage::jpeg && 2 * stockee.largeur <= propre.largeur && 2 * stockee.hauteur <= propre.hauteur) {
        Pixels reduite;
        if (decoder_reduit(f.get(), trame.get(), propre, stockee, reduite)) {
            // The decoder's memory goes before ours is filled.
            trame.liberer();
            d.liberer();
            sortie = reduite.largeur == stockee.largeur && reduite.hauteur == stockee.hauteur && orientation == 1
                         ? std::move(reduite)
                         : reduire_et_tourner(reduite, orientation, cible);
            return S_OK;
        }
    }
    if (cible == propre && orientation == 1) {
        WICPixelFormatGUID natif{};
        hr = trame->GetPixelFormat(&natif);
        if (FAILED(hr)) return hr;
        // Whole and upright: converted straight into the copy, unless the filter's own
        // expansion of 24-bit pixels is quicker.
        if (natif != GUID_WICPixelFormat24bppBGR) {
            if (!allouer(sortie, propre)) return WINCODEC_ERR_IMAGESIZEOUTOFRANGE;
            return copier_32(f.get(), trame.get(), format_32(format), sortie);
        }
    }
    // Turned and reduced as it is read, in one pass: no whole picture of ours beside the copy.
    return copier_en_bandes(f.get(), trame.get(), format_32(format), propre, orientation, cible, sortie);
}

namespace gp = Gdiplus::DllExports;

struct LibererMetafichier {
    void operator()(Gdiplus::GpMetafile* m) const { gp::GdipDisposeImage(m); }
};
struct LibererGraphique {
    void operator()(Gdiplus::GpGraphics* g) const { gp::GdipDeleteGraphics(g); }
};

// Above this a metafile is not a picture anyone made to be shown.
constexpr int64_t METAFICHIER_MAX = 256 << 20;

struct LibererMemoire {
    void operator()(void* h) const { if (h) GlobalFree(h); }
};

// The whole file in movable memory that a stream can own, once its records are found sound.
Com<IStream> flux_metafichier(const std::wstring& nom) {
    const Fichier f(CreateFileW(nom.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    LARGE_INTEGER taille;
    if (f.get() == INVALID_HANDLE_VALUE || !GetFileSizeEx(f.get(), &taille) || taille.QuadPart <= 0 ||
        taille.QuadPart > METAFICHIER_MAX)
        return {};
    const auto n = static_cast<DWORD>(taille.QuadPart);
    std::unique_ptr<void, LibererMemoire> memoire(GlobalAlloc(GMEM_MOVEABLE, n));
    if (!memoire) return {};
    bool sain = false;
    if (void* octets = GlobalLock(memoire.get())) {
        DWORD lu = 0;
        sain = ReadFile(f.get(), octets, n, &lu, nullptr) && lu == n &&
               metafichier_sain(std::string_view(static_cast<const char*>(octets), n));
        GlobalUnlock(memoire.get());
    }
    Com<IStream> flux;
    if (sain && SUCCEEDED(CreateStreamOnHGlobal(memoire.get(), TRUE, flux.adresse()))) memoire.release();
    return flux;
}

bool decoder_metafichier(const std::wstring& nom, const Voulue& voulue, Pixels& sortie) {
    const Com<IStream> flux = flux_metafichier(nom);
    Gdiplus::GpMetafile* brut = nullptr;
    if (!flux || gp::GdipCreateMetafileFromStream(flux.get(), &brut) != Gdiplus::Ok || !brut) return false;
    const std::unique_ptr<Gdiplus::GpMetafile, LibererMetafichier> m(brut);
    Gdiplus::ImageType type = Gdiplus::ImageTypeUnknown;
    UINT l = 0, h = 0;
    if (gp::GdipGetImageType(m.get(), &type) != Gdiplus::Ok || type != Gdiplus::ImageTypeMetafile ||
        gp::GdipGetImageWidth(m.get(), &l) != Gdiplus::Ok || gp::GdipGetImageHeight(m.get(), &h) != Gdiplus::Ok ||
        l == 0 || h == 0 || l > INT_MAX || h > INT_MAX)
        return false;
    // Drawn at the size asked, which is what gets allocated.
    const Demande demande = voulue({static_cast<int>(l), static_cast<int>(h)});
    const int orientation = orientation_demandee(demande);
    const Taille v = taille_droite(orientation, demande.taille);
    if (!taille_admissible(v)) return false;
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = v.largeur;
    bi.bmiHeader.biHeight = -v.hauteur;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const DcMemoire dc(CreateCompatibleDC(nullptr));
    const Bitmap dib(CreateDIBSection(dc.get(), &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dc || !dib || !bits) return false;
    {
        Selection s(dc.get(), dib.get());
        PatBlt(dc.get(), 0, 0, v.largeur, v.hauteur, WHITENESS);
        Gdiplus::GpGraphics* g = nullptr;
        if (gp::GdipCreateFromHDC(dc.get(), &g) != Gdiplus::Ok || !g) return false;
        const std::unique_ptr<Gdiplus::GpGraphics, LibererGraphique> graphique(g);
        if (gp::GdipDrawImageRectI(g, m.get(), 0, 0, v.largeur, v.hauteur) != Gdiplus::Ok) return false;
    }
    GdiFlush();
    if (!allouer(sortie, v)) return false;
    std::memcpy(sortie.bgra.data(), bits, sortie.bgra.size() * sizeof(uint32_t));
    if (orientation != 1) sortie = reduire_et_tourner(sortie, orientation, demande.taille);
    return true;
}

}  // namespace

IssueDecodage PlateformeWin32::decoder(const std::string& chemin, FormatImage format,
                                       const std::function<Demande(Taille)>& voulue, Pixels& sortie) {
    IssueDecodage r = IssueDecodage::illisible;
    try {
        const std::wstring nom = large_chemin(chemin);
        if (format == FormatImage::metafichier)
            r = decoder_metafichier(nom, voulue, sortie) ? IssueDecodage::decodee : IssueDecodage::illisible;
        else
            r = issue(decoder_wic(nom, format, voulue, sortie));
    } catch (const std::exception&) {
        // Out of memory, most likely: this picture is skipped like any other bad one.
        r = IssueDecodage::illisible;
    }
    if (r != IssueDecodage::decodee) sortie = Pixels{};
    return r;
}

}  // namespace nocturo::win32
