// A day of slideshow on the simulated machine's clock: a catalogue of 100,000 pictures, a
// key every few minutes. The memory in use stays flat once the history's ring is full, the
// stack does not grow, and the history file keeps the newest 300 pictures in their order.
#include <gtest/gtest.h>

#include "catalogue/cache.h"

#include <malloc.h>

#include <cstdio>
#include <deque>

#include "sim/images_simulees.h"
#include "sim/scenario.h"
#include "util/fichiers.h"

#if defined(__SANITIZE_ADDRESS__)
// GCC ships no header for it; the runtime has it.
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace nocturo::test {
namespace {

// Bytes the program holds from the allocator right now.
size_t memoire_en_usage() {
#if defined(__SANITIZE_ADDRESS__)
    return __sanitizer_get_current_allocated_bytes();
#else
    return mallinfo2().uordblks;
#endif
}

constexpr int NOMBRE = 100000;
constexpr double HEURE = 3600e3;

TEST(Endurance, UneJourneeDeDiaporama) {
    Scenario s;
    PlateformeSimulee& m = s.machine;
    Tdiapo& d = *s.diapo;
    m.limite_ms = 25 * HEURE;
    Catalogue c;
    for (int i = 0; i < NOMBRE; ++i) {
        const std::string nom = std::to_string(i) + ".jpg";
        const std::string rep = "C:\\Photos\\r" + std::to_string(i / 100);
        m.creer_fichier(rep + "\\" + nom, jpeg_simule(48, 32, 0, static_cast<uint32_t>(i)));
        c.ajouter(rep, nom);
    }
    ecrire_lignes(m, FICHIER_REPERTOIRES, {"C:\\Photos"});
    ecrire_lignes(m, FICHIER_HISTORIQUE, {"C:\\Photos\\r0\\0.jpg"});
    ecrire_lignes(m, FICHIER_PARAMETRES, {"Rdg1.ItemIndex = 2", "dt2_a = 500", "dt2_b = 500"});
    ecrire_cache(c, m);

    // Every few minutes a key: a new picture now, a pause with steps back and forth, a resume.
    const int sequence[] = {VK_DROITE, VK_ESPACE, VK_GAUCHE, VK_GAUCHE, VK_DROITE, VK_ESPACE, VK_DROITE};
    int k = 0;
    for (double t = 2000; t < 24 * HEURE; t += 170e3 + 13e3 * (k % 5)) m.touche_a(t, sequence[k++ % 7]);
    m.touche_a(24 * HEURE, VK_ECHAP);

    // The new pictures in the order shown, as the history list receives them.
    std::deque<std::string> montrees;
    d.forme.sur_modification = [&](Controle* ctl) {
        if (ctl != &d.ListBox_passee) return;
        montrees.push_back(d.image_courante);
        if (montrees.size() > 300) montrees.pop_front();
    };
    uintptr_t pile_haut = 0, pile_bas = UINTPTR_MAX;
    const auto mesurer_pile = [&] {
        const char repere = 0;
        const auto a = reinterpret_cast<uintptr_t>(&repere);
        pile_haut = std::max(pile_haut, a);
        pile_bas = std::min(pile_bas, a);
    };
    std::vector<size_t> memoire;  // at each hour
    double prochaine_heure = HEURE;
    m.sur_touche = [&](int touche) {
        mesurer_pile();
        d.touche_relachee(touche);
    };
    m.sur_minuterie = [&] {
        mesurer_pile();
        if (m.ms >= prochaine_heure) {
            m.oublier_traces();
            memoire.push_back(memoire_en_usage());
            prochaine_heure += HEURE;
        }
        d.tic_minuterie();
    };
    d.sauver_en_quittant = true;
    EXPECT_EQ(s.demarrer(), 1);

    ASSERT_GE(memoire.size(), 23u);
    // The ring fills in about nine hours; from then on nothing grows.
    const auto [bas, haut] = std::minmax_element(memoire.begin() + 10, memoire.end());
    std::printf("memory in use, hours 11 to 24: %zu to %zu bytes; stack spread %zu bytes\n", *bas, *haut,
                static_cast<size_t>(pile_haut - pile_bas));
    EXPECT_LT(*haut - *bas, 4u << 20) << "from " << *bas << " to " << *haut << " bytes";
    EXPECT_LT(pile_haut - pile_bas, 64u * 1024u);
    EXPECT_EQ(d.historique.lignes.size(), static_cast<size_t>(CAPACITE_HISTORIQUE));
    const std::vector<std::string> sauvees = decouper_lignes(m.contenu(FICHIER_HISTORIQUE));
    EXPECT_EQ(sauvees, std::vector<std::string>(montrees.begin(), montrees.end()));
}

}  // namespace
}  // namespace nocturo::test
