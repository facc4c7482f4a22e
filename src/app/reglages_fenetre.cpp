// The settings between their files and the window: the load and the save, and the one
// place where each setting meets its control.
#include "app/diaporama.h"
#include "settings/donnees.h"
#include "settings/parametres.h"
#include "util/erreurs.h"
#include "util/fichiers.h"
#include "util/texte.h"

namespace nocturo {

namespace {

const char* const TEXTE_PREMIER_DEMARRAGE =
    "Il faut choisir un répertoire contenant des images ET quitter l'application pour la "
    "relancer\n\n  en appuyant sur le  bouton ROUGE  [Enregistrer et quitter pour réinitialiser]";

}  // namespace

Controle& Tdiapo::controle_reglage(const CleReglage& cle) {
    const std::pair<const char*, Controle*> liens[] = {
        {"rep_album_A.Caption", &rep_album_A},
        {"rep_album_B.Caption", &rep_album_B},
        {"xnview_alternative_Label.Caption", &xnview_alternative_Label},
        {"dt0_a", &Edit_dt0_a},
        {"dt1_a", &Edit_dt1_a},
        {"dt2_a", &Edit_dt2_a},
        {"dt2_b", &Edit_dt2_b},
        {"dt3_a", &Edit_dt3_a},
        {"dt3_b", &Edit_dt3_b},
        {"dt4_a", &Edit_dt4_a},
        {"dt4_b", &Edit_dt4_b},
        {"dt5_a", &Edit_dt5_a},
        {"dt5_b", &Edit_dt5_b},
        {"_haut", &Edit_haut},
        {"vmax", &Edit_vmax},
        {"zoom_max10", &Edit_zoom_s_dix},
        {"inc_dx", &Edit_inc_pixel},
        {"indice_non_aleatoire", &Edit_indice_non_aleatoire},
        {"rayon_rnd", &Edit_rayon_rnd},
        {"nb_fouille", &Edit_nb_fouille},
        {"Rdg1.ItemIndex", &Rdg1},
        {"RadioGroup_titre_ecran.ItemIndex", &RadioGroup_titre_ecran},
        {"RadioGroup_sous_rep_recursif.ItemIndex", &RadioGroup_sous_rep_recursif},
        {"RadioGroup_exclusion.ItemIndex", &RadioGroup_exclusion},
        {"CheckBox_rnd.Checked", &CheckBox_rnd},
        {"CheckBox_date_de.Checked", &CheckBox_date_de},
        {"CheckBox_date_a.Checked", &CheckBox_date_a},
        {"annee_de", &Edit_annee_de},
        {"annee_a", &Edit_annee_a},
        {"mois_de", &Edit_mois_de},
        {"mois_a", &Edit_mois_a},
        {"CheckBox_contient.Checked", &CheckBox_contient},
        {"filtre_contient", &Edit_contient},
        {"CheckBox_xnview_rep_et_nom.Checked", &CheckBox_xnview_rep_et_nom},
        {"CheckBox_af_an.Checked", &CheckBox_af_an},
        {"CheckBox_fic_exclusion.Checked", &CheckBox_fic_exclusion},
        {"CheckBox_grand_menu.Checked", &CheckBox_grand_menu},
        {"fondu_enchaine_ms", &Edit_fondu},
    };
    for (const auto& [nom, controle] : liens)
        if (std::string_view(nom) == cle.nom) return *controle;
    throw std::logic_error(std::string("réglage sans contrôle : ") + cle.nom);
}

void Tdiapo::montrer_reglage(const CleReglage& cle, const std::string& texte) {
    // Through the controls' setters: each control that changes runs its handler, as the
    // user's change would.
    Controle& c = controle_reglage(cle);
    switch (cle.sorte) {
        case SorteCle::label:
            c.definir_legende(texte);
            break;
        case SorteCle::entier:
        case SorteCle::texte:
            static_cast<Edit&>(c).definir_texte(texte);  // an integer shows as stored
            break;
        case SorteCle::indice:
            static_cast<RadioGroup&>(c).definir_indice_element(str_to_int(texte));
            break;
        case SorteCle::booleen:
            static_cast<CheckBox&>(c).definir_coche(texte == "true");
            break;
    }
}

void Tdiapo::montrer_reglages(const Reglages& r) {
    for (const CleReglage& cle : toutes_cles_reglages()) montrer_reglage(cle, texte_cle(cle, r));
}

void Tdiapo::relire_reglages() {
    // Key by key: a malformed integer stops here, the keys before it already read.
    for (const CleReglage& cle : toutes_cles_reglages()) {
        Controle& c = controle_reglage(cle);
        switch (cle.sorte) {
            case SorteCle::label:
                reglages.*cle.texte = c.legende();
                break;
            case SorteCle::texte:
                reglages.*cle.texte = static_cast<Edit&>(c).texte();
                break;
            case SorteCle::entier: {
                auto& edit = static_cast<Edit&>(c);
                reglages.*cle.entier = borner(cle, str_to_int(edit.texte()));
                // A value brought into range shows as the value in force.
                if (reglages.*cle.entier != str_to_int(edit.texte()))
                    edit.definir_texte(std::to_string(reglages.*cle.entier));
                break;
            }
            case SorteCle::indice:
                reglages.*cle.entier = static_cast<RadioGroup&>(c).indice_element();
                break;
            case SorteCle::booleen:
                reglages.*cle.booleen = static_cast<CheckBox&>(c).coche();
                break;
        }
    }
}

Racines Tdiapo::racines() const {
    Racines r;
    for (int i = 0; i < CheckListBox_rep.nombre(); ++i)
        r.push_back({CheckListBox_rep.element(i), CheckListBox_rep.coche(i)});
    return r;
}

void Tdiapo::montrer_racines(const Racines& r) {
    std::vector<std::string> chemins;
    for (const Racine& racine : r) chemins.push_back(racine.chemin);
    CheckListBox_rep.definir_elements(std::move(chemins));
    for (size_t i = 0; i < r.size(); ++i) CheckListBox_rep.definir_coche(static_cast<int>(i), r[i].cochee);
}

void Tdiapo::montrer_historique() { ListBox_passee.definir_elements(historique.lignes); }

void Tdiapo::charger_parametres() {
    Plateforme& p = plateforme;
    Racines r = racines();
    lire_racines(p, r);
    if (r.empty()) proposer_dossier_images(r);
    montrer_racines(r);
    // One box for all the roots out of reach, however many.
    const std::string absentes = message_racines_absentes(r, p);
    if (!absentes.empty()) p.message(absentes);

    racines_lues_ = true;

    // A bad value costs that value only: its key takes its default, the load goes on.
    std::string erreurs;
    const auto lire = [&](const std::string& fichier, const std::vector<CleReglage>& cles) {
        LignesParametres parametres;
        param_charger(p, parametres, fichier);
        for (const CleReglage& cle : cles) {
            std::string texte;
            try {
                texte = lire_cle(parametres, cle, reglages);
            } catch (const ErreurConversion& e) {
                erreurs += (erreurs.empty() ? "" : "\n") + std::string(e.what());
                texte = lire_cle({}, cle, reglages);
            }
            montrer_reglage(cle, texte);
            if (cle.booleen == &Reglages::affiche_annee) Label_an.definir_visible(CheckBox_af_an.coche());
        }
    };
    lire(FICHIER_PARAMETRES, cles_reglages());
    // A data directory of an older version has none: its defaults.
    lire(FICHIER_PARAMETRES_PLUS, cles_reglages_plus());
    parametres_lus_ = true;
    if (!erreurs.empty()) p.message(erreurs);

    bool premier_demarrage = false;
    const bool historique_trouve = lire_historique(p, historique);
    historique_lu_ = true;
    if (historique_trouve) {
        montrer_historique();
    } else if (!offre_images_acceptee_) {
        premier_demarrage = true;
        guider_premier_demarrage();
    }

    // A start from the cache shows its first picture straight away: the panel would only
    // flash over the grey screen. A scan, a first start, an offer taken keep it.
    const bool depuis_le_cache = !premier_demarrage && !offre_images_acceptee_ && p.fichier_existe(FICHIER_MARQUEUR) &&
                                 p.fichier_existe(FICHIER_CACHE_IMAGES) && p.fichier_existe(FICHIER_CACHE_REP);
    if (catalogue.vide() && !depuis_le_cache) {
        FormKeyUp(VK_ESPACE);
        // Space puts the indicator out; the first-run message points at the red button,
        // so it must stay red.
        if (premier_demarrage) indicateur(true);
    }
}

void Tdiapo::guider_premier_demarrage() {
    Button_avec_sans_optionClick();
    indicateur(true);
    Label6.definir_visible(true);
    Label6.definir_gauche(Panel1.gauche() + 50);
    Label6.definir_haut(Panel1.haut() - 150);
    Label6.definir_legende(TEXTE_PREMIER_DEMARRAGE);
    Label6.repeindre();
}

void Tdiapo::sauver_parametres() {
    Plateforme& p = plateforme;
    if (sans_donnees_) return;  // the user was told once in this run
    Label1.definir_legende(" Sauvegarde des paramètres");
    enregistrer([&] {
        if (!p.repertoire_existe(REP_DONNEES) && !p.creer_repertoire(REP_DONNEES))
            throw ErreurES("Impossible de créer " + REP_DONNEES, p.cause_echec(), REP_DONNEES);
        // A list the load never read is not written over what the files hold.
        if (racines_lues_) ecrire_racines(p, racines());
        relire_reglages();
        if (parametres_lus_) {
            ecrire_lignes(p, FICHIER_PARAMETRES, ecrire_reglages(reglages));
            ecrire_lignes(p, FICHIER_PARAMETRES_PLUS, ecrire_reglages_plus(reglages));
        }
        if (reinitialiser_en_quittant)
            p.supprimer_fichier(FICHIER_REP_COURANT);
        else if (historique_lu_)
            ecrire_historique(p, historique);
    });
    // Pictures hidden in this run leave the cache too, so that they stay out at the next start.
    if (catalogue_modifie_) sauver_catalogue();
    sauver_paquet();
}

void Tdiapo::sauver_paquet() {
    // A draw made ahead for the next picture is not marked before its turn: not spent.
    if (paquet.etat().taille == 0) return;
    enregistrer([this] { ecrire_fichier_sur(plateforme, FICHIER_PAQUET, coder_paquet(paquet.etat())); });
}

void Tdiapo::enregistrer(const std::function<void()>& ecriture) {
    if (sans_donnees_) return;
    try {
        ecriture();
    } catch (const ErreurES& e) {
        ecriture_impossible(e);
    }
}

void Tdiapo::ecriture_impossible(const ErreurES& e) {
    // Nothing more is written there in this run: nothing more fails, nothing more is said.
    sans_donnees_ = true;
    if (en_quittant_) return;  // a screen saver that ends does not stop to say so
    const std::string mots = mots_de(e.cause());
    const std::string quoi = e.fichier().empty() ? std::string(e.what())
                                                 : "Impossible d'enregistrer " + e.fichier() + (mots.empty() ? "" : " : " + mots);
    plateforme.message(quoi + ".\n\n" + SUITE_SANS_DONNEES);
}
}  // namespace nocturo
