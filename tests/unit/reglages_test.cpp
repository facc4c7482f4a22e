// The settings table: the file's 37 lines, the defaults, the reading of each kind.
#include <gtest/gtest.h>

#include <set>

#include "settings/reglages.h"
#include "util/erreurs.h"
#include "util/fichiers.h"

namespace nocturo::test {
namespace {

TEST(TableDesReglages, TrenteSeptClesDistinctesAvecLeurMembre) {
    const auto& cles = cles_reglages();
    ASSERT_EQ(cles.size(), 37u);
    std::set<std::string> noms;
    for (const CleReglage& c : cles) {
        EXPECT_TRUE(noms.insert(c.nom).second) << c.nom;
        const int membres = (c.texte != nullptr) + (c.entier != nullptr) + (c.booleen != nullptr);
        EXPECT_EQ(membres, 1) << c.nom;
    }
    // Writing then reading every key gives the value back: no two keys share a member.
    Reglages r = reglages_par_defaut();
    int n = 0;
    for (const CleReglage& c : cles) {
        ++n;
        if (c.texte) r.*c.texte = "valeur " + std::to_string(n);
        if (c.entier) r.*c.entier = c.sorte == SorteCle::indice ? c.nb_choix - 1 : std::clamp(n, c.minimum, c.maximum);
        if (c.booleen) r.*c.booleen = !(r.*c.booleen);
    }
    EXPECT_EQ(lire_reglages(ecrire_reglages(r)), r);
}

TEST(TableDesReglages, DefautsDuFichierEtDeLaFenetre) {
    const Reglages d = reglages_par_defaut();
    EXPECT_EQ(d.rep_album_A, "C:\\Nocturo\\A");
    EXPECT_EQ(d.dt0_a, 1000);
    EXPECT_EQ(d.zoom_max10, 32);
    EXPECT_EQ(d.inc_dx, 500);
    EXPECT_EQ(d.nb_fouille, 3);
    EXPECT_EQ(d.titre_ecran, 1);
    EXPECT_TRUE(d.aleatoire);
    EXPECT_EQ(d.filtre_contient, "");
    EXPECT_EQ(lire_reglages({}), d);

    const Reglages f = reglages_de_forme();
    EXPECT_EQ(f.rep_album_A, "répertoire album A");
    EXPECT_EQ(f.dt0_a, 5000);
    EXPECT_EQ(f.zoom_max10, 16);
    EXPECT_EQ(f.inc_dx, 250);
    EXPECT_EQ(f.nb_fouille, 5);
    EXPECT_EQ(f.annee_de, "2014");
    EXPECT_EQ(f.filtre_contient, "divers avignon");
}

TEST(TableDesReglages, LectureDUneCle) {
    const LignesParametres lignes = {"vmax = 0050", "Rdg1.ItemIndex = 9", "RadioGroup_exclusion.ItemIndex = -4",
                                     "CheckBox_rnd.Checked = TRUE", "zoom_max10 = 3x2"};
    Reglages r = reglages_par_defaut();
    const auto cle = [](const char* nom) {
        for (const CleReglage& c : cles_reglages())
            if (std::string(c.nom) == nom) return c;
        throw std::logic_error(nom);
    };
    EXPECT_EQ(lire_cle(lignes, cle("vmax"), r), "0050");  // shown as stored
    EXPECT_EQ(r.vmax, 50);
    lire_cle(lignes, cle("Rdg1.ItemIndex"), r);
    EXPECT_EQ(r.effet, 5);  // beyond the last item: the last item
    lire_cle(lignes, cle("RadioGroup_exclusion.ItemIndex"), r);
    EXPECT_EQ(r.exclusion, -1);
    lire_cle(lignes, cle("CheckBox_rnd.Checked"), r);
    EXPECT_FALSE(r.aleatoire);
    EXPECT_THROW(lire_cle(lignes, cle("zoom_max10"), r), ErreurConversion);
    EXPECT_EQ(r.zoom_max10, 32);  // untouched by the failed read
}

}  // namespace
}  // namespace nocturo::test
