// The slideshow window: its controls and the handlers that tie them to the domain. The
// program's data lives in domain values (settings, catalogue, exclusions, history); the
// controls show them and take the user's changes.
#pragma once
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "catalogue/criteres.h"
#include "catalogue/detecteur.h"
#include "catalogue/rafraichissement.h"
#include "forme/controles.h"
#include "plateforme/plateforme.h"
#include "util/erreurs.h"
#include "settings/racines.h"
#include "settings/reglages.h"
#include "show/chargement.h"
#include "show/geometrie.h"
#include "show/historique.h"
#include "show/prechargement.h"
#include "show/paquet.h"
#include "show/selection.h"
#include "show/automate.h"

namespace nocturo {

inline const std::string TEXTE_PATIENTEZ = "patientez ...   ou   Esc";
// What follows when the data directory cannot be written.
inline const std::string SUITE_SANS_DONNEES =
    "Le diaporama continue ; les réglages, l'historique et la liste des images ne seront pas enregistrés pendant "
    "cette séance.";

struct DossierDate;

class Tdiapo {
public:
    explicit Tdiapo(Plateforme& plateforme, std::string lettre_mode = "");
    Tdiapo(const Tdiapo&) = delete;
    Tdiapo& operator=(const Tdiapo&) = delete;

    Plateforme& plateforme;
    Forme forme;

    // ---- Controls of the window ----
    Image Image2{forme, "Image2"};
    Label Label1{forme, Genre::Label, "Label1"};
    Label Label4{forme, Genre::Label, "Label4"};
    Label Label6{forme, Genre::Label, "Label6"};
    Label Label_an{forme, Genre::Label, "Label_an"};
    Label Label_options{forme, Genre::Label, "Label_options"};
    ListBox ListBox_passee{forme, "ListBox_passee"};
    Timer Timer1{forme, "Timer1"};

