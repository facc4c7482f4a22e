// The choice of the next picture, in catalogue order and by random groups within a cycle.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "show/selection.h"

namespace nocturo::test {
namespace {

// A plain generator, for shuffles whose order does not matter.
Hasard lineaire(unsigned graine) {
    return [etat = graine](int n) mutable {
        etat = etat * 1103515245u + 12345u;
        return n > 0 ? static_cast<int>((etat >> 8) % static_cast<unsigned>(n)) : 0;
    };
}

Graine graines(uint64_t depart) {
    return [x = depart]() mutable { return x += 0x9E3779B97F4A7C15ull; };
}

TEST(OrdreDuCatalogue, ApresLaPositionGardeeEtRetourAuDebut) {
    EXPECT_EQ(suivant_en_ordre(9, 10), 0);
    EXPECT_EQ(suivant_en_ordre(4, 10), 5);
    EXPECT_EQ(suivant_en_ordre(77, 10), 0);  // a stored position past the catalogue
    EXPECT_EQ(suivant_en_ordre(-5, 10), 0);
}

// The positions a show gives, each checked against its announcement ahead.
std::vector<int> tirages(int n, int rayon, int fouille, int combien, unsigned graine) {
    Selection s;
    Paquet p;
    const Hasard h = lineaire(graine);
    const Graine g = graines(graine);
    std::vector<int> r;
    for (int k = 0; k < combien; ++k) {
        const int annoncee = prevoir_aleatoire(s, {rayon, fouille, n}, p, h, g);
        r.push_back(indice_suivant_aleatoire(s, {rayon, fouille, n}, p, h, g));
        EXPECT_EQ(r.back(), annoncee) << "the position announced ahead is the one given";
    }
    return r;
}

// A draw just given was fresh: it is the group's centre, no offset tried yet.
bool frais(const Selection& s, int v) { return s.centre_tirage == v && s.prochain_decalage == 1; }

TEST(Cycles, ChaqueImageUneFoisParCycleGroupesCompris) {
    // Two cycles of a small catalogue under every kind of setting: one picture a group, a
    // group as large as the catalogue, more members than the radius holds, a radius of 1.
    const struct {
        int n, rayon, fouille;
    } cas[] = {{9, 5, 3}, {9, 1, 1}, {9, 1, 3}, {9, 9, 9}, {9, 2, 8}, {9, 0, 3}, {12, 60, 70}, {1, 5, 3}, {31, 3, 4},
               {40, 5, 3}};
    for (const auto& c : cas) {
        for (unsigned graine = 1; graine <= 5; ++graine) {
            const std::vector<int> t = tirages(c.n, c.rayon, c.fouille, 2 * c.n, graine);
            for (int cycle = 0; cycle < 2; ++cycle) {
                const std::set<int> vues(t.begin() + cycle * c.n, t.begin() + (cycle + 1) * c.n);
                EXPECT_EQ(static_cast<int>(vues.size()), c.n)
                    << "n " << c.n << " rayon " << c.rayon << " fouille " << c.fouille << " graine " << graine << " cycle " << cycle;
            }
        }
    }
}

TEST(Groupes, LesMembresSuiventLeTirageFraisDansLeRayon) {
    const struct {
        int n, rayon, fouille;
    } cas[] = {{1000, 5, 3}, {1000, 5, 6}, {1000, 3, 8}, {200, 1, 2}, {200, 0, 2}, {5000, 500, 70}};
    for (const auto& c : cas) {
        Selection s;
        Paquet p;
        const Hasard h = lineaire(3);
        const Graine g = graines(3);
        const ReglagesSelection r{c.rayon, c.fouille, c.n};
        int centre = -1, taille_groupe = 0;
        for (int k = 0; k < 300; ++k) {
            const int v = indice_suivant_aleatoire(s, r, p, h, g);
            if (frais(s, v)) {
                centre = v;
                taille_groupe = 1;
                continue;
            }
            ++taille_groupe;
            EXPECT_GT(v, centre) << "rayon " << c.rayon;
            EXPECT_LE(v, centre + std::clamp(c.rayon, 1, 60)) << "rayon " << c.rayon;
            EXPECT_LE(taille_groupe, c.fouille);
        }
    }
}

TEST(Groupes, AuBoutDuCatalogueLeGroupeEstPlusCourt) {
    // A fresh draw at the last position: no member past the end, no repeat of it; the
    // next draw is fresh.
    Paquet p;
    const Graine g = graines(1);
    int derniere = -1;
    for (int k = 0; k < 10 && derniere != 9; ++k) {
        derniere = p.prochain(10, g);
        if (derniere != 9) p.marquer(derniere);
    }
    ASSERT_EQ(derniere, 9);
    Selection s;
    const Hasard h = lineaire(1);
    EXPECT_EQ(indice_suivant_aleatoire(s, {5, 3, 10}, p, h, g), 9);
    const int suivante = indice_suivant_aleatoire(s, {5, 3, 10}, p, h, g);
    EXPECT_NE(suivante, 9);
    EXPECT_TRUE(frais(s, suivante));
}

TEST(Prevision, DonneLaPositionSuivanteSansAvancerEtGardeLeTirageFrais) {
    Selection prevue, directe;
    Paquet p1, p2;
    const ReglagesSelection r{5, 3, 1000};
    Hasard h1 = lineaire(3), h2 = lineaire(3);
    const Graine g1 = graines(4), g2 = graines(4);
    for (int k = 0; k < 30; ++k) {
        const Selection avant = prevue;
        const int annoncee = prevoir_aleatoire(prevue, r, p1, h1, g1);
        // Asking again changes nothing and draws nothing.
        EXPECT_EQ(prevoir_aleatoire(prevue, r, p1, h1, g1), annoncee);
        EXPECT_EQ(prevue.compteur_tirages, avant.compteur_tirages);
        EXPECT_FALSE(p1.montree(annoncee));
        EXPECT_EQ(indice_suivant_aleatoire(prevue, r, p1, h1, g1), annoncee) << k;
        // The same draws as a selection that never looked ahead.
        EXPECT_EQ(indice_suivant_aleatoire(directe, r, p2, h2, g2), annoncee) << k;
    }
}

TEST(Prevision, UnTirageGardePourUnAutreCatalogueEstRefait) {
    Selection s;
    Paquet p;
    const Hasard h = lineaire(2);
    const Graine g = graines(2);
    const int prevue = prevoir_aleatoire(s, {5, 3, 10}, p, h, g);
    EXPECT_LT(prevue, 10);
    EXPECT_LT(indice_suivant_aleatoire(s, {5, 3, 4}, p, h, g), 4);  // the catalogue changed
    EXPECT_FALSE(s.garde);
}

TEST(Recommencer, LeProchainTirageEstFraisEtLaTableVide) {
    Selection s;
    Paquet p;
    indice_suivant_aleatoire(s, {5, 3, 1000}, p, lineaire(5), graines(5));
    ASSERT_EQ(s.compteur_tirages, 1);
    s.recommencer();
    EXPECT_EQ(s.compteur_tirages, 0);
    EXPECT_EQ(s.table_decalages, Decalages{});
}

}  // namespace
}  // namespace nocturo::test
