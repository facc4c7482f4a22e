#include "show/orientation.h"

#include <optional>

#include "show/entetes_images.h"
#include "show/heif.h"
#include "show/octets_bornes.h"

namespace nocturo {

namespace {

constexpr uint16_t ETIQUETTE_ORIENTATION = 0x0112, ETIQUETTE_EXIF = 0x8769;
constexpr uint16_t ETIQUETTE_PRISE = 0x9003, ETIQUETTE_NUMERISATION = 0x9004;
constexpr uint16_t TYPE_ASCII = 2, TYPE_SHORT = 3, TYPE_LONG = 4, TYPE_IFD = 13;
// From the oldest photograph known; a clock left at 0000 or 9999 says nothing.
constexpr int ANNEE_MIN = 1826, ANNEE_MAX = 2200;

using namespace std::string_view_literals;

// Calls `f(etiquette, type, compte, champ)` for each entry of the directory at `ifd`, `champ`
// being where its value or the offset of its value lies. The whole directory lies inside
// the block, or nothing in it is believed.
template <class F>
void repertoire(const Octets& t, uint32_t ifd, F&& f) {
    uint16_t nombre = 0;
    if (!t.u16(ifd, nombre) || uint64_t{ifd} + 2 + uint64_t{nombre} * 12 > t.taille()) return;
    for (uint32_t i = 0; i < nombre; ++i) {
        const uint64_t entree = uint64_t{ifd} + 2 + uint64_t{i} * 12;
        uint16_t etiquette = 0, type = 0;
        uint32_t compte = 0;
        if (!t.u16(entree, etiquette) || !t.u16(entree + 2, type) || !t.u32(entree + 4, compte)) return;
        f(etiquette, type, compte, entree + 8);
    }
}

// The year of an EXIF date, "YYYY:MM:DD HH:MM:SS".
int annee_de(const Octets& t, uint16_t type, uint32_t compte, uint64_t champ) {
    if (type != TYPE_ASCII || compte < 4) return 0;
    uint64_t p = champ;
    uint32_t decalage = 0;
    if (compte > 4) {
        if (!t.u32(champ, decalage)) return 0;
        p = decalage;
    }
    std::string_view chiffres;
    if (!t.lire(p, 4, chiffres)) return 0;
    int annee = 0;
    for (const char c : chiffres) {
        if (c < '0' || c > '9') return 0;
        annee = annee * 10 + (c - '0');
    }
    return annee >= ANNEE_MIN && annee <= ANNEE_MAX ? annee : 0;
}

// A TIFF block: the orientation in its first directory, the dates in the EXIF directory that
// the first one points to. No other offset is followed, so nothing can loop.
PriseDeVue lire_tiff(const Octets& bloc) {
    PriseDeVue r;
    bool gros = false;
    if (bloc.egal(0, "MM\0*"sv))
        gros = true;
    else if (!bloc.egal(0, "II*\0"sv))
        return r;
    const Octets t = bloc.dans_l_ordre(gros);
    uint32_t ifd = 0, exif = 0;
    bool orientation_vue = false, exif_vue = false;
    if (!t.u32(4, ifd)) return r;
    repertoire(t, ifd, [&](uint16_t etiquette, uint16_t type, uint32_t compte, uint64_t champ) {
        uint16_t valeur = 0;
        if (etiquette == ETIQUETTE_ORIENTATION && !orientation_vue) {
            orientation_vue = true;
            if (type == TYPE_SHORT && compte == 1 && t.u16(champ, valeur) && valeur >= 1 && valeur <= 8)
                r.orientation = valeur;
        } else if (etiquette == ETIQUETTE_EXIF && !exif_vue) {
            exif_vue = (type == TYPE_LONG || type == TYPE_IFD) && compte == 1 && t.u32(champ, exif);
        }
    });
    if (!exif_vue) return r;
    int prise = 0, numerisation = 0;
    repertoire(t, exif, [&](uint16_t etiquette, uint16_t type, uint32_t compte, uint64_t champ) {
        if (etiquette == ETIQUETTE_PRISE && !prise) prise = annee_de(t, type, compte, champ);
        if (etiquette == ETIQUETTE_NUMERISATION && !numerisation) numerisation = annee_de(t, type, compte, champ);
    });
    r.annee = prise ? prise : numerisation;
    return r;
}

// The EXIF of a PNG chunk or a WebP chunk: a TIFF block, after "Exif\0\0" for some writers
// that copied it from a JPEG segment.
PriseDeVue lire_bloc_exif(const Octets& c) { return lire_tiff(c.egal(0, "Exif\0\0"sv) ? c.partie(6) : c); }

PriseDeVue lire_jpeg(const Octets& o) {
    uint16_t marque = 0;
    if (!o.u16(0, marque) || marque != 0xFFD8) return {};
    uint64_t p = 2;
    while (true) {
        uint8_t ff = 0, m = 0;
        if (!o.u8(p, ff) || ff != 0xFF) return {};
        // Fill bytes may stand before a marker.
        do {
            if (!o.u8(++p, m)) return {};
        } while (m == 0xFF);
        ++p;
        if (m == 0xD8 || m == 0x01 || (m >= 0xD0 && m <= 0xD7)) continue;  // no length
        if (m == 0xDA || m == 0xD9) return {};  // the picture data: no EXIF came first
        uint16_t longueur = 0;
        if (!o.u16(p, longueur) || longueur < 2) return {};
        // A segment cut short by the end of what was read still gives what it holds.
        if (m == 0xE1 && longueur >= 8 && o.egal(p + 2, "Exif\0\0"sv)) return lire_tiff(o.partie(p + 8, longueur - 8));
        p += longueur;  // the length counts itself: p always moves on
    }
}

PriseDeVue lire_png(const Octets& o) {
    // After the signature, chunks: length, type, data, check.
    for (uint64_t p = 8;;) {
        uint32_t longueur = 0;
        std::string_view type;
        if (!o.u32(p, longueur) || !o.lire(p + 4, 4, type) || longueur > 0x7FFFFFFF || type == "IEND") return {};
        if (type == "eXIf") return lire_bloc_exif(o.partie(p + 8, longueur));
        p += 12 + uint64_t{longueur};
    }
}

PriseDeVue lire_webp(const Octets& fichier) {
    const Octets o = fichier.dans_l_ordre(false);
    uint32_t taille = 0;
    if (!o.u32(4, taille)) return {};
    const Octets riff = o.partie(0, 8 + uint64_t{taille});
    for (uint64_t p = 12;;) {
        std::string_view type;
        uint32_t longueur = 0;
        if (!riff.lire(p, 4, type) || !riff.u32(p + 4, longueur)) return {};
        if (type == "EXIF") return lire_bloc_exif(riff.partie(p + 8, longueur));
        p += 8 + uint64_t{longueur} + (longueur & 1);  // chunks are padded to an even length
    }
}

PriseDeVue lire_heif(const Octets& o) {
    const std::optional<Etendue> meta = boite_meta(o);
    if (!meta) return {};
    const MetaHeif m = lire_meta_heif(o.partie(meta->position, meta->longueur));
    PriseDeVue r;
    if (m.exif) {
        // The item starts with the offset of its TIFF header past those four bytes.
        const Octets item = o.partie(m.exif->position, m.exif->longueur);
        uint32_t decalage = 0;
        if (item.u32(0, decalage)) r = lire_tiff(item.partie(4 + uint64_t{decalage}));
    }
    // The file's own turn and mirror are how its pictures are meant to stand; the EXIF tag
    // only repeats them, when it is there.
    if (m.orientation) r.orientation = m.orientation;
    r.stockee = m.taille;
    return r;
}

}  // namespace

PriseDeVue prise_de_vue(std::string_view debut) {
    uint64_t voulu = 0;
    const Octets o(debut, true, &voulu);
    PriseDeVue r;
    switch (format_des_octets(debut).value_or(FormatImage::bitmap)) {
    case FormatImage::jpeg:
        r = lire_jpeg(o);
        break;
    case FormatImage::tiff:
        r = lire_tiff(o);
        break;
    case FormatImage::png:
        r = lire_png(o);
        break;
    case FormatImage::webp:
        r = lire_webp(o);
        break;
    case FormatImage::heif:
    case FormatImage::avif:
        r = lire_heif(o);
        break;
    default:
        break;
    }
    r.octets_voulus = voulu;
    return r;
}

Redressement redressement(int orientation, Taille s) {
    const int w = s.largeur - 1, h = s.hauteur - 1;
    switch (orientation) {
        case 2: return {-1, 0, w, 0, 1, 0, false};   // mirrored left to right
        case 3: return {-1, 0, w, 0, -1, h, false};  // upside down
        case 4: return {1, 0, 0, 0, -1, h, false};   // mirrored top to bottom
        case 5: return {0, 1, 0, 1, 0, 0, true};     // on its side, mirrored
        case 6: return {0, 1, 0, -1, 0, h, true};    // turned a quarter clockwise to stand up
        case 7: return {0, -1, w, -1, 0, h, true};
        case 8: return {0, -1, w, 1, 0, 0, true};    // a quarter counterclockwise
        default: return {1, 0, 0, 0, 1, 0, false};
    }
}

Taille taille_droite(int orientation, Taille stockee) {
    return redressement(orientation, stockee).echange ? Taille{stockee.hauteur, stockee.largeur} : stockee;
}

}  // namespace nocturo