    // ---- Control panel ----
    Panel Panel1{forme, Genre::Panel, "Panel1"};
    Label Label8{forme, Genre::Label, "Label8", &Panel1};
    Label Label_delai{forme, Genre::Label, "Label_delai", &Panel1};
    Label Label_etat{forme, Genre::Label, "Label_etat", &Panel1};
    Label Label_repertoire{forme, Genre::Label, "Label_repertoire", &Panel1};
    Label rep_album_A{forme, Genre::Label, "rep_album_A", &Panel1};
    SpeedButton SpeedButton_album_A{forme, Genre::SpeedButton, "SpeedButton_album_A", &Panel1};
    Label rep_album_B{forme, Genre::Label, "rep_album_B", &Panel1};
    SpeedButton SpeedButton_album_B{forme, Genre::SpeedButton, "SpeedButton_album_B", &Panel1};
    Label Label13{forme, Genre::Label, "Label13", &Panel1};
    Label Label9{forme, Genre::Label, "Label9", &Panel1};
    Label Label17{forme, Genre::Label, "Label17", &Panel1};
    Label Label18{forme, Genre::Label, "Label18", &Panel1};
    Label Label20{forme, Genre::Label, "Label20", &Panel1};
    Label Label_nom_img{forme, Genre::Label, "Label_nom_img", &Panel1};
    Label Label11{forme, Genre::Label, "Label11", &Panel1};
    Bevel Bevel1{forme, Genre::Bevel, "Bevel1", &Panel1};
    SpeedButton SpeedButton_valider_filtre{forme, Genre::SpeedButton, "SpeedButton_valider_filtre", &Panel1};
    Label Label21{forme, Genre::Label, "Label21", &Panel1};
    SpeedButton SpeedButton1{forme, Genre::SpeedButton, "SpeedButton1", &Panel1};
    Button Button_quit{forme, Genre::Button, "Button_quit", &Panel1};
    CheckListBox CheckListBox_rep{forme, "CheckListBox_rep", &Panel1};
    Panel Panel_sup_rep{forme, Genre::Panel, "Panel_sup_rep", &Panel1};
    Panel Panel_ajout_rep{forme, Genre::Panel, "Panel_ajout_rep", &Panel1};
    Button Button_retour{forme, Genre::Button, "Button_retour", &Panel1};
    Button Button_avance{forme, Genre::Button, "Button_avance", &Panel1};
    Button Button_album_a{forme, Genre::Button, "Button_album_a", &Panel1};
    Button Button_ne_plus_afficher{forme, Genre::Button, "Button_ne_plus_afficher", &Panel1};
    Button Button_album_B{forme, Genre::Button, "Button_album_B", &Panel1};
    Button Button2{forme, Genre::Button, "Button2", &Panel1};
    Button Button_close_param{forme, Genre::Button, "Button_close_param", &Panel1};
    Button Button_param_avancer{forme, Genre::Button, "Button_param_avancer", &Panel1};
    Edit Edit_rayon_rnd{forme, "Edit_rayon_rnd", &Panel1};
    CheckBox CheckBox_rnd{forme, "CheckBox_rnd", &Panel1};
    Edit Edit_nb_fouille{forme, "Edit_nb_fouille", &Panel1};
    Edit Edit_indice_non_aleatoire{forme, "Edit_indice_non_aleatoire", &Panel1};
    RadioGroup RadioGroup_titre_ecran{forme, "RadioGroup_titre_ecran", &Panel1};
    Edit Edit_annee_de{forme, "Edit_annee_de", &Panel1};
    Edit Edit_annee_a{forme, "Edit_annee_a", &Panel1};
    CheckBox CheckBox_date_de{forme, "CheckBox_date_de", &Panel1};
    CheckBox CheckBox_date_a{forme, "CheckBox_date_a", &Panel1};
    Edit Edit_mois_de{forme, "Edit_mois_de", &Panel1};
    Edit Edit_mois_a{forme, "Edit_mois_a", &Panel1};
    Panel Panel_continuer{forme, Genre::Panel, "Panel_continuer", &Panel1};
    Panel aPanel_sauve_param_et_BD0_et_quitter{forme, Genre::Panel, "aPanel_sauve_param_et_BD0_et_quitter", &Panel1};
    Panel Panel_ouvrir_rep_img{forme, Genre::Panel, "Panel_ouvrir_rep_img", &Panel1};
    Panel Panel_ouvrir_repA{forme, Genre::Panel, "Panel_ouvrir_repA", &Panel1};
    Panel Panel_ouvrir_repB{forme, Genre::Panel, "Panel_ouvrir_repB", &Panel1};
    Button Button_aide{forme, Genre::Button, "Button_aide", &Panel1};
    CheckBox CheckBox_contient{forme, "CheckBox_contient", &Panel1};
    Edit Edit_contient{forme, "Edit_contient", &Panel1};
    Button Button1{forme, Genre::Button, "Button1", &Panel1};
    CheckBox CheckBox_af_an{forme, "CheckBox_af_an", &Panel1};
    Button Button_avec_sans_option{forme, Genre::Button, "Button_avec_sans_option", &Panel1};
    CheckBox CheckBox_fic_exclusion{forme, "CheckBox_fic_exclusion", &Panel1};
    Button Button_tout_le_rep{forme, Genre::Button, "Button_tout_le_rep", &Panel1};

    // ---- Advanced panel ----
    Panel Panel3{forme, Genre::Panel, "Panel3"};
    Label Label14{forme, Genre::Label, "Label14", &Panel3};
    Label Label15{forme, Genre::Label, "Label15", &Panel3};
    Label Label16{forme, Genre::Label, "Label16", &Panel3};
    Label Label7{forme, Genre::Label, "Label7", &Panel3};
    Label Label12{forme, Genre::Label, "Label12", &Panel3};
    SpeedButton SpeedButton_xnview{forme, Genre::SpeedButton, "SpeedButton_xnview", &Panel3};
    Label xnview_alternative_Label{forme, Genre::Label, "xnview_alternative_Label", &Panel3};
    Label Label3{forme, Genre::Label, "Label3", &Panel3};
    Label Label5{forme, Genre::Label, "Label5", &Panel3};
    Label Label19{forme, Genre::Label, "Label19", &Panel3};
    Label Label10{forme, Genre::Label, "Label10", &Panel3};
    SpeedButton SpeedButton2{forme, Genre::SpeedButton, "SpeedButton2", &Panel3};
    Button Button4{forme, Genre::Button, "Button4", &Panel3};
    Edit Edit_zoom_s_dix{forme, "Edit_zoom_s_dix", &Panel3};
    Edit Edit_inc_pixel{forme, "Edit_inc_pixel", &Panel3};
    RadioGroup Rdg1{forme, "Rdg1", &Panel3};
    Edit Edit_dt1_a{forme, "Edit_dt1_a", &Panel3};
    Edit Edit_dt0_a{forme, "Edit_dt0_a", &Panel3};
    Edit Edit_dt2_a{forme, "Edit_dt2_a", &Panel3};
    Edit Edit_dt2_b{forme, "Edit_dt2_b", &Panel3};
    Edit Edit_dt3_a{forme, "Edit_dt3_a", &Panel3};
    Edit Edit_dt3_b{forme, "Edit_dt3_b", &Panel3};
    Edit Edit_dt4_a{forme, "Edit_dt4_a", &Panel3};
    Edit Edit_dt4_b{forme, "Edit_dt4_b", &Panel3};
    Edit Edit_dt5_a{forme, "Edit_dt5_a", &Panel3};
    Edit Edit_dt5_b{forme, "Edit_dt5_b", &Panel3};
    Edit Edit_haut{forme, "Edit_haut", &Panel3};
    RadioGroup RadioGroup_sous_rep_recursif{forme, "RadioGroup_sous_rep_recursif", &Panel3};
    Button Button_enreg_param{forme, Genre::Button, "Button_enreg_param", &Panel3};
    Edit Edit_vmax{forme, "Edit_vmax", &Panel3};
    CheckBox CheckBox_xnview_rep_et_nom{forme, "CheckBox_xnview_rep_et_nom", &Panel3};
    CheckBox CheckBox_voir_liste_300{forme, "CheckBox_voir_liste_300", &Panel3};
    RadioGroup RadioGroup_exclusion{forme, "RadioGroup_exclusion", &Panel3};
    CheckBox CheckBox_grand_menu{forme, "CheckBox_grand_menu", &Panel3};
    Label Label_fondu{forme, Genre::Label, "Label_fondu", &Panel3};
    Edit Edit_fondu{forme, "Edit_fondu", &Panel3};

