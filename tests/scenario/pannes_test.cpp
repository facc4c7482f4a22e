// Every write of the program failed at each of its steps in turn (the file created, the
// bytes written, the flush to the disk, the replacement of the old file): the old file or
// the new one is there whole, every time, and the program starts again.
#include <gtest/gtest.h>

#include <map>

#include "sim/images_simulees.h"
#include "sim/scenario.h"
#include "util/fichiers.h"

namespace nocturo::test {
namespace {

// What each file holds before: a run with a few pictures shown, saved once.
void etat_ancien(PlateformeSimulee& m) {
    for (int i = 0; i < 3; ++i) m.creer_fichier("C:\\Photos\\p" + std::to_string(i) + ".jpg", jpeg_simule(40, 30));
    m.creer_fichier(FICHIER_REPERTOIRES, "C:\\Photos\r\nD:\\Ancien\r\n");
    m.creer_fichier(FICHIER_COCHES, "true\r\nfalse\r\n");
    m.creer_fichier(FICHIER_PARAMETRES, "vmax = 70\r\nCheckBox_rnd.Checked = false\r\n");
    m.creer_fichier(FICHIER_HISTORIQUE, "C:\\Photos\\ancien.jpg\r\n");
    m.creer_fichier(FICHIER_CACHE_REP, "C:\\Ailleurs\r\n");
    m.creer_fichier(FICHIER_CACHE_IMAGES, std::string(88, '\0'));
    m.creer_fichier(FICHIER_REP_COURANT, "C:\\Photos\r\np1.jpg\r\np2.jpg\r\n");
}

// A start without marker (a scan and the cache written, the current-directory list
// rewritten by the show), then a save of the settings.
void derouler(Scenario& s) {
    s.machine.touche_a(1500, 65);
    s.demarrer();
    s.diapo->Edit_vmax.definir_texte("90");
    s.diapo->CheckListBox_rep.definir_coche(1, true);
    s.diapo->CheckListBox_rep.ajouter("C:\\Nouveau");
    s.diapo->executer([&] { s.diapo->sauver_parametres(); });
}

const std::string FICHIERS[] = {FICHIER_REPERTOIRES, FICHIER_COCHES,    FICHIER_PARAMETRES, FICHIER_HISTORIQUE,
                                 FICHIER_CACHE_REP,   FICHIER_CACHE_IMAGES, FICHIER_REP_COURANT};

std::map<std::string, std::string> contenus(const PlateformeSimulee& m) {
    std::map<std::string, std::string> r;
    for (const std::string& f : FICHIERS) r[f] = m.contenu(f);
    return r;
}

TEST(Pannes, AChaqueEtapeDeChaqueEcritureLAncienOuLeNouveauEntier) {
    std::map<std::string, std::string> anciens, nouveaux;
    {
        Scenario s;
        etat_ancien(s.machine);
        anciens = contenus(s.machine);
        derouler(s);
        nouveaux = contenus(s.machine);
    }
    for (const std::string& f : FICHIERS) ASSERT_NE(anciens[f], nouveaux[f]) << f << " is not written by the run";
    // The start without marker deletes the history file before the save writes it anew.

    for (const std::string& fichier : FICHIERS)
        for (const char* etape : {"creer", "ecrire", "vider", "remplacer"}) {
            SCOPED_TRACE(fichier + " " + etape);
            Scenario s;
            etat_ancien(s.machine);
            // The step fails for this file, whether written in place or through its
            // temporary beside it, once.
            bool faite = false;
            std::optional<std::string> avant;  // the file as the failing write found it
            s.machine.definir_panne([&](const std::string& e, const std::string& chemin) {
                const bool ce_fichier = chemin == fichier || chemin == fichier + SUFFIXE_TEMPORAIRE;
                if (ce_fichier && e != "lire" && !faite && !avant) avant = s.machine.contenu(fichier);
                const bool visee = ce_fichier && e == std::string(etape) && !faite;
                faite |= visee;
                return visee;
            });
            s.executer([&] { derouler(s); });
            s.machine.definir_panne(nullptr);  // before the preloader's last read
            EXPECT_TRUE(faite);
            const std::string apres = s.machine.contenu(fichier);
            ASSERT_TRUE(avant);
            EXPECT_TRUE(apres == *avant || apres == nouveaux[fichier]) << "[" << apres << "]";
            EXPECT_FALSE(s.machine.fichier_existe(fichier + SUFFIXE_TEMPORAIRE));

            // And the program starts again on what is there.
            Scenario suivant;
            for (const std::string& f : FICHIERS)
                if (s.machine.fichier_existe(f)) suivant.machine.creer_fichier(f, s.machine.contenu(f));
            for (int i = 0; i < 3; ++i)
                suivant.machine.creer_fichier("C:\\Photos\\p" + std::to_string(i) + ".jpg", jpeg_simule(40, 30));
            if (s.machine.fichier_existe(FICHIER_MARQUEUR)) suivant.machine.creer_fichier(FICHIER_MARQUEUR, "");
            suivant.machine.touche_a(1500, VK_ECHAP);
            EXPECT_EQ(suivant.demarrer(), 1);
        }
}

}  // namespace
}  // namespace nocturo::test
