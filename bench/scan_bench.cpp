// Speed of the catalogue scan on 20,000 and 200,000 files, in the simulated file system
// and in a real directory, and of the cache against a plain copy of its file. Prints
// figures; asserts nothing.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <memory>
#include <unordered_map>
#include <vector>

#include "catalogue/cache.h"
#include "catalogue/parcours.h"
#include "plateforme_hote.h"

using namespace nocturo;

namespace {

using Chrono = std::chrono::steady_clock;

double secondes_depuis(Chrono::time_point debut) {
    return std::chrono::duration<double>(Chrono::now() - debut).count();
}

template <class F>
double chronometrer(F&& f) {
    const auto debut = Chrono::now();
    f();
    return secondes_depuis(debut);
}

std::string nom_rep(int r) {
    return "C:\\Banc\\g" + std::to_string(r / 100) + "\\d" + std::to_string(r % 100) + " 2014-10-05";
}

// Seconds of processor time of this process: other work on the machine counts less.
double processeur() { return static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }

struct Mesure {
    long long entrees;
    double secondes;  // processor time
    double ns_par_entree() const { return secondes * 1e9 / static_cast<double>(entrees); }
};

// The simulated machine answering every listing from a copy taken once: what is left is
// the scan's own cost.
class ListagesMemorises : public test::PlateformeSimulee {
public:
    std::unordered_map<std::string, std::vector<EntreeRepertoire>> listages;
    bool lister_repertoire(const std::string& r, std::vector<EntreeRepertoire>& entrees) override {
        auto trouve = listages.find(r);
        if (trouve == listages.end()) {
            if (!PlateformeSimulee::lister_repertoire(r, entrees)) return false;
            listages.emplace(r, entrees);
        } else {
            entrees = trouve->second;
        }
        return true;
    }
};

// Runs through 64 MB so the next scan starts with cold processor caches, as the one scan
// of a start does: a small tree left in the caches by the previous run would look cheaper.
void refroidir_caches() {
    static std::vector<char> tampon(64 << 20);
    for (size_t i = 0; i < tampon.size(); i += 64) tampon[i] = static_cast<char>(tampon[i] + 1);
}

// Best of at least five samples (and of a second of scanning). A sample is as many scans
// of C:\Banc as make 200,000 files, so that small and large trees are timed over the same
// stretch of time.
Mesure mesurer_scan(Plateforme& machine, int fichiers) {
    const Racines racines{{"C:\\Banc", true}};
    const CriteresScan criteres;
    int32_t vues = 0;
    const PompeParcours pompe = [&](int32_t n) {
        vues = n;
        machine.traiter_messages();
        return false;
    };
    Catalogue catalogue;
    const int scans_par_echantillon = std::max(1, 200'000 / fichiers);
    Mesure meilleure{0, 1e30};
    const double depart = processeur();
    for (int essai = 0; essai < 5 || processeur() - depart < 1.0; ++essai) {
        long long entrees = 0;
        double s = 0;
        for (int k = 0; k < scans_par_echantillon; ++k) {
            refroidir_caches();
            const double debut = processeur();
            catalogue = parcourir(racines, criteres, machine, pompe);
            s += processeur() - debut;
            entrees += vues;
        }
        if (s < meilleure.secondes) meilleure = {entrees, s};
    }
    std::printf("    %d pictures in %zu directories\n", catalogue.nombre(), catalogue.repertoires().size());
    return meilleure;
}

template <class Machine = test::PlateformeSimulee>
Mesure scan_simule(int fichiers, int repertoires) {
    Machine machine;
    machine.limite_ms = 1e15;
    machine.creer_repertoire_complet("C:\\Nocturo");
    for (int r = 0; r < repertoires; ++r)
        for (int i = 0; i < fichiers / repertoires; ++i)
            machine.creer_fichier(nom_rep(r) + "\\IMG_" + std::to_string(i) + ".JPG");
    return mesurer_scan(machine, fichiers);
}

Mesure scan_reel(const std::filesystem::path& dossier, int fichiers, int repertoires) {
    banc::PlateformeHote machine(dossier);
    machine.limite_ms = 1e15;
    std::filesystem::create_directories(machine.hote("C:\\Nocturo"));
    for (int r = 0; r < repertoires; ++r) {
        const auto rep = machine.hote(nom_rep(r));
        std::filesystem::create_directories(rep);
        for (int i = 0; i < fichiers / repertoires; ++i)
            std::ofstream(rep / ("IMG_" + std::to_string(i) + ".JPG")) << 'x';
    }
    return mesurer_scan(machine, fichiers);
}

void afficher(const char* ou, const Mesure& petit, const Mesure& grand) {
    std::printf("%-10s %9lld entries timed in %6.3f s %10.0f entries/s %7.0f ns/entry\n", ou, petit.entrees,
                petit.secondes, petit.entrees / petit.secondes, petit.ns_par_entree());
    std::printf("%-10s %9lld entries timed in %6.3f s %10.0f entries/s %7.0f ns/entry\n", ou, grand.entrees,
                grand.secondes, grand.entrees / grand.secondes, grand.ns_par_entree());
    std::printf("%-10s cost per entry at 200,000 / at 20,000: %.2fx\n\n", ou,
                grand.ns_par_entree() / petit.ns_par_entree());
}

// The picture table as versions before names of any length wrote it: 88 bytes a picture.
std::string ancienne_table(const Catalogue& c) {
    std::string o(static_cast<size_t>(c.nombre()) * TAILLE_ENREGISTREMENT, '\0');
    for (int32_t i = 0; i < c.nombre(); ++i) {
        char* e = o.data() + static_cast<size_t>(i) * TAILLE_ENREGISTREMENT;
        const auto indice = static_cast<uint32_t>(c.indice_rep(i));
        for (int k = 0; k < 4; ++k) e[k] = static_cast<char>(indice >> (8 * k) & 0xFF);
        const std::string_view nom = c.nom(i).substr(0, LONGUEUR_NOM_ANCIENNE);
        e[4] = static_cast<char>(nom.size());
        std::copy(nom.begin(), nom.end(), e + 5);
    }
    return o;
}

void cache(const std::filesystem::path& dossier) {
    constexpr int32_t NOMBRE = 1'000'000;
    banc::PlateformeHote machine(dossier);
    std::filesystem::create_directories(machine.hote("C:\\Nocturo"));
    std::vector<std::string> repertoires;
    for (int r = 0; r < NOMBRE / 10; ++r) repertoires.push_back(nom_rep(r));
    Catalogue catalogue(std::move(repertoires));
    for (int32_t i = 0; i < NOMBRE; ++i) catalogue.ajouter_a_ligne(i / 10, "IMG_" + std::to_string(i) + ".JPG");
    const double ecriture = chronometrer([&] { ecrire_cache(catalogue, machine); });
    const int64_t octets_nouveaux = machine.taille_fichier("C:\\Nocturo\\toutes_img._nf");
    const std::string ancienne = ancienne_table(catalogue);
    catalogue = {};
    // Reads of both forms, taken in turns so that the machine's moods fall on both alike;
    // each into an empty catalogue, so that no old one is freed inside the timing.
    const std::string nouvelle = coder_table(lire_cache(machine));
    double lecture = 1e9, lecture_ancienne = 1e9;
    for (int tour = 0; tour < 5; ++tour) {
        machine.ecrire_octets("C:\\Nocturo\\toutes_img._nf", nouvelle);
        Catalogue a, b;
        lecture = std::min(lecture, chronometrer([&] { a = lire_cache(machine); }));
        machine.ecrire_octets("C:\\Nocturo\\toutes_img._nf", ancienne);
        lecture_ancienne = std::min(lecture_ancienne, chronometrer([&] { b = lire_cache(machine); }));
        catalogue = std::move(a);
    }
    machine.ecrire_octets("C:\\Nocturo\\toutes_img._nf", nouvelle);
    const double copie = chronometrer([&] {
        machine.copier_fichier("C:\\Nocturo\\toutes_img._nf", "C:\\Nocturo\\copie._nf", false);
    });
    // The same bytes through the program's memory, as any reader and writer must take them.
    const double copie_memoire = chronometrer([&] {
        std::string octets;
        machine.lire_octets("C:\\Nocturo\\toutes_img._nf", octets);
        machine.ecrire_octets("C:\\Nocturo\\copie2._nf", octets);
    });
    std::printf("cache of %d pictures, %zu directory lines:\n", catalogue.nombre(), catalogue.repertoires().size());
    std::printf("  picture table: %lld bytes (%.1f a picture), %zu in the earlier form (88 a picture)\n",
                static_cast<long long>(octets_nouveaux), static_cast<double>(octets_nouveaux) / NOMBRE,
                ancienne.size());
    std::printf("  write %.3f s   read %.3f s   read of the earlier form %.3f s   ratio %.2fx\n", ecriture, lecture,
                lecture_ancienne, lecture / lecture_ancienne);
    std::printf("  copy of the picture file: by the system %.3f s, through memory %.3f s\n", copie, copie_memoire);
    std::printf("  write / copy through memory %.2fx   read / copy through memory %.2fx\n",
                ecriture / copie_memoire, lecture / copie_memoire);
}

}  // namespace

// `scan_bench cache`: the cache's figures alone.
int main(int argc, char** argv) {
    const auto dossier = std::filesystem::temp_directory_path() /
                         ("nocturo_banc_" + std::to_string(Chrono::now().time_since_epoch().count()));
    if (argc > 1 && std::string(argv[1]) == "cache") {
        cache(dossier / "cache");
        std::filesystem::remove_all(dossier);
        return 0;
    }
    std::printf("scan, processor time, best of several runs\n");
    const Mesure sim_petit = scan_simule(20'000, 2'000);
    const Mesure sim_grand = scan_simule(200'000, 20'000);
    const Mesure memo_petit = scan_simule<ListagesMemorises>(20'000, 2'000);
    const Mesure memo_grand = scan_simule<ListagesMemorises>(200'000, 20'000);
    const Mesure reel_petit = scan_reel(dossier / "petit", 20'000, 2'000);
    const Mesure reel_grand = scan_reel(dossier / "grand", 200'000, 20'000);
    const Mesure sim_million = scan_simule(1'000'000, 100'000);
    std::printf("\n");
    afficher("simulated", sim_petit, sim_grand);
    // A sample of the largest tree is a single scan.
    std::printf("simulated, 1,000,000 files: %.0f ns/entry, %.2f s of processor time a scan\n\n",
                sim_million.ns_par_entree(), sim_million.secondes);
    afficher("scan alone", memo_petit, memo_grand);
    afficher("real disk", reel_petit, reel_grand);
    cache(dossier / "cache");
    std::filesystem::remove_all(dossier);
}
