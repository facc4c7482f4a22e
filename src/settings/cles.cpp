// The keys of the parameter file and how each kind moves between widget and store.
#include "settings/cles.h"

#include "app/diaporama.h"
#include "settings/parametres.h"
#include "util/texte.h"

namespace nocturo {

namespace {

// One maker per kind, so that a widget of the wrong type cannot enter the table.
CleParametre label(const char* nom, Controle& w, const char* defaut) {
    return {nom, SorteCle::label, &w, nullptr, defaut};
}
CleParametre entier(const char* nom, Edit& w, int& variable, const char* defaut) {
    return {nom, SorteCle::entier, &w, &variable, defaut};
}
CleParametre indice(const char* nom, RadioGroup& w, const char* defaut) {
    return {nom, SorteCle::indice, &w, nullptr, defaut};
}
CleParametre booleen(const char* nom, CheckBox& w, const char* defaut) {
    return {nom, SorteCle::booleen, &w, nullptr, defaut};
}
CleParametre texte(const char* nom, Edit& w) { return {nom, SorteCle::texte, &w, nullptr, ""}; }

}  // namespace

std::vector<CleParametre> cles_parametres(Tdiapo& d) {
    return {
        label("rep_album_A.Caption", d.rep_album_A, "C:\\Nocturo\\A"),
        label("rep_album_B.Caption", d.rep_album_B, "C:\\Nocturo\\B"),
        label("xnview_alternative_Label.Caption", d.xnview_alternative_Label,
              "C:\\Program Files (x86)\\XnView\\XnView.exe"),
        entier("dt0_a", d.Edit_dt0_a, d.dt0_a, "1000"),
        entier("dt1_a", d.Edit_dt1_a, d.dt1_a, "2000"),
        entier("dt2_a", d.Edit_dt2_a, d.dt2_a, "4000"),
        entier("dt2_b", d.Edit_dt2_b, d.dt2_b, "4000"),
        entier("dt3_a", d.Edit_dt3_a, d.dt3_a, "2000"),
        entier("dt3_b", d.Edit_dt3_b, d.dt3_b, "2000"),
        entier("dt4_a", d.Edit_dt4_a, d.dt4_a, "2000"),
        entier("dt4_b", d.Edit_dt4_b, d.dt4_b, "2000"),
        entier("dt5_a", d.Edit_dt5_a, d.dt5_a, "2000"),
        entier("dt5_b", d.Edit_dt5_b, d.dt5_b, "2000"),
        entier("_haut", d.Edit_haut, d.haut, "100"),
        entier("vmax", d.Edit_vmax, d.vmax, "100"),
        entier("zoom_max10", d.Edit_zoom_s_dix, d.zoom_max10, "32"),
        entier("inc_dx", d.Edit_inc_pixel, d.inc_dx, "500"),
        entier("indice_non_aleatoire", d.Edit_indice_non_aleatoire, d.indice_non_aleatoire, "4"),
        entier("rayon_rnd", d.Edit_rayon_rnd, d.rayon_rnd, "5"),
        entier("nb_fouille", d.Edit_nb_fouille, d.nb_fouille, "3"),
        indice("Rdg1.ItemIndex", d.Rdg1, "0"),
        indice("RadioGroup_titre_ecran.ItemIndex", d.RadioGroup_titre_ecran, "1"),
        indice("RadioGroup_sous_rep_recursif.ItemIndex", d.RadioGroup_sous_rep_recursif, "1"),
        indice("RadioGroup_exclusion.ItemIndex", d.RadioGroup_exclusion, "0"),
        booleen("CheckBox_rnd.Checked", d.CheckBox_rnd, "true"),
        booleen("CheckBox_date_de.Checked", d.CheckBox_date_de, "false"),
        booleen("CheckBox_date_a.Checked", d.CheckBox_date_a, "false"),
        texte("annee_de", d.Edit_annee_de),
        texte("annee_a", d.Edit_annee_a),
        texte("mois_de", d.Edit_mois_de),
        texte("mois_a", d.Edit_mois_a),
        booleen("CheckBox_contient.Checked", d.CheckBox_contient, "false"),
        texte("filtre_contient", d.Edit_contient),
        booleen("CheckBox_xnview_rep_et_nom.Checked", d.CheckBox_xnview_rep_et_nom, "false"),
        booleen("CheckBox_af_an.Checked", d.CheckBox_af_an, "false"),
        booleen("CheckBox_fic_exclusion.Checked", d.CheckBox_fic_exclusion, "false"),
        booleen("CheckBox_grand_menu.Checked", d.CheckBox_grand_menu, "false"),
    };
}

void lire_cle(const CleParametre& cle, const ListBox& parametres) {
    switch (cle.sorte) {
        case SorteCle::label:
            cle.widget->definir_legende(param_valeur(parametres, cle.nom, cle.defaut));
            break;
        case SorteCle::entier:
            *cle.variable = param_lire_edit(parametres, cle.nom, cle.defaut, static_cast<Edit&>(*cle.widget));
            break;
        case SorteCle::indice: {
            auto& groupe = static_cast<RadioGroup&>(*cle.widget);
            int i = param_lire_entier(parametres, cle.nom, cle.defaut);
            borne(i, -1, static_cast<int>(groupe.elements().size()) - 1);
            groupe.definir_indice_element(i);
            break;
        }
        case SorteCle::booleen:
            static_cast<CheckBox&>(*cle.widget).definir_coche(param_lire_bool(parametres, cle.nom, cle.defaut));
            break;
        case SorteCle::texte:
            static_cast<Edit&>(*cle.widget).definir_texte(param_valeur(parametres, cle.nom, cle.defaut));
            break;
    }
}

void ecrire_cle(const CleParametre& cle, ListBox& parametres) {
    switch (cle.sorte) {
        case SorteCle::label:
            param_ajout_label(parametres, cle.nom, *cle.widget);
            break;
        case SorteCle::entier:
            param_ajout_entier(parametres, cle.nom, static_cast<const Edit&>(*cle.widget), *cle.variable);
            break;
        case SorteCle::indice:
            param_ajout_radio(parametres, cle.nom, static_cast<const RadioGroup&>(*cle.widget));
            break;
        case SorteCle::booleen:
            param_ajout_coche(parametres, cle.nom, static_cast<const CheckBox&>(*cle.widget));
            break;
        case SorteCle::texte:
            param_ajout_texte(parametres, cle.nom, static_cast<const Edit&>(*cle.widget).texte());
            break;
    }
}

}  // namespace nocturo
