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
    sortie_.bgra.assign(static_cast<size_t>(droite.largeur) * static_cast<size_t>(droite.hauteur), 0xFF000000u);
    identite_ = stockee_ == source;
    if (identite_) return;
    ax_ = axe(source.largeur, stockee_.largeur);
    ay_ = axe(source.hauteur, stockee_.hauteur);
    const size_t tw = static_cast<size_t>(stockee_.largeur);
    hb_.assign(tw, 0);
    hg_.assign(tw, 0);
    hr_.assign(tw, 0);
    for (auto& ligne : somme_)
        for (auto& canal : ligne) canal.assign(tw, 0);
}

void Reduction::place(int y, size_t& debut, ptrdiff_t& pas) const {
    const Redressement& t = tour_;
    // Inverse of the turn: where a stored pixel stands upright.
    const auto index = [&](int sx) {
        const int x = t.echange ? t.ay * (y - t.cy) : t.ax * (sx - t.cx);
        const int yy = t.echange ? t.bx * (sx - t.cx) : t.by * (y - t.cy);
        return static_cast<ptrdiff_t>(yy) * sortie_.largeur + x;
    };
    debut = static_cast<size_t>(index(0));
    pas = index(1) - index(0);
}

// Writes output row k (as stored) at its upright place.
void Reduction::ecrire_ligne(int k) {
    auto& l = somme_[k % 2];
    const double iy = ay_.inverse_total[static_cast<size_t>(k)];
    size_t debut;
    ptrdiff_t pas;
    place(k, debut, pas);
    uint32_t* d = sortie_.bgra.data() + debut;
    for (size_t j = 0; j < hb_.size(); ++j, d += pas) {
        const double inv = ax_.inverse_total[j] * iy;
        const auto canal = [inv](uint64_t somme) {
            return std::min<uint32_t>(255, static_cast<uint32_t>(static_cast<double>(somme) * inv + 0.5));
        };
        *d = canal(l[0][j]) | canal(l[1][j]) << 8 | canal(l[2][j]) << 16 | 0xFF000000u;
    }
    for (auto& canal : l) std::fill(canal.begin(), canal.end(), 0);
}

template <int OCTETS>
void Reduction::ajouter_lignes(const uint8_t* lignes, int n, size_t pas) {
    for (int k = 0; k < n && ligne_source_ < source_.hauteur; ++k, ++ligne_source_) {
        const uint8_t* ligne = lignes + static_cast<size_t>(k) * pas;
        if (identite_) {
            // Same size: each pixel only moves to its upright place.
            size_t debut;
            ptrdiff_t saut;
            place(ligne_source_, debut, saut);
            uint32_t* d = sortie_.bgra.data() + debut;
            for (int i = 0; i < source_.largeur; ++i, d += saut, ligne += OCTETS)
                *d = uint32_t{ligne[0]} | uint32_t{ligne[1]} << 8 | uint32_t{ligne[2]} << 16 | 0xFF000000u;
            continue;
        }
        std::fill(hb_.begin(), hb_.end(), 0);
        std::fill(hg_.begin(), hg_.end(), 0);
        std::fill(hr_.begin(), hr_.end(), 0);
        const int32_t* sortie = ax_.sortie.data();
        const uint32_t* poids = ax_.poids.data();
        uint32_t *hb = hb_.data(), *hg = hg_.data(), *hr = hr_.data();
        for (int i = 0; i < source_.largeur; ++i, ligne += OCTETS) {
            const uint32_t b = ligne[0], g = ligne[1], r = ligne[2];
            const size_t o = static_cast<size_t>(sortie[i]);
            const uint32_t w = poids[i];
            hb[o] += b * w;
            hg[o] += g * w;
            hr[o] += r * w;
            if (w < UN) {
                hb[o + 1] += b * (UN - w);
                hg[o + 1] += g * (UN - w);
                hr[o + 1] += r * (UN - w);
            }
        }
        const int o = ay_.sortie[static_cast<size_t>(ligne_source_)];
        while (prochaine_ < o) ecrire_ligne(prochaine_++);
        const uint64_t w = ay_.poids[static_cast<size_t>(ligne_source_)];
        const auto ajouter_ligne = [this](std::vector<uint64_t> (&somme)[3], uint64_t poids_ligne) {
            uint64_t *sb = somme[0].data(), *sg = somme[1].data(), *sr = somme[2].data();
            for (size_t j = 0; j < hb_.size(); ++j) {
                sb[j] += hb_[j] * poids_ligne;
                sg[j] += hg_[j] * poids_ligne;
                sr[j] += hr_[j] * poids_ligne;
            }
        };
        ajouter_ligne(somme_[o % 2], w);
        if (w < UN) ajouter_ligne(somme_[(o + 1) % 2], UN - w);
    }
}

void Reduction::ajouter(const uint32_t* lignes, int n, size_t pas) {
    ajouter_lignes<4>(reinterpret_cast<const uint8_t*>(lignes), n, pas * sizeof(uint32_t));
}

void Reduction::ajouter_24(const uint8_t* lignes, int n, size_t pas) { ajouter_lignes<3>(lignes, n, pas); }

Pixels Reduction::finir() {
    if (!sortie_.vide() && !identite_)
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
