// The choice of the next picture: in catalogue order, or at random by groups (a fresh
// draw, then a few pictures shortly after it, as a rule from the same directory), each
// picture once in a cycle.
#pragma once
#include <array>
#include <functional>
#include <optional>

#include "show/paquet.h"

namespace nocturo {

// The shuffled forward offsets of a group live in entries 1 to 60.
constexpr int TAILLE_DECALAGES = 60;
using Decalages = std::array<int, TAILLE_DECALAGES + 1>;

// A uniform draw in 0 .. n - 1.
using Hasard = std::function<int(int n)>;

struct ReglagesSelection {
    int rayon_rnd = 5;   // the group's members lie within this many positions after the draw
    int nb_fouille = 3;  // pictures per group at most, the fresh draw included
    int nb_images = 0;
};

// A fresh draw chosen before its turn, so that its picture can be decoded early, and kept.
struct TirageGarde {
    int centre = 0;
    Decalages decalages{};
    int nb_images = 0;
    int rayon = 0;
    bool operator==(const TirageGarde&) const = default;
};

struct Selection {
    int compteur_tirages = 0;  // pictures given in this group; 0: the next is a fresh draw
    int centre_tirage = 0;
    int prochain_decalage = 1;  // the entry of the offsets to try next for a member
    Decalages table_decalages{};
    std::optional<TirageGarde> garde;
    bool operator==(const Selection&) const = default;

    // A new run of the show: the next draw is a fresh one, the offsets are zeros.
    void recommencer();
};

// Catalogue order: the position after `indice`, back to 0 past the end.
int suivant_en_ordre(int indice, int nb_images);

// Offsets 1 to `rayon` (at most 60) in a random order, in entries 1 to `rayon`.
void melanger_decalages(Decalages& table, int rayon, const Hasard& hasard);

// Random order: the next position, marked shown in the cycle of `paquet`. A fresh draw is
// the deck's next; the group's members are pictures within the radius after it (a radius
// below 1 counts as 1) that the cycle has not shown, in the shuffled order of the offsets;
// with none left, the group is over and the next draw is fresh.
int indice_suivant_aleatoire(Selection& s, const ReglagesSelection& r, Paquet& paquet, const Hasard& hasard,
                             const Graine& graine);
// The position the next call would give, without giving it; the shuffle of a fresh draw
// that it needs is made now and kept for its turn.
int prevoir_aleatoire(Selection& s, const ReglagesSelection& r, Paquet& paquet, const Hasard& hasard,
                      const Graine& graine);

}  // namespace nocturo
