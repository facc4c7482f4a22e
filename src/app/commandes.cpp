// Keys and the mouse watch.
#include "app/diaporama.h"
#include "show/souris.h"

namespace nocturo {

void Tdiapo::FormKeyUp(int touche) {
    touche_appuyee = true;
    derniere_touche = touche;
    // At once, whatever runs: a gesture that waits (the viewer) holds the machine's queue.
    if (touche == VK_ECHAP || touche == VK_Q) quitter();
    EvenementAutomate e = evenement(SorteEvenement::touche);
    e.touche = touche;
    e.maj = touche == VK_SUPPR && plateforme.maj_enfoncee();
    nourrir(e);
    // A show stopped by a key starts again here; a running one goes on in its own pump.
    if (automate_.phase != Phase::arret) boucle_diaporama();
}

void Tdiapo::Timer1Timer() {
    Plateforme& p = plateforme;
    // With no show running, what the walk beside it found comes in here; while it runs, it
    // comes between two pictures.
    if (catalogue.vide() || !defile(automate_)) appliquer_rafraichissement();
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
