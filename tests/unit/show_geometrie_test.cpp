// Where a picture stands: fit, fill, the zoom's widths, the size of the copy kept.
#include <gtest/gtest.h>

#include "show/geometrie.h"

namespace nocturo::test {
namespace {

const Taille ECRAN{1920, 1080};

TEST(Cadres, AjusteEtRempli) {
    const struct {
        const char* ce_qu_il_montre;
        Taille image;
        int haut;
        Cadre ajuste, rempli;
    } cas[] = {
        {"4:3, haut 100", {4000, 3000}, 100, {240, 0, 1440, 1080}, {0, 0, 1920, 1440}},
        {"4:3, haut 40", {4000, 3000}, 40, {240, 0, 1440, 1080}, {0, -108, 1920, 1440}},
        {"4:3, haut 0: centree", {4000, 3000}, 0, {240, 0, 1440, 1080}, {0, -180, 1920, 1440}},
        {"portrait", {3000, 4000}, 100, {555, 0, 810, 1080}, {0, 0, 1920, 2560}},
        {"plus large que l'ecran", {4000, 1000}, 100, {0, 300, 1920, 480}, {-1200, 0, 4320, 1080}},
        {"aux proportions de l'ecran", {3840, 2160}, 100, {0, 0, 1920, 1080}, {0, 0, 1920, 1080}},
        {"rien de decode", {0, 0}, 100, {}, {}},
        {"hauteur nulle", {100, 0}, 100, {}, {}},
    };
    for (const auto& c : cas) {
        EXPECT_EQ(cadre_ajuste(ECRAN, c.image), c.ajuste) << c.ce_qu_il_montre;
        EXPECT_EQ(cadre_rempli(ECRAN, c.image, c.haut), c.rempli) << c.ce_qu_il_montre;
    }
}

TEST(Zoom, LargeursDeLExempleDe1440Vers3072) {
    const std::vector<int> w = largeurs_zoom(1440, 1920, 16, 250);
    ASSERT_EQ(w.size(), 251u);
    EXPECT_EQ(w[0], 1440);
    EXPECT_EQ(w[1], 1440);
    EXPECT_EQ(w[2], 1447);
    EXPECT_EQ(w.back(), 3065);  // one step short of the target
    EXPECT_TRUE(std::is_sorted(w.begin(), w.end()));
    EXPECT_EQ(cadre_zoom(ECRAN, {4000, 3000}, 1447, 100), (Cadre{236, 0, 1447, 1085}));
    EXPECT_EQ(cadre_zoom(ECRAN, {4000, 3000}, 3065, 40), (Cadre{-572, -365, 3065, 2298}));
}

TEST(Zoom, CasSansZoom) {
    EXPECT_TRUE(largeurs_zoom(1920, 1920, 10, 250).empty());  // the start reaches the target
    EXPECT_TRUE(largeurs_zoom(1920, 1920, 5, 250).empty());
    EXPECT_TRUE(largeurs_zoom(1440, 1920, 16, 0).empty());  // no step count: no zoom
    EXPECT_TRUE(largeurs_zoom(1440, 1920, 16, -3).empty());
    EXPECT_EQ(largeurs_zoom(1440, 1920, 16, 1), (std::vector<int>{1440, 1440}));
}

TEST(Zoom, ArrondiAuPairLePlusProche) {
    // (1446 - 1440) / 4 * i: 1.5 rounds to 2, 4.5 to 4, 3 stays 3.
    EXPECT_EQ(largeur_zoom(1440, 1446, 4, 1), 1442);
    EXPECT_EQ(largeur_zoom(1440, 1446, 4, 2), 1443);
    EXPECT_EQ(largeur_zoom(1440, 1446, 4, 3), 1444);
    EXPECT_EQ(largeur_zoom(1440, 1436, 8, 1), 1440);  // -0.5 to 0
}

TEST(Copie, LaPlusGrandeTailleMontreeJamaisAuDelaDeLImage) {
    const struct {
        const char* ce_qu_il_montre;
        Taille image;
        ReglagesEffet r;
        Taille attendue;
    } cas[] = {
        {"effet 0: ajuste", {4000, 3000}, {0, 16, 250, 100}, {1440, 1080}},
        {"effet 1: rempli", {4000, 3000}, {1, 16, 250, 100}, {1920, 1440}},
        {"effet 2: rempli apres ajuste", {4000, 3000}, {2, 16, 250, 100}, {1920, 1440}},
        {"effet 3: derniere largeur du zoom", {4000, 3000}, {3, 16, 250, 100}, {3065, 2298}},
        {"effet 5: zoom depuis le rempli", {4000, 3000}, {5, 16, 250, 100}, {3067, 2300}},
        {"effet 4 zoom vers la largeur de l'ecran", {4000, 3000}, {4, 10, 250, 100}, {1918, 1438}},
        {"effet 4 sans zoom", {4000, 3000}, {4, 7, 250, 100}, {1440, 1080}},
        {"effet 3 sans pas", {4000, 3000}, {3, 16, 0, 100}, {1440, 1080}},
        {"petite image: sa taille", {640, 480}, {1, 16, 250, 100}, {640, 480}},
        {"choix absent: effet 0", {4000, 3000}, {-1, 16, 250, 100}, {1440, 1080}},
        {"rien", {0, 0}, {0, 16, 250, 100}, {0, 0}},
    };
    for (const auto& c : cas) EXPECT_EQ(taille_copie(ECRAN, c.image, c.r), c.attendue) << c.ce_qu_il_montre;
}

}  // namespace
}  // namespace nocturo::test
