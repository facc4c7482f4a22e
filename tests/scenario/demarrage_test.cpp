// Start-up decisions, the quit path and its flags, on the simulated machine.
#include <gtest/gtest.h>

#include "sim/scenario.h"

namespace nocturo::test {
namespace {

const std::string HISTORIQUE = "C:\\Photos\\a.jpg\r\n";
const int TOUCHE_A = 65;

// A library of two pictures listed in the directory file, with a saved history.
void bibliotheque(PlateformeSimulee& m) {
    m.creer_fichier("C:\\Photos\\a.jpg", "aaaa");
    m.creer_fichier("C:\\Photos\\b.jpg", "bbbb");
    m.creer_fichier("C:\\nocturo\\nocturo.rep", "C:\\Photos\r\n");
    m.creer_fichier("C:\\nocturo\\img_affichees.lst", HISTORIQUE);
}

TEST(Demarrage, LaFenetreSePrepareAvantLaSequence) {
    Scenario s("s");
    // A saved history: not a first start, so Label6 keeps the waiting text.
    s.machine.creer_fichier("C:\\nocturo\\img_affichees.lst", HISTORIQUE);
    s.machine.veille_active = false;
    s.machine.delai_veille = 420;
    ASSERT_EQ(s.demarrer(), std::nullopt);
    Tdiapo& d = *s.diapo;
    EXPECT_EQ(d.Label3.legende(), "paramètre ligne de commande = <s>");
    EXPECT_EQ(d.Label_etat.legende(), "inactif");
    EXPECT_EQ(d.Label_delai.legende(), "420 s");
    EXPECT_EQ(d.Edit1.texte(), "420");
    EXPECT_EQ(d.Label6.legende(), "patientez ...   ou   Esc");
    EXPECT_EQ(d.forme.couleur, GRIS);
    EXPECT_EQ(d.forme.bornes.largeur, 1920);
    EXPECT_EQ(d.forme.bornes.hauteur, 1080);
    EXPECT_EQ(d.Bevel1.bornes().gauche, 7);
    EXPECT_EQ(d.Bevel1.bornes().largeur, 643);
    EXPECT_EQ(d.SpeedButton_valider_filtre.legende(), "Valider les\nfiltres");
    EXPECT_EQ(d.Edit_vmax.indice(), d.Label10.indice());
    EXPECT_EQ(d.Label_an.gauche(), 1920 - 185);
    EXPECT_EQ(d.Label_options.haut(), 30);
    // An empty catalogue: the loop shows the panel and gives the cursor back.
    EXPECT_TRUE(d.Panel1.visible());
    EXPECT_EQ(s.machine.curseur, CURSEUR_DEFAUT);
}

TEST(Demarrage, EchapPendantLeDemarrageTermineAvecLeCode1SansMarqueur) {
    Scenario s;
    bibliotheque(s.machine);
    s.machine.touche_a(0, VK_ECHAP);
    EXPECT_EQ(s.demarrer(), 1);
    EXPECT_EQ(s.machine.montrer_curseur_appels, 1);
    EXPECT_FALSE(s.machine.fichier_existe("C:\\Nocturo\\effacez_moi_pour_reinitialiser.___"));
}

struct CasSortie {
    bool reinitialiser;
    bool sauver;
};

void PrintTo(const CasSortie& c, std::ostream* os) {
    *os << "reinitialiser=" << c.reinitialiser << " sauver=" << c.sauver;
}

class CheminDeSortie : public testing::TestWithParam<CasSortie> {};

TEST_P(CheminDeSortie, SupprimeLeMarqueurEtSauveSelonLesDrapeaux) {
    const CasSortie c = GetParam();
    Scenario s;
    ASSERT_EQ(s.demarrer(), std::nullopt);
    s.machine.creer_fichier("C:\\Nocturo\\effacez_moi_pour_reinitialiser.___", "");
    s.machine.creer_fichier("C:\\nocturo\\image_rep_crt.txt", "C:\\x\r\na.jpg\r\n");
    s.diapo->reinitialiser_en_quittant = c.reinitialiser;
    s.diapo->sauver_en_quittant = c.sauver;
    EXPECT_EQ(s.executer([&] { s.diapo->quitter(); }), 1);
    EXPECT_EQ(s.machine.fichier_existe("C:\\Nocturo\\effacez_moi_pour_reinitialiser.___"), !c.reinitialiser);
    EXPECT_EQ(s.machine.fichier_existe("C:\\nocturo\\image_rep_crt.txt"), !c.reinitialiser);
    EXPECT_EQ(s.machine.fichier_existe("C:\\nocturo\\nocturo_var.prm"), c.sauver);
    EXPECT_EQ(s.machine.montrer_curseur_appels, 1);
    EXPECT_TRUE(s.diapo->catalogue.vide());
}

INSTANTIATE_TEST_SUITE_P(Drapeaux, CheminDeSortie,
                         testing::Values(CasSortie{false, false}, CasSortie{true, false},
                                         CasSortie{false, true}, CasSortie{true, true}));

TEST(Sortie, QuitterDemandeConfirmationEtNonLaisseLeDiaporama) {
    Scenario s;
    ASSERT_EQ(s.demarrer(), std::nullopt);
    s.machine.reponses_confirmation = {false, true};
    EXPECT_EQ(s.executer([&] { s.diapo->Button_quit.cliquer(); }), std::nullopt);
    EXPECT_EQ(s.machine.confirmations.back(), "\n     Quitter ?");
    EXPECT_EQ(s.machine.pointeur.x, 960);
    EXPECT_EQ(s.machine.pointeur.y, 540);
    EXPECT_EQ(s.executer([&] { s.diapo->Button_quit.cliquer(); }), 1);
}

TEST(Sortie, ReinitialiserSauveEffaceLeMarqueurEtGardeLHistorique) {
    Scenario s;
    ASSERT_EQ(s.demarrer(), std::nullopt);
    s.machine.creer_fichier("C:\\Nocturo\\effacez_moi_pour_reinitialiser.___", "");
    s.machine.creer_fichier("C:\\nocturo\\img_affichees.lst", HISTORIQUE);
    s.machine.creer_fichier("C:\\nocturo\\image_rep_crt.txt", "C:\\x\r\n");
    EXPECT_EQ(s.executer([&] { s.diapo->aPanel_sauve_param_et_BD0_et_quitter.cliquer(); }), 1);
    EXPECT_TRUE(s.machine.fichier_existe("C:\\nocturo\\nocturo_var.prm"));
    EXPECT_FALSE(s.machine.fichier_existe("C:\\Nocturo\\effacez_moi_pour_reinitialiser.___"));
    EXPECT_FALSE(s.machine.fichier_existe("C:\\nocturo\\image_rep_crt.txt"));
    EXPECT_EQ(s.machine.contenu("C:\\nocturo\\img_affichees.lst"), HISTORIQUE);
}

TEST(Activation, LaVersionNeSAjouteQuUneFois) {
    Scenario s;
    ASSERT_EQ(s.demarrer(), std::nullopt);
    s.diapo->FormActivate();
    s.diapo->FormActivate();
    EXPECT_EQ(s.diapo->Label11.legende(), "Nocturo 3.4");
}

}  // namespace
}  // namespace nocturo::test
