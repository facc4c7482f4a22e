// "Never show this picture" and "never show this directory" while paused: the picture
// leaves the show at once, and stays out after a restart from the cache or from a new scan.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>

#include "sim/images_simulees.h"
#include "sim/scenario.h"
#include "util/fichiers.h"

namespace nocturo::test {
namespace {

constexpr int TOUCHE_A = 65;
// Names of other scripts and of any length are hidden as the others are.
const std::vector<std::string> PHOTOS = {
    "C:\\Photos\\Москва 🎂\\東京タワーの夜景 vu depuis la terrasse de l'hôtel avec toute la famille, été 2019.jpg",
    "C:\\Photos\\Москва 🎂\\Прогулка.jpg",
    "C:\\Photos\\a\\p0.jpg", "C:\\Photos\\a\\p1.jpg", "C:\\Photos\\a\\p2.jpg", "C:\\Photos\\a\\p3.jpg"};

uint32_t couleur(size_t i) { return 0x203040 + 0x10 * static_cast<uint32_t>(i); }

// Runs of the program on one machine: what a run leaves in C:\Nocturo is there at the next.
class NePlusAfficher : public ::testing::Test {
protected:
    // One run; `avant` prepares its machine. Gives the pictures the run showed.
    std::vector<std::string> lancer(const std::function<void(PlateformeSimulee&)>& avant) {
        Scenario s;
        PlateformeSimulee& m = s.machine;
        // Each picture of its own colour, to be known on screen.
        for (size_t i = 0; i < PHOTOS.size(); ++i) m.creer_fichier(PHOTOS[i], jpeg_simule(40, 30, 0, couleur(i)));
        for (const auto& [f, c] : fichiers) m.creer_fichier(f, c);
        avant(m);
        // Every picture put on screen, by the show, a step in the history or the replay.
        affichees.clear();
        Tdiapo& d = *s.diapo;
        d.forme.sur_modification = [this, &d](Controle* c) {
            if (c != &d.Image2 || !d.Image2.image() || d.Image2.image().get() == derniere) return;
            derniere = d.Image2.image().get();
            const uint32_t pixel = derniere->niveaux.front().bgra.front() & 0xFFFFFF;
            for (size_t i = 0; i < PHOTOS.size(); ++i)
                if (couleur(i) == pixel) affichees.push_back(PHOTOS[i]);
        };
        // The history read at the start; the run's pictures follow it.
        std::vector<std::string> lues;
        lire_lignes(m, FICHIER_HISTORIQUE, lues);
        // A key that stops the show leaves the window open until Esc.
        std::optional<int> fin = s.demarrer();
        if (!fin) fin = s.attendre_jusqu_a(30000);
        EXPECT_EQ(fin, 1);
        EXPECT_TRUE(m.messages.empty()) << m.messages.front();
        confirmations = m.confirmations;
        // The quit path lets the catalogue go; the count shown stays.
        const std::string compte = s.diapo->Label13.legende();
        nombre = std::atoi(compte.c_str());
        EXPECT_TRUE(compte.ends_with(" images")) << compte;
        coche = s.diapo->CheckBox_fic_exclusion.coche();
        fichiers.clear();
        std::vector<std::string> a_garder = FICHIERS_ECRITS_SUR;
        a_garder.push_back(FICHIER_MARQUEUR);
        for (const std::string& f : a_garder)
            if (m.fichier_existe(f)) fichiers[f] = m.contenu(f);
        const auto& l = s.diapo->historique.lignes;
        return {l.begin() + static_cast<std::ptrdiff_t>(lues.size()), l.end()};
    }
    // A first run over the roots, in catalogue order, a picture a second; paused at 2.5 s,
    // `touches` from 2.6 s on, resumed at 4 s (the pictures stepped back over come again
    // first), Esc at 16 s.
    std::vector<std::string> premier(const std::vector<bool>& reponses, bool fichier_exclusion, bool maj,
                                     const std::vector<int>& touches, bool aleatoire = false, double fin = 16000) {
        return lancer([&](PlateformeSimulee& m) {
            m.creer_fichier(FICHIER_REPERTOIRES, "C:\\Photos\r\n");
            m.creer_fichier(FICHIER_HISTORIQUE, "C:\\ailleurs.jpg\r\n");  // not a first start
            ecrire_lignes(m, FICHIER_PARAMETRES,
                          {std::string("CheckBox_rnd.Checked = ") + (aleatoire ? "true" : "false"), "nb_fouille = 1",
                           "dt0_a = 1000",
                           std::string("CheckBox_fic_exclusion.Checked = ") + (fichier_exclusion ? "true" : "false")});
            m.reponses_confirmation.assign(reponses.begin(), reponses.end());
            m.maj = maj;
            m.touche_a(2500, VK_ESPACE);
            for (size_t k = 0; k < touches.size(); ++k) m.touche_a(2600 + 100 * static_cast<double>(k), touches[k]);
            m.touche_a(4000, VK_ESPACE);
            m.touche_a(fin, VK_ECHAP);
        });
    }
    // A later run of ten seconds; `rescan` deletes the marker first.
    std::vector<std::string> suivant(bool rescan) {
        return lancer([&](PlateformeSimulee& m) {
            if (rescan) m.supprimer_fichier(FICHIER_MARQUEUR);
            m.touche_a(10000, VK_ECHAP);
        });
    }

