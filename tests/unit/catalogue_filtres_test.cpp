// Dates and words read from directory names, the year caption, the path routines.
#include <gtest/gtest.h>

#include <cmath>

#include "catalogue/chemins.h"
#include "catalogue/filtres.h"

namespace nocturo::test {
namespace {

TEST(FiltreDate, MoisSeulEtPlageDeMois) {
    const std::string de = cle_mois("2014", " 10 "), a = cle_mois("2015", "2");
    EXPECT_EQ(de, "2014-10");
    EXPECT_EQ(a, "2015-02");
    EXPECT_EQ(cle_mois("", ""), "-");
    const struct {
        const char* repertoire;
        bool plage;
        std::string a;
        bool attendu;
    } cas[] = {
        {"C:\\Photos\\2014-10-05 avignon", false, a, true},
        {"C:\\Photos\\141005 avignon", false, a, false},
        {"C:\\Photos\\2014-1-5", false, a, false},
        {"C:\\Photos\\2014-12-24 noel", true, a, true},
        {"C:\\Photos\\2014-10-01", true, a, true},   // lower bound included
        {"C:\\Photos\\2015-02-28", true, a, true},   // upper bound included
        {"C:\\Photos\\2015-03-01", true, a, false},
        {"C:\\Photos\\2014-09-30", true, a, false},
        {"C:\\Photos\\noel", true, a, false},
        {"C:\\mes-photos\\2014-12-24", true, a, false},  // the first hyphen of the path counts
        {"C:\\-2014-12", true, a, false},                 // a hyphen too near the start
        {"C:\\Photos\\2014-12-24 noel", true, cle_mois("", "2"), false},  // no last year
    };
    for (const auto& c : cas)
        EXPECT_EQ(date_acceptee(c.repertoire, de, c.a, c.plage), c.attendu) << c.repertoire << " " << c.plage;
}

TEST(FiltreMots, UnMotSuffitDansLeDernierComposant) {
    const struct {
        const char* repertoire;
        const char* mots;
        bool attendu;
    } cas[] = {
        {"C:\\Photos\\2005-07-14 Avignon", "divers avignon", true},
        {"C:\\Photos\\Avignon\\2005-07-14", "divers avignon", false},
        {"C:\\Photos\\Divers été", "divers avignon", true},
        {"C:\\Photos\\Divers été", "   avignon    divers  ", true},
        {"C:\\Photos\\Noel", "divers avignon", false},
        {"C:\\Photos\\Mont-Blanc", "montblanc", true},  // hyphens and spaces are folded away
        {"C:\\Photos\\x", "-", false},                  // an empty word matches nothing
        {"C:\\Photos\\x", "", false},
        {"Avignon", "avignon", true},
        {"C:\\Фото\\Москва 2019", "москва", true},  // other scripts, any case
        {"C:\\Фото\\Москва 2019", "питер", false},
        {"C:\\Photos\\東京 2019", "東京", true},
        {"C:\\Photos\\E\xCC\x81te\xCC\x81 a\xCC\x80 Arles", "été", false},  // as "Été" is not "été"
        {"C:\\Photos\\e\xCC\x81te\xCC\x81 a\xCC\x80 Arles", "été", true},   // marks of their own
    };
    for (const auto& c : cas) EXPECT_EQ(mots_acceptes(c.repertoire, c.mots), c.attendu) << c.repertoire << " / " << c.mots;
}

TEST(AnneeDuChemin, LuDansLeNomDuRepertoirePuisDansLeChemin) {
    const struct {
        const char* image;
        const char* attendu;
    } cas[] = {
        {"C:\\Photos\\051231 avignon\\a.jpg", "2005"},
        {"C:\\Photos\\05-12-31 avg\\a.jpg", "2005"},
        {"C:\\Photos\\20051231 noel\\a.jpg", "2005"},
        {"C:\\Photos\\2005-12-31\\a.jpg", "2005"},   // the short date inside the long one
        {"C:\\Photos\\981231 noel\\a.jpg", "1998"},  // holds no "20": the caller falls back
        {"C:\\Photos\\401231\\a.jpg", "2040"},
        {"C:\\Photos\\411231\\a.jpg", "1941"},
        {"C:\\Photos\\2005-12-311\\a.jpg", "2005"},  // only the long date pattern fits
        {"C:\\Photos\\2014-xx fête\\a.jpg", "2014"}, // the first hyphen-separated field
        {"C:\\Photos\\vacances\\a.jpg", ""},
        {"C:\\2005_12_31 x\\vacances\\a.jpg", "2005"},  // a dated component higher up
        {"a.jpg", ""},
    };
    for (const auto& c : cas) EXPECT_EQ(annee_du_chemin(c.image), c.attendu) << c.image;
}

TEST(Chemins, DernierComposant) {
    const struct {
        const char* chemin;
        const char* attendu;
    } cas[] = {
        {"C:\\Photos\\2005", "2005"}, {"C:\\Photos\\2005\\", "2005"}, {"2005", "2005"},
        {"C:\\", "C:"},               {"", ""},                       {"C:\\a\\\\", ""},
    };
    for (const auto& c : cas) EXPECT_EQ(dernier_composant(c.chemin), c.attendu) << c.chemin;
}

TEST(Chemins, AnneeDeJours) {
    const struct {
        double jours;
        int attendu;
    } cas[] = {
        {46365, 2026}, {36526, 2000}, {36525.99, 1999}, {2, 1900}, {1.5, 1899}, {-1, 1899},
        {-693593, 1},  {2958465, 9999}, {2958466, 0}, {1e12, 0}, {NAN, 0},
    };
    for (const auto& c : cas) EXPECT_EQ(annee_de_jours(c.jours), c.attendu) << c.jours;
}

}  // namespace
}  // namespace nocturo::test