    // ---- Delay panel ----
    Panel Panel2{forme, Genre::Panel, "Panel2"};
    Label Label25{forme, Genre::Label, "Label25", &Panel2};
    Panel Panel4{forme, Genre::Panel, "Panel4", &Panel2};
    Label Label2{forme, Genre::Label, "Label2", &Panel4};
    Button ButtonValidationDelai{forme, Genre::Button, "ButtonValidationDelai", &Panel4};
    Edit Edit1{forme, "Edit1", &Panel4};

    // ---- Batch renaming panel ----
    Panel Panel_renommage{forme, Genre::Panel, "Panel_renommage"};
    Label Label22{forme, Genre::Label, "Label22", &Panel_renommage};
    Label Label27{forme, Genre::Label, "Label27", &Panel_renommage};
    Label Label26{forme, Genre::Label, "Label26", &Panel_renommage};
    SpeedButton SpeedButton3{forme, Genre::SpeedButton, "SpeedButton3", &Panel_renommage};
    SpeedButton SpeedButton5{forme, Genre::SpeedButton, "SpeedButton5", &Panel_renommage};
    Edit Edit2{forme, "Edit2", &Panel_renommage};
    Edit Edit3{forme, "Edit3", &Panel_renommage};
    Label Label23{forme, Genre::Label, "Label23", &Panel_renommage};
    Label Label24{forme, Genre::Label, "Label24", &Panel_renommage};
    ListBox ListBox1{forme, "ListBox1", &Panel_renommage};
    SpeedButton SpeedButton4{forme, Genre::SpeedButton, "SpeedButton4", &Panel_renommage};
    Button Button3{forme, Genre::Button, "Button3", &Panel_renommage};

    // ---- Fields ----
    std::string lettre_mode;
    int derniere_touche = 0;
    // Set by every key: it cuts a scan short.
    bool touche_appuyee = false;
    bool sauver_en_quittant = false;
    bool reinitialiser_en_quittant = false;
    int curseur_normal = 0;
    int largeur_ecran = 0;
    int hauteur_ecran = 0;
    // The monitors beside the primary one, which the show covers in black.
    std::vector<Moniteur> ecrans_noirs;
    // Told when they are known, so that the view makes their windows.
    std::function<void(const std::vector<Moniteur>&)> sur_ecrans_noirs;

    // Mouse watch.
    int souris_x_prec = 0;
    double instant_prec = 0;
    int nb_tops = 0;

    // The settings as last loaded or saved; its integers are the variables that the
    // effects, the selection and the mouse watch read.
    Reglages reglages;

    Catalogue catalogue;
    int32_t nb_entrees_vues = 0;
    MotifsExclusion exclusions;

    // History and show.
    Historique historique;
    std::string image_courante;
    std::string image_precedente;
    std::string resume_filtres;
    Selection selection;
    Paquet paquet;
    // The next picture is decoded while the current one shows; the pictures shown are the
    // same without it (the tests compare both).
    bool prechargement_actif = true;

