// The data directory read-only, full, or out of reach: the show starts from what can be
// read, pictures come, Esc ends the program with 1, and one message at most says why.
#include <gtest/gtest.h>

#include "catalogue/cache.h"
#include "sim/images_simulees.h"
#include "sim/scenario.h"
#include "util/fichiers.h"
#include "util/texte.h"

namespace nocturo::test {
namespace {

bool sous_donnees(const std::string& chemin) { return egal_sans_casse(chemin.substr(0, 11), "C:\\Nocturo\\"); }

// Three pictures in C:\\Photos, its only root; the catalogue they make.
Catalogue trois_photos(PlateformeSimulee& m) {
    Catalogue catalogue;
    for (int i = 0; i < 3; ++i) {
        m.creer_fichier("C:\\Photos\\p" + std::to_string(i) + ".jpg", jpeg_simule(400, 300));
        catalogue.ajouter("C:\\Photos", "p" + std::to_string(i) + ".jpg");
    }
    m.creer_fichier(FICHIER_REPERTOIRES, "C:\\Photos\r\n");
    return catalogue;
}

struct CasDonnees {
    const char* ce_qu_il_montre;
    bool premier_demarrage;  // no cache yet: a scan, whose cache cannot be written
    Cause cause;
    std::function<bool(const std::string& etape, const std::string& chemin)> panne;
    std::string message;
};

void PrintTo(const CasDonnees& c, std::ostream* os) { *os << c.ce_qu_il_montre; }

class DonneesInaccessibles : public testing::TestWithParam<CasDonnees> {};

TEST_P(DonneesInaccessibles, LeDiaporamaTourneEtEchapTermine) {
    const CasDonnees& c = GetParam();
    Scenario s;
    PlateformeSimulee& m = s.machine;
    const Catalogue catalogue = trois_photos(m);
    m.creer_fichier(FICHIER_PARAMETRES, "dt0_a = 1000\r\nRadioGroup_titre_ecran.ItemIndex = 2\r\n");  // saved at quit
    if (!c.premier_demarrage) ecrire_cache(catalogue, m);
    m.cause = c.cause;
    m.raison = "";
    m.definir_panne(c.panne);
    m.reponses_confirmation = {true};
    m.touche_a(3500, VK_ECHAP);
    EXPECT_EQ(s.demarrer(), 1);
    // Pictures came, and the quit path ended the process.
    EXPECT_GE(s.diapo->historique.lignes.size(), 3u);
    EXPECT_EQ(m.messages, c.message.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.message});
    for (const std::string& n : m.messages) EXPECT_EQ(n.find(SUFFIXE_TEMPORAIRE), std::string::npos) << n;
}

const std::string SUITE = ".\n\n" + SUITE_SANS_DONNEES;

INSTANTIATE_TEST_SUITE_P(
    Cas, DonneesInaccessibles,
    testing::Values(
        CasDonnees{"en lecture seule", false, Cause::lecture_seule,
                   [](const std::string& e, const std::string& c) { return e == "creer" && sous_donnees(c); },
                   "Le dossier C:\\nocturo ne peut pas recevoir de fichier : le disque ou le dossier est en lecture seule" +
                       SUITE},
        CasDonnees{"plein au premier démarrage", true, Cause::disque_plein,
                   [](const std::string& e, const std::string& c) {
                       return e == "ecrire" && sous_donnees(c) && c.find("essai") == std::string::npos;
                   },
                   "Impossible d'enregistrer C:\\Nocturo\\effacez_moi_pour_reinitialiser.___ : le disque est plein" + SUITE},
        CasDonnees{"plein depuis le cache, la sauvegarde de fin", false, Cause::disque_plein,
                   [](const std::string& e, const std::string& c) {
                       return e == "vider" && sous_donnees(c);
                   },
                   // Said by nobody: the quit path ends the process without a word.
                   ""},
        CasDonnees{"accès refusé", false, Cause::acces_refuse,
                   [](const std::string& e, const std::string& c) { return e == "creer" && sous_donnees(c); },
                   "Le dossier C:\\nocturo ne peut pas recevoir de fichier : l'accès est refusé" + SUITE},
        CasDonnees{"partage disparu", true, Cause::reseau,
                   [](const std::string& e, const std::string& c) {
                       return (e == "creer" || e == "creer_repertoire") && sous_donnees(c + "\\");
                   },
                   "Le dossier C:\\nocturo ne peut pas recevoir de fichier : le réseau ne répond pas" + SUITE}));

TEST(FichierIllisible, LeMessageDitPourquoiEtQueLeDiaporamaContinue) {
    // The exclusion file open in another program that locks it while the show starts.
    Scenario s;
    PlateformeSimulee& m = s.machine;
    ecrire_cache(trois_photos(m), m);
    m.creer_fichier(FICHIER_PARAMETRES, "dt0_a = 1000\r\nCheckBox_fic_exclusion.Checked = true\r\n");
    m.creer_fichier(FICHIER_EXCLUSIONS, "**C:\\Photos\\Privé\\\r\n");
    m.creer_fichier("C:\\Photos\\Privé\\x.jpg", jpeg_simule(400, 300));
    m.cause = Cause::occupe;
    m.definir_panne([](const std::string& e, const std::string& c) { return e == "lire" && c == FICHIER_EXCLUSIONS; });
    int32_t nombre = -1;
    m.action_a(3400, [&] { nombre = s.diapo->catalogue.nombre(); });
    m.touche_a(3500, VK_ECHAP);
    EXPECT_EQ(s.demarrer(), 1);
    EXPECT_GE(s.diapo->historique.lignes.size(), 3u);
    EXPECT_EQ(m.messages, std::vector<std::string>{"Erreur de lecture du fichier " + FICHIER_EXCLUSIONS +
                                                   " : le fichier est ouvert par un autre programme.\n\n"
                                                   "Le diaporama continue avec la liste des images déjà faite ; elle "
                                                   "ne sera pas mise à jour tant que ce fichier ne peut pas être lu, "
                                                   "pour ne montrer aucune image exclue."});
    // And no walk brought back the hidden folder.
    EXPECT_EQ(nombre, 3);
}

}  // namespace
}  // namespace nocturo::test
