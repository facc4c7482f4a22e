// The slideshow window's life: creation, start-up sequence, activation, the quit path.
#include "app/diaporama.h"

#include <exception>

#include "catalogue/cache.h"
#include "settings/donnees.h"
#include "settings/parametres.h"
#include "util/erreurs.h"
#include "util/fichiers.h"

namespace nocturo {

Tdiapo::Tdiapo(Plateforme& p, std::string lettre)
    : plateforme(p), lettre_mode(std::move(lettre)), reglages(reglages_de_forme()) {
    construire_controles();
    lier_gestionnaires();
}

void Tdiapo::executer(const std::function<void()>& gestionnaire) {
    try {
        gestionnaire();
    } catch (const ErreurES& e) {
        // A file the system refused: why, in words, and that nothing else stops.
        plateforme.message(message_et_cause(e) + ".\n\nLe diaporama continue.");
    } catch (const std::exception& e) {
        plateforme.message(e.what());
    }
}

void Tdiapo::FormCreate() {
    Plateforme& p = plateforme;
    forme.double_tampon = true;
    forme.couleur = NOIR;
    largeur_ecran = p.largeur_ecran();
    hauteur_ecran = p.hauteur_ecran();
    forme.bornes.largeur = largeur_ecran;
    forme.bornes.hauteur = hauteur_ecran;
    // The pictures on the primary monitor; every other one covered in black.
    Point origine;
    ecrans_noirs.clear();
    for (const Moniteur& m : p.moniteurs()) {
        if (m.principal)
            origine = {m.gauche, m.haut};
        else
            ecrans_noirs.push_back(m);
    }
    if (sur_ecrans_noirs) sur_ecrans_noirs(ecrans_noirs);
    forme.maximisee = true;
    catalogue = {};
    Label3.definir_legende("paramètre ligne de commande = <" + lettre_mode + ">");
    historique = {};
    montrer_historique();
    forme.bornes.gauche = origine.x + (largeur_ecran - forme.bornes.largeur) / 2;
    forme.bornes.haut = origine.y + (hauteur_ecran - forme.bornes.hauteur) / 2;
    forme.sans_bordure = true;
    forme.apercu_touches = true;
    derniere_touche = 0;
    curseur_normal = p.curseur_ecran();
    Label_etat.definir_legende(p.ecran_veille_actif() ? "actif" : "inactif");
    const std::string delai = std::to_string(p.delai_ecran_veille());
    Label_delai.definir_legende(delai + " s");
    Edit1.definir_texte(delai);
    touche_appuyee = sauver_en_quittant = reinitialiser_en_quittant = false;
    // The window's values until the settings load replaces them.
    reglages.vmax = 100;
    instant_prec = p.maintenant();
    nb_tops = 0;
    reglages.zoom_max10 = 16;
    reglages.inc_dx = 10;
    nb_entrees_vues = 0;
    Panel1.definir_visible(false);
    const Bornes& b = CheckListBox_rep.bornes();
    Bevel1.definir_bornes(b.gauche - 1, b.haut - 1, b.largeur + 2, b.hauteur + 2);
    SpeedButton_valider_filtre.definir_legende("Valider les\nfiltres");
    Edit_rayon_rnd.definir_indice(Label9.indice());
    Edit_nb_fouille.definir_indice(Label17.indice());
    Edit_indice_non_aleatoire.definir_indice(Label18.indice());
    Edit_vmax.definir_indice(Label10.indice());
    ListBox_passee.definir_visible(false);
    p.definir_curseur_ecran(CURSEUR_AUCUN);
    Label4.definir_visible(false);
    // Before the window shows: the design's placeholders ("année", "options", "Label6") must
    // stand neither over the waiting screen nor over the first pictures.
    Label_an.definir_legende("");
    Label_an.definir_bornes(largeur_ecran - Label_an.largeur(), 0, Label_an.largeur(), Label_an.hauteur());
    Label_options.definir_legende("");
    Label_options.definir_bornes(largeur_ecran - Label_options.largeur(), 30, Label_options.largeur(),
                                 Label_options.hauteur());
    Label6.definir_legende(TEXTE_PATIENTEZ);
    forme.modifiee();
    if (forme.sur_afficher) forme.sur_afficher();
    FormActivate();
    sequence_demarrage();
}

void Tdiapo::sequence_demarrage() {
    Plateforme& p = plateforme;
    p.definir_curseur_ecran(CURSEUR_AUCUN);
    Label6.definir_legende(TEXTE_PATIENTEZ);
    forme.couleur = GRIS;
    forme.modifiee();
    // Made before anything is written there: a first start has none.
    if (!p.repertoire_existe(REP_DONNEES) && !p.creer_repertoire(REP_DONNEES)) {
        sans_donnees_ = true;
        const std::string raison = p.raison_echec();
        p.message("Impossible de créer le répertoire " + REP_DONNEES + (raison.empty() ? "" : " : " + raison) +
                  "\n\nLes réglages et la liste des images ne seront pas enregistrés.");
    }
    // A folder that cannot take a file (read-only, a locked-down machine, a share gone):
    // said once now, and nothing is written there in this run.
    if (!sans_donnees_) {
        const std::string essai = REP_DONNEES + "\\nocturo_essai" + SUFFIXE_TEMPORAIRE;
        try {
            p.ecrire_octets(essai, "");
            p.supprimer_fichier(essai);
        } catch (const ErreurES& e) {
            sans_donnees_ = true;
            const std::string mots = mots_de(e.cause());
            p.message("Le dossier " + REP_DONNEES + " ne peut pas recevoir de fichier" + (mots.empty() ? "" : " : " + mots) +
                      ".\n\n" + SUITE_SANS_DONNEES);
        }
    }
    // What a save cut short by a crash or a power cut left beside its file.
    for (const std::string& f : FICHIERS_ECRITS_SUR) supprimer_temporaire(p, f);
    charger_parametres();
    lire_fichier_exclusions();
    // The Pictures folder just taken is a new list of roots: scanned now.
    if (p.fichier_existe(FICHIER_MARQUEUR) && !offre_images_acceptee_) {
        bool lu = false;
        if (p.fichier_existe(FICHIER_CACHE_IMAGES) && p.fichier_existe(FICHIER_CACHE_REP)) {
            try {
                charger_catalogue();
                lu = true;
            } catch (const CacheAbime&) {
                // Damaged (a crash, a full disk): rebuilt now, once, without a word; the
                // marker goes first so that a failure on the way does not trust it again.
                p.supprimer_fichier(FICHIER_MARQUEUR);
                catalogue = {};
            }
        }
        if (!lu) {
            scanner_catalogue();
            sauver_catalogue();
        } else {
            // The same catalogue as the last run: its deck goes on where it was.
            std::string texte;
            EtatPaquet e;
            if (p.lire_octets(FICHIER_PAQUET, texte) && decoder_paquet(texte, e) && e.taille == catalogue.nombre())
                paquet.reprendre(e);
            // The disks may have changed since: walked again beside the show.
            rafraichissement_voulu_ = true;
        }
    } else {
        p.supprimer_fichier(FICHIER_HISTORIQUE);
        // The exclusion file was read above, nothing ran since: once is enough.
        scanner_catalogue();
        sauver_catalogue();
    }
    // A scan cut short is finished beside the show.
    if (!catalogue_complet_) rafraichissement_voulu_ = true;
    if (offre_images_acceptee_) {
        offre_images_acceptee_ = false;
        // A scan cut short keeps the folder: its pictures are still to come.
        if (catalogue.vide() && catalogue_complet_) {
            // Nothing to show after all: the first start as without the offer.
            montrer_racines({});
            guider_premier_demarrage();
        } else {
            // Kept as the red button keeps them: the next start shows these pictures again.
            sauver_parametres();
        }
    }
    Panel1.definir_visible(false);
    p.definir_curseur_ecran(CURSEUR_AUCUN);
    nourrir(evenement(SorteEvenement::demarrer));
    boucle_diaporama();
}

void Tdiapo::FormActivate() {
    Label11.definir_legende("Nocturo 3.4");
    exclusions = {};
    indicateur(false);
    LignesParametres parametres;
    param_charger(plateforme, parametres, FICHIER_PARAMETRES);
    CheckBox_grand_menu.definir_coche(param_lire_bool(parametres, "CheckBox_grand_menu.Checked", "false"));
    if (CheckBox_grand_menu.coche())
        forme_longue();
    else
        forme_courte();
}

void Tdiapo::quitter() {
    Plateforme& p = plateforme;
    // The walk beside the show writes nothing: it is only told to stop.
    rafraichisseur_.demander_arret();
    if (reinitialiser_en_quittant) {
        p.supprimer_fichier(FICHIER_MARQUEUR);
        p.supprimer_fichier(FICHIER_REP_COURANT);
    }
    // Whatever the disk says, the process ends.
    en_quittant_ = true;
    if (sauver_en_quittant) {
        sauver_parametres();
    } else if (catalogue_modifie_ && !reinitialiser_en_quittant) {
        // Pictures found gone leave the cache, so that the next start does not look for them
        // again; the settings stay as they are on the disk.
        sauver_catalogue();
        sauver_paquet();
    }
    catalogue = {};
    p.montrer_curseur();
    p.terminer(1);
}

void Tdiapo::aPanel_sauve_param_et_BD0_et_quitterClick() {
    sauver_en_quittant = true;
    reinitialiser_en_quittant = true;
    sauver_parametres();
    quitter();
}

void Tdiapo::Button_quitClick() {
    Plateforme& p = plateforme;
    p.placer_curseur(largeur_ecran / 2, hauteur_ecran / 2);
    if (p.confirmer("\n     Quitter ?")) quitter();
}

}  // namespace nocturo
