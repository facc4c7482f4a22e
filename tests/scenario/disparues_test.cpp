// Pictures that go away under the running show, a root that goes away, stale history and
// list lines: the show passes over them at once and never ends by itself.
#include "scenario/diaporama_outils.h"

namespace nocturo::test {
namespace {

class Disparues : public Diaporama {
protected:
    // Every picture decoded ahead of its turn as a rule: the deletions below fall between
    // the preload and the turn, or during the preload.
    void SetUp() override { m.limite_ms = 600e3; }
    bool jamais_rouge() const { return !rouge_; }
    void surveiller_rouge() {
        const auto avant = d.forme.sur_modification;
        d.forme.sur_modification = [this, avant](Controle* c) {
            if (!c && d.forme.couleur == ROUGE) rouge_ = true;
            if (avant) avant(c);
        };
    }
    int nombre_de(const std::string& chemin) const {
        return static_cast<int>(std::count(d.historique.lignes.begin(), d.historique.lignes.end(), chemin));
    }

private:
    bool rouge_ = false;
};

TEST_F(Disparues, UneImageEffaceeEntreLeParcoursEtSonTourEstPasseeEtQuitteLeCache) {
    preparer(3);
    surveiller_rouge();
    m.supprimer_fichier(photo(1));  // since the cache was written
    m.touche_a(4500, VK_ECHAP);
    EXPECT_EQ(s.demarrer(), 1);  // by Esc, at its time: never before
    EXPECT_GE(m.ms, 4500);
    EXPECT_EQ(nombre_de(photo(1)), 0);
    EXPECT_GE(nombre_de(photo(2)), 2);
    EXPECT_TRUE(m.messages.empty());
    EXPECT_TRUE(jamais_rouge());
    // The next start neither looks for it nor rebuilds anything.
    EXPECT_TRUE(m.fichier_existe(FICHIER_MARQUEUR));
    const Catalogue relu = lire_cache(m);
    EXPECT_EQ(relu.nombre(), 2);
    EXPECT_EQ(relu.chemin(1), photo(2));
}

TEST_F(Disparues, UneImageEffaceePendantSonDecodageOuALEcranNArretePasLeDiaporama) {
    preparer(4);
    surveiller_rouge();
    // p1 goes while it is decoded ahead, p2 before its turn, and what shows at 3.5 s while
    // it is on screen.
    m.avant_decodage = [this](const std::string& chemin) {
        if (chemin == photo(1)) m.supprimer_fichier(photo(1));
    };
    m.action_a(500, [this] { m.supprimer_fichier(photo(2)); });
    m.action_a(3500, [this] { m.supprimer_fichier(d.image_courante); });
    m.touche_a(9500, TOUCHE_A);
    ASSERT_EQ(s.demarrer(), std::nullopt);
    EXPECT_GE(m.ms, 9500);
    EXPECT_EQ(nombre_de(photo(1)), 0);
    EXPECT_EQ(nombre_de(photo(2)), 0);
    EXPECT_TRUE(m.messages.empty());
    EXPECT_TRUE(jamais_rouge());
    // One picture is left, shown again and again.
    EXPECT_EQ(d.catalogue.nombre(), 1);
    EXPECT_GE(nombre_de(d.catalogue.chemin(0)), 3);
}

TEST_F(Disparues, UnRepertoireEffacePartTout) {
    preparer(2);
    for (int i = 0; i < 30; ++i) {
        m.creer_fichier("C:\\Photos\\Noël 2019\\n" + std::to_string(i) + ".jpg", jpeg_simule(400, 300));
        m.creer_fichier("C:\\Photos\\Noël 2019\\sous\\s" + std::to_string(i) + ".jpg", jpeg_simule(400, 300));
    }
    m.supprimer_fichier(FICHIER_MARQUEUR);  // scanned at this start
    m.action_a(1500, [this] { m.supprimer_arbre("C:\\Photos\\Noël 2019"); });
    int vues_apres = 0;
    m.touche_a(8000, TOUCHE_A);
    // A picture put on screen, not the frames of its fade.
    const ImagePrete* montree = nullptr;
    d.forme.sur_modification = [&](Controle* c) {
        if (c != &d.Image2 || d.Image2.image().get() == montree) return;
        montree = d.Image2.image().get();
        if (m.ms > 1600 && d.image_courante.find("Noël") != std::string::npos) ++vues_apres;
    };
    ASSERT_EQ(s.demarrer(), std::nullopt);
    EXPECT_EQ(vues_apres, 0);
    // Found gone at the first of them: all 60 left at once, not one at their turn each.
    EXPECT_EQ(d.catalogue.nombre(), 2);
    EXPECT_TRUE(m.messages.empty());
}

TEST_F(Disparues, UneRacineQuiSEnVaEstAttendueEtGardee) {
    // Two roots; the second, a USB disk, is pulled out during the show and plugged back.
    preparer(2);
    m.creer_texte(FICHIER_REPERTOIRES, "C:\\Photos\r\nE:\\Clé\r\n");
    for (int i = 0; i < 3; ++i) m.creer_fichier("E:\\Clé\\c" + std::to_string(i) + ".jpg", jpeg_simule(400, 300));
    m.supprimer_fichier(FICHIER_MARQUEUR);
    m.action_a(2500, [this] { m.supprimer_arbre("E:\\Clé"); });
    double retour = 0;
    m.action_a(40000, [&] {
        for (int i = 0; i < 3; ++i) m.creer_fichier("E:\\Clé\\c" + std::to_string(i) + ".jpg", jpeg_simule(400, 300));
        retour = m.ms;
    });
    std::vector<std::pair<double, std::string>> vues_;
    d.forme.sur_modification = [&](Controle* c) {
        if (c == &d.Image2 && (vues_.empty() || vues_.back().second != d.image_courante))
            vues_.push_back({m.ms, d.image_courante});
    };
    m.touche_a(120000, TOUCHE_A);
    ASSERT_EQ(s.demarrer(), std::nullopt);
    EXPECT_TRUE(m.messages.empty());
    // Away, its pictures wait in the catalogue; back, they come again.
    EXPECT_EQ(d.catalogue.nombre(), 5);
    bool pendant = false, apres = false;
    for (const auto& [t, chemin] : vues_) {
        const bool cle = chemin.rfind("E:\\Clé", 0) == 0;
        if (cle && t > 3500 && t < retour) pendant = true;
        if (cle && t > retour) apres = true;
    }
    EXPECT_FALSE(pendant);
    EXPECT_TRUE(apres);
    // Nothing of it is lost: the roots and the cache are as they were.
    s.executer([this] { d.quitter(); });
    EXPECT_EQ(m.texte(FICHIER_REPERTOIRES), "C:\\Photos\r\nE:\\Clé\r\n");
    EXPECT_EQ(lire_cache(m).nombre(), 5);
}

TEST_F(Disparues, UneSorteSansCodecEstMiseDeCoteEtLePanneauLeDitUneFois) {
    preparer(2);
    surveiller_rouge();
    m.codecs_absents = {".heic"};
    for (int i = 0; i < 3; ++i) m.creer_fichier(PHOTOS + "\\IMG_" + std::to_string(i) + ".HEIC", jpeg_simule(400, 300));
    m.supprimer_fichier(FICHIER_MARQUEUR);  // scanned at this start
    m.touche_a(6000, VK_ESPACE);
    m.touche_a(7000, TOUCHE_A);
    ASSERT_EQ(s.demarrer(), std::nullopt);
    EXPECT_TRUE(jamais_rouge());
    EXPECT_TRUE(m.messages.empty());
    for (const std::string& l : d.historique.lignes) EXPECT_FALSE(l.ends_with(".HEIC")) << l;
    EXPECT_GE(nombre_de(photo(1)), 2);
    // Tried once, the kind is known: the other HEIC files are not even opened.
    const std::vector<std::string> decodes = m.liste_decodages();
    EXPECT_EQ(std::count_if(decodes.begin(), decodes.end(), [](const std::string& c) { return c.ends_with(".HEIC"); }), 1);
    // Paused, the panel says how many and what to install; the catalogue keeps them.
    EXPECT_TRUE(d.Panel1.visible());
    EXPECT_TRUE(d.Label6.visible());
    EXPECT_EQ(d.Label6.legende(), "3 images HEIC mises de côté : pour les voir, installez « Extensions d'image HEIF » et "
                                  "« Extensions vidéo HEVC » depuis le Microsoft Store.");
    EXPECT_EQ(d.catalogue.nombre(), 5);
}

TEST_F(Disparues, UnNomQuiMentSurSaSorteNEcartePasTouteSonExtension) {
    // The machine decodes no ".jpg" here: as files of another kind named .jpg would be.
    preparer(2);
    m.codecs_absents = {".jpg"};
    m.creer_fichier(PHOTOS + "\\x.png", jpeg_simule(400, 300));
    m.supprimer_fichier(FICHIER_MARQUEUR);
    m.touche_a(5000, TOUCHE_A);
    ASSERT_EQ(s.demarrer(), std::nullopt);
    // Each is passed over at its turn, none set aside, nothing told.
    const std::vector<std::string> decodes = m.liste_decodages();
    EXPECT_GE(std::count(decodes.begin(), decodes.end(), photo(0)), 2);
    EXPECT_GE(nombre_de(PHOTOS + "\\x.png"), 3);
    const std::vector<std::string> vues_ = montrees();
    EXPECT_EQ(std::count(vues_.begin(), vues_.end(), photo(0)), 0);
    EXPECT_FALSE(d.Label6.visible() && d.Label6.legende().find("de côté") != std::string::npos);
}

TEST_F(Disparues, ToutEstParti) {
    preparer(3);
    for (int i = 0; i < 3; ++i) m.supprimer_fichier(photo(i));
    ASSERT_EQ(s.demarrer(), std::nullopt);
    // Nothing to show: the panel, as for an empty catalogue, and no spinning.
    EXPECT_TRUE(d.Panel1.visible());
    EXPECT_TRUE(d.catalogue.vide());
    EXPECT_TRUE(m.messages.empty());
    EXPECT_LT(m.ms, 2000);
}

TEST_F(Disparues, LHistoireEnjambeLesImagesPartiesEtLaListeAussi) {
    preparer(5);
    m.creer_repertoire_complet("D:\\x");
    m.creer_fichier("D:\\x\\b.jpg", jpeg_simule(40, 30));
    ecrire_lignes(m, FICHIER_REP_COURANT, {"D:\\x", "a.jpg", "b.jpg"});  // a.jpg is not there
    // Five pictures, then a pause; p3 and p2 go meanwhile; three steps back.
    m.touche_a(5500, VK_ESPACE);
    m.action_a(5600, [this] {
        m.supprimer_fichier(photo(3));
        m.supprimer_fichier(photo(2));
    });
    m.touche_a(6000, VK_GAUCHE);
    m.touche_a(7000, VK_GAUCHE);
    m.touche_a(8000, VK_GAUCHE);
    std::vector<std::string> pas;
    d.forme.sur_modification = [&](Controle* c) {
        if (c == &d.Image2 && m.ms > 5900 && (pas.empty() || pas.back() != d.image_courante)) pas.push_back(d.image_courante);
    };
    m.touche_a(9000, VK_ECHAP);
    EXPECT_EQ(s.demarrer(), 1);
    // Shown: b.jpg from the list (a.jpg passed over), p1 to p4, p0; back from p0: p4, then
    // p1 over the two gone, then b.jpg.
    EXPECT_EQ(std::vector<std::string>(d.historique.lignes.begin() + 1, d.historique.lignes.end()),
              (std::vector<std::string>{"D:\\x\\b.jpg", photo(1), photo(2), photo(3), photo(4), photo(0)}));
    EXPECT_EQ(pas, (std::vector<std::string>{photo(4), photo(1), "D:\\x\\b.jpg"}));
}

}  // namespace
}  // namespace nocturo::test
