// Keys and the mouse watch.
#include "app/diaporama.h"
#include "show/souris.h"

namespace nocturo {

void Tdiapo::FormKeyUp(int touche) {
    Plateforme& p = plateforme;
    touche_appuyee = true;
    derniere_touche = touche;
    if (touche == VK_ECHAP || touche == VK_Q) quitter();
    if (touche == VK_F3) {
        Button_tout_le_repClick(nullptr);
        return;
    }
    // Del while paused: this picture no more; Shift+Del: its directory no more.
    if (touche == VK_SUPPR && Panel1.visible()) {
        ne_plus_afficher(p.maj_enfoncee());
        // The key stopped the paused loop, as any key does: it goes on.
        boucle_diaporama();
        return;
    }
    if (derniere_touche == VK_ESPACE) {
        indicateur(false);
        derniere_touche = 0;
        Panel1.definir_visible(!Panel1.visible());
        Panel1.definir_haut(forme.en_unites(hauteur_ecran) - Panel1.hauteur() - 12);
        if (!Panel1.visible()) {
            Panel3.definir_visible(false);
            Panel2.definir_visible(false);
            forme_courte();
        }
        if (Panel1.visible()) {
            defilement_actif = false;
            p.definir_curseur_ecran(curseur_normal);
        } else {
            // The pictures after the one stepped back to come again first, in the loop.
            rejeu_demande_ = true;
            defilement_actif = true;
            p.definir_curseur_ecran(CURSEUR_AUCUN);
        }
        boucle_diaporama();
    }
    if (derniere_touche == VK_GAUCHE || derniere_touche == VK_DROITE) boucle_diaporama();
}

void Tdiapo::Timer1Timer() {
    Plateforme& p = plateforme;
    // With no show running, what the walk beside it found comes in here; while it runs, it
    // comes between two pictures.
    if (catalogue.vide() || !defilement_actif) appliquer_rafraichissement();
    const Point pointeur = p.position_curseur();
    ++nb_tops;
    const double t = p.maintenant();
    const double vitesse = vitesse_souris(pointeur.x, souris_x_prec, t, instant_prec);
    if (!Panel1.visible() && nb_tops > 1 && vitesse > reglages.vmax) quitter();
    souris_x_prec = pointeur.x;
    instant_prec = t;
}

void Tdiapo::Panel_continuer_clik() {
    sauver_parametres();
    FormKeyUp(VK_ESPACE);
}

}  // namespace nocturo
