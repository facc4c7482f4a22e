// "Never show this picture again" (or this directory): lines appended to the user's
// exclusion file, and the pictures out of the catalogue at once.
#include "app/diaporama.h"

#include "catalogue/chemins.h"
#include "catalogue/detecteur.h"
#include "catalogue/exclusions.h"

namespace nocturo {

void Tdiapo::ne_plus_afficher(bool tout_le_repertoire) {
    if (image_courante.empty()) return;
    const std::string repertoire = repertoire_de(image_courante);
    std::string question = tout_le_repertoire
                               ? "Ne plus afficher les images de ce répertoire ?\n\n" + repertoire
                               : "Ne plus afficher cette image ?\n\n" + image_courante;
    const bool allumer = !CheckBox_fic_exclusion.coche();
    if (allumer) question += "\n\nLe fichier d'exclusions, non utilisé jusqu'ici, le sera désormais.";
    if (!plateforme.confirmer(question)) return;

    const std::vector<std::string> lignes = tout_le_repertoire ? lignes_exclusion_repertoire(repertoire)
                                                               : lignes_exclusion_image(image_courante);
    // The file and the catalogue untouched when the file cannot be read or written.
    try {
        ajouter_au_fichier_exclusions(plateforme, lignes);
    } catch (const ErreurES& e) {
        plateforme.message(message_et_cause(e) + ".\n\nL'image reste dans le diaporama.");
        return;
    }

    const MotifsExclusion nouveaux = lire_motifs_exclusion(lignes, plateforme);
    const DetecteurMotifs detecteur({&nouveaux.repertoires, &nouveaux.fichiers});
    std::vector<int32_t> partantes;
    for (int i = 0; i < catalogue.nombre(); ++i)
        if (detecteur.trouve_dans(catalogue.chemin(i))) partantes.push_back(i);
    retirer_du_catalogue(partantes);
    masquees_.insert(masquees_.end(), nouveaux.repertoires.begin(), nouveaux.repertoires.end());
    masquees_.insert(masquees_.end(), nouveaux.fichiers.begin(), nouveaux.fichiers.end());
    detecteur_masquees_ = DetecteurMotifs({&masquees_});
    // A later scan of this run leaves them out too.
    exclusions.repertoires.insert(exclusions.repertoires.end(), nouveaux.repertoires.begin(),
                                  nouveaux.repertoires.end());
    exclusions.fichiers.insert(exclusions.fichiers.end(), nouveaux.fichiers.begin(), nouveaux.fichiers.end());
    // The file's older lines, if any, wait for the next scan: its handler says so.
    if (allumer) CheckBox_fic_exclusion.definir_coche(true);
    sauver_en_quittant = true;
}

bool Tdiapo::masquee(const std::string& chemin) const { return detecteur_masquees_.trouve_dans(chemin); }

}  // namespace nocturo
