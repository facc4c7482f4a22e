// The catalogue scan on the simulated machine: the walk, the acceptance tests, the stops.
#include "scenario/catalogue_outils.h"
#include "util/erreurs.h"

#include <set>

namespace nocturo::test {
namespace {

using Chemins = std::vector<std::string>;

class Scan : public Catalogue {};

TEST_F(Scan, RecursionTousOuAucun) {
    m.creer_fichier("C:\\Photos\\a.jpg");
    m.creer_fichier("C:\\Photos\\sous\\b.JPG");
    m.creer_fichier("C:\\Photos\\vacances.jpg\\c.bmp");  // a directory named like a picture
    m.creer_fichier("C:\\Photos\\sous\\notes.txt");
    racine("C:\\Photos");

    d.RadioGroup_sous_rep_recursif.definir_indice_element(0);  // "aucun"
    ASSERT_EQ(scanner(), std::nullopt);
    EXPECT_EQ(images(), Chemins{"C:\\Photos\\a.jpg"});
    EXPECT_EQ(d.nb_entrees_vues, 5);  // ".", "..", a.jpg, sous, vacances.jpg

    d.RadioGroup_sous_rep_recursif.definir_indice_element(1);  // "tous"
    ASSERT_EQ(scanner(), std::nullopt);
    EXPECT_EQ(images(), (Chemins{"C:\\Photos\\a.jpg", "C:\\Photos\\sous\\b.JPG", "C:\\Photos\\vacances.jpg\\c.bmp"}));
    EXPECT_EQ(d.ListBox_rep.elements(), (Chemins{"C:\\Photos", "C:\\Photos\\sous", "C:\\Photos\\vacances.jpg"}));
    EXPECT_EQ(d.nb_entrees_vues, 5 + 12);
    EXPECT_EQ(d.table_images.size(), 1000u);
    EXPECT_EQ(m.contenu(MARQUEUR), "");
    EXPECT_TRUE(m.fichier_existe(MARQUEUR));
}

TEST_F(Scan, RacinesImbriqueesEntrentDeuxFoisSousLaMemeLigne) {
    m.creer_fichier("C:\\Photos\\2005\\a.jpg");
    m.creer_fichier("C:\\Été\\b.jpg");
    racine("C:\\Photos");
    racine("c:\\PHOTOS\\2005");  // another spelling of the same directory
    racine("C:\\Photos", false);
    racine("C:\\Absent");
    racine("C:\\Été");
    racine("C:\\été");  // upper case of the accented letters too
    ASSERT_EQ(scanner(), std::nullopt);
    EXPECT_EQ(d.nb_images, 4);
    EXPECT_EQ(d.ListBox_rep.elements(), (Chemins{"C:\\Photos\\2005", "C:\\Été"}));
    EXPECT_EQ(images(), (Chemins{"C:\\Photos\\2005\\a.jpg", "C:\\Photos\\2005\\a.jpg", "C:\\Été\\b.jpg", "C:\\Été\\b.jpg"}));
}

TEST_F(Scan, LesLignesDejaPresentesGardentLeurPlace) {
    // The lookup follows the list's own search: the first line equal ignoring case.
    d.ListBox_rep.definir_elements({"C:\\Autre", "C:\\PHOTOS", "C:\\Photos"});
    m.creer_fichier("C:\\Photos\\a.jpg");
    m.creer_fichier("C:\\Photos\\n\\b.jpg");
    racine("C:\\Photos");
    ASSERT_EQ(scanner(), std::nullopt);
    EXPECT_EQ(d.ListBox_rep.elements(), (Chemins{"C:\\Autre", "C:\\PHOTOS", "C:\\Photos", "C:\\Photos\\n"}));
    ASSERT_EQ(d.nb_images, 2);
    EXPECT_EQ(d.table_images[0].indice_rep, 1);
    EXPECT_EQ(d.table_images[1].indice_rep, 3);
}

TEST_F(Scan, UnNomLongEstCoupeA80Caracteres) {
    const std::string nom = std::string(86, 'n') + ".jpg";
    m.creer_fichier("C:\\Photos\\" + nom);
    racine("C:\\Photos");
    ASSERT_EQ(scanner(), std::nullopt);
    ASSERT_EQ(d.nb_images, 1);
    EXPECT_EQ(d.table_images[0].nom(), nom.substr(0, 80));
}

// A library of 40 directories of 25 pictures: about 1100 entries, one millisecond each.
void grande_bibliotheque(PlateformeSimulee& m) {
    for (int r = 0; r < 40; ++r)
        for (int i = 0; i < 25; ++i) m.creer_fichier("C:\\Photos\\r" + std::to_string(r) + "\\i" + std::to_string(i) + ".jpg");
}

TEST_F(Scan, UneToucheArreteLeParcoursQuiGardeSesImagesEtSonMarqueur) {
    grande_bibliotheque(m);
    racine("C:\\Photos");
    racine("C:\\Photos\\r39");
    // Each entry costs a millisecond of message processing: at 460 ms the walk is in the
    // 17th directory, 8 pictures into it.
    m.touche_a(460, 65);
    ASSERT_EQ(scanner(), std::nullopt);
    EXPECT_EQ(d.nb_images, 16 * 25 + 8);
    EXPECT_EQ(d.ListBox_rep.nombre(), 17);
    // Nothing was visited after the key, not even in the second root.
    EXPECT_EQ(d.nb_entrees_vues, 2 + 16 * 28 + 3 + 8);
    EXPECT_EQ(d.Label1.legende(), "400");
    EXPECT_TRUE(m.fichier_existe(MARQUEUR));
}

TEST_F(Scan, EchapPendantLeParcoursTermineSansMarqueur) {
    grande_bibliotheque(m);
    m.creer_fichier(MARQUEUR, "");
    racine("C:\\Photos");
    m.touche_a(300, VK_ECHAP);
    EXPECT_EQ(scanner(), 1);
    EXPECT_FALSE(m.fichier_existe(MARQUEUR));
}

TEST_F(Scan, UnMarqueurImpossibleAEcrireEstUneErreurEtLeCatalogueReste) {
    m.creer_fichier("C:\\Photos\\a.jpg");
    racine("C:\\Photos");
    m.echouer_ecriture(MARQUEUR);
    EXPECT_THROW(d.scanner_catalogue(), ErreurES);
    EXPECT_EQ(d.nb_images, 1);
}

TEST_F(Scan, LesPointsDAnalyseNeSontPasSuivis) {
    m.creer_fichier("C:\\Photos\\a.jpg");
    m.creer_lien("C:\\Photos\\boucle", "C:\\Photos");  // a junction back up the tree
    m.creer_fichier("C:\\Ailleurs\\b.jpg");
    m.creer_lien("C:\\Photos\\vers_ailleurs", "C:\\Ailleurs");
    racine("C:\\Photos");
    racine("C:\\Ailleurs");
    ASSERT_EQ(scanner(), std::nullopt);
    // The pictures behind the links are found once, by their real paths.
    EXPECT_EQ(images(), (Chemins{"C:\\Photos\\a.jpg", "C:\\Ailleurs\\b.jpg"}));
}

// The system's best fit turns the letters that have no Windows-1252 form into '?': such a
// name still looks like a picture or a directory but cannot be opened again.
class MachineAuxNomsApproches : public PlateformeSimulee {
public:
    std::set<std::string> approches;
    bool lister_repertoire(const std::string& r, std::vector<EntreeRepertoire>& entrees) override {
        if (!PlateformeSimulee::lister_repertoire(r, entrees)) return false;
        for (EntreeRepertoire& e : entrees)
            if (approches.count(e.nom)) e.nom_representable = false;
        return true;
    }
};

TEST_F(Scan, NomsSansFormeWindows1252EtRepertoiresIllisiblesSontSautes) {
    MachineAuxNomsApproches autre;
    installer_plateforme(&autre);
    autre.creer_repertoire_complet("C:\\Nocturo");
    autre.creer_fichier("C:\\Photos\\a.jpg");
    autre.creer_fichier("C:\\Photos\\?tude.jpg");
    autre.creer_fichier("C:\\Photos\\?tudes\\c.jpg");
    autre.approches = {"?tude.jpg", "?tudes"};
    autre.creer_fichier("C:\\Photos\\prive\\x.jpg");
    autre.interdire_listage("C:\\Photos\\prive");
    autre.creer_fichier("C:\\Photos\\z\\b.jpg");
    autre.creer_fichier("C:\\Fermee\\y.jpg");
    autre.interdire_listage("C:\\Fermee");
    racine("C:\\Fermee");
    racine("C:\\Photos");
    d.scanner_catalogue();
    EXPECT_EQ(images(), (Chemins{"C:\\Photos\\a.jpg", "C:\\Photos\\z\\b.jpg"}));
    EXPECT_EQ(d.nb_entrees_vues, 2 + 5 + 3);  // the skipped entries were still seen
    installer_plateforme(&m);
}

struct CasAcceptation {
    const char* ce_qu_il_montre;
    std::function<void(Tdiapo&)> reglage;
    Chemins attendu;
};

// Names the case in the test list instead of dumping its bytes.
void PrintTo(const CasAcceptation& c, std::ostream* os) { *os << c.ce_qu_il_montre; }

class Acceptation : public Catalogue, public testing::WithParamInterface<CasAcceptation> {};

TEST_P(Acceptation, RetientLesImagesQuiPassentLesTests) {
    for (const char* f : {"C:\\Photos\\++privé\\a.jpg", "C:\\Photos\\été\\a++.jpg", "C:\\Photos\\§x\\c.jpg",
                          "C:\\Photos\\Divers\\d.jpg", "C:\\Photos\\Divers 2006\\e.jpg",
                          "C:\\Photos\\2014-10-05 Avignon\\f.jpg", "C:\\Photos\\2015-01 noel\\g.jpg"})
        m.creer_fichier(f);
    racine("C:\\Photos");
    GetParam().reglage(d);
    ASSERT_EQ(scanner(), std::nullopt);
    Chemins noms;
    for (const std::string& i : images()) noms.push_back(i.substr(i.rfind('\\') + 1));
    EXPECT_EQ(noms, GetParam().attendu);
}

INSTANTIATE_TEST_SUITE_P(
    Reglages, Acceptation,
    testing::Values(
        CasAcceptation{"marqueurs exclus", [](Tdiapo&) {}, {"d.jpg", "e.jpg", "f.jpg", "g.jpg"}},
        CasAcceptation{"marqueurs indifferents",
                       [](Tdiapo& d) { d.RadioGroup_exclusion.definir_indice_element(1); },
                       {"a.jpg", "a++.jpg", "c.jpg", "d.jpg", "e.jpg", "f.jpg", "g.jpg"}},
        CasAcceptation{"seulement les marques",
                       [](Tdiapo& d) { d.RadioGroup_exclusion.definir_indice_element(2); },
                       {"a.jpg", "a++.jpg", "c.jpg"}},
        CasAcceptation{"listes d'exclusion, sous-chaine exacte",
                       [](Tdiapo& d) {
                           d.CheckBox_fic_exclusion.definir_coche(true);
                           d.ListBox_rep_exclu.definir_elements({"C:\\Photos\\Divers", "", "c:\\photos\\2015"});
                           d.ListBox_rep_nom_fic_exclu.definir_elements({"Avignon\\f.jpg"});
                       },
                       {"g.jpg"}},
        CasAcceptation{"listes d'exclusion sans la case",
                       [](Tdiapo& d) { d.ListBox_rep_exclu.definir_elements({"C:\\Photos\\Divers"}); },
                       {"d.jpg", "e.jpg", "f.jpg", "g.jpg"}},
        CasAcceptation{"mois seul",
                       [](Tdiapo& d) {
                           d.CheckBox_date_de.definir_coche(true);
                           d.Edit_annee_de.definir_texte("2014");
                           d.Edit_mois_de.definir_texte("10");
                       },
                       {"f.jpg"}},
        CasAcceptation{"plage de mois",
                       [](Tdiapo& d) {
                           d.CheckBox_date_de.definir_coche(true);
                           d.CheckBox_date_a.definir_coche(true);
                           d.Edit_annee_de.definir_texte("2014");
                           d.Edit_mois_de.definir_texte("10");
                           d.Edit_annee_a.definir_texte("2015");
                           d.Edit_mois_a.definir_texte("1");
                       },
                       {"f.jpg", "g.jpg"}},
        CasAcceptation{"plage sans la premiere case: pas de filtre",
                       [](Tdiapo& d) { d.CheckBox_date_a.definir_coche(true); },
                       {"d.jpg", "e.jpg", "f.jpg", "g.jpg"}},
        CasAcceptation{"mots",
                       [](Tdiapo& d) {
                           d.CheckBox_contient.definir_coche(true);
                           d.Edit_contient.definir_texte("divers avignon");
                       },
                       {"d.jpg", "e.jpg", "f.jpg"}},
        CasAcceptation{"mots vides: pas de filtre",
                       [](Tdiapo& d) {
                           d.CheckBox_contient.definir_coche(true);
                           d.Edit_contient.definir_texte("  - ");
                       },
                       {"d.jpg", "e.jpg", "f.jpg", "g.jpg"}}));

}  // namespace
}  // namespace nocturo::test
