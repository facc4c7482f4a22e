// The catalogue walk on the simulated file system: which entries are pictures, the
// acceptance tests, recursion, links and cloud folders, unreadable names, the stop.
#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "catalogue/parcours.h"
#include "sim/plateforme_simulee.h"
#include "util/texte.h"

namespace nocturo::test {
namespace {

using Chemins = std::vector<std::string>;

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
        {"photo.jpeg", 5, ATTR_ARCHIVE, true},      // every kind the show decodes
        {"Capture d'écran.PNG", 5, ATTR_ARCHIVE, true},
        {"a.jpe", 5, ATTR_ARCHIVE, true},
        {"a.jfif", 5, ATTR_ARCHIVE, true},
        {"anim.gif", 5, ATTR_ARCHIVE, true},
        {"scan.tif", 5, ATTR_ARCHIVE, true},
        {"scan.TIFF", 5, ATTR_ARCHIVE, true},
        {"a.webp", 5, ATTR_ARCHIVE, true},
        {"IMG_4512.HEIC", 5, ATTR_ARCHIVE, true},
        {"a.heif", 5, ATTR_ARCHIVE, true},
        {"a.avif", 5, ATTR_ARCHIVE, true},
        {"a.jxr", 5, ATTR_ARCHIVE, true},
        {"a.wdp", 5, ATTR_ARCHIVE, true},
        {"nas.jpg.", 5, ATTR_ARCHIVE, true},        // a final dot or space from another system
        {"nas.png ", 5, ATTR_ARCHIVE, true},
        {"IMG_0001.JPG.xmp", 5, ATTR_ARCHIVE, false},  // what editors and phones keep beside
        {"IMG_0001.AAE", 5, ATTR_ARCHIVE, false},
        {"IMG_0001.JPG.json", 5, ATTR_ARCHIVE, false},
        {"MVI_0001.THM", 5, ATTR_ARCHIVE, false},
        {"photo.jpg.part", 5, ATTR_ARCHIVE, false},
        {"film.mp4", 5, ATTR_ARCHIVE, false},
        {"photo", 5, ATTR_ARCHIVE, false},
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

TEST(LignesDuCatalogue, UneImageVaALaPremiereLigneEgaleSansCasse) {
    // Lines as a cache may hold them, several equal ignoring case.
    const Chemins lignes = {"C:\\Été", "c:\\été", "C:\\Photos", "C:\\ÉTÉ", "", "c:\\PHOTOS\\œuvre"};
    Catalogue c(lignes);
    for (const char* repertoire : {"C:\\ÉTÉ", "c:\\été", "C:\\photos", "C:\\Photos\\ŒUVRE", "", "C:\\Ete"}) {
        int premiere = -1;
        for (size_t i = 0; i < lignes.size() && premiere < 0; ++i)
            if (egal_sans_casse(lignes[i], repertoire)) premiere = static_cast<int>(i);
        const size_t avant = c.repertoires().size();
        c.ajouter(repertoire, "a.jpg");
        if (premiere >= 0) {
            EXPECT_EQ(c.indice_rep(c.nombre() - 1), premiere) << repertoire;
            EXPECT_EQ(c.repertoires().size(), avant) << repertoire;
        } else {
            EXPECT_EQ(c.indice_rep(c.nombre() - 1), static_cast<int>(avant)) << repertoire;
            EXPECT_EQ(c.repertoires().back(), repertoire);
        }
    }
}

class Parcours : public ::testing::Test {
protected:
    Parcours() { m.creer_repertoire_complet("C:\\Nocturo"); }

    // Walks with one message pump per step, as the window does; `arreter` decides stops.
    Catalogue parcourir_racines(const Racines& racines, const CriteresScan& c = {}) {
        return parcourir(racines, c, m, [&](int32_t n) {
            vues = n;
            m.traiter_messages();
            return arreter && arreter(n);
        });
    }
    static Chemins chemins(const Catalogue& c) {
        Chemins r;
        for (int32_t i = 0; i < c.nombre(); ++i) r.push_back(c.chemin(i));
        return r;
    }

