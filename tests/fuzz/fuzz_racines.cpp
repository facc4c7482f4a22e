// The root and check-mark files: the roots are the directory file's lines, each checked as
// its mark says, the message names exactly the roots out of reach, and a save reads back.
#include <string>
#include <vector>

#include "commun.h"
#include "settings/donnees.h"
#include "settings/racines.h"
#include "util/fichiers.h"

using namespace nocturo;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille) {
    const fuzz::DeuxFichiers f = fuzz::deux_fichiers(donnees, taille);
    fuzz::FichiersMemoire p;
    // A few roots that exist, for the message to pass by.
    p.creer_repertoire_seul("C:\\Photos");
    p.creer_repertoire_seul("C:\\Photos\\2014");
    p.creer_repertoire_seul("D:\\Images");
    if (f.premier_present) p.creer_fichier(FICHIER_REPERTOIRES, f.premier);
    if (f.second_present) p.creer_fichier(FICHIER_COCHES, f.second);

    // What the window held before the load.
    const Racines avant = {{"C:\\Photos", false}, {"E:\\Ailleurs", true}};
    Racines racines = avant;
    lire_racines(p, racines);

    const std::vector<std::string> chemins = f.premier_present ? decouper_lignes(texte_de_fichier(f.premier)) : std::vector<std::string>();
    const std::vector<std::string> marques = f.second_present ? decouper_lignes(texte_de_fichier(f.second)) : std::vector<std::string>();
    if (f.premier_present) {
        EXIGER(racines.size() == chemins.size());
    } else {
        EXIGER(racines.size() == avant.size());
    }
    for (size_t i = 0; i < racines.size(); ++i) {
        EXIGER(racines[i].chemin == (f.premier_present ? chemins[i] : avant[i].chemin));
        bool attendue = true;
        if (f.second_present)
            attendue = (i < marques.size() && marques[i] == "true") || (!f.premier_present && avant[i].cochee);
        EXIGER(racines[i].cochee == attendue);
    }

    // The message names every root out of reach and none other.
    const std::string message = message_racines_absentes(racines, p);
    bool toutes_la = true;
    for (size_t i = 0; i < racines.size(); ++i) {
        const bool la = p.repertoire_existe(racines[i].chemin);
        toutes_la = toutes_la && la;
        const std::string ligne = std::to_string(i) + "  " + racines[i].chemin + "  n'existe pas...\n";
        if (!la) EXIGER(message.find(ligne) != std::string::npos);
    }
    EXIGER(message.empty() == toutes_la);

    // Saved, then read again by a fresh window, the list and its marks are the same.
    ecrire_racines(p, racines);
    Racines relues;
    lire_racines(p, relues);
    EXIGER(relues == racines);
    return 0;
}
