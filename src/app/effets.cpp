// A picture on screen: its load (from the preload when it is ready), its display effect
// and the waits that pace the show.
#include <algorithm>

#include "app/diaporama.h"
#include "util/texte.h"

namespace nocturo {

namespace {

constexpr int TOUCHE_PAS_HISTORIQUE = -10;
// However short the durations, a picture stays this long: at 0 the show would otherwise
// decode and paint as fast as the machine can, for pictures nobody sees.
constexpr double PLANCHER_MS = 500;

}  // namespace

ReglagesEffet Tdiapo::reglages_effet() const {
    return {Rdg1.indice_element(), reglages.zoom_max10, reglages.inc_dx, reglages.haut};
}

std::string Tdiapo::cle_copie(const std::string& chemin) const {
    // The copy's size follows the screen and the effect: a change of either asks another.
    const ReglagesEffet r = reglages_effet();
    return chemin + "|" + std::to_string(largeur_ecran) + "x" + std::to_string(hauteur_ecran) + "|" +
           std::to_string(effet_retenu(r.effet)) + "|" + std::to_string(r.zoom_max10) + "|" +
           std::to_string(r.inc_dx) + "|" + std::to_string(r.haut);
}

Chargement Tdiapo::charger(const std::string& chemin) {
    const Taille e = ecran();
    const ReglagesEffet r = reglages_effet();
    return charger_copie(chemin, [e, r](Taille droite) { return taille_copie(e, droite, r); }, plateforme, plateforme);
}

void Tdiapo::prevoir_suivante() {
    if (catalogue.vide()) return;
    // Chosen ahead whether or not it is decoded ahead: the draws stay the same either way.
    const std::string chemin = prevoir_image_suivante();
    // A kind set aside is not opened again.
    if (!prechargement_actif || ecartee(chemin)) return;
    const Taille e = ecran();
    const ReglagesEffet r = reglages_effet();
    Plateforme* p = &plateforme;
    prechargeur_.demander(cle_copie(chemin), [chemin, e, r, p] {
        return charger_copie(chemin, [e, r](Taille droite) { return taille_copie(e, droite, r); }, *p, *p);
    });
}

Chargement Tdiapo::obtenir_image(const std::string& chemin) {
    std::optional<Chargement> c = prechargeur_.prendre(cle_copie(chemin));
    if (!c) c = charger(chemin);
    annee_prise_ = c->image ? c->image->annee_prise : 0;
    return std::move(*c);
}

void Tdiapo::poser_image(Chargement c) {
    Image2.etirer = true;
    sans_chargeur_ = false;
    switch (c.issue) {
        case IssueChargement::image:
            Image2.definir_image(std::move(c.image));
            break;
        case IssueChargement::illisible:
            Image2.definir_image(nullptr);
            break;
        case IssueChargement::sans_chargeur:
        case IssueChargement::sans_codec:
            // Skipped at once: the previous picture is not left under a new caption.
            sans_chargeur_ = true;
            break;
    }
}

void Tdiapo::placer_image(const Cadre& c) { Image2.definir_bornes(c.gauche, c.haut, c.largeur, c.hauteur); }

void Tdiapo::attendre_ms(int ms) {
    for (int i = 0; i < ms / 100 && !relance_demandee_; ++i) {
        plateforme.attendre(100);
        plateforme.traiter_messages();
    }
}

void Tdiapo::attendre_plancher(double debut) {
    for (;;) {
        // On the steady clock: a clock of the day set back cannot stretch it. A pause ends it.
        const double reste = PLANCHER_MS - (plateforme.millisecondes() - debut);
        if (reste <= 0 || relance_demandee_ || en_pause()) return;
        plateforme.attendre(std::min(100, static_cast<int>(reste) + 1));
        plateforme.traiter_messages();
    }
}

void Tdiapo::afficher_effet(const std::string& chemin) {
    const double debut = plateforme.millisecondes();
    if (afficher_effet_seul(chemin)) attendre_plancher(debut);
}

bool Tdiapo::afficher_effet_seul(const std::string& chemin) {
    Plateforme& p = plateforme;
    if (en_pause() && derniere_touche != TOUCHE_PAS_HISTORIQUE) return false;
    const std::shared_ptr<const ImagePrete> image = Image2.image();
    if (derniere_touche == TOUCHE_PAS_HISTORIQUE) {
        // A step through the history shows the picture whole, in its own proportions.
        if (image) placer_image(cadre_ajuste(ecran(), image->propre));
        joue_tonalite(p, 640, 20, 30);
        derniere_touche = 0;
        return false;
    }
    if (extension_de(chemin) == ".mp4" || sans_chargeur_) return false;
    forme.couleur = NOIR;
    forme.modifiee();
    if (!image || image->propre.largeur <= 0 || image->propre.hauteur <= 0) {
        // Nothing could be decoded: two seconds of red, Esc still heard.
        forme.couleur = ROUGE;
        forme.modifiee();
        attendre_ms(2000);
        return true;
    }
    const Taille propre = image->propre;
    const int effet = effet_retenu(Rdg1.indice_element());
    int largeur = 0;
    if (effet == 0 || effet == 2 || effet == 3 || effet == 4) {
        const Cadre c = cadre_ajuste(ecran(), propre);
        placer_image(c);
        largeur = c.largeur;
        const int duree[] = {reglages.dt0_a, 0, reglages.dt2_a, reglages.dt3_a, reglages.dt4_a};
        attendre_ms(duree[effet]);
        if (effet == 0) return true;
    }
    if (effet == 1 || effet == 2 || effet == 5) {
        const Cadre c = cadre_rempli(ecran(), propre, reglages.haut);
        placer_image(c);
        largeur = c.largeur;
        attendre_ms(effet == 1 ? reglages.dt1_a : effet == 2 ? reglages.dt2_b : reglages.dt5_a);
        if (effet != 5) return true;
    }
    if (relance_demandee_ || en_pause()) return false;
    zoom_lent(largeur, propre);
    if (relance_demandee_) return false;
    attendre_ms(effet == 3 ? reglages.dt3_b : effet == 4 ? reglages.dt4_b : reglages.dt5_b);
    return true;
}

void Tdiapo::zoom_lent(int largeur_depart, Taille propre) {
    Plateforme& p = plateforme;
    // One width a displayed frame: the zoom lasts as many refreshes as it has steps, on any
    // machine, and a key ends it at the next one.
    for (const int w : largeurs_zoom(largeur_depart, largeur_ecran, reglages.zoom_max10, reglages.inc_dx)) {
        if (touche_appuyee || relance_demandee_) break;
        placer_image(cadre_zoom(ecran(), propre, w, reglages.haut));
        p.traiter_messages();
        p.attendre_rafraichissement();
    }
    // A key released before or during the zoom only shortens it.
    touche_appuyee = false;
}

}  // namespace nocturo
