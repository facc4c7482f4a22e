// Loading a file into a ready copy, and the worker that does it ahead.
#include <gtest/gtest.h>

#include "show/chargement.h"
#include "show/orientation.h"
#include "show/prechargement.h"
#include "show/reduction.h"
#include "sim/images_simulees.h"
#include "sim/plateforme_simulee.h"

namespace nocturo::test {
namespace {

TEST(Extensions, LeChargeurSelonLeNom) {
    const FormatImage JPEG = FormatImage::jpeg;
    const struct {
        const char* chemin;
        std::string extension;
        std::optional<FormatImage> format;
    } cas[] = {
        {"C:\\P\\a.JPG", ".jpg", JPEG},
        {"C:\\P\\a.jpeg", ".jpeg", JPEG},
        {"C:\\P\\a.Jpe", ".jpe", JPEG},
        {"C:\\P\\a.JFIF", ".jfif", JPEG},
        {"C:\\P\\a.png", ".png", FormatImage::png},
        {"C:\\P\\a.GIF", ".gif", FormatImage::gif},
        {"C:\\P\\a.tif", ".tif", FormatImage::tiff},
        {"C:\\P\\a.TIFF", ".tiff", FormatImage::tiff},
        {"C:\\P\\a.webp", ".webp", FormatImage::webp},
        {"C:\\P\\IMG_0001.HEIC", ".heic", FormatImage::heif},
        {"C:\\P\\a.heif", ".heif", FormatImage::heif},
        {"C:\\P\\a.Avif", ".avif", FormatImage::avif},
        {"C:\\P\\a.jxr", ".jxr", FormatImage::jpeg_xr},
        {"C:\\P\\a.WDP", ".wdp", FormatImage::jpeg_xr},
        {"C:\\P\\a.Bmp", ".bmp", FormatImage::bitmap},
        {"C:\\P\\a.ico", ".ico", FormatImage::icone},
        {"C:\\P\\a.emf", ".emf", FormatImage::metafichier},
        {"C:\\P\\a.WMF", ".wmf", FormatImage::metafichier},
        // A final dot or space from another system.
        {"C:\\NAS\\a.jpg.", ".jpg", JPEG},
        {"C:\\NAS\\a.png  ", ".png", FormatImage::png},
        {"C:\\NAS\\a. ", "", std::nullopt},
        // Sidecar files of editors and phones, and films: no loader.
        {"C:\\P\\IMG_1.JPG.xmp", ".xmp", std::nullopt},
        {"C:\\P\\IMG_1.AAE", ".aae", std::nullopt},
        {"C:\\P\\IMG_1.jpg.json", ".json", std::nullopt},
        {"C:\\P\\MVI_1.THM", ".thm", std::nullopt},
        {"C:\\P\\a.mp4", ".mp4", std::nullopt},
        {"C:\\P\\a.jpgx", ".jpgx", std::nullopt},
        {"C:\\P.d\\sans", "", std::nullopt},  // the dot of a directory is no extension
        {"", "", std::nullopt},
    };
    for (const auto& c : cas) {
        EXPECT_EQ(extension_de(c.chemin), c.extension) << c.chemin;
        EXPECT_EQ(format_de(c.chemin), c.format) << c.chemin;
    }
}

TEST(Extensions, LExtensionDeWindowsQuiMontreLaSorte) {
    const struct {
        const char* extension;
        const char* nom;
    } cas[] = {
        {".heic", "Extensions d'image HEIF"}, {".HEIF", "Extensions d'image HEIF"},
        {".webp", "Extensions d'image Webp"}, {".avif", "Extension AV1 Video"},
        {"C:\\P\\IMG_1.HEIC", "Extensions d'image HEIF"},  // a whole name says its extension
        {".jpg", ""}, {".jxr", ""}, {".png", ""}, {"", ""},
    };
    for (const auto& c : cas) EXPECT_EQ(extension_windows(c.extension), c.nom) << c.extension;
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

TEST_F(Chargements, LAnneeDeLaPriseDeVue) {
    m.creer_fichier("C:\\P\\date.jpg", jpeg_simule(400, 300, 6, 0x224466, "2019:07:14 10:32:05"));
    m.creer_fichier("C:\\P\\sans.jpg", jpeg_simule(400, 300, 6));
    const Chargement c = charger("C:\\P\\date.jpg");
    ASSERT_EQ(c.issue, IssueChargement::image);
    EXPECT_EQ(c.image->annee_prise, 2019);
    EXPECT_EQ(c.image->propre, (Taille{300, 400}));
    EXPECT_EQ(charger("C:\\P\\sans.jpg").image->annee_prise, 0);
}

TEST_F(Chargements, UneTresGrandeImageEstMontreeParSaCopie) {
    // 16,000 x 12,000: the file is large, the copy kept is the screen's.
    m.creer_fichier("C:\\P\\192mp.jpg", jpeg_simule(16000, 12000));
    const Chargement c = charger("C:\\P\\192mp.jpg");
    ASSERT_EQ(c.issue, IssueChargement::image);
    EXPECT_EQ(c.image->propre, (Taille{16000, 12000}));
    EXPECT_EQ(c.image->largeur(), 1440);
}

TEST_F(Chargements, SansCodecSurCetteMachine) {
    m.codecs_absents = {".heic", ".webp"};
    for (const char* chemin : {"C:\\P\\IMG_1.HEIC", "C:\\P\\a.webp", "C:\\P\\b.jpg"})
        m.creer_fichier(chemin, jpeg_simule(40, 30));
    EXPECT_EQ(charger("C:\\P\\IMG_1.HEIC").issue, IssueChargement::sans_codec);
    EXPECT_EQ(charger("C:\\P\\a.webp").issue, IssueChargement::sans_codec);
    EXPECT_EQ(charger("C:\\P\\b.jpg").issue, IssueChargement::image);
}

// A decoder that notes the kind it is asked for and gives a 64 x 48 picture of any file.
class ImagesNotees : public Images {
public:
    IssueDecodage decoder(const std::string&, FormatImage format, const std::function<Demande(Taille)>& voulue,
                          Pixels& sortie) override {
        formats.push_back(format);
        const Demande d = voulue({64, 48});
        sortie = reduire_et_tourner(Pixels{64, 48, std::vector<uint32_t>(64 * 48, 0xFF808080)}, d.orientation,
                                    d.taille);
        return d.taille.largeur > 0 ? IssueDecodage::decodee : IssueDecodage::illisible;
    }
    bool image_de_texte(const std::string&, const std::string&, int, Taille, Pixels&) override { return false; }
    std::vector<FormatImage> formats;
};

TEST_F(Chargements, LesPremiersOctetsOntLeDernierMot) {
    const struct {
        const char* chemin;
        std::string contenu;
        FormatImage format;
    } cas[] = {
        {"C:\\P\\png.jpg", png_simule(64, 48), FormatImage::png},
        {"C:\\P\\jpeg.png", jpeg_simule(64, 48), FormatImage::jpeg},
        {"C:\\P\\heic.jpg", heif_simule({}), FormatImage::heif},
        {"C:\\P\\inconnu.heic", "rien de connu", FormatImage::heif},  // the name, for want of better
        {"C:\\P\\vide.tif", "", FormatImage::tiff},
    };
    for (const auto& c : cas) {
        m.creer_fichier(c.chemin, c.contenu);
        ImagesNotees notees;
        const Chargement r = charger_copie(c.chemin, [](Taille t) { return t; }, m, notees);
        EXPECT_EQ(r.issue, IssueChargement::image) << c.chemin;
        ASSERT_EQ(notees.formats.size(), 1u) << c.chemin;
        EXPECT_EQ(notees.formats[0], c.format) << c.chemin;
    }
}

TEST_F(Chargements, UnExifAuDelaDuPremierBlocEstLuDUneSecondeLecture) {
    const auto png = [](size_t octets_image) {
        return png_simule(64, 48, "", octets_image, morceau_png("eXIf", BlocTiff().orientation(6).octets()));
    };
    const struct {
        const char* chemin;
        std::string contenu;
        Taille copie;
    } cas[] = {
        {"C:\\P\\proche.png", png(1000), Taille{48, 64}},
        {"C:\\P\\apres_le_premier_bloc.png", png(OCTETS_ENTETE + 1000), Taille{48, 64}},
        // Past the longer read too: the picture stands as stored.
        {"C:\\P\\trop_loin.png", png(OCTETS_ENTETE_MAX + 1000), Taille{64, 48}},
    };
    for (const auto& c : cas) {
        m.creer_fichier(c.chemin, c.contenu);
        ImagesNotees notees;
        const Chargement r = charger_copie(c.chemin, [](Taille t) { return t; }, m, notees);
        ASSERT_EQ(r.issue, IssueChargement::image) << c.chemin;
        EXPECT_EQ((Taille{r.image->largeur(), r.image->hauteur()}), c.copie) << c.chemin;
    }
}

// A decoder that gives a picture of the size it is told to, left half red, right half blue.
class ImagesMiParties : public Images {
public:
    explicit ImagesMiParties(Taille t) : taille_(t) {}
    IssueDecodage decoder(const std::string&, FormatImage, const std::function<Demande(Taille)>& voulue,
                          Pixels& sortie) override {
        const Demande d = voulue(taille_);
        Pixels p{taille_.largeur, taille_.hauteur, {}};
        p.bgra.resize(static_cast<size_t>(taille_.largeur) * static_cast<size_t>(taille_.hauteur));
        for (size_t i = 0; i < p.bgra.size(); ++i)
            p.bgra[i] = static_cast<int>(i % static_cast<size_t>(taille_.largeur)) < taille_.largeur / 2 ? ROUGE : BLEU;
        sortie = reduire_et_tourner(p, d.orientation, d.taille);
        return IssueDecodage::decodee;
    }
    bool image_de_texte(const std::string&, const std::string&, int, Taille, Pixels&) override { return false; }
    static constexpr uint32_t ROUGE = 0xFFFF0000, BLEU = 0xFF0000FF;

private:
    Taille taille_;
};

TEST_F(Chargements, UnHeifQueLeDecodeurATourneNEstPasTourneUneSecondeFois) {
    // A quarter turn counterclockwise in the file (irot): 64 x 48 stored, 48 x 64 upright.
    m.creer_fichier("C:\\P\\a.heic", heif_simule({.largeur = 64, .hauteur = 48, .irot = 1}));
    const auto pixel = [](const Chargement& c, int x, int y) {
        return c.image->niveaux[0].bgra[static_cast<size_t>(y * c.image->largeur() + x)];
    };
    ImagesMiParties telle_que_stockee({64, 48});
    const Chargement tournee = charger_copie("C:\\P\\a.heic", [](Taille t) { return t; }, m, telle_que_stockee);
    ASSERT_EQ(tournee.issue, IssueChargement::image);
    EXPECT_EQ(tournee.image->propre, (Taille{48, 64}));
    EXPECT_EQ(pixel(tournee, 0, 0), ImagesMiParties::BLEU);  // the stored right half is on top
    EXPECT_EQ(pixel(tournee, 0, 63), ImagesMiParties::ROUGE);
    ImagesMiParties deja_droite({48, 64});
    const Chargement laissee = charger_copie("C:\\P\\a.heic", [](Taille t) { return t; }, m, deja_droite);
    ASSERT_EQ(laissee.issue, IssueChargement::image);
    EXPECT_EQ(laissee.image->propre, (Taille{48, 64}));
    EXPECT_EQ(pixel(laissee, 0, 0), ImagesMiParties::ROUGE);
    EXPECT_EQ(pixel(laissee, 47, 0), ImagesMiParties::BLEU);
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
