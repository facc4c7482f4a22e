// Settings load and save: root directories and their marks, the parameter file, the history.
#include "app/diaporama.h"
#include "plateforme/plateforme.h"
#include "settings/cles.h"
#include "settings/parametres.h"
#include "util/erreurs.h"
#include "util/texte.h"

namespace nocturo {

namespace {

const char* const TEXTE_PREMIER_DEMARRAGE =
    "Il faut choisir un répertoire contenant des images ET quitter l'application pour la "
    "relancer\n\n  en appuyant sur le  bouton ROUGE  [Enregistrer et quitter pour réinitialiser]";

// The newest `garder` lines, in their order.
std::vector<std::string> dernieres(const std::vector<std::string>& lignes, int garder) {
    const size_t debut = lignes.size() > static_cast<size_t>(garder) ? lignes.size() - static_cast<size_t>(garder) : 0;
    return {lignes.begin() + static_cast<std::ptrdiff_t>(debut), lignes.end()};
}

}  // namespace

void Tdiapo::charger_parametres() {
    Plateforme& p = plateforme();
    std::vector<std::string> lignes;

    if (lire_lignes(FICHIER_REPERTOIRES, lignes)) CheckListBox_rep.definir_elements(lignes);
    if (lire_lignes(FICHIER_COCHES, lignes)) {
        CheckListBox_rep_flag.definir_elements(lignes);
        for (int i = 0; i < CheckListBox_rep_flag.nombre() && i < CheckListBox_rep.nombre(); ++i)
            if (CheckListBox_rep_flag.element(i) == "true") CheckListBox_rep.definir_coche(i, true);
    } else {
        for (int i = 0; i < CheckListBox_rep.nombre(); ++i) CheckListBox_rep.definir_coche(i, true);
    }
    // After the marks, so that each mark stays with its directory.
    for (int i = 0; i < CheckListBox_rep.nombre();) {
        const std::string chemin = CheckListBox_rep.element(i);
        if (p.repertoire_existe(chemin)) {
            ++i;
            continue;
        }
        p.message(std::to_string(i) + "  " + chemin + "  n'existe pas...");
        CheckListBox_rep.supprimer(i);
    }

    param_charger(ListBox_param, FICHIER_PARAMETRES);
    for (const CleParametre& cle : cles_parametres(*this)) {
        lire_cle(cle, ListBox_param);
        if (cle.widget == &CheckBox_af_an) Label_an.definir_visible(CheckBox_af_an.coche());
    }

    bool premier_demarrage = false;
    if (taille_fichier(FICHIER_HISTORIQUE) > 0 && lire_lignes(FICHIER_HISTORIQUE, lignes)) {
        if (static_cast<int>(lignes.size()) > nb_historique_sauve) ListBox_tmp.definir_elements(lignes);
        ListBox_passee.definir_elements(dernieres(lignes, nb_historique_sauve));
        indice_historique = ListBox_passee.nombre() - 1;
    } else {
        premier_demarrage = true;
        Button_avec_sans_optionClick();
        indicateur(true);
        Label6.definir_visible(true);
        Label6.definir_gauche(Panel1.gauche() + 50);
        Label6.definir_haut(Panel1.haut() - 150);
        Label6.definir_legende(TEXTE_PREMIER_DEMARRAGE);
        Label6.repeindre();
    }

    if (nb_images == 0) {
        FormKeyUp(VK_ESPACE);
        // Space puts the indicator out; the first-run message points at the red button,
        // so it must stay red.
        if (premier_demarrage) indicateur(true);
    }
}

void Tdiapo::sauver_parametres() {
    Plateforme& p = plateforme();
    Label1.definir_legende(" Sauvegarde des paramètres");
    if (!p.repertoire_existe(REP_DONNEES) && !p.creer_repertoire(REP_DONNEES))
        throw ErreurES("Impossible de créer " + REP_DONNEES);

    ecrire_lignes(FICHIER_REPERTOIRES, CheckListBox_rep.elements());
    CheckListBox_rep_flag.vider();
    for (int i = 0; i < CheckListBox_rep.nombre(); ++i)
        CheckListBox_rep_flag.ajouter(CheckListBox_rep.coche(i) ? "true" : "false");
    ecrire_lignes(FICHIER_COCHES, CheckListBox_rep_flag.elements());

    ListBox_param.vider();
    for (const CleParametre& cle : cles_parametres(*this)) ecrire_cle(cle, ListBox_param);
    ecrire_lignes(FICHIER_PARAMETRES, ListBox_param.elements());

    if (reinitialiser_en_quittant) {
        p.supprimer_fichier(FICHIER_REP_COURANT);
    } else if (ListBox_passee.nombre() > nb_historique_sauve) {
        ListBox_tmp.definir_elements(dernieres(ListBox_passee.elements(), nb_historique_sauve));
        ecrire_lignes(FICHIER_HISTORIQUE, ListBox_tmp.elements());
    } else {
        ecrire_lignes(FICHIER_HISTORIQUE, ListBox_passee.elements());
    }
}

}  // namespace nocturo
