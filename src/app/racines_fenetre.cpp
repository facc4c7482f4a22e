// The root directory list: adding, removing and showing the clicked entry.
#include "app/diaporama.h"

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

}  // namespace nocturo
