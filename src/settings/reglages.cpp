// The settings table, and the reading and writing of the parameter file through it.
#include "settings/reglages.h"

#include <algorithm>

#include "util/erreurs.h"
#include "util/texte.h"

namespace nocturo {

namespace {

constexpr int DUREE_MAX = 3600 * 1000;
constexpr int PAS_ZOOM_REGLAGE_MAX = 100000;

// One maker per kind, so that a member of the wrong type cannot enter the table.
CleReglage label(const char* nom, std::string Reglages::*m, const char* defaut, const char* forme) {
    return {nom, SorteCle::label, defaut, forme, m, nullptr, nullptr, 0};
}
CleReglage entier(const char* nom, int Reglages::*m, const char* defaut, const char* forme, int minimum,
                  int maximum) {
    return {nom, SorteCle::entier, defaut, forme, nullptr, m, nullptr, 0, minimum, maximum};
}
CleReglage indice(const char* nom, int Reglages::*m, const char* defaut, int nb_choix) {
    return {nom, SorteCle::indice, defaut, defaut, nullptr, m, nullptr, nb_choix};
}
CleReglage booleen(const char* nom, bool Reglages::*m, const char* defaut) {
    return {nom, SorteCle::booleen, defaut, defaut, nullptr, nullptr, m, 0};
}
CleReglage texte(const char* nom, std::string Reglages::*m, const char* forme) {
    return {nom, SorteCle::texte, "", forme, m, nullptr, nullptr, 0};
}

// Puts a value text into the key's member; integer and index texts may throw.
void appliquer(const CleReglage& cle, const std::string& valeur, Reglages& r) {
    switch (cle.sorte) {
        case SorteCle::label:
        case SorteCle::texte:
            r.*cle.texte = valeur;
            break;
        case SorteCle::entier:
            r.*cle.entier = borner(cle, str_to_int(valeur));
            break;
        case SorteCle::indice:
            // Below -1 is no selection; beyond the last item is the last item.
            r.*cle.entier = std::clamp(str_to_int(valeur), -1, cle.nb_choix - 1);
            break;
        case SorteCle::booleen:
            r.*cle.booleen = valeur == "true";
            break;
    }
}

Reglages depuis(const char* CleReglage::*colonne) {
    Reglages r;
    for (const CleReglage& cle : toutes_cles_reglages()) appliquer(cle, cle.*colonne, r);
    return r;
}

LignesParametres ecrire(const std::vector<CleReglage>& cles, const Reglages& r) {
    LignesParametres lignes;
    for (const CleReglage& cle : cles) param_ajout_texte(lignes, cle.nom, texte_cle(cle, r));
    return lignes;
}

}  // namespace

const std::vector<CleReglage>& cles_reglages() {
    using R = Reglages;
    static const std::vector<CleReglage> cles = {
        label("rep_album_A.Caption", &R::rep_album_A, "C:\\Nocturo\\A", "répertoire album A"),
        label("rep_album_B.Caption", &R::rep_album_B, "C:\\Nocturo\\B", "répertoire album B"),
        label("xnview_alternative_Label.Caption", &R::visionneuse,
              "C:\\Program Files (x86)\\XnView\\XnView.exe", "exécutable (*.exe)"),
        // Durations from nothing to an hour, in ms.
        entier("dt0_a", &R::dt0_a, "1000", "5000", 0, DUREE_MAX),
        entier("dt1_a", &R::dt1_a, "2000", "2000", 0, DUREE_MAX),
        entier("dt2_a", &R::dt2_a, "4000", "2000", 0, DUREE_MAX),
        entier("dt2_b", &R::dt2_b, "4000", "2000", 0, DUREE_MAX),
        entier("dt3_a", &R::dt3_a, "2000", "2000", 0, DUREE_MAX),
        entier("dt3_b", &R::dt3_b, "2000", "2000", 0, DUREE_MAX),
        entier("dt4_a", &R::dt4_a, "2000", "2000", 0, DUREE_MAX),
        entier("dt4_b", &R::dt4_b, "2000", "2000", 0, DUREE_MAX),
        entier("dt5_a", &R::dt5_a, "2000", "2000", 0, DUREE_MAX),
        entier("dt5_b", &R::dt5_b, "2000", "2000", 0, DUREE_MAX),
        entier("_haut", &R::haut, "100", "100", 0, 100),  // a percentage
        // Below 1 any stir of the mouse, or none, would end the screen saver.
        entier("vmax", &R::vmax, "100", "100", 1, 1000000),
        // Up to ten screen widths, in tenths.
        entier("zoom_max10", &R::zoom_max10, "32", "16", 1, 100),
        // At least one step; more than this would hold a picture for half an hour.
        entier("inc_dx", &R::inc_dx, "500", "250", 1, PAS_ZOOM_REGLAGE_MAX),
        entier("indice_non_aleatoire", &R::indice_non_aleatoire, "4", "0", 0, INT_MAX - 1),
        // The group's offsets live in a table of 60.
        entier("rayon_rnd", &R::rayon_rnd, "5", "5", 0, 60),
        entier("nb_fouille", &R::nb_fouille, "3", "5", 1, 61),
        indice("Rdg1.ItemIndex", &R::effet, "0", 6),
        indice("RadioGroup_titre_ecran.ItemIndex", &R::titre_ecran, "1", 3),
        indice("RadioGroup_sous_rep_recursif.ItemIndex", &R::sous_rep_recursif, "1", 2),
        indice("RadioGroup_exclusion.ItemIndex", &R::exclusion, "0", 3),
        booleen("CheckBox_rnd.Checked", &R::aleatoire, "true"),
        booleen("CheckBox_date_de.Checked", &R::date_de, "false"),
        booleen("CheckBox_date_a.Checked", &R::date_a, "false"),
        texte("annee_de", &R::annee_de, "2014"),
        texte("annee_a", &R::annee_a, ""),
        texte("mois_de", &R::mois_de, "10"),
        texte("mois_a", &R::mois_a, ""),
        booleen("CheckBox_contient.Checked", &R::contient, "false"),
        texte("filtre_contient", &R::filtre_contient, "divers avignon"),
        booleen("CheckBox_xnview_rep_et_nom.Checked", &R::visionneuse_rep_et_nom, "false"),
        booleen("CheckBox_af_an.Checked", &R::affiche_annee, "false"),
        booleen("CheckBox_fic_exclusion.Checked", &R::fichier_exclusion, "false"),
        booleen("CheckBox_grand_menu.Checked", &R::grand_menu, "false"),
    };
    return cles;
}

const std::vector<CleReglage>& cles_reglages_plus() {
    using R = Reglages;
    static const std::vector<CleReglage> cles = {
        // Up to ten seconds; 0 cuts from one picture to the next.
        entier("fondu_enchaine_ms", &R::fondu_ms, "600", "600", 0, 10000),
    };
    return cles;
}

const std::vector<CleReglage>& toutes_cles_reglages() {
    static const std::vector<CleReglage> cles = [] {
        std::vector<CleReglage> v = cles_reglages();
        v.insert(v.end(), cles_reglages_plus().begin(), cles_reglages_plus().end());
        return v;
    }();
    return cles;
}

Reglages reglages_par_defaut() { return depuis(&CleReglage::defaut); }

Reglages reglages_de_forme() { return depuis(&CleReglage::defaut_forme); }

int borner(const CleReglage& cle, int valeur) { return std::clamp(valeur, cle.minimum, cle.maximum); }

std::string lire_cle(const LignesParametres& lignes, const CleReglage& cle, Reglages& r) {
    std::string valeur = param_valeur(lignes, cle.nom, cle.defaut);
    appliquer(cle, valeur, r);
    // A value brought into range shows as the value in force.
    if (cle.sorte == SorteCle::entier && r.*cle.entier != str_to_int(valeur)) return std::to_string(r.*cle.entier);
    return valeur;
}

Reglages lire_reglages(const LignesParametres& lignes, std::vector<std::string>* erreurs) {
    Reglages r = reglages_par_defaut();
    for (const CleReglage& cle : cles_reglages()) {
        try {
            lire_cle(lignes, cle, r);
        } catch (const ErreurConversion& e) {
            if (erreurs) erreurs->push_back(e.what());
        }
    }
    return r;
}

std::string texte_cle(const CleReglage& cle, const Reglages& r) {
    switch (cle.sorte) {
        case SorteCle::label:
        case SorteCle::texte:
            return r.*cle.texte;
        case SorteCle::entier:
        case SorteCle::indice:
            return std::to_string(r.*cle.entier);
        case SorteCle::booleen:
            return r.*cle.booleen ? "true" : "false";
    }
    return {};
}

LignesParametres ecrire_reglages(const Reglages& r) { return ecrire(cles_reglages(), r); }

LignesParametres ecrire_reglages_plus(const Reglages& r) { return ecrire(cles_reglages_plus(), r); }

}  // namespace nocturo
