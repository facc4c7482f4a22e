// The catalogue seen from the window: the scan with its progress and its keys, the cache,
// the exclusion file, the year caption.
#include "app/diaporama.h"
#include "catalogue/cache.h"
#include "catalogue/exclusions.h"
#include "catalogue/filtres.h"
#include "catalogue/fusion.h"
#include "catalogue/parcours.h"
#include "settings/donnees.h"
#include "util/texte.h"

namespace nocturo {

CriteresScan Tdiapo::criteres_scan() const {
    CriteresScan c;
    c.recursif = RadioGroup_sous_rep_recursif.indice_element() > 0;
    switch (RadioGroup_exclusion.indice_element()) {
        case 0: c.marques = ModeMarques::exclues; break;
        case 2: c.marques = ModeMarques::seules; break;
        default: c.marques = ModeMarques::indifferentes; break;
    }
    c.fichier_exclusion = CheckBox_fic_exclusion.coche();
    c.motifs = exclusions;
    c.filtre_date = CheckBox_date_de.coche();
    c.plage = CheckBox_date_a.coche();
    c.de = cle_mois(Edit_annee_de.texte(), Edit_mois_de.texte());
    c.a = cle_mois(Edit_annee_a.texte(), Edit_mois_a.texte());
    // Words that fold to nothing filter nothing.
    c.filtre_mots = CheckBox_contient.coche() && !sans_accents(coupe(Edit_contient.texte())).empty();
    c.mots = Edit_contient.texte();
    return c;
}

void Tdiapo::scanner_catalogue() {
    Plateforme& p = plateforme;
    touche_appuyee = false;
    if (exclusions_illisibles_) {
        // Nothing to show rather than what the user hid; no marker, no cache: the next
        // start scans.
        catalogue = {};
        catalogue_complet_ = false;
        return;
    }
    p.supprimer_fichier(FICHIER_MARQUEUR);
    // Taken now: the walk lets handlers run, and an activation empties the exclusion lists
    // or the user changes a filter; neither may reach a scan half way.
    const CriteresScan criteres = criteres_scan();
    const Racines a_parcourir = racines();
    const int32_t deja_vues = nb_entrees_vues;
    Rythme rythme(p);
    catalogue = parcourir(a_parcourir, criteres, p, [this, deja_vues, &rythme](int32_t vues) {
        if (deja_vues + vues != nb_entrees_vues) {
            nb_entrees_vues = deja_vues + vues;
            if (nb_entrees_vues % 200 == 0) Label1.definir_legende(std::to_string(nb_entrees_vues));
        }
        if (rythme.du()) plateforme.traiter_messages();
        return touche_appuyee;
    });
    // Cut short by a key, the pictures found so far are shown, but they are not the
    // catalogue: the walk beside the show, or the next start, finishes it.
    catalogue_complet_ = !touche_appuyee;
    if (catalogue_complet_) enregistrer([&] { p.ecrire_octets(FICHIER_MARQUEUR, ""); });
}

void Tdiapo::lire_fichier_exclusions() {
    exclusions = {};
    exclusions_illisibles_ = false;
    if (!CheckBox_fic_exclusion.coche()) return;
    try {
        // A long file lets Esc through as it is read.
        exclusions = nocturo::lire_fichier_exclusions(plateforme, plateforme, [this] { plateforme.traiter_messages(); });
    } catch (const ErreurES& e) {
        // A walk without its patterns would bring back every picture the user excluded.
        exclusions_illisibles_ = true;
        plateforme.message(message_et_cause(e) + ".\n\nLe diaporama continue avec la liste des images déjà faite ; elle ne sera pas mise à "
                           "jour tant que ce fichier ne peut pas être lu, pour ne montrer aucune image exclue.");
    }
}

void Tdiapo::SpeedButton1Click() { ouvrir_dans_bloc_notes(plateforme, "C:\\Nocturo", "Nocturo_exclusion.txt"); }

void Tdiapo::sauver_catalogue() {
    if (!catalogue_complet_) return;
    enregistrer([this] {
        ecrire_cache(catalogue, plateforme);
        catalogue_modifie_ = false;
    });
}

void Tdiapo::lancer_rafraichissement() {
    if (exclusions_illisibles_) return;
    rafraichissement_lance_ = true;
    dernier_rafraichissement_ = plateforme.maintenant();
    rafraichisseur_.lancer(racines(), criteres_scan(), plateforme, [this] { plateforme.fil_discret(); });
}

void Tdiapo::appliquer_rafraichissement() {
    std::optional<Rafraichissement> r = rafraichisseur_.prendre(rafraichissement_attendu);
    if (!r) return;
    Catalogue nouveau = garder_absentes(catalogue, std::move(r->catalogue), r->absentes);
    // Pictures hidden while the walk ran were still in its rules.
    if (!masquees_.empty()) {
        std::vector<int32_t> cachees;
        for (int32_t i = 0; i < nouveau.nombre(); ++i)
            if (masquee(nouveau.chemin(i))) cachees.push_back(i);
        nouveau.retirer(cachees);
    }
    const bool etait_complet = catalogue_complet_;
    catalogue_complet_ = true;
    // Written at once, so that the next start has it.
    const auto ecrire = [this] {
        catalogue_modifie_ = true;
        sauver_catalogue();
        sauver_paquet();
    };
    if (nouveau == catalogue) {
        // An unchanged library writes nothing; a scan cut short is now known whole.
        if (!etait_complet) ecrire();
        return;
    }
    const std::vector<int32_t> vers = correspondance(catalogue, nouveau);
    paquet.suivre(vers, nouveau.nombre(), graine());
    // In catalogue order the show goes on after the same picture, wherever it now stands;
    // after the next one still there when it left.
    const int32_t courant = reglages.indice_non_aleatoire;
    if (courant >= 0 && courant < catalogue.nombre()) {
        int32_t i = courant;
        while (i < catalogue.nombre() && vers[static_cast<size_t>(i)] < 0) ++i;
        reglages.indice_non_aleatoire = i == courant              ? vers[static_cast<size_t>(i)]
                                        : i < catalogue.nombre() ? vers[static_cast<size_t>(i)] - 1
                                                                 : nouveau.nombre() - 1;
        Edit_indice_non_aleatoire.definir_texte(std::to_string(reglages.indice_non_aleatoire));
    }
    // Positions drawn ahead point into the old catalogue.
    selection.recommencer();
    selection.garde.reset();
    catalogue = std::move(nouveau);
    Label13.definir_legende(std::to_string(catalogue.nombre()) + " images");
    ecrire();
}

void Tdiapo::charger_catalogue() { catalogue = lire_cache(plateforme); }

void Tdiapo::afficher_annee_et_filtres() {
    Label_an.definir_legende(annee_affichee(plateforme, image_courante, Label1.legende().empty(), annee_prise_));
    resume_filtres = resume_des_filtres(CheckBox_date_de.coche(), CheckBox_date_a.coche(),
                                        CheckBox_contient.coche(), Edit_contient.texte());
    Label_options.definir_legende(resume_filtres);
}

}  // namespace nocturo
