// From the command line to the windows: the mode's window and its title, the keys that reach
// the show, the black over the other monitors, the preview.
#include <gtest/gtest.h>

#include <optional>

#include "app/diaporama.h"
#include "forme/controles.h"
#include "plateforme/programme.h"
#include "sim/fenetres_simulees.h"

namespace nocturo::test {
namespace {

// The program to its end: the code its quit path gave, or the one it returned.
int executer(const std::vector<std::string>& arguments, PlateformeSimulee& m, FenetresSimulees& f) {
    try {
        return programme(arguments, m, f);
    } catch (const FinProcessus& fin) {
        return fin.code;
    } catch (const ScenarioBloque&) {
        ADD_FAILURE() << "le programme ne finit pas";
        return -1;
    }
}

struct CasLancement {
    const char* nom;
    std::vector<std::string> arguments;
    std::optional<GenreFenetre> genre;  // none: no window of the program's own
    std::string titre;
    std::optional<uint64_t> apercu;
    int code;
};

void PrintTo(const CasLancement& c, std::ostream* os) { *os << c.nom; }

class Programme : public testing::Test {
protected:
    Programme() {
        m.creer_repertoire_complet("C:\\Nocturo");
        m.limite_ms = 60e3;
    }
    PlateformeSimulee m;
    FenetresSimulees f{m};
};

class ProgrammeMode : public Programme, public testing::WithParamInterface<CasLancement> {};

TEST_P(ProgrammeMode, OuvreLaFenetreDuModeQuiVaJusquALaFin) {
    const CasLancement& c = GetParam();
    // The user's way out of each window: Esc on the show, "Annuler" in the dialog.
    m.touche_a(0, VK_ECHAP);
    if (c.genre == GenreFenetre::dialogue)
        m.action_a(0, [this] {
            const auto& o = f.ouvertes.at(0);
            o.rappels.executer([&o] { o.forme->trouver("Button2")->cliquer(); });
        });
    EXPECT_EQ(executer(c.arguments, m, f), c.code);
    if (c.genre) {
        ASSERT_EQ(f.ouvertes.size(), 1u);
        EXPECT_EQ(f.ouvertes[0].genre, *c.genre);
        EXPECT_EQ(f.ouvertes[0].titre, c.titre);
    } else {
        EXPECT_TRUE(f.ouvertes.empty());
    }
    EXPECT_EQ(f.apercu_dans, c.apercu);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, ProgrammeMode,
    testing::Values(CasLancement{"sans_argument", {}, GenreFenetre::plein_ecran, "", std::nullopt, 1},
                    CasLancement{"s_avec_titre", {"/s"}, GenreFenetre::plein_ecran, "Nocturo", std::nullopt, 1},
                    CasLancement{"c_dialogue", {"/c"}, GenreFenetre::dialogue, "", std::nullopt, 0},
                    CasLancement{"p_dans_sa_fenetre", {"/p", "1234"}, std::nullopt, "", 1234, 0}),
    [](const testing::TestParamInfo<CasLancement>& i) { return std::string(i.param.nom); });

TEST_F(Programme, UneToucheRelacheeSurUnEcranNoirVaAuDiaporama) {
    m.autres_moniteurs = {{-1280, 0, 1280, 1024, false}};
    m.action_a(0, [this] {
        if (f.touche_couverts) f.touche_couverts(VK_ECHAP);
    });
    EXPECT_EQ(executer({"/s"}, m, f), 1);
    EXPECT_EQ(f.couverts, m.autres_moniteurs);
}

}  // namespace
}  // namespace nocturo::test
