#include "show/automate.h"

#include <algorithm>

namespace nocturo {

namespace {

int dixiemes(int ms) { return ms >= 100 ? ms / 100 * 100 : 0; }

// One transition being worked out: the state as it goes, and the gestures in order.
struct Calcul {
    EtatAutomate e;
    std::vector<ActionAutomate> actions;
    void faire(Geste g, int valeur = 0, Cadre cadre = {}) { actions.push_back({g, valeur, cadre}); }
};

bool image_en_cours(Phase p) {
    return p == Phase::fondu || p == Phase::maintien || p == Phase::zoom || p == Phase::rouge;
}

// A picture cut short by a key: the fade jumps to its end, the labels follow the picture.
void interrompre(Calcul& c) {
    if (c.e.phase == Phase::fondu) c.faire(Geste::fin_fondu);
    if (image_en_cours(c.e.phase)) c.faire(Geste::fin_image);
}

void demander(Calcul& c) {
    c.e.phase = Phase::suivante;
    if (c.e.rejeu >= 0 && c.e.rejeu < c.e.rejeu_fin) {
        c.faire(Geste::poser_historique, c.e.rejeu++);
        return;
    }
    c.e.rejeu = c.e.rejeu_fin = -1;
    c.faire(Geste::poser_suivante);
}

// A new run of the show, as Space, the arrows and the start begin one.
void relancer(Calcul& c, const EvenementAutomate& ev, int pas = 0) {
    c.faire(Geste::recommencer);
    c.e.arret_apres = c.e.zoom_coupe = false;
    if (ev.catalogue_vide) {
        c.e.phase = Phase::arret;
        c.e.panneau = true;
        c.e.rejeu = c.e.rejeu_fin = -1;
        c.faire(Geste::panneau_vide);
        return;
    }
    if (c.e.panneau) {
        c.e.phase = Phase::pause;
        c.faire(pas ? Geste::pas_historique : Geste::revoir_historique, pas);
        return;
    }
    demander(c);
}

void commencer_etape(Calcul& c, double ms);

void finir_image(Calcul& c) {
    c.faire(Geste::fin_image);
    if (c.e.arret_apres) {
        c.e.arret_apres = false;
        c.e.phase = Phase::arret;
        return;
    }
    demander(c);
}

void etape_suivante(Calcul& c, double ms) {
    ++c.e.etape;
    if (c.e.etape < static_cast<int>(c.e.etapes.size()))
        commencer_etape(c, ms);
    else
        finir_image(c);
}

void tenir(Calcul& c, double ms, const Etape& etape) {
    c.e.phase = Phase::maintien;
    c.e.fin = ms + dixiemes(etape.duree_ms);
    if (c.e.etape + 1 == static_cast<int>(c.e.etapes.size())) c.e.fin = std::max(c.e.fin, c.e.debut + PLANCHER_MS);
}

void commencer_etape(Calcul& c, double ms) {
    const Etape& etape = c.e.etapes[static_cast<size_t>(c.e.etape)];
    const ParametresAutomate& p = c.e.parametres;
    switch (etape.pose) {
        case Pose::ajuste:
        case Pose::rempli: {
            const Cadre cadre = etape.pose == Pose::ajuste ? cadre_ajuste(p.ecran, c.e.propre)
                                                           : cadre_rempli(p.ecran, c.e.propre, p.effet.haut);
            c.e.largeurs = {cadre.largeur};
            c.faire(Geste::placer, 0, cadre);
            tenir(c, ms, etape);
            return;
        }
        case Pose::zoom: {
            const int depart = c.e.largeurs.empty() ? 0 : c.e.largeurs.front();
            c.e.largeurs = largeurs_zoom(depart, p.ecran.largeur, p.effet.zoom_max10, p.effet.inc_dx);
            // A key released before it only shortens it, to nothing.
            if (c.e.zoom_coupe || c.e.largeurs.empty()) {
                c.e.zoom_coupe = false;
                etape_suivante(c, ms);
                return;
            }
            c.e.phase = Phase::zoom;
            c.e.pas_zoom = 1;
            c.faire(Geste::placer, 0, cadre_zoom(p.ecran, c.e.propre, c.e.largeurs[0], p.effet.haut));
            return;
        }
        case Pose::tel_quel:
            tenir(c, ms, etape);
            return;
    }
}

// Nothing could be decoded: two seconds of red.
void rougir(Calcul& c, double ms) {
    c.faire(Geste::couleur_rouge);
    c.e.phase = Phase::rouge;
    c.e.fin = ms + ROUGE_MS;
}

void image_posee(Calcul& c, const EvenementAutomate& ev) {
    if (c.e.phase == Phase::pause) {
        // A step through the history shows the picture whole, with a short tone.
        if (ev.issue == Issue::image && ev.propre.largeur > 0 && ev.propre.hauteur > 0)
            c.faire(Geste::placer, 0, cadre_ajuste(ev.parametres.ecran, ev.propre));
        c.faire(Geste::tonalite);
        c.faire(Geste::fin_image);
        return;
    }
    if (c.e.phase != Phase::suivante) return;
    c.e.parametres = ev.parametres;
    c.e.debut = ev.ms;
    c.e.etape = 0;
    c.e.etapes.clear();
    c.e.zoom_coupe = false;
    switch (ev.issue) {
        case Issue::rien:
            c.e.phase = Phase::arret;
            c.e.panneau = true;
            c.faire(Geste::panneau_vide);
            return;
        case Issue::sans_effet:
            // Passed over at the next tick: the window answers its messages in between.
            c.e.phase = Phase::maintien;
            c.e.fin = ev.ms;
            return;
        case Issue::illisible:
        case Issue::image:
            break;
    }
    c.faire(Geste::couleur_noire);
    if (ev.issue == Issue::illisible || ev.propre.largeur <= 0 || ev.propre.hauteur <= 0) {
        rougir(c, ev.ms);
        return;
    }
    c.e.propre = ev.propre;
    c.e.etapes = etapes_effet(c.e.parametres);
    commencer_etape(c, ev.ms);
    // The fade runs inside the first hold, never longer: the pace stays the one the user set.
    const double duree = std::min<double>(c.e.parametres.fondu_ms, c.e.fin - ev.ms);
    if (duree > 0 && ev.image_avant && c.e.phase == Phase::maintien) {
        c.e.phase = Phase::fondu;
        c.e.fin_fondu = ev.ms + duree;
        c.faire(Geste::fondu, 0);
    }
}

void tic(Calcul& c, double ms) {
    switch (c.e.phase) {
        case Phase::fondu:
            if (ms < c.e.fin_fondu) {
                const double f = (ms - c.e.debut) / (c.e.fin_fondu - c.e.debut);
                c.faire(Geste::fondu, std::clamp(static_cast<int>(f * 255 + 0.5), 0, 255));
                return;
            }
            c.faire(Geste::fin_fondu);
            c.e.phase = Phase::maintien;
            [[fallthrough]];
        case Phase::maintien:
            if (ms >= c.e.fin) etape_suivante(c, ms);
            return;
        case Phase::rouge:
            if (ms >= c.e.fin) finir_image(c);
            return;
        case Phase::zoom: {
            const ParametresAutomate& p = c.e.parametres;
            if (c.e.pas_zoom < static_cast<int>(c.e.largeurs.size())) {
                const int w = c.e.largeurs[static_cast<size_t>(c.e.pas_zoom++)];
                c.faire(Geste::placer, 0, cadre_zoom(p.ecran, c.e.propre, w, p.effet.haut));
                return;
            }
            etape_suivante(c, ms);
            return;
        }
        case Phase::arret:
        case Phase::pause:
        case Phase::suivante:
            return;
    }
}

bool zoom_a_venir(const EtatAutomate& e) {
    for (size_t i = static_cast<size_t>(std::max(e.etape, 0)); i < e.etapes.size(); ++i)
        if (e.etapes[i].pose == Pose::zoom) return true;
    return false;
}

void touche(Calcul& c, const EvenementAutomate& ev) {
    const int k = ev.touche;
    if (k == VK_ECHAP || k == VK_Q) {
        c.faire(Geste::quitter);
        return;
    }
    if (k == VK_F3) c.faire(Geste::diaporama_repertoire);
    if (k == VK_ESPACE) {
        if (!c.e.panneau) {
            interrompre(c);
            c.e.panneau = true;
            c.faire(Geste::ouvrir_panneau);
        } else {
            c.e.panneau = false;
            c.faire(Geste::fermer_panneau);
            // The pictures after the one stepped back to come again first.
            const bool recule = ev.historique_indice >= 0 && ev.historique_indice < ev.historique_nombre - 1;
            c.e.rejeu = recule ? ev.historique_indice : -1;
            c.e.rejeu_fin = recule ? ev.historique_nombre : -1;
        }
        relancer(c, ev);
        return;
    }
    if (k == VK_GAUCHE || k == VK_DROITE) {
        interrompre(c);
        c.e.rejeu = c.e.rejeu_fin = -1;
        relancer(c, ev, k == VK_GAUCHE ? -1 : 1);
        return;
    }
    if (k == VK_SUPPR && c.e.panneau) {
        c.faire(Geste::ne_plus_afficher, ev.maj ? 1 : 0);
        relancer(c, ev);
        return;
    }
    // Any other key: paused, it ends the browsing and nothing shows it; showing, it shortens
    // a zoom still to come or running, or else stops the show once this picture's time is
    // over.
    if (c.e.phase == Phase::pause) {
        c.e.phase = Phase::arret;
        return;
    }
    if (c.e.phase == Phase::fondu) {
        c.faire(Geste::fin_fondu);
        c.e.phase = Phase::maintien;
    }
    if (c.e.phase == Phase::zoom) {
        etape_suivante(c, ev.ms);
        return;
    }
    if (!defile(c.e)) return;
    if (zoom_a_venir(c.e))
        c.e.zoom_coupe = true;
    else
        c.e.arret_apres = true;
}

}  // namespace

std::vector<Etape> etapes_effet(const ParametresAutomate& p) {
    const int* d = p.durees;
    switch (effet_retenu(p.effet.effet)) {
        case 1: return {{Pose::rempli, d[1]}};
        case 2: return {{Pose::ajuste, d[2]}, {Pose::rempli, d[3]}};
        case 3: return {{Pose::ajuste, d[4]}, {Pose::zoom, 0}, {Pose::tel_quel, d[5]}};
        case 4: return {{Pose::ajuste, d[6]}, {Pose::zoom, 0}, {Pose::tel_quel, d[7]}};
        case 5: return {{Pose::rempli, d[8]}, {Pose::zoom, 0}, {Pose::tel_quel, d[9]}};
        default: return {{Pose::ajuste, d[0]}};
    }
}

Transition transition(const EtatAutomate& etat, const EvenementAutomate& ev) {
    Calcul c{etat, {}};
    switch (ev.sorte) {
        case SorteEvenement::demarrer:
            c.e.panneau = false;
            c.e.rejeu = c.e.rejeu_fin = -1;
            relancer(c, ev);
            break;
        case SorteEvenement::tic:
            tic(c, ev.ms);
            break;
        case SorteEvenement::touche:
            touche(c, ev);
            break;
        case SorteEvenement::image_posee:
            image_posee(c, ev);
            break;
    }
    return {std::move(c.e), std::move(c.actions)};
}

bool anime(const EtatAutomate& e) { return e.phase == Phase::fondu || e.phase == Phase::zoom; }

bool a_reveil(const EtatAutomate& e) { return e.phase == Phase::maintien || e.phase == Phase::rouge; }

double reveil(const EtatAutomate& e) { return e.fin; }

bool defile(const EtatAutomate& e) { return e.phase == Phase::suivante || image_en_cours(e.phase); }

}  // namespace nocturo
