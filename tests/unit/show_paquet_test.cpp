// The deck of fresh draws: no repeat before every picture came once, the same deck after a
// restart, a new one for a new catalogue, uniform draws.
#include <gtest/gtest.h>

#include <set>

#include "show/paquet.h"
#include "show/selection.h"

namespace nocturo::test {
namespace {

std::function<uint64_t()> graines(uint64_t depart) {
    return [x = depart]() mutable { return x += 0x1234567; };
}

TEST(Paquet, MilleTiragesMilleImagesDistinctesPuisUnNouveauPaquet) {
    Paquet p;
    const auto g = graines(1);
    std::set<int> vues;
    for (int i = 0; i < 1000; ++i) vues.insert(p.tirer(1000, g));
    EXPECT_EQ(vues.size(), 1000u);
    const uint64_t premiere = p.etat().graine;
    p.tirer(1000, g);  // walked to its end: a new deck
    EXPECT_NE(p.etat().graine, premiere);
    EXPECT_EQ(p.etat().curseur, 1);
}

TEST(Paquet, UnRedemarrageContinueLeMemePaquet) {
    Paquet avant;
    const auto g = graines(7);
    for (int i = 0; i < 400; ++i) avant.tirer(1000, g);
    EtatPaquet lu;
    ASSERT_TRUE(decoder_paquet(coder_paquet(avant.etat()), lu));
    EXPECT_EQ(lu, avant.etat());
    Paquet apres;
    apres.reprendre(lu);
    for (int i = 0; i < 600; ++i) EXPECT_EQ(apres.tirer(1000, g), avant.tirer(1000, g)) << i;
    // Another size is another catalogue: a new deck.
    Paquet autre;
    autre.reprendre(lu);
    autre.tirer(999, g);
    EXPECT_EQ(autre.etat().taille, 999);
    EXPECT_EQ(autre.etat().curseur, 1);
}

TEST(Paquet, FichierAbimeRefuse) {
    EtatPaquet e{42, 3, 10};
    for (const char* texte : {"", "graine = 1\r\ncurseur = 2\r\n", "graine = x\r\ncurseur = 0\r\ntaille = 5\r\n",
                              "graine = 1\r\ncurseur = 6\r\ntaille = 5\r\n", "graine = 1\r\ncurseur = -1\r\ntaille = 5\r\n",
                              "graine = 1\r\ncurseur = 0\r\ntaille = 5x\r\n"}) {
        EXPECT_FALSE(decoder_paquet(texte, e)) << texte;
        EXPECT_EQ(e, (EtatPaquet{42, 3, 10}));
    }
}

TEST(Paquet, TiragesUniformes) {
    // The first draw of 20,000 decks over 10 positions: a chi-square with 9 degrees of
    // freedom, under 27.9 at the 0.1 % level. The seeds are fixed: the test cannot flake.
    int compte[10] = {};
    for (uint64_t s = 1; s <= 20000; ++s) ++compte[permutation(s * 0x9E3779B97F4A7C15ull, 10)[0]];
    double chi2 = 0;
    for (int c : compte) chi2 += (c - 2000.0) * (c - 2000.0) / 2000.0;
    EXPECT_LT(chi2, 27.9);
    // And every position takes every place alike: position 3 across the ten places.
    int place[10] = {};
    for (uint64_t s = 1; s <= 20000; ++s) {
        const std::vector<int32_t> p = permutation(s, 10);
        for (int i = 0; i < 10; ++i)
            if (p[static_cast<size_t>(i)] == 3) ++place[i];
    }
    chi2 = 0;
    for (int c : place) chi2 += (c - 2000.0) * (c - 2000.0) / 2000.0;
    EXPECT_LT(chi2, 27.9);
}

TEST(Paquet, LesGroupesSuiventToujoursLeurTirageFrais) {
    Selection s;
    Paquet p;
    const auto g = graines(3);
    unsigned etat = 5;
    const Hasard hasard = [&](int n) {
        etat = etat * 1103515245u + 12345u;
        return static_cast<int>((etat >> 8) % static_cast<unsigned>(n));
    };
    const Hasard frais = [&](int n) { return p.tirer(n, g); };
    std::set<int> centres;
    for (int k = 0; k < 300; ++k) {
        const int c = indice_suivant_aleatoire(s, {5, 3, 100}, hasard, frais);
        centres.insert(c);
        for (int m = 1; m < 3; ++m) {
            const int v = indice_suivant_aleatoire(s, {5, 3, 100}, hasard, frais);
            EXPECT_GT(v, std::min(c, 98));
            EXPECT_LE(v, std::min(c + 5, 99));
        }
        if (k == 99) {
            EXPECT_EQ(centres.size(), 100u);  // a hundred fresh draws: the whole deck
        }
    }
}

}  // namespace
}  // namespace nocturo::test
