// The catalogue cache: its picture table in the current form and in the earlier one, and
// the pair of files with their marker.
#include <gtest/gtest.h>

#include "catalogue/cache.h"
#include "settings/donnees.h"
#include "sim/plateforme_simulee.h"
#include "util/erreurs.h"

namespace nocturo::test {
namespace {

// A record of the earlier form, as that version wrote it: the name's Windows-1252 bytes.
std::string ancien(int32_t indice, const std::string& nom_1252) {
    std::string e(TAILLE_ENREGISTREMENT, '\0');
    for (int k = 0; k < 4; ++k) e[static_cast<size_t>(k)] = static_cast<char>((static_cast<uint32_t>(indice) >> (8 * k)) & 0xFF);
    e[4] = static_cast<char>(nom_1252.size());
    e.replace(5, nom_1252.size(), nom_1252);
    return e.substr(0, TAILLE_ENREGISTREMENT);
}

// The names a real library holds.
const std::vector<std::string>& noms_difficiles() {
    static const std::vector<std::string> n = {
        std::string(75, 'a') + ".jpg",  // 79
        std::string(76, 'b') + ".jpg",  // 80
        std::string(77, 'c') + ".jpg",  // 81
        std::string(251, 'd') + ".jpg",  // 255, the system's limit
        "2019-07-14 Feu d'artifice sur le pont vu depuis la terrasse de l'hôtel avec toute la famille.jpg",
        "Прогулка по Москве.jpg",
        "Διακοπές στη Νάξο.jpeg",
        "東京タワーの夜景.png",
        "生日快乐 🎂🎉.heic",
        "e\xCC\x81te\xCC\x81 a\xCC\x80 Paris.jpg",  // accents as marks of their own
        "",
    };
    return n;
}

TEST(TableDuCache, SonEnteteEtSesEnregistrements) {
    Catalogue c;
    c.ajouter("C:\\Photos", "a.jpg");
    c.ajouter("C:\\Photos\\été", "Ж.png");
    const std::string t = coder_table(c);
    EXPECT_EQ(t.substr(0, 16), std::string("NOCT\xFFIMG\x02\0\0\0\x02\0\0\0", 16));
    EXPECT_EQ(t.substr(16, 11), std::string("\0\0\0\0\x05\0a.jpg", 11));
    EXPECT_EQ(t.substr(27), std::string("\x01\0\0\0\x06\0\xD0\x96.png", 12));
    // 6 bytes and the name a picture, where the earlier form took 88.
    EXPECT_EQ(t.size(), 16u + 11u + 12u);
}

TEST(TableDuCache, LesNomsDeToutesLongueursEtDeToutesEcrituresReviennentEntiers) {
    Catalogue c;
    for (const std::string& n : noms_difficiles()) c.ajouter("C:\\Фото\\日本 2019", n);
    c.ajouter("C:\\Photos", "b.jpg");
    const Catalogue relu = decoder_cache(c.repertoires(), coder_table(c));
    EXPECT_EQ(relu, c);
    for (size_t i = 0; i < noms_difficiles().size(); ++i)
        EXPECT_EQ(relu.chemin(static_cast<int32_t>(i)), "C:\\Фото\\日本 2019\\" + noms_difficiles()[i]);
}

TEST(TableDuCache, LaFormeDesVersionsPrecedentesSeLitEncore) {
    // Names in Windows-1252, of 80 characters at most, one 88-byte record each.
    const std::string table = ancien(1, "\xC9t\xE9 \xE0 Arles.jpg") + ancien(0, std::string(80, 'n')) + ancien(0, "");
    const Catalogue c = decoder_cache({"C:\\Photos", "C:\\Photos\\2014-10 Avignon"}, table);
    ASSERT_EQ(c.nombre(), 3);
    EXPECT_EQ(c.chemin(0), "C:\\Photos\\2014-10 Avignon\\Été à Arles.jpg");
    EXPECT_EQ(c.nom(1), std::string(80, 'n'));
    EXPECT_EQ(c.chemin(2), "C:\\Photos\\");
    EXPECT_TRUE(decoder_cache({"C:\\Photos"}, "").vide());
}

TEST(TableDuCache, UneTableQuiNeSeRelitPasEntiereEstAbimee) {
    Catalogue deux;
    deux.ajouter("C:\\Photos", "a.jpg");
    deux.ajouter("C:\\Photos\\b", "b.jpg");
    const std::string bonne = coder_table(deux);
    const auto avec = [&](size_t position, std::string octets) {
        std::string t = bonne;
        t.replace(position, octets.size(), octets);
        return t;
    };
    const struct {
        const char* ce_qu_il_montre;
        std::string table;
    } cas[] = {
        {"ancienne: table coupée", ancien(0, "a") + std::string(30, '\0')},
        {"ancienne: ligne au-delà de la liste", ancien(0, "a") + ancien(2, "a")},
        {"ancienne: ligne négative", ancien(-1, "a")},
        {"ancienne: nom au-delà de 80", ancien(1, std::string(80, 'x')).replace(4, 1, "\x51")},
        {"nouvelle: coupée dans un nom", bonne.substr(0, bonne.size() - 2)},
        {"nouvelle: coupée dans l'entête", bonne.substr(0, 12)},
        {"nouvelle: octets en trop", bonne + "x"},
        {"nouvelle: compte trop grand", avec(12, std::string("\x03\0\0\0", 4))},
        {"nouvelle: compte énorme", avec(12, std::string("\xFF\xFF\xFF\x7F", 4))},
        {"nouvelle: version inconnue", avec(8, std::string("\x03\0\0\0", 4))},
        {"nouvelle: ligne au-delà de la liste", avec(16, std::string("\x02\0\0\0", 4))},
        {"nouvelle: ligne négative", avec(16, std::string("\xFF\xFF\xFF\xFF", 4))},
        {"nouvelle: nom plus long que le système le permet", avec(20, std::string("\xFF\x7F", 2))},
    };
    for (const auto& c : cas)
        EXPECT_THROW(decoder_cache({"C:\\Photos", "C:\\Photos\\b"}, c.table), CacheAbime) << c.ce_qu_il_montre;
    EXPECT_EQ(decoder_cache({"C:\\Photos", "C:\\Photos\\b"}, bonne), deux);
}

class FichiersDuCache : public ::testing::Test {
protected:
    FichiersDuCache() { m.creer_repertoire_complet("C:\\Nocturo"); }
    PlateformeSimulee m;
};

Catalogue trois_images() {
    Catalogue c;
    c.ajouter("C:\\Photos", "a.jpg");
    c.ajouter("C:\\Photos\\sous", std::string(96, 'n') + ".jpg");
    c.ajouter("C:\\Photos\\sous", "c.bmp");
    return c;
}

TEST_F(FichiersDuCache, AllerRetourDeTroisImagesDansDeuxRepertoires) {
    const Catalogue c = trois_images();
    ecrire_cache(c, m);
    EXPECT_EQ(m.contenu(FICHIER_CACHE_REP), "C:\\Photos\r\nC:\\Photos\\sous\r\n");
    EXPECT_TRUE(m.fichier_existe(FICHIER_MARQUEUR));
    const std::string octets = m.contenu(FICHIER_CACHE_IMAGES);
    const Catalogue relu = lire_cache(m);
    EXPECT_EQ(relu, c);
    EXPECT_EQ(relu.chemin(1), "C:\\Photos\\sous\\" + std::string(96, 'n') + ".jpg");
    // Written back from what was read, the files do not change.
    ecrire_cache(relu, m);
    EXPECT_EQ(m.contenu(FICHIER_CACHE_IMAGES), octets);
}

TEST_F(FichiersDuCache, LaListeDesRepertoiresGardeWindows1252QuandElleLePeut) {
    Catalogue c;
    c.ajouter("C:\\Photos\\été", "a.jpg");
    ecrire_cache(c, m);
    // An earlier version reads this list as it always did.
    EXPECT_EQ(m.contenu(FICHIER_CACHE_REP), "C:\\Photos\\\xE9t\xE9\r\n");
    c.ajouter("C:\\Фото", "b.jpg");
    ecrire_cache(c, m);
    EXPECT_EQ(m.contenu(FICHIER_CACHE_REP), "\xEF\xBB\xBF" "C:\\Photos\\été\r\nC:\\Фото\r\n");
    EXPECT_EQ(lire_cache(m), c);
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

TEST_F(FichiersDuCache, UneEcritureManqueeNeLaissePasDeMarqueur) {
    m.creer_fichier(FICHIER_CACHE_IMAGES, std::string(88, '\0'));
    m.creer_fichier(FICHIER_MARQUEUR, "");
    // The directory list is replaced, the picture table is not: the pair no longer agrees.
    m.echouer_ecriture(FICHIER_CACHE_IMAGES + ".nouveau", 20);
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
