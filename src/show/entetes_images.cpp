#include "show/entetes_images.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstring>
#include <string>

#include "show/heif.h"

namespace nocturo {

namespace {

using namespace std::string_view_literals;

// A JPEG whose frame header is not among its first segments is not worth looking for.
constexpr int SEGMENTS_MAX = 512;
constexpr int ENTREES_ICONE_MAX = 256;
// A GIF's first picture comes after its extensions: comments, loop counts, XMP, each in
// sub-blocks of at most 255 bytes. So many of them before a picture is no GIF worth showing.
constexpr int SOUS_BLOCS_GIF_MAX = 4096;
// The width and height come first in a TIFF directory; a JPEG XR's after a dozen others.
constexpr uint32_t ENTREES_TIFF_MAX = 1024;
// A HEIF's 'meta' box says where its items lie: a few kilobytes, some dozens for a photo
// made of tiles. Larger, it is not read.
constexpr uint64_t META_HEIF_MAX = 1 << 20;
constexpr uint8_t SIGNATURE_PNG[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};

uint32_t gros_boutiste(const uint8_t* o, int n) {
    uint32_t v = 0;
    for (int i = 0; i < n; ++i) v = (v << 8) | o[i];
    return v;
}

uint32_t petit_boutiste(const uint8_t* o, int n) {
    uint32_t v = 0;
    for (int i = n; i-- > 0;) v = (v << 8) | o[i];
    return v;
}

int cote(int64_t v) {
    v = v < 0 ? -v : v;
    return static_cast<int>(std::min<int64_t>(v, INT_MAX));
}

template <size_t N>
bool lire_exact(const LireOctets& lire, uint64_t position, std::array<uint8_t, N>& o) {
    return lire(position, o.data(), N) == N;
}

bool est_sof(uint8_t m) {
    // Every start-of-frame marker but the three that share its range for other uses.
    return m >= 0xC0 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC;
}

std::optional<Taille> taille_jpeg(const LireOctets& lire) {
    std::array<uint8_t, 2> soi;
    if (!lire_exact(lire, 0, soi) || soi[0] != 0xFF || soi[1] != 0xD8) return std::nullopt;
    uint64_t position = 2;
    for (int n = 0; n < SEGMENTS_MAX; ++n) {
        std::array<uint8_t, 4> tete;
        if (!lire_exact(lire, position, tete) || tete[0] != 0xFF) return std::nullopt;
        const uint8_t m = tete[1];
        if (m == 0xFF) {  // fill byte before a marker
            ++position;
            continue;
        }
        if ((m >= 0xD0 && m <= 0xD7) || m == 0x01) {  // markers without a length
            position += 2;
            continue;
        }
        if (m == 0xD9 || m == 0xDA) return std::nullopt;  // the data start with no frame header
        const uint32_t longueur = gros_boutiste(&tete[2], 2);
        if (longueur < 2) return std::nullopt;
        if (est_sof(m)) {
            std::array<uint8_t, 5> sof;  // precision, height, width
            if (longueur < 7 || !lire_exact(lire, position + 4, sof)) return std::nullopt;
            return Taille{static_cast<int>(gros_boutiste(&sof[3], 2)),
                          static_cast<int>(gros_boutiste(&sof[1], 2))};
        }
        position += 2 + longueur;
    }
    return std::nullopt;
}

std::optional<Taille> taille_bitmap(const LireOctets& lire) {
    std::array<uint8_t, 26> e;  // file header, then the start of the picture header
    if (!lire_exact(lire, 0, e) || e[0] != 'B' || e[1] != 'M') return std::nullopt;
    const uint32_t taille_entete = petit_boutiste(&e[14], 4);
    if (taille_entete == 12)  // the oldest header: 16-bit sides
        return Taille{static_cast<int>(petit_boutiste(&e[18], 2)),
                      static_cast<int>(petit_boutiste(&e[20], 2))};
    if (taille_entete < 16) return std::nullopt;
    // Signed sides: a negative height means rows top down.
    const auto l = static_cast<int32_t>(petit_boutiste(&e[18], 4));
    const auto h = static_cast<int32_t>(petit_boutiste(&e[22], 4));
    return Taille{cote(l), cote(h)};
}

std::optional<Taille> taille_icone(const LireOctets& lire) {
    std::array<uint8_t, 6> tete;
    if (!lire_exact(lire, 0, tete) || petit_boutiste(&tete[0], 2) != 0 ||
        petit_boutiste(&tete[2], 2) != 1)
        return std::nullopt;
    const int n = static_cast<int>(petit_boutiste(&tete[4], 2));
    if (n == 0 || n > ENTREES_ICONE_MAX) return std::nullopt;
    std::optional<Taille> plus_grande;
    int64_t aire_max = -1;
    for (int i = 0; i < n; ++i) {
        std::array<uint8_t, 16> entree;
        if (!lire_exact(lire, 6 + 16 * static_cast<uint64_t>(i), entree)) return std::nullopt;
        // A side of 0 in the directory means 256.
        Taille t{entree[0] ? entree[0] : 256, entree[1] ? entree[1] : 256};
        // The picture inside says its own size, which may be anything: a PNG in its first
        // chunk, a bitmap in its header (twice the height: the mask follows the colours).
        std::array<uint8_t, 24> dedans;
        if (lire_exact(lire, petit_boutiste(&entree[12], 4), dedans)) {
            if (std::equal(std::begin(SIGNATURE_PNG), std::end(SIGNATURE_PNG), dedans.begin()))
                t = {cote(gros_boutiste(&dedans[16], 4)), cote(gros_boutiste(&dedans[20], 4))};
            else if (petit_boutiste(&dedans[0], 4) >= 16)
                t = {std::max(t.largeur, cote(static_cast<int32_t>(petit_boutiste(&dedans[4], 4)))),
                     std::max(t.hauteur, cote(static_cast<int32_t>(petit_boutiste(&dedans[8], 4))) / 2)};
        }
        const int64_t aire = static_cast<int64_t>(t.largeur) * t.hauteur;
        if (aire > aire_max) {
            aire_max = aire;
            plus_grande = t;
        }
    }
    return plus_grande;
}

std::optional<Taille> taille_png(const LireOctets& lire) {
    std::array<uint8_t, 24> e;  // signature, then the first chunk, which must be IHDR
    if (!lire_exact(lire, 0, e) || !std::equal(std::begin(SIGNATURE_PNG), std::end(SIGNATURE_PNG), e.begin()) ||
        std::memcmp(&e[12], "IHDR", 4) != 0)
        return std::nullopt;
    return Taille{cote(gros_boutiste(&e[16], 4)), cote(gros_boutiste(&e[20], 4))};
}

std::optional<Taille> taille_gif(const LireOctets& lire) {
    std::array<uint8_t, 13> e;  // signature, logical screen
    if (!lire_exact(lire, 0, e) || (std::memcmp(e.data(), "GIF87a", 6) != 0 && std::memcmp(e.data(), "GIF89a", 6) != 0))
        return std::nullopt;
    const Taille ecran{static_cast<int>(petit_boutiste(&e[6], 2)), static_cast<int>(petit_boutiste(&e[8], 2))};
    uint64_t p = 13;
    if (e[10] & 0x80) p += uint64_t{3} << ((e[10] & 7) + 1);  // the global colour table
    int sous_blocs = 0;
    while (true) {
        std::array<uint8_t, 1> bloc;
        if (!lire_exact(lire, p, bloc)) return std::nullopt;
        if (bloc[0] == 0x2C) {
            // The first picture's place and size; the decoder's first frame is that picture.
            std::array<uint8_t, 9> image;
            if (!lire_exact(lire, p + 1, image)) return std::nullopt;
            return Taille{std::max(ecran.largeur, static_cast<int>(petit_boutiste(&image[4], 2))),
                          std::max(ecran.hauteur, static_cast<int>(petit_boutiste(&image[6], 2)))};
        }
        if (bloc[0] != 0x21) return std::nullopt;  // the end, or anything else: no picture
        p += 2;                                    // an extension: its introducer and label
        for (std::array<uint8_t, 1> longueur{1}; longueur[0] != 0; p += 1 + longueur[0])
            if (++sous_blocs > SOUS_BLOCS_GIF_MAX || !lire_exact(lire, p, longueur)) return std::nullopt;
    }
}

// The width and height tags of the first directory of a TIFF, or of a JPEG XR (the same
// layout, little-endian, other tags).
std::optional<Taille> taille_tiff(const LireOctets& lire, bool jpeg_xr) {
    std::array<uint8_t, 8> e;
    if (!lire_exact(lire, 0, e)) return std::nullopt;
    const bool gros = e[0] == 'M' && e[1] == 'M';
    if (!gros && !(e[0] == 'I' && e[1] == 'I')) return std::nullopt;
    const auto u = [gros](const uint8_t* o, int n) { return gros ? gros_boutiste(o, n) : petit_boutiste(o, n); };
    if (jpeg_xr ? gros || e[2] != 0xBC : u(&e[2], 2) != 42) return std::nullopt;  // BigTIFF is not read
    const uint32_t largeur_tag = jpeg_xr ? 0xBC80 : 256, hauteur_tag = jpeg_xr ? 0xBC81 : 257;
    const uint64_t ifd = u(&e[4], 4);
    std::array<uint8_t, 2> n;
    if (!lire_exact(lire, ifd, n)) return std::nullopt;
    const uint32_t nombre = std::min(u(n.data(), 2), ENTREES_TIFF_MAX);
    int64_t largeur = -1, hauteur = -1;
    for (uint32_t i = 0; i < nombre && (largeur < 0 || hauteur < 0); ++i) {
        std::array<uint8_t, 12> entree;
        if (!lire_exact(lire, ifd + 2 + 12 * uint64_t{i}, entree)) return std::nullopt;
        const uint32_t etiquette = u(&entree[0], 2), type = u(&entree[2], 2), compte = u(&entree[4], 4);
        if (etiquette != largeur_tag && etiquette != hauteur_tag) continue;
        // A SHORT or a LONG, one of them, in the entry itself.
        if (compte != 1 || (type != 3 && type != 4)) return std::nullopt;
        (etiquette == largeur_tag ? largeur : hauteur) = u(&entree[8], type == 3 ? 2 : 4);
    }
    if (largeur < 0 || hauteur < 0) return std::nullopt;
    return Taille{cote(largeur), cote(hauteur)};
}

std::optional<Taille> taille_webp(const LireOctets& lire) {
    std::array<uint8_t, 20> e;  // RIFF header, then the first chunk's
    if (!lire_exact(lire, 0, e) || std::memcmp(e.data(), "RIFF", 4) != 0 || std::memcmp(&e[8], "WEBP", 4) != 0)
        return std::nullopt;
    std::array<uint8_t, 10> d;
    if (std::memcmp(&e[12], "VP8L", 4) == 0) {
        // Lossless: a signature byte, then 14 bits of width less one and 14 of height less one.
        std::array<uint8_t, 5> l;
        if (!lire_exact(lire, 20, l) || l[0] != 0x2F) return std::nullopt;
        const uint32_t bits = petit_boutiste(&l[1], 4);
        return Taille{static_cast<int>((bits & 0x3FFF) + 1), static_cast<int>(((bits >> 14) & 0x3FFF) + 1)};
    }
    if (!lire_exact(lire, 20, d)) return std::nullopt;
    if (std::memcmp(&e[12], "VP8X", 4) == 0)  // the canvas, 24 bits a side less one
        return Taille{static_cast<int>(petit_boutiste(&d[4], 3) + 1), static_cast<int>(petit_boutiste(&d[7], 3) + 1)};
    if (std::memcmp(&e[12], "VP8 ", 4) == 0 && d[3] == 0x9D && d[4] == 0x01 && d[5] == 0x2A)  // a key frame
        return Taille{static_cast<int>(petit_boutiste(&d[6], 2) & 0x3FFF),
                      static_cast<int>(petit_boutiste(&d[8], 2) & 0x3FFF)};
    return std::nullopt;
}

std::optional<Taille> taille_heif(const LireOctets& lire) {
    const LireExact exact = [&lire](uint64_t p, size_t n, uint8_t* destination) {
        return lire(p, destination, n) == n;
    };
    const std::optional<Etendue> meta = boite_meta(exact);
    if (!meta || meta->longueur > META_HEIF_MAX) return std::nullopt;
    std::string contenu(static_cast<size_t>(meta->longueur), '\0');
    if (lire(meta->position, contenu.data(), contenu.size()) != contenu.size()) return std::nullopt;
    return lire_meta_heif(Octets(contenu, true, nullptr, meta->position)).taille;
}

bool commence(std::string_view o, std::string_view s, size_t position = 0) {
    return o.size() >= position + s.size() && o.substr(position, s.size()) == s;
}

// An ISO box file says its kind by its brands: the major one and those it is compatible with.
std::optional<FormatImage> format_iso(std::string_view o) {
    constexpr size_t MARQUES_MAX = 64;
    const size_t taille = gros_boutiste(reinterpret_cast<const uint8_t*>(o.data()), 4);
    const size_t fin = std::min({taille, o.size(), 16 + 4 * MARQUES_MAX});
    bool heif = false, avif = false;
    for (size_t p = 8; p + 4 <= fin; p += p == 8 ? 8 : 4) {  // the minor version is no brand
        const std::string_view m = o.substr(p, 4);
        if (m == "avif" || m == "avis")
            avif = true;
        else if (m == "heic" || m == "heix" || m == "hevc" || m == "hevx" || m == "heim" || m == "heis" ||
                 m == "mif1" || m == "msf1" || m == "miaf")
            heif = true;
    }
    if (avif) return FormatImage::avif;
    if (heif) return FormatImage::heif;
    return std::nullopt;
}

uint32_t petit_boutiste(std::string_view o, size_t position, int n) {
    return petit_boutiste(reinterpret_cast<const uint8_t*>(o.data()) + position, n);
}

bool emf_sain(std::string_view o) {
    constexpr uint32_t EMR_HEADER = 1, EMR_EOF = 14, SIGNATURE = 0x464D4520;  // " EMF"
    if (o.size() < 88 || petit_boutiste(o, 0, 4) != EMR_HEADER || petit_boutiste(o, 40, 4) != SIGNATURE)
        return false;
    // Past the bytes the header claims, the file is not read; short of them, it was cut.
    const uint64_t fin = petit_boutiste(o, 48, 4);
    if (fin > o.size()) return false;
    for (uint64_t position = 0; position + 8 <= fin;) {
        const uint32_t type = petit_boutiste(o, position, 4), taille = petit_boutiste(o, position + 4, 4);
        if (taille < 8 || taille % 4 != 0 || position + taille > fin) return false;
        if (type == EMR_EOF) return true;
        position += taille;
    }
    return false;
}

bool wmf_sain(std::string_view o) {
    constexpr uint32_t CLE_PLACEE = 0x9AC6CDD7;
    if (o.size() >= 22 && petit_boutiste(o, 0, 4) == CLE_PLACEE) o.remove_prefix(22);
    if (o.size() < 18) return false;
    const uint32_t type = petit_boutiste(o, 0, 2), mots_entete = petit_boutiste(o, 2, 2);
    if ((type != 1 && type != 2) || mots_entete != 9) return false;
    const uint64_t fin = 2 * static_cast<uint64_t>(petit_boutiste(o, 6, 4));
    if (fin > o.size() || fin < 18) return false;
    for (uint64_t position = 18; position + 6 <= fin;) {
        const uint64_t taille = 2 * static_cast<uint64_t>(petit_boutiste(o, position, 4));
        const uint32_t fonction = petit_boutiste(o, position + 4, 2);
        if (taille < 6 || position + taille > fin) return false;
        if (fonction == 0) return true;  // META_EOF
        position += taille;
    }
    return false;
}

}  // namespace

bool metafichier_sain(std::string_view octets) { return emf_sain(octets) || wmf_sain(octets); }

std::optional<FormatImage> format_des_octets(std::string_view o) {
    if (commence(o, "\xFF\xD8\xFF"sv)) return FormatImage::jpeg;
    if (commence(o, std::string_view(reinterpret_cast<const char*>(SIGNATURE_PNG), sizeof SIGNATURE_PNG)))
        return FormatImage::png;
    if (commence(o, "GIF87a"sv) || commence(o, "GIF89a"sv)) return FormatImage::gif;
    if (commence(o, "II*\0"sv) || commence(o, "MM\0*"sv)) return FormatImage::tiff;
    if (commence(o, "II\xBC"sv)) return FormatImage::jpeg_xr;
    if (commence(o, "RIFF"sv) && commence(o, "WEBP"sv, 8)) return FormatImage::webp;
    if (commence(o, "ftyp"sv, 4)) return format_iso(o);
    if (commence(o, "BM"sv)) return FormatImage::bitmap;
    if (commence(o, "\0\0\1\0"sv) && o.size() >= 6 && (o[4] || o[5])) return FormatImage::icone;
    if ((commence(o, "\1\0\0\0"sv) && commence(o, " EMF"sv, 40)) || commence(o, "\xD7\xCD\xC6\x9A"sv) ||
        commence(o, "\1\0\x09\0"sv) || commence(o, "\2\0\x09\0"sv))
        return FormatImage::metafichier;
    return std::nullopt;
}

std::optional<Taille> taille_annoncee(FormatImage format, const LireOctets& lire) {
    switch (format) {
    case FormatImage::jpeg:
        return taille_jpeg(lire);
    case FormatImage::bitmap:
        return taille_bitmap(lire);
    case FormatImage::icone:
        return taille_icone(lire);
    case FormatImage::png:
        return taille_png(lire);
    case FormatImage::gif:
        return taille_gif(lire);
    case FormatImage::tiff:
        return taille_tiff(lire, false);
    case FormatImage::jpeg_xr:
        return taille_tiff(lire, true);
    case FormatImage::webp:
        return taille_webp(lire);
    case FormatImage::heif:
    case FormatImage::avif:
        return taille_heif(lire);
    case FormatImage::metafichier:
        break;
    }
    return std::nullopt;
}

bool taille_admissible(Taille t) {
    return t.largeur > 0 && t.hauteur > 0 && static_cast<int64_t>(t.largeur) * t.hauteur <= PIXELS_MAX;
}

bool source_admissible(Taille t) {
    return t.largeur > 0 && t.hauteur > 0 && static_cast<int64_t>(t.largeur) * t.hauteur <= PIXELS_SOURCE_MAX;
}

}  // namespace nocturo