    // ---- Lifecycle (window) ----
    void FormCreate();
    void sequence_demarrage();
    void FormActivate();
    [[noreturn]] void quitter();
    void aPanel_sauve_param_et_BD0_et_quitterClick();
    void Button_quitClick();

    // ---- Commands ----
    void FormKeyUp(int touche);
    void Timer1Timer();
    void Panel_continuer_clik();

    // ---- Control panel ----
    void forme_courte();
    void forme_longue();
    void indicateur(bool allume);
    void Button_avec_sans_optionClick();
    void Button_param_avancerClick();
    void Button4Click();
    void Button_enreg_paramClick();
    void Button2Click();
    void ButtonValidationDelaiClick();
    void CheckBox_voir_liste_300Click();
    void CheckBox_af_anClick();

    // ---- Settings ----
    void charger_parametres();
    // Saves never throw: the first write of the data directory that fails in a run says
    // why and what follows, once, and nothing more is written there in this run.
    void sauver_parametres();
    void sauver_paquet();
    void enregistrer(const std::function<void()>& ecriture);
    void ecriture_impossible(const ErreurES& e);

    // ---- Root directories ----
    void Panel_ajout_repClick();
    void Panel_sup_repClick();
    void CheckListBox_repClick();

    // The settings' controls: each key's control, the value shown, the value read back.
    Controle& controle_reglage(const CleReglage& cle);
    void montrer_reglage(const CleReglage& cle, const std::string& texte);
    void montrer_reglages(const Reglages& r);
    void relire_reglages();

    // The roots as the list shows them, and back.
    Racines racines() const;
    void montrer_racines(const Racines& r);

    // ---- Catalogue ----
    void scanner_catalogue();
    // The scan's rules as the controls and the exclusion lists stand now.
    CriteresScan criteres_scan() const;
    void lire_fichier_exclusions();
    void SpeedButton1Click();
    void sauver_catalogue();
    void charger_catalogue();
    // The roots walked again beside the show, once a run, when the catalogue came from the
    // cache or from a scan cut short; what changed reaches the show between two pictures.
    void lancer_rafraichissement();
    void appliquer_rafraichissement();
    // The tests wait for the walk at the next picture, so that its effect comes at a known
    // time, or go without it.
    bool rafraichissement_attendu = false;
    bool rafraichissement_actif = true;
    void afficher_annee_et_filtres();

    // ---- Show ----
    // The frame pump: feeds the show's machine its ticks, paced at the display's refresh
    // while something moves and by the next timed change otherwise, until the show stops.
    // Called while it runs (from a key), it returns at once: one pump at a time.
    void boucle_diaporama();
    // One event for the machine; the gestures it returns are done before the next event.
    void nourrir(const EvenementAutomate& e);
    EvenementAutomate evenement(SorteEvenement sorte);
    const EtatAutomate& automate() const { return automate_; }
    int indice_suivant();
    // The picture decoded (or taken from the preload), then put into the picture control:
    // the captions that depend on it (its year) are set between the two.
    Chargement obtenir_image(const std::string& chemin);
    void poser_image(Chargement c, const std::string& chemin, bool rejeu);

    // ---- Side tools ----
    void copier_vers_album(char lettre);
    void choisir_album(Label& album);
    // The viewer on the current picture's directory, an album, or (from F3 or its button)
    // in its slideshow form; waits for it with the window answering.
    void Panel_ouvrir_rep_imgClick(const Controle* origine);
    // The viewer started on `cible`; when it cannot be, says so and offers another program.
    std::unique_ptr<Processus> lancer_visionneuse(const std::string& cible, bool diaporama);
    void SpeedButton_xnviewClick();
    void afficher_manuel();
    void Button_tout_le_repClick(const Controle* origine);
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
    void SpeedButton5Click();
    void Edit3Change();
    void Button1Click();
    // Hides the current picture, or its whole directory, for good, once the user agrees.
    void ne_plus_afficher(bool tout_le_repertoire);

