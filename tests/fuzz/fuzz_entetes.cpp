// The picture header checks: from any bytes, a size with no negative side, read in reads
// that stay within the buffers handed over and are bounded in number; the kind said by the
// first bytes never needs more than them; a metafile found sound stays sound whatever follows
// the bytes its header claims.
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "commun.h"
#include "show/entetes_images.h"

using namespace nocturo;

namespace {

// Far more than the deepest walk needs: a GIF's sub-blocks, a TIFF's directory, two reads
// per icon entry.
constexpr int LECTURES_MAX = 5000;
// A HEIF's 'meta' box, read whole, is the largest read.
constexpr size_t OCTETS_PAR_LECTURE_MAX = 1 << 20;

std::optional<Taille> lire_taille(FormatImage format, std::string_view fichier) {
    int lectures = 0;
    const LireOctets lire = [&](uint64_t position, void* destination, size_t n) -> size_t {
        EXIGER(++lectures <= LECTURES_MAX);
        EXIGER(n <= OCTETS_PAR_LECTURE_MAX);
        // The whole destination is written, as a system read may: it must be that large.
        std::memset(destination, 0xBE, n);
        if (position >= fichier.size()) return 0;
        const size_t lus = std::min<uint64_t>(n, fichier.size() - position);
        std::memcpy(destination, fichier.data() + position, lus);
        return lus;
    };
    const std::optional<Taille> t = taille_annoncee(format, lire);
    if (t) {
        EXIGER(t->largeur >= 0 && t->hauteur >= 0);
        taille_admissible(*t);
        source_admissible(*t);
    }
    return t;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille) {
    const std::string_view fichier(reinterpret_cast<const char*>(donnees), taille);
    const std::optional<Taille> jpeg = lire_taille(FormatImage::jpeg, fichier);
    // A JPEG frame header has 16-bit sides, and so has a GIF.
    if (jpeg) EXIGER(jpeg->largeur <= 0xFFFF && jpeg->hauteur <= 0xFFFF);
    const std::optional<Taille> gif = lire_taille(FormatImage::gif, fichier);
    if (gif) EXIGER(gif->largeur <= 0xFFFF && gif->hauteur <= 0xFFFF);
    // A WebP canvas has 24-bit sides at most.
    const std::optional<Taille> webp = lire_taille(FormatImage::webp, fichier);
    if (webp) EXIGER(webp->largeur <= (1 << 24) && webp->hauteur <= (1 << 24));
    for (const FormatImage f : {FormatImage::bitmap, FormatImage::icone, FormatImage::png, FormatImage::tiff,
                                FormatImage::jpeg_xr, FormatImage::heif, FormatImage::avif})
        lire_taille(f, fichier);
    EXIGER(!lire_taille(FormatImage::metafichier, fichier));

    // The kind is told by the first bytes alone: more of the file cannot change it once it
    // is told.
    const std::optional<FormatImage> sorte = format_des_octets(fichier);
    if (sorte) {
        std::string suite(fichier);
        suite.append(16, '\0');
        EXIGER(format_des_octets(suite) == sorte);
    }

    if (metafichier_sain(fichier)) {
        std::string suite(fichier);
        suite.append("\x01\x00\x00\x00\x00\x00", 6);
        EXIGER(metafichier_sain(suite));
    }
    return 0;
}
