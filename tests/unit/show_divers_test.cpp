// The history's ring, the mouse rule, the levels of a ready picture, the scaling filter.
#include <gtest/gtest.h>

#include "show/historique.h"
#include "show/image_prete.h"
#include "show/reduction.h"
#include "show/souris.h"
#include "settings/donnees.h"
#include "sim/plateforme_simulee.h"

namespace nocturo::test {
namespace {

TEST(Historique, AjouteJusquALaCapaciteEnsuiteTourne) {
    Historique h;
    h.capacite = 3;
    for (const char* c : {"a", "b", "c"}) h.ajouter(c);
    EXPECT_EQ(h.lignes, (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(h.indice, 2);
    h.ecriture = -1;  // a new run of the show: the ring starts again at the first line
    EXPECT_EQ(h.ajouter("d"), 0);
    EXPECT_EQ(h.ajouter("e"), 1);
    EXPECT_EQ(h.ajouter("f"), 2);
    EXPECT_EQ(h.ajouter("g"), 0);
    EXPECT_EQ(h.lignes, (std::vector<std::string>{"g", "e", "f"}));
    EXPECT_EQ(h.indice, 0);
    // What is kept for the next run is the newest, in the order shown.
    EXPECT_EQ(std::vector<std::string>(h.recentes.end() - 3, h.recentes.end()),
              (std::vector<std::string>{"e", "f", "g"}));
    for (int i = 0; i < 400; ++i) h.ajouter(std::to_string(i));
    EXPECT_EQ(h.recentes.size(), 300u);
    EXPECT_EQ(h.recentes.front(), "100");
    EXPECT_EQ(h.recentes.back(), "399");
    EXPECT_EQ(dernieres_lignes({"1", "2", "3"}, 2), (std::vector<std::string>{"2", "3"}));
    EXPECT_EQ(dernieres_lignes({"1"}, 300), (std::vector<std::string>{"1"}));
}

TEST(Historique, SonFichierGardeLesNomsDeTouteEcriture) {
    PlateformeSimulee m;
    m.creer_repertoire_complet("C:\\Nocturo");
    const std::vector<std::string> francais = {"C:\\Photos\\Été\\a.jpg", "C:\\Photos\\" + std::string(120, 'n') + ".jpg"};
    const std::vector<std::string> monde = {"C:\\Фото\\Прогулка.jpg", "C:\\東京\\🎂.png"};
    for (const auto* lignes : {&francais, &monde}) {
        Historique h;
        for (const std::string& l : *lignes) h.ajouter(l);
        ecrire_historique(m, h);
        // Windows-1252 as before when it can, so that an earlier version reads it too.
        EXPECT_EQ(m.contenu(FICHIER_HISTORIQUE).starts_with("\xEF\xBB\xBF"), lignes == &monde);
        Historique relu;
        ASSERT_TRUE(lire_historique(m, relu));
        EXPECT_EQ(relu.lignes, *lignes);
    }
}

TEST(Souris, VitesseLateraleSeulement) {
    const double tic = 0.2 / 86400;  // 200 ms in days
    const struct {
        int x, x_prec;
        double dt;
        bool au_dela_de_100;
    } cas[] = {
        {300, 0, tic, true},    // 300 pixels in 200 ms
        {231, 0, tic, false},   // 99.8 pixels per 86.4 ms
        {232, 0, tic, true},
        {0, 232, tic, true},    // either way
        {500, 0, 5 * tic, false},  // a long gap between ticks lowers the speed
        {5000, 0, 0, false},       // two readings in one instant: never a division by zero
    };
    for (const auto& c : cas)
        EXPECT_EQ(vitesse_souris(c.x, c.x_prec, 46000 + c.dt, 46000) > 100, c.au_dela_de_100) << c.x << " " << c.dt;
}

Pixels uni(int l, int h, uint32_t couleur) {
    Pixels p;
    p.largeur = l;
    p.hauteur = h;
    p.bgra.assign(static_cast<size_t>(l) * static_cast<size_t>(h), couleur);
    return p;
}

TEST(Niveaux, MoitiesJusquAQuelquesDizainesDePixels) {
    const ImagePrete i = preparer_niveaux(uni(1000, 600, 0xFF102030));
    ASSERT_EQ(i.niveaux.size(), 5u);  // 1000, 500, 250, 125, 62 wide; 31 would be too small
    EXPECT_EQ(i.niveaux[1].largeur, 500);
    EXPECT_EQ(i.niveaux[4].hauteur, 37);
    EXPECT_EQ(i.niveaux[4].bgra[0], 0xFF102030u);
    // The level drawn from is between once and twice the width on screen.
    EXPECT_EQ(i.niveau_pour(600).largeur, 1000);
    EXPECT_EQ(i.niveau_pour(500).largeur, 500);
    EXPECT_EQ(i.niveau_pour(126).largeur, 250);
    EXPECT_EQ(i.niveau_pour(20).largeur, 62);
    EXPECT_EQ(i.niveau_pour(3000).largeur, 1000);  // larger than the copy: the copy
    EXPECT_EQ(ImagePrete{}.niveau_pour(10).largeur, 0);
}

TEST(Reduction, MoyenneDesSurfacesCouvertes) {
    // Two by two to one: the mean. Three to two: each output takes one pixel and a half.
    Pixels p = uni(2, 2, 0);
    p.bgra = {0xFF000000, 0xFF0000FF, 0xFF00FF00, 0xFFFF0000};
    EXPECT_EQ(reduire_et_tourner(p, 1, {1, 1}).bgra, std::vector<uint32_t>{0xFF404040});

    Pixels ligne = uni(3, 1, 0);
    ligne.bgra = {0xFF000000, 0xFF000090, 0xFF0000F0};
    EXPECT_EQ(reduire_et_tourner(ligne, 1, {2, 1}).bgra, (std::vector<uint32_t>{0xFF000030, 0xFF0000D0}));

    // A uniform picture stays uniform at any ratio; a size above the source's is brought
    // down to it.
    for (const Taille cible : {Taille{997, 331}, Taille{1, 1}, Taille{6000, 5000}}) {
        const Pixels r = reduire_et_tourner(uni(1200, 800, 0xFF7F3FC8), 6, cible);
        ASSERT_FALSE(r.vide());
        EXPECT_LE(r.largeur, 800);
        EXPECT_LE(r.hauteur, 1200);
        EXPECT_EQ(std::count(r.bgra.begin(), r.bgra.end(), 0xFF7F3FC8u), static_cast<long>(r.bgra.size()));
    }
    EXPECT_TRUE(reduire_et_tourner(Pixels{}, 1, {10, 10}).vide());
    EXPECT_TRUE(reduire_et_tourner(uni(4, 4, 0), 1, {0, 3}).vide());
}

}  // namespace
}  // namespace nocturo::test
