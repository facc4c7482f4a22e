// The cycle of the random order: a shuffled order of the catalogue's positions, made from a
// seed, for the fresh draws, and which positions this cycle has shown, fresh draws and the
// members of their groups alike, so that no picture comes twice before every picture has
// come once, from one run to the next and whatever the catalogue gains or loses meanwhile.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace nocturo {

// 64 bits of the machine's chance, for a new shuffle.
using Graine = std::function<uint64_t()>;

struct EtatPaquet {
    uint64_t graine = 0;
    int32_t curseur = 0;         // places of the shuffled order passed already
    int32_t taille = 0;          // the catalogue's size the cycle is for
    std::vector<bool> montrees;  // by position: shown in this cycle; `taille` long, or empty
    bool operator==(const EtatPaquet&) const = default;
};

class Paquet {
public:
    // The position of the next fresh draw, not marked yet; a cycle made for another size,
    // or whose every picture has been shown, starts anew from a seed of `graine`.
    int prochain(int taille, const Graine& graine);
    bool montree(int position) const;
    void marquer(int position);
    // The catalogue became another: `vers[p]` is where its position p went, -1 when it left.
    // What this cycle showed stays shown; the pictures new to it come before any repeat,
    // the fresh draws to come shuffled again among the pictures not shown yet.
    void suivre(const std::vector<int32_t>& vers, int nouvelle_taille, const Graine& graine);
    // The catalogue of `taille` pictures loses those at `positions` (ascending).
    void retirer(const std::vector<int32_t>& positions, int taille, const Graine& graine);
    const EtatPaquet& etat() const { return etat_; }
    int32_t nombre_montrees() const { return montrees_; }
    // Takes up a saved cycle; the order is made again from its seed when next drawn from.
    void reprendre(const EtatPaquet& e);
    // Forgets the cycle: the next draw starts a new one.
    void oublier() { *this = Paquet{}; }

private:
    void nouveau_cycle(int taille, const Graine& graine);

    EtatPaquet etat_;
    int32_t montrees_ = 0;
    std::vector<int32_t> ordre_;  // empty until drawn from
};

// The same permutation from the same seed, on every machine.
std::vector<int32_t> permutation(uint64_t graine, int32_t taille);

// The cycle's file in the data directory: "name = value" lines, the positions shown as a
// bitmap in base 64.
std::string coder_paquet(const EtatPaquet& e);
// False, and `e` untouched, when the text is not a whole cycle. The deck of earlier
// versions (its cursor over the shuffled order, and the positions taken out since) is read
// as the cycle it was: the positions it had drawn are shown.
bool decoder_paquet(const std::string& texte, EtatPaquet& e);

}  // namespace nocturo
