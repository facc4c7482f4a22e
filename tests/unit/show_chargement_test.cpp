// Loading a file into a ready copy, and the worker that does it ahead.
#include <gtest/gtest.h>

#include "show/chargement.h"
#include "show/prechargement.h"
#include "sim/images_simulees.h"
#include "sim/plateforme_simulee.h"

namespace nocturo::test {
namespace {

TEST(Extensions, LeChargeurSelonLeNom) {
    const struct {
        const char* chemin;
        std::string extension;
        std::optional<FormatImage> format;
    } cas[] = {
        {"C:\\P\\a.JPG", ".jpg", FormatImage::jpeg},
        {"C:\\P\\a.jpeg", ".jpeg", FormatImage::jpeg},
        {"C:\\P\\a.Bmp", ".bmp", FormatImage::bitmap},
        {"C:\\P\\a.ico", ".ico", FormatImage::icone},
        {"C:\\P\\a.emf", ".emf", FormatImage::metafichier},
        {"C:\\P\\a.WMF", ".wmf", FormatImage::metafichier},
        {"C:\\P\\IMG_1.JPG.xmp", ".xmp", std::nullopt},  // an editor's sidecar file
        {"C:\\P\\a.jpe", ".jpe", std::nullopt},
        {"C:\\P\\a.png", ".png", std::nullopt},
        {"C:\\P\\a.mp4", ".mp4", std::nullopt},
        {"C:\\P.d\\sans", "", std::nullopt},  // the dot of a directory is no extension
        {"", "", std::nullopt},
    };
    for (const auto& c : cas) {
        EXPECT_EQ(extension_de(c.chemin), c.extension) << c.chemin;
        EXPECT_EQ(format_de(c.chemin), c.format) << c.chemin;
    }
}

class Chargements : public ::testing::Test {
protected:
    Chargement charger(const std::string& chemin, Taille maximum = {1920, 1080}) {
        return charger_copie(chemin, [=](Taille droite) {
            // Fit inside `maximum`, never above the picture's own size.
            const double f = std::min({1.0, double(maximum.largeur) / droite.largeur, double(maximum.hauteur) / droite.hauteur});
            return Taille{std::max(1, int(droite.largeur * f)), std::max(1, int(droite.hauteur * f))};
        }, m, m);
    }
    PlateformeSimulee m;
};

TEST_F(Chargements, UneImageTourneeParSonEtiquetteEtReduite) {
    m.creer_fichier("C:\\P\\a.jpg", jpeg_simule(4000, 3000, 6, 0x224466));
    const Chargement c = charger("C:\\P\\a.jpg");
    ASSERT_EQ(c.issue, IssueChargement::image);
    EXPECT_EQ(c.image->propre, (Taille{3000, 4000}));
    EXPECT_EQ(c.image->largeur(), 810);
    EXPECT_EQ(c.image->hauteur(), 1080);
    EXPECT_EQ(c.image->niveaux[0].bgra[0], 0xFF224466u);
    EXPECT_GT(c.image->niveaux.size(), 1u);
}

TEST_F(Chargements, UnePetiteImageGardeSaTaille) {
    m.creer_fichier("C:\\P\\p.jpg", jpeg_simule(64, 48));
    const Chargement c = charger("C:\\P\\p.jpg");
    ASSERT_EQ(c.issue, IssueChargement::image);
    EXPECT_EQ(c.image->largeur(), 64);
    EXPECT_EQ(c.image->propre, (Taille{64, 48}));
}

TEST_F(Chargements, IllisibleOuSansChargeur) {
    m.creer_fichier("C:\\P\\texte.jpg", "ceci n'est pas une image");
    m.creer_fichier("C:\\P\\geante.jpg", jpeg_simule(20000, 20000));  // 400 megapixels
    m.creer_fichier("C:\\P\\vide.bmp", "");
    m.creer_fichier("C:\\P\\IMG_1.JPG.xmp", jpeg_simule(40, 30));
    EXPECT_EQ(charger("C:\\P\\texte.jpg").issue, IssueChargement::illisible);
    EXPECT_EQ(charger("C:\\P\\geante.jpg").issue, IssueChargement::illisible);
    EXPECT_EQ(charger("C:\\P\\vide.bmp").issue, IssueChargement::illisible);
    EXPECT_EQ(charger("C:\\P\\absente.jpg").issue, IssueChargement::illisible);
    EXPECT_EQ(charger("C:\\P\\IMG_1.JPG.xmp").issue, IssueChargement::sans_chargeur);
    EXPECT_EQ(m.liste_decodages().size(), 4u);  // the sidecar file is not even opened
}

TEST_F(Chargements, LePrechargeurRendLeResultatDemande) {
    m.creer_fichier("C:\\P\\a.jpg", jpeg_simule(400, 300));
    m.creer_fichier("C:\\P\\b.jpg", jpeg_simule(300, 400));
    Prechargeur p;
    p.demander("a", [&] { return charger("C:\\P\\a.jpg"); });
    const std::optional<Chargement> a = p.prendre("a");
    ASSERT_TRUE(a);
    EXPECT_EQ(a->image->propre, (Taille{400, 300}));
    // Taken once; another key gives nothing and leaves what was asked for its turn.
    EXPECT_FALSE(p.prendre("a"));
    p.demander("b", [&] { return charger("C:\\P\\b.jpg"); });
    EXPECT_FALSE(p.prendre("a"));
    const std::optional<Chargement> plus_tard = p.prendre("b");
    ASSERT_TRUE(plus_tard);
    EXPECT_EQ(plus_tard->image->propre, (Taille{300, 400}));
    EXPECT_FALSE(p.prendre("b"));
    // A request replaces the one before it.
    p.demander("a", [&] { return charger("C:\\P\\a.jpg"); });
    p.demander("b", [&] { return charger("C:\\P\\b.jpg"); });
    const std::optional<Chargement> b = p.prendre("b");
    ASSERT_TRUE(b);
    EXPECT_EQ(b->image->propre, (Taille{300, 400}));
}

}  // namespace
}  // namespace nocturo::test
