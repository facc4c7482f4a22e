// The grammar of the exclusion file.
#include <gtest/gtest.h>

#include "catalogue/exclusions.h"
#include "sim/plateforme_simulee.h"

namespace nocturo::test {
namespace {

using Lignes = std::vector<std::string>;

struct CasExclusion {
    const char* ce_qu_il_montre;
    Lignes fichier;
    Lignes repertoires;
    Lignes fichiers;
};

// Names the case in the test list instead of dumping its bytes.
void PrintTo(const CasExclusion& c, std::ostream* os) { *os << c.ce_qu_il_montre; }

class FichierExclusions : public testing::TestWithParam<CasExclusion> {
protected:
    // A run whose number is malformed shows the conversion message.
    PlateformeSimulee machine;
};

TEST_P(FichierExclusions, DonneLesMotifs) {
    const CasExclusion& c = GetParam();
    const MotifsExclusion m = lire_motifs_exclusion(c.fichier, machine);
    EXPECT_EQ(m.repertoires, c.repertoires);
    EXPECT_EQ(m.fichiers, c.fichiers);
}

INSTANTIATE_TEST_SUITE_P(
    Grammaire, FichierExclusions,
    testing::Values(
        CasExclusion{"commentaire, vide et ligne ordinaire ignores",
                     {"'**C:\\Photos", "", "C:\\Photos\\x", "*C:\\y", "**C:\\Photos\\Divers"},
                     {"C:\\Photos\\Divers"},
                     {}},
        CasExclusion{"bloc avec fichier et serie",
                     {"+*C:\\Photos\\2005", "P7.jpg", "P1.jpg...P3.jpg", "-"},
                     {},
                     {"C:\\Photos\\2005\\P7.jpg", "C:\\Photos\\2005\\P1.jpg", "C:\\Photos\\2005\\P2.jpg",
                      "C:\\Photos\\2005\\P3.jpg"}},
        CasExclusion{"serie sans zeros de tete, prefixe du dernier",
                     {"+*C:\\R", "IMG_0012.JPG...IMG_0014.JPG", "IMG1.jpg...DSC2.jpg", "-"},
                     {},
                     {"C:\\R\\IMG_12.JPG", "C:\\R\\IMG_13.JPG", "C:\\R\\IMG_14.JPG", "C:\\R\\DSC1.jpg",
                      "C:\\R\\DSC2.jpg"}},
        CasExclusion{"serie renversee vide, chemin avant le premier ignore",
                     {"+*C:\\R", "P9.jpg...P5.jpg", "sous\\P1.jpg...P2.jpg", "-"},
                     {},
                     {"C:\\R\\P1.jpg", "C:\\R\\P2.jpg"}},
        CasExclusion{"dans un bloc toute ligne est un fichier; apres le tiret, ligne ordinaire",
                     {"+*C:\\R", "'a", "**b", "", "-", "**C:\\Z", "+*C:\\S", "-"},
                     {"C:\\Z"},
                     {"C:\\R\\'a", "C:\\R\\**b", "C:\\R\\"}},
        CasExclusion{"bloc non ferme: la derniere ligne du fichier est perdue",
                     {"**C:\\A", "+*C:\\R", "a.jpg", "b.jpg"},
                     {"C:\\A"},
                     {"C:\\R\\a.jpg"}},
        CasExclusion{"bloc ouvert sur la derniere ligne", {"+*C:\\R"}, {}, {}},
        CasExclusion{"lignes UTF-8 reparees", {"**C:\\Ã©tÃ©", "+*C:\\Ã©tÃ©", "Ã©.jpg", "-"},
                     {"C:\\été"},
                     {"C:\\été\\é.jpg"}}));

TEST(SerieExclusions, UneSerieDemesureeEstCoupee) {
    PlateformeSimulee machine;
    const MotifsExclusion m = lire_motifs_exclusion({"+*C:\\R", "P1.jpg...P2000000000.jpg", "-"}, machine);
    ASSERT_EQ(m.fichiers.size(), static_cast<size_t>(LONGUEUR_SERIE_MAX));
    EXPECT_EQ(m.fichiers.back(), "C:\\R\\P100000.jpg");
}

}  // namespace
}  // namespace nocturo::test
