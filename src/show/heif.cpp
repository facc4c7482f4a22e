#include "show/heif.h"

#include <algorithm>
#include <array>
#include <climits>
#include <string>
#include <string_view>
#include <vector>

namespace nocturo {

namespace {

// A file whose 'meta' box is not among its first boxes is not worth looking through.
constexpr int BOITES_MAX = 64;
// Far more than any camera writes; what lies past them is not read.
constexpr size_t PROPRIETES_MAX = 4096;
constexpr size_t ITEMS_EXIF_MAX = 16;
constexpr uint64_t SANS_FIN = Octets::SANS_FIN;

// A box of a view: its type and where its content lies in that view. The type is its own
// copy: the bytes it was read from may be gone.
struct Boite {
    std::string type;
    uint64_t contenu = 0, longueur = 0;
    uint64_t fin() const { return contenu + longueur; }
};

std::optional<Boite> boite_a(const Octets& o, uint64_t p) {
    uint32_t taille32 = 0;
    std::string_view type;
    if (!o.u32(p, taille32) || !o.lire(p + 4, 4, type)) return std::nullopt;
    uint64_t entete = 8, taille = taille32;
    if (taille32 == 1) {
        if (!o.u64(p + 8, taille)) return std::nullopt;
        entete = 16;
    } else if (taille32 == 0) {
        taille = o.taille() - p;  // the last box: to the end of its container
    }
    if (taille < entete || taille > o.taille() - p) return std::nullopt;
    return Boite{std::string(type), p + entete, taille - entete};
}

// A full box's version, its content after version and flags, and its flags.
struct Pleine {
    uint8_t version = 0;
    uint32_t drapeaux = 0;
    Octets contenu;
};

std::optional<Pleine> pleine(const Octets& o) {
    uint8_t version = 0;
    uint32_t drapeaux = 0;
    if (!o.u8(0, version) || !o.u24(1, drapeaux)) return std::nullopt;
    return Pleine{version, drapeaux, o.partie(4)};
}

// Visits the boxes of `o` from `debut` in their order, until `f` says to stop or a box
// does not hold together. Each box moves on by its own length, at least its header.
template <class F>
void parcourir(const Octets& o, uint64_t debut, F&& f) {
    for (uint64_t p = debut; p < o.taille();) {
        const std::optional<Boite> b = boite_a(o, p);
        if (!b || !f(*b, o.partie(b->contenu, b->longueur))) return;
        p = b->fin();
    }
}

template <class TeteA>
std::optional<Etendue> chercher_meta(TeteA&& tete_a) {
    std::optional<Boite> b = tete_a(0);
    if (!b || b->type != "ftyp") return std::nullopt;
    for (int n = 0; n < BOITES_MAX && b; ++n) {
        if (b->type == "meta") {
            if (b->longueur < 4) return std::nullopt;
            return Etendue{b->contenu + 4, b->longueur - 4};
        }
        b = tete_a(b->fin());
    }
    return std::nullopt;
}

// A field of 0, 4 or 8 bytes, as iloc sizes its fields; moves `q` past it.
bool champ(const Octets& o, uint64_t& q, unsigned taille, uint64_t& v) {
    uint32_t v32 = 0;
    switch (taille) {
    case 0:
        v = 0;
        return true;
    case 4:
        if (!o.u32(q, v32)) return false;
        v = v32;
        break;
    case 8:
        if (!o.u64(q, v)) return false;
        break;
    default:
        return false;
    }
    q += taille;
    return true;
}

bool ajouter(uint64_t a, uint64_t b, uint64_t& somme) {
    if (a > SANS_FIN - b) return false;
    somme = a + b;
    return true;
}

// Where item `voulu` lies in the file, when it is one run of bytes.
std::optional<Etendue> place_item(const Pleine& iloc, uint32_t voulu, const std::optional<uint64_t>& idat) {
    const Octets& o = iloc.contenu;
    const uint8_t v = iloc.version;
    if (v > 2) return std::nullopt;
    uint8_t tailles = 0, tailles_base = 0;
    if (!o.u8(0, tailles) || !o.u8(1, tailles_base)) return std::nullopt;
    const unsigned t_decalage = tailles >> 4, t_longueur = tailles & 15, t_base = tailles_base >> 4;
    const unsigned t_index = v >= 1 ? (tailles_base & 15u) : 0;
    uint64_t q = 2;
    uint32_t nombre = 0;
    uint16_t nombre16 = 0;
    if (v < 2) {
        if (!o.u16(q, nombre16)) return std::nullopt;
        nombre = nombre16;
        q += 2;
    } else {
        if (!o.u32(q, nombre)) return std::nullopt;
        q += 4;
    }
    // Each item takes bytes of its own: the loop ends with the box, whatever it claims.
    for (uint32_t i = 0; i < nombre; ++i) {
        uint32_t id = 0;
        uint16_t id16 = 0, methode = 0, reference = 0, extents = 0;
        if (v < 2) {
            if (!o.u16(q, id16)) return std::nullopt;
            id = id16;
            q += 2;
        } else {
            if (!o.u32(q, id)) return std::nullopt;
            q += 4;
        }
        if (v >= 1) {
            if (!o.u16(q, methode)) return std::nullopt;
            methode &= 15;
            q += 2;
        }
        uint64_t base = 0;
        if (!o.u16(q, reference)) return std::nullopt;
        q += 2;
        if (!champ(o, q, t_base, base) || !o.u16(q, extents)) return std::nullopt;
        q += 2;
        std::optional<Etendue> premiere;
        for (uint16_t e = 0; e < extents; ++e) {
            uint64_t index = 0, decalage = 0, longueur = 0;
            if (!champ(o, q, t_index, index) || !champ(o, q, t_decalage, decalage) ||
                !champ(o, q, t_longueur, longueur))
                return std::nullopt;
            if (e == 0) premiere = Etendue{decalage, longueur};
        }
        if (id != voulu) continue;
        // One run, in this file or in the meta box's own data; a length of 0 means "to the
        // end", which no Exif item needs.
        if (extents != 1 || reference != 0 || !premiere || premiere->longueur == 0) return std::nullopt;
        uint64_t position = 0;
        if (!ajouter(base, premiere->position, position)) return std::nullopt;
        if (methode == 1) {
            if (!idat || !ajouter(*idat, position, position)) return std::nullopt;
        } else if (methode != 0) {
            return std::nullopt;
        }
        return Etendue{position, premiere->longueur};
    }
    return std::nullopt;
}

// The properties of `item`, in the order the file associates them.
std::vector<uint16_t> proprietes_de(const Pleine& ipma, uint32_t item) {
    std::vector<uint16_t> r;
    const Octets& o = ipma.contenu;
    uint32_t nombre = 0;
    if (!o.u32(0, nombre)) return r;
    uint64_t q = 4;
    for (uint32_t i = 0; i < nombre; ++i) {
        uint32_t id = 0;
        uint16_t id16 = 0;
        uint8_t associations = 0;
        if (ipma.version < 1) {
            if (!o.u16(q, id16)) return {};
            id = id16;
            q += 2;
        } else {
            if (!o.u32(q, id)) return {};
            q += 4;
        }
        if (!o.u8(q++, associations)) return {};
        for (uint8_t a = 0; a < associations; ++a) {
            uint16_t index = 0;
            uint8_t index8 = 0;
            if (ipma.drapeaux & 1) {
                if (!o.u16(q, index)) return {};
                index &= 0x7FFF;
                q += 2;
            } else {
                if (!o.u8(q, index8)) return {};
                index = index8 & 0x7F;
                q += 1;
            }
            if (id == item) r.push_back(index);
        }
        if (id == item) return r;
    }
    return r;
}

// The rows of a 2 x 2 matrix that takes a stored pixel (centred, y downwards) to its place
// upright, for each EXIF value.
using Matrice = std::array<int, 4>;
constexpr std::array<Matrice, 8> MATRICES = {{
    {1, 0, 0, 1},    // 1
    {-1, 0, 0, 1},   // 2 mirrored left to right
    {-1, 0, 0, -1},  // 3 upside down
    {1, 0, 0, -1},   // 4 mirrored top to bottom
    {0, 1, 1, 0},    // 5
    {0, -1, 1, 0},   // 6 a quarter clockwise
    {0, -1, -1, 0},  // 7
    {0, 1, -1, 0},   // 8 a quarter counterclockwise
}};

Matrice matrice(int orientation) {
    return MATRICES[static_cast<size_t>(orientation >= 1 && orientation <= 8 ? orientation - 1 : 0)];
}

}  // namespace

int orientation_composee(int premiere, int seconde) {
    const Matrice a = matrice(premiere), b = matrice(seconde);
    const Matrice p = {b[0] * a[0] + b[1] * a[2], b[0] * a[1] + b[1] * a[3], b[2] * a[0] + b[3] * a[2],
                       b[2] * a[1] + b[3] * a[3]};
    for (size_t i = 0; i < MATRICES.size(); ++i)
        if (MATRICES[i] == p) return static_cast<int>(i) + 1;
    return 1;  // cannot happen: the eight are a group
}

std::optional<Etendue> boite_meta(const Octets& fichier) {
    const uint64_t base = fichier.position_dans_le_fichier();
    const std::optional<Etendue> r = chercher_meta([&](uint64_t p) { return boite_a(fichier, p); });
    if (!r) return r;
    return Etendue{base + r->position, r->longueur};
}

std::optional<Etendue> boite_meta(const LireExact& lire) {
    return chercher_meta([&](uint64_t p) -> std::optional<Boite> {
        std::array<uint8_t, 16> tete;
        if (!lire(p, tete.size(), tete.data()) && !lire(p, 8, tete.data())) return std::nullopt;
        // A view that starts at the box and knows its 16 bytes: the box's own length says
        // where the next one starts.
        const Octets o(std::string_view(reinterpret_cast<const char*>(tete.data()), tete.size()), true, nullptr, p);
        std::optional<Boite> b = boite_a(o, 0);
        if (b) b->contenu += p;
        return b;
    });
}

MetaHeif lire_meta_heif(const Octets& meta) {
    MetaHeif r;
    std::optional<Pleine> pitm, iloc, iinf, iref, ipma;
    std::optional<Octets> ipco;
    std::optional<uint64_t> idat;
    parcourir(meta, 0, [&](const Boite& b, const Octets& c) {
        if (b.type == "pitm") pitm = pleine(c);
        else if (b.type == "iloc") iloc = pleine(c);
        else if (b.type == "iinf") iinf = pleine(c);
        else if (b.type == "iref") iref = pleine(c);
        else if (b.type == "idat") idat = c.position_dans_le_fichier();
        else if (b.type == "iprp")
            parcourir(c, 0, [&](const Boite& e, const Octets& ce) {
                if (e.type == "ipco") ipco = ce;
                else if (e.type == "ipma") ipma = pleine(ce);
                return true;
            });
        return true;
    });
    if (!pitm) return r;
    uint32_t primaire = 0;
    uint16_t primaire16 = 0;
    if (pitm->version == 0 ? !pitm->contenu.u16(0, primaire16) : !pitm->contenu.u32(0, primaire)) return r;
    if (pitm->version == 0) primaire = primaire16;

    if (ipco && ipma) {
        std::vector<std::pair<std::string, Octets>> proprietes;
        parcourir(*ipco, 0, [&](const Boite& b, const Octets& c) {
            proprietes.emplace_back(b.type, c);
            return proprietes.size() < PROPRIETES_MAX;
        });
        bool transformee = false;
        int orientation = 1;
        for (const uint16_t index : proprietes_de(*ipma, primaire)) {
            if (index == 0 || index > proprietes.size()) continue;
            const auto& [type, c] = proprietes[index - 1];
            uint8_t octet = 0;
            if (type == "ispe" && !r.taille) {
                uint32_t l = 0, h = 0;
                if (c.u32(4, l) && c.u32(8, h))
                    r.taille = Taille{static_cast<int>(std::min<uint32_t>(l, INT_MAX)),
                                      static_cast<int>(std::min<uint32_t>(h, INT_MAX))};
            } else if (type == "irot" && c.u8(0, octet)) {
                // Quarter turns counterclockwise: 0, 90, 180, 270 degrees.
                static constexpr int QUARTS[4] = {1, 8, 3, 6};
                orientation = orientation_composee(orientation, QUARTS[octet & 3]);
                transformee = true;
            } else if (type == "imir" && c.u8(0, octet)) {
                // 0 exchanges top and bottom, 1 left and right.
                orientation = orientation_composee(orientation, (octet & 1) ? 2 : 4);
                transformee = true;
            }
        }
        if (transformee) r.orientation = orientation;
    }

    // The EXIF of the primary picture: the Exif item that describes it, else the first one.
    if (!iinf || !iloc) return r;
    std::vector<uint32_t> exifs;
    const uint64_t debut_infe = iinf->version == 0 ? 2 : 4;
    parcourir(iinf->contenu, debut_infe, [&](const Boite& b, const Octets& c) {
        if (b.type != "infe") return true;
        const std::optional<Pleine> infe = pleine(c);
        if (!infe || infe->version < 2) return true;
        uint16_t id16 = 0;
        uint32_t id = 0;
        const uint64_t type = infe->version == 2 ? 4 : 6;
        if (infe->version == 2 ? !infe->contenu.u16(0, id16) : !infe->contenu.u32(0, id)) return true;
        if (infe->version == 2) id = id16;
        if (infe->contenu.egal(type, "Exif")) exifs.push_back(id);
        return exifs.size() < ITEMS_EXIF_MAX;
    });
    if (exifs.empty()) return r;
    uint32_t exif = exifs.front();
    if (iref) {
        const uint64_t t_id = iref->version == 0 ? 2 : 4;
        const auto id_a = [&](const Octets& c, uint64_t p, uint32_t& id) {
            uint16_t id16 = 0;
            if (t_id == 4) return c.u32(p, id);
            if (!c.u16(p, id16)) return false;
            id = id16;
            return true;
        };
        parcourir(iref->contenu, 0, [&](const Boite& b, const Octets& c) {
            uint32_t de = 0;
            uint16_t nombre = 0;
            if (b.type != "cdsc" || !id_a(c, 0, de) || !c.u16(t_id, nombre)) return true;
            if (std::find(exifs.begin(), exifs.end(), de) == exifs.end()) return true;
            for (uint16_t i = 0; i < nombre; ++i) {
                uint32_t vers = 0;
                if (!id_a(c, t_id + 2 + i * t_id, vers)) return true;
                if (vers == primaire) {
                    exif = de;
                    return false;
                }
            }
            return true;
        });
    }
    r.exif = place_item(*iloc, exif, idat);
    return r;
}

}  // namespace nocturo
