// Picture files for the simulated machine and the readers' tests: JPEG framing (with an
// orientation tag and a date when asked) around the text that the simulated decoder reads,
// and the containers of the other kinds (PNG chunks, RIFF chunks, ISO boxes) around an EXIF
// block built to order. No pixel data: no codec reads them.
#pragma once
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace nocturo::test {

inline void ajouter_entier(std::string& s, uint64_t v, int octets, bool gros = true) {
    for (int i = 0; i < octets; ++i) {
        const int decalage = 8 * (gros ? octets - 1 - i : i);
        s += static_cast<char>((v >> decalage) & 0xFF);
    }
}

// A TIFF block as cameras write their EXIF: a first directory (the orientation, the pointer
// to the EXIF directory), the EXIF directory (the dates), then the values too long to stand
// in an entry.
class BlocTiff {
public:
    struct Entree {
        uint16_t etiquette, type;
        uint32_t compte, valeur;
        std::string donnees;  // a value longer than four bytes; `valeur` is then its offset
    };

    explicit BlocTiff(bool gros = false) : gros_(gros) {}
    BlocTiff& orientation(int v) { return entree(0x0112, 3, 1, static_cast<uint32_t>(v)); }
    // DateTimeOriginal (0x9003) or DateTimeDigitized (0x9004), as ASCII with its NUL.
    BlocTiff& date(uint16_t etiquette, const std::string& texte) {
        exif_.push_back({etiquette, 2, static_cast<uint32_t>(texte.size() + 1), 0, texte + '\0'});
        return *this;
    }
    BlocTiff& entree(uint16_t etiquette, uint16_t type, uint32_t compte, uint32_t valeur) {
        premier_.push_back({etiquette, type, compte, valeur, {}});
        return *this;
    }
    BlocTiff& entree_exif(uint16_t etiquette, uint16_t type, uint32_t compte, uint32_t valeur) {
        exif_.push_back({etiquette, type, compte, valeur, {}});
        return *this;
    }
    // The EXIF directory's offset, whatever its place (out of the block, at the first one).
    BlocTiff& exif_a(uint32_t decalage) {
        exif_force_ = decalage;
        return *this;
    }

    std::string octets() const {
        std::vector<Entree> premier = premier_;
        const bool avec_exif = !exif_.empty() || exif_force_;
        if (avec_exif) premier.push_back({0x8769, 4, 1, 0, {}});
        const uint32_t ifd0 = 8, exif = ifd0 + 2 + 12 * static_cast<uint32_t>(premier.size()) + 4;
        uint32_t donnees = exif + (exif_.empty() ? 0 : 2 + 12 * static_cast<uint32_t>(exif_.size()) + 4);
        if (avec_exif) premier.back().valeur = exif_force_ ? *exif_force_ : exif;
        std::string t = gros_ ? std::string("MM\0*", 4) : std::string("II*\0", 4);
        ajouter_entier(t, ifd0, 4, gros_);
        std::string queue;
        const auto repertoire = [&](const std::vector<Entree>& entrees) {
            ajouter_entier(t, entrees.size(), 2, gros_);
            for (const Entree& e : entrees) {
                ajouter_entier(t, e.etiquette, 2, gros_);
                ajouter_entier(t, e.type, 2, gros_);
                ajouter_entier(t, e.compte, 4, gros_);
                if (e.donnees.size() > 4) {
                    ajouter_entier(t, donnees + queue.size(), 4, gros_);
                    queue += e.donnees;
                } else if (!e.donnees.empty()) {
                    t += e.donnees + std::string(4 - e.donnees.size(), '\0');
                } else if (e.type == 3) {  // a SHORT stands in the entry's first two bytes
                    ajouter_entier(t, e.valeur, 2, gros_);
                    ajouter_entier(t, 0, 2, gros_);
                } else {
                    ajouter_entier(t, e.valeur, 4, gros_);
                }
            }
            ajouter_entier(t, 0, 4, gros_);  // no next directory
        };
        repertoire(premier);
        if (!exif_.empty()) repertoire(exif_);
        return t + queue;
    }

private:
    bool gros_;
    std::vector<Entree> premier_, exif_;
    std::optional<uint32_t> exif_force_;
};

// A JPEG segment: marker, length (counting itself), data.
inline std::string segment_jpeg(unsigned char marque, const std::string& donnees) {
    std::string s{'\xFF', static_cast<char>(marque)};
    ajouter_entier(s, donnees.size() + 2, 2);
    return s + donnees;
}

inline std::string jpeg_simule(int largeur, int hauteur, int orientation = 0, uint32_t couleur = 0x336699,
                               const std::string& date_prise = "") {
    std::string j = "\xFF\xD8";
    if (orientation || !date_prise.empty()) {
        BlocTiff t;
        if (orientation) t.orientation(orientation);
        if (!date_prise.empty()) t.date(0x9003, date_prise);
        j += segment_jpeg(0xE1, std::string("Exif\0\0", 6) + t.octets());
    }
    char texte[64];
    std::snprintf(texte, sizeof texte, "SIM:%dx%d:%06x", largeur, hauteur, couleur & 0xFFFFFF);
    return j + segment_jpeg(0xFE, texte) + "\xFF\xD9";
}

// A JPEG start with an EXIF segment holding `tiff`.
inline std::string jpeg_avec_exif(const std::string& tiff) {
    return "\xFF\xD8" + segment_jpeg(0xE1, std::string("Exif\0\0", 6) + tiff) + std::string("\xFF\xDA\0\x02", 4);
}

// A PNG chunk; no reader of ours checks the CRC, left at zero.
inline std::string morceau_png(const std::string& type, const std::string& donnees) {
    std::string m;
    ajouter_entier(m, donnees.size(), 4);
    return m + type + donnees + std::string(4, '\0');
}

inline std::string png_simule(int largeur, int hauteur, const std::string& avant_idat = "",
                              size_t octets_idat = 16, const std::string& apres_idat = "") {
    std::string ihdr;
    ajouter_entier(ihdr, static_cast<uint32_t>(largeur), 4);
    ajouter_entier(ihdr, static_cast<uint32_t>(hauteur), 4);
    ihdr += std::string("\x08\x06\0\0\0", 5);
    return std::string("\x89PNG\r\n\x1A\n", 8) + morceau_png("IHDR", ihdr) + avant_idat +
           morceau_png("IDAT", std::string(octets_idat, 'x')) + apres_idat + morceau_png("IEND", "");
}

// A RIFF chunk, padded to an even length.
inline std::string morceau_riff(const std::string& type, const std::string& donnees) {
    std::string m = type;
    ajouter_entier(m, donnees.size(), 4, false);
    m += donnees;
    if (donnees.size() % 2) m += '\0';
    return m;
}

// An extended WebP: its canvas, `octets_image` bytes of picture, then the chunks given.
inline std::string webp_simule(int largeur, int hauteur, const std::string& apres = "", size_t octets_image = 16) {
    std::string vp8x = std::string(1, '\x08') + std::string(3, '\0');  // the EXIF flag
    ajouter_entier(vp8x, static_cast<uint32_t>(largeur - 1), 3, false);
    ajouter_entier(vp8x, static_cast<uint32_t>(hauteur - 1), 3, false);
    const std::string corps = "WEBP" + morceau_riff("VP8X", vp8x) +
                              morceau_riff("VP8L", "\x2F" + std::string(octets_image, 'x')) + apres;
    std::string r = "RIFF";
    ajouter_entier(r, corps.size(), 4, false);
    return r + corps;
}

// ISO boxes: a box, and a full box (version and flags first).
inline std::string boite(const std::string& type, const std::string& contenu) {
    std::string b;
    ajouter_entier(b, contenu.size() + 8, 4);
    return b + type + contenu;
}
inline std::string boite_pleine(const std::string& type, int version, uint32_t drapeaux, const std::string& contenu) {
    std::string v(1, static_cast<char>(version));
    ajouter_entier(v, drapeaux, 3);
    return boite(type, v + contenu);
}

// A HEIF file as a phone writes it: the picture (item 1), its Exif item (item 2) that
// describes it, the properties of item 1 (its size, its turn and its mirror when asked).
struct HeifSimule {
    int largeur = 4032, hauteur = 3024;
    int irot = -1, imir = -1;  // -1: none
    std::string tiff = {};     // the EXIF block; empty: no Exif item
    bool exif_dans_idat = false;
    size_t octets_avant_exif = 0;  // picture data in front of the EXIF in the data box
    std::string marque = "heic";
};

inline std::string heif_simule(const HeifSimule& h) {
    const bool avec_exif = !h.tiff.empty();
    const std::string exif = [&] {
        std::string e;
        ajouter_entier(e, 6, 4);  // the TIFF header lies past "Exif\0\0"
        return e + std::string("Exif\0\0", 6) + h.tiff;
    }();
    const std::string ftyp = boite("ftyp", h.marque + std::string(4, '\0') + "mif1" + h.marque);
    const auto meta = [&](uint64_t debut_mdat) {
        std::string pitm, iinf, iref, iloc, ipco, ipma;
        ajouter_entier(pitm, 1, 2);
        std::string entrees;
        entrees += boite_pleine("infe", 2, 0, std::string("\0\x01\0\0hvc1\0", 9));
        if (avec_exif) entrees += boite_pleine("infe", 2, 0, std::string("\0\x02\0\0Exif\0", 9));
        ajouter_entier(iinf, avec_exif ? 2 : 1, 2);
        iinf += entrees;
        if (avec_exif) iref = boite("cdsc", std::string("\0\x02\0\x01\0\x01", 6));
        // Version 1: 4-byte offsets and lengths, no base offset, a construction method.
        iloc = std::string("\x44\0", 2);
        ajouter_entier(iloc, avec_exif ? 2 : 1, 2);
        const auto item = [&](int id, int methode, uint64_t position, uint64_t longueur) {
            ajouter_entier(iloc, static_cast<uint64_t>(id), 2);
            ajouter_entier(iloc, static_cast<uint64_t>(methode), 2);
            ajouter_entier(iloc, 0, 2);  // this file
            ajouter_entier(iloc, 1, 2);  // one run
            ajouter_entier(iloc, position, 4);
            ajouter_entier(iloc, longueur, 4);
        };
        item(1, 0, debut_mdat, h.octets_avant_exif);
        if (avec_exif)
            item(2, h.exif_dans_idat ? 1 : 0, h.exif_dans_idat ? 0 : debut_mdat + h.octets_avant_exif, exif.size());
        std::string ispe;
        ajouter_entier(ispe, static_cast<uint32_t>(h.largeur), 4);
        ajouter_entier(ispe, static_cast<uint32_t>(h.hauteur), 4);
        ipco = boite("hvcC", std::string(4, '\0')) + boite_pleine("ispe", 0, 0, ispe);
        std::string associations = "\x01\x82";  // hvcC, and the size marked essential
        if (h.irot >= 0) {
            ipco += boite("irot", std::string(1, static_cast<char>(h.irot)));
            associations += static_cast<char>(0x80 | (associations.size() + 1));
        }
        if (h.imir >= 0) {
            ipco += boite("imir", std::string(1, static_cast<char>(h.imir)));
            associations += static_cast<char>(0x80 | (associations.size() + 1));
        }
        ajouter_entier(ipma, 1, 4);
        ajouter_entier(ipma, 1, 2);
        ipma += static_cast<char>(associations.size());
        ipma += associations;
        std::string contenu = boite_pleine("hdlr", 0, 0, std::string(4, '\0') + "pict" + std::string(13, '\0')) +
                              boite_pleine("pitm", 0, 0, pitm) + boite_pleine("iinf", 0, 0, iinf);
        if (avec_exif) contenu += boite_pleine("iref", 0, 0, iref);
        contenu += boite_pleine("iloc", 1, 0, iloc) +
                   boite("iprp", boite("ipco", ipco) + boite_pleine("ipma", 0, 0, ipma));
        if (avec_exif && h.exif_dans_idat) contenu += boite("idat", exif);
        return boite_pleine("meta", 0, 0, contenu);
    };
    // The data box's place depends on the meta box's length only, never on the offsets in it.
    const uint64_t debut_mdat = ftyp.size() + meta(0).size() + 8;
    const std::string donnees =
        std::string(h.octets_avant_exif, 'p') + (avec_exif && !h.exif_dans_idat ? exif : std::string());
    return ftyp + meta(debut_mdat) + boite("mdat", donnees);
}

}  // namespace nocturo::test
