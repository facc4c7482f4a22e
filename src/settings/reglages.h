// The settings as one typed value, and the one table that gives, for each, its file key,
// its default when the file has none and its value in the window's design: the 37 of the
// parameter file, then those of the file beside it. Reading and writing walk that table.
#pragma once
#include <climits>
#include <string>
#include <vector>

#include "settings/parametres.h"

namespace nocturo {

struct Reglages {
    std::string rep_album_A, rep_album_B;
    std::string visionneuse;  // the outside viewer's executable
    // Durations of the effects (ms), the zoom's drop (%), the mouse speed that quits.
    int dt0_a = 0, dt1_a = 0, dt2_a = 0, dt2_b = 0, dt3_a = 0, dt3_b = 0, dt4_a = 0, dt4_b = 0,
        dt5_a = 0, dt5_b = 0, haut = 0, vmax = 0;
    int zoom_max10 = 0, inc_dx = 0;
    int indice_non_aleatoire = 0, rayon_rnd = 0, nb_fouille = 0;
    int effet = 0;              // Rdg1
    int titre_ecran = 0;        // nothing, directory, directory + name
    int sous_rep_recursif = 0;  // none, all
    int exclusion = 0;          // marked excluded, indifferent, only the marked
    bool aleatoire = false;
    bool date_de = false, date_a = false;
    std::string annee_de, annee_a, mois_de, mois_a;
    bool contient = false;
    std::string filtre_contient;
    bool visionneuse_rep_et_nom = false;
    bool affiche_annee = false;
    bool fichier_exclusion = false;
    bool grand_menu = false;
    // Beyond the 37, in a file of their own: the crossfade (ms, 0 cuts).
    int fondu_ms = 0;

    bool operator==(const Reglages&) const = default;
};

enum class SorteCle { label, entier, indice, booleen, texte };

struct CleReglage {
    const char* nom;
    SorteCle sorte;
    const char* defaut;        // when the file gives no value
    const char* defaut_forme;  // the window's design value, seen only before a load
    std::string Reglages::*texte = nullptr;  // label and text keys
    int Reglages::*entier = nullptr;         // integer and index keys
    bool Reglages::*booleen = nullptr;       // boolean keys
    int nb_choix = 0;                        // index keys: the group's items
    int minimum = INT_MIN, maximum = INT_MAX;  // integer keys: the values that make sense
};

// The 37 keys in file order.
const std::vector<CleReglage>& cles_reglages();
// The keys of the second file, which the 37-line file never holds.
const std::vector<CleReglage>& cles_reglages_plus();
// Both, as the window binds them to its controls.
const std::vector<CleReglage>& toutes_cles_reglages();

// Every key at its default, as a load of no file gives.
Reglages reglages_par_defaut();
// Every key at its design value.
Reglages reglages_de_forme();

// Reads one key into `r` and returns the value text to show: as stored (the default when
// absent), or the bounded number when the stored one lay outside the key's range. A
// malformed integer or index throws ErreurConversion and leaves `r` alone.
std::string lire_cle(const LignesParametres& lignes, const CleReglage& cle, Reglages& r);
// Every key of the 37; a malformed one takes its default, and its conversion message is
// added to `erreurs` when given. The keys of the second file keep their defaults.
Reglages lire_reglages(const LignesParametres& lignes, std::vector<std::string>* erreurs = nullptr);
// An integer key's value brought into its range.
int borner(const CleReglage& cle, int valeur);
// The value text of a key as the file holds it.
std::string texte_cle(const CleReglage& cle, const Reglages& r);
// The 37 lines of the parameter file.
LignesParametres ecrire_reglages(const Reglages& r);
// The lines of the second file.
LignesParametres ecrire_reglages_plus(const Reglages& r);

}  // namespace nocturo
