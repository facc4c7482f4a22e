// The parameter file: every setting comes out within its key's range whatever the file
// holds, a bad value costs its key only, and what is read saves and reads back the same.
#include <string>
#include <vector>

#include "commun.h"
#include "settings/parametres.h"
#include "settings/reglages.h"
#include "util/erreurs.h"
#include "util/fichiers.h"
#include "util/texte.h"

using namespace nocturo;

namespace {

bool sans_espace_autour(const std::string& v) { return v.empty() || (v.front() != ' ' && v.back() != ' '); }

bool numerique(const CleReglage& cle) { return cle.sorte == SorteCle::entier || cle.sorte == SorteCle::indice; }

void verifier_bornes(const Reglages& r) {
    for (const CleReglage& cle : cles_reglages()) {
        if (cle.sorte == SorteCle::entier) {
            EXIGER(r.*cle.entier >= cle.minimum && r.*cle.entier <= cle.maximum);
        } else if (cle.sorte == SorteCle::indice) {
            // -1 is no selection.
            EXIGER(r.*cle.entier >= -1 && r.*cle.entier < cle.nb_choix);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille) {
    static const Reglages defaut = reglages_par_defaut();
    const LignesParametres lignes = decouper_lignes(fuzz::octets(donnees, taille));
    std::vector<std::string> erreurs;
    const Reglages r = lire_reglages(lignes, &erreurs);
    verifier_bornes(r);

    size_t numeriques = 0;
    for (const CleReglage& cle : cles_reglages()) numeriques += numerique(cle);
    EXIGER(erreurs.size() <= numeriques);

    // One key, drawn from the input, read alone gives what the whole load gave it, shows
    // the value in force, and reads back the same from what a save writes. All of them
    // for every input would cost ten times the load.
    uint32_t empreinte = 2166136261u;
    for (size_t i = 0; i < taille; ++i) empreinte = (empreinte ^ donnees[i]) * 16777619u;
    const CleReglage& cle = cles_reglages()[empreinte % cles_reglages().size()];
    const std::string valeur = param_valeur(lignes, cle.nom, cle.defaut);
    EXIGER(valeur == cle.defaut || (!valeur.empty() && sans_espace_autour(valeur)));
    int32_t attendu = 0;
    const bool correct = essayer_str_to_int(valeur, attendu);
    Reglages seul = defaut;
    if (numerique(cle) && !correct) {
        bool refusee = false;
        try {
            lire_cle(lignes, cle, seul);
        } catch (const ErreurConversion&) {
            refusee = true;
        }
        EXIGER(refusee && seul == defaut);
        // and the load said so, its message cut at a NUL as a C string is.
        std::string debut = "'" + valeur + "' ";
        debut = debut.substr(0, debut.find('\0'));
        bool dite = false;
        for (const std::string& e : erreurs) dite = dite || e.rfind(debut, 0) == 0;
        EXIGER(dite);
    } else {
        const std::string montre = lire_cle(lignes, cle, seul);
        if (cle.sorte == SorteCle::entier)
            EXIGER(str_to_int(montre) == seul.*cle.entier);
        else
            EXIGER(montre == valeur);
    }
    EXIGER(texte_cle(cle, seul) == texte_cle(cle, r));
    Reglages relu = defaut;
    lire_cle(ecrire_reglages(r), cle, relu);
    EXIGER(texte_cle(cle, relu) == texte_cle(cle, r));

    // The store's own readers, as the window calls them.
    if (cle.sorte == SorteCle::booleen) EXIGER(param_lire_bool(lignes, cle.nom, cle.defaut) == (valeur == "true"));
    if (cle.sorte == SorteCle::entier && correct) {
        std::string texte;
        EXIGER(param_lire_edit(lignes, cle.nom, cle.defaut, texte) == attendu && texte == valeur);
        EXIGER(param_lire_entier(lignes, cle.nom, cle.defaut) == attendu);
    }

    // A key named by the first line, looked up in the whole file.
    if (!lignes.empty()) {
        const std::string valeur = param_valeur(lignes, lignes[0], "defaut");
        EXIGER(valeur == "defaut" || (!valeur.empty() && sans_espace_autour(valeur)));
    }
    return 0;
}
