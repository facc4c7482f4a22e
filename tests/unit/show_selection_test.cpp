// The choice of the next picture, in catalogue order and by random groups.
#include <gtest/gtest.h>

#include <deque>
#include <set>

#include "show/selection.h"

namespace nocturo::test {
namespace {

// Draws that a test decides: each call takes the next value (modulo n).
struct HasardScripte {
    std::deque<int> valeurs;
    int appels = 0;
    Hasard fonction() {
        return [this](int n) {
            ++appels;
            int v = valeurs.empty() ? 0 : valeurs.front();
            if (!valeurs.empty()) valeurs.pop_front();
            return n > 0 ? v % n : 0;
        };
    }
};

// A plain generator, for shuffles whose order does not matter.
Hasard lineaire(unsigned graine) {
    return [etat = graine](int n) mutable {
        etat = etat * 1103515245u + 12345u;
        return n > 0 ? static_cast<int>((etat >> 8) % static_cast<unsigned>(n)) : 0;
    };
}

TEST(OrdreDuCatalogue, ApresLaPositionGardeeEtRetourAuDebut) {
    EXPECT_EQ(suivant_en_ordre(9, 10), 0);
    EXPECT_EQ(suivant_en_ordre(4, 10), 5);
    EXPECT_EQ(suivant_en_ordre(77, 10), 0);  // a stored position past the catalogue
    EXPECT_EQ(suivant_en_ordre(-5, 10), 0);
}

// The draws of one group after a fresh draw at `centre` in a catalogue of `n`; the shuffle
// takes a plain generator.
std::vector<int> groupe(int centre, int n, int rayon, int fouille, unsigned graine = 7) {
    Selection s;
    bool premier = true;
    Hasard suite = lineaire(graine);
    const Hasard h = [&](int m) {
        if (!premier) return suite(m);
        premier = false;
        return centre;
    };
    std::vector<int> r;
    for (int k = 0; k < fouille; ++k) r.push_back(indice_suivant_aleatoire(s, {rayon, fouille, n}, h));
    EXPECT_EQ(s.compteur_tirages, 0) << "the group is over";
    return r;
}

TEST(Groupes, QuatreDistinctsApresLeTirageFrais) {
    for (unsigned graine = 1; graine < 20; ++graine) {
        const std::vector<int> g = groupe(100, 1000, 5, 5, graine);
        ASSERT_EQ(g.size(), 5u);
        EXPECT_EQ(g[0], 100);
        const std::set<int> suite(g.begin() + 1, g.end());
        EXPECT_EQ(suite.size(), 4u);
        EXPECT_GE(*suite.begin(), 101);
        EXPECT_LE(*suite.rbegin(), 105);
    }
}

TEST(Groupes, AuBoutDuCatalogueLaDernierePosition) {
    EXPECT_EQ(groupe(999, 1000, 5, 5), (std::vector<int>{999, 999, 999, 999, 999}));
}

TEST(Groupes, PlusDeTiragesQueDeRayon) {
    // nb_fouille 8, rayon 3: three distinct positions among p + 1 .. p + 3, then p four times.
    const std::vector<int> g = groupe(50, 1000, 3, 8);
    EXPECT_EQ(std::set<int>(g.begin() + 1, g.begin() + 4), (std::set<int>{51, 52, 53}));
    EXPECT_EQ(std::vector<int>(g.begin() + 4, g.end()), (std::vector<int>{50, 50, 50, 50}));
}

TEST(Groupes, RayonNulOuNegatifPrendLaSuivante) {
    EXPECT_EQ(groupe(50, 1000, 0, 3), (std::vector<int>{50, 51, 51}));
    EXPECT_EQ(groupe(999, 1000, -2, 2), (std::vector<int>{999, 999}));
}

TEST(Groupes, UnSeulTirageParGroupeEstToujoursFrais) {
    Selection s;
    HasardScripte h{{3, 0, 0, 7, 0, 0, 1, 0, 0}};  // each fresh draw, then its shuffle of one offset
    std::vector<int> r;
    for (int k = 0; k < 3; ++k) r.push_back(indice_suivant_aleatoire(s, {1, 1, 10}, h.fonction()));
    EXPECT_EQ(r, (std::vector<int>{3, 7, 1}));
}

TEST(Groupes, RayonEtTiragesAuDelaDeLaTableSontBornes) {
    // A radius of 500 shuffles the 60 offsets the table holds; draws past entry 60 give the
    // fresh draw's picture again.
    const std::vector<int> g = groupe(1000, 5000, 500, 70);
    EXPECT_EQ(std::set<int>(g.begin() + 1, g.begin() + 61).size(), 60u);
    EXPECT_EQ(*std::max_element(g.begin(), g.end()), 1060);
    EXPECT_EQ(std::vector<int>(g.begin() + 61, g.end()), std::vector<int>(9, 1000));
}

TEST(Prevision, DonneLaPositionSuivanteSansAvancerEtGardeLeTirageFrais) {
    Selection prevue, directe;
    const ReglagesSelection r{5, 3, 1000};
    Hasard h1 = lineaire(3), h2 = lineaire(3);
    for (int k = 0; k < 12; ++k) {
        const Selection avant = prevue;
        const int annoncee = prevoir_aleatoire(prevue, r, h1);
        // Asking again changes nothing and draws nothing.
        EXPECT_EQ(prevoir_aleatoire(prevue, r, h1), annoncee);
        EXPECT_EQ(prevue.compteur_tirages, avant.compteur_tirages);
        EXPECT_EQ(indice_suivant_aleatoire(prevue, r, h1), annoncee) << k;
        // The same draws as a selection that never looked ahead.
        EXPECT_EQ(indice_suivant_aleatoire(directe, r, h2), annoncee) << k;
    }
}

TEST(Prevision, UnTirageGardePourUnAutreCatalogueEstRefait) {
    Selection s;
    // A fresh draw, then ten draws of its shuffle of five offsets, and again.
    HasardScripte h{{7, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}};
    EXPECT_EQ(prevoir_aleatoire(s, {5, 3, 10}, h.fonction()), 7);
    EXPECT_EQ(indice_suivant_aleatoire(s, {5, 3, 4}, h.fonction()), 2);  // the catalogue changed
    EXPECT_FALSE(s.garde);
}

TEST(Recommencer, LeProchainTirageEstFraisEtLaTableVide) {
    Selection s;
    const Hasard h = lineaire(5);
    indice_suivant_aleatoire(s, {5, 3, 1000}, h);
    ASSERT_EQ(s.compteur_tirages, 1);
    s.recommencer();
    EXPECT_EQ(s.compteur_tirages, 0);
    EXPECT_EQ(s.table_decalages, Decalages{});
}

}  // namespace
}  // namespace nocturo::test
