// The system's decoder alone on one picture file, under Wine or Windows: decoder, converter
// to 32-bit pixels, copy into a buffer kept from run to run; then, once, the process's
// working set after each step of a decode, to see what the decoder holds and when it lets go.
// Prints figures, asserts nothing.
//   decodage_nu_bench.exe <picture> [runs]
#include <ole2.h>
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "decodage_nu.h"
#include "plateforme/win32/texte_win32.h"

using namespace nocturo;
using namespace nocturo::win32;

namespace {

double memoire_mo() {
    PROCESS_MEMORY_COUNTERS c{};
    GetProcessMemoryInfo(GetCurrentProcess(), &c, sizeof c);
    return static_cast<double>(c.WorkingSetSize) / (1 << 20);
}

// The working set after each step, the decoder's own pixels read in bands as ours are.
void suivre_memoire(const std::wstring& nom) {
    std::printf("memoire de travail, Mo : au depart %.0f", memoire_mo());
    {
        const Com<IWICImagingFactory> f = fabrique_wic();
        Com<IWICBitmapDecoder> d;
        Com<IWICBitmapFrameDecode> trame;
        if (!f || FAILED(f->CreateDecoderFromFilename(nom.c_str(), nullptr, GENERIC_READ,
                                                      WICDecodeMetadataCacheOnDemand, d.adresse())))
            return;
        std::printf(", decodeur ouvert %.0f", memoire_mo());
        UINT l = 0, h = 0;
        if (FAILED(d->GetFrame(0, trame.adresse())) || FAILED(trame->GetSize(&l, &h))) return;
        std::printf(", trame prise %.0f", memoire_mo());
        const UINT pas = (l * 3 + 3) / 4 * 4;
        std::vector<BYTE> bande(static_cast<size_t>(pas) * 64);
        const WICRect r{0, 0, static_cast<INT>(l), 64};
        if (SUCCEEDED(trame->CopyPixels(&r, pas, static_cast<UINT>(bande.size()), bande.data())))
            std::printf(", premiere bande lue %.0f", memoire_mo());
        trame.liberer();
        std::printf(", trame rendue %.0f", memoire_mo());
    }
    std::printf(", decodeur rendu %.0f\n", memoire_mo());
}

}  // namespace

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
    tampon = {};
    suivre_memoire(nom);
    OleUninitialize();
    return 0;
}
