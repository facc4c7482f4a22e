// Scaling a decoded picture down to the copy that will be shown, by area averaging, and
// turning it upright in the same pass.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "plateforme/images.h"
#include "show/orientation.h"

namespace nocturo {

// The filter fed a band of rows at a time, top down: it holds the output and two rows of
// sums, whatever the size of the source. Each output pixel is the mean of the source area it
// covers.
class Reduction {
public:
    // `source` the stored size, `orientation` its EXIF value, `cible` the upright size wanted;
    // a size larger than the source's (on either side) is brought down to it. `tampon`'s
    // memory is used for the output when it holds enough.
    Reduction(Taille source, int orientation, Taille cible, Pixels tampon = {});
    // The upright size of the output; empty when the source or the size wanted is.
    Taille taille() const { return {sortie_.largeur, sortie_.hauteur}; }
    // The next `n` rows of the source, each of its width, `pas` pixels from one to the next.
    // Rows past the source's last are ignored.
    void ajouter(const uint32_t* lignes, int n, size_t pas);
    // The same from 24-bit pixels (blue, green, red), `pas` bytes from one row to the next:
    // a decoder's own layout, expanded here rather than by a converter of its own.
    void ajouter_24(const uint8_t* lignes, int n, size_t pas);
    // The output; rows of the source never given count as black.
    Pixels finir();

private:
    struct Axe {
        std::vector<int32_t> sortie;       // for each source pixel, the output pixel it falls in
        std::vector<uint32_t> poids;       // and its part there (the rest goes to the next one)
        std::vector<double> inverse_total; // for each output pixel, one over its total weight
        std::vector<uint64_t> inverse_fixe; // the same in fixed point, times 2^39
        uint64_t total_max = 0;            // the largest total weight of an output pixel
    };
    static Axe axe(int source, int cible);
    template <int OCTETS>
    void ajouter_lignes(const uint8_t* lignes, int n, size_t pas);
    // Where stored pixel (0, y) stands in the output, and the step to the next one on its row.
    void place(int y, size_t& debut, ptrdiff_t& pas) const;
    void ecrire_ligne(int k);
    // Where stored row k is written, `pas` pixels from one to the next; then `ecrite(k)`.
    // A picture on its side goes through a block of rows written out across, a cache line of
    // the output at a time, rather than one pixel a row.
    uint32_t* destination(int k, ptrdiff_t& pas);
    void ecrite(int k);
    void vider_bloc();
    template <class S>
    void ecrire(std::vector<S> (&somme)[3], int k);
    template <class S>
    void accumuler(std::vector<S> (&somme)[3], uint32_t poids);

    Taille source_, stockee_;  // the output as stored
    Redressement tour_{1, 0, 0, 0, 1, 0, false};
    Axe ax_, ay_;
    std::vector<uint32_t> hb_, hg_, hr_;  // one source row summed across
    // The same, the three channels in 21 bits each of one word, while their sums fit there:
    // one product a source pixel instead of three.
    std::vector<uint64_t> trois_;
    std::vector<int32_t> premier_;  // for each output pixel, its first source pixel
    bool trois_en_un_ = false;
    // Two output rows, channel by channel: in 32 bits while the largest sum fits there.
    std::vector<uint64_t> somme_[2][3];
    std::vector<uint32_t> somme32_[2][3];
    bool sommes_32_ = false;
    int ligne_source_ = 0;                // the next source row expected
    int prochaine_ = 0;                   // the lowest output row not yet written
    bool identite_ = false;               // the output as stored is the source's size: only turned
    static constexpr int BLOC = 16;
    std::vector<uint32_t> bloc_;          // up to BLOC stored rows of a picture on its side
    int bloc_debut_ = 0, bloc_lignes_ = 0;
    Pixels sortie_;
};

// The whole picture at once.
Pixels reduire_et_tourner(const Pixels& source, int orientation, Taille cible);

}  // namespace nocturo
