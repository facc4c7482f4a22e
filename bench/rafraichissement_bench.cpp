// The walk beside the show on the simulated machine: an unchanged library of 100,000
// pictures against its first scan (with the window's message pump after every entry), a
// library of 1,000,000 with one folder of 100 added (the time until they can be drawn), and
// the memory it takes beside the catalogue.
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

#include "catalogue/fusion.h"
#include "catalogue/parcours.h"
#include "catalogue/rafraichissement.h"
#include "show/paquet.h"
#include "sim/plateforme_simulee.h"

using namespace nocturo;

namespace {

using Chrono = std::chrono::steady_clock;

double depuis(Chrono::time_point t) { return std::chrono::duration<double>(Chrono::now() - t).count(); }

long kio(const char* champ) {
    std::ifstream f("/proc/self/status");
    std::string l;
    while (std::getline(f, l))
        if (l.rfind(champ, 0) == 0) return std::stol(l.substr(l.find(':') + 1));
    return 0;
}

void planter(test::PlateformeSimulee& m, int dossiers, int par_dossier) {
    for (int r = 0; r < dossiers; ++r)
        for (int i = 0; i < par_dossier; ++i)
            m.creer_fichier("C:\\Banc\\g" + std::to_string(r / 100) + "\\d" + std::to_string(r) + " 2014-10-05\\IMG_" +
                                std::to_string(i) + ".JPG",
                            "x");
}

const Racines RACINES{{"C:\\Banc", true}};

}  // namespace

int main() {
    {
        test::PlateformeSimulee m;
        m.pas_traitement_ms = 0;
        planter(m, 2000, 50);
        auto t = Chrono::now();
        const Catalogue premier = parcourir(RACINES, {}, m, [&](int32_t) {
            m.traiter_messages();
            return false;
        });
        const double scan = depuis(t);
        t = Chrono::now();
        Rafraichisseur r;
        r.lancer(RACINES, {}, m);
        std::optional<Rafraichissement> fait = r.prendre(true);
        const bool pareil = fait && fait->catalogue == premier;
        const double rafraichi = depuis(t);
        std::printf("100,000 pictures unchanged: first scan with the pump %.3f s, walk beside the show %.3f s "
                    "(%.2fx), unchanged: %s\n",
                    scan, rafraichi, rafraichi / scan, pareil ? "yes" : "no");
    }
    {
        test::PlateformeSimulee m;
        planter(m, 10000, 100);
        Catalogue ancien = parcourir(RACINES, {}, m, [](int32_t) { return false; });
        Paquet paquet;
        const Graine graine = [x = uint64_t{1}]() mutable { return x += 0x9E3779B97F4A7C15ull; };
        for (int i = 0; i < 1000; ++i) paquet.marquer(paquet.prochain(ancien.nombre(), graine));
        for (int i = 0; i < 100; ++i) m.creer_fichier("C:\\Banc\\g5\\Vacances\\n" + std::to_string(i) + ".jpg", "x");
        const long avant = kio("VmRSS:");
        auto t = Chrono::now();
        Rafraichisseur r;
        r.lancer(RACINES, {}, m);
        std::optional<Rafraichissement> fait = r.prendre(true);
        const double marche = depuis(t);
        const auto t2 = Chrono::now();
        const std::vector<int32_t> vers = correspondance(ancien, fait->catalogue);
        paquet.suivre(vers, fait->catalogue.nombre(), graine);
        const double fusion = depuis(t2);
        const long pointe = kio("VmHWM:");
        std::printf("1,000,000 pictures, a folder of 100 added: walk %.3f s, set against the old catalogue %.3f s, "
                    "drawable after %.3f s; %d pictures\n",
                    marche, fusion, marche + fusion, fait->catalogue.nombre());
        std::printf("memory: %ld MiB resident before the walk (the machine's files and the catalogue), peak %ld MiB\n",
                    avant / 1024, pointe / 1024);
    }
}
