// The start-up decision between the cache and a scan, with the real scan and cache.
#include "catalogue/cache.h"
#include "scenario/catalogue_outils.h"
#include "sim/images_simulees.h"

namespace nocturo::test {
namespace {

const std::string HISTORIQUE = "C:\\nocturo\\img_affichees.lst";
const std::string LIGNE_HISTORIQUE = "C:\\Photos\\a.jpg";

struct CasDemarrage {
    const char* ce_qu_il_montre;
    bool marqueur, cache_rep, cache_images;
    bool charge;  // the cache is loaded rather than the disks walked
    bool historique_garde;
};

// Names the case in the test list instead of dumping its bytes.
void PrintTo(const CasDemarrage& c, std::ostream* os) { *os << c.ce_qu_il_montre; }

class DecisionDeDemarrage : public FenetreCatalogue, public testing::WithParamInterface<CasDemarrage> {};

TEST_P(DecisionDeDemarrage, ChargeOuParcourt) {
    const CasDemarrage& c = GetParam();
    m.creer_fichier("C:\\Photos\\a.jpg", jpeg_simule(40, 30));
    m.creer_fichier("C:\\Photos\\b.jpg", jpeg_simule(40, 30));
    m.creer_fichier("C:\\Ailleurs\\z.jpg", jpeg_simule(40, 30));
    m.creer_fichier("C:\\nocturo\\nocturo.rep", "C:\\Photos\r\n");
    m.creer_fichier(HISTORIQUE, LIGNE_HISTORIQUE + "\r\n");
    // A cache that disagrees with the disks, so the two roads can be told apart.
    std::string enregistrement(88, '\0');
    enregistrement.replace(4, 6, "\x05z.jpg");
    if (c.marqueur) m.creer_fichier(MARQUEUR, "");
    if (c.cache_rep) m.creer_fichier(CACHE_REP, "C:\\Ailleurs\r\n");
    if (c.cache_images) m.creer_fichier(CACHE_IMAGES, enregistrement);
    m.touche_a(5000, 65);  // ends the show that follows
    d.rafraichissement_actif = false;  // which would set the cache right

    ASSERT_EQ(s.demarrer(), std::nullopt);
    if (c.historique_garde)
        EXPECT_EQ(m.contenu(HISTORIQUE), LIGNE_HISTORIQUE + "\r\n");
    else
        EXPECT_FALSE(m.fichier_existe(HISTORIQUE));
    // The entries already loaded stay for this run, whatever became of the file; the show
    // appends after them.
    ASSERT_GE(d.historique.lignes.size(), 2u);
    EXPECT_EQ(d.historique.lignes.front(), LIGNE_HISTORIQUE);
    EXPECT_EQ(d.ListBox_passee.elements(), d.historique.lignes);
    EXPECT_TRUE(m.fichier_existe(MARQUEUR));
    if (c.charge) {
        EXPECT_EQ(images(), std::vector<std::string>{"C:\\Ailleurs\\z.jpg"});
        EXPECT_EQ(d.catalogue.repertoires(), std::vector<std::string>{"C:\\Ailleurs"});
        EXPECT_EQ(m.contenu(CACHE_IMAGES), enregistrement);
    } else {
        EXPECT_EQ(images(), (std::vector<std::string>{"C:\\Photos\\a.jpg", "C:\\Photos\\b.jpg"}));
        EXPECT_EQ(m.contenu(CACHE_REP), "C:\\Photos\r\n");
        EXPECT_EQ(decoder_cache({"C:\\Photos"}, m.contenu(CACHE_IMAGES)).nombre(), 2);
    }
    // With pictures the show ran: the panel and the cursor are hidden.
    EXPECT_FALSE(d.Panel1.visible());
    EXPECT_EQ(m.curseur, CURSEUR_AUCUN);
}

INSTANTIATE_TEST_SUITE_P(
    Cas, DecisionDeDemarrage,
    testing::Values(CasDemarrage{"marqueur et deux fichiers: chargement", true, true, true, true, true},
                    CasDemarrage{"marqueur sans liste des repertoires: parcours", true, false, true, false, true},
                    CasDemarrage{"marqueur sans table des images: parcours", true, true, false, false, true},
                    CasDemarrage{"sans marqueur: historique efface et parcours", false, true, true, false, false}));

TEST_F(FenetreCatalogue, UnCacheAbimeEstReconstruitUneFoisSansQuestion) {
    m.creer_fichier("C:\\Photos\\a.jpg", jpeg_simule(40, 30));
    m.creer_fichier("C:\\nocturo\\nocturo.rep", "C:\\Photos\r\n");
    m.creer_fichier(HISTORIQUE, LIGNE_HISTORIQUE + "\r\n");
    m.creer_fichier(MARQUEUR, "");
    m.creer_fichier(CACHE_REP, "C:\\Photos\r\n");
    m.creer_fichier(CACHE_IMAGES, std::string(88 + 40, '\0'));  // cut short by a crash
    m.touche_a(1500, 65);
    ASSERT_EQ(s.demarrer(), std::nullopt);
    EXPECT_TRUE(m.messages.empty());
    EXPECT_EQ(images(), std::vector<std::string>{"C:\\Photos\\a.jpg"});
    EXPECT_EQ(decoder_cache({"C:\\Photos"}, m.contenu(CACHE_IMAGES)).nombre(), 1);
    EXPECT_TRUE(m.fichier_existe(MARQUEUR));
    // The history stays: only the catalogue was damaged.
    EXPECT_EQ(d.historique.lignes.front(), LIGNE_HISTORIQUE);
    EXPECT_TRUE(m.fichier_existe(HISTORIQUE));
}

TEST_F(FenetreCatalogue, LesTemporairesDUneSauvegardeInterrompueSontEffaces) {
    for (const std::string& f : {FICHIER_PARAMETRES, FICHIER_HISTORIQUE, CACHE_IMAGES})
        m.creer_fichier(f + ".nouveau", "moitié");
    m.creer_fichier(FICHIER_PARAMETRES, "vmax = 70\r\n");
    ASSERT_EQ(s.demarrer(), std::nullopt);
    for (const std::string& f : {FICHIER_PARAMETRES, FICHIER_HISTORIQUE, CACHE_IMAGES})
        EXPECT_FALSE(m.fichier_existe(f + ".nouveau")) << f;
    EXPECT_EQ(d.reglages.vmax, 70);
}

}  // namespace
}  // namespace nocturo::test
