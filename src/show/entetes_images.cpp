#include "show/entetes_images.h"

#include <algorithm>
#include <array>
#include <climits>

namespace nocturo {

namespace {

// A JPEG whose frame header is not among its first segments is not worth looking for.
constexpr int SEGMENTS_MAX = 512;
constexpr int ENTREES_ICONE_MAX = 256;

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
        static constexpr uint8_t signature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
        if (lire_exact(lire, petit_boutiste(&entree[12], 4), dedans)) {
            if (std::equal(std::begin(signature), std::end(signature), dedans.begin()))
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

std::optional<Taille> taille_annoncee(FormatImage format, const LireOctets& lire) {
    switch (format) {
    case FormatImage::jpeg:
        return taille_jpeg(lire);
    case FormatImage::bitmap:
        return taille_bitmap(lire);
    case FormatImage::icone:
        return taille_icone(lire);
    case FormatImage::metafichier:
        break;
    }
    return std::nullopt;
}

bool taille_admissible(Taille t) {
    return t.largeur > 0 && t.hauteur > 0 &&
           static_cast<int64_t>(t.largeur) * t.hauteur <= PIXELS_MAX;
}

}  // namespace nocturo
