// Text files and the safe writer.
#include <gtest/gtest.h>

#include "sim/plateforme_simulee.h"
#include "util/erreurs.h"
#include "util/fichiers.h"

namespace nocturo::test {
namespace {

TEST(EcritureSure, LeNouveauContenuEstSurLeDisqueAvantDeRemplacerLAncien) {
    PlateformeSimulee m;
    m.creer_fichier("C:\\Nocturo\\a.txt", "ancien");
    ecrire_lignes(m, "C:\\Nocturo\\a.txt", {"un", "deux"});
    EXPECT_EQ(m.contenu("C:\\Nocturo\\a.txt"), "un\r\ndeux\r\n");
    EXPECT_EQ(m.journal, (std::vector<std::string>{"durable|C:\\Nocturo\\a.txt.nouveau",
                                                   "remplacer|C:\\Nocturo\\a.txt.nouveau|C:\\Nocturo\\a.txt"}));
    EXPECT_FALSE(m.fichier_existe("C:\\Nocturo\\a.txt.nouveau"));
}

TEST(EcritureSure, UnTemporaireOublieSEfface) {
    PlateformeSimulee m;
    m.creer_fichier("C:\\Nocturo\\a.txt.nouveau", "moitié");
    supprimer_temporaire(m, "C:\\Nocturo\\a.txt");
    EXPECT_FALSE(m.fichier_existe("C:\\Nocturo\\a.txt.nouveau"));
}

TEST(Lignes, FinsDeLigneMelangees) {
    EXPECT_EQ(decouper_lignes("a\r\nb\rc\n\nd"), (std::vector<std::string>{"a", "b", "c", "", "d"}));
    EXPECT_EQ(decouper_lignes(""), std::vector<std::string>{});
    EXPECT_EQ(joindre_lignes({"a", ""}), "a\r\n\r\n");
}

}  // namespace
}  // namespace nocturo::test
