// The side tools from the control panel: albums, the outside viewer and the manual, the
// current directory's slideshow in the viewer, the renaming of dated directories, the test
// pictures.
#include "app/diaporama.h"
#include "catalogue/chemins.h"
#include "settings/donnees.h"
#include "tools/albums.h"
#include "tools/images_test.h"
#include "tools/renommage.h"
#include "tools/visionneuse.h"
#include "util/erreurs.h"

namespace nocturo {

namespace {

const std::string REPERTOIRE_MANUEL = "C:\\Nocturo";
const std::string NOM_MANUEL = "Nocturo_Manuel.pdf";
const std::string LECTEUR_PDF = "C:\\LOGICIELS\\PDFX_Vwr_Port\\PDFXCview.exe";
const std::string REPERTOIRE_IMAGES_TEST = "C:\\___nb(1-341)jpg\\";

bool trouve(int reponse_shell) { return reponse_shell != SHELL_FICHIER_INTROUVABLE; }

}  // namespace

void Tdiapo::copier_vers_album(char lettre) {
    if (image_courante.empty()) return;
    const Label& album = lettre == 'A' ? rep_album_A : rep_album_B;
    plateforme.placer_curseur(largeur_ecran / 2, hauteur_ecran / 2);
    const std::string erreur = nocturo::copier_vers_album(plateforme, image_courante, album.legende());
    // A copy that failed says so: the user must not believe the picture kept.
    if (!erreur.empty()) {
        plateforme.message(erreur);
        return;
    }
    plateforme.message(cible_album(image_courante, album.legende()) + "\n\n    copie effectuée dans l'album " + lettre +
                       " ...");
}

void Tdiapo::choisir_album(Label& album) {
    std::string chemin;
    if (!plateforme.choisir_repertoire(chemin)) return;
    album.definir_legende(chemin);
    sauver_en_quittant = true;
}

void Tdiapo::Panel_ouvrir_rep_imgClick(const Controle* origine) {
    std::string cible = "C:\\";
    if (origine == &Panel_ouvrir_rep_img) {
        cible = Label_repertoire.legende();
        if (CheckBox_xnview_rep_et_nom.coche()) cible += "\\" + nom_de(image_courante);
    } else if (origine == &Panel_ouvrir_repA) {
        cible = rep_album_A.legende();
    } else if (origine == &Panel_ouvrir_repB) {
        cible = rep_album_B.legende();
    }
    const bool diaporama = origine == &Button_tout_le_rep || derniere_touche == VK_F3;
    if (diaporama) cible = Label_repertoire.legende();
    std::unique_ptr<Processus> p = lancer_visionneuse(cible, diaporama);
    if (!p) return;  // said, and the show goes on
    // The window keeps answering while the viewer runs.
    do plateforme.traiter_messages();
    while (!p->attendre_fin(200));
    if (CheckBox_xnview_rep_et_nom.coche()) plateforme.terminer(0);
}

std::unique_ptr<Processus> Tdiapo::lancer_visionneuse(const std::string& cible, bool diaporama) {
    for (;;) {
        const std::string visionneuse = xnview_alternative_Label.legende();
        if (std::unique_ptr<Processus> p = plateforme.lancer_processus(ligne_visionneuse(visionneuse, cible, diaporama)))
            return p;
        // A button that does nothing would leave the user guessing: say it, and offer the
        // chooser of the "..." button; a program chosen there is tried at once.
        if (!plateforme.confirmer("Le visualiseur « " + visionneuse +
                                  " » ne démarre pas (introuvable ou pas un programme) : « " + cible +
                                  " » n'a pas été ouvert.\n\nChoisir un autre programme ?"))
            return nullptr;
        SpeedButton_xnviewClick();
        if (xnview_alternative_Label.legende() == visionneuse) return nullptr;
        sauver_en_quittant = true;
    }
}

void Tdiapo::SpeedButton_xnviewClick() {
    std::string choisi;
    if (!plateforme.choisir_fichier("Choix du programme exécutable", "programmes (*.exe)|*.exe|all (*.*)|*.*", choisi))
        return;
    if (!plateforme.confirmer(choisi + "\r\r => Valider")) return;
    if (!visionneuse_acceptable(choisi)) {
        plateforme.message("« " + choisi + " » n'est pas un programme (.exe) : le visualiseur reste « " +
                           xnview_alternative_Label.legende() + " ».");
        return;
    }
    xnview_alternative_Label.definir_legende(choisi);
}

void Tdiapo::afficher_manuel() {
    Plateforme& p = plateforme;
    const std::string chemin = REPERTOIRE_MANUEL + "\\" + NOM_MANUEL;
    if (!p.fichier_existe(chemin)) {
        // The manual travels inside the program: written out where it is looked for.
        const std::string pdf = p.manuel_integre();
        if (!pdf.empty() && (p.repertoire_existe(REPERTOIRE_MANUEL) || p.creer_repertoire(REPERTOIRE_MANUEL))) {
            try {
                p.ecrire_octets(chemin, pdf);
            } catch (const ErreurES&) {
                p.supprimer_fichier(chemin);
            }
        }
        if (!p.fichier_existe(chemin)) {
            p.message(chemin + " introuvable");
            return;
        }
    }
    if (trouve(p.ouvrir_shell("open", LECTEUR_PDF, NOM_MANUEL, REPERTOIRE_MANUEL))) return;
    if (trouve(p.ouvrir_shell("open", "firefox.exe", "file:///" + chemin, ""))) return;
    // Before giving up, whatever the system opens PDF files with.
    if (p.ouvrir_shell("open", chemin, "", REPERTOIRE_MANUEL) > 32) return;
    p.message("Firefox et Acrobat introuvables\n\nAucun programme de cette machine n'ouvre les fichiers PDF. Le manuel "
              "est le fichier " + chemin + " : il s'ouvre avec un lecteur PDF, une fois installé.");
}

void Tdiapo::Button_tout_le_repClick(const Controle* origine) {
    if (plateforme.confirmer("\n\n     Diaporama de ?\n\n" + Label_repertoire.legende() + "\n\n"))
        Panel_ouvrir_rep_imgClick(origine);
    forme_courte();
    FormKeyUp(VK_ESPACE);
}

void Tdiapo::SpeedButton2Click() {
    Panel_renommage.definir_visible(!Panel_renommage.visible());
    if (Panel_renommage.visible()) ListBox1.vider();
}

void Tdiapo::SpeedButton3Click() {
    std::string d;
    if (!plateforme.choisir_repertoire(d)) return;
    if (Edit2.texte() != d) ListBox1.vider();
    Edit2.definir_texte(d);
    std::vector<std::string> journal = ListBox1.elements();
    Label24.definir_legende(std::to_string(renommer_lot(plateforme, d, false, Edit3.texte(), journal)));
    ListBox1.definir_elements(std::move(journal));
}

void Tdiapo::SpeedButton4Click() {
    // No directory chosen would mean the root of the current drive.
    const std::string r = Edit2.texte();
    if (r.empty()) {
        plateforme.message("Choisissez d'abord le répertoire dont les sous-répertoires sont à renommer.");
        return;
    }
    if (!plateforme.repertoire_existe(r)) {
        plateforme.message("Le répertoire « " + r + " » est introuvable : rien n'a été renommé.");
        return;
    }
    // Names cannot be put back: what will happen is shown, as it stands now, before asking.
    const std::vector<DossierDate> dossiers = dossiers_dates(plateforme, r, Edit3.texte());
    std::vector<std::string> prevu;
    const int a_renommer = journal_prevu(dossiers, prevu);
    ListBox1.definir_elements(std::move(prevu));
    Label24.definir_legende(std::to_string(a_renommer));
    if (a_renommer == 0) {
        plateforme.informer("\n     Aucun fichier à renommer ");
        return;
    }
    if (!plateforme.confirmer(resume_renommage(r, dossiers) + "\n     Renommer ?")) return;
    std::vector<std::string> journal;
    std::vector<DossierDate> faits;
    const int n = renommer_dossiers(plateforme, r, dossiers, journal, faits);
    ListBox1.definir_elements(std::move(journal));
    suivre_renommages(r, faits);
    std::string resultat = "\n     Renommage des " + std::to_string(n) + " fichiers effectués ";
    if (n < a_renommer)
        resultat += "\n\n" + std::to_string(a_renommer - n) + " sur " + std::to_string(a_renommer) +
                    " n'ont pas pu être renommés : la liste dit pourquoi.";
    plateforme.informer(resultat);
    Label24.definir_legende("---");
}

// The roots, the history and the picture on screen follow the new names; the catalogue
// follows by the walk beside the show, started again.
void Tdiapo::suivre_renommages(const std::string& r, const std::vector<DossierDate>& faits) {
    if (faits.empty()) return;
    const auto suivre = [&](std::string& chemin) {
        for (const DossierDate& d : faits) chemin = apres_renommage(chemin, r + "\\" + d.nom, r + "\\" + d.nouveau);
    };
    Racines racines_suivies = racines();
    for (Racine& racine : racines_suivies) suivre(racine.chemin);
    montrer_racines(racines_suivies);
    for (std::string& ligne : historique.lignes) suivre(ligne);
    montrer_historique();
    suivre(image_courante);
    suivre(image_precedente);
    sauver_en_quittant = true;
    rafraichissement_lance_ = false;
    rafraichissement_voulu_ = true;
}

void Tdiapo::SpeedButton5Click() { plateforme.ouvrir_shell("open", "explorer.exe", Edit2.texte(), ""); }

void Tdiapo::Edit3Change() {
    const std::string& e = Edit3.texte();
    Label23.definir_legende("nombre de fichiers 'aammjj ...' ou 'aa-mm-jj ...'  => '" + e + "aa-mm-jj ...'");
    Label27.definir_legende("ex: /051231 avg ou /05-12-31 avg en /" + e + "05-12-31 avg");
}

void Tdiapo::Button1Click() {
    generer_images_test(plateforme, plateforme, REPERTOIRE_IMAGES_TEST);
    plateforme.message("Génération des images terminée !");
}

}  // namespace nocturo
