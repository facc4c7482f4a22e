// The control panel: its two forms, the side panels, the indicator and the small handlers.
#include "app/diaporama.h"
#include "settings/donnees.h"

#include "util/texte.h"

namespace nocturo {

void Tdiapo::placer_rangee_boutons(bool longue) {
    const std::pair<Controle*, std::pair<int, int>> rangee[] = {
        {&Panel_continuer, {123, 475}},        {&Button_retour, {311, 663}},
        {&Button_avance, {367, 719}},          {&Panel_ouvrir_rep_img, {424, 769}},
        {&Button_avec_sans_option, {644, 1084}}, {&Button_quit, {744, 123}},
        {&Button_close_param, {849, 1517}},    {&Button_tout_le_rep, {878, 990}},
    };
    for (const auto& [c, gauches] : rangee) c->definir_gauche(longue ? gauches.second : gauches.first);
    // The panels' units, not the screen's pixels.
    Panel1.definir_gauche((forme.en_unites(largeur_ecran) - Panel1.largeur()) / 2);
    Panel1.definir_haut(forme.en_unites(hauteur_ecran) - Panel1.hauteur() - 12);
}

void Tdiapo::forme_courte() {
    if (CheckBox_grand_menu.coche()) {
        forme_longue();
        return;
    }
    Button_avec_sans_option.definir_legende("plus d'options");
    Panel1.definir_hauteur(2 * Button_retour.haut() + Button_retour.hauteur());
    Panel1.definir_largeur(1001);
    placer_rangee_boutons(false);
}

void Tdiapo::forme_longue() {
    Button_avec_sans_option.definir_legende("moins d'options");
    Panel1.definir_hauteur(Label20.haut() + Label20.hauteur() + 8);
    Panel1.definir_largeur(1545);
    placer_rangee_boutons(true);
    Panel3.definir_haut(Panel1.haut() - Panel3.hauteur() - 2);
    Panel3.definir_gauche(Panel1.gauche() + Panel1.largeur() - Panel3.largeur());
    Panel2.definir_gauche(Panel3.gauche() - Panel2.largeur() - 2);
    Panel2.definir_haut(Panel3.haut());
    Panel_renommage.definir_gauche(Panel2.gauche() - Panel_renommage.largeur() - 2);
    Panel_renommage.definir_haut(Panel3.haut());
}

void Tdiapo::indicateur(bool allume) {
    Panel& p = aPanel_sauve_param_et_BD0_et_quitter;
    Police police = p.police();
    police.couleur = allume ? BLANC : ROUGE;
    p.definir_couleur(allume ? ROUGE : COULEUR_FACE_BOUTON);
    p.definir_police(police);
    p.repeindre();
}

void Tdiapo::Button_avec_sans_optionClick() {
    if (Button_avec_sans_option.legende() == "plus d'options")
        forme_longue();
    else
        forme_courte();
}

void Tdiapo::Button_param_avancerClick() {
    Panel3.definir_visible(!Panel3.visible());
    Panel2.definir_visible(Panel3.visible());
    ListBox_passee.definir_visible(Panel3.visible());
    if (!CheckBox_voir_liste_300.coche()) ListBox_passee.definir_visible(false);
}

void Tdiapo::Button4Click() {
    Panel3.definir_visible(false);
    Panel2.definir_visible(false);
}

void Tdiapo::Button_enreg_paramClick() {
    sauver_en_quittant = true;
    reinitialiser_en_quittant = true;
    sauver_parametres();
    Button4Click();
}

void Tdiapo::Button2Click() {
    // A save asked for and not made says so, every time it is asked.
    if (sans_donnees_) {
        plateforme.message("Les réglages ne peuvent pas être enregistrés pendant cette séance : le dossier " +
                           REP_DONNEES + " ne peut pas recevoir de fichier.");
        return;
    }
    sauver_parametres();
}

void Tdiapo::ButtonValidationDelaiClick() {
    Plateforme& p = plateforme;
    const int secondes = str_to_int(Edit1.texte());
    p.definir_delai_ecran_veille(secondes);
    // Nothing is saved and the marker is left alone: the delay takes effect on its own.
    p.terminer(1);
}

void Tdiapo::CheckBox_voir_liste_300Click() { ListBox_passee.definir_visible(CheckBox_voir_liste_300.coche()); }

void Tdiapo::CheckBox_af_anClick() {
    if (!CheckBox_af_an.coche()) Label_an.definir_legende("    ");
}

void Tdiapo::lier_gestionnaires() {
    Timer1.sur_tick = [this] { Timer1Timer(); };
    Button_retour.sur_clic = [this] { FormKeyUp(VK_GAUCHE); };
    Button_avance.sur_clic = [this] { FormKeyUp(VK_DROITE); };
    Panel_continuer.sur_clic = [this] { Panel_continuer_clik(); };
    Button_close_param.sur_clic = [this] { Panel_continuer_clik(); };
    Button_quit.sur_clic = [this] { Button_quitClick(); };
    aPanel_sauve_param_et_BD0_et_quitter.sur_clic = [this] { aPanel_sauve_param_et_BD0_et_quitterClick(); };
    Label25.sur_clic = [this] { aPanel_sauve_param_et_BD0_et_quitterClick(); };
    SpeedButton_valider_filtre.sur_clic = [this] { aPanel_sauve_param_et_BD0_et_quitterClick(); };
    Button_avec_sans_option.sur_clic = [this] { Button_avec_sans_optionClick(); };
    Button_param_avancer.sur_clic = [this] { Button_param_avancerClick(); };
    Button4.sur_clic = [this] { Button4Click(); };
    Button_enreg_param.sur_clic = [this] { Button_enreg_paramClick(); };
    Button2.sur_clic = [this] { Button2Click(); };
    ButtonValidationDelai.sur_clic = [this] { ButtonValidationDelaiClick(); };
    CheckBox_voir_liste_300.sur_clic = [this] { CheckBox_voir_liste_300Click(); };
    CheckBox_af_an.sur_clic = [this] { CheckBox_af_anClick(); };
    Panel_ajout_rep.sur_clic = [this] { Panel_ajout_repClick(); };
    Panel_sup_rep.sur_clic = [this] { Panel_sup_repClick(); };
    CheckListBox_rep.sur_clic = [this] { CheckListBox_repClick(); };
    SpeedButton1.sur_clic = [this] { SpeedButton1Click(); };
    Button_album_a.sur_clic = [this] { copier_vers_album('A'); };
    Label12.sur_clic = [this] { copier_vers_album('A'); };
    Button_album_B.sur_clic = [this] { copier_vers_album('B'); };
    Button_ne_plus_afficher.sur_clic = [this] { ne_plus_afficher(plateforme.maj_enfoncee()); };
    SpeedButton_album_A.sur_clic = [this] { choisir_album(rep_album_A); };
    SpeedButton_album_B.sur_clic = [this] { choisir_album(rep_album_B); };
    for (Controle* c : {&Panel_ouvrir_rep_img, &Panel_ouvrir_repA, &Panel_ouvrir_repB})
        c->sur_clic = [this, c] { Panel_ouvrir_rep_imgClick(c); };
    SpeedButton_xnview.sur_clic = [this] { SpeedButton_xnviewClick(); };
    Button_aide.sur_clic = [this] { afficher_manuel(); };
    Button_tout_le_rep.sur_clic = [this] { Button_tout_le_repClick(&Button_tout_le_rep); };
    SpeedButton2.sur_clic = [this] { SpeedButton2Click(); };
    Button3.sur_clic = [this] { Panel_renommage.definir_visible(false); };
    SpeedButton3.sur_clic = [this] { SpeedButton3Click(); };
    SpeedButton4.sur_clic = [this] { SpeedButton4Click(); };
    SpeedButton5.sur_clic = [this] { SpeedButton5Click(); };
    Edit3.sur_changement = [this] { Edit3Change(); };
    Button1.sur_clic = [this] { Button1Click(); };

    // Changes that need a new scan light the indicator; changes to keep mark the save.
    const Action filtre_et_sauver = [this] {
        indicateur(true);
        sauver_en_quittant = true;
    };
    const Action filtre = [this] { indicateur(true); };
    const Action sauver = [this] { sauver_en_quittant = true; };
    CheckBox_date_de.sur_clic = filtre_et_sauver;
    CheckBox_date_a.sur_clic = filtre_et_sauver;
    Edit_contient.sur_changement = filtre_et_sauver;
    Edit_contient.sur_entree = [this] { CheckBox_contient.definir_coche(true); };
    CheckBox_fic_exclusion.sur_clic = filtre;
    CheckBox_contient.sur_clic = filtre;
    RadioGroup_exclusion.sur_clic = filtre;
    RadioGroup_titre_ecran.sur_clic = sauver;
    CheckBox_rnd.sur_clic = sauver;
    for (Edit* e : {&Edit_rayon_rnd, &Edit_nb_fouille, &Edit_indice_non_aleatoire, &Edit_vmax,
                    &Edit_annee_de, &Edit_annee_a, &Edit_mois_de, &Edit_mois_a, &Edit_fondu})
        e->sur_changement = sauver;
}

}  // namespace nocturo
