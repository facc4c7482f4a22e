// The first scan of a tree against a bare walker of the same tree, in turns, under Wine or
// Windows; run by scripts/bench_scan.sh. Prints figures, asserts nothing.
//   parcours_bench.exe <root> [rounds] [par_entree]
// (a) a bare FindFirstFileExW walker (FindExInfoBasic, FIND_FIRST_EX_LARGE_FETCH) counting
//     the files;
// (b) the program's walk with the window's messages looked at as the show's scan does;
// (c) with "par_entree", also the walk that looks at them after every entry, as it once did.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "catalogue/parcours.h"
#include "plateforme/win32/plateforme_win32.h"
#include "plateforme/win32/texte_win32.h"

using namespace nocturo;
using namespace nocturo::win32;

namespace {

using Chrono = std::chrono::steady_clock;

double secondes(Chrono::time_point debut) { return std::chrono::duration<double>(Chrono::now() - debut).count(); }

long long marcher(const std::wstring& repertoire) {
    WIN32_FIND_DATAW d;
    const HANDLE h = FindFirstFileExW((repertoire + L"\\*").c_str(), FindExInfoBasic, &d, FindExSearchNameMatch,
                                      nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (h == INVALID_HANDLE_VALUE) return 0;
    long long n = 0;
    do {
        if (d.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (wcscmp(d.cFileName, L".") != 0 && wcscmp(d.cFileName, L"..") != 0)
                n += marcher(repertoire + L"\\" + d.cFileName);
        } else {
            ++n;
        }
    } while (FindNextFileW(h, &d));
    FindClose(h);
    return n;
}

struct Serie {
    const char* nom;
    std::vector<double> temps;
    void afficher(double reference) const {
        std::vector<double> t = temps;
        std::sort(t.begin(), t.end());
        std::printf("  %-34s min %7.3f s  median %7.3f s  max %7.3f s  median ratio %5.2f\n", nom, t.front(),
                    t[t.size() / 2], t.back(), reference > 0 ? t[t.size() / 2] / reference : 1.0);
    }
    double mediane() const {
        std::vector<double> t = temps;
        std::sort(t.begin(), t.end());
        return t[t.size() / 2];
    }
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "parcours_bench.exe <racine> [tours] [par_entree]\n");
        return 2;
    }
    const std::wstring racine = argv[1];
    const int tours = argc > 2 ? std::max(1, _wtoi(argv[2])) : 5;
    const bool par_entree = argc > 3 && std::wstring(argv[3]) == L"par_entree";
    PlateformeWin32 p;
    CriteresScan criteres;
    criteres.recursif = true;
    const Racines racines{{etroit(racine), true}};
    Serie nu{"bare FindFirstFileExW walker", {}}, programme{"the program's scan", {}},
        ancien{"messages after every entry", {}};
    long long fichiers = 0;
    int32_t images = 0;
    for (int t = 0; t < tours; ++t) {
        auto debut = Chrono::now();
        fichiers = marcher(racine);
        nu.temps.push_back(secondes(debut));

        debut = Chrono::now();
        Rythme rythme(p);
        images = parcourir(racines, criteres, p, [&](int32_t) {
                     if (rythme.du()) p.traiter_messages();
                     return false;
                 }).nombre();
        programme.temps.push_back(secondes(debut));

        if (par_entree) {
            debut = Chrono::now();
            parcourir(racines, criteres, p, [&](int32_t) {
                p.traiter_messages();
                return false;
            });
            ancien.temps.push_back(secondes(debut));
        }
    }
    std::printf("%lld files, %d pictures taken, %d rounds in turns\n", fichiers, images, tours);
    nu.afficher(0);
    programme.afficher(nu.mediane());
    if (par_entree) ancien.afficher(nu.mediane());
    std::printf("  per entry: bare %.2f us, the program %.2f us\n", nu.mediane() * 1e6 / static_cast<double>(fichiers),
                programme.mediane() * 1e6 / static_cast<double>(fichiers));
    return 0;
}
