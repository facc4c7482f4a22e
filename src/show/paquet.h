// The deck of fresh random draws: a shuffled order of the catalogue's positions, made from
// a seed and walked with a cursor, so that no picture is drawn fresh twice before every
// picture has been drawn once, from one run to the next.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace nocturo {

class Fichiers;

struct EtatPaquet {
    uint64_t graine = 0;
    int32_t curseur = 0;
    int32_t taille = 0;  // the catalogue's size the deck was made for
    // Positions of that catalogue taken out of it since (pictures hidden by the user),
    // ascending: passed over when drawn, the others counted as the catalogue now counts them.
    std::vector<int32_t> retirees;
    int32_t restantes() const { return taille - static_cast<int32_t>(retirees.size()); }
    bool operator==(const EtatPaquet&) const = default;
};

class Paquet {
public:
    // The position of the next fresh draw in a catalogue of `taille`; a deck made for
    // another size, or walked to its end, is made anew from a seed drawn from `hasard`.
    int tirer(int taille, const std::function<uint64_t()>& hasard);
    // The catalogue of `taille` pictures loses those at `positions` (ascending): the deck
    // goes on without them, so that what it has not drawn yet still comes before a repeat.
    void retirer(const std::vector<int32_t>& positions, int taille);
    const EtatPaquet& etat() const { return etat_; }
    // Takes up a saved deck; the order is made again from its seed when next drawn from.
    void reprendre(const EtatPaquet& e);
    // Forgets the deck: the next draw starts a new one (a new catalogue).
    void oublier() { *this = Paquet{}; }

private:
    void battre();

    EtatPaquet etat_;
    std::vector<int32_t> ordre_;  // empty until drawn from
};

// The same permutation from the same seed, on every machine.
std::vector<int32_t> permutation(uint64_t graine, int32_t taille);

// The deck's file in the data directory: three "name = value" lines, and a fourth with the
// positions taken out when there are any.
std::string coder_paquet(const EtatPaquet& e);
// False, and `e` untouched, when the text is not a whole deck.
bool decoder_paquet(const std::string& texte, EtatPaquet& e);

}  // namespace nocturo
