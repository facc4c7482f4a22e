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

// Sets a flag for the scope, however it ends.
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
    if (pompe_en_cours_) return;  // the running pump takes the new state at its next turn
    Plateforme& p = plateforme;
    const Drapeau en_cours(pompe_en_cours_);
    while (automate_.phase != Phase::arret) {
        if (anime(automate_)) {
            p.attendre_rafraichissement();
        } else if (a_reveil(automate_)) {
            const double reste = reveil(automate_) - p.millisecondes();
            if (reste > 0) p.attendre_message(static_cast<int>(std::min(reste, 100.0) + 0.999));
        } else {
            // Paused: nothing is timed, the keys do it all.
            p.attendre_message(50);
        }
        p.traiter_messages();
        nourrir(evenement(SorteEvenement::tic));
    }
}

EvenementAutomate Tdiapo::evenement(SorteEvenement sorte) {
    EvenementAutomate e;
    e.sorte = sorte;
    e.ms = plateforme.millisecondes();
    e.catalogue_vide = catalogue.vide();
    e.historique_indice = historique.indice;
    e.historique_nombre = static_cast<int>(historique.lignes.size());
    return e;
}

void Tdiapo::nourrir(const EvenementAutomate& e) {
    evenements_.push_back(e);
    // An event raised while gestures run (an answer, a key in a message box) waits its
    // turn: one transition at a time, the stack stays flat.
    if (en_transition_) return;
    const Drapeau en_cours(en_transition_);
    try {
        while (!evenements_.empty()) {
            const EvenementAutomate ev = evenements_.front();
            evenements_.pop_front();
            Transition t = transition(automate_, ev);
            automate_ = std::move(t.etat);
            for (const ActionAutomate& a : t.actions) accomplir(a);
            // The picture before is kept only for a fade on its way or running.
            if (automate_.phase != Phase::fondu && automate_.phase != Phase::suivante) image_avant_.reset();
        }
    } catch (...) {
        evenements_.clear();
        throw;
    }
}

void Tdiapo::repondre(Issue issue) {
    EvenementAutomate e = evenement(SorteEvenement::image_posee);
    e.issue = issue;
    // Read with each picture, not at every tick.
    e.parametres = parametres_automate();
    const std::shared_ptr<const ImagePrete>& image = Image2.image();
    if (issue == Issue::image && image) e.propre = image->propre;
    e.image_avant = image_avant_ != nullptr;
    nourrir(e);
}

