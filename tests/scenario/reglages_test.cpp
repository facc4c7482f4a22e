// Settings load and save on the simulated machine, from the start-up to the quit path.
#include <gtest/gtest.h>

#include "sim/scenario.h"
#include "util/erreurs.h"
#include "util/fichiers.h"
#include "util/texte.h"

namespace nocturo::test {
namespace {

const char* const PREMIER_DEMARRAGE =
    "Il faut choisir un répertoire contenant des images ET quitter l'application pour la relancer"
    "\n\n  en appuyant sur le  bouton ROUGE  [Enregistrer et quitter pour réinitialiser]";

// The parameter file that a save writes when every key has its default.
const char* const FICHIER_PAR_DEFAUT =
    "rep_album_A.Caption = C:\\Nocturo\\A\r\n"
    "rep_album_B.Caption = C:\\Nocturo\\B\r\n"
    "xnview_alternative_Label.Caption = C:\\Program Files (x86)\\XnView\\XnView.exe\r\n"
    "dt0_a = 1000\r\n"
    "dt1_a = 2000\r\n"
    "dt2_a = 4000\r\n"
    "dt2_b = 4000\r\n"
    "dt3_a = 2000\r\n"
    "dt3_b = 2000\r\n"
    "dt4_a = 2000\r\n"
    "dt4_b = 2000\r\n"
    "dt5_a = 2000\r\n"
    "dt5_b = 2000\r\n"
    "_haut = 100\r\n"
    "vmax = 100\r\n"
    "zoom_max10 = 32\r\n"
    "inc_dx = 500\r\n"
    "indice_non_aleatoire = 4\r\n"
    "rayon_rnd = 5\r\n"
    "nb_fouille = 3\r\n"
    "Rdg1.ItemIndex = 0\r\n"
    "RadioGroup_titre_ecran.ItemIndex = 1\r\n"
    "RadioGroup_sous_rep_recursif.ItemIndex = 1\r\n"
    "RadioGroup_exclusion.ItemIndex = 0\r\n"
    "CheckBox_rnd.Checked = true\r\n"
    "CheckBox_date_de.Checked = false\r\n"
    "CheckBox_date_a.Checked = false\r\n"
    "annee_de = \r\n"
    "annee_a = \r\n"
    "mois_de = \r\n"
    "mois_a = \r\n"
    "CheckBox_contient.Checked = false\r\n"
    "filtre_contient = \r\n"
    "CheckBox_xnview_rep_et_nom.Checked = false\r\n"
    "CheckBox_af_an.Checked = false\r\n"
    "CheckBox_fic_exclusion.Checked = false\r\n"
    "CheckBox_grand_menu.Checked = false\r\n";

// Every key away from its default, in a file whose lines a save writes back unchanged.
const char* const FICHIER_PERSONNEL =
    "rep_album_A.Caption = D:\\Albums\\Un\r\n"
    "rep_album_B.Caption = D:\\Albums\\Deux\r\n"
    "xnview_alternative_Label.Caption = C:\\Outils\\visionneuse.exe\r\n"
    "dt0_a = 1001\r\n"
    "dt1_a = 1002\r\n"
    "dt2_a = 1003\r\n"
    "dt2_b = 1004\r\n"
    "dt3_a = 1005\r\n"
    "dt3_b = 1006\r\n"
    "dt4_a = 1007\r\n"
    "dt4_b = 1008\r\n"
    "dt5_a = 1009\r\n"
    "dt5_b = 1010\r\n"
    "_haut = 40\r\n"
    "vmax = 250\r\n"
    "zoom_max10 = 20\r\n"
    "inc_dx = 300\r\n"
    "indice_non_aleatoire = 77\r\n"
    "rayon_rnd = 9\r\n"
    "nb_fouille = 6\r\n"
    "Rdg1.ItemIndex = 5\r\n"
    "RadioGroup_titre_ecran.ItemIndex = 2\r\n"
    "RadioGroup_sous_rep_recursif.ItemIndex = 0\r\n"
    "RadioGroup_exclusion.ItemIndex = 2\r\n"
    "CheckBox_rnd.Checked = false\r\n"
    "CheckBox_date_de.Checked = true\r\n"
    "CheckBox_date_a.Checked = true\r\n"
    "annee_de = 2005\r\n"
    "annee_a = 2010\r\n"
    "mois_de = 07\r\n"
    "mois_a = 8\r\n"
    "CheckBox_contient.Checked = true\r\n"
    "filtre_contient = noël = fête avignon\r\n"
    "CheckBox_xnview_rep_et_nom.Checked = true\r\n"
    "CheckBox_af_an.Checked = true\r\n"
    "CheckBox_fic_exclusion.Checked = true\r\n"
    "CheckBox_grand_menu.Checked = true\r\n";

std::string lignes_numerotees(int debut, int fin) {
    std::string r;
    for (int i = debut; i < fin; ++i) r += "C:\\Photos\\p" + std::to_string(i) + ".jpg\r\n";
    return r;
}

bool indicateur_rouge(const Tdiapo& d) {
    const Panel& p = d.aPanel_sauve_param_et_BD0_et_quitter;
    return p.couleur() == ROUGE && p.police().couleur == BLANC;
}

// The outcome of a handler run as the event dispatcher runs it.
template <class F>
void gerer(Scenario& s, F&& action) {
    s.diapo->executer(std::forward<F>(action));
}

TEST(Reglages, PremierDemarrageDefautsMessageEtBoutonRouge) {
    Scenario s;
    ASSERT_EQ(s.demarrer(), std::nullopt);
    Tdiapo& d = *s.diapo;

    EXPECT_EQ(d.CheckListBox_rep.nombre(), 0);
    // Defaults win over the design texts.
    EXPECT_EQ(d.Edit_dt0_a.texte(), "1000");
    EXPECT_EQ(d.reglages.dt0_a, 1000);
    EXPECT_EQ(d.Edit_zoom_s_dix.texte(), "32");
    EXPECT_EQ(d.reglages.zoom_max10, 32);
    EXPECT_EQ(d.reglages.inc_dx, 500);
    EXPECT_EQ(d.Edit_annee_de.texte(), "");
    EXPECT_EQ(d.Edit_contient.texte(), "");
    EXPECT_EQ(d.rep_album_A.legende(), "C:\\Nocturo\\A");
    EXPECT_EQ(d.RadioGroup_titre_ecran.indice_element(), 1);
    EXPECT_TRUE(d.CheckBox_rnd.coche());
    EXPECT_FALSE(d.Label_an.visible());
    // The load emptied Edit_contient: its handler marked the settings for saving.
    EXPECT_TRUE(d.sauver_en_quittant);
    EXPECT_FALSE(d.reinitialiser_en_quittant);

    EXPECT_EQ(d.Label6.legende(), PREMIER_DEMARRAGE);
    EXPECT_TRUE(d.Label6.visible());
    EXPECT_EQ(d.Label6.gauche(), (1920 - 1545) / 2 + 50);
    EXPECT_EQ(d.Label6.haut(), 1080 - 214 - 12 - 150);
    // The Space command of the load must not put out the red button the message names.
    EXPECT_TRUE(indicateur_rouge(d));
    EXPECT_EQ(d.Button_avec_sans_option.legende(), "moins d'options");
    EXPECT_EQ(d.Panel1.largeur(), 1545);
    EXPECT_TRUE(d.Panel1.visible());

    for (const std::string& f : {FICHIER_REPERTOIRES, FICHIER_COCHES, FICHIER_PARAMETRES, FICHIER_HISTORIQUE})
        EXPECT_FALSE(s.machine.fichier_existe(f)) << f;
}

TEST(Reglages, SauvegardeApresUnPremierDemarrageEcritLes37Cles) {
    Scenario s;
    ASSERT_EQ(s.demarrer(), std::nullopt);
    s.diapo->Button2.cliquer();

    EXPECT_EQ(s.machine.contenu(FICHIER_PARAMETRES), FICHIER_PAR_DEFAUT);
    EXPECT_EQ(decouper_lignes(s.machine.contenu(FICHIER_PARAMETRES)).size(), 37u);
    EXPECT_EQ(s.diapo->Label1.legende(), " Sauvegarde des paramètres");
    EXPECT_TRUE(s.machine.fichier_existe(FICHIER_REPERTOIRES));
    EXPECT_EQ(s.machine.contenu(FICHIER_REPERTOIRES), "");
    EXPECT_TRUE(s.machine.fichier_existe(FICHIER_HISTORIQUE));
}

TEST(Reglages, ChaqueCleRelueEtReecriteAIdentique) {
    Scenario s;
    s.machine.creer_texte(FICHIER_PARAMETRES, FICHIER_PERSONNEL);
    ASSERT_EQ(s.demarrer(), std::nullopt);
    Tdiapo& d = *s.diapo;

    EXPECT_EQ(d.Edit_mois_de.texte(), "07");
    EXPECT_EQ(d.Edit_contient.texte(), "noël = fête avignon");
    EXPECT_EQ(d.Rdg1.indice_element(), 5);
    EXPECT_EQ(d.reglages.vmax, 250);
    EXPECT_EQ(d.reglages.haut, 40);
    EXPECT_EQ(d.reglages.indice_non_aleatoire, 77);
    EXPECT_TRUE(d.Label_an.visible());
    EXPECT_EQ(d.xnview_alternative_Label.legende(), "C:\\Outils\\visionneuse.exe");

    d.Button2.cliquer();
    EXPECT_EQ(s.machine.contenu(FICHIER_PARAMETRES), octets_de_texte(FICHIER_PERSONNEL));
}

TEST(Reglages, LeFonduDansSonPropreFichier) {
    // A data directory of an earlier version has no second file: the defaults, and the
    // 37-line file written back exactly as before.
    {
        Scenario s;
        s.machine.creer_texte(FICHIER_PARAMETRES, FICHIER_PERSONNEL);
        ASSERT_EQ(s.demarrer(), std::nullopt);
        EXPECT_EQ(s.diapo->Edit_fondu.texte(), "600");
        EXPECT_EQ(s.diapo->reglages.fondu_ms, 600);
        s.diapo->Button2.cliquer();
        EXPECT_EQ(s.machine.contenu(FICHIER_PARAMETRES), octets_de_texte(FICHIER_PERSONNEL));
        EXPECT_EQ(s.machine.contenu(FICHIER_PARAMETRES_PLUS), "fondu_enchaine_ms = 600\r\n");
    }
    // Set in the panel, kept by the save, read at the next start; out of range, bounded.
    struct Cas {
        const char* saisi;
        int retenu;
    } cas[] = {{"0", 0}, {"1500", 1500}, {"99999", 10000}};
    for (const Cas& c : cas) {
        Scenario s;
        ASSERT_EQ(s.demarrer(), std::nullopt);
        s.diapo->Edit_fondu.definir_texte(c.saisi);
        EXPECT_TRUE(s.diapo->sauver_en_quittant);
        s.diapo->Button2.cliquer();
        EXPECT_EQ(s.diapo->reglages.fondu_ms, c.retenu) << c.saisi;
        EXPECT_EQ(decouper_lignes(s.machine.contenu(FICHIER_PARAMETRES)).size(), 37u);
        Scenario suivant;
        suivant.machine.creer_texte(FICHIER_PARAMETRES_PLUS, s.machine.contenu(FICHIER_PARAMETRES_PLUS));
        ASSERT_EQ(suivant.demarrer(), std::nullopt);
        EXPECT_EQ(suivant.diapo->reglages.fondu_ms, c.retenu) << c.saisi;
    }
}

TEST(Reglages, IndicesDeGroupeBornes) {
    Scenario s;
    s.machine.creer_fichier(FICHIER_PARAMETRES,
                            "Rdg1.ItemIndex = -5\r\n"
                            "RadioGroup_titre_ecran.ItemIndex = 9\r\n"
                            "RadioGroup_sous_rep_recursif.ItemIndex = -1\r\n"
                            "RadioGroup_exclusion.ItemIndex = $7FFFFFFF\r\n");
    ASSERT_EQ(s.demarrer(), std::nullopt);
    EXPECT_EQ(s.diapo->Rdg1.indice_element(), -1);
    EXPECT_EQ(s.diapo->RadioGroup_titre_ecran.indice_element(), 2);
    EXPECT_EQ(s.diapo->RadioGroup_sous_rep_recursif.indice_element(), -1);
    EXPECT_EQ(s.diapo->RadioGroup_exclusion.indice_element(), 2);
}

struct CasCoches {
    const char* nom;
    std::optional<std::string> fichier_coches;
    std::vector<bool> attendu;
};

// Names the case in the test list instead of dumping its bytes.
void PrintTo(const CasCoches& c, std::ostream* os) { *os << c.nom; }

class Coches : public ::testing::TestWithParam<CasCoches> {};

TEST_P(Coches, TroisRepertoires) {
    Scenario s;
    for (const char* r : {"C:\\Photos\\A", "C:\\Photos\\B", "C:\\Photos\\C"}) s.machine.creer_repertoire_complet(r);
    s.machine.creer_fichier(FICHIER_REPERTOIRES, "C:\\Photos\\A\r\nC:\\Photos\\B\r\nC:\\Photos\\C\r\n");
    if (GetParam().fichier_coches) s.machine.creer_fichier(FICHIER_COCHES, *GetParam().fichier_coches);
    ASSERT_EQ(s.demarrer(), std::nullopt);

    const CheckListBox& liste = s.diapo->CheckListBox_rep;
    ASSERT_EQ(liste.elements(), (std::vector<std::string>{"C:\\Photos\\A", "C:\\Photos\\B", "C:\\Photos\\C"}));
    for (int i = 0; i < 3; ++i) EXPECT_EQ(liste.coche(i), GetParam().attendu[static_cast<size_t>(i)]) << i;
    EXPECT_TRUE(s.machine.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Reglages, Coches,
    ::testing::Values(CasCoches{"sans_fichier", std::nullopt, {true, true, true}},
                      CasCoches{"deux_lignes", "true\r\nfalse\r\n", {true, false, false}},
                      CasCoches{"casse_et_surplus", "false\nTRUE\ntrue\ntrue\n", {false, false, true}},
                      CasCoches{"vide", "", {false, false, false}}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST(Reglages, RepertoiresInaccessiblesGardesAvecUnSeulMessage) {
    Scenario s;
    s.machine.creer_repertoire_complet("C:\\Photos\\B");
    s.machine.creer_fichier(FICHIER_REPERTOIRES,
                            "D:\\Photos\r\n\\\\nas\\photos\r\nC:\\Photos\\B\r\nC:\\Photos\\manque3\r\n");
    s.machine.creer_fichier(FICHIER_COCHES, "true\r\nfalse\r\ntrue\r\ntrue\r\n");
    ASSERT_EQ(s.demarrer(), std::nullopt);

    ASSERT_EQ(s.machine.messages.size(), 1u);
    EXPECT_EQ(s.machine.messages[0].substr(0, s.machine.messages[0].find("\n\n")),
              "0  D:\\Photos  n'existe pas...\n1  \\\\nas\\photos  n'existe pas...\n"
              "3  C:\\Photos\\manque3  n'existe pas...");
    const CheckListBox& liste = s.diapo->CheckListBox_rep;
    ASSERT_EQ(liste.nombre(), 4);
    EXPECT_TRUE(liste.coche(0));
    EXPECT_FALSE(liste.coche(1));
    // The next save keeps them, marks and all.
    s.diapo->sauver_parametres();
    EXPECT_EQ(s.machine.contenu(FICHIER_REPERTOIRES),
              "D:\\Photos\r\n\\\\nas\\photos\r\nC:\\Photos\\B\r\nC:\\Photos\\manque3\r\n");
    EXPECT_EQ(s.machine.contenu(FICHIER_COCHES), "true\r\nfalse\r\ntrue\r\ntrue\r\n");
}

TEST(Reglages, MilleRacinesInaccessiblesUneSeuleBoite) {
    Scenario s;
    std::string rep;
    for (int i = 0; i < 1000; ++i) rep += "E:\\cle" + std::to_string(i) + "\r\n";
    s.machine.creer_fichier(FICHIER_REPERTOIRES, rep);
    ASSERT_EQ(s.demarrer(), std::nullopt);
    EXPECT_EQ(s.machine.messages.size(), 1u);
    EXPECT_EQ(s.diapo->CheckListBox_rep.nombre(), 1000);
}

TEST(Reglages, HistoriqueDe450LignesGardeLes300Dernieres) {
    Scenario s;
    s.machine.creer_fichier(FICHIER_MARQUEUR);
    s.machine.creer_fichier(FICHIER_HISTORIQUE, lignes_numerotees(0, 450));
    ASSERT_EQ(s.demarrer(), std::nullopt);
    Tdiapo& d = *s.diapo;

    ASSERT_EQ(d.ListBox_passee.nombre(), 300);
    EXPECT_EQ(d.ListBox_passee.element(0), "C:\\Photos\\p150.jpg");
    EXPECT_EQ(d.ListBox_passee.element(299), "C:\\Photos\\p449.jpg");
    EXPECT_EQ(d.historique.indice, 299);
    // No first-run guidance, and Space left the indicator off.
    EXPECT_EQ(d.Label6.legende(), TEXTE_PATIENTEZ);
    EXPECT_FALSE(indicateur_rouge(d));

    for (int i = 450; i < 455; ++i) d.historique.ajouter("C:\\Photos\\p" + std::to_string(i) + ".jpg");
    d.Button2.cliquer();
    EXPECT_EQ(s.machine.contenu(FICHIER_HISTORIQUE), lignes_numerotees(155, 455));
}

TEST(Reglages, UneValeurIncorrecteNeCouteQueCetteValeur) {
    Scenario s;
    s.machine.creer_fichier(FICHIER_MARQUEUR);
    s.machine.creer_fichier(FICHIER_HISTORIQUE, lignes_numerotees(0, 3));
    s.machine.creer_fichier(FICHIER_PARAMETRES,
                            "dt0_a = 1500\r\nzoom_max10 = 3x2\r\nnb_fouille = 12x\r\nCheckBox_date_de.Checked = true\r\n"
                            "vmax = 250\r\n");
    ASSERT_EQ(s.demarrer(), std::nullopt);
    Tdiapo& d = *s.diapo;

    // One box for both bad values; each key takes its default, the others their value.
    EXPECT_EQ(s.machine.messages, std::vector<std::string>{"'3x2' n'est pas une valeur entière correcte\n"
                                                           "'12x' n'est pas une valeur entière correcte"});
    EXPECT_EQ(d.Edit_dt0_a.texte(), "1500");
    EXPECT_EQ(d.Edit_zoom_s_dix.texte(), "32");
    EXPECT_EQ(d.reglages.zoom_max10, 32);
    EXPECT_EQ(d.reglages.nb_fouille, 3);
    EXPECT_EQ(d.reglages.vmax, 250);
    EXPECT_TRUE(d.CheckBox_date_de.coche());
    EXPECT_EQ(d.historique.lignes.size(), 3u);

    // Esc saves (the load marked the settings changed): the history is all there.
    s.machine.touche_a(s.machine.ms + 10, VK_ECHAP);
    EXPECT_EQ(s.attendre_jusqu_a(s.machine.ms + 100), 1);
    EXPECT_EQ(s.machine.contenu(FICHIER_HISTORIQUE), lignes_numerotees(0, 3));
    EXPECT_NE(s.machine.contenu(FICHIER_PARAMETRES).find("\r\nnb_fouille = 3\r\n"), std::string::npos);
    EXPECT_NE(s.machine.contenu(FICHIER_PARAMETRES).find("\r\nvmax = 250\r\n"), std::string::npos);
}

TEST(Reglages, ValeursHorsLimitesBorneesEtMontreesBornees) {
    Scenario s;
    s.machine.creer_fichier(FICHIER_HISTORIQUE, lignes_numerotees(0, 1));
    s.machine.creer_fichier(FICHIER_PARAMETRES,
                            "vmax = -1\r\ninc_dx = 0\r\nzoom_max10 = 2000000000\r\nrayon_rnd = 1000\r\n"
                            "nb_fouille = 100000\r\n_haut = -5\r\ndt0_a = -20\r\nindice_non_aleatoire = -3\r\n");
    ASSERT_EQ(s.demarrer(), std::nullopt);
    Tdiapo& d = *s.diapo;
    const struct {
        const Edit& edit;
        int Reglages::*membre;
        int attendu;
    } cas[] = {
        {d.Edit_vmax, &Reglages::vmax, 1},           {d.Edit_inc_pixel, &Reglages::inc_dx, 1},
        {d.Edit_zoom_s_dix, &Reglages::zoom_max10, 100}, {d.Edit_rayon_rnd, &Reglages::rayon_rnd, 60},
        {d.Edit_nb_fouille, &Reglages::nb_fouille, 61}, {d.Edit_haut, &Reglages::haut, 0},
        {d.Edit_dt0_a, &Reglages::dt0_a, 0},          {d.Edit_indice_non_aleatoire, &Reglages::indice_non_aleatoire, 0},
    };
    for (const auto& c : cas) {
        EXPECT_EQ(d.reglages.*c.membre, c.attendu) << c.edit.nom();
        EXPECT_EQ(c.edit.texte(), std::to_string(c.attendu)) << c.edit.nom();
    }
    EXPECT_TRUE(s.machine.messages.empty());
    // Typed out of range, a value is brought into range at the save, and shown so.
    d.Edit_vmax.definir_texte("0");
    d.sauver_parametres();
    EXPECT_EQ(d.Edit_vmax.texte(), "1");
    EXPECT_NE(s.machine.contenu(FICHIER_PARAMETRES).find("\r\nvmax = 1\r\n"), std::string::npos);
}

TEST(Reglages, UneSauvegardeNEcritPasCeQueLeChargementNAPasLu) {
    // The directory file cannot be read: the load stops there, before the settings.
    class Illisible : public PlateformeSimulee {
    public:
        bool lire_octets(const std::string& c, std::string& contenu) override {
            if (c == FICHIER_REPERTOIRES) throw ErreurES("Erreur de lecture dans le fichier " + c);
            return PlateformeSimulee::lire_octets(c, contenu);
        }
    } machine;
    machine.creer_repertoire_complet("C:\\Nocturo");
    machine.creer_fichier(FICHIER_REPERTOIRES, "D:\\Photos\r\n");
    machine.creer_fichier(FICHIER_PARAMETRES, "vmax = 250\r\n");
    machine.creer_fichier(FICHIER_HISTORIQUE, lignes_numerotees(0, 2));
    Tdiapo d(machine);
    EXPECT_THROW(d.charger_parametres(), ErreurES);
    d.sauver_parametres();
    EXPECT_EQ(machine.contenu(FICHIER_REPERTOIRES), "D:\\Photos\r\n");
    EXPECT_EQ(machine.contenu(FICHIER_PARAMETRES), "vmax = 250\r\n");
    EXPECT_EQ(machine.contenu(FICHIER_HISTORIQUE), lignes_numerotees(0, 2));
}

// A started window with known files, for the save failures.
class Sauvegarde : public ::testing::Test {
protected:
    Sauvegarde() {
        s.machine.creer_repertoire_complet("C:\\Photos\\A");
        s.machine.creer_fichier(FICHIER_MARQUEUR);
        s.machine.creer_fichier(FICHIER_REPERTOIRES, "C:\\Photos\\A\r\n");
        s.machine.creer_fichier(FICHIER_COCHES, "false\r\n");
        s.machine.creer_fichier(FICHIER_PARAMETRES, "vmax = 70\r\n");
        s.machine.creer_fichier(FICHIER_HISTORIQUE, "C:\\Photos\\A\\ancien.jpg\r\n");
        EXPECT_EQ(s.demarrer(), std::nullopt);
        s.diapo->CheckListBox_rep.definir_coche(0, true);
        s.diapo->historique.ajouter("C:\\Photos\\A\\nouveau.jpg");
        s.machine.messages.clear();
    }
    void sauver() { gerer(s, [this] { s.diapo->sauver_parametres(); }); }

    Scenario s;
};

TEST_F(Sauvegarde, EntierIncorrectDansUnEditArreteLaSauvegarde) {
    s.diapo->Edit_dt0_a.definir_texte("0050");
    s.diapo->Edit_vmax.definir_texte("abc");
    sauver();

    ASSERT_EQ(s.machine.messages, std::vector<std::string>{"'abc' n'est pas une valeur entière correcte"});
    EXPECT_EQ(s.diapo->reglages.dt0_a, 50);  // keys before the bad one are done
    EXPECT_EQ(s.diapo->reglages.vmax, 70);
    EXPECT_EQ(s.machine.contenu(FICHIER_COCHES), "true\r\n");
    EXPECT_EQ(s.machine.contenu(FICHIER_PARAMETRES), "vmax = 70\r\n");
    EXPECT_EQ(s.machine.contenu(FICHIER_HISTORIQUE), "C:\\Photos\\A\\ancien.jpg\r\n");

    s.diapo->Edit_vmax.definir_texte("0050");
    sauver();
    EXPECT_EQ(s.diapo->reglages.vmax, 50);
    EXPECT_NE(s.machine.contenu(FICHIER_PARAMETRES).find("\r\nvmax = 50\r\n"), std::string::npos);
    EXPECT_EQ(s.machine.contenu(FICHIER_HISTORIQUE), "C:\\Photos\\A\\ancien.jpg\r\nC:\\Photos\\A\\nouveau.jpg\r\n");
}

TEST_F(Sauvegarde, EcritureInterrompueLaisseLAncienFichier) {
    s.machine.echouer_ecriture(FICHIER_PARAMETRES + ".nouveau", 10);
    sauver();

    ASSERT_EQ(s.machine.messages.size(), 1u);
    EXPECT_EQ(s.machine.contenu(FICHIER_PARAMETRES), "vmax = 70\r\n");
    EXPECT_FALSE(s.machine.fichier_existe(FICHIER_PARAMETRES + ".nouveau"));
    EXPECT_EQ(s.machine.contenu(FICHIER_COCHES), "true\r\n");  // written before the failure
    EXPECT_EQ(s.machine.contenu(FICHIER_HISTORIQUE), "C:\\Photos\\A\\ancien.jpg\r\n");
}

TEST_F(Sauvegarde, RemplacementImpossibleLaisseTousLesFichiers) {
    s.machine.echec_remplacement = true;
    sauver();

    ASSERT_EQ(s.machine.messages.size(), 1u);
    EXPECT_EQ(s.machine.contenu(FICHIER_COCHES), "false\r\n");
    EXPECT_EQ(s.machine.contenu(FICHIER_REPERTOIRES), "C:\\Photos\\A\r\n");
    EXPECT_EQ(s.machine.contenu(FICHIER_PARAMETRES), "vmax = 70\r\n");
    EXPECT_FALSE(s.machine.fichier_existe(FICHIER_REPERTOIRES + ".nouveau"));
}

TEST_F(Sauvegarde, ReinitialiserSauveEffaceLeMarqueurEtGardeLHistorique) {
    s.machine.creer_fichier(FICHIER_REP_COURANT, "C:\\Photos\\A\\x.jpg\r\n");
    EXPECT_EQ(s.executer([this] { s.diapo->aPanel_sauve_param_et_BD0_et_quitter.cliquer(); }), 1);

    EXPECT_FALSE(s.machine.fichier_existe(FICHIER_MARQUEUR));
    EXPECT_FALSE(s.machine.fichier_existe(FICHIER_REP_COURANT));
    EXPECT_EQ(s.machine.contenu(FICHIER_HISTORIQUE), "C:\\Photos\\A\\ancien.jpg\r\n");
    EXPECT_EQ(decouper_lignes(s.machine.contenu(FICHIER_PARAMETRES)).size(), 37u);
    EXPECT_EQ(s.machine.contenu(FICHIER_COCHES), "true\r\n");
}

TEST(Reglages, RepertoireDeDonneesImpossibleACreer) {
    // A file where the data directory should be: CreateDirectory fails.
    PlateformeSimulee machine;
    machine.creer_fichier("C:\\nocturo", "bloque");
    {
        Tdiapo d(machine);
        machine.raison = "";
        machine.cause = Cause::acces_refuse;
        EXPECT_NO_THROW(d.sauver_parametres());
        EXPECT_EQ(machine.messages, std::vector<std::string>{"Impossible d'enregistrer C:\\nocturo : l'accès est refusé.\n\n" +
                                                             SUITE_SANS_DONNEES});
        EXPECT_EQ(machine.contenu("C:\\nocturo"), "bloque");
        EXPECT_FALSE(machine.fichier_existe(FICHIER_PARAMETRES));
        EXPECT_FALSE(machine.fichier_existe(FICHIER_REPERTOIRES + ".nouveau"));
    }
}

TEST(Reglages, RepertoireDeDonneesCreeAuBesoin) {
    PlateformeSimulee machine;
    {
        Tdiapo d(machine);
        d.charger_parametres();
        d.sauver_parametres();
        EXPECT_TRUE(machine.repertoire_existe("C:\\Nocturo"));
        EXPECT_TRUE(machine.fichier_existe(FICHIER_PARAMETRES));
    }
}

}  // namespace
}  // namespace nocturo::test
