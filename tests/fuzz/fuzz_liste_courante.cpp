// The current-directory list: each name in turn after the directory of the first line,
// the next one told without being taken, and the list written back between two pictures
// reading as it was left.
#include <optional>
#include <string>
#include <vector>

#include "commun.h"
#include "settings/donnees.h"
#include "show/liste_courante.h"
#include "util/fichiers.h"

using namespace nocturo;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille) {
    // As another program writes it, then written back and read again as the window does.
    const std::vector<std::string> origine = lignes_libres(fuzz::octets(donnees, taille));
    fuzz::FichiersMemoire p;
    ecrire_lignes(p, FICHIER_REP_COURANT, origine);

    // The window reads the file before each picture and writes it back after: the first
    // pictures go through the file, the rest of the list in memory.
    constexpr size_t PAR_LE_FICHIER = 3;
    std::vector<std::string> lignes;
    EXIGER(lire_lignes_libres(p, FICHIER_REP_COURANT, lignes) && lignes == origine);
    size_t pris = 0;
    while (true) {
        const std::optional<std::string> annoncee = prochaine_de_liste(lignes);
        const size_t avant = lignes.size();
        const std::optional<std::string> prise = consommer_liste(lignes);
        EXIGER(annoncee == prise);
        if (!prise) {
            EXIGER(lignes.size() == avant && avant <= 1);
            break;
        }
        // The directory stays on the first line; the name taken is the next of the file.
        EXIGER(origine.size() >= 2 + pris);
        EXIGER(*prise == origine[0] + "\\" + origine[1 + pris]);
        EXIGER(lignes.size() + 1 == avant && lignes[0] == origine[0]);
        ++pris;
        if (pris <= PAR_LE_FICHIER) {
            ecrire_lignes(p, FICHIER_REP_COURANT, lignes);
            std::vector<std::string> relues;
            EXIGER(lire_lignes(p, FICHIER_REP_COURANT, relues) && relues == lignes);
        }
    }
    EXIGER(pris == (origine.empty() ? 0 : origine.size() - 1));
    return 0;
}
