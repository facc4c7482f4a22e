#include "show/orientation.h"

#include <cstdint>

namespace nocturo {

namespace {

constexpr uint16_t ETIQUETTE_ORIENTATION = 274;
constexpr uint16_t TYPE_SHORT = 3;

// A view of bytes where every read past the end fails instead of reading it.
class Octets {
public:
    Octets(std::string_view o, bool gros_boutien = true) : o_(o), gros_(gros_boutien) {}
    size_t taille() const { return o_.size(); }
    bool u8(size_t p, uint8_t& v) const {
        if (p >= o_.size()) return false;
        v = static_cast<uint8_t>(o_[p]);
        return true;
    }
    bool u16(size_t p, uint16_t& v) const {
        uint8_t a, b;
        if (p > SIZE_MAX - 1 || !u8(p, a) || !u8(p + 1, b)) return false;
        v = gros_ ? static_cast<uint16_t>(a << 8 | b) : static_cast<uint16_t>(b << 8 | a);
        return true;
    }
    bool u32(size_t p, uint32_t& v) const {
        uint16_t a, b;
        if (p > SIZE_MAX - 3 || !u16(p, a) || !u16(p + 2, b)) return false;
        v = gros_ ? (uint32_t{a} << 16 | b) : (uint32_t{b} << 16 | a);
        return true;
    }

private:
    std::string_view o_;
    bool gros_;
};

// The orientation in a TIFF block (the EXIF segment after its "Exif\0\0").
int orientation_tiff(std::string_view tiff) {
    if (tiff.size() < 8) return 0;
    bool gros;
    if (tiff.substr(0, 4) == std::string_view("II*\0", 4))
        gros = false;
    else if (tiff.substr(0, 4) == std::string_view("MM\0*", 4))
        gros = true;
    else
        return 0;
    const Octets t(tiff, gros);
    uint32_t ifd = 0;
    uint16_t nombre = 0;
    if (!t.u32(4, ifd) || !t.u16(ifd, nombre)) return 0;
    // The whole directory lies inside the segment, or nothing in it is believed.
    if (size_t{ifd} + 2 + size_t{nombre} * 12 > tiff.size()) return 0;
    // Only the first directory is read: no offset is followed, so nothing can loop.
    for (uint32_t i = 0; i < nombre; ++i) {
        const size_t entree = size_t{ifd} + 2 + size_t{i} * 12;
        uint16_t etiquette, type, valeur;
        uint32_t compte;
        if (!t.u16(entree, etiquette) || !t.u16(entree + 2, type) || !t.u32(entree + 4, compte) ||
            !t.u16(entree + 8, valeur))
            return 0;  // the directory runs past the segment
        if (etiquette != ETIQUETTE_ORIENTATION) continue;
        if (type != TYPE_SHORT || compte != 1 || valeur < 1 || valeur > 8) return 0;
        return valeur;
    }
    return 0;
}

}  // namespace

int orientation_exif(std::string_view debut) {
    const Octets o(debut);
    uint16_t marque;
    if (!o.u16(0, marque) || marque != 0xFFD8) return 0;
    size_t p = 2;
    while (true) {
        uint8_t ff, m;
        if (!o.u8(p, ff) || ff != 0xFF) return 0;
        // Fill bytes may stand before a marker.
        do {
            if (!o.u8(++p, m)) return 0;
        } while (m == 0xFF);
        ++p;
        if (m == 0xD8 || m == 0x01 || (m >= 0xD0 && m <= 0xD7)) continue;  // no length
        if (m == 0xDA || m == 0xD9) return 0;  // the picture data: no EXIF came first
        uint16_t longueur;
        if (!o.u16(p, longueur) || longueur < 2) return 0;
        const size_t fin = p + longueur;
        if (m == 0xE1 && longueur >= 8 && p + 8 <= debut.size() &&
            debut.substr(p + 2, 6) == std::string_view("Exif\0\0", 6)) {
            // A segment cut short by the end of what was read still gives what it holds.
            const size_t tiff = p + 8;
            const size_t taille = std::min(fin, debut.size()) - tiff;
            return orientation_tiff(debut.substr(tiff, taille));
        }
        p = fin;  // the length counts itself: p always moves on
    }
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
