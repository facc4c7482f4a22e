// A picture on screen: its load (from the preload when it is ready), and what the show
// reads of the settings.
#include <algorithm>

#include "app/diaporama.h"
#include "util/texte.h"

namespace nocturo {

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

void Tdiapo::poser_image(Chargement c, const std::string& chemin, bool rejeu) {
    Image2.etirer = true;
    chemin_pose_ = chemin;
    pose_rejeu_ = rejeu;
    // The picture on screen stays for the fade from it.
    image_avant_.reset();
    if (reglages.fondu_ms > 0 && forme.couleur == NOIR && Image2.image() && Image2.largeur() > 0 && Image2.hauteur() > 0) {
        image_avant_ = Image2.image();
        bornes_avant_ = Image2.bornes();
    }
    Image2.definir_fondu(std::nullopt);
    switch (c.issue) {
        case IssueChargement::image:
            Image2.definir_image(std::move(c.image));
            issue_posee_ = Issue::image;
            break;
        case IssueChargement::illisible:
            Image2.definir_image(nullptr);
            issue_posee_ = Issue::illisible;
            break;
        case IssueChargement::sans_chargeur:
        case IssueChargement::sans_codec:
            // Skipped at once: the previous picture is not left under a new caption.
            issue_posee_ = Issue::sans_effet;
            break;
    }
    if (extension_de(chemin) == ".mp4") issue_posee_ = Issue::sans_effet;
}

void Tdiapo::placer_image(const Cadre& c) { Image2.definir_bornes(c.gauche, c.haut, c.largeur, c.hauteur); }

ParametresAutomate Tdiapo::parametres_automate() const {
    ParametresAutomate p;
    p.ecran = ecran();
    p.effet = reglages_effet();
    const Reglages& r = reglages;
    const int durees[] = {r.dt0_a, r.dt1_a, r.dt2_a, r.dt2_b, r.dt3_a, r.dt3_b, r.dt4_a, r.dt4_b, r.dt5_a, r.dt5_b};
    std::copy(std::begin(durees), std::end(durees), std::begin(p.durees));
    p.fondu_ms = reglages.fondu_ms;
    return p;
}

}  // namespace nocturo
