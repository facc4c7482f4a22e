// The side tools' rules: album names, the viewer's command lines read back as Windows
// reads them, the renaming of dated names, the test pictures' file form.
#include <gtest/gtest.h>

#include "util/unicode.h"

#include "sim/plateforme_simulee.h"
#include "tools/albums.h"
#include "tools/images_test.h"
#include "tools/renommage.h"
#include "tools/visionneuse.h"

namespace nocturo::test {
namespace {

TEST(Albums, NomDeLaCopie) {
    const struct {
        const char* image;
        const char* album;
        const char* cible;
    } cas[] = {
        {"D:\\Photos\\2014-10 Avignon\\IMG_0001.JPG", "C:\\Nocturo\\A", "C:\\Nocturo\\A\\2014-10 Avignon-IMG_0001.JPG"},
        {"D:\\Photos\\2015-01 Lyon\\IMG_0001.JPG", "C:\\Nocturo\\A", "C:\\Nocturo\\A\\2015-01 Lyon-IMG_0001.JPG"},
        {"D:\\IMG_0001.JPG", "C:\\Nocturo\\B", "C:\\Nocturo\\B\\D-IMG_0001.JPG"},  // a drive's root
        {"\\\\nas\\photos\\a.jpg", "E:\\Album", "E:\\Album\\photos-a.jpg"},
    };
    for (const auto& c : cas) EXPECT_EQ(cible_album(c.image, c.album), c.cible) << c.image;
}

TEST(Albums, CopieAvecAlbumCreeEtEchecDit) {
    PlateformeSimulee m;
    m.creer_fichier("D:\\P\\x\\a.jpg", "image");
    m.creer_repertoire_complet("C:\\Nocturo");
    EXPECT_EQ(copier_vers_album(m, "D:\\P\\x\\a.jpg", "C:\\Nocturo\\A"), "");
    EXPECT_EQ(m.contenu("C:\\Nocturo\\A\\x-a.jpg"), "image");
    EXPECT_EQ(copier_vers_album(m, "D:\\P\\x\\a.jpg", "C:\\Nocturo\\A"), "");  // replaced
    EXPECT_EQ(copier_vers_album(m, "D:\\P\\x\\absente.jpg", "C:\\Nocturo\\A"),
              "L'image D:\\P\\x\\absente.jpg n'existe plus : elle n'a pas été copiée.");
    m.definir_panne([](const std::string& etape, const std::string&) { return etape == "copier"; });
    EXPECT_EQ(copier_vers_album(m, "D:\\P\\x\\a.jpg", "C:\\Nocturo\\A"),
              "La copie vers C:\\Nocturo\\A\\x-a.jpg a échoué : Le support est plein.");
    m.definir_panne(nullptr);
    // One level only: an album under a missing directory is not made.
    EXPECT_EQ(copier_vers_album(m, "D:\\P\\x\\a.jpg", "C:\\Manque\\Album"),
              "Impossible de créer l'album C:\\Manque\\Album : Le support est plein.");
}

TEST(Albums, LeNomDeLaCopieTientDansLaLimiteDuSysteme) {
    const auto unites = [](const std::string& t) { return utf16_de_utf8(t).size(); };
    const std::string long_nom = std::string(251, 'n') + ".jpg";
    const std::string emojis = [] {
        std::string e;
        for (int i = 0; i < 130; ++i) e += "🎂";
        return e;
    }();
    const struct {
        const char* quoi;
        std::string image, attendu;
    } cas[] = {
        {"court: tel quel", "D:\\Фото\\Москва\\Прогулка.jpg", "Москва-Прогулка.jpg"},
        {"le répertoire cède d'abord", "D:\\" + std::string(200, 'r') + "\\" + std::string(96, 'n') + ".jpg",
         std::string(154, 'r') + "-" + std::string(96, 'n') + ".jpg"},
        {"un nom de 255 garde son extension", "D:\\x\\" + long_nom, std::string(251, 'n') + ".jpg"},
        // 151 units left for the directory: the 76th emoji would be cut in two.
        {"une paire de substitution n'est pas coupée", "D:\\" + emojis + "\\" + std::string(99, 'n') + ".jpg",
         [&] {
             std::string e;
             for (int i = 0; i < 75; ++i) e += "🎂";
             return e;
         }() + "-" + std::string(99, 'n') + ".jpg"},
    };
    for (const auto& c : cas) {
        const std::string cible = cible_album(c.image, "C:\\A");
        EXPECT_EQ(cible, "C:\\A\\" + c.attendu) << c.quoi;
        EXPECT_LE(unites(cible.substr(5)), 255u) << c.quoi;
    }
}

// A command line split into arguments as CommandLineToArgvW does: the program name ends
// at the next space outside quotes, quotes only toggling; after it, 2n backslashes before
// a quote give n and the quote toggles, 2n + 1 give n and a literal quote, others stand.
std::vector<std::string> argv_de(const std::string& ligne) {
    std::vector<std::string> r;
    size_t i = 0;
    std::string prog;
    bool cite = false;
    for (; i < ligne.size() && (cite || (ligne[i] != ' ' && ligne[i] != '\t')); ++i) {
        if (ligne[i] == '"')
            cite = !cite;
        else
            prog += ligne[i];
    }
    r.push_back(prog);
    while (true) {
        while (i < ligne.size() && (ligne[i] == ' ' || ligne[i] == '\t')) ++i;
        if (i >= ligne.size()) break;
        std::string a;
        cite = false;
        while (i < ligne.size() && (cite || (ligne[i] != ' ' && ligne[i] != '\t'))) {
            size_t barres = 0;
            while (i < ligne.size() && ligne[i] == '\\') ++barres, ++i;
            if (i < ligne.size() && ligne[i] == '"') {
                a.append(barres / 2, '\\');
                if (barres % 2) {
                    a += '"';
                } else if (cite && i + 1 < ligne.size() && ligne[i + 1] == '"') {
                    a += '"';  // a doubled quote inside quotes
                    ++i;
                } else {
                    cite = !cite;
                }
                ++i;
            } else {
                a.append(barres, '\\');
                if (i < ligne.size() && (cite || (ligne[i] != ' ' && ligne[i] != '\t'))) a += ligne[i++];
            }
        }
        r.push_back(a);
    }
    return r;
}

TEST(Visionneuse, LignesRelueParLesReglesDeWindows) {
    const std::string xnview = "C:\\Program Files (x86)\\XnView\\XnView.exe";
    const struct {
        std::string cible;
        bool diaporama;
    } cas[] = {
        {"C:\\Photos\\2005-12-31 avg", false},
        {"C:\\Photos\\2005-12-31 avg\\p1.jpg", false},
        {"C:\\", false},  // a drive root: its backslash must not escape the closing quote
        {"\\\\nas\\photos\\", false},
        {"C:\\Photos\\Tom & Jerry 100%\\a|b.jpg", false},
        {"C:\\Photos\\a  b\\\\", false},
        {"C:\\Photos\\2005-12-31 avg", true},
        {"D:\\", true},
        {"C:\\Фото\\Москва 🎂\\東京タワー " + std::string(200, 'n') + ".jpg", false},  // any script, any length
        {"C:\\Фото\\Москва 🎂", true},
    };
    for (const auto& c : cas) {
        const std::string l = ligne_visionneuse(xnview, c.cible, c.diaporama);
        std::vector<std::string> attendus = {xnview};
        if (c.diaporama) attendus.push_back("-slide");
        attendus.push_back(c.cible);
        EXPECT_EQ(argv_de(l), attendus) << l;
    }
    // The two forms as written.
    EXPECT_EQ(ligne_visionneuse(xnview, "C:\\Photos\\2005-12-31 avg", false),
              "\"" + xnview + "\" \"C:\\Photos\\2005-12-31 avg\"");
    EXPECT_EQ(ligne_visionneuse(xnview, "C:\\Photos\\2005-12-31 avg", true),
              "\"" + xnview + "\" -slide \"C:\\Photos\\2005-12-31 avg\"");
    EXPECT_EQ(ligne_visionneuse(xnview, "C:\\", false), "\"" + xnview + "\" \"C:\\\\\"");
}

TEST(Visionneuse, SeulUnProgrammeEstAccepte) {
    EXPECT_TRUE(visionneuse_acceptable("C:\\Outils\\visio.exe"));
    EXPECT_TRUE(visionneuse_acceptable("C:\\Outils\\VISIO.EXE"));
    EXPECT_FALSE(visionneuse_acceptable("C:\\Outils\\visio.bat"));
    EXPECT_FALSE(visionneuse_acceptable("C:\\Outils\\visio.cmd"));
    EXPECT_FALSE(visionneuse_acceptable("C:\\Outils\\script.vbs"));
    EXPECT_FALSE(visionneuse_acceptable(".exe"));
}

TEST(Renommage, LesQuatreFormesEtLeSiecle) {
    const struct {
        const char* nom;
        const char* siecle;
        std::optional<std::string> attendu;
    } cas[] = {
        {"051231 avg", "20", "2005-12-31 avg"},
        {"05-12-31 avg", "20", "2005-12-31 avg"},
        {"05.12.31", "20", "2005-12-31"},
        {"20050828 avg", "20", "2005-08-28 avg"},
        {"2005 08 28 avg", "20", "2005-08-28 avg"},
        {"051231", "20", "2005-12-31"},
        {"0512311 x", "20", std::nullopt},  // seven digits
        {"0512 avg", "20", std::nullopt},
        {"981231 noel", "19", "1998-12-31 noel"},
        {"2005-08-28 avg", "20", "2005-08-28 avg"},  // already in the form: unchanged
        {"avg 051231", "20", std::nullopt},
        {"991399 pas une date", "20", "2099-13-99 pas une date"},  // nothing checks the date
        {"", "20", std::nullopt},
    };
    for (const auto& c : cas) EXPECT_EQ(nom_date_complete(c.nom, c.siecle), c.attendu) << c.nom;
}

TEST(Renommage, CompteRenommeEtDitPourquoiIlLaisseUnDossier) {
    PlateformeSimulee m;
    for (const char* d : {"051231 avg", "05-12-31 avg", "2005-08-28 avg", "vacances", "20050828 noel", "050101 ski",
                          "2005-01-01 ski", "070707 verrou"})
        m.creer_repertoire_complet(std::string("C:\\R\\") + d);
    m.creer_fichier("C:\\R\\051230 fichier.jpg");  // a file: never renamed
    std::vector<std::string> journal;
    EXPECT_EQ(renommer_lot(m, "C:\\R", false, "20", journal), 3);
    EXPECT_EQ(journal, (std::vector<std::string>{
                           "1 : 051231 avg", "  -> 2005-12-31 avg",
                           "laissé tel quel : 05-12-31 avg", "     « 2005-12-31 avg » sera déjà le nouveau nom de « 051231 avg »",
                           "laissé tel quel : 2005-08-28 avg", "     déjà au format aaaa-mm-jj",
                           "2 : 20050828 noel", "  -> 2005-08-28 noel",
                           "laissé tel quel : 050101 ski", "     « 2005-01-01 ski » existe déjà",
                           "laissé tel quel : 2005-01-01 ski", "     déjà au format aaaa-mm-jj",
                           "3 : 070707 verrou", "  -> 2007-07-07 verrou"}));

    // A folder open in another program refuses its new name; the others go on.
    m.raison = "le fichier est ouvert par un autre programme";
    m.definir_panne([](const std::string& etape, const std::string& chemin) {
        return etape == "deplacer" && chemin.ends_with("verrou");
    });
    EXPECT_EQ(renommer_lot(m, "C:\\R", true, "20", journal), 2);
    EXPECT_EQ(std::vector<std::string>(journal.begin(), journal.begin() + 4),
              (std::vector<std::string>{"ok de   051231 avg", " -----> 2005-12-31 avg", "laissé tel quel : 05-12-31 avg",
                                        "     « 2005-12-31 avg » sera déjà le nouveau nom de « 051231 avg »"}));
    EXPECT_EQ(journal.back(), "       en 2007-07-07 verrou : le fichier est ouvert par un autre programme");
    EXPECT_TRUE(m.repertoire_existe("C:\\R\\2005-12-31 avg"));
    EXPECT_TRUE(m.repertoire_existe("C:\\R\\05-12-31 avg"));
    EXPECT_TRUE(m.repertoire_existe("C:\\R\\2005-08-28 noel"));
    EXPECT_TRUE(m.repertoire_existe("C:\\R\\050101 ski"));
    EXPECT_TRUE(m.fichier_existe("C:\\R\\051230 fichier.jpg"));
    EXPECT_EQ(renommer_lot(m, "C:\\Absent", false, "20", journal), 0);
}

TEST(Renommage, LeResumeAvantDeRenommerTientDansUneBoite) {
    std::vector<DossierDate> dossiers = {{"051231 avg", "2005-12-31 avg", {}}};
    EXPECT_EQ(resume_renommage("D:\\Dates", dossiers),
              "Dans « D:\\Dates », 1 dossier sera renommé :\n\n051231 avg → 2005-12-31 avg\n");
    dossiers.push_back({"2005-08-28 x", "2005-08-28 x", "déjà au format aaaa-mm-jj"});
    for (int i = 10; i < 23; ++i) dossiers.push_back({"0501" + std::to_string(i), "2005-01-" + std::to_string(i), {}});
    const std::string r = resume_renommage("D:\\Dates", dossiers);
    EXPECT_TRUE(r.starts_with("Dans « D:\\Dates », 14 dossiers seront renommés :\n\n051231 avg → 2005-12-31 avg\n"));
    EXPECT_NE(r.find("050120 → 2005-01-20\n(et 2 autres : voir la liste)\n"), std::string::npos) << r;
    EXPECT_EQ(r.find("050121"), std::string::npos);
    EXPECT_TRUE(r.ends_with("\n1 dossier laissé tel quel (voir la liste).\n"));
}

TEST(Renommage, LesCheminsSuiventLeDossierRenomme) {
    const std::string a = "D:\\Dates\\051231 avg", n = "D:\\Dates\\2005-12-31 avg";
    const struct {
        const char* chemin;
        const char* attendu;
    } cas[] = {
        {"D:\\Dates\\051231 avg", "D:\\Dates\\2005-12-31 avg"},
        {"D:\\Dates\\051231 avg\\Été\\a.jpg", "D:\\Dates\\2005-12-31 avg\\Été\\a.jpg"},
        {"d:\\dates\\051231 AVG\\b.jpg", "D:\\Dates\\2005-12-31 avg\\b.jpg"},  // as Windows compares
        {"D:\\Dates\\051231 avg bis\\c.jpg", "D:\\Dates\\051231 avg bis\\c.jpg"},
        {"D:\\Dates", "D:\\Dates"},
        {"E:\\051231 avg\\d.jpg", "E:\\051231 avg\\d.jpg"},
    };
    for (const auto& c : cas) EXPECT_EQ(apres_renommage(c.chemin, a, n), c.attendu) << c.chemin;
}

TEST(ImagesDeTest, BmpVingtQuatreBitsDeBasEnHaut) {
    Pixels p;
    p.largeur = 3;
    p.hauteur = 2;
    p.bgra = {0xFF0000FF, 0xFF00FF00, 0xFFFF0000, 0xFFFFFFFF, 0xFF000000, 0xFF123456};
    const std::string b = coder_bmp(p);
    ASSERT_EQ(b.size(), 54u + 2 * 12);  // rows of 9 bytes padded to 12
    EXPECT_EQ(b.substr(0, 2), "BM");
    EXPECT_EQ(static_cast<unsigned char>(b[28]), 24u);
    // The bottom row first: white, black, then 56 34 12.
    EXPECT_EQ(b.substr(54, 9), std::string("\xFF\xFF\xFF\0\0\0\x56\x34\x12", 9));
    EXPECT_EQ(b.substr(66, 3), std::string("\xFF\0\0", 3));

    PlateformeSimulee m;
    m.creer_repertoire_complet("C:\\___nb(1-341)jpg");
    generer_images_test(m, m, "C:\\___nb(1-341)jpg\\");
    EXPECT_TRUE(m.fichier_existe("C:\\___nb(1-341)jpg\\image_001.bmp"));
    EXPECT_TRUE(m.fichier_existe("C:\\___nb(1-341)jpg\\image_320.bmp"));
    EXPECT_FALSE(m.fichier_existe("C:\\___nb(1-341)jpg\\image_321.bmp"));
    EXPECT_EQ(m.taille_fichier("C:\\___nb(1-341)jpg\\image_007.bmp"), 54 + 200 * 600);
}

}  // namespace
}  // namespace nocturo::test
