#include "show/selection.h"

#include <algorithm>

namespace nocturo {

namespace {

int rayon_borne(int rayon) { return std::clamp(rayon, 0, TAILLE_DECALAGES); }

int decalage(const Decalages& t, int k) { return k >= 1 && k <= TAILLE_DECALAGES ? t[static_cast<size_t>(k)] : 0; }

bool garde_valable(const Selection& s, const ReglagesSelection& r) {
    return s.garde && s.garde->nb_images == r.nb_images && s.garde->rayon == rayon_borne(r.rayon_rnd);
}

TirageGarde tirer(const Selection& s, const ReglagesSelection& r, const Hasard& hasard, const Hasard& frais) {
    TirageGarde g;
    g.centre = frais ? frais(r.nb_images) : hasard(r.nb_images);
    g.decalages = s.table_decalages;
    g.rayon = rayon_borne(r.rayon_rnd);
    g.nb_images = r.nb_images;
    melanger_decalages(g.decalages, g.rayon, hasard);
    return g;
}

// The position of draw `compteur` of the group around `centre`.
int position(int compteur, int centre, const Decalages& t, const ReglagesSelection& r) {
    const int dernier = r.nb_images - 1;
    if (compteur == 0) return centre;
    if (r.rayon_rnd >= 1) return std::clamp(centre + decalage(t, compteur), 0, dernier);
    return std::min(centre + 1, dernier);
}

}  // namespace

void Selection::recommencer() {
    compteur_tirages = 0;
    table_decalages.fill(0);
}

int suivant_en_ordre(int indice, int nb_images) {
    const int suivant = indice + 1;
    return suivant >= nb_images || suivant < 0 ? 0 : suivant;
}

void melanger_decalages(Decalages& table, int rayon, const Hasard& hasard) {
    const int n = rayon_borne(rayon);
    for (int k = 1; k <= n; ++k) table[static_cast<size_t>(k)] = k;
    for (int k = 0; k < n; ++k) {
        const size_t a = static_cast<size_t>(1 + hasard(n)), b = static_cast<size_t>(1 + hasard(n));
        std::swap(table[a], table[b]);
    }
}

int indice_suivant_aleatoire(Selection& s, const ReglagesSelection& r, const Hasard& hasard, const Hasard& frais) {
    if (s.compteur_tirages == 0) {
        const TirageGarde g = garde_valable(s, r) ? *s.garde : tirer(s, r, hasard, frais);
        s.garde.reset();
        s.centre_tirage = g.centre;
        s.table_decalages = g.decalages;
    }
    const int p = position(s.compteur_tirages, s.centre_tirage, s.table_decalages, r);
    if (++s.compteur_tirages >= r.nb_fouille) s.compteur_tirages = 0;
    return p;
}

int prevoir_aleatoire(Selection& s, const ReglagesSelection& r, const Hasard& hasard, const Hasard& frais) {
    if (s.compteur_tirages != 0) return position(s.compteur_tirages, s.centre_tirage, s.table_decalages, r);
    if (!garde_valable(s, r)) s.garde = tirer(s, r, hasard, frais);
    return s.garde->centre;
}

}  // namespace nocturo
