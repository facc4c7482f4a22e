// The slideshow loop: the next picture, its captions, the history browsed while paused.
#include "app/diaporama.h"

#include <algorithm>

#include "catalogue/chemins.h"
#include "settings/donnees.h"
#include "show/liste_courante.h"
#include "util/fichiers.h"
#include "util/texte.h"

namespace nocturo {

namespace {

constexpr double RAFRAICHIR_APRES_JOURS = 15.0 / (24 * 60);

// Resets a flag when the scope ends, however it ends.
class Drapeau {
public:
    explicit Drapeau(bool& d) : d_(d) { d_ = true; }
    ~Drapeau() { d_ = false; }
    Drapeau(const Drapeau&) = delete;
    Drapeau& operator=(const Drapeau&) = delete;

private:
    bool& d_;
};

std::string sans_points(std::string texte, char par) {
    remplace_car('.', par, texte);
    return texte;
}

}  // namespace

void Tdiapo::boucle_diaporama() {
    if (boucle_en_cours_) {
        relance_demandee_ = true;
        return;
    }
    Plateforme& p = plateforme;
    const Drapeau en_cours(boucle_en_cours_);
    do {
        relance_demandee_ = false;
        selection.recommencer();
        touche_appuyee = false;
        p.reamorcer_aleatoire();
        historique.ecriture = -1;
        if (catalogue.vide()) {
            Panel1.definir_visible(true);
            p.definir_curseur_ecran(curseur_normal);
            // A scan cut short before its first picture: finished beside the panel.
            if (rafraichissement_voulu_ && rafraichissement_actif && !rafraichissement_lance_) lancer_rafraichissement();
            return;
        }
        Label6.definir_visible(false);
        montrer_avis_codecs();
        if (rejeu_demande_) {
            rejeu_demande_ = false;
            rejouer_historique();
        }
        while (!touche_appuyee && !relance_demandee_) {
            if (defilement_actif) {
                if (!montrer_image_suivante()) {
                    // Nothing can be shown now: the panel, as for an empty catalogue.
                    defilement_actif = false;
                    Panel1.definir_visible(true);
                    montrer_avis_codecs();
                    p.definir_curseur_ecran(curseur_normal);
                    return;
                }
            } else {
                parcourir_historique();
            }
            p.traiter_messages();
        }
    } while (relance_demandee_);
}

int Tdiapo::indice_suivant() {
    if (!CheckBox_rnd.coche()) {
        reglages.indice_non_aleatoire = suivant_en_ordre(reglages.indice_non_aleatoire, catalogue.nombre());
        // The edit's handler marks the settings for saving: the next run resumes after it.
        Edit_indice_non_aleatoire.definir_texte(std::to_string(reglages.indice_non_aleatoire));
        return reglages.indice_non_aleatoire;
    }
    return indice_suivant_aleatoire(selection, {reglages.rayon_rnd, reglages.nb_fouille, catalogue.nombre()}, paquet,
                                    [this](int n) { return plateforme.aleatoire(n); }, graine());
}

Graine Tdiapo::graine() {
    return [this] {
        const auto morceau = [this] { return static_cast<uint64_t>(plateforme.aleatoire(1 << 30)); };
        return morceau() << 34 ^ morceau() << 17 ^ morceau();
    };
}

void Tdiapo::ajouter_historique(const std::string& chemin) {
    const int ligne = historique.ajouter(chemin);
    if (ligne < ListBox_passee.nombre())
        ListBox_passee.remplacer(ligne, chemin);
    else
        ListBox_passee.ajouter(chemin);
}

void Tdiapo::etape_fichier_rep_courant() {
    Plateforme& p = plateforme;
    // The list is read from its file while it can be written back; once it cannot, it goes
    // on in memory, so that its names still come one after the other.
    std::vector<std::string> lignes;
    if (liste_en_memoire_)
        lignes = *liste_en_memoire_;
    else if (!p.fichier_existe(FICHIER_REP_COURANT) || !lire_lignes_libres(p, FICHIER_REP_COURANT, lignes))
        return;
    // A name whose file went is passed over: the next one of the list takes its turn.
    std::optional<std::string> suivante;
    do suivante = consommer_liste(lignes);
    while (suivante && !p.fichier_existe(*suivante));
    if (!suivante) {
        liste_en_memoire_.reset();
        p.supprimer_fichier(FICHIER_REP_COURANT);
        return;
    }
    image_courante = *suivante;
    if (liste_en_memoire_) {
        liste_en_memoire_ = lignes;
        return;
    }
    try {
        ecrire_lignes(p, FICHIER_REP_COURANT, lignes);
    } catch (const ErreurES&) {
        liste_en_memoire_ = lignes;
    }
}

std::string Tdiapo::prevoir_image_suivante() {
    const int n = catalogue.nombre();
    const int p = CheckBox_rnd.coche()
                      ? prevoir_aleatoire(selection, {reglages.rayon_rnd, reglages.nb_fouille, n}, paquet,
                                          [this](int k) { return plateforme.aleatoire(k); }, graine())
                      : suivant_en_ordre(reglages.indice_non_aleatoire, n);
    // A current-directory list still holding names gives the next one instead.
    std::vector<std::string> lignes;
    if (liste_en_memoire_)
        lignes = *liste_en_memoire_;
    else if (!plateforme.fichier_existe(FICHIER_REP_COURANT) || !lire_lignes_libres(plateforme, FICHIER_REP_COURANT, lignes))
        lignes.clear();
    if (const std::optional<std::string> suivante = prochaine_de_liste(lignes)) return *suivante;
    return catalogue.chemin(p);
}

bool Tdiapo::montrer_image_suivante() {
    appliquer_rafraichissement();
    // A picture gone or of a kind this machine cannot decode is passed over at once; a
    // catalogue of nothing else ends the search instead of spinning.
    const int essais = std::min(catalogue.nombre(), 10000) + 2;
    for (int essai = 0; essai < essais && !catalogue.vide(); ++essai) {
        const int p = indice_suivant();
        image_courante = catalogue.chemin(p);
        etape_fichier_rep_courant();
        if (!montrable(image_courante)) continue;
        Chargement c = obtenir_image(image_courante);
        if (c.issue == IssueChargement::sans_codec) {
            codec_absent(image_courante);
            continue;
        }
        // Gone while it was decoded ahead or now.
        if (c.issue == IssueChargement::illisible && !montrable(image_courante)) continue;
        ajouter_historique(image_courante);
        Label5.definir_legende(std::to_string(historique.indice));
        Label13.definir_legende(std::to_string(catalogue.nombre()) + " images");
        std::string legende;
        const int titre = RadioGroup_titre_ecran.indice_element();
        if (titre == 1 || titre == 2) {
            legende = "(" + std::to_string(p) + "/" + std::to_string(catalogue.nombre()) + ")  " +
                      dernier_composant(repertoire_de(image_courante));
            if (titre == 2) legende += " \\ " + nom_de(image_courante);
        }
        Label1.definir_legende(sans_points(legende, ' '));
        if (CheckBox_af_an.coche()) afficher_annee_et_filtres();
        poser_image(std::move(c));
        // Once the first picture is on screen, not before: it must not wait for the disks.
        // Then again every quarter of an hour, for what the user copies while it runs.
        if (rafraichissement_actif && !rafraichisseur_.en_cours() &&
            (rafraichissement_lance_ ? plateforme.maintenant() - dernier_rafraichissement_ > RAFRAICHIR_APRES_JOURS
                                     : rafraichissement_voulu_))
            lancer_rafraichissement();
        // Chosen now, decoded while this one shows.
        prevoir_suivante();
        afficher_effet(image_courante);
        image_precedente = image_courante;
        Label_repertoire.definir_legende(repertoire_de(image_courante));
        Label_nom_img.definir_legende(nom_de(image_courante));
        return true;
    }
    return false;
}

void Tdiapo::parcourir_historique() {
    const int n = static_cast<int>(historique.lignes.size());
    if (n == 0) {
        // Nothing to browse: wait for the next key without spinning.
        plateforme.attendre_message(50);
        return;
    }
    if (derniere_touche == VK_GAUCHE || derniere_touche == VK_DROITE) {
        const int pas = derniere_touche == VK_GAUCHE ? -1 : 1;
        // A picture gone since it was shown is stepped over; with none left that way, the
        // step stays where it was, as at either end.
        int i = historique.indice + pas;
        while (i >= 0 && i < n && !plateforme.fichier_existe(historique.lignes[static_cast<size_t>(i)])) i += pas;
        if (i >= 0 && i < n) historique.indice = i;
        derniere_touche = -10;
    }
    borne(historique.indice, 0, n - 1);
    Police police = Button_avance.police();
    police.gras = historique.indice < n - 1;  // newer pictures exist
    Button_avance.definir_police(police);
    Label21.definir_legende(std::to_string(historique.indice) + "/" + std::to_string(n - 1));
    image_courante = historique.lignes[static_cast<size_t>(historique.indice)];
    Label5.definir_legende(std::to_string(historique.indice));
    Label13.definir_legende(std::to_string(catalogue.nombre()) + " images");
    if (image_courante == image_precedente && derniere_touche != -10) {
        plateforme.attendre_message(50);
        return;
    }
    std::string legende = " ";
    const int titre = RadioGroup_titre_ecran.indice_element();
    if (titre == 1)
        legende = " [" + std::to_string(historique.indice) + " / " + std::to_string(catalogue.nombre()) + "]  " +
                  repertoire_de(image_courante);
    else if (titre == 2)
        legende = " [" + std::to_string(historique.indice) + "]  " + image_courante;
    Label1.definir_legende(sans_points(legende, ' '));
    Chargement c = obtenir_image(image_courante);
    if (CheckBox_af_an.coche()) afficher_annee_et_filtres();
    poser_image(std::move(c));
    afficher_effet(image_courante);
    image_precedente = image_courante;
    Label_repertoire.definir_legende(repertoire_de(image_courante));
    Label_nom_img.definir_legende(nom_de(image_courante));
}

void Tdiapo::rejouer_historique() {
    const Drapeau rejeu(rejeu_en_cours);
    const int n = static_cast<int>(historique.lignes.size());
    if (historique.indice >= n - 1) return;  // nothing newer to show again
    const int haut = Panel1.haut();
    Panel1.definir_haut(hauteur_ecran);
    plateforme.definir_curseur_ecran(CURSEUR_AUCUN);
    for (int a = std::max(historique.indice, 0); a < n && !relance_demandee_; ++a) {
        const std::string chemin = historique.lignes[static_cast<size_t>(a)];
        if (masquee(chemin) || !montrable(chemin)) continue;  // hidden while paused, or gone
        Label1.definir_legende(sans_points(chemin, ','));
        poser_image(obtenir_image(chemin));
        afficher_effet(chemin);
        Label_repertoire.definir_legende(repertoire_de(chemin));
        Label_nom_img.definir_legende(nom_de(chemin));
    }
    Panel1.definir_haut(haut);
}

}  // namespace nocturo
