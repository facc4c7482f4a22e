// The side tools from the control panel, on the simulated machine.
#include <gtest/gtest.h>

#include "sim/images_simulees.h"
#include "sim/scenario.h"
#include "util/fichiers.h"

namespace nocturo::test {
namespace {

using Lignes = std::vector<std::string>;
const std::string IMAGE = "D:\\Photos\\2014-10 Avignon\\IMG_0001.JPG";
const std::string XNVIEW = "C:\\Program Files (x86)\\XnView\\XnView.exe";

// A started window, paused on a picture shown (as the user sees it with the panel open).
class Outils : public ::testing::Test {
protected:
    Outils() {
        m.creer_fichier(IMAGE, jpeg_simule(40, 30));
        m.creer_fichier(FICHIER_HISTORIQUE, "x\r\n");
        EXPECT_EQ(s.demarrer(), std::nullopt);
        d.image_courante = IMAGE;
        d.Label_repertoire.definir_legende("D:\\Photos\\2014-10 Avignon");
        m.messages.clear();
    }
    Scenario s;
    Tdiapo& d = *s.diapo;
    PlateformeSimulee& m = s.machine;
};

TEST_F(Outils, CopierDeuxFoisVersLAlbumACreeLAlbumEtRemplace) {
    ASSERT_FALSE(m.repertoire_existe("C:\\Nocturo\\A"));  // a new machine
    d.Button_album_a.cliquer();
    d.Label12.cliquer();  // the label does what the button does
    const std::string cible = "C:\\Nocturo\\A\\2014-10 Avignon-IMG_0001.JPG";
    EXPECT_EQ(m.messages, (Lignes{cible + "\n\n    copie effectuée dans l'album A ...",
                                   cible + "\n\n    copie effectuée dans l'album A ..."}));
    EXPECT_EQ(m.contenu(cible), m.contenu(IMAGE));
    EXPECT_EQ(m.pointeur.x, 960);
}

TEST_F(Outils, UneCopieManqueeLeDitEtNeChangeRien) {
    m.definir_panne([](const std::string& etape, const std::string&) { return etape == "copier"; });
    d.Button_album_B.cliquer();
    EXPECT_EQ(m.messages, Lignes{"La copie vers C:\\Nocturo\\B\\2014-10 Avignon-IMG_0001.JPG a échoué : Le support est plein."});
    m.definir_panne(nullptr);
    m.messages.clear();
    m.supprimer_fichier(IMAGE);  // gone since it was shown
    d.Button_album_B.cliquer();
    EXPECT_EQ(m.messages, Lignes{"L'image " + IMAGE + " n'existe plus : elle n'a pas été copiée."});
    d.image_courante.clear();
    d.Button_album_B.cliquer();  // nothing shown yet: nothing to copy
    EXPECT_EQ(m.messages.size(), 1u);
}

TEST_F(Outils, UnAlbumChoisiSertALaCopieSuivante) {
    m.creer_repertoire_complet("E:\\Meilleures");
    d.sauver_en_quittant = false;
    m.reponses_repertoire = {std::nullopt, std::string("E:\\Meilleures")};
    d.SpeedButton_album_B.cliquer();  // cancelled: nothing changes
    EXPECT_EQ(d.rep_album_B.legende(), "C:\\Nocturo\\B");
    EXPECT_FALSE(d.sauver_en_quittant);
    d.SpeedButton_album_B.cliquer();
    EXPECT_EQ(d.rep_album_B.legende(), "E:\\Meilleures");
    EXPECT_TRUE(d.sauver_en_quittant);
    d.Button_album_B.cliquer();
    EXPECT_TRUE(m.fichier_existe("E:\\Meilleures\\2014-10 Avignon-IMG_0001.JPG"));
}

TEST_F(Outils, LaVisionneuseSurLesTroisCiblesEtLAttenteQuiRepond) {
    int tics = 0;
    m.sur_minuterie = [&] { ++tics; };
    d.Panel_ouvrir_rep_img.cliquer();
    d.Panel_ouvrir_repA.cliquer();
    d.CheckBox_xnview_rep_et_nom.definir_coche(true);
    EXPECT_EQ(m.processus, (Lignes{"\"" + XNVIEW + "\" \"D:\\Photos\\2014-10 Avignon\"",
                                   "\"" + XNVIEW + "\" \"C:\\Nocturo\\A\""}));
    EXPECT_GE(tics, 8);  // two seconds of viewer: the window kept its timer
    // With the box ticked the picture itself goes, and the program ends with the viewer.
    EXPECT_EQ(s.executer([&] { d.Panel_ouvrir_rep_img.cliquer(); }), 0);
    EXPECT_EQ(m.processus.back(), "\"" + XNVIEW + "\" \"D:\\Photos\\2014-10 Avignon\\IMG_0001.JPG\"");
}

TEST_F(Outils, UnVisualiseurAbsentLeDitEtProposeUnAutreProgramme) {
    // Not installed: said, with the chooser offered; "Non" leaves the show as it was, even
    // with the box that would end it after the viewer.
    d.CheckBox_xnview_rep_et_nom.definir_coche(true);
    m.lancement_impossible = true;
    m.reponses_confirmation = {false};
    EXPECT_EQ(s.executer([&] { d.Panel_ouvrir_repA.cliquer(); }), std::nullopt);
    EXPECT_EQ(m.confirmations, Lignes{"Le visualiseur « " + XNVIEW +
                                      " » ne démarre pas (introuvable ou pas un programme) : « C:\\Nocturo\\A » "
                                      "n'a pas été ouvert.\n\nChoisir un autre programme ?"});
    EXPECT_TRUE(m.dialogues_fichier.empty());

    // "Oui", a program chosen and validated: started at once on the same folder, and kept.
    m.confirmations.clear();
    m.processus.clear();
    m.reponses_confirmation = {true, true};
    m.reponses_fichier = {std::string("C:\\Outils\\visio.exe")};
    m.seul_installe = "C:\\Outils\\visio.exe";
    EXPECT_EQ(s.executer([&] { d.Panel_ouvrir_repA.cliquer(); }), 0);
    EXPECT_EQ(m.processus, (Lignes{"\"" + XNVIEW + "\" \"C:\\Nocturo\\A\"",
                                   "\"C:\\Outils\\visio.exe\" \"C:\\Nocturo\\A\""}));
    EXPECT_EQ(d.xnview_alternative_Label.legende(), "C:\\Outils\\visio.exe");
}

TEST_F(Outils, EchapPendantLeVisualiseurTermineToutDeSuite) {
    // The viewer's slideshow runs a minute; Esc released a second in ends the program then.
    d.catalogue.ajouter("D:\\Photos\\2014-10 Avignon", "IMG_0001.JPG");
    m.reponses_confirmation = {true};
    m.duree_processus_ms = 60000;
    const double debut = m.ms;
    m.touche_a(debut + 1000, VK_ECHAP);
    EXPECT_EQ(s.executer([&] { d.touche_relachee(VK_F3); }), 1);
    EXPECT_LT(m.ms - debut, 2000);
}

TEST_F(Outils, F3DemandeLanceLeDiaporamaDuVisualiseurPuisBasculeLePanneau) {
    d.catalogue.ajouter("D:\\Photos\\2014-10 Avignon", "IMG_0001.JPG");
    const bool ouvert = d.Panel1.visible();
    m.reponses_confirmation = {true};
    m.touche_a(m.ms + 3000, 65);  // ends the show the toggle may start
    ASSERT_EQ(s.executer([&] { d.touche_relachee(VK_F3); }), std::nullopt);
    EXPECT_EQ(m.confirmations.back(), "\n\n     Diaporama de ?\n\nD:\\Photos\\2014-10 Avignon\n\n");
    EXPECT_EQ(m.processus, Lignes{"\"" + XNVIEW + "\" -slide \"D:\\Photos\\2014-10 Avignon\""});
    EXPECT_NE(d.Panel1.visible(), ouvert);

    // No: no viewer, the panel toggles all the same; the button does what F3 does.
    m.reponses_confirmation = {false};
    m.touche_a(m.ms + 3000, 65);
    ASSERT_EQ(s.executer([&] { d.Button_tout_le_rep.cliquer(); }), std::nullopt);
    EXPECT_EQ(m.processus.size(), 1u);
    EXPECT_EQ(d.Panel1.visible(), ouvert);
}

TEST_F(Outils, ChoixDuVisualiseurSeulementUnProgramme) {
    m.reponses_fichier = {std::string("C:\\Outils\\lance.bat"), std::string("C:\\Outils\\visio.exe"),
                          std::string("C:\\Outils\\autre.exe")};
    m.reponses_confirmation = {true, true, false};
    d.SpeedButton_xnview.cliquer();
    EXPECT_EQ(m.messages, Lignes{"« C:\\Outils\\lance.bat » n'est pas un programme (.exe) : le visualiseur reste « " +
                                 XNVIEW + " »."});
    EXPECT_EQ(d.xnview_alternative_Label.legende(), XNVIEW);
    d.SpeedButton_xnview.cliquer();
    EXPECT_EQ(d.xnview_alternative_Label.legende(), "C:\\Outils\\visio.exe");
    EXPECT_EQ(m.confirmations.back(), "C:\\Outils\\visio.exe\r\r => Valider");
    d.SpeedButton_xnview.cliquer();  // answered No
    EXPECT_EQ(d.xnview_alternative_Label.legende(), "C:\\Outils\\visio.exe");
    EXPECT_EQ(m.dialogues_fichier.back(), "Choix du programme exécutable|programmes (*.exe)|*.exe|all (*.*)|*.*");
}

TEST_F(Outils, LeManuelEtSesRecours) {
    const std::string pdf = "C:\\Nocturo\\Nocturo_Manuel.pdf";
    const Lignes tentatives = {"open|C:\\LOGICIELS\\PDFX_Vwr_Port\\PDFXCview.exe|Nocturo_Manuel.pdf|C:\\Nocturo",
                               "open|firefox.exe|file:///" + pdf + "|", "open|" + pdf + "||C:\\Nocturo"};
    const struct {
        const char* ce_qu_il_montre;
        std::deque<int> reponses;
        size_t lancements;
        Lignes messages;
    } cas[] = {
        {"le lecteur PDF", {42}, 1, {}},
        {"puis firefox", {2, 42}, 2, {}},
        {"puis le programme du systeme pour les PDF", {2, 2, 42}, 3, {}},
        {"rien", {2, 2, 31}, 3,
         {"Firefox et Acrobat introuvables\n\nAucun programme de cette machine n'ouvre les fichiers PDF. Le manuel est "
          "le fichier " + pdf + " : il s'ouvre avec un lecteur PDF, une fois installé."}},
    };
    for (const auto& c : cas) {
        m.lancements.clear();
        m.messages.clear();
        m.supprimer_fichier(pdf);
        m.reponses_shell = c.reponses;
        d.Button_aide.cliquer();
        // Written from the one the program carries.
        EXPECT_EQ(m.contenu(pdf), m.manuel) << c.ce_qu_il_montre;
        EXPECT_EQ(m.lancements, Lignes(tentatives.begin(), tentatives.begin() + static_cast<long>(c.lancements)))
            << c.ce_qu_il_montre;
        EXPECT_EQ(m.messages, c.messages) << c.ce_qu_il_montre;
    }
    m.supprimer_fichier(pdf);
    m.manuel.clear();
    m.lancements.clear();
    m.messages.clear();
    d.Button_aide.cliquer();
    EXPECT_EQ(m.messages, Lignes{pdf + " introuvable"});
    EXPECT_TRUE(m.lancements.empty());
}

TEST_F(Outils, RenommageMontreCeQuIlFeraPuisLeFait) {
    for (const char* r : {"051231 avg", "05-12-31 avg", "20050828 noel", "2005-08-28 avg", "vacances"})
        m.creer_repertoire_complet(std::string("D:\\Dates\\") + r);
    d.SpeedButton2.cliquer();
    EXPECT_TRUE(d.Panel_renommage.visible());
    // No directory chosen: refused, rather than the dated folders of the drive's root.
    d.SpeedButton4.cliquer();
    EXPECT_EQ(m.messages, Lignes{"Choisissez d'abord le répertoire dont les sous-répertoires sont à renommer."});
    EXPECT_TRUE(m.confirmations.empty());

    // The examples say what the tool does.
    EXPECT_EQ(d.Label27.legende(), "ex: /051231 avg ou /05-12-31 avg en /2005-12-31 avg");
    EXPECT_EQ(d.Label26.legende(), "20050828 avg /2005 08 28 avg en /2005-08-28 avg");
    d.Edit3.definir_texte("19");
    EXPECT_EQ(d.Label23.legende(), "nombre de fichiers 'aammjj ...' ou 'aa-mm-jj ...'  => '19aa-mm-jj ...'");
    EXPECT_EQ(d.Label27.legende(), "ex: /051231 avg ou /05-12-31 avg en /1905-12-31 avg");
    d.Edit3.definir_texte("20");
    m.reponses_repertoire = {std::string("D:\\Dates")};
    d.SpeedButton3.cliquer();
    EXPECT_EQ(d.Label24.legende(), "2");
    EXPECT_EQ(d.ListBox1.nombre(), 8);

    // Asked with the list of what will happen; "Non" changes nothing.
    d.SpeedButton4.cliquer();
    const std::string question =
        "Dans « D:\\Dates », 2 dossiers seront renommés :\n\n051231 avg → 2005-12-31 avg\n20050828 noel → "
        "2005-08-28 noel\n\n2 dossiers laissés tels quels (voir la liste).\n\n     Renommer ?";
    EXPECT_EQ(m.confirmations, Lignes{question});
    EXPECT_TRUE(m.repertoire_existe("D:\\Dates\\051231 avg"));
    EXPECT_EQ(d.ListBox1.nombre(), 8);  // what would be done, not appended twice

    m.reponses_confirmation = {true};
    d.SpeedButton4.cliquer();
    EXPECT_EQ(m.informations, Lignes{"\n     Renommage des 2 fichiers effectués "});
    EXPECT_EQ(d.Label24.legende(), "---");
    EXPECT_EQ(d.ListBox1.element(2), "laissé tel quel : 05-12-31 avg");
    EXPECT_TRUE(m.repertoire_existe("D:\\Dates\\2005-12-31 avg"));
    EXPECT_TRUE(m.repertoire_existe("D:\\Dates\\2005-08-28 noel"));

    // Nothing left to rename: a notice, and no question.
    m.confirmations.clear();
    m.reponses_repertoire = {std::string("D:\\Dates\\vacances")};
    d.SpeedButton3.cliquer();
    EXPECT_EQ(d.Label24.legende(), "0");
    d.SpeedButton4.cliquer();
    EXPECT_EQ(m.informations.back(), "\n     Aucun fichier à renommer ");
    EXPECT_TRUE(m.confirmations.empty());
    d.SpeedButton5.cliquer();
    EXPECT_EQ(m.lancements.back(), "open|explorer.exe|D:\\Dates\\vacances|");

    // A folder that went away since it was chosen.
    m.supprimer_repertoire_vide("D:\\Dates\\vacances");
    d.SpeedButton4.cliquer();
    EXPECT_EQ(m.messages.back(), "Le répertoire « D:\\Dates\\vacances » est introuvable : rien n'a été renommé.");
}

TEST_F(Outils, LesImagesDeTestOuLErreurDuRepertoireAbsent) {
    d.executer([&] { d.Button1.cliquer(); });  // C:\___nb(1-341)jpg does not exist
    ASSERT_EQ(m.messages.size(), 1u);
    EXPECT_NE(m.messages[0].find("image_001.bmp"), std::string::npos);
    m.messages.clear();
    m.creer_repertoire_complet("C:\\___nb(1-341)jpg");
    d.Button1.cliquer();
    EXPECT_EQ(m.messages, Lignes{"Génération des images terminée !"});
    EXPECT_TRUE(m.fichier_existe("C:\\___nb(1-341)jpg\\image_320.bmp"));
}

}  // namespace
}  // namespace nocturo::test
