// The choice of the next picture: in catalogue order, or at random by groups (a fresh
// draw, then a few pictures shortly after it, as a rule from the same directory).
#pragma once
#include <array>
#include <functional>
#include <optional>

namespace nocturo {

// The shuffled forward offsets of a group live in entries 1 to 60.
constexpr int TAILLE_DECALAGES = 60;
using Decalages = std::array<int, TAILLE_DECALAGES + 1>;

// A uniform draw in 0 .. n - 1.
using Hasard = std::function<int(int n)>;

struct ReglagesSelection {
    int rayon_rnd = 5;   // the group's members lie within this many positions after the draw
    int nb_fouille = 3;  // pictures per group, the fresh draw included
    int nb_images = 0;
};

// A fresh draw made before its turn, so that its picture can be decoded early, and kept.
struct TirageGarde {
    int centre = 0;
    Decalages decalages{};
    int nb_images = 0;
    int rayon = 0;
    bool operator==(const TirageGarde&) const = default;
};

struct Selection {
    int compteur_tirages = 0;  // the next draw's place in its group; 0: a fresh draw
    int centre_tirage = 0;
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

// Random order: the next position, the group moved on. Offsets past entry 60 read as 0
// (the draw's own picture again), as do those past the radius. A fresh draw comes from
// `frais` when given (the deck), else from `hasard`, which always shuffles the offsets.
int indice_suivant_aleatoire(Selection& s, const ReglagesSelection& r, const Hasard& hasard,
                             const Hasard& frais = {});
// The position the next call would give, without moving the group on; a fresh draw that
// it needs is made now and kept for its turn.
int prevoir_aleatoire(Selection& s, const ReglagesSelection& r, const Hasard& hasard, const Hasard& frais = {});

}  // namespace nocturo
