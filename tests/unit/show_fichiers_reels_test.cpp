// The program's own readers over files that other programs wrote (the fixtures of the
// Windows tests, made by libpng, giflib, libwebp, libheif and the generator's hands): the
// kind, the size claimed, the orientation and the year.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "show/entetes_images.h"
#include "show/orientation.h"

namespace nocturo::test {
namespace {

std::string fixture(const std::string& nom) {
    const std::filesystem::path chemin = std::filesystem::path(__FILE__).parent_path().parent_path() / "fixtures" /
                                         "images" / nom;
    std::ifstream f(chemin, std::ios::binary);
    std::ostringstream o;
    o << f.rdbuf();
    return o.str();
}

TEST(FichiersReels, SorteTailleOrientationAnnee) {
    const struct {
        const char* fichier;
        FormatImage format;
        std::optional<Taille> taille;
        int orientation, annee;
    } cas[] = {
        {"orientation_6.jpg", FormatImage::jpeg, Taille{48, 64}, 6, 0},
        {"orientation_6_motorola.jpg", FormatImage::jpeg, Taille{48, 64}, 6, 0},
        {"sans_exif.jpg", FormatImage::jpeg, Taille{64, 48}, 0, 0},
        {"bon.png", FormatImage::png, Taille{64, 48}, 0, 0},
        {"seize_bits.png", FormatImage::png, Taille{64, 48}, 0, 0},
        {"demi_transparent.png", FormatImage::png, Taille{64, 48}, 0, 0},
        {"exif_6.png", FormatImage::png, Taille{48, 64}, 6, 2019},
        {"png_nomme.jpg", FormatImage::png, Taille{64, 48}, 0, 0},
        {"anime.gif", FormatImage::gif, Taille{64, 48}, 0, 0},
        {"orientation_6.tif", FormatImage::tiff, Taille{48, 64}, 6, 2021},
        {"exif_8.webp", FormatImage::webp, Taille{48, 64}, 8, 2022},
        {"bon.heic", FormatImage::heif, Taille{64, 48}, 0, 0},
        {"bon.avif", FormatImage::avif, Taille{64, 48}, 0, 0},
        {"bon.bmp", FormatImage::bitmap, Taille{64, 48}, 0, 0},
        {"bon.ico", FormatImage::icone, Taille{32, 32}, 0, 0},
        {"bon.emf", FormatImage::metafichier, std::nullopt, 0, 0},
    };
    for (const auto& c : cas) {
        const std::string octets = fixture(c.fichier);
        ASSERT_FALSE(octets.empty()) << c.fichier;
        EXPECT_EQ(format_des_octets(octets), c.format) << c.fichier;
        const LireOctets lire = [&octets](uint64_t position, void* destination, size_t n) -> size_t {
            if (position >= octets.size()) return 0;
            const size_t lus = std::min<uint64_t>(n, octets.size() - position);
            std::memcpy(destination, octets.data() + position, lus);
            return lus;
        };
        EXPECT_EQ(taille_annoncee(c.format, lire), c.taille) << c.fichier;
        const PriseDeVue p = prise_de_vue(octets);
        EXPECT_EQ(p.orientation, c.orientation) << c.fichier;
        EXPECT_EQ(p.annee, c.annee) << c.fichier;
    }
}

}  // namespace
}  // namespace nocturo::test
