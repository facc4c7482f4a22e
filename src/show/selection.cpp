#include "show/selection.h"

#include <algorithm>

namespace nocturo {

namespace {

// A radius below 1 still groups: the picture right after the draw.
int rayon_borne(int rayon) { return std::clamp(rayon, 1, TAILLE_DECALAGES); }

bool garde_valable(const Selection& s, const ReglagesSelection& r, const Paquet& paquet) {
    return s.garde && s.garde->nb_images == r.nb_images && s.garde->rayon == rayon_borne(r.rayon_rnd) &&
           !paquet.montree(s.garde->centre);
}

TirageGarde tirer(const Selection& s, const ReglagesSelection& r, Paquet& paquet, const Hasard& hasard,
                  const Graine& graine) {
    TirageGarde g;
    g.centre = paquet.prochain(r.nb_images, graine);
    g.decalages = s.table_decalages;
    g.rayon = rayon_borne(r.rayon_rnd);
    g.nb_images = r.nb_images;
    melanger_decalages(g.decalages, g.rayon, hasard);
    return g;
}

// The group's next member and the entry of its offset; none when the group is over.
std::optional<std::pair<int, int>> membre(const Selection& s, const ReglagesSelection& r, const Paquet& paquet) {
    if (s.compteur_tirages == 0) return std::nullopt;
    const int rayon = rayon_borne(r.rayon_rnd);
    for (int k = s.prochain_decalage; k <= rayon; ++k) {
        const int p = s.centre_tirage + s.table_decalages[static_cast<size_t>(k)];
        if (p > s.centre_tirage && p < r.nb_images && !paquet.montree(p)) return std::pair{p, k};
    }
    return std::nullopt;
}

}  // namespace

void Selection::recommencer() {
    compteur_tirages = 0;
    prochain_decalage = 1;
    table_decalages.fill(0);
}

int suivant_en_ordre(int indice, int nb_images) {
    const int suivant = indice + 1;
    return suivant >= nb_images || suivant < 0 ? 0 : suivant;
}

void melanger_decalages(Decalages& table, int rayon, const Hasard& hasard) {
    const int n = std::clamp(rayon, 0, TAILLE_DECALAGES);
    for (int k = 1; k <= n; ++k) table[static_cast<size_t>(k)] = k;
    for (int k = 0; k < n; ++k) {
        const size_t a = static_cast<size_t>(1 + hasard(n)), b = static_cast<size_t>(1 + hasard(n));
        std::swap(table[a], table[b]);
    }
}

int indice_suivant_aleatoire(Selection& s, const ReglagesSelection& r, Paquet& paquet, const Hasard& hasard,
                             const Graine& graine) {
    if (r.nb_images <= 0) return 0;
    // A fresh draw announced ahead was announced because the group was over: a cycle begun
    // since, for that draw, must not bring the group back.
    const bool annoncee = garde_valable(s, r, paquet);
    if (const auto m = annoncee ? std::nullopt : membre(s, r, paquet)) {
        s.prochain_decalage = m->second + 1;
        if (++s.compteur_tirages >= r.nb_fouille) s.compteur_tirages = 0;
        paquet.marquer(m->first);
        return m->first;
    }
    const TirageGarde g = annoncee ? *s.garde : tirer(s, r, paquet, hasard, graine);
    s.garde.reset();
    s.centre_tirage = g.centre;
    s.table_decalages = g.decalages;
    s.prochain_decalage = 1;
    s.compteur_tirages = r.nb_fouille > 1 ? 1 : 0;
    paquet.marquer(g.centre);
    return g.centre;
}

int prevoir_aleatoire(Selection& s, const ReglagesSelection& r, Paquet& paquet, const Hasard& hasard,
                      const Graine& graine) {
    if (r.nb_images <= 0) return 0;
    if (garde_valable(s, r, paquet)) return s.garde->centre;
    if (const auto m = membre(s, r, paquet)) return m->first;
    s.garde = tirer(s, r, paquet, hasard, graine);
    return s.garde->centre;
}

}  // namespace nocturo
