// The parameter store: lookup rule, conversions, errors and the file form.
#include <gtest/gtest.h>

#include "settings/parametres.h"
#include "sim/plateforme_simulee.h"
#include "util/erreurs.h"
#include "util/texte.h"

namespace nocturo::test {
namespace {

class Parametres : public ::testing::Test {
protected:
    Parametres() {
        installer_plateforme(&machine);
        machine.creer_repertoire_complet("C:\\Nocturo");
    }
    ~Parametres() override { installer_plateforme(nullptr); }

    void lignes(std::vector<std::string> l) { liste.definir_elements(std::move(l)); }

    PlateformeSimulee machine;
    Forme forme;
    ListBox liste{forme, "ListBox_param"};
    Edit edit{forme, "Edit"};
    CheckBox boite{forme, "CheckBox"};
    RadioGroup groupe{forme, "RadioGroup"};
    Label label{forme, Genre::Label, "Label"};
};

TEST_F(Parametres, RegleDeRecherche) {
    const struct {
        std::vector<std::string> lignes;
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
    for (const auto& c : cas) {
        lignes(c.lignes);
        EXPECT_EQ(param_valeur(liste, c.cle, "défaut"), c.attendu) << c.cle << " in " << c.lignes.size();
    }
}

TEST_F(Parametres, LecturesTypees) {
    lignes({"dt0_a = 007", "b1 = true", "b2 = TRUE", "b3 = 1", "b4 =", "r = -1", "h = $10"});

    EXPECT_EQ(param_lire_edit(liste, "dt0_a", "1000", edit), 7);
    EXPECT_EQ(edit.texte(), "007");  // the text as stored
    EXPECT_EQ(param_lire_edit(liste, "absent", "1000", edit), 1000);
    EXPECT_EQ(edit.texte(), "1000");

    EXPECT_TRUE(param_lire_bool(liste, "b1", "false"));
    EXPECT_FALSE(param_lire_bool(liste, "b2", "true"));
    EXPECT_FALSE(param_lire_bool(liste, "b3", "true"));
    EXPECT_TRUE(param_lire_bool(liste, "b4", "true"));
    EXPECT_FALSE(param_lire_bool(liste, "absent", "false"));

    EXPECT_EQ(param_lire_entier(liste, "r", "0"), -1);
    EXPECT_EQ(param_lire_entier(liste, "h", "0"), 16);
    EXPECT_EQ(param_lire_entier(liste, "absent", "4"), 4);
}

TEST_F(Parametres, EntiersMalFormesLevesSansEffet) {
    lignes({"dt0_a = abc"});
    edit.definir_texte("5000");
    try {
        param_lire_edit(liste, "dt0_a", "1000", edit);
        FAIL();
    } catch (const ErreurConversion& e) {
        EXPECT_STREQ(e.what(), "'abc' n'est pas une valeur entière correcte");
    }
    EXPECT_EQ(edit.texte(), "5000");
    EXPECT_THROW(param_lire_entier(liste, "dt0_a", "0"), ErreurConversion);
    EXPECT_THROW(param_lire_entier(liste, "absent", ""), ErreurConversion);

    ListBox sortie{forme, "sortie"};
    int variable = 12;
    for (const std::string texte : {"", "4x", "1.0"}) {
        edit.definir_texte(texte);
        try {
            param_ajout_entier(sortie, "vmax", edit, variable);
            FAIL() << texte;
        } catch (const ErreurConversion& e) {
            EXPECT_EQ(std::string(e.what()), "'" + texte + "' n'est pas une valeur entière correcte");
        }
    }
    EXPECT_EQ(variable, 12);
    EXPECT_EQ(sortie.nombre(), 0);
}

TEST_F(Parametres, AjoutsEtFormeDuFichier) {
    int variable = 0;
    label.definir_legende("C:\\Nocturo\\A");
    boite.definir_coche(true);
    groupe.definir_elements({"a", "b"});
    groupe.definir_indice_element(-1);
    liste.ajouter("ancienne = 1");  // appending never looks for an existing name

    param_ajout_label(liste, "rep_album_A.Caption", label);
    edit.definir_texte("  42");
    param_ajout_entier(liste, "vmax", edit, variable);
    EXPECT_EQ(variable, 42);
    edit.definir_texte("$10");
    param_ajout_entier(liste, "_haut", edit, variable);
    EXPECT_EQ(variable, 16);
    param_ajout_radio(liste, "Rdg1.ItemIndex", groupe);
    param_ajout_coche(liste, "CheckBox_rnd.Checked", boite);
    boite.definir_coche(false);
    param_ajout_coche(liste, "CheckBox_af_an.Checked", boite);
    param_ajout_texte(liste, "filtre_contient", "a = b");
    param_ajout_texte(liste, "annee_de", "");

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
    ecrire_lignes("C:\\nocturo\\nocturo_var.prm", liste.elements());
    EXPECT_EQ(machine.contenu("C:\\Nocturo\\NOCTURO_VAR.PRM"), attendu);

    // Read back whole, whatever the line ends.
    ListBox relue{forme, "relue"};
    relue.ajouter("reste d'avant");
    param_charger(relue, "C:\\nocturo\\nocturo_var.prm");
    EXPECT_EQ(relue.elements(), liste.elements());
    EXPECT_EQ(param_valeur(relue, "annee_de", "vide"), "vide");

    machine.creer_fichier("C:\\nocturo\\melange.prm", "a = 1\rb = 2\nc = 3\r\nd = 4");
    param_charger(relue, "C:\\nocturo\\melange.prm");
    EXPECT_EQ(relue.elements(), (std::vector<std::string>{"a = 1", "b = 2", "c = 3", "d = 4"}));

    param_charger(relue, "C:\\nocturo\\absent.prm");
    EXPECT_EQ(relue.nombre(), 0);
}

}  // namespace
}  // namespace nocturo::test