    PlateformeSimulee m;
    int32_t vues = 0;
    std::function<bool(int32_t)> arreter;
};

TEST_F(Parcours, RecursionTousOuAucun) {
    m.creer_fichier("C:\\Photos\\a.jpg");
    m.creer_fichier("C:\\Photos\\sous\\b.JPG");
    m.creer_fichier("C:\\Photos\\vacances.jpg\\c.bmp");  // a directory named like a picture
    m.creer_fichier("C:\\Photos\\sous\\notes.txt");
    CriteresScan aucun;
    aucun.recursif = false;
    EXPECT_EQ(chemins(parcourir_racines({{"C:\\Photos"}}, aucun)), Chemins{"C:\\Photos\\a.jpg"});
    EXPECT_EQ(vues, 5);  // ".", "..", a.jpg, sous, vacances.jpg

    const Catalogue tous = parcourir_racines({{"C:\\Photos"}});
    EXPECT_EQ(chemins(tous), (Chemins{"C:\\Photos\\a.jpg", "C:\\Photos\\sous\\b.JPG", "C:\\Photos\\vacances.jpg\\c.bmp"}));
    EXPECT_EQ(tous.repertoires(), (Chemins{"C:\\Photos", "C:\\Photos\\sous", "C:\\Photos\\vacances.jpg"}));
    EXPECT_EQ(vues, 12);
}

TEST_F(Parcours, RacinesImbriqueesEntrentDeuxFoisSousLaMemeLigne) {
    m.creer_fichier("C:\\Photos\\2005\\a.jpg");
    m.creer_fichier("C:\\Été\\b.jpg");
    const Catalogue c = parcourir_racines({{"C:\\Photos"},
                                           {"c:\\PHOTOS\\2005"},  // another spelling of the same directory
                                           {"C:\\Photos", false},
                                           {"C:\\Absent"},
                                           {"C:\\Été"},
                                           {"C:\\été"}});  // upper case of the accented letters too
    EXPECT_EQ(c.repertoires(), (Chemins{"C:\\Photos\\2005", "C:\\Été"}));
    EXPECT_EQ(chemins(c), (Chemins{"C:\\Photos\\2005\\a.jpg", "C:\\Photos\\2005\\a.jpg", "C:\\Été\\b.jpg", "C:\\Été\\b.jpg"}));
}

TEST_F(Parcours, LesNomsDeToutesLongueursEtDeToutesEcrituresSontGardesEntiers) {
    const Chemins noms = {std::string(75, 'a') + ".jpg", std::string(76, 'b') + ".jpg", std::string(77, 'c') + ".jpg",
                          std::string(251, 'd') + ".jpg", "Прогулка.jpg", "東京タワー.png", "🎂 anniversaire.heic",
                          "e\xCC\x81te\xCC\x81.jpg"};
    for (const std::string& n : noms) m.creer_fichier("C:\\Photos\\Москва 2019\\" + n);
    const Catalogue c = parcourir_racines({{"C:\\Photos"}});
    ASSERT_EQ(c.nombre(), static_cast<int>(noms.size()));
    for (size_t i = 0; i < noms.size(); ++i) EXPECT_EQ(c.chemin(static_cast<int32_t>(i)), "C:\\Photos\\Москва 2019\\" + noms[i]);
}

TEST_F(Parcours, LesLiensNeSontPasSuivisLesDossiersDuNuageLeSont) {
    m.creer_fichier("C:\\Photos\\a.jpg");
    m.creer_lien("C:\\Photos\\boucle", "C:\\Photos");  // a junction back up the tree
    m.creer_fichier("C:\\Ailleurs\\b.jpg");
    m.creer_lien("C:\\Photos\\vers_ailleurs", "C:\\Ailleurs");
    m.creer_lien("C:\\Photos\\sans_etiquette", "C:\\Photos", 0);
    // Synced by a cloud client: a reparse point that is the folder itself.
    m.creer_repertoire_nuage("C:\\Photos\\OneDrive");
    m.creer_fichier("C:\\Photos\\OneDrive\\c.jpg");
    const Catalogue c = parcourir_racines({{"C:\\Photos"}, {"C:\\Ailleurs"}});
    // The pictures behind the links are found once, by their real paths.
    EXPECT_EQ(chemins(c), (Chemins{"C:\\Photos\\a.jpg", "C:\\Photos\\OneDrive\\c.jpg", "C:\\Ailleurs\\b.jpg"}));
}

TEST_F(Parcours, UneChaineDeTroisMilleDossiersJusquAuBout) {
    // Each level opened from its parent: no path walked again, no length limit, no recursion.
    std::string chemin = "C:\\Profond";
    for (int i = 0; i < 3000; ++i) chemin += "\\d" + std::to_string(i % 10);
    m.creer_fichier(chemin + "\\a.jpg");
    const Catalogue c = parcourir_racines({{"C:\\Profond"}});
    ASSERT_EQ(c.nombre(), 1);
    EXPECT_EQ(c.chemin(0), chemin + "\\a.jpg");
    EXPECT_GT(c.chemin(0).size(), 260u);
}

TEST(SubstitutDeNom, SeulesLesEtiquettesQuiMenentAilleurs) {
    EXPECT_TRUE(substitut_de_nom(ETIQUETTE_POINT_MONTAGE));
    EXPECT_TRUE(substitut_de_nom(ETIQUETTE_LIEN_SYMBOLIQUE));
    EXPECT_FALSE(substitut_de_nom(ETIQUETTE_NUAGE));
    EXPECT_FALSE(substitut_de_nom(0x80000017));  // a deduplicated file
}

TEST(ParcoursDifficile, LesRepertoiresIllisiblesSontSautes) {
    PlateformeSimulee m;
    m.creer_fichier("C:\\Photos\\a.jpg");
    m.creer_fichier("C:\\Photos\\prive\\x.jpg");
    m.interdire_listage("C:\\Photos\\prive");
    m.creer_fichier("C:\\Photos\\z\\b.jpg");
    m.creer_fichier("C:\\Fermee\\y.jpg");
    m.interdire_listage("C:\\Fermee");
    int32_t vues = 0;
    const Catalogue c = parcourir({{"C:\\Fermee"}, {"C:\\Photos"}}, {}, m, [&](int32_t n) {
        vues = n;
        return false;
    });
    ASSERT_EQ(c.nombre(), 2);
    EXPECT_EQ(c.chemin(0), "C:\\Photos\\a.jpg");
    EXPECT_EQ(c.chemin(1), "C:\\Photos\\z\\b.jpg");
    EXPECT_EQ(vues, 5 + 3);  // the unreadable directory was still seen
}

// A library of 40 directories of 25 pictures: about 1100 entries.
void grande_bibliotheque(PlateformeSimulee& m) {
    for (int r = 0; r < 40; ++r)
        for (int i = 0; i < 25; ++i) m.creer_fichier("C:\\Photos\\r" + std::to_string(r) + "\\i" + std::to_string(i) + ".jpg");
}

TEST_F(Parcours, UnArretGardeCeQuiEstEntreEtNeVisitePlusRien) {
    grande_bibliotheque(m);
    // Stop once the walk is 8 pictures into the 17th directory.
    const int32_t arret = 2 + 16 * 28 + 3 + 8;
    arreter = [&](int32_t n) { return n >= arret; };
    const Catalogue c = parcourir_racines({{"C:\\Photos"}, {"C:\\Photos\\r39"}});
    EXPECT_EQ(c.nombre(), 16 * 25 + 8);
    EXPECT_EQ(c.repertoires().size(), 17u);
    // Nothing was visited after the stop, not even in the second root.
    EXPECT_EQ(vues, arret);
}

struct CasAcceptation {
    const char* ce_qu_il_montre;
    std::function<void(CriteresScan&)> reglage;
    Chemins attendu;
};

// Names the case in the test list instead of dumping its bytes.
void PrintTo(const CasAcceptation& c, std::ostream* os) { *os << c.ce_qu_il_montre; }

class Acceptation : public Parcours, public testing::WithParamInterface<CasAcceptation> {};

TEST_P(Acceptation, RetientLesImagesQuiPassentLesTests) {
    for (const char* f : {"C:\\Photos\\++privé\\a.jpg", "C:\\Photos\\été\\a++.jpg", "C:\\Photos\\§x\\c.jpg",
                          "C:\\Photos\\Divers\\d.jpg", "C:\\Photos\\Divers 2006\\e.jpg",
                          "C:\\Photos\\2014-10-05 Avignon\\f.jpg", "C:\\Photos\\2015-01 noel\\g.jpg"})
        m.creer_fichier(f);
    CriteresScan c;
    GetParam().reglage(c);
    Chemins noms;
    for (const std::string& i : chemins(parcourir_racines({{"C:\\Photos"}}, c))) noms.push_back(i.substr(i.rfind('\\') + 1));
    EXPECT_EQ(noms, GetParam().attendu);
}

INSTANTIATE_TEST_SUITE_P(
    Criteres, Acceptation,
    testing::Values(
        CasAcceptation{"marqueurs exclus", [](CriteresScan&) {}, {"d.jpg", "e.jpg", "f.jpg", "g.jpg"}},
        CasAcceptation{"marqueurs indifferents",
                       [](CriteresScan& c) { c.marques = ModeMarques::indifferentes; },
                       {"a.jpg", "a++.jpg", "c.jpg", "d.jpg", "e.jpg", "f.jpg", "g.jpg"}},
        CasAcceptation{"seulement les marques",
                       [](CriteresScan& c) { c.marques = ModeMarques::seules; },
                       {"a.jpg", "a++.jpg", "c.jpg"}},
        CasAcceptation{"listes d'exclusion, sous-chaine exacte",
                       [](CriteresScan& c) {
                           c.fichier_exclusion = true;
                           c.motifs = {{"C:\\Photos\\Divers", "", "c:\\photos\\2015"}, {"Avignon\\f.jpg"}};
                       },
                       {"g.jpg"}},
        CasAcceptation{"listes d'exclusion sans la case",
                       [](CriteresScan& c) { c.motifs = {{"C:\\Photos\\Divers"}, {}}; },
                       {"d.jpg", "e.jpg", "f.jpg", "g.jpg"}},
        CasAcceptation{"mois seul",
                       [](CriteresScan& c) {
                           c.filtre_date = true;
                           c.de = "2014-10";
                       },
                       {"f.jpg"}},
        CasAcceptation{"plage de mois",
                       [](CriteresScan& c) {
                           c.filtre_date = c.plage = true;
                           c.de = "2014-10";
                           c.a = "2015-01";
                       },
                       {"f.jpg", "g.jpg"}},
        CasAcceptation{"mots",
                       [](CriteresScan& c) {
                           c.filtre_mots = true;
                           c.mots = "divers avignon";
                       },
                       {"d.jpg", "e.jpg", "f.jpg"}}));

}  // namespace
}  // namespace nocturo::test
