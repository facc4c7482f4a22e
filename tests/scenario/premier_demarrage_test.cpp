// The first minute of a new user: no data directory yet, no root, the Pictures folder.
#include <gtest/gtest.h>

#include "sim/images_simulees.h"
#include "sim/scenario.h"
#include "util/fichiers.h"

namespace nocturo::test {
namespace {

const std::string IMAGES = "C:\\Users\\moi\\Pictures";
const std::string QUESTION =
    "Aucun répertoire d'images n'est choisi. Afficher les images de « C:\\Users\\moi\\Pictures » ?";

bool guide(Tdiapo& d) { return d.Label6.visible() && d.Label6.legende().starts_with("Il faut choisir un répertoire"); }

// A new machine: no C:\Nocturo, a Pictures folder holding `images` (relative paths).
void machine_neuve(PlateformeSimulee& m, const std::vector<std::string>& images) {
    m.supprimer_repertoire_vide("C:\\Nocturo");
    m.creer_repertoire_complet(IMAGES);
    for (const std::string& i : images) m.creer_fichier(IMAGES + "\\" + i, jpeg_simule(40, 30));
}

TEST(PremierDemarrage, SansRepertoireDeDonneesNiImagesLeGuideSansBoite) {
    Scenario s;
    machine_neuve(s.machine, {});
    ASSERT_FALSE(s.machine.repertoire_existe("C:\\Nocturo"));
    EXPECT_EQ(s.demarrer(), std::nullopt);
    EXPECT_TRUE(s.machine.messages.empty()) << s.machine.messages.front();
    EXPECT_TRUE(s.machine.confirmations.empty());  // an empty Pictures folder is not offered
    EXPECT_TRUE(s.machine.repertoire_existe("C:\\Nocturo"));
    EXPECT_TRUE(guide(*s.diapo));
    EXPECT_TRUE(s.diapo->Panel1.visible());
    s.machine.touche_a(s.machine.ms + 100, VK_ECHAP);
    EXPECT_EQ(s.attendre_jusqu_a(s.machine.ms + 1000), 1);
    EXPECT_TRUE(s.machine.messages.empty());
}

TEST(PremierDemarrage, RepertoireDeDonneesImpossibleUnSeulMessage) {
    Scenario s;
    machine_neuve(s.machine, {});
    s.machine.definir_panne([](const std::string& etape, const std::string&) { return etape == "creer_repertoire"; });
    s.machine.creer_repertoire_complet("C:\\Photos");
    s.machine.creer_fichier("C:\\Photos\\a.jpg", jpeg_simule(40, 30));
    s.machine.touche_a(3000, VK_ECHAP);
    s.diapo->sauver_en_quittant = true;
    // No root, no picture: the guidance; the quit path saves nothing and says nothing more.
    std::optional<int> fin = s.demarrer();
    if (!fin) fin = s.attendre_jusqu_a(5000);
    EXPECT_EQ(fin, 1);
    ASSERT_EQ(s.machine.messages.size(), 1u);
    EXPECT_TRUE(s.machine.messages[0].starts_with("Impossible de créer le répertoire C:\\nocturo"))
        << s.machine.messages[0];
    EXPECT_FALSE(s.machine.repertoire_existe("C:\\Nocturo"));
}

TEST(PremierDemarrage, OuiLesImagesTournentAussitotEtLaRacineEstGardee) {
    Scenario s;
    PlateformeSimulee& m = s.machine;
    machine_neuve(m, {"vacances\\a.jpg", "vacances\\b.jpg", "c.jpg"});
    m.reponses_confirmation = {true};
    m.touche_a(2500, VK_ECHAP);
    EXPECT_EQ(s.demarrer(), 1);
    EXPECT_EQ(m.confirmations, std::vector<std::string>{QUESTION});
    EXPECT_TRUE(m.messages.empty()) << m.messages.front();
    // The show ran: pictures of the folder, no guidance.
    ASSERT_GE(s.diapo->historique.lignes.size(), 2u);
    EXPECT_TRUE(s.diapo->historique.lignes.back().starts_with(IMAGES + "\\"));
    EXPECT_FALSE(s.diapo->Label6.visible());
    // Saved as the red button saves, before the show: roots with their check marks, settings.
    std::vector<std::string> racines, coches;
    ASSERT_TRUE(lire_lignes(m, FICHIER_REPERTOIRES, racines));
    EXPECT_EQ(racines, std::vector<std::string>{IMAGES});
    ASSERT_TRUE(lire_lignes(m, FICHIER_COCHES, coches));
    EXPECT_EQ(coches.size(), 1u);
    EXPECT_TRUE(m.fichier_existe(FICHIER_PARAMETRES));
    EXPECT_TRUE(m.fichier_existe(FICHIER_MARQUEUR));

    // The next start: a root, no question, the pictures from the cache.
    Scenario ensuite;
    PlateformeSimulee& m2 = ensuite.machine;
    for (const std::string& f : FICHIERS_ECRITS_SUR)
        if (m.fichier_existe(f)) m2.creer_fichier(f, m.contenu(f));
    m2.creer_fichier(FICHIER_MARQUEUR, "");
    machine_neuve(m2, {"vacances\\a.jpg", "vacances\\b.jpg", "c.jpg"});
    m2.touche_a(2500, VK_ECHAP);
    EXPECT_EQ(ensuite.demarrer(), 1);
    EXPECT_TRUE(m2.confirmations.empty());
    EXPECT_TRUE(m2.messages.empty());
    EXPECT_FALSE(ensuite.diapo->Label6.visible());
}

TEST(PremierDemarrage, OuiPuisUneToucheDuranteLeParcoursGardeLeDossier) {
    Scenario s;
    PlateformeSimulee& m = s.machine;
    // A folder of folders first: the key comes before the scan has found a picture.
    std::vector<std::string> images;
    for (int i = 0; i < 300; ++i) images.push_back("vide" + std::to_string(i) + "\\notes.txt");
    for (const char* n : {"z\\a.jpg", "z\\b.jpg", "z\\c.jpg"}) images.push_back(n);
    machine_neuve(m, images);
    m.reponses_confirmation = {true};
    m.touche_a(100, 65);
    m.touche_a(3000, VK_ESPACE);
    m.touche_a(6000, 65);
    std::optional<int> fin = s.demarrer();
    if (!fin) fin = s.attendre_jusqu_a(7000);
    EXPECT_EQ(fin, std::nullopt);
    EXPECT_TRUE(m.messages.empty()) << m.messages.front();
    std::vector<std::string> racines;
    ASSERT_TRUE(lire_lignes(m, FICHIER_REPERTOIRES, racines));
    EXPECT_EQ(racines, std::vector<std::string>{IMAGES});
    // The walk beside the panel found them: the show ran on them, and the catalogue is whole.
    EXPECT_EQ(s.diapo->catalogue.nombre(), 3);
    EXPECT_TRUE(s.diapo->historique.lignes.back().starts_with(IMAGES + "\\z\\"));
    EXPECT_TRUE(m.fichier_existe(FICHIER_MARQUEUR));
}

// Non, or a folder whose pictures the user's own settings leave out: the guidance as on
// any first start, nothing saved, and the question comes again at the next start.
TEST(PremierDemarrage, NonOuRienAMontrerLeGuideEtLaQuestionRevient) {
    struct Cas {
        const char* nom;
        bool reponse;
        std::vector<std::string> parametres;
    };
    const Cas cas[] = {
        {"non", false, {}},
        {"oui, mais les sous-répertoires ne sont pas parcourus", true, {"RadioGroup_sous_rep_recursif.ItemIndex = 0"}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        for (int demarrage = 0; demarrage < 2; ++demarrage) {
            Scenario s;
            PlateformeSimulee& m = s.machine;
            machine_neuve(m, {"vacances\\a.jpg"});
            if (!c.parametres.empty()) {
                m.creer_repertoire_complet("C:\\Nocturo");
                ecrire_lignes(m, FICHIER_PARAMETRES, c.parametres);
            }
            m.reponses_confirmation = {c.reponse};
            EXPECT_EQ(s.demarrer(), std::nullopt);
            EXPECT_EQ(m.confirmations, std::vector<std::string>{QUESTION});
            EXPECT_TRUE(m.messages.empty()) << m.messages.front();
            EXPECT_TRUE(guide(*s.diapo));
            EXPECT_EQ(s.diapo->CheckListBox_rep.nombre(), 0);
            EXPECT_FALSE(m.fichier_existe(FICHIER_REPERTOIRES));
        }
    }
}

}  // namespace
}  // namespace nocturo::test
