// The deck of fresh draws: no repeat before every picture came once, the same deck after a
// restart, a new one for a new catalogue, uniform draws.
#include <gtest/gtest.h>

#include <iterator>
#include <set>
#include <string>
#include <vector>

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
    const EtatPaquet avant{42, 3, 10, {1, 4}};
    EtatPaquet e = avant;
    const std::string debut = "graine = 1\r\ncurseur = 0\r\ntaille = 5\r\n";
    for (const std::string& texte :
         {std::string(), std::string("graine = 1\r\ncurseur = 2\r\n"), std::string("graine = x\r\ncurseur = 0\r\ntaille = 5\r\n"),
          std::string("graine = 1\r\ncurseur = 6\r\ntaille = 5\r\n"), std::string("graine = 1\r\ncurseur = -1\r\ntaille = 5\r\n"),
          std::string("graine = 1\r\ncurseur = 0\r\ntaille = 5x\r\n"),
          // The positions taken out: ascending, each once, within the deck, at least one.
          debut + "retirees = 3 1\r\n", debut + "retirees = 1 1\r\n", debut + "retirees = 5\r\n",
          debut + "retirees = -1\r\n", debut + "retirees =\r\n", debut + "retirees = 2x\r\n",
          debut + "autre = 2\r\n", debut + "retirees = 2\r\nretirees = 3\r\n"}) {
        EXPECT_FALSE(decoder_paquet(texte, e)) << texte;
        EXPECT_EQ(e, avant);
    }
    ASSERT_TRUE(decoder_paquet(debut + "retirees = 0 2 4\r\n", e));
    EXPECT_EQ(e, (EtatPaquet{1, 0, 5, {0, 2, 4}}));
    EXPECT_EQ(coder_paquet(e), debut + "retirees = 0 2 4\r\n");
}

TEST(Paquet, DesImagesRetireesLePaquetContinueSansElles) {
    // Fifty pictures, twenty drawn; then ten leave the catalogue, five of them drawn, then
    // three more after ten further draws. Every picture still there that the deck had not
    // drawn comes once, under its position in the smaller catalogue, before the new deck.
    Paquet p;
    const auto g = graines(3);
    std::vector<std::string> catalogue;
    for (int i = 0; i < 50; ++i) catalogue.push_back("p" + std::to_string(i));
    std::set<std::string> vues;
    const auto tirer = [&] { return catalogue.at(static_cast<size_t>(p.tirer(static_cast<int>(catalogue.size()), g))); };
    for (int i = 0; i < 20; ++i) vues.insert(tirer());
    const uint64_t graine = p.etat().graine;
    const auto retirer = [&](std::set<std::string> noms) {
        std::vector<int32_t> positions;
        for (size_t i = 0; i < catalogue.size(); ++i)
            if (noms.count(catalogue[i])) positions.push_back(static_cast<int32_t>(i));
        p.retirer(positions, static_cast<int>(catalogue.size()));
        std::erase_if(catalogue, [&](const std::string& n) { return noms.count(n) > 0; });
        for (const std::string& n : noms) vues.erase(n);
    };
    std::set<std::string> partantes(vues.begin(), std::next(vues.begin(), 5));
    for (const std::string& n : catalogue)
        if (!vues.count(n) && partantes.size() < 10) partantes.insert(n);
    retirer(partantes);
    for (int i = 0; i < 10; ++i) EXPECT_TRUE(vues.insert(tirer()).second);
    std::set<std::string> encore;
    for (const std::string& n : catalogue)
        if (encore.size() < 3 && (encore.empty() ? vues.count(n) : !vues.count(n))) encore.insert(n);
    retirer(encore);
    // The deck survives a restart with what it lost.
    EtatPaquet lu;
    ASSERT_TRUE(decoder_paquet(coder_paquet(p.etat()), lu));
    Paquet apres;
    apres.reprendre(lu);
    p = std::move(apres);
    while (vues.size() < catalogue.size()) {
        const std::string n = tirer();
        EXPECT_TRUE(vues.insert(n).second) << n;
        EXPECT_EQ(p.etat().graine, graine);
    }
    EXPECT_EQ(vues, std::set<std::string>(catalogue.begin(), catalogue.end()));
    tirer();  // then a new deck over the catalogue as it is
    EXPECT_NE(p.etat().graine, graine);
    EXPECT_EQ(p.etat().taille, static_cast<int32_t>(catalogue.size()));
    EXPECT_TRUE(p.etat().retirees.empty());
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
