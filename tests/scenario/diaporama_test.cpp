// The slideshow on the simulated machine: effects and their pacing, keys, history browsing
// and replay, the mouse, the current-directory list, bad files, preloading, re-entry.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "scenario/diaporama_outils.h"
#include "util/fichiers.h"

namespace nocturo::test {
namespace {

TEST_F(Diaporama, EffetZeroTroisImagesAjusteesChacuneUneSeconde) {
    preparer(3);
    m.touche_a(3500, TOUCHE_A);  // during the fourth picture's wait: the show stops after it
    ASSERT_EQ(s.demarrer(), std::nullopt);
    EXPECT_EQ(montrees(), (std::vector<std::string>{photo(0), photo(1), photo(2), photo(0)}));
    ASSERT_GE(vues.size(), 4u);
    for (const Vue& v : vues) {
        EXPECT_EQ(v.cadre.gauche, 240);
        EXPECT_EQ(v.cadre.haut, 0);
        EXPECT_EQ(v.cadre.largeur, 1440);
        EXPECT_EQ(v.cadre.hauteur, 1080);
    }
    EXPECT_NEAR(vues[1].ms - vues[0].ms, 1000, 20);  // dt0_a, and a millisecond a message pump
    EXPECT_EQ(vues[0].legende, "(0/3)  Photos");
    EXPECT_EQ(d.Edit_indice_non_aleatoire.texte(), "0");
    EXPECT_EQ(d.Label13.legende(), "3 images");
    EXPECT_EQ(d.Label_repertoire.legende(), PHOTOS);
    EXPECT_EQ(d.Label_nom_img.legende(), "p0.jpg");
    EXPECT_FALSE(d.Panel1.visible());
    EXPECT_EQ(d.forme.couleur, NOIR);
    EXPECT_TRUE(d.sauver_en_quittant);  // the position moved: it is kept at the next quit
}

// Whether the panel showed before the first picture of a start, from the cache or not.
class PanneauAuDemarrage : public Diaporama, public testing::WithParamInterface<bool> {};

TEST_P(PanneauAuDemarrage, SeulUnParcoursLeMontreAvantLaPremiereImage) {
    // From the cache the first picture comes at once: a panel before it would only flash.
    // A scan keeps the panel while it walks.
    const bool depuis_le_cache = GetParam();
    preparer(2);
    if (!depuis_le_cache) m.supprimer_fichier(FICHIER_MARQUEUR);
    const auto noter = d.forme.sur_modification;
    bool panneau_avant = false;
    d.forme.sur_modification = [&](Controle* c) {
        if (vues.empty() && d.Panel1.visible()) panneau_avant = true;
        noter(c);
    };
    // Nor the design's placeholders when the window first shows.
    std::vector<std::string> legendes;
    d.forme.sur_afficher = [&] {
        for (const Label* l : {&d.Label_an, &d.Label_options, &d.Label6}) legendes.push_back(l->legende());
    };
    m.touche_a(3000, VK_ECHAP);
    EXPECT_EQ(s.demarrer(), 1);
    EXPECT_FALSE(vues.empty());
    EXPECT_EQ(panneau_avant, !depuis_le_cache);
    EXPECT_EQ(legendes, (std::vector<std::string>{"", "", TEXTE_PATIENTEZ}));
}

INSTANTIATE_TEST_SUITE_P(CacheOuParcours, PanneauAuDemarrage, testing::Bool());

TEST_F(Diaporama, LegendeRepertoireEtNomSansPoints) {
    preparer(1, {"RadioGroup_titre_ecran.ItemIndex = 2"});
    m.creer_fichier("C:\\Photos\\2014.10 Avignon\\img.01.jpg", jpeg_simule(40, 30));
    ecrire_lignes(m, FICHIER_REP_COURANT, {"C:\\Photos\\2014.10 Avignon", "img.01.jpg"});
    m.touche_a(500, TOUCHE_A);
    ASSERT_EQ(s.demarrer(), std::nullopt);
    ASSERT_FALSE(vues.empty());
    // The numbers are the catalogue draw's, the directory the list's.
    EXPECT_EQ(vues[0].legende, "(0/1)  2014 10 Avignon \\ img 01 jpg");
}

TEST_F(Diaporama, UneToucheDuranteLeZoomNeFaitQueLeRaccourcir) {
    preparer(2, {"Rdg1.ItemIndex = 3", "dt3_a = 1000", "dt3_b = 1000"});
    // The zoom starts after a second; the key falls in it.
    m.touche_a(1500, TOUCHE_A);
    m.touche_a(6000, VK_ECHAP);
    ASSERT_EQ(s.demarrer(), 1);
    ASSERT_GE(montrees().size(), 2u);  // the show went on after the shortened zoom
    EXPECT_EQ(montrees()[1], photo(1));
    EXPECT_LT(m.rafraichissements, 251 + 251);
    // Widths of the first picture: from the fit width up, never beyond the target.
    int plus_large = 0;
    for (const Vue& v : vues)
        if (v.ms < 2500) plus_large = std::max(plus_large, v.cadre.largeur);
    EXPECT_GT(plus_large, 1440);
    EXPECT_LT(plus_large, 3072);
}

TEST_F(Diaporama, LeZoomDureUnRafraichissementParPas) {
    preparer(1, {"Rdg1.ItemIndex = 4", "dt4_a = 0", "dt4_b = 0", "inc_dx = 60"});
    m.touche_a(5000, VK_ECHAP);
    EXPECT_EQ(s.demarrer(), 1);
    // 61 frames a picture at 60 Hz: just over a second each.
    EXPECT_GE(m.rafraichissements, 61 * 4);
    EXPECT_LE(m.rafraichissements, 61 * 5);
}

// Every duration at 0, whatever the effect: each picture still stays half a second, Esc
// is still heard at once, and the file keeps the zeros the user wrote.
class DureesNulles : public Diaporama, public testing::WithParamInterface<int> {};

TEST_P(DureesNulles, ChaqueImageResteUneDemiSeconde) {
    std::vector<std::string> p = {"Rdg1.ItemIndex = " + std::to_string(GetParam()), "inc_dx = 60",
                                  "RadioGroup_titre_ecran.ItemIndex = 2"};
    for (const char* d : {"dt0_a", "dt1_a", "dt2_a", "dt2_b", "dt3_a", "dt3_b", "dt4_a", "dt4_b", "dt5_a", "dt5_b"})
        p.push_back(std::string(d) + " = 0");
    preparer(3, p);
    m.touche_a(5030, VK_ECHAP);
    EXPECT_EQ(s.demarrer(), 1);
    EXPECT_NEAR(m.ms, 5030, 120);
    ASSERT_GE(vues.size(), GetParam() < 3 ? 9u : 4u);  // the zoom takes a second of frames
    EXPECT_LE(vues.size(), 11u);
    for (size_t i = 1; i < vues.size(); ++i) EXPECT_GE(vues[i].ms - vues[i - 1].ms, 500) << i;
    const std::string prm = m.contenu(FICHIER_PARAMETRES);
    EXPECT_NE(prm.find("dt0_a = 0\r\n"), std::string::npos);
    EXPECT_NE(prm.find("dt5_b = 0\r\n"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(ChaqueEffet, DureesNulles, testing::Range(0, 6));

TEST_F(Diaporama, EspacePuisTroisPasEnArriereEtEspaceRejoueLesImagesSuivantes) {
    preparer(5);
    m.touche_a(4500, VK_ESPACE);  // pause during the fifth picture
    for (double t : {5000, 5100, 5200}) m.touche_a(t, VK_GAUCHE);
    m.touche_a(6000, VK_ESPACE);  // resume: the three newer pictures come again first
    m.touche_a(11500, TOUCHE_A);
    ASSERT_EQ(s.demarrer(), std::nullopt);
    EXPECT_EQ(montrees(), (std::vector<std::string>{photo(0), photo(1), photo(2), photo(3), photo(4), photo(0),
                                                    photo(1)}));
    std::vector<std::string> legendes;
    for (const Vue& v : vues) legendes.push_back(v.legende);
    const std::vector<std::string> attendues = {
        "(0/5)  Photos", "(1/5)  Photos", "(2/5)  Photos", "(3/5)  Photos", "(4/5)  Photos",
        // The steps back, the panel open: the history position and the directory.
        " [4 / 5]  C:\\Photos", " [3 / 5]  C:\\Photos", " [2 / 5]  C:\\Photos",
        // The replay: the path, its dots made commas.
        "C:\\Photos\\p1,jpg", "C:\\Photos\\p2,jpg", "C:\\Photos\\p3,jpg", "C:\\Photos\\p4,jpg",
        "(0/5)  Photos", "(1/5)  Photos"};
    EXPECT_EQ(legendes, attendues);
    EXPECT_EQ(m.sons.size(), 3u);  // a short tone a step
    // A step shows the picture whole, in its own proportions.
    EXPECT_EQ(vues[6].cadre.largeur, 1440);
    EXPECT_FALSE(d.Panel1.visible());
    EXPECT_EQ(m.curseur, CURSEUR_AUCUN);
}

TEST_F(Diaporama, LesFlechesSontBorneesAuxDeuxBoutsDeLHistorique) {
    preparer(2);
    m.touche_a(2500, VK_ESPACE);
    for (int k = 0; k < 8; ++k) m.touche_a(2600 + 10 * k, VK_GAUCHE);
    m.touche_a(3000, TOUCHE_A);  // ends the browsing, the panel stays
    ASSERT_EQ(s.demarrer(), std::nullopt);
    ASSERT_EQ(d.historique.lignes.size(), 4u);  // the file's line and three pictures
    EXPECT_EQ(d.historique.indice, 0);
    EXPECT_EQ(d.Label21.legende(), "0/3");
    EXPECT_TRUE(d.Button_avance.police().gras);  // newer pictures exist
    EXPECT_TRUE(d.Panel1.visible());
    EXPECT_EQ(m.curseur, d.curseur_normal);

    for (int k = 0; k < 8; ++k) m.touche_a(3100 + 10 * k, VK_DROITE);
    m.touche_a(3500, TOUCHE_A);
    ASSERT_EQ(s.attendre_jusqu_a(4000), std::nullopt);
    EXPECT_EQ(d.historique.indice, 3);
    EXPECT_EQ(d.Label21.legende(), "3/3");
    EXPECT_FALSE(d.Button_avance.police().gras);
    EXPECT_EQ(d.image_courante, photo(0));
    // The buttons send the same keys.
    m.touche_a(m.ms + 100, TOUCHE_A);
    ASSERT_EQ(s.executer([&] { d.Button_retour.cliquer(); }), std::nullopt);
    EXPECT_EQ(d.historique.indice, 2);
}

struct CasSortie {
    const char* quand;
    double ms;
    int touche;
    std::vector<std::string> parametres;
};

void PrintTo(const CasSortie& c, std::ostream* os) { *os << c.quand; }

class SortieAuClavier : public Diaporama, public testing::WithParamInterface<CasSortie> {};

TEST_P(SortieAuClavier, EchapEtQTerminentAvecLeCode1) {
    preparer(3, GetParam().parametres);
    m.touche_a(1500, VK_ESPACE);  // paused from 1.5 s on, for the cases that come after it
    m.touche_a(GetParam().ms, GetParam().touche);
    EXPECT_EQ(s.demarrer(), 1);
    EXPECT_NEAR(m.ms, GetParam().ms, 120);  // at once, or at the next step of a wait
}

INSTANTIATE_TEST_SUITE_P(
    Partout, SortieAuClavier,
    testing::Values(CasSortie{"echap pendant l'attente d'une image", 500, VK_ECHAP, {}},
                    CasSortie{"q pendant l'attente d'une image", 500, VK_Q, {}},
                    CasSortie{"echap pendant le zoom", 1200, VK_ECHAP, {"Rdg1.ItemIndex = 3", "dt3_a = 1000"}},
                    CasSortie{"q pendant le zoom", 1200, VK_Q, {"Rdg1.ItemIndex = 5", "dt5_a = 1000"}},
                    CasSortie{"echap en pause", 2500, VK_ECHAP, {}},
                    CasSortie{"q en pause", 2500, VK_Q, {}}));

TEST_F(Diaporama, LaSourisRapideQuitteSeulementPanneauCache) {
    preparer(3);
    // Paused at 1 s: a fast move does nothing. Running again at 3 s: the same move quits.
    m.touche_a(1000, VK_ESPACE);
    m.souris_a(1500, 300, 540);
    m.souris_a(1700, 1800, 540);
    m.souris_a(2000, 1800, 100);  // vertical, fast: nothing
    m.touche_a(3000, VK_ESPACE);
    m.souris_a(3500, 200, 100);
    EXPECT_EQ(s.demarrer(), 1);
    EXPECT_GE(m.ms, 3500);
    EXPECT_LT(m.ms, 3800);
}

TEST_F(Diaporama, LaListeDuRepertoireCourantPasseAvantLeCatalogue) {
    preparer(3);
    for (const char* n : {"a.jpg", "b.jpg"}) m.creer_fichier(std::string("D:\\x\\") + n, jpeg_simule(40, 30));
    m.creer_repertoire_complet("D:\\x");
    ecrire_lignes(m, FICHIER_REP_COURANT, {"D:\\x", "a.jpg", "b.jpg"});
    bool vue_entre_les_deux = false;
    d.Label_nom_img.sur_clic = nullptr;
    m.touche_a(3500, TOUCHE_A);
    m.sur_minuterie = [&] {
        if (d.image_courante == "D:\\x\\b.jpg") vue_entre_les_deux |= m.contenu(FICHIER_REP_COURANT) == "D:\\x\r\n";
        d.tic_minuterie();
    };
    ASSERT_EQ(s.demarrer(), std::nullopt);
    EXPECT_EQ(montrees(), (std::vector<std::string>{"D:\\x\\a.jpg", "D:\\x\\b.jpg", photo(2), photo(0)}));
    EXPECT_TRUE(vue_entre_les_deux);
    EXPECT_FALSE(m.fichier_existe(FICHIER_REP_COURANT));
    // The catalogue draws went on meanwhile.
    EXPECT_EQ(d.Edit_indice_non_aleatoire.texte(), "0");
}

TEST_F(Diaporama, FichiersSansChargeurSautesIllisiblesEnRougeDeuxSecondes) {
    preparer(1);
    m.creer_repertoire_complet("D:\\x");
    m.creer_fichier("D:\\x\\IMG_1.JPG.xmp", jpeg_simule(40, 30));
    m.creer_fichier("D:\\x\\film.mp4", "film");
    m.creer_fichier("D:\\x\\abime.jpg", "pas une image");
    ecrire_lignes(m, FICHIER_REP_COURANT, {"D:\\x", "IMG_1.JPG.xmp", "film.mp4", "abime.jpg"});
    std::vector<std::pair<double, Couleur>> couleurs;
    d.forme.sur_modification = [&](Controle* c) {
        if (!c && (couleurs.empty() || couleurs.back().second != d.forme.couleur)) couleurs.push_back({m.ms, d.forme.couleur});
    };
    m.touche_a(2500, TOUCHE_A);
    ASSERT_EQ(s.demarrer(), std::nullopt);
    EXPECT_EQ(montrees(), (std::vector<std::string>{"D:\\x\\IMG_1.JPG.xmp", "D:\\x\\film.mp4", "D:\\x\\abime.jpg",
                                                    photo(0)}));
    // The two skipped at once, then two seconds of red for the damaged one, then black.
    ASSERT_GE(couleurs.size(), 2u);
    const auto rouge = std::find_if(couleurs.begin(), couleurs.end(), [](const auto& c) { return c.second == ROUGE; });
    ASSERT_NE(rouge, couleurs.end());
    EXPECT_LT(rouge->first, 100);
    EXPECT_GE(m.ms, 2000);
    EXPECT_TRUE(m.messages.empty());
}

TEST_F(Diaporama, OrdreAleatoireParGroupesDeTirages) {
    preparer(40, {"CheckBox_rnd.Checked = true", "rayon_rnd = 3", "nb_fouille = 4"});
    m.touche_a(11500, TOUCHE_A);
    ASSERT_EQ(s.demarrer(), std::nullopt);
    const std::vector<std::string> vues_ = montrees();
    ASSERT_EQ(vues_.size(), 12u);
    const auto position = [](const std::string& p) { return std::stoi(p.substr(p.rfind("\\p") + 2)); };
    for (size_t g = 0; g < 12; g += 4) {
        const int centre = position(vues_[g]);
        std::set<int> suite;
        for (size_t k = 1; k < 4; ++k) suite.insert(position(vues_[g + k]));
        // Three pictures among the three after the fresh draw (the last one repeats at the end).
        EXPECT_GE(*suite.begin(), std::min(centre + 1, 39)) << g;
        EXPECT_LE(*suite.rbegin(), std::min(centre + 3, 39)) << g;
    }
}

TEST(Paquet, SansRepetitionDUnDemarrageALAutreNouveauPaquetApresUnParcours) {
    // Thirty pictures, every draw fresh: twelve in a first run, fifteen in a second; the
    // next picture is drawn ahead of its turn, and that draw is not lost by the restart.
    std::map<std::string, std::string> etat;
    std::vector<std::string> vues;
    uint64_t graine = 0;
    for (int run = 0; run < 3; ++run) {
        Scenario s;
        PlateformeSimulee& m = s.machine;
        for (int i = 0; i < 30; ++i) m.creer_fichier(photo(i), jpeg_simule(40, 30));
        for (const auto& [f, c] : etat) m.creer_fichier(f, c);
        if (run == 0) {
            m.creer_fichier(FICHIER_REPERTOIRES, PHOTOS + "\r\n");
            m.creer_fichier(FICHIER_HISTORIQUE, photo(0) + "\r\n");
            ecrire_lignes(m, FICHIER_PARAMETRES, {"nb_fouille = 1", "dt0_a = 1000"});
        }
        if (run == 2) m.supprimer_fichier(FICHIER_MARQUEUR);  // reset: a new catalogue
        m.touche_a(run == 0 ? 11500 : 14500, VK_ECHAP);
        s.diapo->sauver_en_quittant = true;
        EXPECT_EQ(s.demarrer(), 1);
        const auto& l = s.diapo->historique.lignes;
        if (run < 2) vues.insert(vues.end(), l.end() - (run == 0 ? 12 : 15), l.end());
        if (run == 1) {
            EXPECT_EQ(s.diapo->paquet.etat().graine, graine);
        } else if (run == 2) {
            // A new deck for the new catalogue: its cursor counts this run's draws only.
            EXPECT_LE(s.diapo->paquet.etat().curseur, 16);
        }
        graine = s.diapo->paquet.etat().graine;
        etat.clear();
        for (const std::string& f : {FICHIER_REPERTOIRES, FICHIER_PARAMETRES, FICHIER_HISTORIQUE, FICHIER_CACHE_REP,
                                     FICHIER_CACHE_IMAGES, FICHIER_MARQUEUR, FICHIER_PAQUET})
            if (m.fichier_existe(f)) etat[f] = m.contenu(f);
    }
    EXPECT_EQ(std::set<std::string>(vues.begin(), vues.end()).size(), 27u);
}

TEST_F(Diaporama, ChaqueMoniteurCouvertLeSecondEcouteAussi) {
    preparer(3);
    m.autres_moniteurs = {{-1280, 0, 1280, 1024, false}};
    std::vector<Moniteur> faits;
    d.sur_ecrans_noirs = [&](const std::vector<Moniteur>& e) { faits = e; };
    // A fast sideways move over the second monitor, left of the primary one, quits.
    m.souris_a(1900, -1200, 500);
    m.souris_a(2100, -200, 500);
    EXPECT_EQ(s.demarrer(), 1);
    EXPECT_EQ(faits, (std::vector<Moniteur>{{-1280, 0, 1280, 1024, false}}));
    EXPECT_EQ(d.forme.bornes.gauche, 0);
    EXPECT_EQ(d.forme.bornes.largeur, 1920);
    EXPECT_LT(m.ms, 2500);
}

// Runs the same show with the preload on or off; gives what it showed and saved.
struct Deroulement {
    std::vector<std::string> historique;
    std::string parametres, fichier_historique;
    std::vector<std::string> decodages;
};

Deroulement derouler(bool precharger) {
    Scenario s;
    PlateformeSimulee& m = s.machine;
    for (int i = 0; i < 30; ++i)
        m.creer_fichier(photo(i), jpeg_simule(1000 + 10 * i, 800, i % 9, 0x203040 + static_cast<uint32_t>(i)));
    m.creer_fichier(FICHIER_REPERTOIRES, PHOTOS + "\r\n");
    m.creer_fichier(FICHIER_HISTORIQUE, photo(0) + "\r\n");
    ecrire_lignes(m, FICHIER_PARAMETRES, {"rayon_rnd = 4", "nb_fouille = 3", "Rdg1.ItemIndex = 2", "dt2_a = 300",
                                          "dt2_b = 300"});
    s.diapo->prechargement_actif = precharger;
    m.touche_a(9000, VK_ESPACE);
    m.touche_a(9200, VK_GAUCHE);
    m.touche_a(9400, VK_ESPACE);
    m.touche_a(14000, VK_ECHAP);
    s.diapo->sauver_en_quittant = true;
    EXPECT_EQ(s.demarrer(), 1);
    return {s.diapo->historique.lignes, m.contenu(FICHIER_PARAMETRES), m.contenu(FICHIER_HISTORIQUE),
            m.liste_decodages()};
}

TEST(Prechargement, LesImagesMontreesEtSauveesSontCellesDUnDeroulementSansLui) {
    const Deroulement avec = derouler(true), sans = derouler(false);
    ASSERT_GT(sans.historique.size(), 20u);
    EXPECT_EQ(avec.historique, sans.historique);
    EXPECT_EQ(avec.parametres, sans.parametres);
    EXPECT_EQ(avec.fichier_historique, sans.fichier_historique);
    // Each picture decoded once, the next one before its turn; beyond those, at most the one
    // chosen before the pause, which the history steps set aside, and the last one ahead
    // (whether its decode starts before Esc depends on the preloader's thread).
    EXPECT_LE(avec.decodages.size(), sans.decodages.size() + 2);
    EXPECT_GE(avec.decodages.size(), sans.decodages.size());
}

TEST_F(Diaporama, DixMilleFlechesEtEspacesNeCreusentPasLaPile) {
    preparer(4, {"dt0_a = 300"});
    // The depth of the stack at each key, from the address of a local of the handler.
    uintptr_t plus_haut = 0, plus_bas = UINTPTR_MAX;
    m.sur_touche = [&](int touche) {
        const char repere = 0;
        const auto a = reinterpret_cast<uintptr_t>(&repere);
        plus_haut = std::max(plus_haut, a);
        plus_bas = std::min(plus_bas, a);
        d.touche_relachee(touche);
    };
    const int sequence[] = {VK_ESPACE, VK_GAUCHE, VK_DROITE, VK_GAUCHE, VK_ESPACE, VK_DROITE, VK_DROITE};
    // Two Spaces in each seven keys: the storm leaves the show running, as before it.
    for (int k = 0; k < 10003; ++k) m.touche_a(1000 + k, sequence[k % 7]);
    m.touche_a(20000, VK_ESPACE);  // pause after the storm
    m.touche_a(20100, VK_GAUCHE);
    m.touche_a(20200, TOUCHE_A);
    ASSERT_EQ(s.demarrer(), std::nullopt);
    EXPECT_LT(plus_haut - plus_bas, 64u * 1024u);
    // The show is still sound: paused, one step back from the newest picture.
    EXPECT_TRUE(d.Panel1.visible());
    EXPECT_FALSE(defile(d.automate()));
    EXPECT_EQ(d.historique.indice, static_cast<int>(d.historique.lignes.size()) - 2);
    for (const std::string& p : d.historique.lignes) EXPECT_EQ(p.rfind(PHOTOS, 0), 0u) << p;
}

}  // namespace
}  // namespace nocturo::test

namespace nocturo::test {
namespace {

TEST_F(Diaporama, LAnneeEstCelleDeLaPriseDeVueQuandLeRepertoireNeLaDitPas) {
    // Copied onto this machine in 2026 (its clock), taken in 2003 and 2011.
    preparer(1, {"CheckBox_af_an.Checked = true", "RadioGroup_titre_ecran.ItemIndex = 1"});
    const std::vector<std::pair<std::string, std::string>> images = {
        {"C:\\Photos\\vacances\\plage.jpg", "2003:07:14 10:21:00"},
        {"C:\\Photos\\2014-10 Avignon\\pont.jpg", "2011:05:01 09:00:00"},  // the folder's date first
        {"C:\\Photos\\vacances\\sans date.jpg", ""},                       // the file's creation
        {"C:\\Photos\\vacances\\date vide.jpg", "    :  :     :  :  "},
    };
    for (const auto& [chemin, date] : images) m.creer_fichier(chemin, jpeg_simule(400, 300, 0, 0x123456, date));
    ecrire_lignes(m, FICHIER_REP_COURANT, {"C:\\Photos\\vacances", "plage.jpg"});
    std::map<std::string, std::string> annees;
    d.forme.sur_modification = [&](Controle* c) {
        if (c == &d.Label_an || c == &d.Image2) annees[d.image_courante] = d.Label_an.legende();
    };
    m.touche_a(1500, TOUCHE_A);
    ASSERT_EQ(s.demarrer(), std::nullopt);
    EXPECT_EQ(annees["C:\\Photos\\vacances\\plage.jpg"], "2003");
    for (const auto& [chemin, attendue] : std::vector<std::pair<std::string, std::string>>{
             {"C:\\Photos\\2014-10 Avignon\\pont.jpg", "2014"},
             {"C:\\Photos\\vacances\\sans date.jpg", "2026"},
             {"C:\\Photos\\vacances\\date vide.jpg", "2026"}}) {
        d.image_courante = chemin;
        d.poser_image(d.obtenir_image(chemin), chemin, false);
        d.afficher_annee_et_filtres();
        EXPECT_EQ(d.Label_an.legende(), attendue) << chemin;
    }
}

}  // namespace
}  // namespace nocturo::test

namespace nocturo::test {
namespace {

TEST_F(Diaporama, ParGroupesAuHasardChaqueImageUneFoisParCycle) {
    // The default groups: a fresh draw, then two more within five positions after it.
    preparer(9, {"CheckBox_rnd.Checked = true", "dt0_a = 1000"});
    m.touche_a(18500, TOUCHE_A);
    ASSERT_EQ(s.demarrer(), std::nullopt);
    const std::vector<std::string> v = montrees();
    ASSERT_GE(v.size(), 18u);
    EXPECT_EQ(std::set<std::string>(v.begin(), v.begin() + 9).size(), 9u);
    EXPECT_EQ(std::set<std::string>(v.begin() + 9, v.begin() + 18).size(), 9u);
}

}  // namespace
}  // namespace nocturo::test

namespace nocturo::test {
namespace {

// The fade's frames as the picture control saw them: when, how far, from which picture to
// which.
struct Trame {
    double ms;
    int opacite;
    const ImagePrete* avant;
    const ImagePrete* apres;
};

class Fondu : public Diaporama {
protected:
    void suivre() {
        d.forme.sur_modification = [this, vues = d.forme.sur_modification](Controle* c) {
            vues(c);
            if (c != &d.Image2) return;
            if (const Image::Fondu* f = d.Image2.fondu())
                trames.push_back({m.ms, f->opacite, f->image.get(), d.Image2.image().get()});
            else if (!trames.empty() && trames.back().opacite >= 0)
                trames.push_back({m.ms, -1, nullptr, d.Image2.image().get()});  // the end of a fade
        };
    }
    std::vector<Trame> trames;
};

TEST_F(Fondu, UneImageArriveEnFonduSurLaPrecedenteAChaqueRafraichissement) {
    // The settings a new user gets: 0.6 s, paced at the display's refresh, from the copies
    // already in memory.
    preparer(3, {"dt0_a = 2000"});
    suivre();
    m.touche_a(4500, TOUCHE_A);
    ASSERT_EQ(s.demarrer(), std::nullopt);
    ASSERT_FALSE(trames.empty());
    const size_t decodes_avant = m.liste_decodages().size();
    // The first fade: from the first picture to the second, opacity rising to its end.
    std::vector<Trame> premier;
    for (const Trame& t : trames) {
        if (t.opacite < 0) break;
        premier.push_back(t);
    }
    ASSERT_GE(premier.size(), 30u);
    EXPECT_LE(premier.size(), 40u);  // 36 refreshes in 0.6 s
    EXPECT_EQ(premier.front().opacite, 0);
    EXPECT_GT(premier.back().opacite, 240);
    for (size_t i = 1; i < premier.size(); ++i) {
        EXPECT_GE(premier[i].opacite, premier[i - 1].opacite) << i;
        EXPECT_EQ(premier[i].avant, premier[0].avant);
        EXPECT_NE(premier[i].avant, premier[i].apres);
    }
    EXPECT_NEAR(premier.back().ms - premier.front().ms, 600, 40);
    EXPECT_EQ(m.liste_decodages().size(), decodes_avant);
    // The pace is the user's: the second picture came 2 s after the first, fade included.
    ASSERT_GE(vues.size(), 2u);
    EXPECT_NEAR(vues[1].ms - vues[0].ms, 2000, 60);
    EXPECT_EQ(d.Image2.fondu(), nullptr);
}

TEST_F(Fondu, UneToucheEnCoursDeFonduAgitToutDeSuite) {
    const struct {
        const char* quoi;
        int touche;
    } cas[] = {{"fleche : l'image suivante", VK_DROITE}, {"Espace : la pause", VK_ESPACE}};
    for (const auto& c : cas) {
        Scenario s2;
        Tdiapo& d2 = *s2.diapo;
        PlateformeSimulee& m2 = s2.machine;
        for (int i = 0; i < 3; ++i) {
            m2.creer_fichier(photo(i), jpeg_simule(400, 300, 0, 0x102030 + static_cast<uint32_t>(i)));
        }
        Catalogue cat;
        for (int i = 0; i < 3; ++i) cat.ajouter(PHOTOS, "p" + std::to_string(i) + ".jpg");
        m2.creer_fichier(FICHIER_REPERTOIRES, PHOTOS + "\r\n");
        m2.creer_fichier(FICHIER_HISTORIQUE, photo(0) + "\r\n");
        ecrire_lignes(m2, FICHIER_PARAMETRES, {"CheckBox_rnd.Checked = false", "indice_non_aleatoire = 2"});
        ecrire_cache(cat, m2);
        bool vu = false;
        // Half way through the first fade (the second picture comes at 1 s).
        m2.action_a(1300, [&] {
            const Image::Fondu* f = d2.Image2.fondu();
            ASSERT_NE(f, nullptr) << c.quoi;
            ASSERT_GT(f->opacite, 60) << c.quoi;
            const ImagePrete* arrivant = d2.Image2.image().get();
            const std::string image = d2.image_courante;
            d2.touche_relachee(c.touche);
            vu = true;
            f = d2.Image2.fondu();
            if (c.touche == VK_ESPACE) {
                // The picture that was coming is there whole, the panel over it.
                EXPECT_EQ(f, nullptr) << c.quoi;
                EXPECT_EQ(d2.Image2.image().get(), arrivant) << c.quoi;
                EXPECT_TRUE(d2.Panel1.visible()) << c.quoi;
                EXPECT_EQ(d2.image_courante, image) << c.quoi;
            } else {
                // The next picture at once, fading in over the one that had come.
                ASSERT_NE(f, nullptr) << c.quoi;
                EXPECT_EQ(f->image.get(), arrivant) << c.quoi;
                EXPECT_EQ(f->opacite, 0) << c.quoi;
                EXPECT_NE(d2.image_courante, image) << c.quoi;
            }
        });
        m2.touche_a(3000, VK_ECHAP);
        EXPECT_EQ(s2.demarrer(), 1) << c.quoi;
        EXPECT_TRUE(vu) << c.quoi;
    }
}

TEST_F(Fondu, AZeroLImageSuivanteArriveSansFondu) {
    preparer(3, {"dt0_a = 1000"});
    m.creer_texte(FICHIER_PARAMETRES_PLUS, "fondu_enchaine_ms = 0\r\n");
    suivre();
    m.touche_a(3500, TOUCHE_A);
    ASSERT_EQ(s.demarrer(), std::nullopt);
    EXPECT_GE(vues.size(), 3u);
    EXPECT_TRUE(trames.empty());
}

}  // namespace
}  // namespace nocturo::test
