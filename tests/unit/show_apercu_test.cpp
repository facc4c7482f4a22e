// The preview's pictures: the cache read only when it can be trusted, pictures drawn at
// random without the same one twice in a row, broken files skipped in a bounded number of
// tries, each copy upright and fitted to the preview, and nothing written.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <vector>

#include "catalogue/cache.h"
#include "settings/donnees.h"
#include "show/apercu.h"
#include "sim/images_simulees.h"
#include "sim/plateforme_simulee.h"

namespace nocturo::test {
namespace {

constexpr Taille PETIT_CADRE{152, 112};  // the settings dialog's little screen

// Draws in the order given, then 0.
Hasard tirages(std::vector<int> suite) {
    return [suite = std::move(suite), i = size_t{0}](int) mutable { return i < suite.size() ? suite[i++] : 0; };
}

Catalogue catalogue_de(const std::vector<std::string>& noms) {
    Catalogue c;
    for (const std::string& n : noms) c.ajouter("C:\\Photos", n);
    return c;
}

struct CasCache {
    const char* nom;
    std::function<void(PlateformeSimulee&)> abimer;
    int32_t nombre;
};

TEST(CatalogueApercu, LuSeulementQuandLeCacheEstSurEtSansRienEcrire) {
    const CasCache cas[] = {
        {"cache entier", [](PlateformeSimulee&) {}, 2},
        {"sans marqueur", [](PlateformeSimulee& m) { m.supprimer_fichier(FICHIER_MARQUEUR); }, 0},
        {"table des images absente", [](PlateformeSimulee& m) { m.supprimer_fichier(FICHIER_CACHE_IMAGES); }, 0},
        {"liste des repertoires absente", [](PlateformeSimulee& m) { m.supprimer_fichier(FICHIER_CACHE_REP); }, 0},
        {"enregistrement incomplet",
         [](PlateformeSimulee& m) { m.creer_fichier(FICHIER_CACHE_IMAGES, m.contenu(FICHIER_CACHE_IMAGES) + "x"); },
         0},
        {"repertoire hors de la liste", [](PlateformeSimulee& m) { m.creer_fichier(FICHIER_CACHE_REP, ""); }, 0},
    };
    for (const CasCache& c : cas) {
        PlateformeSimulee m;
        m.creer_repertoire_complet(REP_DONNEES);
        ecrire_cache(catalogue_de({"a.jpg", "b.jpg"}), m);
        c.abimer(m);
        m.oublier_traces();
        EXPECT_EQ(catalogue_apercu(m).nombre(), c.nombre) << c.nom;
        EXPECT_TRUE(m.journal.empty()) << c.nom;
    }
}

struct CasCopie {
    const char* nom;
    Taille stockee;
    int orientation;
    Taille cadre;
    Taille copie, propre;
};

TEST(SequenceApercu, CopieDroiteEtAjusteeAuCadre) {
    const CasCopie cas[] = {
        {"paysage", {4000, 3000}, 1, PETIT_CADRE, {149, 111}, {4000, 3000}},
        {"portrait couche par l'appareil", {4000, 3000}, 6, PETIT_CADRE, {84, 112}, {3000, 4000}},
        {"tournee dans l'autre sens", {6000, 4000}, 8, {200, 150}, {100, 150}, {4000, 6000}},
        {"plus large que le cadre", {3000, 1000}, 1, PETIT_CADRE, {152, 50}, {3000, 1000}},
        {"plus petite que le cadre, jamais agrandie", {64, 48}, 1, PETIT_CADRE, {64, 48}, {64, 48}},
    };
    for (const CasCopie& c : cas) {
        PlateformeSimulee m;
        m.creer_fichier("C:\\Photos\\a.jpg", jpeg_simule(c.stockee.largeur, c.stockee.hauteur, c.orientation, 0x224466));
        SequenceApercu s(catalogue_de({"a.jpg"}), tirages({}));
        const std::optional<ImageApercu> i = s.suivante(c.cadre, m, m);
        ASSERT_TRUE(i) << c.nom;
        EXPECT_EQ((Taille{i->image->largeur(), i->image->hauteur()}), c.copie) << c.nom;
        EXPECT_EQ(i->image->propre, c.propre) << c.nom;
        EXPECT_EQ(i->image->niveaux.front().bgra.front(), 0xFF224466u) << c.nom;
    }
}

TEST(SequenceApercu, SauteLesFichiersAbsentsOuIllisibles) {
    PlateformeSimulee m;
    m.creer_fichier("C:\\Photos\\texte.jpg", "ceci n'est pas une image");
    m.creer_fichier("C:\\Photos\\bonne.jpg", jpeg_simule(800, 600));
    SequenceApercu s(catalogue_de({"absente.jpg", "texte.jpg", "film.mp4", "bonne.jpg"}), tirages({0, 1, 2, 3}));
    const std::optional<ImageApercu> i = s.suivante(PETIT_CADRE, m, m);
    ASSERT_TRUE(i);
    EXPECT_EQ(i->indice, 3);
    // The film has no loader: it is not even opened.
    EXPECT_EQ(m.liste_decodages(), (std::vector<std::string>{"C:\\Photos\\absente.jpg", "C:\\Photos\\texte.jpg",
                                                              "C:\\Photos\\bonne.jpg"}));
}

TEST(SequenceApercu, RienNeSeChargeApresUnNombreBorneDEssais) {
    PlateformeSimulee m;
    m.creer_fichier("C:\\Photos\\texte.jpg", "ceci n'est pas une image");
    SequenceApercu s(catalogue_de({"absente.jpg", "texte.jpg"}), [&m](int n) { return m.aleatoire(n); });
    for (int fois = 1; fois <= 2; ++fois) {
        EXPECT_FALSE(s.suivante(PETIT_CADRE, m, m));
        EXPECT_EQ(m.liste_decodages().size(), static_cast<size_t>(fois * ESSAIS_APERCU));
    }
    EXPECT_FALSE(s.suivante({0, 0}, m, m));
}

TEST(SequenceApercu, UneSeuleImageRevientAChaqueFois) {
    PlateformeSimulee m;
    m.creer_fichier("C:\\Photos\\seule.jpg", jpeg_simule(640, 480));
    SequenceApercu s(catalogue_de({"seule.jpg"}), tirages({}));
    for (int fois = 0; fois < 3; ++fois) {
        const std::optional<ImageApercu> i = s.suivante(PETIT_CADRE, m, m);
        ASSERT_TRUE(i);
        EXPECT_EQ(i->indice, 0);
    }
}

// A catalogue as the show leaves it, one of its files gone since and one broken, shown
// forty times: every good picture comes, never twice in a row, never a bad one, and the
// preview leaves every file as it found it.
TEST(SequenceApercu, QuaranteImagesDuCacheSansRienEcrire) {
    PlateformeSimulee m;
    m.creer_repertoire_complet(REP_DONNEES);
    const std::vector<std::string> noms = {"a.jpg", "b.jpg", "partie.jpg", "c.jpg", "abimee.jpg", "d.jpg"};
    for (const std::string& n : noms) m.creer_fichier("C:\\Photos\\" + n, jpeg_simule(1600, 1200, 6));
    ecrire_cache(catalogue_de(noms), m);
    m.supprimer_fichier("C:\\Photos\\partie.jpg");
    m.creer_fichier("C:\\Photos\\abimee.jpg", "\xFF\xD8 tronquee");
    m.oublier_traces();

    SequenceApercu s(catalogue_apercu(m), [&m](int n) { return m.aleatoire(n); });
    ASSERT_FALSE(s.vide());
    std::set<int32_t> vues;
    int32_t avant = -1;
    for (int fois = 0; fois < 40; ++fois) {
        const std::optional<ImageApercu> i = s.suivante(PETIT_CADRE, m, m);
        ASSERT_TRUE(i) << fois;
        EXPECT_NE(i->indice, avant) << fois;
        EXPECT_EQ((Taille{i->image->largeur(), i->image->hauteur()}), (Taille{84, 112})) << fois;
        vues.insert(i->indice);
        avant = i->indice;
    }
    EXPECT_EQ(vues, (std::set<int32_t>{0, 1, 3, 5}));
    EXPECT_TRUE(m.journal.empty());
    EXPECT_FALSE(m.fichier_existe(FICHIER_HISTORIQUE));
    EXPECT_FALSE(m.fichier_existe(FICHIER_PAQUET));
}

}  // namespace
}  // namespace nocturo::test
