#include "show/reduction.h"

#include <algorithm>

namespace nocturo {

namespace {

constexpr uint32_t UN = 256;  // a whole pixel's weight

}  // namespace

Reduction::Axe Reduction::axe(int source, int cible) {
    Axe a;
    a.sortie.resize(static_cast<size_t>(source));
    a.poids.resize(static_cast<size_t>(source));
    std::vector<uint64_t> total(static_cast<size_t>(cible), 0);
    const int64_t s = source, c = cible;
    for (int64_t i = 0; i < s; ++i) {
        // Source pixel i covers [i c, (i + 1) c) in output units times s.
        int64_t o = i * c / s;
        uint32_t w = UN;
        if ((i + 1) * c > (o + 1) * s) {
            const int64_t dedans = (o + 1) * s - i * c;  // out of c
            w = static_cast<uint32_t>((dedans * UN + c / 2) / c);
            if (w == 0) {
                ++o;
                w = UN;
            }
        }
        if (o >= c) o = c - 1;  // rounding at the far edge
        a.sortie[static_cast<size_t>(i)] = static_cast<int32_t>(o);
        a.poids[static_cast<size_t>(i)] = w;
        total[static_cast<size_t>(o)] += w;
        if (w < UN) total[static_cast<size_t>(o) + 1] += UN - w;
    }
    a.inverse_total.resize(static_cast<size_t>(cible));
    for (size_t j = 0; j < total.size(); ++j) a.inverse_total[j] = total[j] ? 1.0 / static_cast<double>(total[j]) : 0;
    return a;
}

Reduction::Reduction(Taille source, int orientation, Taille cible, Pixels tampon)
    : source_(source), sortie_(std::move(tampon)) {
    sortie_.largeur = sortie_.hauteur = 0;
    if (source.largeur <= 0 || source.hauteur <= 0 || cible.largeur <= 0 || cible.hauteur <= 0) {
        sortie_.bgra.clear();
        source_ = {};
        return;
    }
    const bool echange = redressement(orientation, Taille{1, 1}).echange;
    // The size wanted, as stored, never above the source's.
    stockee_ = echange ? Taille{cible.hauteur, cible.largeur} : cible;
    stockee_.largeur = std::min(stockee_.largeur, source.largeur);
    stockee_.hauteur = std::min(stockee_.hauteur, source.hauteur);
    tour_ = redressement(orientation, stockee_);
    const Taille droite = taille_droite(orientation, stockee_);
    sortie_.largeur = droite.largeur;
    sortie_.hauteur = droite.hauteur;
    sortie_.bgra.assign(static_cast<size_t>(droite.largeur) * static_cast<size_t>(droite.hauteur), 0);
    ax_ = axe(source.largeur, stockee_.largeur);
    ay_ = axe(source.hauteur, stockee_.hauteur);
    const size_t tw = static_cast<size_t>(stockee_.largeur);
    hb_.assign(tw, 0);
    hg_.assign(tw, 0);
    hr_.assign(tw, 0);
    for (auto& ligne : somme_)
        for (auto& canal : ligne) canal.assign(tw, 0);
}

// Writes output row k (as stored) at its upright place.
void Reduction::ecrire_ligne(int k) {
    const Redressement& t = tour_;
    auto& l = somme_[k % 2];
    const double iy = ay_.inverse_total[static_cast<size_t>(k)];
    for (size_t j = 0; j < hb_.size(); ++j) {
        const double inv = ax_.inverse_total[j] * iy;
        const auto canal = [inv](uint64_t somme) {
            return std::min<uint32_t>(255, static_cast<uint32_t>(static_cast<double>(somme) * inv + 0.5));
        };
        const uint32_t b = canal(l[0][j]), g = canal(l[1][j]), r = canal(l[2][j]);
        const int sx = static_cast<int>(j), sy = k;
        // Inverse of the turn: where this stored pixel stands upright.
        const int x = t.echange ? t.ay * (sy - t.cy) : t.ax * (sx - t.cx);
        const int y = t.echange ? t.bx * (sx - t.cx) : t.by * (sy - t.cy);
        sortie_.bgra[static_cast<size_t>(y) * static_cast<size_t>(sortie_.largeur) + static_cast<size_t>(x)] =
            b | g << 8 | r << 16 | 0xFF000000u;
    }
    for (auto& canal : l) std::fill(canal.begin(), canal.end(), 0);
}

void Reduction::ajouter(const uint32_t* lignes, int n, size_t pas) {
    for (int k = 0; k < n && ligne_source_ < source_.hauteur; ++k, ++ligne_source_) {
        std::fill(hb_.begin(), hb_.end(), 0);
        std::fill(hg_.begin(), hg_.end(), 0);
        std::fill(hr_.begin(), hr_.end(), 0);
        const uint32_t* ligne = lignes + static_cast<size_t>(k) * pas;
        for (int i = 0; i < source_.largeur; ++i) {
            const uint32_t p = ligne[i];
            const uint32_t b = p & 0xFF, g = (p >> 8) & 0xFF, r = (p >> 16) & 0xFF;
            const size_t o = static_cast<size_t>(ax_.sortie[static_cast<size_t>(i)]);
            const uint32_t w = ax_.poids[static_cast<size_t>(i)];
            hb_[o] += b * w;
            hg_[o] += g * w;
            hr_[o] += r * w;
            if (w < UN) {
                hb_[o + 1] += b * (UN - w);
                hg_[o + 1] += g * (UN - w);
                hr_[o + 1] += r * (UN - w);
            }
        }
        const int o = ay_.sortie[static_cast<size_t>(ligne_source_)];
        while (prochaine_ < o) ecrire_ligne(prochaine_++);
        const uint64_t w = ay_.poids[static_cast<size_t>(ligne_source_)];
        const auto ajouter_ligne = [this](std::vector<uint64_t> (&somme)[3], uint64_t poids) {
            for (size_t j = 0; j < hb_.size(); ++j) {
                somme[0][j] += hb_[j] * poids;
                somme[1][j] += hg_[j] * poids;
                somme[2][j] += hr_[j] * poids;
            }
        };
        ajouter_ligne(somme_[o % 2], w);
        if (w < UN) ajouter_ligne(somme_[(o + 1) % 2], UN - w);
    }
}

Pixels Reduction::finir() {
    if (!sortie_.vide())
        while (prochaine_ < stockee_.hauteur) ecrire_ligne(prochaine_++);
    return std::move(sortie_);
}

Pixels reduire_et_tourner(const Pixels& source, int orientation, Taille cible) {
    if (source.bgra.size() != static_cast<size_t>(std::max(source.largeur, 0)) * static_cast<size_t>(std::max(source.hauteur, 0)))
        return {};
    Reduction r({source.largeur, source.hauteur}, orientation, cible);
    r.ajouter(source.bgra.data(), source.hauteur, static_cast<size_t>(source.largeur));
    return r.finir();
}

}  // namespace nocturo
