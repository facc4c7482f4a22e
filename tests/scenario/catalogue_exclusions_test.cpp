// The exclusion file read by the window, and its editing in Notepad.
#include "scenario/catalogue_outils.h"

namespace nocturo::test {
namespace {

const std::string FICHIER = "C:\\Nocturo\\Nocturo_exclusion.txt";
using Lignes = std::vector<std::string>;

class Exclusions : public FenetreCatalogue {
protected:
    Exclusions() {
        m.creer_fichier(FICHIER, "' mes exclusions\r\n**C:\\Photos\\Divers\r\n+*C:\\Photos\\2005\r\nP1.jpg...P2.jpg\r\n-\r\n");
    }
};

TEST_F(Exclusions, LaCaseDecideDeLaLecture) {
    d.exclusions = {{"ancien"}, {"ancien"}};
    d.lire_fichier_exclusions();
    EXPECT_EQ(d.exclusions, MotifsExclusion{});

    d.CheckBox_fic_exclusion.definir_coche(true);
    d.lire_fichier_exclusions();
    EXPECT_EQ(d.exclusions.repertoires, Lignes{"C:\\Photos\\Divers"});
    EXPECT_EQ(d.exclusions.fichiers, (Lignes{"C:\\Photos\\2005\\P1.jpg", "C:\\Photos\\2005\\P2.jpg"}));

    m.supprimer_fichier(FICHIER);
    d.lire_fichier_exclusions();
    EXPECT_EQ(d.exclusions, MotifsExclusion{});
}

TEST_F(Exclusions, LeFichierLuExclutAuParcours) {
    m.creer_fichier("C:\\Photos\\Divers 2006\\a.jpg");
    m.creer_fichier("C:\\Photos\\2005\\P1.jpg");
    m.creer_fichier("C:\\Photos\\2005\\P3.jpg");
    racine("C:\\Photos");
    d.CheckBox_fic_exclusion.definir_coche(true);
    d.lire_fichier_exclusions();
    ASSERT_EQ(scanner(), std::nullopt);
    EXPECT_EQ(images(), Lignes{"C:\\Photos\\2005\\P3.jpg"});
}

TEST_F(Exclusions, LActivationVideLesListes) {
    d.CheckBox_fic_exclusion.definir_coche(true);
    d.lire_fichier_exclusions();
    d.FormActivate();
    EXPECT_EQ(d.exclusions, MotifsExclusion{});
}

TEST_F(Exclusions, LuUneFoisParDemarrageEtEchapEntenduPendantLaLecture) {
    m.creer_fichier("C:\\nocturo\\nocturo_var.prm", "CheckBox_fic_exclusion.Checked = true\r\n");
    m.creer_fichier("C:\\Photos\\a.jpg");
    m.creer_fichier("C:\\nocturo\\nocturo.rep", "C:\\Photos\r\n");
    m.touche_a(1, 65);  // ends the show: only the start-up is looked at
    ASSERT_EQ(s.demarrer(), std::nullopt);
    EXPECT_EQ(m.lectures(FICHIER), 1);

    // A file of a hundred thousand lines: Esc ends the program while it is read.
    Scenario autre;
    std::string gros;
    for (int i = 0; i < 100000; ++i) gros += "**C:\\Ailleurs\\" + std::to_string(i) + "\r\n";
    autre.machine.creer_fichier(FICHIER, gros);
    autre.machine.creer_fichier("C:\\nocturo\\nocturo_var.prm", "CheckBox_fic_exclusion.Checked = true\r\n");
    autre.machine.touche_a(3, VK_ECHAP);
    EXPECT_EQ(autre.demarrer(), 1);
    EXPECT_LT(autre.diapo->exclusions.repertoires.size(), 1u);  // the reading never finished
}

TEST_F(Exclusions, LeBoutonOuvreLeFichierDansLeBlocNotes) {
    d.SpeedButton1.cliquer();
    EXPECT_EQ(m.lancements, Lignes{"open|notepad.exe|Nocturo_exclusion.txt|C:\\Nocturo"});
}

}  // namespace
}  // namespace nocturo::test
