// Start to the first picture with caches of 1, 100,000 and 1,000,000 pictures, on the
// simulated machine (processor time of the program's own work, no disk): what grows with
// the library. Prints figures; asserts nothing.
//   demarrage_bench [rounds]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "catalogue/cache.h"
#include "sim/images_simulees.h"
#include "sim/scenario.h"
#include "util/fichiers.h"

using namespace nocturo;
using namespace nocturo::test;

namespace {

using Chrono = std::chrono::steady_clock;

// Seconds from FormCreate to the first picture given to the window.
double premiere_image(int32_t nombre) {
    Scenario s;
    PlateformeSimulee& m = s.machine;
    m.limite_ms = 1e12;
    Catalogue c;
    std::vector<std::string> repertoires;
    for (int32_t r = 0; r < std::max(1, nombre / 10); ++r)
        repertoires.push_back("C:\\Photos\\g" + std::to_string(r / 100) + "\\2014-10-05 sortie " + std::to_string(r));
    c = Catalogue(repertoires);
    for (int32_t i = 0; i < nombre; ++i) c.ajouter_a_ligne(i / 10, "IMG_" + std::to_string(i) + ".JPG");
    m.creer_fichier(c.chemin(0), jpeg_simule(400, 300));
    m.creer_fichier(FICHIER_REPERTOIRES, "C:\\Photos\r\n");
    m.creer_fichier(FICHIER_HISTORIQUE, c.chemin(0) + "\r\n");
    // In catalogue order from the first picture, the one on the disk: the others are names
    // only, never looked at before the first picture.
    ecrire_lignes(m, FICHIER_PARAMETRES, {"CheckBox_rnd.Checked = false", "dt0_a = 1000",
                                          "indice_non_aleatoire = " + std::to_string(nombre - 1)});
    ecrire_cache(c, m);
    c = {};
    s.diapo->rafraichissement_actif = false;  // the walk beside the show comes after
    Chrono::time_point debut, premiere{};
    s.diapo->forme.sur_modification = [&](Controle* ctl) {
        if (ctl == &s.diapo->Image2 && s.diapo->Image2.image() && premiere == Chrono::time_point{}) {
            premiere = Chrono::now();
            m.touche_a(0, VK_ECHAP);
        }
    };
    debut = Chrono::now();
    s.demarrer();
    return std::chrono::duration<double>(premiere - debut).count();
}

}  // namespace

int main(int argc, char** argv) {
    const int tours = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const int32_t tailles[] = {1, 100'000, 1'000'000};
    std::vector<double> temps[3];
    for (int t = 0; t < tours; ++t)
        for (int k = 0; k < 3; ++k) temps[k].push_back(premiere_image(tailles[k]));
    std::printf("start to the first picture, simulated machine, %d rounds in turns\n", tours);
    double reference = 0;
    for (int k = 0; k < 3; ++k) {
        std::sort(temps[k].begin(), temps[k].end());
        const double mediane = temps[k][temps[k].size() / 2];
        if (k == 0) reference = mediane;
        std::printf("  cache of %8d: min %7.1f ms  median %7.1f ms  max %7.1f ms  (+%.1f ms on the cache of 1)\n",
                    tailles[k], temps[k].front() * 1e3, mediane * 1e3, temps[k].back() * 1e3,
                    (mediane - reference) * 1e3);
    }
}
