// The data directory that the version before names of any length wrote, read by this one:
// every root, setting, picture, history line and the deck kept, nothing rebuilt, and the
// files written again in the form that version reads.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "catalogue/cache.h"
#include "show/paquet.h"
#include "sim/images_simulees.h"
#include "sim/scenario.h"
#include "util/fichiers.h"

namespace nocturo::test {
namespace {

const std::filesystem::path FIXTURE = std::filesystem::path(NOCTURO_FIXTURES) / "donnees_anciennes";

std::string octets(const std::string& nom) {
    std::ifstream f(FIXTURE / nom, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

const std::string NOM_80 =
    "2019-07-14 Feu d'artifice sur le pont vu depuis la terrasse de l'hôtel, xxxx.jpg";

TEST(DonneesAnciennes, SeLisentEntieresEtSeReecriventDansLaFormeQuElleLit) {
    Scenario s;
    PlateformeSimulee& m = s.machine;
    for (const auto& f : std::filesystem::directory_iterator(FIXTURE))
        if (f.path().filename() != "README.txt") m.creer_fichier("C:\\Nocturo\\" + f.path().filename().string(), octets(f.path().filename().string()));
    const std::vector<std::string> images = {"C:\\Photos\\051231 noel\\sapin.jpg", "C:\\Photos\\Noël 2019\\Œuvre — n°1.JPG",
                                             "C:\\Photos\\Été 2014 à Arles\\" + NOM_80,
                                             "C:\\Photos\\Été 2014 à Arles\\Château.jpg"};
    for (const std::string& i : images) m.creer_fichier(i, jpeg_simule(40, 30));
    m.touche_a(3000, 65);
    ASSERT_EQ(s.demarrer(), std::nullopt);
    Tdiapo& d = *s.diapo;
    EXPECT_TRUE(m.messages.empty());

    // The catalogue from its cache, not from a scan: in the cache's order, names whole.
    ASSERT_EQ(d.catalogue.nombre(), 4);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(d.catalogue.chemin(i), images[static_cast<size_t>(i)]);
    EXPECT_EQ(m.contenu("C:\\Nocturo\\toutes_img._nf"), octets("toutes_img._nf"));
    // The deck goes on where it was: the two pictures it had not drawn come first.
    const std::vector<int32_t> ordre = permutation(16769316600890547982ull, 4);
    ASSERT_GE(d.historique.lignes.size(), 7u);
    EXPECT_EQ((std::set<std::string>{d.historique.lignes[5], d.historique.lignes[6]}),
              (std::set<std::string>{images[static_cast<size_t>(ordre[2])], images[static_cast<size_t>(ordre[3])]}));
    // Roots, settings, exclusions, history.
    EXPECT_EQ(d.racines(), (Racines{{"C:\\Photos", true}}));
    EXPECT_EQ(d.reglages.rep_album_A, "C:\\Nocturo\\Album été");
    EXPECT_EQ(d.reglages.filtre_contient, "noël château");
    EXPECT_EQ(d.exclusions.repertoires, std::vector<std::string>{"C:\\Photos\\Privé"});
    ASSERT_GE(d.historique.lignes.size(), 5u);
    EXPECT_EQ(d.historique.lignes[0], "C:\\Photos\\Été 2014 à Arles\\" + NOM_80);
    EXPECT_EQ(d.historique.lignes[4], "C:\\Photos\\Été 2014 à Arles\\Château.jpg");

    // Saved, each file is what that version wrote, or reads: Windows-1252 without a mark.
    d.Button2.cliquer();
    for (const char* f : {"nocturo_var.prm", "nocturo.rep", "nocturo.repflag"})
        EXPECT_EQ(m.contenu(std::string("C:\\Nocturo\\") + f), octets(f)) << f;
    const std::string historique = m.contenu("C:\\Nocturo\\img_affichees.lst");
    EXPECT_EQ(historique.substr(0, octets("img_affichees.lst").size()), octets("img_affichees.lst"));
    EXPECT_NE(historique.substr(0, 3), MARQUE_UTF8);
}

}  // namespace
}  // namespace nocturo::test
