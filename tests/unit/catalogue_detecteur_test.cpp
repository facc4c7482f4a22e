// The exclusion patterns found in one pass over a path, whatever their number.
#include <gtest/gtest.h>

#include "catalogue/detecteur.h"
#include "catalogue/exclusions.h"
#include "sim/plateforme_simulee.h"

namespace nocturo::test {
namespace {

using Lignes = std::vector<std::string>;

bool trouve(const Lignes& motifs, const std::string& texte) {
    return DetecteurMotifs({&motifs}).trouve_dans(texte);
}

TEST(Detecteur, SousChaineExacteSensibleALaCasse) {
    const struct {
        Lignes motifs;
        std::string texte;
        bool attendu;
    } cas[] = {
        {{"C:\\Photos\\Divers"}, "C:\\Photos\\Divers 2006\\a.jpg", true},
        {{"C:\\Photos\\Divers"}, "c:\\photos\\divers\\a.jpg", false},  // letter case counts
        {{"Avignon\\f.jpg"}, "C:\\Photos\\2014-10-05 Avignon\\f.jpg", true},
        {{"", "zz"}, "C:\\Photos\\a.jpg", false},  // an empty pattern matches nothing
        {{}, "C:\\Photos\\a.jpg", false},
        // Patterns inside one another, and one that starts where another fails.
        {{"abcd", "bce"}, "xabcex", true},
        {{"abcd", "bcd", "cd"}, "xxabcx", false},
        {{"aab"}, "aaab", true},
        {{"été"}, "C:\\Été\\été.jpg", true},
        {{"\xFF\xFE"}, std::string("a\xFF\xFE"), true},
    };
    for (const auto& c : cas) EXPECT_EQ(trouve(c.motifs, c.texte), c.attendu) << c.texte;
}

TEST(Detecteur, MemeReponseQueLaRechercheMotParMot) {
    unsigned etat = 7;
    const auto tirer = [&](int n) {
        etat = etat * 1103515245u + 12345u;
        return static_cast<int>((etat >> 8) % static_cast<unsigned>(n));
    };
    const auto mot = [&](int longueur) {
        std::string m;
        for (int i = 0; i < longueur; ++i) m += "ab\\c"[tirer(4)];
        return m;
    };
    for (int essai = 0; essai < 2000; ++essai) {
        Lignes motifs;
        for (int k = tirer(6); k > 0; --k) motifs.push_back(mot(1 + tirer(4)));
        const std::string texte = mot(tirer(20));
        bool attendu = false;
        for (const std::string& m : motifs) attendu |= !m.empty() && texte.find(m) != std::string::npos;
        ASSERT_EQ(trouve(motifs, texte), attendu) << texte;
    }
}

TEST(Detecteur, TropDeMotifsSontCoupesAvecUnMessage) {
    PlateformeSimulee m;
    Lignes fichier;
    for (int k = 0; k < 3; ++k) {
        fichier.push_back("+*C:\\R" + std::to_string(k));
        fichier.push_back("P1.jpg...P60000.jpg");
        fichier.push_back("-");
    }
    int souffles = 0;
    const MotifsExclusion motifs = lire_motifs_exclusion(fichier, m, [&] { ++souffles; });
    EXPECT_EQ(motifs.fichiers.size(), MOTIFS_MAX);
    EXPECT_EQ(motifs.fichiers.back(), "C:\\R1\\P40000.jpg");
    EXPECT_EQ(m.messages, Lignes{TEXTE_TROP_DE_MOTIFS});
    EXPECT_GT(souffles, 20);  // messages were handled along the way
    // A hundred thousand patterns, one pass over the path.
    const DetecteurMotifs d({&motifs.repertoires, &motifs.fichiers});
    EXPECT_TRUE(d.trouve_dans("C:\\R0\\P59999.jpg"));
    EXPECT_FALSE(d.trouve_dans("C:\\R2\\P1.jpg"));
}

}  // namespace
}  // namespace nocturo::test
