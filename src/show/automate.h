// The show as a state machine: what it does next, from its state and one event. It draws
// nothing and waits for nothing; the window feeds it the frame ticks, the keys and the
// answers to what it asked, and performs the gestures it returns.
#pragma once
#include <vector>

#include "show/geometrie.h"

namespace nocturo {

// Virtual-key codes the show acts on.
enum : int { VK_ECHAP = 27, VK_ESPACE = 32, VK_SUPPR = 46, VK_GAUCHE = 37, VK_DROITE = 39, VK_Q = 81, VK_F3 = 114 };

enum class Phase {
    arret,     // no show runs: before the first picture, stopped by a key, nothing to show
    pause,     // the panel open: the history is browsed with the arrows
    suivante,  // a picture is asked; its answer comes as an event
    fondu,     // the new picture fades in over the one before, inside its first hold
    maintien,  // a hold of the effect at one size
    zoom,      // the slow zoom, one width a frame
    rouge,     // nothing could be decoded: two seconds of red
};

// How a hold places the picture.
enum class Pose { ajuste, rempli, zoom, tel_quel };

struct Etape {
    Pose pose = Pose::ajuste;
    int duree_ms = 0;  // a hold's length; the zoom takes its own frames
};

// What the show reads of the settings, taken again with each picture.
struct ParametresAutomate {
    Taille ecran;
    ReglagesEffet effet;
    // dt0_a, dt1_a, dt2_a, dt2_b, dt3_a, dt3_b, dt4_a, dt4_b, dt5_a, dt5_b
    int durees[10] = {};
    int fondu_ms = 0;  // 0: a cut
};

// The holds and zoom of an effect, in order. A hold waits whole tenths of a second: 250 ms
// waits 200, under 100 nothing.
std::vector<Etape> etapes_effet(const ParametresAutomate& p);

// However short the durations, a picture stays this long: at 0 the show would otherwise
// decode and paint as fast as the machine can, for pictures nobody sees.
constexpr double PLANCHER_MS = 500;
constexpr double ROUGE_MS = 2000;

struct EtatAutomate {
    Phase phase = Phase::arret;
    bool panneau = false;  // the panel open (paused, or shown over nothing to show)
    ParametresAutomate parametres;
    // The picture on screen.
    Taille propre;
    std::vector<Etape> etapes;
    int etape = 0;
    double debut = 0;       // when it came on screen, steady milliseconds
    double fin = 0;         // when the hold, the fade or the red ends
    double fin_fondu = 0;
    std::vector<int> largeurs;  // the zoom's widths
    int pas_zoom = 0;
    // A key released while the picture shows: the show stops after it, unless its zoom is
    // still to come or running, which the key only shortens.
    bool arret_apres = false;
    bool zoom_coupe = false;
    // The history lines shown again before new pictures, after a pause stepped back.
    int rejeu = -1, rejeu_fin = -1;
};

enum class SorteEvenement {
    demarrer,      // the start-up is over: the show begins
    tic,           // a frame or the end of a wait
    touche,        // a key released
    image_posee,   // the answer to `poser_suivante` or `poser_historique`
};

enum class Issue {
    image,       // decoded: shown with its effect
    illisible,   // nothing decoded: red
    sans_effet,  // a video, or a picture no loader takes: passed over at once
    rien,        // nothing can be shown now
};

struct EvenementAutomate {
    SorteEvenement sorte = SorteEvenement::tic;
    double ms = 0;
    int touche = 0;
    bool maj = false;
    // What the window knows when it feeds the event.
    bool catalogue_vide = false;
    int historique_indice = -1, historique_nombre = 0;
    // With `image_posee`.
    Issue issue = Issue::image;
    Taille propre;
    bool image_avant = false;  // a picture was on screen to fade from
    ParametresAutomate parametres;
};

enum class Geste {
    quitter,
    diaporama_repertoire,  // F3
    ne_plus_afficher,      // Del while paused (`maj`: its directory)
    ouvrir_panneau,
    fermer_panneau,
    recommencer,          // a new run: the draws start over
    panneau_vide,         // nothing to show: the panel and the cursor
    poser_suivante,       // the next new picture, its captions, loaded into the picture
    poser_historique,     // history line `valeur`, loaded into the picture
    pas_historique,       // paused: one step of `valeur` through the history, shown whole
    revoir_historique,    // paused: the line browsed to, when it is not the one on screen
    couleur_noire,
    couleur_rouge,
    placer,               // the picture at `cadre`
    fondu,                // the fade at `valeur` of 255
    fin_fondu,
    tonalite,             // the short tone of a history step
    fin_image,            // the picture's turn is over: the panel's labels follow it
};

struct ActionAutomate {
    Geste geste;
    int valeur = 0;
    Cadre cadre;
    bool operator==(const ActionAutomate&) const = default;
};

struct Transition {
    EtatAutomate etat;
    std::vector<ActionAutomate> actions;
};

Transition transition(const EtatAutomate& etat, const EvenementAutomate& e);

// Frames are wanted at every refresh (a fade, a zoom); otherwise the next tick is due at
// `reveil` (none when nothing is timed).
bool anime(const EtatAutomate& e);
bool a_reveil(const EtatAutomate& e);
double reveil(const EtatAutomate& e);
// The show runs: a picture is on its way or on screen at the show's pace.
bool defile(const EtatAutomate& e);

}  // namespace nocturo
