// Keys, the mouse watch and the control panel's forms.
#include <gtest/gtest.h>

#include "sim/images_simulees.h"
#include "sim/scenario.h"

namespace nocturo::test {
namespace {

class Commandes : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(s.demarrer(), std::nullopt); }
    Tdiapo& d() { return *s.diapo; }
    Scenario s;
};

TEST_F(Commandes, LaTouche_Q_QuitteCommeEchap) {
    EXPECT_EQ(s.executer([&] { d().touche_relachee(VK_Q); }), 1);
}

TEST_F(Commandes, EspaceMontreEtCacheLePanneauAvecLeCurseur) {
    // The empty catalogue left the panel open; with pictures, Space hides it and the show
    // runs until the next key.
    s.machine.creer_fichier("C:\\Photos\\a.jpg", jpeg_simule(40, 30));
    d().catalogue.ajouter("C:\\Photos", "a.jpg");
    s.machine.touche_a(s.machine.ms + 100, 65);
    s.machine.touche_a(s.machine.ms + 1500, 65);  // ends the browsing after the second Space
    d().Panel3.definir_visible(true);
    d().Panel2.definir_visible(true);
    d().touche_relachee(VK_ESPACE);
    EXPECT_FALSE(d().Panel1.visible());
    EXPECT_FALSE(d().Panel3.visible());
    EXPECT_FALSE(d().Panel2.visible());
    EXPECT_FALSE(d().automate().panneau);
    EXPECT_EQ(d().Button_avec_sans_option.legende(), "plus d'options");
    d().touche_relachee(VK_ESPACE);
    EXPECT_TRUE(d().Panel1.visible());
    EXPECT_TRUE(d().automate().panneau);
    EXPECT_EQ(d().Panel1.haut(), 1080 - 39 - 12);
    EXPECT_EQ(s.machine.curseur, d().curseur_normal);
}

TEST_F(Commandes, FormeCourteEtLongueDuPanneau) {
    d().forme_courte();
    EXPECT_EQ(d().Panel1.bornes().largeur, 1001);
    EXPECT_EQ(d().Panel1.bornes().hauteur, 39);
    EXPECT_EQ(d().Panel1.gauche(), (1920 - 1001) / 2);
    EXPECT_EQ(d().Button_quit.gauche(), 744);
    d().Button_avec_sans_option.cliquer();
    EXPECT_EQ(d().Button_avec_sans_option.legende(), "moins d'options");
    EXPECT_EQ(d().Panel1.bornes().largeur, 1545);
    EXPECT_EQ(d().Panel1.bornes().hauteur, 214);
    EXPECT_EQ(d().Panel1.haut(), 1080 - 214 - 12);
    EXPECT_EQ(d().Button_quit.gauche(), 123);
    EXPECT_EQ(d().Button_close_param.gauche(), 1517);
    EXPECT_EQ(d().Panel3.haut(), d().Panel1.haut() - 545 - 2);
    EXPECT_EQ(d().Panel3.gauche() + 537, d().Panel1.gauche() + 1545);
    EXPECT_EQ(d().Panel2.gauche(), d().Panel3.gauche() - 252 - 2);
    d().Button_avec_sans_option.cliquer();
    EXPECT_EQ(d().Panel1.bornes().largeur, 1001);
}

TEST_F(Commandes, GrandMenuConstantGardeLaFormeLongue) {
    d().CheckBox_grand_menu.definir_coche(true);
    d().Button_avec_sans_option.cliquer();
    d().Button_avec_sans_option.cliquer();
    EXPECT_EQ(d().Button_avec_sans_option.legende(), "moins d'options");
    EXPECT_EQ(d().Panel1.bornes().largeur, 1545);
}

TEST_F(Commandes, PanneauxLaterauxEtListeDes300) {
    d().CheckBox_voir_liste_300.definir_coche(true);
    d().Button_param_avancer.cliquer();
    EXPECT_TRUE(d().Panel3.visible());
    EXPECT_TRUE(d().Panel2.visible());
    EXPECT_TRUE(d().ListBox_passee.visible());
    d().Button_param_avancer.cliquer();
    EXPECT_FALSE(d().Panel3.visible());
    EXPECT_FALSE(d().ListBox_passee.visible());
    d().CheckBox_voir_liste_300.definir_coche(false);
    d().Button_param_avancer.cliquer();
    EXPECT_FALSE(d().ListBox_passee.visible());
    d().Button4.cliquer();
    EXPECT_FALSE(d().Panel3.visible());
    EXPECT_FALSE(d().Panel2.visible());
}

