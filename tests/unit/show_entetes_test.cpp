// The headers read before any decoder of the system sees a file: the kind its first bytes
// say, and the size it claims, for every kind the loader knows.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "show/entetes_images.h"
#include "sim/images_simulees.h"

namespace nocturo::test {
namespace {

using namespace std::string_literals;

TEST(FormatDesOctets, LaSignatureDitLaSorte) {
    const auto ftyp = [](const std::string& majeure, const std::string& compatibles) {
        return boite("ftyp", majeure + std::string(4, '\0') + compatibles);
    };
    const struct {
        const char* ce_qu_il_montre;
        std::string debut;
        std::optional<FormatImage> format;
    } cas[] = {
        {"JPEG", "\xFF\xD8\xFF\xE0"s, FormatImage::jpeg},
        {"PNG", png_simule(4, 4), FormatImage::png},
        {"GIF 87", "GIF87a"s, FormatImage::gif},
        {"GIF 89", "GIF89a"s, FormatImage::gif},
        {"TIFF petit-boutien", "II*\0"s, FormatImage::tiff},
        {"TIFF gros-boutien", "MM\0*"s, FormatImage::tiff},
        {"JPEG XR", "II\xBC\x01"s, FormatImage::jpeg_xr},
        {"WebP", webp_simule(4, 4), FormatImage::webp},
        {"un autre RIFF (AVI)", "RIFF\0\0\0\0AVI "s, std::nullopt},
        {"HEIC", ftyp("heic", "mif1heic"), FormatImage::heif},
        {"HEIF par ses marques compatibles", ftyp("mif1", "mif1heic"), FormatImage::heif},
        {"AVIF", ftyp("avif", "avifmif1miaf"), FormatImage::avif},
        {"AVIF par ses marques compatibles", ftyp("mif1", "mif1avifmiaf"), FormatImage::avif},
        {"un film MP4", ftyp("isom", "isomavc1"), std::nullopt},
        {"bitmap", "BM"s, FormatImage::bitmap},
        {"icone", "\0\0\1\0\1\0"s, FormatImage::icone},
        {"icone sans image", "\0\0\1\0\0\0"s, std::nullopt},
        {"EMF", "\1\0\0\0"s + std::string(36, '\0') + " EMF", FormatImage::metafichier},
        {"WMF place", "\xD7\xCD\xC6\x9A"s, FormatImage::metafichier},
        {"WMF", "\1\0\x09\0"s, FormatImage::metafichier},
        {"du texte", "Ceci n'est pas une image."s, std::nullopt},
        {"trop court pour rien dire", "\xFF\xD8"s, std::nullopt},
        {"vide", ""s, std::nullopt},
    };
    for (const auto& c : cas) EXPECT_EQ(format_des_octets(c.debut), c.format) << c.ce_qu_il_montre;
}

LireOctets lecteur(const std::string& fichier) {
    return [&fichier](uint64_t position, void* destination, size_t n) -> size_t {
        if (position >= fichier.size()) return 0;
        const size_t lus = std::min<uint64_t>(n, fichier.size() - position);
        std::memcpy(destination, fichier.data() + position, lus);
        return lus;
    };
}

std::string gif(int ecran_l, int ecran_h, int image_l, int image_h, const std::string& extensions,
                bool table_globale = true) {
    std::string g = "GIF89a";
    ajouter_entier(g, static_cast<uint32_t>(ecran_l), 2, false);
    ajouter_entier(g, static_cast<uint32_t>(ecran_h), 2, false);
    g += table_globale ? "\xF7\0\0"s : "\0\0\0"s;
    if (table_globale) g += std::string(3 * 256, '\x11');
    g += extensions + "\x2C"s + std::string(4, '\0');
    ajouter_entier(g, static_cast<uint32_t>(image_l), 2, false);
    ajouter_entier(g, static_cast<uint32_t>(image_h), 2, false);
    return g + "\0\x02\x02\x4C\x01\0\x3B"s;
}

// An extension block: introducer, label, sub-blocks of the sizes given, then the end.
std::string extension_gif(char etiquette, const std::vector<int>& sous_blocs) {
    std::string e = "\x21"s + etiquette;
    for (const int n : sous_blocs) e += static_cast<char>(n) + std::string(static_cast<size_t>(n), 'c');
    return e + '\0';
}

std::string tiff_taille(bool gros, uint16_t type, uint32_t largeur, std::optional<uint32_t> hauteur) {
    BlocTiff t(gros);
    t.entree(254, 4, 1, 0).entree(256, type, 1, largeur);
    if (hauteur) t.entree(257, type, 1, *hauteur);
    return t.octets();
}

std::string jpeg_xr(uint32_t largeur, uint32_t hauteur) {
    std::string t = BlocTiff().entree(0xBC01, 1, 16, 0).entree(0xBC80, 4, 1, largeur).entree(0xBC81, 4, 1, hauteur).octets();
    t[2] = '\xBC';
    t[3] = '\x01';
    return t;
}

std::string webp_simple(const std::string& type, const std::string& donnees) {
    const std::string corps = "WEBP" + morceau_riff(type, donnees);
    std::string r = "RIFF";
    ajouter_entier(r, corps.size(), 4, false);
    return r + corps;
}

std::string jpeg_sof(int largeur, int hauteur) {
    std::string sof = "\x08"s;
    ajouter_entier(sof, static_cast<uint32_t>(hauteur), 2);
    ajouter_entier(sof, static_cast<uint32_t>(largeur), 2);
    sof += "\x03\x01\x22\0\x02\x11\x01\x03\x11\x01"s;
    return "\xFF\xD8"s + segment_jpeg(0xE0, "JFIF\0\1\1\0\0\1\0\1\0\0"s) + segment_jpeg(0xC0, sof);
}

TEST(TailleAnnoncee, CeQueChaqueEnteteDit) {
    const struct {
        const char* ce_qu_il_montre;
        FormatImage format;
        std::string fichier;
        std::optional<Taille> taille;
    } cas[] = {
        {"JPEG", FormatImage::jpeg, jpeg_sof(16000, 12000), Taille{16000, 12000}},
        {"PNG", FormatImage::png, png_simule(640, 480), Taille{640, 480}},
        {"PNG de 2^31 de large", FormatImage::png, png_simule(-2147483647 - 1, 1), Taille{INT_MAX, 1}},
        {"PNG dont IHDR n'est pas le premier morceau", FormatImage::png,
         png_simule(8, 8).replace(12, 4, "gAMA"), std::nullopt},
        {"PNG coupe", FormatImage::png, png_simule(8, 8).substr(0, 20), std::nullopt},
        {"GIF : son ecran et sa premiere image", FormatImage::gif,
         gif(80, 60, 100, 50, extension_gif('\xFE', {255, 3}) + extension_gif('\xF9', {4})), Taille{100, 60}},
        {"GIF sans table de couleurs", FormatImage::gif, gif(20, 10, 20, 10, "", false), Taille{20, 10}},
        {"GIF d'extensions sans image", FormatImage::gif, "GIF89a\1\0\1\0\0\0\0"s + extension_gif('\xFE', {1}) + "\x3B",
         std::nullopt},
        {"GIF aux extensions sans fin", FormatImage::gif, gif(8, 8, 8, 8, extension_gif('\xFF', std::vector<int>(5000, 1))),
         std::nullopt},
        {"TIFF petit-boutien, SHORT", FormatImage::tiff, tiff_taille(false, 3, 640, 480), Taille{640, 480}},
        {"TIFF gros-boutien, LONG", FormatImage::tiff, tiff_taille(true, 4, 70000, 3), Taille{70000, 3}},
        {"TIFF sans hauteur", FormatImage::tiff, tiff_taille(false, 3, 640, std::nullopt), std::nullopt},
        {"TIFF dont la largeur est un texte", FormatImage::tiff, tiff_taille(false, 2, 640, 480), std::nullopt},
        {"BigTIFF", FormatImage::tiff, "II+\0\x08\0\0\0"s + std::string(16, '\0'), std::nullopt},
        {"JPEG XR", FormatImage::jpeg_xr, jpeg_xr(3000, 2000), Taille{3000, 2000}},
        {"un TIFF n'est pas un JPEG XR", FormatImage::jpeg_xr, tiff_taille(false, 3, 640, 480), std::nullopt},
        {"WebP etendu : sa toile", FormatImage::webp, webp_simule(16383, 9000), Taille{16383, 9000}},
        {"WebP sans perte", FormatImage::webp, webp_simple("VP8L", "\x2F\x3F\xC0\x3B\x00"s), Taille{64, 240}},
        {"WebP avec perte", FormatImage::webp, webp_simple("VP8 ", "\0\0\0\x9D\x01\x2A\x80\x02\xE0\x01"s),
         Taille{640, 480}},
        {"WebP avec perte sans image cle", FormatImage::webp, webp_simple("VP8 ", "\0\0\0\0\0\0\x80\x02\xE0\x01"s),
         std::nullopt},
        {"HEIF", FormatImage::heif, heif_simule({.largeur = 16000, .hauteur = 12000}), Taille{16000, 12000}},
        {"HEIF tourne : la taille avant le tour", FormatImage::heif, heif_simule({.irot = 1, .tiff = "x"}),
         Taille{4032, 3024}},
        {"AVIF", FormatImage::avif, heif_simule({.largeur = 640, .hauteur = 480, .marque = "avif"}), Taille{640, 480}},
        {"HEIF dont la boite meta passe le mega-octet", FormatImage::heif,
         boite("ftyp", "heic" + std::string(4, '\0')) + boite_pleine("meta", 0, 0, boite("free", std::string(1 << 20, '\0'))),
         std::nullopt},
        {"HEIF coupe dans sa boite meta", FormatImage::heif, heif_simule({}).substr(0, 100), std::nullopt},
    };
    for (const auto& c : cas) EXPECT_EQ(taille_annoncee(c.format, lecteur(c.fichier)), c.taille) << c.ce_qu_il_montre;
}

TEST(TailleAnnoncee, UneSourceSansCommuneMesureAvecNosTampons) {
    // What a file may claim and what a buffer of ours may hold are two limits: a 192-megapixel
    // photo is shown, through a smaller copy.
    EXPECT_TRUE(source_admissible({16000, 12000}));
    EXPECT_FALSE(taille_admissible({16000, 12000}));
    EXPECT_TRUE(source_admissible({16320, 12240}));  // a 200-megapixel phone
    EXPECT_FALSE(source_admissible({20000, 20000}));
    EXPECT_FALSE(source_admissible({0, 10}));
    EXPECT_TRUE(taille_admissible({10000, 10000}));
}

}  // namespace
}  // namespace nocturo::test