void Tdiapo::accomplir(const ActionAutomate& a) {
    Plateforme& p = plateforme;
    switch (a.geste) {
        case Geste::quitter:
            quitter();
        case Geste::diaporama_repertoire:
            Button_tout_le_repClick(nullptr);
            return;
        case Geste::ne_plus_afficher:
            ne_plus_afficher(a.valeur != 0);
            return;
        case Geste::ouvrir_panneau:
        case Geste::fermer_panneau: {
            const bool ouvert = a.geste == Geste::ouvrir_panneau;
            indicateur(false);
            Panel1.definir_visible(ouvert);
            Panel1.definir_haut(forme.en_unites(hauteur_ecran) - Panel1.hauteur() - 12);
            if (!ouvert) {
                Panel3.definir_visible(false);
                Panel2.definir_visible(false);
                forme_courte();
            }
            p.definir_curseur_ecran(ouvert ? curseur_normal : CURSEUR_AUCUN);
            return;
        }
        case Geste::recommencer:
            selection.recommencer();
            touche_appuyee = false;
            p.reamorcer_aleatoire();
            historique.ecriture = -1;
            if (!catalogue.vide()) {
                Label6.definir_visible(false);
                montrer_avis_codecs();
            }
            return;
        case Geste::panneau_vide:
            Panel1.definir_visible(true);
            montrer_avis_codecs();
            p.definir_curseur_ecran(curseur_normal);
            // A scan cut short before its first picture: finished beside the panel.
            if (rafraichissement_voulu_ && rafraichissement_actif && !rafraichissement_lance_) lancer_rafraichissement();
            return;
        case Geste::poser_suivante:
            repondre(poser_image_suivante());
            return;
        case Geste::poser_historique:
            repondre(poser_ligne_historique(a.valeur));
            return;
        case Geste::pas_historique:
            if (parcourir_historique(a.valeur)) repondre(issue_posee_);
            return;
        case Geste::revoir_historique:
            if (parcourir_historique(0)) accomplir({Geste::fin_image, 0, {}});
            return;
        case Geste::couleur_noire:
        case Geste::couleur_rouge:
            forme.couleur = a.geste == Geste::couleur_noire ? NOIR : ROUGE;
            forme.modifiee();
            return;
        case Geste::placer:
            placer_image(a.cadre);
            return;
        case Geste::fondu:
            if (image_avant_) Image2.definir_fondu(Image::Fondu{image_avant_, bornes_avant_, a.valeur});
            return;
        case Geste::fin_fondu:
            Image2.definir_fondu(std::nullopt);
            image_avant_.reset();
            return;
        case Geste::tonalite:
            joue_tonalite(p, 640, 20, 30);
            return;
        case Geste::fin_image:
            if (!pose_rejeu_) image_precedente = image_courante;
            Label_repertoire.definir_legende(repertoire_de(chemin_pose_));
            Label_nom_img.definir_legende(nom_de(chemin_pose_));
            return;
    }
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

Issue Tdiapo::poser_image_suivante() {
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
        poser_image(std::move(c), image_courante, false);
        // Once the first picture is on screen, not before: it must not wait for the disks.
        // Then again every quarter of an hour, for what the user copies while it runs.
        if (rafraichissement_actif && !rafraichisseur_.en_cours() &&
            (rafraichissement_lance_ ? plateforme.maintenant() - dernier_rafraichissement_ > RAFRAICHIR_APRES_JOURS
                                     : rafraichissement_voulu_))
            lancer_rafraichissement();
        // Chosen now, decoded while this one shows.
        prevoir_suivante();
        return issue_posee_;
    }
    return Issue::rien;
}

bool Tdiapo::parcourir_historique(int pas) {
    const int n = static_cast<int>(historique.lignes.size());
    if (n == 0) return false;
    if (pas) {
        // A picture gone since it was shown is stepped over; with none left that way, the
        // step stays where it was, as at either end.
        int i = historique.indice + pas;
        while (i >= 0 && i < n && !plateforme.fichier_existe(historique.lignes[static_cast<size_t>(i)])) i += pas;
        if (i >= 0 && i < n) historique.indice = i;
    }
    borne(historique.indice, 0, n - 1);
    Police police = Button_avance.police();
    police.gras = historique.indice < n - 1;  // newer pictures exist
    Button_avance.definir_police(police);
    Label21.definir_legende(std::to_string(historique.indice) + "/" + std::to_string(n - 1));
    image_courante = historique.lignes[static_cast<size_t>(historique.indice)];
    Label5.definir_legende(std::to_string(historique.indice));
    Label13.definir_legende(std::to_string(catalogue.nombre()) + " images");
    // Without a step, the picture browsed to is shown only when it is not already there.
    if (!pas && image_courante == image_precedente) return false;
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
    poser_image(std::move(c), image_courante, false);
    return true;
}

Issue Tdiapo::poser_ligne_historique(int ligne) {
    if (ligne < 0 || ligne >= static_cast<int>(historique.lignes.size())) return Issue::sans_effet;
    const std::string chemin = historique.lignes[static_cast<size_t>(ligne)];
    if (masquee(chemin) || !montrable(chemin)) return Issue::sans_effet;  // hidden while paused, or gone
    Label1.definir_legende(sans_points(chemin, ','));
    poser_image(obtenir_image(chemin), chemin, true);
    return issue_posee_;
}

}  // namespace nocturo
