// What the camera recorded: the bounded reader of the orientation and the year in each kind
// of file, where each value sends a picture's corners once it stands upright, and how turns
// add up.
#include <gtest/gtest.h>

#include "show/heif.h"
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

// ---- Every kind of file: the orientation and the year ----

const std::string DATE = "2019:07:14 10:32:05";

std::string tiff_de(int orientation, const std::string& prise = DATE, bool gros = false) {
    BlocTiff t(gros);
    if (orientation) t.orientation(orientation);
    if (!prise.empty()) t.date(0x9003, prise);
    return t.octets();
}

std::string png_exif(const std::string& tiff) { return png_simule(64, 48, morceau_png("eXIf", tiff)); }
std::string heif_avec(HeifSimule h) { return heif_simule(h); }

struct CasPrise {
    const char* ce_qu_il_montre;
    std::string octets;
    int orientation, annee;
};

void PrintTo(const CasPrise& c, std::ostream* os) { *os << c.ce_qu_il_montre; }

class PriseDeVueDe : public testing::TestWithParam<CasPrise> {};

TEST_P(PriseDeVueDe, LOrientationEtLAnnee) {
    const CasPrise& c = GetParam();
    const PriseDeVue p = prise_de_vue(c.octets);
    EXPECT_EQ(p.orientation, c.orientation);
    EXPECT_EQ(p.annee, c.annee);
    EXPECT_EQ(p.octets_voulus, 0u) << "tout tenait dans les octets donnes";
}

INSTANTIATE_TEST_SUITE_P(
    JpegEtTiff, PriseDeVueDe,
    testing::Values(
        CasPrise{"JPEG petit-boutien", jpeg_avec_exif(tiff_de(6)), 6, 2019},
        CasPrise{"JPEG gros-boutien", jpeg_avec_exif(tiff_de(8, "2004:01:02 03:04:05", true)), 8, 2004},
        CasPrise{"numerisation seule",
                 jpeg_avec_exif(BlocTiff().orientation(3).date(0x9004, "2011:05:05 00:00:00").octets()), 3, 2011},
        CasPrise{"la prise de vue avant la numerisation",
                 jpeg_avec_exif(BlocTiff().date(0x9004, "2020:01:01 00:00:00").date(0x9003, DATE).octets()), 0, 2019},
        CasPrise{"date en blanc, la numerisation ensuite",
                 jpeg_avec_exif(BlocTiff()
                                    .date(0x9003, "    :  :     :  :  ")
                                    .date(0x9004, "2015:06:01 12:00:00")
                                    .octets()),
                 0, 2015},
        CasPrise{"annee 0000", jpeg_avec_exif(tiff_de(1, "0000:00:00 00:00:00")), 1, 0},
        CasPrise{"annee 9999", jpeg_avec_exif(tiff_de(1, "9999:12:31 23:59:59")), 1, 0},
        CasPrise{"date de trois caracteres", jpeg_avec_exif(tiff_de(1, "201")), 1, 0},
        CasPrise{"date d'un autre type", jpeg_avec_exif(BlocTiff().entree_exif(0x9003, 7, 20, 26).octets()), 0, 0},
        CasPrise{"date hors du bloc", jpeg_avec_exif(BlocTiff().entree_exif(0x9003, 2, 20, 0xFFFFFF00u).octets()), 0,
                 0},
        CasPrise{"repertoire EXIF hors du bloc", jpeg_avec_exif(BlocTiff().orientation(6).exif_a(50000).octets()), 6,
                 0},
        CasPrise{"repertoire EXIF a 4 milliards", jpeg_avec_exif(BlocTiff().orientation(6).exif_a(0xFFFFFFF0u).octets()),
                 6, 0},
        CasPrise{"repertoire EXIF qui est le premier : une boucle",
                 jpeg_avec_exif(BlocTiff().orientation(6).exif_a(8).octets()), 6, 0},
        CasPrise{"pointeur EXIF d'un autre type",
                 jpeg_avec_exif(BlocTiff().orientation(5).entree(0x8769, 3, 1, 8).octets()), 5, 0},
        CasPrise{"TIFF : le fichier est le bloc", tiff_de(6), 6, 2019},
        CasPrise{"TIFF gros-boutien", tiff_de(7, DATE, true), 7, 2019},
        CasPrise{"TIFF sans orientation ni date", BlocTiff().entree(256, 3, 1, 64).octets(), 0, 0}));

