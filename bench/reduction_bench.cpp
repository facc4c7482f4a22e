// Cost of turning a decoded 24-megapixel picture into the copy the show keeps: the scaling
// filter with its turn, then the levels. Prints figures; asserts nothing.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "show/image_prete.h"
#include "show/reduction.h"

using namespace nocturo;

namespace {

double millisecondes(const std::chrono::steady_clock::time_point& debut) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut).count();
}

}  // namespace

int main() {
    Pixels source;
    source.largeur = 6000;
    source.hauteur = 4000;
    source.bgra.resize(size_t{6000} * 4000);
    for (size_t i = 0; i < source.bgra.size(); ++i) source.bgra[i] = static_cast<uint32_t>(i * 2654435761u);
    const struct {
        const char* quoi;
        int orientation;
        Taille cible;
    } cas[] = {
        {"fill of 1920 x 1080, as stored", 1, {1920, 1280}},
        {"fill of 1920 x 1080, turned (tag 6)", 6, {1920, 2880}},
        {"zoom target 3067 wide", 1, {3067, 2044}},
        {"fit of 1440 x 1080", 1, {1440, 960}},
    };
    std::printf("6000 x 4000 to the copy, median of 7 runs\n");
    for (const auto& c : cas) {
        std::vector<double> filtre, niveaux;
        for (int essai = 0; essai < 7; ++essai) {
            auto debut = std::chrono::steady_clock::now();
            Pixels copie = reduire_et_tourner(source, c.orientation, c.cible);
            filtre.push_back(millisecondes(debut));
            debut = std::chrono::steady_clock::now();
            const ImagePrete pret = preparer_niveaux(std::move(copie));
            niveaux.push_back(millisecondes(debut));
        }
        std::sort(filtre.begin(), filtre.end());
        std::sort(niveaux.begin(), niveaux.end());
        std::printf("  %-40s filter and turn %6.1f ms   levels %5.1f ms\n", c.quoi, filtre[3], niveaux[3]);
    }
}