    // Runs a handler as the event dispatcher does: an error shows its message and the
    // program goes on.
    void executer(const std::function<void()>& gestionnaire);
    // Entry points for the platform's events.
    void touche_relachee(int touche) { executer([&] { FormKeyUp(touche); }); }
    void tic_minuterie() { executer([&] { Timer1Timer(); }); }

private:
    void accomplir(const ActionAutomate& a);
    // Tells the machine how the picture just put in the control came.
    void repondre(Issue issue);
    // The next new picture in the control, with its captions; `rien` when no picture can be
    // shown now (all gone, or all set aside).
    Issue poser_image_suivante();
    // A history line shown again after a pause.
    Issue poser_ligne_historique(int ligne);
    // Paused: one step through the history (none for 0); false when nothing was put in the
    // control.
    bool parcourir_historique(int pas);
    ParametresAutomate parametres_automate() const;
    void ajouter_historique(const std::string& chemin);
    // The current-directory list takes the place of the drawn picture while it lasts.
    void etape_fichier_rep_courant();
    // The path of the next new picture, as far as it can be known now, for its preload.
    std::string prevoir_image_suivante();
    void prevoir_suivante();
    ReglagesEffet reglages_effet() const;
    // The seeds of the random order's cycles, from the machine's chance.
    Graine graine();
    std::string cle_copie(const std::string& chemin) const;
    Chargement charger(const std::string& chemin);
    void placer_image(const Cadre& c);
    Taille ecran() const { return {largeur_ecran, hauteur_ecran}; }

    // What the settings load read: a save writes back only those.
    bool racines_lues_ = false;
    bool parametres_lus_ = false;
    bool historique_lu_ = false;

    EtatAutomate automate_;
    std::deque<EvenementAutomate> evenements_;
    bool en_transition_ = false;
    bool pompe_en_cours_ = false;
    // The picture last put in the control: how it came, its path, whether it is a history
    // line shown again.
    Issue issue_posee_ = Issue::rien;
    std::string chemin_pose_;
    bool pose_rejeu_ = false;
    // The picture on screen before it, kept while it fades out.
    std::shared_ptr<const ImagePrete> image_avant_;
    Bornes bornes_avant_;
    // Pictures hidden during this run: out of the catalogue, never replayed; the cache
    // written again at the next save.
    std::vector<std::string> masquees_;
    DetecteurMotifs detecteur_masquees_;
    bool catalogue_modifie_ = false;
    // The user took the Pictures folder offered at this start: scanned now, then saved.
    bool offre_images_acceptee_ = false;
    // The data directory could not be made or written: nothing is written there in this run.
    bool sans_donnees_ = false;
    bool en_quittant_ = false;
    // The current-directory list, once its file cannot be written back.
    std::optional<std::vector<std::string>> liste_en_memoire_;
    void proposer_dossier_images(Racines& r);
    void guider_premier_demarrage();
    bool masquee(const std::string& chemin) const;
    int annee_prise_ = 0;         // of the picture just loaded

    // Pictures that cannot be shown in this run yet stay in the catalogue: the kinds this
    // machine has no decoder for, and those under a root that went away (a disk pulled
    // out, a share asleep), looked at again now and then.
    std::set<std::string> extensions_sans_codec_;
    std::vector<std::string> racines_absentes_;
    double racines_revues_ = 0;
    std::string avis_codecs_;  // what the panel tells of the kinds set aside
    bool ecartee(const std::string& chemin);
    // A picture that is not there any more: out of the catalogue (its whole directory when
    // that went too), and out of the cache at the next save; set aside only when its root
    // is away.
    void image_disparue(const std::string& chemin);
    // A picture this machine has no codec for: its kind set aside for this run, and told
    // of once in the panel. False when the name does not tell the kind (that one alone is
    // passed over).
    bool codec_absent(const std::string& chemin);
    // Whether the picture may be shown: there, and not set aside; a picture found gone is
    // dealt with.
    bool montrable(const std::string& chemin);
    void montrer_avis_codecs();
    // Takes pictures out of the catalogue and of the random deck; the show goes on after
    // them.
    void retirer_du_catalogue(const std::vector<int32_t>& positions);
    Prechargeur prechargeur_;
    Rafraichisseur rafraichisseur_;
    bool rafraichissement_voulu_ = false;
    bool rafraichissement_lance_ = false;
    double dernier_rafraichissement_ = 0;  // when the last walk beside the show began
    // The catalogue holds every picture of the roots: false after a scan cut short by a key,
    // until a walk has gone through whole. Only a whole catalogue gets the marker.
    bool catalogue_complet_ = true;
    // The exclusion file is there but cannot be read: no walk in this run.
    bool exclusions_illisibles_ = false;

    void construire_controles();
    void montrer_historique();
    void suivre_renommages(const std::string& repertoire, const std::vector<DossierDate>& faits);
    void lier_gestionnaires();
    void placer_rangee_boutons(bool longue);
};

}  // namespace nocturo
