// The slideshow loop.
#include "app/diaporama.h"

namespace nocturo {

void Tdiapo::boucle_diaporama() {
    Plateforme& p = plateforme;
    touche_appuyee = false;
    p.reamorcer_aleatoire();
    historique.ecriture = -1;
    if (catalogue.vide()) {
        Panel1.definir_visible(true);
        p.definir_curseur_ecran(curseur_normal);
        return;
    }
    Label6.definir_visible(false);
    // Pictures are not drawn yet: the loop waits for a key as the show would.
    while (!touche_appuyee) {
        p.traiter_messages();
        p.attendre(20);
    }
}

void Tdiapo::rejouer_historique() {}

}  // namespace nocturo
