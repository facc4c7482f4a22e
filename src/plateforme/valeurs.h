// Plain values the services trade in, with no service behind them: what a size or a picture
// in memory is, for code that never decodes one.
#pragma once
#include <cstdint>
#include <vector>

namespace nocturo {

struct Taille {
    int largeur = 0;
    int hauteur = 0;
    bool operator==(const Taille&) const = default;
};

// 32-bit pixels in memory order blue, green, red, then a byte that means nothing; rows top
// down, without padding.
struct Pixels {
    int largeur = 0;
    int hauteur = 0;
    std::vector<uint32_t> bgra;
    bool vide() const { return largeur <= 0 || hauteur <= 0; }
};

}  // namespace nocturo