    std::map<std::string, std::string> fichiers;
    std::vector<std::string> confirmations;
    std::vector<std::string> affichees;
    const ImagePrete* derniere = nullptr;
    int nombre = 0;
    bool coche = false;
};

int fois(const std::vector<std::string>& vues, const std::string& image) {
    return static_cast<int>(std::count(vues.begin(), vues.end(), image));
}

TEST_F(NePlusAfficher, LImageQuitteLeDiaporamaEtNeRevientPasApresRedemarrage) {
    // Hidden after a step back: the replay at the resume passes over it.
    const std::vector<std::string> vues = premier({true}, true, false, {VK_GAUCHE, VK_SUPPR});
    ASSERT_EQ(confirmations.size(), 1u);
    const std::string cachee = confirmations[0].substr(confirmations[0].rfind('\n') + 1);
    EXPECT_EQ(confirmations[0], "Ne plus afficher cette image ?\n\n" + cachee);
    ASSERT_NE(std::find(PHOTOS.begin(), PHOTOS.end(), cachee), PHOTOS.end());
    // Shown once by the show, once by the step back, never after; every other picture
    // again and again.
    EXPECT_EQ(fois(vues, cachee), 1);
    EXPECT_EQ(fois(affichees, cachee), 2);
    for (const std::string& p : PHOTOS) {
        if (p == cachee) continue;
        EXPECT_GE(fois(vues, p), 2) << p;
    }
    EXPECT_EQ(nombre, 5);
    const std::string repertoire = cachee.substr(0, cachee.rfind('\\'));
    const std::string nom = cachee.substr(cachee.rfind('\\') + 1);
    EXPECT_EQ(fichiers[FICHIER_EXCLUSIONS], "+*" + repertoire + "\r\n" + nom + "\r\n-\r\n");

    for (bool rescan : {false, true}) {
        const std::vector<std::string> ensuite = suivant(rescan);
        EXPECT_EQ(fois(ensuite, cachee), 0) << (rescan ? "après un nouveau parcours" : "depuis le cache");
        EXPECT_GE(ensuite.size(), 8u);
        EXPECT_EQ(nombre, 5);
    }
}

TEST_F(NePlusAfficher, NonNeChangeRienOuiCacheLeRepertoireEtAllumeLeFichier) {
    // Shift held: the directory. The first question answered No, the second Yes.
    const std::vector<std::string> vues = premier({false, true}, false, true, {VK_SUPPR, VK_SUPPR});
    ASSERT_EQ(confirmations.size(), 2u);
    EXPECT_EQ(confirmations[0], confirmations[1]);
    const std::string note = "\n\nLe fichier d'exclusions, non utilisé jusqu'ici, le sera désormais.";
    ASSERT_TRUE(confirmations[0].ends_with(note));
    const std::string question = confirmations[0].substr(0, confirmations[0].size() - note.size());
    const std::string repertoire = question.substr(question.rfind('\n') + 1);
    EXPECT_EQ(question, "Ne plus afficher les images de ce répertoire ?\n\n" + repertoire);
    EXPECT_TRUE(coche);
    EXPECT_EQ(fichiers[FICHIER_EXCLUSIONS], "**" + repertoire + "\\\r\n");
    int restent = 0;
    for (const std::string& p : PHOTOS) {
        if (p.starts_with(repertoire + "\\")) continue;
        ++restent;
        EXPECT_GE(fois(vues, p), 2) << p;
    }
    EXPECT_EQ(nombre, restent);
    const std::vector<std::string> ensuite = suivant(true);
    for (const std::string& p : ensuite) EXPECT_FALSE(p.starts_with(repertoire + "\\")) << p;
    EXPECT_EQ(nombre, restent);
}

// In random order the deck goes on without the hidden picture: the pictures it had not
// drawn yet still come before any repeat, and the deck's file says what it lost.
TEST_F(NePlusAfficher, LeTirageAleatoireContinueSansLImageCachee) {
    const std::vector<std::string> vues = premier({true}, true, false, {VK_SUPPR}, true);
    ASSERT_EQ(confirmations.size(), 1u);
    const std::string cachee = confirmations[0].substr(confirmations[0].rfind('\n') + 1);
    EXPECT_EQ(fois(vues, cachee), 1);
    // Six pictures: the first six draws, hidden one included, are all different.
    ASSERT_GE(vues.size(), 6u);
    EXPECT_EQ(std::set<std::string>(vues.begin(), vues.begin() + 6).size(), 6u);
    // Quit before the cycle's end: its file is for the five pictures left.
    fichiers.clear();
    premier({true}, true, false, {VK_SUPPR}, true, 5000);
    EXPECT_NE(fichiers[FICHIER_PAQUET].find("taille = 5\r\nmontrees = "), std::string::npos) << fichiers[FICHIER_PAQUET];
}

// Del with the panel hidden is a key like any other: it stops the show, asks nothing.
TEST_F(NePlusAfficher, SansPanneauSupprNeDemandeRien) {
    lancer([](PlateformeSimulee& m) {
        m.creer_fichier(FICHIER_REPERTOIRES, "C:\\Photos\r\n");
        m.creer_fichier(FICHIER_HISTORIQUE, "C:\\ailleurs.jpg\r\n");
        m.touche_a(2500, VK_SUPPR);
        m.touche_a(4000, VK_ECHAP);
    });
    EXPECT_TRUE(confirmations.empty());
    EXPECT_EQ(nombre, 6);
    EXPECT_FALSE(fichiers.count(FICHIER_EXCLUSIONS));
}

}  // namespace
}  // namespace nocturo::test
