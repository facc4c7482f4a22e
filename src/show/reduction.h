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
    };
    static Axe axe(int source, int cible);
    template <int OCTETS>
    void ajouter_lignes(const uint8_t* lignes, int n, size_t pas);
    // Where stored pixel (0, y) stands in the output, and the step to the next one on its row.
    void place(int y, size_t& debut, ptrdiff_t& pas) const;
    void ecrire_ligne(int k);

    Taille source_, stockee_;  // the output as stored
    Redressement tour_{1, 0, 0, 0, 1, 0, false};
    Axe ax_, ay_;
    std::vector<uint32_t> hb_, hg_, hr_;  // one source row summed across
    std::vector<uint64_t> somme_[2][3];   // two output rows, channel by channel
    int ligne_source_ = 0;                // the next source row expected
    int prochaine_ = 0;                   // the lowest output row not yet written
    bool identite_ = false;               // the output as stored is the source's size: only turned
    Pixels sortie_;
};

// The whole picture at once.
Pixels reduire_et_tourner(const Pixels& source, int orientation, Taille cible);

}  // namespace nocturo
