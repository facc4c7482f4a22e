// The orientation tag: the bounded EXIF reader, and where each value sends a picture's
// corners once it stands upright.
#include <gtest/gtest.h>

#include "show/orientation.h"
#include "show/reduction.h"
#include "sim/images_simulees.h"

namespace nocturo::test {
namespace {

// A picture of 4 × 2 whose four corners are told apart by their colour.
constexpr uint32_t HG = 0xFF000001, HD = 0xFF000002, BG = 0xFF000003, BD = 0xFF000004;
Pixels quatre_sur_deux() {
    Pixels p;
    p.largeur = 4;
    p.hauteur = 2;
    p.bgra = {HG, 0xFF000000, 0xFF000000, HD, BG, 0xFF000000, 0xFF000000, BD};
    return p;
}

struct CasOrientation {
    int valeur;
    Taille taille;
    uint32_t haut_gauche, haut_droit, bas_gauche, bas_droit;  // upright corners
};

void PrintTo(const CasOrientation& c, std::ostream* os) { *os << "orientation " << c.valeur; }

class Redressement : public testing::TestWithParam<CasOrientation> {};

TEST_P(Redressement, LesCoinsVontOuLaValeurLeDit) {
    const CasOrientation& c = GetParam();
    EXPECT_EQ(taille_droite(c.valeur, {4, 2}), c.taille);
    const Pixels r = reduire_et_tourner(quatre_sur_deux(), c.valeur, c.taille);
    ASSERT_EQ(r.largeur, c.taille.largeur);
    ASSERT_EQ(r.hauteur, c.taille.hauteur);
    const auto coin = [&](int x, int y) { return r.bgra[static_cast<size_t>(y * r.largeur + x)]; };
    EXPECT_EQ(coin(0, 0), c.haut_gauche);
    EXPECT_EQ(coin(r.largeur - 1, 0), c.haut_droit);
    EXPECT_EQ(coin(0, r.hauteur - 1), c.bas_gauche);
    EXPECT_EQ(coin(r.largeur - 1, r.hauteur - 1), c.bas_droit);
}

INSTANTIATE_TEST_SUITE_P(
    HuitValeurs, Redressement,
    testing::Values(CasOrientation{1, {4, 2}, HG, HD, BG, BD},
                    CasOrientation{2, {4, 2}, HD, HG, BD, BG},  // mirrored left to right
                    CasOrientation{3, {4, 2}, BD, BG, HD, HG},  // upside down
                    CasOrientation{4, {4, 2}, BG, BD, HG, HD},  // mirrored top to bottom
                    CasOrientation{5, {2, 4}, HG, BG, HD, BD},  // on its side, mirrored
                    CasOrientation{6, {2, 4}, BG, HG, BD, HD},  // turned a quarter clockwise
                    CasOrientation{7, {2, 4}, BD, HD, BG, HG},
                    CasOrientation{8, {2, 4}, HD, BD, HG, BG},  // a quarter counterclockwise
                    CasOrientation{0, {4, 2}, HG, HD, BG, BD},  // no tag: as stored
                    CasOrientation{9, {4, 2}, HG, HD, BG, BD}));

// A JPEG start: SOI, then the given segments, then the start of the picture data.
std::string jpeg(const std::string& segments) { return "\xFF\xD8" + segments + std::string("\xFF\xDA\0\x02", 4); }

std::string segment(unsigned char marque, const std::string& donnees) {
    const size_t l = donnees.size() + 2;
    return std::string{'\xFF', static_cast<char>(marque), static_cast<char>(l >> 8), static_cast<char>(l & 0xFF)} +
           donnees;
}

// An EXIF segment, little-endian, whose first directory lies at `ifd` and says it holds
// `nombre` entries, the first being the given tag, type, count and value.
std::string exif(uint32_t ifd, uint16_t nombre, uint16_t etiquette = 274, uint16_t type = 3, uint32_t compte = 1,
                 uint16_t valeur = 6, bool gros = false) {
    std::string t = gros ? std::string("MM\0*", 4) : std::string("II*\0", 4);
    const auto u16 = [&](uint16_t v) {
        t += gros ? static_cast<char>(v >> 8) : static_cast<char>(v & 0xFF);
        t += gros ? static_cast<char>(v & 0xFF) : static_cast<char>(v >> 8);
    };
    const auto u32 = [&](uint32_t v) {
        if (gros) {
            u16(static_cast<uint16_t>(v >> 16));
            u16(static_cast<uint16_t>(v));
        } else {
            u16(static_cast<uint16_t>(v));
            u16(static_cast<uint16_t>(v >> 16));
        }
    };
    u32(ifd);
    while (t.size() < ifd) t += '\0';
    u16(nombre);
    u16(etiquette);
    u16(type);
    u32(compte);
    u16(valeur);
    u16(0);
    return segment(0xE1, std::string("Exif\0\0", 6) + t);
}

// A valid segment whose first directory's offset is then made to say `ifd`.
std::string exif_decale(uint32_t ifd) {
    std::string e = exif(8, 1);
    for (int k = 0; k < 4; ++k) e[14 + static_cast<size_t>(k)] = static_cast<char>((ifd >> (8 * k)) & 0xFF);
    return e;
}

TEST(LecteurExif, DonneLaValeurOuZero) {
    const struct {
        const char* ce_qu_il_montre;
        std::string octets;
        int attendu;
    } cas[] = {
        {"petit-boutien", jpeg(exif(8, 1)), 6},
        {"gros-boutien", jpeg(exif(8, 1, 274, 3, 1, 8, true)), 8},
        {"apres un APP0", jpeg(segment(0xE0, "JFIF") + exif(8, 1, 274, 3, 1, 3)), 3},
        {"octets de remplissage avant le marqueur", "\xFF\xD8\xFF\xFF" + jpeg(exif(8, 1)).substr(3), 6},
        {"sans EXIF", jpeg(segment(0xE0, "JFIF")), 0},
        {"valeur 0", jpeg(exif(8, 1, 274, 3, 1, 0)), 0},
        {"valeur 9", jpeg(exif(8, 1, 274, 3, 1, 9)), 0},
        {"autre type", jpeg(exif(8, 1, 274, 4, 1, 6)), 0},
        {"autre etiquette", jpeg(exif(8, 1, 275)), 0},
        {"repertoire hors du segment", jpeg(exif_decale(4000)), 0},
        {"repertoire au bout du segment", jpeg(exif_decale(20)), 0},
        {"decalage a 4 milliards", jpeg(exif_decale(0xFFFFFFF0u)), 0},
        {"repertoire qui se designe lui-meme", jpeg(exif_decale(0)), 0},
        {"nombre d'entrees hors du segment", jpeg(exif(8, 4000)), 0},
        {"nombre d'entrees hors du segment, l'orientation plus loin", jpeg(exif(8, 60000, 275)), 0},
        {"segment coupe", jpeg(exif(8, 1)).substr(0, 20), 0},
        {"longueur de segment trop courte", "\xFF\xD8\xFF\xE1" + std::string("\0\x01", 2), 0},
        {"pas un JPEG", "GIF89a", 0},
        {"vide", "", 0},
        {"EXIF apres les donnees de l'image", std::string("\xFF\xD8\xFF\xDA\0\x02", 6) + exif(8, 1), 0},
    };
    for (const auto& c : cas) EXPECT_EQ(orientation_exif(c.octets), c.attendu) << c.ce_qu_il_montre;
}

TEST(LecteurExif, LitLesFichiersDeLaMachineSimulee) {
    for (int v = 1; v <= 8; ++v) EXPECT_EQ(orientation_exif(jpeg_simule(40, 30, v)), v);
    EXPECT_EQ(orientation_exif(jpeg_simule(40, 30)), 0);
}

TEST(LecteurExif, NImporteQuelsOctetsNeLeFontPasSortirDuTampon) {
    // Every cut of a valid start, and every byte of it changed: the reader stays in bounds
    // (the sanitizers watch) and always answers.
    const std::string bon = jpeg(exif(8, 2));
    for (size_t n = 0; n <= bon.size(); ++n) {
        const std::string coupe = bon.substr(0, n);
        const int v = orientation_exif(coupe);
        EXPECT_TRUE(v >= 0 && v <= 8);
    }
    for (size_t i = 0; i < bon.size(); ++i)
        for (int b : {0x00, 0x01, 0x7F, 0xFF}) {
            std::string abime = bon;
            abime[i] = static_cast<char>(b);
            const int v = orientation_exif(abime);
            EXPECT_TRUE(v >= 0 && v <= 8);
        }
}

}  // namespace
}  // namespace nocturo::test
