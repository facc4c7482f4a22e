// Scale of the exclusion file: the check of one picture against 10 and 100,000 patterns,
// and the reading of a 50 MB exclusion file at start-up. Prints figures; asserts nothing.
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "catalogue/detecteur.h"
#include "catalogue/exclusions.h"
#include "sim/plateforme_simulee.h"
#include "settings/donnees.h"

using namespace nocturo;

namespace {

double secondes(const std::chrono::steady_clock::time_point& debut) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
}

std::vector<std::string> chemins_d_images(int n) {
    std::vector<std::string> c;
    for (int i = 0; i < n; ++i)
        c.push_back("D:\\Photos\\" + std::to_string(2000 + i % 25) + "-0" + std::to_string(1 + i % 9) +
                    " Vacances en Bretagne\\IMG_" + std::to_string(i) + ".JPG");
    return c;
}

void controle(int nb_motifs) {
    std::vector<std::string> repertoires, fichiers;
    for (int i = 0; i < nb_motifs; ++i) {
        if (i % 2)
            repertoires.push_back("D:\\Photos\\Exclu " + std::to_string(i));
        else
            fichiers.push_back("D:\\Photos\\2003-04 Divers\\DSC_" + std::to_string(i) + ".JPG");
    }
    auto debut = std::chrono::steady_clock::now();
    const DetecteurMotifs d({&repertoires, &fichiers});
    const double construction = secondes(debut);
    const std::vector<std::string> chemins = chemins_d_images(1'000'000);
    size_t trouves = 0;
    debut = std::chrono::steady_clock::now();
    for (const std::string& c : chemins) trouves += d.trouve_dans(c);
    const double t = secondes(debut);
    std::printf("%6d patterns: built in %.3f s, %.0f ns a picture (1,000,000 paths, %zu excluded)\n", nb_motifs,
                construction, t * 1e9 / static_cast<double>(chemins.size()), trouves);
}

}  // namespace

int main() {
    controle(10);
    controle(100'000);

    // A 50 MB exclusion file of whole directories, read as a start reads it.
    test::PlateformeSimulee m;
    std::string fichier;
    for (int i = 0; fichier.size() < 50u << 20; ++i)
        fichier += "**D:\\Photos\\Archives anciennes\\Dossier numéro " + std::to_string(i) + "\r\n";
    m.creer_fichier(FICHIER_EXCLUSIONS, fichier);
    int souffles = 0;
    auto debut = std::chrono::steady_clock::now();
    const MotifsExclusion motifs = lire_fichier_exclusions(m, m, [&] { ++souffles; });
    const double lecture = secondes(debut);
    debut = std::chrono::steady_clock::now();
    const DetecteurMotifs d({&motifs.repertoires, &motifs.fichiers});
    std::printf("50 MB exclusion file: read in %.2f s (%zu patterns kept, %d pauses for messages), automaton %.2f s\n",
                lecture, motifs.repertoires.size(), souffles, secondes(debut));
}
