// The mode the command line asks for, and the windows of each on the machine's view.
#include "plateforme/programme.h"

#include <exception>
#include <functional>

#include "app/diaporama.h"
#include "app/entree.h"
#include "app/winparametres.h"

namespace nocturo {

namespace {

int lancer_diaporama(const Lancement& l, Plateforme& p, Fenetres& fenetres) {
    Tdiapo diapo(p, l.lettre);
    diapo.forme.bornes = {0, 0, p.largeur_ecran(), p.hauteur_ecran()};
    diapo.forme.couleur = NOIR;
    // Keys released over the other monitors count as over the show.
    const auto touche = [&diapo](int vk) { diapo.touche_relachee(vk); };
    RappelsFenetre r;
    r.executer = [&diapo](const std::function<void()>& g) { diapo.executer(g); };
    r.touche = touche;
    r.activation = [&diapo] { diapo.FormActivate(); };
    const auto f = fenetres.ouvrir(diapo.forme, GenreFenetre::plein_ecran, std::move(r), l.titre ? "Nocturo" : "");
    diapo.sur_ecrans_noirs = [&fenetres, touche](const std::vector<Moniteur>& m) { fenetres.couvrir(m, touche); };
    // Returns once the first run of the slideshow has ended.
    diapo.executer([&diapo] { diapo.FormCreate(); });
    if (!f->visible()) f->afficher();
    return fenetres.boucle_messages();
}

// The dialog has no dispatcher of its own: errors show as the slideshow's do.
void executer_protege(Plateforme& p, const std::function<void()>& g) {
    try {
        g();
    } catch (const std::exception& e) {
        p.message(e.what());
    }
}

int lancer_parametres(Plateforme& p, Fenetres& fenetres) {
    Twinparam dialogue(p);
    RappelsFenetre r;
    r.executer = [&p](const std::function<void()>& g) { executer_protege(p, g); };
    const auto f = fenetres.ouvrir(dialogue.forme, GenreFenetre::dialogue, std::move(r));
    dialogue.sur_fermeture = [&f] { f->fermer(); };
    executer_protege(p, [&dialogue] { dialogue.FormCreate(); });
    f->afficher();
    return fenetres.boucle_messages();
}

}  // namespace

int programme(const std::vector<std::string>& arguments, Plateforme& p, Fenetres& fenetres) {
    const Lancement l = analyser_ligne_commande(arguments);
    switch (l.mode) {
    case Mode::diaporama:
        return lancer_diaporama(l, p, fenetres);
    case Mode::parametres:
        return lancer_parametres(p, fenetres);
    case Mode::apercu:
        return fenetres.apercu(l.fenetre_apercu, p, p);
    }
    return 0;
}

}  // namespace nocturo
