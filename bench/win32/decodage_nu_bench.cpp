// The system's decoder alone on one picture file, under Wine or Windows: decoder, converter
// to 32-bit pixels, copy into a buffer kept from run to run. Prints figures, asserts nothing.
//   decodage_nu_bench.exe <picture> [runs]
#include <ole2.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "decodage_nu.h"
#include "plateforme/win32/texte_win32.h"

using namespace nocturo;
using namespace nocturo::win32;

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage : decodage_nu_bench <image> [passes]\n");
        return 2;
    }
    OleInitialize(nullptr);
    const std::wstring nom = large(argv[1]);
    const int n = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    std::vector<uint32_t> tampon;
    std::vector<double> temps;
    for (int i = 0; i < n; ++i) {
        const auto debut = std::chrono::steady_clock::now();
        if (!decoder_nu(nom, tampon)) {
            std::fprintf(stderr, "%s : illisible\n", argv[1]);
            return 1;
        }
        temps.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut).count());
    }
    std::sort(temps.begin(), temps.end());
    std::printf("decodage nu %s : min %.1f  mediane %.1f  max %.1f ms (%d passes)\n", argv[1], temps.front(),
                temps[temps.size() / 2], temps.back(), n);
    OleUninitialize();
    return 0;
}
