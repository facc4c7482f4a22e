// The catalogue walked again beside the show: what changed on the disks reaches the show
// without a reset, an unchanged library writes nothing, a scan cut short is finished.
#include <algorithm>
#include <set>

#include "scenario/diaporama_outils.h"

namespace nocturo::test {
namespace {

class Rafraichissement : public Diaporama {
protected:
    int fois(const std::string& chemin) const {
        const std::vector<std::string> v = montrees();
        return static_cast<int>(std::count(v.begin(), v.end(), chemin));
    }
    bool ecrit(const std::string& fichier) const {
        return std::any_of(m.journal.begin(), m.journal.end(),
                           [&](const std::string& l) { return l.find(fichier) != std::string::npos; });
    }
};

TEST_F(Rafraichissement, UnDossierAjouteEntreDeuxDemarragesEstMontreSansReinitialiser) {
    preparer(3);
    // Copied after the cache was written: a holiday, and a picture gone.
    for (int i = 0; i < 4; ++i) m.creer_fichier("C:\\Photos\\Москва 2019\\v" + std::to_string(i) + ".jpg", jpeg_simule(400, 300));
    m.supprimer_fichier(photo(1));
    m.touche_a(9500, TOUCHE_A);
    ASSERT_EQ(s.demarrer(), std::nullopt);
    EXPECT_TRUE(m.messages.empty());
    EXPECT_EQ(d.catalogue.nombre(), 6);
    for (int i = 0; i < 4; ++i) EXPECT_GE(fois("C:\\Photos\\Москва 2019\\v" + std::to_string(i) + ".jpg"), 1) << i;
    EXPECT_EQ(fois(photo(1)), 0);
    // Written again, whole, for the next start.
    EXPECT_TRUE(m.fichier_existe(FICHIER_MARQUEUR));
    EXPECT_EQ(lire_cache(m), d.catalogue);
    EXPECT_EQ(d.Label13.legende(), "6 images");
}

TEST_F(Rafraichissement, UneBibliothequeInchangeeNEcritRien) {
    preparer(5);
    m.journal.clear();
    m.touche_a(6500, VK_ECHAP);
    EXPECT_EQ(s.demarrer(), 1);
    EXPECT_FALSE(ecrit(FICHIER_CACHE_IMAGES));
    EXPECT_FALSE(ecrit(FICHIER_CACHE_REP));
}

TEST_F(Rafraichissement, UnDossierRenommeEstUnDossierPartiEtUnNouveau) {
    // What the renaming of dated folders does between two runs.
    preparer(1);
    Catalogue c = lire_cache(m);
    for (const char* n : {"a.jpg", "b.jpg"}) {
        m.creer_fichier(std::string("C:\\Photos\\2005-12-31 noel\\") + n, jpeg_simule(400, 300));
        c.ajouter("C:\\Photos\\051231 noel", n);
    }
    ecrire_cache(c, m);
    m.touche_a(5500, TOUCHE_A);
    ASSERT_EQ(s.demarrer(), std::nullopt);
    EXPECT_TRUE(m.messages.empty());
    for (const std::string& l : montrees()) EXPECT_EQ(l.find("051231"), std::string::npos) << l;
    EXPECT_GE(fois("C:\\Photos\\2005-12-31 noel\\a.jpg"), 1);
    EXPECT_EQ(lire_cache(m).repertoires(), (std::vector<std::string>{"C:\\Photos", "C:\\Photos\\2005-12-31 noel"}));
}

TEST_F(Rafraichissement, LeDiaporamaSuitLesDossiersQuIlRenomme) {
    preparer(2);
    Catalogue c = lire_cache(m);
    for (const char* n : {"a.jpg", "b.jpg"}) {
        m.creer_fichier(std::string("C:\\Photos\\051231 noel\\") + n, jpeg_simule(400, 300));
        c.ajouter("C:\\Photos\\051231 noel", n);
    }
    // A root that is itself a dated folder.
    m.creer_fichier("D:\\Voyages\\20050828 Rome\\r.jpg", jpeg_simule(400, 300));
    c.ajouter("D:\\Voyages\\20050828 Rome", "r.jpg");
    ecrire_cache(c, m);
    m.creer_texte(FICHIER_REPERTOIRES, PHOTOS + "\r\nD:\\Voyages\\20050828 Rome\r\n");
    const auto renommer_dans = [this](const std::string& r) {
        d.Edit2.definir_texte(r);
        m.reponses_confirmation = {true};
        d.SpeedButton4.cliquer();
    };
    m.action_a(2500, [&] { renommer_dans("C:\\Photos"); });
    m.action_a(2600, [&] { renommer_dans("D:\\Voyages"); });
    // The catalogue as the show has it near its end, the walk done.
    std::vector<std::string> chemins;
    Catalogue vu;
    m.action_a(19000, [&] {
        vu = d.catalogue;
        for (int32_t i = 0; i < d.catalogue.nombre(); ++i) chemins.push_back(d.catalogue.chemin(i));
    });
    m.touche_a(20000, VK_ECHAP);
    EXPECT_EQ(s.demarrer(), 1);
    EXPECT_EQ(m.informations.size(), 2u);
    EXPECT_TRUE(m.messages.empty());
    std::sort(chemins.begin(), chemins.end());
    const std::vector<std::string> attendus = {"C:\\Photos\\2005-12-31 noel\\a.jpg", "C:\\Photos\\2005-12-31 noel\\b.jpg",
                                               "C:\\Photos\\p0.jpg", "C:\\Photos\\p1.jpg",
                                               "D:\\Voyages\\2005-08-28 Rome\\r.jpg"};
    EXPECT_EQ(chemins, attendus);
    EXPECT_EQ(lire_cache(m), vu);
    EXPECT_EQ(m.contenu(FICHIER_REPERTOIRES), PHOTOS + "\r\nD:\\Voyages\\2005-08-28 Rome\r\n");
    for (const std::string& l : d.historique.lignes) {
        EXPECT_EQ(l.find("051231"), std::string::npos) << l;
        EXPECT_EQ(l.find("20050828"), std::string::npos) << l;
    }
}

TEST_F(Rafraichissement, UneRacineDebrancheeGardeSesImages) {
    // A USB disk among the roots, unplugged since the last run.
    preparer(2);
    Catalogue c = lire_cache(m);
    for (const char* n : {"u0.jpg", "u1.jpg", "u2.jpg"}) c.ajouter("E:\\Clé\\Été", n);
    ecrire_cache(c, m);
    m.creer_texte(FICHIER_REPERTOIRES, PHOTOS + "\r\nE:\\Clé\r\n");
    m.touche_a(6500, TOUCHE_A);
    ASSERT_EQ(s.demarrer(), std::nullopt);
    // Told once at the start, as a root out of reach always was; nothing more.
    ASSERT_EQ(m.messages.size(), 1u);
    EXPECT_NE(m.messages[0].find("E:\\Clé"), std::string::npos);
    // Still in the catalogue and its cache, waiting for the disk.
    EXPECT_EQ(d.catalogue.nombre(), 5);
    EXPECT_EQ(lire_cache(m).nombre(), 5);
    for (const std::string& l : montrees()) EXPECT_EQ(l.find("E:\\"), std::string::npos) << l;
}

TEST_F(Rafraichissement, AuHasardLesImagesArriveesVontDansLeCycle) {
    // Random order, six pictures of which the cycle showed three before; six more arrive.
    preparer(6, {"CheckBox_rnd.Checked = true", "nb_fouille = 1"});
    for (int i = 0; i < 6; ++i) m.creer_fichier("C:\\Photos\\n\\q" + std::to_string(i) + ".jpg", jpeg_simule(40, 30));
    m.touche_a(24500, TOUCHE_A);
    ASSERT_EQ(s.demarrer(), std::nullopt);
    const std::vector<std::string> v = montrees();
    ASSERT_GE(v.size(), 24u);
    // The first picture came before the walk; from the second on, twelve by twelve, no repeat.
    EXPECT_EQ(std::set<std::string>(v.begin() + 1, v.begin() + 12).size(), 11u);
    EXPECT_EQ(std::set<std::string>(v.begin() + 12, v.begin() + 24).size(), 12u);
    EXPECT_EQ(std::count(v.begin(), v.begin() + 12, v[0]), 1);
}

TEST_F(Rafraichissement, UneImageCacheePendantLeParcoursNeRevientPas) {
    // The walk starts at the first picture; the show is paused and that picture hidden
    // before the walk's result comes in, at the next tick of the paused window.
    preparer(4);
    m.reponses_confirmation = {true};
    m.touche_a(500, VK_ESPACE);
    m.touche_a(520, VK_SUPPR);
    m.touche_a(1500, VK_ESPACE);
    m.touche_a(7500, TOUCHE_A);
    ASSERT_EQ(s.demarrer(), std::nullopt);
    ASSERT_EQ(m.confirmations.size(), 1u);
    const std::string cachee = m.confirmations[0].substr(m.confirmations[0].rfind('\n') + 1);
    EXPECT_EQ(d.catalogue.nombre(), 3);
    EXPECT_LE(fois(cachee), 1);
    for (int32_t i = 0; i < d.catalogue.nombre(); ++i) EXPECT_NE(d.catalogue.chemin(i), cachee);
    EXPECT_EQ(s.executer([&] { d.quitter(); }), 1);
    EXPECT_EQ(lire_cache(m).nombre(), 3);
}

TEST_F(Rafraichissement, LOrdreDuCatalogueSuitLImageEtNonSonNumero) {
    // The show resumes after p2 of p0..p4; the two pictures before it went since: p3 is now
    // the second of the catalogue, and the show goes on after it, not after its old number.
    preparer(5, {"indice_non_aleatoire = 2"});
    m.supprimer_fichier(photo(0));
    m.supprimer_fichier(photo(1));
    m.touche_a(3500, TOUCHE_A);
    ASSERT_EQ(s.demarrer(), std::nullopt);
    const std::vector<std::string> v = montrees();
    ASSERT_GE(v.size(), 3u);
    EXPECT_EQ(v[0], photo(3));
    EXPECT_EQ(v[1], photo(4));
    EXPECT_EQ(v[2], photo(2));
}

TEST_F(Rafraichissement, EchapPendantLeParcoursNeLaisseRienAMoitie) {
    // A large library changed since its cache: Esc right after the first picture.
    preparer(2);
    for (int r = 0; r < 200; ++r)
        for (int i = 0; i < 50; ++i)
            m.creer_fichier("C:\\Photos\\r" + std::to_string(r) + "\\i" + std::to_string(i) + ".jpg", "x");
    d.rafraichissement_attendu = false;
    const std::string avant = m.contenu(FICHIER_CACHE_IMAGES);
    m.touche_a(50, VK_ECHAP);
    EXPECT_EQ(s.demarrer(), 1);
    // Whatever the walk had reached, the cache is the old one or a new one whole.
    const Catalogue c = lire_cache(m);
    EXPECT_TRUE(m.contenu(FICHIER_CACHE_IMAGES) == avant || c.nombre() == 10002);
    EXPECT_TRUE(m.fichier_existe(FICHIER_MARQUEUR));
}

TEST_F(Rafraichissement, UnParcoursInterrompuEstTermineAcoteDuDiaporama) {
    preparer(1);
    for (int r = 0; r < 40; ++r)
        for (int i = 0; i < 25; ++i)
            m.creer_fichier("C:\\Photos\\r" + std::to_string(r) + "\\i" + std::to_string(i) + ".jpg", jpeg_simule(40, 30));
    m.supprimer_fichier(FICHIER_MARQUEUR);
    m.touche_a(300, TOUCHE_A);  // during the scan: it stops, the show starts on what it found
    m.touche_a(9000, TOUCHE_A);
    ASSERT_EQ(s.demarrer(), std::nullopt);
    EXPECT_EQ(d.catalogue.nombre(), 1001);
    EXPECT_TRUE(m.fichier_existe(FICHIER_MARQUEUR));
    EXPECT_EQ(lire_cache(m).nombre(), 1001);
}

}  // namespace
}  // namespace nocturo::test