TEST_F(Commandes, LesReglagesMarquentLaSauvegardeOuLIndicateur) {
    struct Cas {
        const char* nom;
        std::function<void()> changer;
        bool sauver;
        bool indicateur;
    };
    const Cas cas[] = {
        {"date_de", [&] { d().CheckBox_date_de.cliquer(); }, true, true},
        {"date_a", [&] { d().CheckBox_date_a.cliquer(); }, true, true},
        {"contient_texte", [&] { d().Edit_contient.definir_texte("noel"); }, true, true},
        {"contient_focus", [&] { d().Edit_contient.donner_focus(); }, false, true},
        {"fic_exclusion", [&] { d().CheckBox_fic_exclusion.cliquer(); }, false, true},
        {"exclusion", [&] { d().RadioGroup_exclusion.definir_indice_element(2); }, false, true},
        {"titre", [&] { d().RadioGroup_titre_ecran.definir_indice_element(2); }, true, false},
        {"rnd", [&] { d().CheckBox_rnd.cliquer(); }, true, false},
        {"vmax", [&] { d().Edit_vmax.definir_texte("321"); }, true, false},
        {"mois_a", [&] { d().Edit_mois_a.definir_texte("11"); }, true, false},
        {"meme_valeur", [&] { d().Edit_vmax.definir_texte(d().Edit_vmax.texte()); }, false, false},
    };
    for (const Cas& c : cas) {
        d().sauver_en_quittant = false;
        d().indicateur(false);
        c.changer();
        EXPECT_EQ(d().sauver_en_quittant, c.sauver) << c.nom;
        EXPECT_EQ(d().aPanel_sauve_param_et_BD0_et_quitter.couleur() == ROUGE, c.indicateur) << c.nom;
    }
}

TEST_F(Commandes, DelaiDeLEcranDeVeille) {
    d().Edit1.definir_texte("abc");
    EXPECT_EQ(s.executer([&] { d().executer([&] { d().ButtonValidationDelai.cliquer(); }); }), std::nullopt);
    EXPECT_EQ(s.machine.messages.back(), "'abc' n'est pas une valeur entière correcte");
    d().Edit1.definir_texte("120");
    EXPECT_EQ(s.executer([&] { d().ButtonValidationDelai.cliquer(); }), 1);
    EXPECT_EQ(s.machine.delai_veille, 120);
    EXPECT_EQ(s.machine.montrer_curseur_appels, 0);
    EXPECT_FALSE(s.machine.fichier_existe("C:\\nocturo\\nocturo_var.prm"));
}

TEST_F(Commandes, DecocherAfficheAnneeVideLAnnee) {
    d().CheckBox_af_an.definir_coche(true);
    d().CheckBox_af_an.definir_coche(false);
    EXPECT_EQ(d().Label_an.legende(), "    ");
}

// The mouse watch: ticks every 200 ms; a fast sideways move quits only with the panel hidden.
TEST_F(Commandes, MouvementRapideLateralQuitteSeulementPanneauCache) {
    const double t = s.machine.ms;
    s.machine.souris_a(t + 300, 300, 0);
    EXPECT_EQ(s.attendre_jusqu_a(t + 1000), std::nullopt);  // panel shown: nothing
    d().Panel1.definir_visible(false);
    s.machine.souris_a(t + 1500, 300, 900);  // vertical only
    EXPECT_EQ(s.attendre_jusqu_a(t + 2000), std::nullopt);
    s.machine.souris_a(t + 2500, 0, 900);  // 300 pixels sideways within a tick
    EXPECT_EQ(s.attendre_jusqu_a(t + 3000), 1);
}

TEST_F(Commandes, LentMouvementLateralNeQuittePas) {
    d().Panel1.definir_visible(false);
    const double t = s.machine.ms;
    for (int i = 1; i <= 10; ++i) s.machine.souris_a(t + 200 * i, 200 * i, 0);  // 200 px a tick
    EXPECT_EQ(s.attendre_jusqu_a(t + 2500), std::nullopt);
}

TEST(Minuterie, SesChangementsPreviennentLaVue) {
    // The view sets the system's timer again only when the model says it changed.
    Forme forme;
    Timer t(forme, "Timer");
    int changements = 0;
    forme.sur_modification = [&](Controle* c) { changements += c == &t; };
    t.definir_intervalle(200);
    t.definir_actif(false);
    t.definir_actif(false);  // no change, no notice
    EXPECT_EQ(changements, 2);
    EXPECT_EQ(t.intervalle(), 200);
    EXPECT_FALSE(t.actif());
}

}  // namespace
}  // namespace nocturo::test