INSTANTIATE_TEST_SUITE_P(
    PngEtWebp, PriseDeVueDe,
    testing::Values(
        CasPrise{"PNG, eXIf avant les donnees", png_exif(tiff_de(6)), 6, 2019},
        CasPrise{"PNG, eXIf precede de Exif\\0\\0", png_exif(std::string("Exif\0\0", 6) + tiff_de(8)), 8, 2019},
        CasPrise{"PNG, eXIf apres les donnees", png_simule(64, 48, "", 300, morceau_png("eXIf", tiff_de(3))), 3, 2019},
        CasPrise{"PNG sans eXIf", png_simule(64, 48), 0, 0},
        // A chunk that claims more than the file holds gives what it holds, and no more.
        CasPrise{"PNG, eXIf qui dit plus que le fichier",
                 png_simule(64, 48, morceau_png("eXIf", tiff_de(6)).replace(0, 4, "\x7F\xFF\xFF\xF0", 4)), 6, 2019},
        CasPrise{"WebP, morceau EXIF", webp_simule(64, 48, morceau_riff("EXIF", tiff_de(6))), 6, 2019},
        CasPrise{"WebP, EXIF precede de Exif\\0\\0",
                 webp_simule(64, 48, morceau_riff("EXIF", std::string("Exif\0\0", 6) + tiff_de(2))), 2, 2019},
        CasPrise{"WebP, un morceau impair avant l'EXIF",
                 webp_simule(64, 48, morceau_riff("ICCP", "abc") + morceau_riff("EXIF", tiff_de(4)), 17), 4, 2019},
        CasPrise{"WebP sans EXIF", webp_simule(64, 48), 0, 0}));

INSTANTIATE_TEST_SUITE_P(
    HeifEtAvif, PriseDeVueDe,
    testing::Values(
        CasPrise{"HEIF, orientation de l'EXIF seul", heif_avec({.tiff = tiff_de(6)}), 6, 2019},
        CasPrise{"HEIF, irot et EXIF qui le repete", heif_avec({.irot = 3, .tiff = tiff_de(6)}), 6, 2019},
        CasPrise{"HEIF, irot de 0 l'emporte sur l'EXIF", heif_avec({.irot = 0, .tiff = tiff_de(6)}), 1, 2019},
        CasPrise{"HEIF, un quart de tour sans EXIF", heif_avec({.irot = 1}), 8, 0},
        CasPrise{"HEIF, demi-tour", heif_avec({.irot = 2}), 3, 0},
        CasPrise{"HEIF, miroir haut-bas", heif_avec({.imir = 0}), 4, 0},
        CasPrise{"HEIF, miroir gauche-droite", heif_avec({.imir = 1}), 2, 0},
        CasPrise{"HEIF, tour puis miroir", heif_avec({.irot = 1, .imir = 0}), 5, 0},
        CasPrise{"HEIF, EXIF dans la boite idat", heif_avec({.tiff = tiff_de(8), .exif_dans_idat = true}), 8, 2019},
        CasPrise{"HEIF, EXIF apres les donnees de l'image", heif_avec({.tiff = tiff_de(6), .octets_avant_exif = 2000}),
                 6, 2019},
        CasPrise{"AVIF", heif_avec({.irot = 3, .tiff = tiff_de(6), .marque = "avif"}), 6, 2019},
        CasPrise{"HEIF sans boite meta",
                 boite("ftyp", "heic" + std::string(4, '\0')) + std::string("\0\0\0\0mdat", 8) + "x", 0, 0},
        CasPrise{"rien qu'on connaisse", "GIF89a" + std::string(20, '\0'), 0, 0}, CasPrise{"vide", "", 0, 0}));

