// The ready copy against the system's bare decode of the same file, under Wine or Windows:
// rounds of the four measures interleaved (each round in a different order), so that a
// noisy machine weighs on all of them alike; each copy's time is divided by the bare decode
// of its own round. Prints figures, asserts nothing.
//   copie_bench.exe <picture> [rounds]
// The copies: a 1920 x 1080 fill, the zoom's target, the picture's own size; beside them the
// bare decode into fresh memory each time, as a copy's memory is.
#include <ole2.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "decodage_nu.h"
#include "plateforme/win32/plateforme_win32.h"
#include "plateforme/win32/texte_win32.h"
#include "show/chargement.h"
#include "show/geometrie.h"

using namespace nocturo;
using namespace nocturo::win32;

namespace {

struct Mesure {
    std::string nom;
    std::function<bool()> travail;
    std::vector<double> ms, rapports;
};

void resume(const Mesure& m) {
    const auto trie = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v;
    };
    const std::vector<double> t = trie(m.ms), r = trie(m.rapports);
    if (t.empty()) {
        std::printf("%-34s refus\n", m.nom.c_str());
        return;
    }
    std::printf("%-34s %7.1f %7.1f %7.1f ms", m.nom.c_str(), t.front(), t[t.size() / 2], t.back());
    if (!r.empty()) std::printf("   %5.2f %5.2f %5.2f x", r.front(), r[r.size() / 2], r.back());
    std::printf("\n");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage : copie_bench <image> [tours]\n");
        return 2;
    }
    OleInitialize(nullptr);
    const std::string chemin = argv[1];
    const std::wstring nom = large(chemin);
    const int tours = argc > 2 ? std::max(1, std::atoi(argv[2])) : 7;
    PlateformeWin32 p;
    constexpr Taille ECRAN{1920, 1080};

    Taille propre{};
    Pixels essai;
    if (p.decoder(chemin, FormatImage::jpeg, [&](Taille t) { propre = t; return Demande{{1, 1}, 1}; }, essai) !=
        IssueDecodage::decodee) {
        // A PNG, say: its own kind asked (the loader reads it from the first bytes too).
        const std::optional<FormatImage> f = format_de(chemin);
        if (!f || p.decoder(chemin, *f, [&](Taille t) { propre = t; return Demande{{1, 1}, 1}; }, essai) !=
                      IssueDecodage::decodee) {
            std::fprintf(stderr, "%s : illisible\n", chemin.c_str());
            return 1;
        }
    }
    const Taille remplir = taille_copie(ECRAN, propre, {1, 16, 250, 100});
    const Taille zoomer = taille_copie(ECRAN, propre, {5, 16, 250, 100});
    const auto copie = [&](Taille cible) {
        return [&, cible] {
            return charger_copie(chemin, [cible](Taille) { return cible; }, p, p).issue == IssueChargement::image;
        };
    };
    std::vector<uint32_t> tampon;
    const auto texte = [](Taille t) { return std::to_string(t.largeur) + "x" + std::to_string(t.hauteur); };
    std::vector<Mesure> mesures = {
        {"decodage WIC nu (reference)", [&] { return decoder_nu(nom, tampon); }, {}, {}},
        // What a copy's fresh memory costs beside it: the system hands out and zeroes it.
        {"decodage WIC nu, memoire neuve",
         [&] {
             std::vector<uint32_t> neuf;
             return decoder_nu(nom, neuf);
         },
         {}, {}},
        {"copie pour le remplissage " + texte(remplir), copie(remplir), {}, {}},
        {"copie pour le zoom " + texte(zoomer), copie(zoomer), {}, {}},
        {"copie en taille propre " + texte(propre), copie(propre), {}, {}},
    };
    std::vector<bool> refus(mesures.size(), false);
    // A first round uncounted: the file into the system's cache, the codec's code loaded.
    for (Mesure& m : mesures) m.travail();
    for (int tour = 0; tour < tours; ++tour) {
        std::vector<double> temps(mesures.size(), -1);
        for (size_t k = 0; k < mesures.size(); ++k) {
            const size_t i = (k + static_cast<size_t>(tour)) % mesures.size();
            if (refus[i]) continue;
            const auto debut = std::chrono::steady_clock::now();
            const bool ok = mesures[i].travail();
            temps[i] = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut).count();
            if (!ok) refus[i] = true;
        }
        for (size_t i = 0; i < mesures.size(); ++i) {
            if (refus[i]) continue;
            mesures[i].ms.push_back(temps[i]);
            if (i > 0 && !refus[0]) mesures[i].rapports.push_back(temps[i] / temps[0]);
        }
    }
    for (size_t i = 0; i < mesures.size(); ++i)
        if (refus[i]) mesures[i].ms.clear();
    std::printf("%s : %s, %d tours entrelaces         min  mediane    max          rapport au decodage nu\n",
                chemin.c_str(), texte(propre).c_str(), tours);
    for (const Mesure& m : mesures) resume(m);
    OleUninitialize();
    return 0;
}
