// The catalogue cache: a read either refuses the pair with one of its two errors or gives
// a catalogue whose every entry leads to a directory of its list, and that a save keeps.
#include <string>
#include <vector>

#include "catalogue/cache.h"
#include "commun.h"
#include "settings/donnees.h"
#include "util/erreurs.h"
#include "util/fichiers.h"

using namespace nocturo;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille) {
    // The directory list has no NUL: the picture table follows the first one.
    const fuzz::DeuxFichiers f = fuzz::deux_fichiers(donnees, taille);
    fuzz::FichiersMemoire p;
    if (f.premier_present) p.creer_fichier(FICHIER_CACHE_REP, f.premier);
    if (f.second_present) p.creer_fichier(FICHIER_CACHE_IMAGES, f.second);

    Catalogue c;
    try {
        c = lire_cache(p);
    } catch (const CacheAbime&) {
        EXIGER(f.premier_present && f.second_present);
        return 0;
    } catch (const ErreurES&) {
        EXIGER(!f.premier_present || !f.second_present);
        return 0;
    }
    EXIGER(f.premier_present && f.second_present);

    const std::vector<std::string> repertoires = decouper_lignes(texte_de_fichier(f.premier));
    EXIGER(c.repertoires() == repertoires);
    std::vector<std::string> chemins;
    for (int32_t i = 0; i < c.nombre(); ++i) {
        const int32_t l = c.indice_rep(i);
        EXIGER(l >= 0 && static_cast<size_t>(l) < repertoires.size());
        EXIGER(c.nom(i).size() <= OCTETS_NOM_MAX);
        const std::string chemin = c.chemin(i);
        EXIGER(chemin == repertoires[static_cast<size_t>(l)] + "\\" + std::string(c.nom(i)));
        chemins.push_back(chemin);
    }

    // Saved and read again, every entry leads to the same path.
    if (c.vide()) return 0;
    ecrire_cache(c, p);
    EXIGER(p.fichier_existe(FICHIER_MARQUEUR));
    const Catalogue relu = lire_cache(p);
    EXIGER(relu.repertoires() == c.repertoires() && relu.nombre() == c.nombre());
    for (int32_t i = 0; i < relu.nombre(); ++i) EXIGER(relu.chemin(i) == chemins[static_cast<size_t>(i)]);
    return 0;
}
