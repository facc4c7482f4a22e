// One scan of a real tree of 100,000 pictures in 2,000 folders, as a library holds them
// (accents, Cyrillic and Japanese folders, .JPG, .jpeg, PNG, HEIC, phone sidecars), timed
// in processor time. The tree is made under the directory given, the first time. The same
// source builds against any version of the scan, so that two versions can be timed on the
// same tree: `parcours_bench DIR [scans]`.
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>

#include "catalogue/parcours.h"
#include "plateforme_hote.h"

using namespace nocturo;

namespace {

void planter(const std::filesystem::path& racine) {
    const char* dossiers[] = {"2014-10-05 Avignon", "Été à Arles", "Москва", "東京", "Noël"};
    const char* noms[] = {"IMG_%04d.JPG", "photo %d.jpeg", "Capture %d.png", "IMG_%04d.HEIC", "IMG_%04d.JPG.xmp"};
    for (int r = 0; r < 2000; ++r) {
        const auto d = racine / ("g" + std::to_string(r / 100)) / (std::string(dossiers[r % 5]) + " " + std::to_string(r));
        std::filesystem::create_directories(d);
        for (int i = 0; i < 50; ++i) {
            char nom[64];
            std::snprintf(nom, sizeof nom, noms[i % 5], i);
            std::ofstream(d / nom) << 'x';
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: parcours_bench DIR [scans]\n");
        return 2;
    }
    const std::filesystem::path racine = argv[1];
    if (!std::filesystem::exists(racine / "Banc")) planter(racine / "Banc");
    const int scans = argc > 2 ? std::atoi(argv[2]) : 1;
    banc::PlateformeHote machine(racine);
    double meilleur = 1e30;
    int32_t images = 0;
    for (int k = 0; k < scans; ++k) {
        const double debut = static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
        const Catalogue c = parcourir({{"C:\\Banc", true}}, CriteresScan{}, machine, [](int32_t) { return false; });
        meilleur = std::min(meilleur, static_cast<double>(std::clock()) / CLOCKS_PER_SEC - debut);
        images = c.nombre();
    }
    std::printf("%d pictures catalogued, best scan %.3f s of processor time\n", images, meilleur);
}
