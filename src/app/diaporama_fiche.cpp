// The window's design: every control with its bounds, texts, hints, colours and fonts.
#include "app/diaporama.h"

namespace nocturo {

namespace {

void poser(Controle& c, int g, int h, int l, int ha, const std::string& legende = "",
           const std::string& indice = "") {
    c.definir_bornes(g, h, l, ha);
    c.definir_legende(legende);
    if (!indice.empty()) c.definir_indice(indice);
}

void texte(Edit& e, int g, int h, int l, int ha, const std::string& t,
           const std::string& indice = "") {
    poser(e, g, h, l, ha, "", indice);
    e.definir_texte(t);
}

void radio(RadioGroup& r, int g, int h, int l, int ha, const std::string& legende,
           std::vector<std::string> elements) {
    poser(r, g, h, l, ha, legende);
    r.definir_elements(std::move(elements));
}

void police(Controle& c, const std::string& nom, int hauteur, Couleur couleur) {
    c.definir_police({nom, hauteur, false, couleur});
}

const char* const INDICE_FONDU = "une image passe à la suivante en fondu, pendant ce temps ; 0 = sans fondu";
const char* const INDICE_HISTORIQUE_G = "parmis les 300 dernières affichées  [flèche Gauche]";
const char* const INDICE_HISTORIQUE_D = "parmis les 300 dernières affichées  [flèche Droite]";
const char* const INDICE_VISUALISEUR =
    " autre que XnView, cette info sera  enregistrée pour les prochaines fois ";
const char* const INDICE_CONTIENT = "le répertoire des images doit contenir les mots suivants";
const char* const INDICE_HAUT = "40 % permet de stabiliser le centre de l'image pendant le zoom";

}  // namespace

void Tdiapo::construire_controles() {
    forme.nom = "diapo";
    forme.legende = "diaporama";
    forme.couleur = NOIR;

    // Outside the panels.
    poser(Image2, 624, 8, 241, 129);
    poser(Label1, 24, 8, 279, 39, "lecture Base de données image");
    police(Label1, "Script", 35, JAUNE);
    poser(Label4, 23, 53, 43, 27, "Label4");
    police(Label4, "Script", 24, JAUNE);
    poser(Label6, 23, 117, 72, 27, "Label6");
    police(Label6, "Arial", 24, JAUNE);
    poser(Label_an, 1463, 0, 185, 75, "année");
    police(Label_an, "Arial", 67, JAUNE);
    Label_an.definir_aligne_droite(true);
    poser(Label_options, 1579, 65, 63, 23, "options");
    police(Label_options, "Arial", 20, JAUNE);
    Label_options.definir_aligne_droite(true);
    for (Controle* c : {&Label1, &Label4, &Label6, &Label_an, &Label_options}) {
        c->definir_couleur(NOIR);
        // Yellow over a white, yellow or sky-blue photo reads only with a dark edge.
        Police p = c->police();
        p.contour = true;
        c->definir_police(p);
    }
    poser(ListBox_passee, 8, 144, 657, 225);
    ListBox_passee.ajouter("images affichées");
    Timer1.definir_intervalle(200);

    // Control panel.
    poser(Panel1, 8, 616, 1545, 225);
    Panel1.definir_visible(false);
    Panel1.definir_amarrable(true);
    poser(Label8, 566, 61, 59, 13, "Esc = quitter");
    poser(Label_delai, 1477, 169, 28, 13, "délai");
    poser(Label_etat, 1378, 169, 23, 13, "état");
    poser(Label_repertoire, 844, 39, 92, 13, "répertoire image");
    poser(rep_album_A, 889, 136, 85, 13);
    poser(SpeedButton_album_A, 853, 128, 27, 27, "...");
    poser(rep_album_B, 889, 168, 85, 13);
    poser(SpeedButton_album_B, 854, 162, 27, 27, "...");
    poser(Label13, 856, 197, 18, 13, "ntot");
    poser(Label9, 1131, 116, 69, 13, "rayon aléatoire", "rayon du 2ème  tirage  aléatoire");
    poser(Label17, 1067, 142, 131, 13, "nb de tirages dans ce rayon",
          "ce nombre est  plus petit que 2 fois le rayon!");
    poser(Label18, 991, 197, 182, 13, "indice de démarrage  (SI non aléatoire)",
          "d'une fois sur l'autre, on reprend après la dernire image affichée ET cette valeur "
          "se met à jour automatiquement");
    poser(Label20, 12, 193, 22, 13, "ligne");
    poser(Label_nom_img, 861, 62, 61, 13, "nom image");
    poser(Label11, 3, 3, 76, 13, "Nocturo");
    poser(Bevel1, 5, 93, 645, 95);
    poser(SpeedButton_valider_filtre, 1440, 7, 72, 42, "Valider filtre",
          "Doit relancer l'application pour valider ces filtres et générer une nouvelles liste");
    poser(Label21, 61, 17, 6, 13, "n");
    poser(SpeedButton1, 1346, 69, 81, 22, "l'éditer");
    poser(Button_quit, 744, 6, 101, 27, " quitter (Esc)");
    poser(CheckListBox_rep, 8, 96, 641, 89);
    CheckListBox_rep.definir_police({"Tahoma", 11, false, MARRON});
    poser(Panel_sup_rep, 127, 54, 161, 25, "supprimer la sélection");
    Panel_sup_rep.definir_couleur(COULEUR_SELECTION);
    poser(Panel_ajout_rep, 10, 56, 107, 23, "ajouter un répertoire");
    poser(Button_retour, 311, 6, 49, 27, "<", INDICE_HISTORIQUE_G);
    poser(Button_avance, 367, 6, 49, 27, ">", INDICE_HISTORIQUE_D);
    poser(Button_album_a, 653, 128, 132, 27, "Copier vers album A");
    poser(Button_ne_plus_afficher, 653, 92, 190, 25, "Ne plus afficher l'image",
          "Suppr : cette image ne sera plus affichée ; Maj+Suppr : tout son répertoire");
    poser(Button_album_B, 654, 162, 131, 27, "Copier vers album B");
    poser(Button2, 1359, 138, 178, 23, "Enregistrer paramètres");
    poser(Button_close_param, 849, 6, 22, 27, "X", "comme Continuer (espace)");
    poser(Button_param_avancer, 1358, 102, 179, 30, "Paramètres avancés (bascule)");
    poser(Edit_rayon_rnd, 1206, 115, 30, 15);
    poser(CheckBox_rnd, 1045, 115, 65, 17, "aléatoire",
          "lecture aléatoire ou successive (voir indice non aléatoire de démarrage)");
    poser(Edit_nb_fouille, 1204, 141, 30, 15);
    poser(Edit_indice_non_aleatoire, 1180, 195, 61, 15);
    radio(RadioGroup_titre_ecran, 1239, 102, 115, 78, "afficher à l'écran",
          {"rien", "répertoire", "répertoire + nom"});
    poser(Edit_annee_de, 1339, 7, 41, 15);
    poser(Edit_annee_a, 1339, 30, 41, 15);
    poser(CheckBox_date_de, 1188, 6, 148, 17, "filtre que/de : année/mois");
    poser(CheckBox_date_a, 1188, 30, 97, 17, "filtre date à");
    poser(Edit_mois_de, 1395, 7, 41, 15);
    poser(Edit_mois_a, 1395, 30, 41, 15);
    poser(Panel_continuer, 123, 6, 185, 27, "continuer [Espace]");
    Panel_continuer.definir_couleur(JAUNE);
    poser(aPanel_sauve_param_et_BD0_et_quitter, 311, 54, 226, 27,
          "Réinitialiser = enregistre + quitter et Relancer");
    aPanel_sauve_param_et_BD0_et_quitter.definir_police({"Tahoma", 11, false, ROUGE});
    poser(Panel_ouvrir_rep_img, 424, 6, 217, 27, "ouvrir le répertoire de l'image",
          "un double clik sur l'image = parcourir ");
    poser(Panel_ouvrir_repA, 794, 128, 49, 27, "ouvrir");
    poser(Panel_ouvrir_repB, 794, 162, 49, 27, "ouvrir");
    poser(Button_aide, 905, 91, 24, 24, "?", "Aide");
    poser(CheckBox_contient, 1091, 50, 84, 17, "doit contenir", INDICE_CONTIENT);
    poser(Edit_contient, 1179, 51, 188, 15, "", INDICE_CONTIENT);
    poser(Button1, 744, 200, 73, 17, "320 jpg");
    Button1.definir_visible(false);
    poser(CheckBox_af_an, 1256, 190, 97, 17, "affiche année");
    poser(Button_avec_sans_option, 644, 6, 95, 27, "plus d'options");
    poser(CheckBox_fic_exclusion, 1092, 72, 254, 17, "fichier d'exclusions (Nocturo_exclusions.txt)",
          "le fichier contient des répertoires et des fichiers à ne pas afficher ");
    poser(Button_tout_le_rep, 875, 6, 93, 27, "DIAPORAMA - F3 ",
          "diaporama simple du répertoire de l'image ");

    // Advanced panel.
    poser(Panel3, 960, 8, 537, 545);
    Panel3.definir_visible(false);
    poser(Label14, 206, 10, 107, 20, "ZOOM param");
    poser(Label15, 122, 139, 108, 13, "zoom max en 1/10ème");
    poser(Label16, 164, 164, 65, 13, "nb d'itérations");
    poser(Label7, 107, 190, 151, 13, "décalage vers le bas (0 à 100%)", INDICE_HAUT);
    poser(Label12, 16, 475, 260, 13, "Programme de visualisation du répertoire image courant",
          INDICE_VISUALISEUR);
    poser(SpeedButton_xnview, 288, 472, 23, 22, "...", " choix d'un autre logiciel que XnView");
    poser(xnview_alternative_Label, 317, 476, 85, 13, "", INDICE_VISUALISEUR);
    poser(Label3, 18, 522, 92, 13, "ligne de commande", " ligne de commande passée à Nocturo ");
    poser(Label5, 478, 497, 6, 13, "n");
    poser(Label19, 343, 497, 126, 13, "index de la dernière image ");
    poser(Label10, 148, 50, 120, 13, "vitesse max souris => quit",
          "adaptez la valeur pour éviter les sorties \"accidentelles\"");
    poser(SpeedButton2, 347, 168, 180, 25, "renommage par lot");
    poser(Button4, 507, 7, 22, 28, "X");
    poser(Edit_zoom_s_dix, 277, 136, 54, 21);
    poser(Edit_inc_pixel, 277, 161, 54, 21);
    radio(Rdg1, 8, 208, 353, 253, "Effets",
          {"reste à 1  (sans zoom =1 )                        1 durée",
           "SBN  (Sans Bandes Noires)                     1 durée",
           "1   puis  1 à SBN                                     2 durées",
           "1 à SBN  (Sans Bandes Noires)   lent      2 durées + zoom lent",
           "1 à zoom lent fixé                                     2 durées + zoom lent",
           "SBN à zoom lent fixé                                2 durées + zoom lent"});
    poser(Edit_dt1_a, 370, 265, 49, 21);
    poser(Edit_dt0_a, 370, 229, 49, 21);
    poser(Edit_dt2_a, 370, 301, 49, 21);
    poser(Edit_dt2_b, 437, 301, 49, 21);
    poser(Edit_dt3_a, 370, 341, 49, 21);
    poser(Edit_dt3_b, 437, 341, 49, 21);
    poser(Edit_dt4_a, 370, 381, 49, 21);
    poser(Edit_dt4_b, 437, 381, 49, 21);
    poser(Edit_dt5_a, 370, 426, 49, 21);
    poser(Edit_dt5_b, 440, 426, 49, 21);
    poser(Edit_haut, 277, 186, 54, 21, "", INDICE_HAUT);
    radio(RadioGroup_sous_rep_recursif, 13, 25, 132, 72, "Sous-répertoires à lire",
          {"aucun", "tous"});
    poser(Button_enreg_param, 368, 8, 132, 27, "Enregistrer et continuer");
    poser(Edit_vmax, 278, 49, 33, 15);
    poser(CheckBox_xnview_rep_et_nom, 16, 496, 252, 17,
          "xnview => répertoire ET nom (relance obligatoire)",
          " en plus du répertoire, le nom du fichier sera transféré au visualisateur ");
    poser(CheckBox_voir_liste_300, 343, 519, 138, 17, "voir la liste des 300");
    radio(RadioGroup_exclusion, 344, 47, 185, 89, "Exclusion répertoire(s)",
          {"++  ou  §  dans le nom = exclus", "indifférent", "que ceux contenant  ++  ou  § "});
    poser(CheckBox_grand_menu, 349, 141, 133, 17, "grand menu constant");
    poser(Label_fondu, 150, 76, 122, 13, "fondu enchaîné (ms)", INDICE_FONDU);
    poser(Edit_fondu, 277, 73, 54, 21, "", INDICE_FONDU);

    // Delay panel.
    poser(Panel2, 767, 440, 252, 169, " ");
    Panel2.definir_visible(false);
    poser(Label25, 49, 11, 116, 20, "écran de veille");
    poser(Panel4, 12, 32, 225, 121);
    poser(Label2, 8, 8, 213, 26,
          "Délai avant mise en route (en secondes)      Efffectif au prochain redémarrage");
    poser(ButtonValidationDelai, 38, 80, 121, 25, "Validation délai ",
          "ça va être validé au prochain démarrage    ");
    texte(Edit1, 40, 44, 119, 21, "60");

    // Batch renaming panel.
    poser(Panel_renommage, 376, 72, 577, 473);
    Panel_renommage.definir_visible(false);
    poser(Label22, 16, 8, 250, 20, "renommage de lots de répertoires ");
    poser(Label27, 16, 32, 400, 13, "ex: /051231 avg ou /05-12-31 avg en /2005-12-31 avg");
    poser(Label26, 16, 50, 400, 13, "20050828 avg /2005 08 28 avg en /2005-08-28 avg");
    poser(SpeedButton3, 16, 72, 121, 25, "Répertoire cible ");
    poser(SpeedButton5, 432, 72, 129, 25, "l'ouvrir dans l'explorateur");
    texte(Edit2, 144, 74, 281, 21, "");
    texte(Edit3, 16, 108, 33, 21, "20");
    poser(Label23, 56, 112, 400, 13,
          "nombre de fichiers 'aammjj ...' ou 'aa-mm-jj ...'  => '20aa-mm-jj ...'");
    poser(Label24, 470, 112, 30, 13, "---");
    poser(ListBox1, 16, 136, 545, 289);
    poser(SpeedButton4, 16, 436, 121, 25, "renommer");
    poser(Button3, 545, 4, 22, 22, "X");

    // The controls of the settings show their design values, from the settings' table.
    montrer_reglages(reglages_de_forme());
}

}  // namespace nocturo
