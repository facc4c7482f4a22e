// The scan run by the window: its rules taken from the controls when it starts, its
// progress, the keys that stop it, its marker.
#include "scenario/catalogue_outils.h"
#include "util/erreurs.h"

namespace nocturo::test {
namespace {

using Chemins = std::vector<std::string>;

class Scan : public FenetreCatalogue {};

// A library of 40 directories of 25 pictures: about 1100 entries, one millisecond each.
void grande_bibliotheque(PlateformeSimulee& m) {
    for (int r = 0; r < 40; ++r)
        for (int i = 0; i < 25; ++i) m.creer_fichier("C:\\Photos\\r" + std::to_string(r) + "\\i" + std::to_string(i) + ".jpg");
}

TEST_F(Scan, UneToucheArreteLeParcoursQuiGardeSesImagesSansLesDireCompletes) {
    grande_bibliotheque(m);
    racine("C:\\Photos");
    racine("C:\\Photos\\r39");
    // Each entry costs a millisecond of work, each look at the messages one more, and the
    // messages are looked at every 20 ms: the key of 460 ms is seen in the 16th directory,
    // 14 pictures into it.
    m.touche_a(460, 65);
    ASSERT_EQ(scanner(), std::nullopt);
    EXPECT_LE(m.ms, 460 + 25);  // within one interval
    EXPECT_EQ(d.catalogue.nombre(), 15 * 25 + 14);
    EXPECT_EQ(d.catalogue.repertoires().size(), 16u);
    // Nothing was visited after the key, not even in the second root.
    EXPECT_EQ(d.nb_entrees_vues, 2 + 15 * 28 + 3 + 14);
    EXPECT_EQ(d.Label1.legende(), "400");
    // Not the whole catalogue: no marker, so that it is finished beside the show or at the
    // next start.
    EXPECT_FALSE(m.fichier_existe(MARQUEUR));
}

TEST_F(Scan, EchapPendantLeParcoursTermineSansMarqueur) {
    grande_bibliotheque(m);
    m.creer_fichier(MARQUEUR, "");
    racine("C:\\Photos");
    m.touche_a(300, VK_ECHAP);
    EXPECT_EQ(scanner(), 1);
    EXPECT_FALSE(m.fichier_existe(MARQUEUR));
}

TEST_F(Scan, UnMarqueurImpossibleAEcrireLeDitUneFoisEtLeCatalogueReste) {
    m.creer_fichier("C:\\Photos\\a.jpg");
    racine("C:\\Photos");
    m.echouer_ecriture(MARQUEUR);
    EXPECT_NO_THROW(d.scanner_catalogue());
    EXPECT_EQ(d.catalogue.nombre(), 1);
    ASSERT_EQ(m.messages.size(), 1u);
    EXPECT_EQ(m.messages[0], "Impossible d'enregistrer " + MARQUEUR + " : le disque est plein.\n\n" + SUITE_SANS_DONNEES);
    // Nothing more is tried there in this run.
    d.sauver_catalogue();
    EXPECT_EQ(m.messages.size(), 1u);
}

TEST_F(Scan, LesRacinesCocheesExistantesSontParcourues) {
    m.creer_fichier("C:\\Photos\\a.jpg");
    m.creer_fichier("C:\\Autres\\b.jpg");
    racine("C:\\Photos");
    racine("C:\\Autres", false);
    racine("C:\\Absente");
    d.RadioGroup_sous_rep_recursif.definir_indice_element(0);
    ASSERT_EQ(scanner(), std::nullopt);
    EXPECT_EQ(images(), Chemins{"C:\\Photos\\a.jpg"});
    EXPECT_EQ(d.nb_entrees_vues, 3);
}

TEST_F(Scan, LesControlesDonnentLesCriteres) {
    d.RadioGroup_sous_rep_recursif.definir_indice_element(0);
    d.RadioGroup_exclusion.definir_indice_element(2);
    d.CheckBox_date_de.definir_coche(true);
    d.CheckBox_date_a.definir_coche(true);
    d.Edit_annee_de.definir_texte("2014");
    d.Edit_mois_de.definir_texte(" 7 ");
    d.Edit_annee_a.definir_texte("");
    d.Edit_mois_a.definir_texte("1");
    d.CheckBox_contient.definir_coche(true);
    d.Edit_contient.definir_texte("divers avignon");
    d.CheckBox_fic_exclusion.definir_coche(true);
    d.exclusions = {{"C:\\Photos\\Divers"}, {"C:\\R\\a.jpg"}};
    CriteresScan c = d.criteres_scan();
    EXPECT_FALSE(c.recursif);
    EXPECT_EQ(c.marques, ModeMarques::seules);
    EXPECT_TRUE(c.filtre_date);
    EXPECT_TRUE(c.plage);
    EXPECT_EQ(c.de, "2014-07");
    EXPECT_EQ(c.a, "-01");
    EXPECT_TRUE(c.filtre_mots);
    EXPECT_EQ(c.mots, "divers avignon");
    EXPECT_TRUE(c.fichier_exclusion);
    EXPECT_EQ(c.motifs, d.exclusions);

    // Words that fold to nothing filter nothing; no selection marks nothing.
    d.Edit_contient.definir_texte("  - ");
    d.RadioGroup_exclusion.definir_indice_element(-1);
    c = d.criteres_scan();
    EXPECT_FALSE(c.filtre_mots);
    EXPECT_EQ(c.marques, ModeMarques::indifferentes);
}

TEST_F(Scan, UneActivationPendantLeParcoursNeLaissePasEntrerLesExclues) {
    grande_bibliotheque(m);
    m.creer_fichier("C:\\Nocturo\\Nocturo_exclusion.txt", "**\\r3\\\r\n");
    racine("C:\\Photos");
    d.CheckBox_fic_exclusion.definir_coche(true);
    d.lire_fichier_exclusions();
    // Alt+Tab back from another program while the walk is in the first directories: the
    // activation empties the exclusion lists.
    m.activation_a(50);
    ASSERT_EQ(scanner(), std::nullopt);
    EXPECT_TRUE(d.exclusions.repertoires.empty());
    EXPECT_EQ(d.catalogue.nombre(), 39 * 25);
    for (const std::string& i : images()) EXPECT_EQ(i.find("\\r3\\"), std::string::npos) << i;
}

}  // namespace
}  // namespace nocturo::test
