// The command line: which window opens, with or without the title, and the preview window.
#include <gtest/gtest.h>

#include "app/entree.h"

namespace nocturo {
namespace {

struct CasMode {
    const char* nom;
    std::vector<std::string> arguments;
    std::string lettre;
    Mode mode;
    bool titre;
    uint64_t fenetre;
};

void PrintTo(const CasMode& c, std::ostream* os) { *os << c.nom; }

class LigneCommande : public testing::TestWithParam<CasMode> {};

TEST_P(LigneCommande, ChoisitLaFenetre) {
    const CasMode& c = GetParam();
    const Lancement l = analyser_ligne_commande(c.arguments);
    EXPECT_EQ(l.lettre, c.lettre);
    EXPECT_EQ(l.mode, c.mode);
    EXPECT_EQ(l.titre, c.titre);
    EXPECT_EQ(l.fenetre_apercu, c.fenetre);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, LigneCommande,
    testing::Values(
        CasMode{"sans_argument", {}, "", Mode::diaporama, false, 0},
        CasMode{"s", {"/s"}, "s", Mode::diaporama, true, 0},
        CasMode{"S_majuscule", {"/S"}, "S", Mode::diaporama, false, 0},
        CasMode{"tiret_s", {"-s"}, "s", Mode::diaporama, true, 0},
        CasMode{"xs", {"xs"}, "s", Mode::diaporama, true, 0},
        CasMode{"s_seul", {"s"}, "", Mode::diaporama, false, 0},
        CasMode{"c", {"/c"}, "c", Mode::parametres, false, 0},
        CasMode{"c_deux_points", {"/c:1234"}, "c", Mode::parametres, false, 0},
        CasMode{"c_puis_nombre", {"/c", "1234"}, "c", Mode::parametres, false, 0},
        CasMode{"C_majuscule", {"/C"}, "C", Mode::diaporama, false, 0},
        CasMode{"P_majuscule", {"/P", "1234"}, "P", Mode::diaporama, false, 0},
        CasMode{"p_sans_fenetre", {"/p"}, "p", Mode::apercu, true, 0},
        CasMode{"p_fenetre_suivante", {"/p", "1234"}, "p", Mode::apercu, true, 1234},
        CasMode{"p_deux_points", {"/p:5678"}, "p", Mode::apercu, true, 5678},
        CasMode{"p_fenetre_invalide", {"/p", "12ab"}, "p", Mode::apercu, true, 0},
        CasMode{"p_negatif", {"/p", "-5"}, "p", Mode::apercu, true, 0},
        CasMode{"p_trop_grand", {"/p", "123456789012345678901234"}, "p", Mode::apercu, true, 0},
        CasMode{"autre_lettre", {"/x"}, "x", Mode::diaporama, false, 0}),
    [](const testing::TestParamInfo<CasMode>& i) { return std::string(i.param.nom); });

}  // namespace
}  // namespace nocturo
