// The catalogue cache: both files byte for byte, the marker, damaged and failing files.
#include "scenario/catalogue_outils.h"
#include "util/erreurs.h"

namespace nocturo::test {
namespace {

class Cache : public Catalogue {
protected:
    // 3 pictures in 2 directories, one of them with a name of exactly 80 characters.
    void bibliotheque() {
        m.creer_fichier("C:\\Photos\\a.jpg");
        m.creer_fichier("C:\\Photos\\sous\\" + std::string(76, 'n') + ".jpg");
        m.creer_fichier("C:\\Photos\\sous\\c.bmp");
        racine("C:\\Photos");
        ASSERT_EQ(scanner(), std::nullopt);
        ASSERT_EQ(d.nb_images, 3);
    }
    void oublier_catalogue() {
        d.ListBox_rep.definir_elements({"vieux"});
        d.table_images.clear();
        d.nb_images = 99;
    }
};

TEST_F(Cache, AllerRetourDeTroisImagesDansDeuxRepertoires) {
    bibliotheque();
    const std::vector<std::string> chemins = images();
    d.sauver_catalogue();
    EXPECT_EQ(m.contenu(CACHE_REP), "C:\\Photos\r\nC:\\Photos\\sous\r\n");
    const std::string octets = m.contenu(CACHE_IMAGES);
    ASSERT_EQ(octets.size(), 264u);
    EXPECT_EQ(octets.substr(88, 10), std::string("\x01\0\0\0\x50nnnnn", 10));
    EXPECT_TRUE(m.fichier_existe(MARQUEUR));

    oublier_catalogue();
    d.charger_catalogue();
    EXPECT_EQ(d.nb_images, 3);
    EXPECT_EQ(images(), chemins);
    EXPECT_EQ(d.table_images.size(), 1000u);
    // Written back from what was read, the files do not change.
    d.sauver_catalogue();
    EXPECT_EQ(m.contenu(CACHE_IMAGES), octets);
}

TEST_F(Cache, UnCatalogueVideEffaceLeMarqueurEtLaisseLesFichiers) {
    m.creer_fichier(CACHE_REP, "C:\\Ancien\r\n");
    m.creer_fichier(CACHE_IMAGES, std::string(88, '\0'));
    racine("C:\\Vide");
    m.creer_repertoire_complet("C:\\Vide");
    ASSERT_EQ(scanner(), std::nullopt);
    EXPECT_TRUE(m.fichier_existe(MARQUEUR));
    d.sauver_catalogue();
    EXPECT_FALSE(m.fichier_existe(MARQUEUR));
    EXPECT_EQ(m.contenu(CACHE_REP), "C:\\Ancien\r\n");
    EXPECT_EQ(m.taille_fichier(CACHE_IMAGES), 88);
}

TEST_F(Cache, UnFichierDImagesVideDonneUnCatalogueVide) {
    m.creer_fichier(CACHE_REP, "C:\\Photos\r\n");
    m.creer_fichier(CACHE_IMAGES, "");
    oublier_catalogue();
    d.charger_catalogue();
    EXPECT_EQ(d.nb_images, 0);
    EXPECT_EQ(d.ListBox_rep.elements(), std::vector<std::string>{"C:\\Photos"});
}

TEST_F(Cache, UnEnregistrementIncompletEstUneErreurDeLecture) {
    std::string octets(88 + 30, '\0');
    octets[4] = 1;
    octets[5] = 'a';
    m.creer_fichier(CACHE_REP, "C:\\Photos\r\n");
    m.creer_fichier(CACHE_IMAGES, octets);
    m.creer_fichier(MARQUEUR, "");
    oublier_catalogue();
    try {
        d.charger_catalogue();
        ADD_FAILURE() << "no error";
    } catch (const ErreurES& e) {
        EXPECT_NE(std::string(e.what()).find("toutes_img._nf"), std::string::npos);
    }
    // Only the whole record counts; the marker stays for the user to delete.
    EXPECT_EQ(d.nb_images, 1);
    EXPECT_EQ(d.table_images[0].nom(), "a");
    EXPECT_TRUE(m.fichier_existe(MARQUEUR));
}

TEST_F(Cache, UneEcritureManqueeNeLaissePasDeMarqueur) {
    m.creer_fichier(CACHE_IMAGES, std::string(88, '\0'));
    bibliotheque();
    // The directory list is replaced, the picture table is not: the pair no longer agrees.
    m.echouer_ecriture(CACHE_IMAGES + ".nouveau", 100);
    EXPECT_THROW(d.sauver_catalogue(), ErreurES);
    EXPECT_FALSE(m.fichier_existe(MARQUEUR));
    EXPECT_EQ(m.taille_fichier(CACHE_IMAGES), 88);
    EXPECT_FALSE(m.fichier_existe(CACHE_IMAGES + ".nouveau"));
}

TEST_F(Cache, UnFichierDeCacheAbsentALaLectureEstUneErreur) {
    m.creer_fichier(CACHE_IMAGES, "");
    EXPECT_THROW(d.charger_catalogue(), ErreurES);
    m.creer_fichier(CACHE_REP, "C:\\Photos\r\n");
    m.supprimer_fichier(CACHE_IMAGES);
    EXPECT_THROW(d.charger_catalogue(), ErreurES);
}

}  // namespace
}  // namespace nocturo::test
