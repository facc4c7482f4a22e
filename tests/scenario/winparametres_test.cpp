// The "/c" dialog keeps its two values in Noc_turo.ini.
#include <gtest/gtest.h>

#include "app/winparametres.h"
#include "sim/plateforme_simulee.h"

namespace nocturo::test {
namespace {

class DialogueParametres : public testing::Test {
protected:
    PlateformeSimulee machine;
};

TEST_F(DialogueParametres, SansFichierMontreLesValeursParDefautEtOkLesEcrit) {
    Twinparam w(machine);
    w.FormCreate();
    EXPECT_EQ(w.Edit1.texte(), "Tobrel je vais t'hypnotiser !");
    EXPECT_EQ(w.ComboBox1.texte(), "Rouge");
    EXPECT_TRUE(machine.profils.empty());
    w.Edit1.definir_texte("Bonjour");
    w.ComboBox1.definir_texte("Vert");
    w.Button1.cliquer();
    EXPECT_TRUE(w.fermee);
    EXPECT_EQ(machine.profil_lire("Noc_turo.ini", "Parametres", "Texte", "?"), "Bonjour");
    EXPECT_EQ(machine.profil_lire("Noc_turo.ini", "Parametres", "Couleur", "?"), "Vert");
}

TEST_F(DialogueParametres, AnnulerNEcritRienEtLaReouvertureMontreLesValeursGardees) {
    machine.profil_ecrire("Noc_turo.ini", "Parametres", "Texte", "gardé");
    Twinparam w(machine);
    w.FormCreate();
    EXPECT_EQ(w.Edit1.texte(), "gardé");
    EXPECT_EQ(w.ComboBox1.texte(), "Rouge");
    w.Edit1.definir_texte("changé");
    w.Button2.cliquer();
    EXPECT_TRUE(w.fermee);
    Twinparam encore(machine);
    encore.FormCreate();
    EXPECT_EQ(encore.Edit1.texte(), "gardé");
    EXPECT_EQ(machine.profil_lire("Noc_turo.ini", "Parametres", "Couleur", "absent"), "absent");
}

}  // namespace
}  // namespace nocturo::test
