// The current-directory list: each name in turn after the directory of the first line,
// the next one told without being taken, and the list written back between two pictures
// reading as it was left.
#include <optional>
#include <string>
#include <vector>

#include "commun.h"
#include "settings/donnees.h"
#include "show/liste_courante.h"
#include "sim/plateforme_simulee.h"
#include "util/fichiers.h"

using namespace nocturo;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille) {
    const std::vector<std::string> origine = decouper_lignes(fuzz::octets(donnees, taille));
    test::PlateformeSimulee p;
    p.creer_repertoire_complet(REP_DONNEES);
    ecrire_lignes(p, FICHIER_REP_COURANT, origine);

    size_t pris = 0;
    while (true) {
        std::vector<std::string> lignes;
        EXIGER(lire_lignes(p, FICHIER_REP_COURANT, lignes));
        const std::optional<std::string> annoncee = prochaine_de_liste(lignes);
        const std::vector<std::string> avant = lignes;
        const std::optional<std::string> prise = consommer_liste(lignes);
        EXIGER(annoncee == prise);
        if (!prise) {
            EXIGER(lignes == avant && lignes.size() <= 1);
            break;
        }
        // The directory stays on the first line; the name taken is the next of the file.
        EXIGER(origine.size() >= 2 + pris);
        EXIGER(*prise == origine[0] + "\\" + origine[1 + pris]);
        EXIGER(lignes.size() + 1 == avant.size() && lignes[0] == origine[0]);
        ++pris;
        ecrire_lignes(p, FICHIER_REP_COURANT, lignes);
    }
    EXIGER(pris == (origine.empty() ? 0 : origine.size() - 1));
    return 0;
}
