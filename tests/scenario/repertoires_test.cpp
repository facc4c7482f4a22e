// Adding, removing and clicking root directories on the control panel.
#include <gtest/gtest.h>

#include "sim/scenario.h"

namespace nocturo::test {
namespace {

const std::string A = "C:\\Photos\\A";
const std::string B = "C:\\Photos\\B";

std::string texte_ajout(const std::string& chemin) {
    return "Rajouter le répertoire suivant à la liste ?\n\n" + chemin +
           "\n\n(attention, dans la fenêtre précedente, il fallait double-cliquer pour valider le choix "
           "d'un nouveau répertoire) \n\n";
}

// A window started with root A (checked) and a history, so the indicator is off.
class Repertoires : public ::testing::Test {
protected:
    Repertoires() {
        s.machine.creer_repertoire_complet(A);
        s.machine.creer_repertoire_complet(B);
        s.machine.creer_fichier(FICHIER_MARQUEUR);
        s.machine.creer_fichier(FICHIER_REPERTOIRES, A + "\r\n");
        s.machine.creer_fichier(FICHIER_HISTORIQUE, A + "\\x.jpg\r\n");
        EXPECT_EQ(s.demarrer(), std::nullopt);
        EXPECT_FALSE(rouge());
        EXPECT_FALSE(s.diapo->reinitialiser_en_quittant);
    }
    bool rouge() const { return s.diapo->aPanel_sauve_param_et_BD0_et_quitter.couleur() == ROUGE; }
    CheckListBox& liste() { return s.diapo->CheckListBox_rep; }

    Scenario s;
};

struct CasAjout {
    const char* nom;
    std::optional<std::string> choix;  // nothing: the chooser is cancelled
    bool oui;
    std::vector<std::string> attendu;
    int confirmations;
    int bips;
};

// Names the case in the test list instead of dumping its bytes.
void PrintTo(const CasAjout& c, std::ostream* os) { *os << c.nom; }

class Ajout : public Repertoires, public ::testing::WithParamInterface<CasAjout> {};

TEST_P(Ajout, MarqueToujoursUneReinitialisation) {
    const CasAjout& c = GetParam();
    s.machine.reponses_repertoire.push_back(c.choix);
    s.machine.reponses_confirmation.push_back(c.oui);
    s.diapo->Panel_ajout_rep.cliquer();

    EXPECT_EQ(liste().elements(), c.attendu);
    ASSERT_EQ(static_cast<int>(s.machine.confirmations.size()), c.confirmations);
    if (c.confirmations) {
        EXPECT_EQ(s.machine.confirmations[0], texte_ajout(*c.choix));
    }
    EXPECT_EQ(s.machine.bips, c.bips);
    for (int i = 0; i < liste().nombre(); ++i) EXPECT_TRUE(liste().coche(i)) << i;
    EXPECT_TRUE(s.diapo->reinitialiser_en_quittant);
    EXPECT_TRUE(rouge());
}

INSTANTIATE_TEST_SUITE_P(
    Repertoires, Ajout,
    ::testing::Values(CasAjout{"annule", std::nullopt, true, {A}, 0, 0},
                      CasAjout{"refuse", B, false, {A}, 1, 0},
                      CasAjout{"accepte", B, true, {A, B}, 1, 0},
                      CasAjout{"deja_la_autre_casse", "c:\\PHOTOS\\a", true, {A}, 1, 1}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST_F(Repertoires, AjoutCocheEnDernier) {
    liste().definir_coche(0, false);
    s.machine.reponses_repertoire.push_back(B);
    s.machine.reponses_confirmation.push_back(true);
    s.diapo->Panel_ajout_rep.cliquer();
    ASSERT_EQ(liste().nombre(), 2);
    EXPECT_FALSE(liste().coche(0));
    EXPECT_TRUE(liste().coche(1));
}

TEST_F(Repertoires, SuppressionSansSelectionNeFaitRien) {
    s.diapo->Panel_sup_rep.cliquer();
    EXPECT_TRUE(s.machine.confirmations.empty());
    EXPECT_FALSE(rouge());
    EXPECT_FALSE(s.diapo->reinitialiser_en_quittant);
    EXPECT_EQ(liste().nombre(), 1);
}

TEST_F(Repertoires, SuppressionRefuseeGardeLEntreeMaisAllumeLIndicateur) {
    liste().definir_indice_element(0);
    s.machine.reponses_confirmation.push_back(false);
    s.diapo->Panel_sup_rep.cliquer();
    EXPECT_EQ(s.machine.confirmations, std::vector<std::string>{"Effacer de la liste le répertoire : " + A});
    EXPECT_EQ(liste().elements(), std::vector<std::string>{A});
    EXPECT_TRUE(rouge());
    EXPECT_FALSE(s.diapo->reinitialiser_en_quittant);
}

TEST_F(Repertoires, SuppressionAccepteeEmporteLaCoche) {
    liste().ajouter(B);
    liste().definir_coche(0, false);
    liste().definir_coche(1, true);
    liste().definir_indice_element(0);
    s.machine.reponses_confirmation.push_back(true);
    s.diapo->Panel_sup_rep.cliquer();
    ASSERT_EQ(liste().elements(), std::vector<std::string>{B});
    EXPECT_TRUE(liste().coche(0));
    EXPECT_TRUE(rouge());
    EXPECT_TRUE(s.diapo->reinitialiser_en_quittant);

    // The next save writes the list and its marks.
    s.diapo->Button2.cliquer();
    EXPECT_EQ(s.machine.contenu(FICHIER_REPERTOIRES), B + "\r\n");
    EXPECT_EQ(s.machine.contenu(FICHIER_COCHES), "true\r\n");
}

TEST_F(Repertoires, ClicSurUneEntreeMontreSonChemin) {
    s.diapo->CheckListBox_rep.cliquer();
    EXPECT_EQ(s.diapo->Label20.legende(), "ligne");
    liste().ajouter(B);
    liste().definir_indice_element(1);
    s.diapo->CheckListBox_rep.cliquer();
    EXPECT_EQ(s.diapo->Label20.legende(), B);
    EXPECT_FALSE(rouge());
}

}  // namespace
}  // namespace nocturo::test
