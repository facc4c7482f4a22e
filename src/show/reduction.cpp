#include "show/reduction.h"

#include <algorithm>
#include <cstdint>

#include "show/orientation.h"

namespace nocturo {

namespace {

constexpr uint32_t UN = 256;  // a whole pixel's weight

// For each source pixel along one axis: the output pixel it falls in and the part of it
// (out of UN) that goes there, the rest going to the next one; and each output pixel's
// total weight.
struct Axe {
    std::vector<int32_t> sortie;
    std::vector<uint32_t> poids;
    std::vector<double> inverse_total;
};

Axe axe(int source, int cible) {
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

// Weighted sums of one output row, channel by channel.
struct Ligne {
    std::vector<uint64_t> b, g, r;
    explicit Ligne(size_t n = 0) : b(n, 0), g(n, 0), r(n, 0) {}
    void ajouter(const std::vector<uint32_t>& hb, const std::vector<uint32_t>& hg, const std::vector<uint32_t>& hr,
                 uint64_t w) {
        for (size_t j = 0; j < b.size(); ++j) {
            b[j] += hb[j] * w;
            g[j] += hg[j] * w;
            r[j] += hr[j] * w;
        }
    }
    void vider() {
        std::fill(b.begin(), b.end(), 0);
        std::fill(g.begin(), g.end(), 0);
        std::fill(r.begin(), r.end(), 0);
    }
};

}  // namespace

Pixels reduire_et_tourner(const Pixels& source, int orientation, Taille cible) {
    Pixels r;
    if (source.vide() || cible.largeur <= 0 || cible.hauteur <= 0) return r;
    const bool echange = redressement(orientation, Taille{1, 1}).echange;
    // The size wanted, as stored, never above the source's.
    Taille stockee = echange ? Taille{cible.hauteur, cible.largeur} : cible;
    stockee.largeur = std::min(stockee.largeur, source.largeur);
    stockee.hauteur = std::min(stockee.hauteur, source.hauteur);
    const Redressement t = redressement(orientation, stockee);
    const Taille droite = taille_droite(orientation, stockee);
    r.largeur = droite.largeur;
    r.hauteur = droite.hauteur;
    r.bgra.assign(static_cast<size_t>(r.largeur) * static_cast<size_t>(r.hauteur), 0);

    const Axe ax = axe(source.largeur, stockee.largeur);
    const Axe ay = axe(source.hauteur, stockee.hauteur);
    const size_t tw = static_cast<size_t>(stockee.largeur);
    std::vector<uint32_t> hb(tw), hg(tw), hr(tw);
    Ligne acc[2] = {Ligne(tw), Ligne(tw)};

    // Writes output row k (as stored) at its upright place.
    const auto finir = [&](int k) {
        Ligne& l = acc[k % 2];
        const double iy = ay.inverse_total[static_cast<size_t>(k)];
        for (size_t j = 0; j < tw; ++j) {
            const double inv = ax.inverse_total[j] * iy;
            const auto canal = [inv](uint64_t somme) {
                return std::min<uint32_t>(255, static_cast<uint32_t>(static_cast<double>(somme) * inv + 0.5));
            };
            const uint32_t b = canal(l.b[j]), g = canal(l.g[j]), rr = canal(l.r[j]);
            const int sx = static_cast<int>(j), sy = k;
            // Inverse of the turn: where this stored pixel stands upright.
            const int x = t.echange ? t.ay * (sy - t.cy) : t.ax * (sx - t.cx);
            const int y = t.echange ? t.bx * (sx - t.cx) : t.by * (sy - t.cy);
            r.bgra[static_cast<size_t>(y) * static_cast<size_t>(r.largeur) + static_cast<size_t>(x)] =
                b | g << 8 | rr << 16 | 0xFF000000u;
        }
        l.vider();
    };

    int prochaine = 0;  // the lowest output row not yet written
    for (int y = 0; y < source.hauteur; ++y) {
        std::fill(hb.begin(), hb.end(), 0);
        std::fill(hg.begin(), hg.end(), 0);
        std::fill(hr.begin(), hr.end(), 0);
        const uint32_t* ligne = source.bgra.data() + static_cast<size_t>(y) * static_cast<size_t>(source.largeur);
        for (int i = 0; i < source.largeur; ++i) {
            const uint32_t p = ligne[i];
            const uint32_t b = p & 0xFF, g = (p >> 8) & 0xFF, rr = (p >> 16) & 0xFF;
            const size_t o = static_cast<size_t>(ax.sortie[static_cast<size_t>(i)]);
            const uint32_t w = ax.poids[static_cast<size_t>(i)];
            hb[o] += b * w;
            hg[o] += g * w;
            hr[o] += rr * w;
            if (w < UN) {
                hb[o + 1] += b * (UN - w);
                hg[o + 1] += g * (UN - w);
                hr[o + 1] += rr * (UN - w);
            }
        }
        const int o = ay.sortie[static_cast<size_t>(y)];
        while (prochaine < o) finir(prochaine++);
        const uint64_t w = ay.poids[static_cast<size_t>(y)];
        acc[o % 2].ajouter(hb, hg, hr, w);
        if (w < UN) acc[(o + 1) % 2].ajouter(hb, hg, hr, UN - w);
    }
    while (prochaine < stockee.hauteur) finir(prochaine++);
    return r;
}

}  // namespace nocturo
