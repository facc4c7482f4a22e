// The picture table's records in the cache file.
#include <gtest/gtest.h>

#include "catalogue/cache.h"
#include "settings/donnees.h"
#include "sim/plateforme_simulee.h"
#include "util/erreurs.h"

namespace nocturo::test {
namespace {

EntreeImage entree(int32_t indice, const std::string& nom) {
    EntreeImage e;
    e.indice_rep = indice;
    e.definir_nom(nom);
    return e;
}

TEST(EnregistrementsDuCache, DisposentChaqueOctet) {
    const std::vector<EntreeImage> table = {entree(0x01020304, "a.jpg"), entree(-2, "b.bmp")};
    const std::string octets = coder_images(table);
    ASSERT_EQ(octets.size(), 176u);
    std::string premier(88, '\0');
    premier.replace(0, 10, std::string("\x04\x03\x02\x01\x05" "a.jpg", 10));
    EXPECT_EQ(octets.substr(0, 88), premier);
    // A negative index is written as its 32-bit two's complement, low byte first.
    EXPECT_EQ(octets.substr(88, 5), std::string("\xFE\xFF\xFF\xFF\x05", 5));
    EXPECT_EQ(coder_images({}), "");
}

TEST(EnregistrementsDuCache, AllerRetourDesNomsJusquA80Caracteres) {
    const std::string quatre_vingts(80, 'n');
    std::vector<EntreeImage> table = {entree(7, quatre_vingts), entree(1, ""), entree(3, quatre_vingts + "xyz")};
    const std::vector<EntreeImage> relu = decoder_images(coder_images(table));
    ASSERT_EQ(relu.size(), 3u);
    EXPECT_EQ(relu[0].indice_rep, 7);
    EXPECT_EQ(relu[0].nom(), quatre_vingts);
    EXPECT_EQ(relu[1].nom(), "");
    EXPECT_EQ(relu[2].nom(), quatre_vingts);
}

TEST(EnregistrementsDuCache, UneLongueurAbimeeNeDepassePasLeNom) {
    std::string octets(88 + 40, '\0');
    octets[4] = static_cast<char>(200);
    const std::vector<EntreeImage> relu = decoder_images(octets);
    ASSERT_EQ(relu.size(), 1u);  // the partial record is not read
    EXPECT_EQ(relu[0].longueur, 80);
    EXPECT_TRUE(decoder_images("").empty());
}

class FichiersDuCache : public ::testing::Test {
protected:
    FichiersDuCache() { m.creer_repertoire_complet("C:\\Nocturo"); }
    PlateformeSimulee m;
};

// 3 pictures in 2 directories, one of them with a name of exactly 80 characters.
Catalogue trois_images() {
    Catalogue c;
    c.ajouter("C:\\Photos", "a.jpg");
    c.ajouter("C:\\Photos\\sous", std::string(76, 'n') + ".jpg");
    c.ajouter("C:\\Photos\\sous", "c.bmp");
    return c;
}

TEST_F(FichiersDuCache, AllerRetourDeTroisImagesDansDeuxRepertoires) {
    const Catalogue c = trois_images();
    ecrire_cache(c, m);
    EXPECT_EQ(m.contenu(FICHIER_CACHE_REP), "C:\\Photos\r\nC:\\Photos\\sous\r\n");
    const std::string octets = m.contenu(FICHIER_CACHE_IMAGES);
    ASSERT_EQ(octets.size(), 264u);
    EXPECT_EQ(octets.substr(88, 10), std::string("\x01\0\0\0\x50nnnnn", 10));
    EXPECT_TRUE(m.fichier_existe(FICHIER_MARQUEUR));

    const Catalogue relu = lire_cache(m);
    EXPECT_EQ(relu, c);
    EXPECT_EQ(relu.chemin(1), "C:\\Photos\\sous\\" + std::string(76, 'n') + ".jpg");
    // Written back from what was read, the files do not change.
    ecrire_cache(relu, m);
    EXPECT_EQ(m.contenu(FICHIER_CACHE_IMAGES), octets);
}

TEST_F(FichiersDuCache, UnCatalogueVideEffaceLeMarqueurEtLaisseLesFichiers) {
    m.creer_fichier(FICHIER_CACHE_REP, "C:\\Ancien\r\n");
    m.creer_fichier(FICHIER_CACHE_IMAGES, std::string(88, '\0'));
    m.creer_fichier(FICHIER_MARQUEUR, "");
    ecrire_cache(Catalogue{}, m);
    EXPECT_FALSE(m.fichier_existe(FICHIER_MARQUEUR));
    EXPECT_EQ(m.contenu(FICHIER_CACHE_REP), "C:\\Ancien\r\n");
    EXPECT_EQ(m.taille_fichier(FICHIER_CACHE_IMAGES), 88);
}

TEST_F(FichiersDuCache, UnFichierDImagesVideDonneUnCatalogueVide) {
    m.creer_fichier(FICHIER_CACHE_REP, "C:\\Photos\r\n");
    m.creer_fichier(FICHIER_CACHE_IMAGES, "");
    const Catalogue c = lire_cache(m);
    EXPECT_TRUE(c.vide());
    EXPECT_EQ(c.repertoires(), std::vector<std::string>{"C:\\Photos"});
}

TEST_F(FichiersDuCache, UnCacheQuiNeSeRelitPasEntierEstAbime) {
    const auto enregistrement = [](int32_t indice, int longueur) {
        std::string e(88, '\0');
        for (int k = 0; k < 4; ++k) e[static_cast<size_t>(k)] = static_cast<char>((static_cast<uint32_t>(indice) >> (8 * k)) & 0xFF);
        e[4] = static_cast<char>(longueur);
        return e;
    };
    const struct {
        const char* ce_qu_il_montre;
        std::string images;
    } cas[] = {
        {"table coupee", enregistrement(0, 1) + std::string(30, '\0')},
        {"indice au-dela de la liste", enregistrement(0, 1) + enregistrement(2, 1)},
        {"indice negatif", enregistrement(-1, 1)},
        {"longueur au-dela de 80", enregistrement(1, 81)},
    };
    for (const auto& c : cas) {
        m.creer_fichier(FICHIER_CACHE_REP, "C:\\Photos\r\nC:\\Photos\\b\r\n");
        m.creer_fichier(FICHIER_CACHE_IMAGES, c.images);
        m.creer_fichier(FICHIER_MARQUEUR, "");
        EXPECT_THROW(lire_cache(m), CacheAbime) << c.ce_qu_il_montre;
        EXPECT_TRUE(m.fichier_existe(FICHIER_MARQUEUR)) << "the caller decides";
    }
    m.creer_fichier(FICHIER_CACHE_IMAGES, enregistrement(1, 80) + enregistrement(0, 0));
    EXPECT_EQ(lire_cache(m).nombre(), 2);
}

TEST_F(FichiersDuCache, UneEcritureManqueeNeLaissePasDeMarqueur) {
    m.creer_fichier(FICHIER_CACHE_IMAGES, std::string(88, '\0'));
    m.creer_fichier(FICHIER_MARQUEUR, "");
    // The directory list is replaced, the picture table is not: the pair no longer agrees.
    m.echouer_ecriture(FICHIER_CACHE_IMAGES + ".nouveau", 100);
    EXPECT_THROW(ecrire_cache(trois_images(), m), ErreurES);
    EXPECT_FALSE(m.fichier_existe(FICHIER_MARQUEUR));
    EXPECT_EQ(m.taille_fichier(FICHIER_CACHE_IMAGES), 88);
    EXPECT_FALSE(m.fichier_existe(FICHIER_CACHE_IMAGES + ".nouveau"));
}

TEST_F(FichiersDuCache, UnFichierDeCacheAbsentALaLectureEstUneErreur) {
    m.creer_fichier(FICHIER_CACHE_IMAGES, "");
    EXPECT_THROW(lire_cache(m), ErreurES);
    m.creer_fichier(FICHIER_CACHE_REP, "C:\\Photos\r\n");
    m.supprimer_fichier(FICHIER_CACHE_IMAGES);
    EXPECT_THROW(lire_cache(m), ErreurES);
}

}  // namespace
}  // namespace nocturo::test
