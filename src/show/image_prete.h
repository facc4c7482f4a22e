// A picture ready to show: turned upright and scaled once to the largest size it will be
// shown at, with halves of it, so that every frame is drawn from a level whose size is
// between once and twice the size on screen (no shimmer of sampling a large picture small).
#pragma once
#include <vector>

#include "plateforme/images.h"

namespace nocturo {

struct ImagePrete {
    std::vector<Pixels> niveaux;  // the copy first, then each level half the one before
    Taille propre;                // the picture's own size, upright: the effects' proportions
    int annee_prise = 0;          // the year the camera says it was taken; 0 when it says none

    int largeur() const { return niveaux.empty() ? 0 : niveaux.front().largeur; }
    int hauteur() const { return niveaux.empty() ? 0 : niveaux.front().hauteur; }
    // The smallest level at least `largeur_affichee` wide (the copy when none is).
    const Pixels& niveau_pour(int largeur_affichee) const;
};

// Builds the levels below the copy, each the 2 × 2 average of the one before, down to a
// few dozen pixels.
ImagePrete preparer_niveaux(Pixels copie);

}  // namespace nocturo
