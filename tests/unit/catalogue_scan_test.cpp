// Which directory entries are candidate pictures, and how the table grows.
#include <gtest/gtest.h>

#include "catalogue/scan.h"
#include "util/texte.h"

namespace nocturo::test {
namespace {

TEST(ExtensionAcceptee, NomTailleEtGenreDeLEntree) {
    const struct {
        const char* nom;
        int64_t taille;
        uint32_t attributs;
        bool attendu;
    } cas[] = {
        {"IMG_0001.JPG", 10, ATTR_ARCHIVE, true},
        {"photo.jpg", 1, ATTR_ARCHIVE, true},       // any letter case
        {"carte.Bmp", 5, ATTR_ARCHIVE, true},
        {"photo.JPG.txt", 5, ATTR_ARCHIVE, true},   // anywhere in the name, not only at its end
        {"a.bmp.old", 5, ATTR_ARCHIVE, true},
        {"x.JPGX", 5, ATTR_ARCHIVE, true},
        {"photo.jpeg", 5, ATTR_ARCHIVE, false},
        {"photo.png", 5, ATTR_ARCHIVE, false},
        {".jpg", 5, ATTR_ARCHIVE, false},           // a name starting with a dot
        {"..jpg.jpg", 5, ATTR_ARCHIVE, false},
        {"a.jpg", 0, ATTR_ARCHIVE, false},          // an empty file
        {"vacances.jpg", 0, ATTR_REPERTOIRE, false},
        {"vacances.jpg", 4096, ATTR_REPERTOIRE, false},  // a directory, whatever its size
        {"grand.jpg", 5'000'000'000LL, ATTR_ARCHIVE, true},  // beyond 32 bits: still not empty
    };
    for (const auto& c : cas) {
        EntreeRepertoire e;
        e.nom = c.nom;
        e.taille = c.taille;
        e.attributs = c.attributs;
        EXPECT_EQ(extension_acceptee(e), c.attendu) << c.nom << " " << c.taille;
    }
}

TEST(AgrandirTable, ParPasDeMilleEtToujoursUnePlaceDAvance) {
    std::vector<EntreeImage> table;
    agrandir_table(table, 1);
    EXPECT_EQ(table.size(), 1000u);
    agrandir_table(table, 999);
    EXPECT_EQ(table.size(), 1000u);
    agrandir_table(table, 1000);  // entry 1000 must exist once 1000 pictures are in
    EXPECT_EQ(table.size(), 2000u);
    agrandir_table(table, 4500);
    EXPECT_EQ(table.size(), 5000u);
}

TEST(IndexerLignes, TrouveCeQueTrouveLaRechercheDeLaListe) {
    Forme forme;
    ListBox liste(forme, "liste");
    liste.definir_elements({"C:\\Été", "c:\\été", "C:\\Photos", "C:\\ÉTÉ", "", "c:\\PHOTOS\\œuvre"});
    std::unordered_map<std::string, int> index;
    indexer_lignes(liste, index);
    for (const char* cherche : {"C:\\ÉTÉ", "c:\\été", "C:\\photos", "C:\\Photos\\ŒUVRE", "", "C:\\Ete", "C:\\Photo"}) {
        const auto trouve = index.find(majuscules(cherche));
        EXPECT_EQ(trouve == index.end() ? -1 : trouve->second, liste.chercher(cherche)) << cherche;
    }
}

}  // namespace
}  // namespace nocturo::test
