// The root directory list: adding, removing and showing the clicked entry.
#include "app/diaporama.h"
#include "catalogue/parcours.h"

namespace nocturo {

void Tdiapo::Panel_ajout_repClick() {
    Plateforme& p = plateforme;
    std::string chemin;
    if (p.choisir_repertoire(chemin) &&
        p.confirmer("Rajouter le répertoire suivant à la liste ?\n\n" + chemin +
                    "\n\n(attention, dans la fenêtre précedente, il fallait double-cliquer pour "
                    "valider le choix d'un nouveau répertoire) " +
                    "\n\n")) {
        if (CheckListBox_rep.chercher(chemin) >= 0) {
            p.bip();
        } else {
            CheckListBox_rep.ajouter(chemin);
            CheckListBox_rep.definir_coche(CheckListBox_rep.nombre() - 1, true);
        }
    }
    // Even a cancel leaves the reset pending.
    reinitialiser_en_quittant = true;
    indicateur(true);
}

void Tdiapo::Panel_sup_repClick() {
    const int i = CheckListBox_rep.indice_element();
    if (i < 0) return;
    if (plateforme.confirmer("Effacer de la liste le répertoire : " + CheckListBox_rep.element(i))) {
        CheckListBox_rep.supprimer(i);
        reinitialiser_en_quittant = true;
    }
    indicateur(true);
}

void Tdiapo::CheckListBox_repClick() {
    const int i = CheckListBox_rep.indice_element();
    if (i >= 0) Label20.definir_legende(CheckListBox_rep.element(i));
}

// A start with no root at all: the user's Pictures folder is offered, when it holds a picture.
void Tdiapo::proposer_dossier_images(Racines& r) {
    Plateforme& p = plateforme;
    const std::string dossier = p.dossier_images();
    if (dossier.empty() || !p.repertoire_existe(dossier) || !contient_une_image(dossier, p)) return;
    if (!p.confirmer("Aucun répertoire d'images n'est choisi. Afficher les images de « " + dossier + " » ?")) return;
    r.push_back({dossier, true});
    offre_images_acceptee_ = true;
}

}  // namespace nocturo
