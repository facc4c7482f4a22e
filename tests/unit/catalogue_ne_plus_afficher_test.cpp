// The lines appended to hide a picture or a directory: read back by the exclusion reader,
// they exclude what the user chose and nothing more.
#include <gtest/gtest.h>

#include "catalogue/detecteur.h"
#include "catalogue/exclusions.h"
#include "settings/donnees.h"
#include "sim/plateforme_simulee.h"
#include "util/erreurs.h"
#include "util/fichiers.h"

namespace nocturo::test {
namespace {

// Which of the paths the exclusion file, as it now stands, excludes.
std::vector<std::string> exclus(PlateformeSimulee& m, const std::vector<std::string>& chemins) {
    const MotifsExclusion motifs = lire_fichier_exclusions(m, m);
    const DetecteurMotifs d({&motifs.repertoires, &motifs.fichiers});
    std::vector<std::string> r;
    for (const std::string& c : chemins)
        if (d.trouve_dans(c)) r.push_back(c);
    return r;
}

const std::vector<std::string> CHEMINS = {
    "C:\\Photos\\2005\\P1.jpg",        "C:\\Photos\\2005\\P10.jpg",       "C:\\Photos\\2005\\XP1.jpg",
    "C:\\Photos\\2005 bis\\P1.jpg",    "C:\\Photos\\Divers\\a.jpg",       "C:\\Photos\\Divers\\sous\\b.jpg",
    "C:\\Photos\\Divers 2006\\a.jpg",  "D:\\racine.jpg",                   "D:\\autre\\racine.jpg",
    "C:\\Photos\\x1...3.jpg",          "C:\\Photos\\1 an\\a.jpg",          "C:\\Photos\\x2.jpg",
};

TEST(NePlusAfficher, UneImageEtRienDePlus) {
    PlateformeSimulee m;
    m.creer_repertoire_complet("C:\\Nocturo");
    ajouter_au_fichier_exclusions(m, lignes_exclusion_image("C:\\Photos\\2005\\P1.jpg"));
    EXPECT_EQ(m.contenu(FICHIER_EXCLUSIONS), "+*C:\\Photos\\2005\r\nP1.jpg\r\n-\r\n");
    EXPECT_EQ(exclus(m, CHEMINS), std::vector<std::string>{"C:\\Photos\\2005\\P1.jpg"});

    ajouter_au_fichier_exclusions(m, lignes_exclusion_image("D:\\racine.jpg"));  // in a drive's root
    EXPECT_EQ(exclus(m, CHEMINS), (std::vector<std::string>{"C:\\Photos\\2005\\P1.jpg", "D:\\racine.jpg"}));

    // "..." in a name would make a run of a block's name line: C:\Photos\1, \2, \3.
    ajouter_au_fichier_exclusions(m, lignes_exclusion_image("C:\\Photos\\x1...3.jpg"));
    EXPECT_EQ(exclus(m, CHEMINS), (std::vector<std::string>{"C:\\Photos\\2005\\P1.jpg", "D:\\racine.jpg",
                                                         "C:\\Photos\\x1...3.jpg"}));
}

TEST(NePlusAfficher, UnRepertoireEtCeQuIlContientSeulement) {
    PlateformeSimulee m;
    m.creer_repertoire_complet("C:\\Nocturo");
    ajouter_au_fichier_exclusions(m, lignes_exclusion_repertoire("C:\\Photos\\Divers"));
    EXPECT_EQ(m.contenu(FICHIER_EXCLUSIONS), "**C:\\Photos\\Divers\\\r\n");
    EXPECT_EQ(exclus(m, CHEMINS), (std::vector<std::string>{"C:\\Photos\\Divers\\a.jpg", "C:\\Photos\\Divers\\sous\\b.jpg"}));
}

TEST(NePlusAfficher, CeQueLUtilisateurAEcritEstGarde) {
    PlateformeSimulee m;
    // A block left open, and no line end after the last line.
    const std::string a_la_main = "' mes exclusions\r\n**C:\\Vieux\r\n+*C:\\Photos\r\nx.jpg";
    m.creer_fichier(FICHIER_EXCLUSIONS, a_la_main);
    ajouter_au_fichier_exclusions(m, lignes_exclusion_repertoire("C:\\Photos\\Divers"));
    EXPECT_EQ(m.contenu(FICHIER_EXCLUSIONS), a_la_main + "\r\n-\r\n**C:\\Photos\\Divers\\\r\n");
    // The new line works: the block did not take it.
    EXPECT_EQ(exclus(m, {"C:\\Photos\\Divers\\a.jpg", "C:\\Vieux\\b.jpg", "C:\\Photos\\x.jpg"}),
              (std::vector<std::string>{"C:\\Photos\\Divers\\a.jpg", "C:\\Vieux\\b.jpg", "C:\\Photos\\x.jpg"}));
    EXPECT_EQ(m.journal.front(), "durable|" + FICHIER_EXCLUSIONS + SUFFIXE_TEMPORAIRE);  // the safe writer
}

TEST(NePlusAfficher, UnFichierIllisiblePasEcrase) {
    PlateformeSimulee m;
    m.creer_fichier(FICHIER_EXCLUSIONS, "**C:\\Vieux\r\n");
    m.definir_panne([](const std::string& etape, const std::string&) { return etape == "lire"; });
    EXPECT_THROW(ajouter_au_fichier_exclusions(m, lignes_exclusion_repertoire("C:\\Photos")), ErreurES);
    m.definir_panne(nullptr);
    EXPECT_EQ(m.contenu(FICHIER_EXCLUSIONS), "**C:\\Vieux\r\n");
}

}  // namespace
}  // namespace nocturo::test
