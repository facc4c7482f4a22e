// Text files and the safe writer.
#include <gtest/gtest.h>

#include "sim/plateforme_simulee.h"
#include "util/erreurs.h"
#include "util/fichiers.h"

namespace nocturo::test {
namespace {

TEST(EcritureSure, LeNouveauContenuEstSurLeDisqueAvantDeRemplacerLAncien) {
    PlateformeSimulee m;
    m.creer_fichier("C:\\Nocturo\\a.txt", "ancien");
    ecrire_lignes(m, "C:\\Nocturo\\a.txt", {"un", "deux"});
    EXPECT_EQ(m.contenu("C:\\Nocturo\\a.txt"), "un\r\ndeux\r\n");
    EXPECT_EQ(m.journal, (std::vector<std::string>{"durable|C:\\Nocturo\\a.txt.nouveau",
                                                   "remplacer|C:\\Nocturo\\a.txt.nouveau|C:\\Nocturo\\a.txt"}));
    EXPECT_FALSE(m.fichier_existe("C:\\Nocturo\\a.txt.nouveau"));
}

TEST(EcritureSure, UnTemporaireOublieSEfface) {
    PlateformeSimulee m;
    m.creer_fichier("C:\\Nocturo\\a.txt.nouveau", "moitié");
    supprimer_temporaire(m, "C:\\Nocturo\\a.txt");
    EXPECT_FALSE(m.fichier_existe("C:\\Nocturo\\a.txt.nouveau"));
}

TEST(Lignes, FinsDeLigneMelangees) {
    EXPECT_EQ(decouper_lignes("a\r\nb\rc\n\nd"), (std::vector<std::string>{"a", "b", "c", "", "d"}));
    EXPECT_EQ(decouper_lignes(""), std::vector<std::string>{});
    EXPECT_EQ(joindre_lignes({"a", ""}), "a\r\n\r\n");
}

}  // namespace
}  // namespace nocturo::test

namespace nocturo::test {
namespace {

TEST(Causes, LesCodesDuSystemeEnMotsDeLUtilisateur) {
    const struct {
        uint32_t code;
        const char* mots;
    } cas[] = {
        {112, "le disque est plein"},                         // ERROR_DISK_FULL
        {39, "le disque est plein"},                          // ERROR_HANDLE_DISK_FULL
        {19, "le disque ou le dossier est en lecture seule"},  // ERROR_WRITE_PROTECT
        {5, "l'accès est refusé"},                            // ERROR_ACCESS_DENIED
        {3, "le dossier ou le disque est introuvable"},       // ERROR_PATH_NOT_FOUND
        {21, "le dossier ou le disque est introuvable"},      // ERROR_NOT_READY
        {53, "le réseau ne répond pas"},                      // ERROR_BAD_NETPATH
        {1231, "le réseau ne répond pas"},                    // ERROR_NETWORK_UNREACHABLE
        {32, "le fichier est ouvert par un autre programme"},  // ERROR_SHARING_VIOLATION
        {87, ""},                                             // the system's own words instead
        {0, ""},
    };
    for (const auto& c : cas) EXPECT_EQ(mots_de(cause_du_code(c.code)), c.mots) << c.code;
}

TEST(EcritureSure, LEchecNommeLeFichierConnuEtSaCause) {
    PlateformeSimulee m;
    m.creer_fichier("C:\\Nocturo\\a.txt", "ancien");
    m.cause = Cause::disque_plein;
    m.definir_panne([](const std::string& e, const std::string&) { return e == "vider"; });
    try {
        ecrire_lignes(m, "C:\\Nocturo\\a.txt", {"un"});
        ADD_FAILURE() << "written";
    } catch (const ErreurES& e) {
        EXPECT_STREQ(e.what(), "Impossible d'enregistrer C:\\Nocturo\\a.txt : le disque est plein");
        EXPECT_EQ(e.fichier(), "C:\\Nocturo\\a.txt");
        EXPECT_EQ(e.cause(), Cause::disque_plein);
    }
    m.definir_panne([](const std::string& e, const std::string&) { return e == "remplacer"; });
    m.cause = Cause::occupe;
    EXPECT_THROW(ecrire_lignes(m, "C:\\Nocturo\\a.txt", {"un"}), ErreurES);
    EXPECT_EQ(m.contenu("C:\\Nocturo\\a.txt"), "ancien");
    EXPECT_FALSE(m.fichier_existe("C:\\Nocturo\\a.txt.nouveau"));
}

}  // namespace
}  // namespace nocturo::test