TEST(PriseDeVue, DitQuandLaSuiteDuFichierEnDiraitPlus) {
    // The EXIF after 200 KB of picture data: the first 128 KB say where to look.
    const struct {
        const char* quoi;
        std::string fichier;
    } cas[] = {
        {"PNG", png_simule(64, 48, "", 200'000, morceau_png("eXIf", tiff_de(6)))},
        {"WebP", webp_simule(64, 48, morceau_riff("EXIF", tiff_de(6)), 200'000)},
        {"HEIF", heif_simule({.tiff = tiff_de(6), .octets_avant_exif = 200'000})},
        {"TIFF", [] {
             // The first directory at the end, as many writers put it.
             std::string t = tiff_de(6);
             std::string deplace = t.substr(0, 4);
             ajouter_entier(deplace, 200'008, 4, false);
             return deplace + std::string(200'000, '\0') + t.substr(8);
         }()},
    };
    for (const auto& c : cas) {
        const PriseDeVue debut = prise_de_vue(std::string_view(c.fichier).substr(0, OCTETS_ENTETE));
        EXPECT_EQ(debut.orientation, 0) << c.quoi;
        EXPECT_GT(debut.octets_voulus, OCTETS_ENTETE) << c.quoi;
        EXPECT_LE(debut.octets_voulus, c.fichier.size()) << c.quoi;
        const PriseDeVue tout = prise_de_vue(c.fichier);
        EXPECT_EQ(tout.orientation, 6) << c.quoi;
        EXPECT_EQ(tout.octets_voulus, 0u) << c.quoi;
    }
    // A JPEG cut inside its EXIF segment wants the rest of the segment.
    const std::string j = jpeg_avec_exif(tiff_de(6));
    EXPECT_EQ(prise_de_vue(std::string_view(j).substr(0, 30)).octets_voulus > 30, true);
}

TEST(PriseDeVue, NImporteQuelsOctetsNeLeFontPasSortirDuTampon) {
    // Every cut of a valid file of each kind, and every byte of it changed: the reader stays
    // in bounds (the sanitizers watch) and answers within range.
    for (const std::string& bon :
         {jpeg_avec_exif(tiff_de(6)), tiff_de(6, DATE, true), png_exif(tiff_de(6)),
          webp_simule(8, 8, morceau_riff("EXIF", tiff_de(6))), heif_simule({.irot = 1, .imir = 1, .tiff = tiff_de(6)}),
          heif_simule({.tiff = tiff_de(3), .exif_dans_idat = true})}) {
        const auto verifier = [](const std::string& o) {
            const PriseDeVue p = prise_de_vue(o);
            EXPECT_TRUE(p.orientation >= 0 && p.orientation <= 8);
            EXPECT_TRUE(p.annee == 0 || (p.annee >= 1826 && p.annee <= 2200));
        };
        for (size_t n = 0; n <= bon.size(); ++n) verifier(bon.substr(0, n));
        for (size_t i = 0; i < bon.size(); ++i)
            for (const int b : {0x00, 0x01, 0x7F, 0xFF}) {
                std::string abime = bon;
                abime[i] = static_cast<char>(b);
                verifier(abime);
            }
    }
}

// A picture of 3 x 2 whose every pixel is its own.
Pixels six_pixels() {
    Pixels p;
    p.largeur = 3;
    p.hauteur = 2;
    p.bgra = {0xFF000001, 0xFF000002, 0xFF000003, 0xFF000004, 0xFF000005, 0xFF000006};
    return p;
}

Pixels tourner(const Pixels& p, int orientation) {
    return reduire_et_tourner(p, orientation, taille_droite(orientation, {p.largeur, p.hauteur}));
}

TEST(Orientations, SeComposentCommeLesTours) {
    // HEIF stacks a turn and a mirror: one value must do what the two do one after the other.
    const Pixels p = six_pixels();
    for (int a = 1; a <= 8; ++a)
        for (int b = 1; b <= 8; ++b) {
            const Pixels deux_fois = tourner(tourner(p, a), b);
            const Pixels une_fois = tourner(p, orientation_composee(a, b));
            EXPECT_EQ(deux_fois.largeur, une_fois.largeur) << a << " puis " << b;
            EXPECT_EQ(deux_fois.bgra, une_fois.bgra) << a << " puis " << b;
        }
    EXPECT_EQ(orientation_composee(0, 6), 6);  // no tag stands for upright
    EXPECT_EQ(orientation_composee(6, 6), 3);
    EXPECT_EQ(orientation_composee(6, 8), 1);
}

}  // namespace
}  // namespace nocturo::test
