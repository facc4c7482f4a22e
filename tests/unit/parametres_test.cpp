// The parameter store: lookup rule, conversions, errors and the file form.
#include <gtest/gtest.h>

#include "settings/parametres.h"
#include "sim/plateforme_simulee.h"
#include "util/erreurs.h"
#include "util/fichiers.h"

namespace nocturo::test {
namespace {

TEST(Parametres, RegleDeRecherche) {
    const struct {
        LignesParametres lignes;
        std::string cle, attendu;
    } cas[] = {
        {{"vmax = 100"}, "vmax", "100"},
        {{"VMAX = 100"}, "vmax", "100"},
        {{"vmax =100"}, "vmax", "100"},
        {{"vmax=100"}, "vmax", "défaut"},
        {{"vmax  = 100"}, "vmax", "défaut"},
        {{"vmax = 50", "vmax = 70"}, "vmax", "50"},
        {{"vmax =   ", "vmax = 70"}, "vmax", "défaut"},  // the first line wins, even empty
        {{"vmax"}, "vmax", "défaut"},
        {{"", "sans egal", "dt0_a = 1", "vmax = 3"}, "vmax", "3"},
        {{"filtre_contient = a = b"}, "filtre_contient", "a = b"},
        {{"annee_de =  a b  "}, "annee_de", "a b"},
        {{"annee_de = \tx\t"}, "annee_de", "\tx\t"},  // tabs stay
        {{"x.Caption = C:\\Nocturo\\A"}, "x.caption", "C:\\Nocturo\\A"},
        {{}, "vmax", "défaut"},
    };
    for (const auto& c : cas)
        EXPECT_EQ(param_valeur(c.lignes, c.cle, "défaut"), c.attendu) << c.cle << " in " << c.lignes.size();
}

TEST(Parametres, LecturesTypees) {
    const LignesParametres lignes = {"dt0_a = 007", "b1 = true", "b2 = TRUE", "b3 = 1", "b4 =", "r = -1", "h = $10"};
    std::string texte;
    EXPECT_EQ(param_lire_edit(lignes, "dt0_a", "1000", texte), 7);
    EXPECT_EQ(texte, "007");  // the text as stored
    EXPECT_EQ(param_lire_edit(lignes, "absent", "1000", texte), 1000);
    EXPECT_EQ(texte, "1000");

    EXPECT_TRUE(param_lire_bool(lignes, "b1", "false"));
    EXPECT_FALSE(param_lire_bool(lignes, "b2", "true"));
    EXPECT_FALSE(param_lire_bool(lignes, "b3", "true"));
    EXPECT_TRUE(param_lire_bool(lignes, "b4", "true"));
    EXPECT_FALSE(param_lire_bool(lignes, "absent", "false"));

    EXPECT_EQ(param_lire_entier(lignes, "r", "0"), -1);
    EXPECT_EQ(param_lire_entier(lignes, "h", "0"), 16);
    EXPECT_EQ(param_lire_entier(lignes, "absent", "4"), 4);
}

TEST(Parametres, EntiersMalFormesLevesSansEffet) {
    const LignesParametres lignes = {"dt0_a = abc"};
    std::string texte = "5000";
    try {
        param_lire_edit(lignes, "dt0_a", "1000", texte);
        FAIL();
    } catch (const ErreurConversion& e) {
        EXPECT_STREQ(e.what(), "'abc' n'est pas une valeur entière correcte");
    }
    EXPECT_EQ(texte, "5000");
    EXPECT_THROW(param_lire_entier(lignes, "dt0_a", "0"), ErreurConversion);
    EXPECT_THROW(param_lire_entier(lignes, "absent", ""), ErreurConversion);

    LignesParametres sortie;
    int variable = 12;
    for (const std::string t : {"", "4x", "1.0"}) {
        try {
            param_ajout_entier(sortie, "vmax", t, variable);
            FAIL() << t;
        } catch (const ErreurConversion& e) {
            EXPECT_EQ(std::string(e.what()), "'" + t + "' n'est pas une valeur entière correcte");
        }
    }
    EXPECT_EQ(variable, 12);
    EXPECT_TRUE(sortie.empty());
}

TEST(Parametres, AjoutsEtFormeDuFichier) {
    PlateformeSimulee machine;
    machine.creer_repertoire_complet("C:\\Nocturo");
    int variable = 0;
    LignesParametres lignes = {"ancienne = 1"};  // appending never looks for an existing name
    param_ajout_texte(lignes, "rep_album_A.Caption", "C:\\Nocturo\\A");
    param_ajout_entier(lignes, "vmax", "  42", variable);
    EXPECT_EQ(variable, 42);
    param_ajout_entier(lignes, "_haut", "$10", variable);
    EXPECT_EQ(variable, 16);
    param_ajout_radio(lignes, "Rdg1.ItemIndex", -1);
    param_ajout_coche(lignes, "CheckBox_rnd.Checked", true);
    param_ajout_coche(lignes, "CheckBox_af_an.Checked", false);
    param_ajout_texte(lignes, "filtre_contient", "a = b");
    param_ajout_texte(lignes, "annee_de", "");

    const std::string attendu =
        "ancienne = 1\r\n"
        "rep_album_A.Caption = C:\\Nocturo\\A\r\n"
        "vmax = 42\r\n"
        "_haut = 16\r\n"
        "Rdg1.ItemIndex = -1\r\n"
        "CheckBox_rnd.Checked = true\r\n"
        "CheckBox_af_an.Checked = false\r\n"
        "filtre_contient = a = b\r\n"
        "annee_de = \r\n";
    ecrire_lignes(machine, "C:\\nocturo\\nocturo_var.prm", lignes);
    EXPECT_EQ(machine.contenu("C:\\Nocturo\\NOCTURO_VAR.PRM"), attendu);

    // Read back whole, whatever the line ends.
    LignesParametres relues = {"reste d'avant"};
    param_charger(machine, relues, "C:\\nocturo\\nocturo_var.prm");
    EXPECT_EQ(relues, lignes);
    EXPECT_EQ(param_valeur(relues, "annee_de", "vide"), "vide");

    machine.creer_fichier("C:\\nocturo\\melange.prm", "a = 1\rb = 2\nc = 3\r\nd = 4");
    param_charger(machine, relues, "C:\\nocturo\\melange.prm");
    EXPECT_EQ(relues, (LignesParametres{"a = 1", "b = 2", "c = 3", "d = 4"}));

    param_charger(machine, relues, "C:\\nocturo\\absent.prm");
    EXPECT_TRUE(relues.empty());
}

}  // namespace
}  // namespace nocturo::test
