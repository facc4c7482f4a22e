#include "show/reduction.h"

#include <algorithm>
#include <cstdint>

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
    a.inverse_fixe.resize(static_cast<size_t>(cible));
    for (size_t j = 0; j < total.size(); ++j)
        a.inverse_fixe[j] = total[j] ? ((uint64_t{1} << 39) + total[j] / 2) / total[j] : 0;
    a.total_max = *std::max_element(total.begin(), total.end());
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
    if (tour_.echange) bloc_.assign(static_cast<size_t>(BLOC) * static_cast<size_t>(stockee_.largeur), 0);
    if (identite_) return;
    ax_ = axe(source.largeur, stockee_.largeur);
    ay_ = axe(source.hauteur, stockee_.hauteur);
    const size_t tw = static_cast<size_t>(stockee_.largeur);
    hb_.assign(tw, 0);
    hg_.assign(tw, 0);
    hr_.assign(tw, 0);
    trois_en_un_ = 255 * ax_.total_max < (uint64_t{1} << 21);
    if (trois_en_un_) {
        trois_.assign(tw, 0);
        premier_.assign(tw + 1, source.largeur);
        for (int i = source.largeur; i-- > 0;) premier_[static_cast<size_t>(ax_.sortie[static_cast<size_t>(i)])] = i;
        for (size_t j = tw; j-- > 0;) premier_[j] = std::min(premier_[j], premier_[j + 1]);
    }
    sommes_32_ = 255 * ax_.total_max * ay_.total_max <= UINT32_MAX;
    for (int l = 0; l < 2; ++l)
        for (int c = 0; c < 3; ++c) {
            if (sommes_32_)
                somme32_[l][c].assign(tw, 0);
            else
                somme_[l][c].assign(tw, 0);
        }
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
template <class S>
void Reduction::ecrire(std::vector<S> (&l)[3], int k) {
    ptrdiff_t pas;
    uint32_t* d = destination(k, pas);
    const S *sb = l[0].data(), *sg = l[1].data(), *sr = l[2].data();
    if constexpr (sizeof(S) == 4) {
        // Sums of 32 bits: the mean in integers, one over the weight in 48 bits of fraction.
        const uint64_t fy = ay_.inverse_fixe[static_cast<size_t>(k)];
        const uint64_t* fx = ax_.inverse_fixe.data();
        for (size_t j = 0; j < hb_.size(); ++j, d += pas) {
            const uint64_t f = fx[j] * fy >> 30;
            const auto canal = [f](S somme) {
                return std::min<uint32_t>(255, static_cast<uint32_t>((somme * f + (uint64_t{1} << 47)) >> 48));
            };
            *d = canal(sb[j]) | canal(sg[j]) << 8 | canal(sr[j]) << 16 | 0xFF000000u;
        }
    } else {
        const double iy = ay_.inverse_total[static_cast<size_t>(k)];
        for (size_t j = 0; j < hb_.size(); ++j, d += pas) {
            const double inv = ax_.inverse_total[j] * iy;
            const auto canal = [inv](S somme) {
                return std::min<uint32_t>(255, static_cast<uint32_t>(static_cast<double>(somme) * inv + 0.5));
            };
            *d = canal(sb[j]) | canal(sg[j]) << 8 | canal(sr[j]) << 16 | 0xFF000000u;
        }
    }
    ecrite(k);
    for (auto& canal : l) std::fill(canal.begin(), canal.end(), 0);
}

uint32_t* Reduction::destination(int k, ptrdiff_t& pas) {
    if (!tour_.echange) {
        size_t debut;
        place(k, debut, pas);
        return sortie_.bgra.data() + debut;
    }
    if (bloc_lignes_ == 0) bloc_debut_ = k;
    pas = 1;
    return bloc_.data() + static_cast<size_t>(k - bloc_debut_) * static_cast<size_t>(stockee_.largeur);
}

void Reduction::ecrite(int k) {
    if (tour_.echange && (++bloc_lignes_ == BLOC || k == stockee_.hauteur - 1)) vider_bloc();
}

void Reduction::vider_bloc() {
    size_t debut[BLOC];
    ptrdiff_t pas = 0;
    for (int r = 0; r < bloc_lignes_; ++r) place(bloc_debut_ + r, debut[r], pas);
    const size_t l = static_cast<size_t>(stockee_.largeur);
    uint32_t* sortie = sortie_.bgra.data();
    // Stored column j is an output row: the block's rows stand side by side there.
    for (size_t j = 0; j < l; ++j) {
        const ptrdiff_t decalage = static_cast<ptrdiff_t>(j) * pas;
        for (int r = 0; r < bloc_lignes_; ++r)
            sortie[static_cast<ptrdiff_t>(debut[r]) + decalage] = bloc_[static_cast<size_t>(r) * l + j];
    }
    bloc_lignes_ = 0;
}

void Reduction::ecrire_ligne(int k) {
    if (sommes_32_)
        ecrire(somme32_[k % 2], k);
    else
        ecrire(somme_[k % 2], k);
}

template <class S>
void Reduction::accumuler(std::vector<S> (&somme)[3], uint32_t poids) {
    S *sb = somme[0].data(), *sg = somme[1].data(), *sr = somme[2].data();
    const uint32_t *hb = hb_.data(), *hg = hg_.data(), *hr = hr_.data();
    const S w = poids;
    for (size_t j = 0; j < hb_.size(); ++j) {
        sb[j] += hb[j] * w;
        sg[j] += hg[j] * w;
        sr[j] += hr[j] * w;
    }
}

template <int OCTETS>
void Reduction::ajouter_lignes(const uint8_t* lignes, int n, size_t pas) {
    for (int k = 0; k < n && ligne_source_ < source_.hauteur; ++k, ++ligne_source_) {
        const uint8_t* ligne = lignes + static_cast<size_t>(k) * pas;
        if (identite_) {
            // Same size: each pixel only moves to its upright place.
            ptrdiff_t saut;
            uint32_t* d = destination(ligne_source_, saut);
            for (int i = 0; i < source_.largeur; ++i, d += saut, ligne += OCTETS)
                *d = uint32_t{ligne[0]} | uint32_t{ligne[1]} << 8 | uint32_t{ligne[2]} << 16 | 0xFF000000u;
            ecrite(ligne_source_);
            continue;
        }
        const int32_t* sortie = ax_.sortie.data();
        const uint32_t* poids = ax_.poids.data();
        uint32_t *hb = hb_.data(), *hg = hg_.data(), *hr = hr_.data();
        if (trois_en_un_) {
            // Output pixel by output pixel, its sum in a register: the source pixels of one
            // follow each other, the last of them may give the rest of itself to the next.
            uint64_t* t = trois_.data();
            const int32_t* premier = premier_.data();
            uint64_t report = 0;
            for (size_t j = 0; j < trois_.size(); ++j) {
                uint64_t somme = report;
                report = 0;
                for (int i = premier[j]; i < premier[j + 1]; ++i) {
                    const uint8_t* q = ligne + static_cast<size_t>(i) * OCTETS;
                    const uint64_t p = uint64_t{q[0]} | uint64_t{q[1]} << 21 | uint64_t{q[2]} << 42;
                    const uint64_t w = poids[i];
                    somme += p * w;
                    report = p * (UN - w);
                }
                t[j] = somme;
            }
            constexpr uint64_t MASQUE = (uint64_t{1} << 21) - 1;
            for (size_t j = 0; j < hb_.size(); ++j) {
                hb[j] = static_cast<uint32_t>(t[j] & MASQUE);
                hg[j] = static_cast<uint32_t>(t[j] >> 21 & MASQUE);
                hr[j] = static_cast<uint32_t>(t[j] >> 42);
            }
        } else {
            std::fill(hb_.begin(), hb_.end(), 0);
            std::fill(hg_.begin(), hg_.end(), 0);
            std::fill(hr_.begin(), hr_.end(), 0);
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
        }
        const int o = ay_.sortie[static_cast<size_t>(ligne_source_)];
        while (prochaine_ < o) ecrire_ligne(prochaine_++);
        const uint32_t w = ay_.poids[static_cast<size_t>(ligne_source_)];
        if (sommes_32_) {
            accumuler(somme32_[o % 2], w);
            if (w < UN) accumuler(somme32_[(o + 1) % 2], UN - w);
        } else {
            accumuler(somme_[o % 2], w);
            if (w < UN) accumuler(somme_[(o + 1) % 2], UN - w);
        }
    }
}

void Reduction::ajouter(const uint32_t* lignes, int n, size_t pas) {
    ajouter_lignes<4>(reinterpret_cast<const uint8_t*>(lignes), n, pas * sizeof(uint32_t));
}

void Reduction::ajouter_24(const uint8_t* lignes, int n, size_t pas) { ajouter_lignes<3>(lignes, n, pas); }

Pixels Reduction::finir() {
    if (!sortie_.vide() && !identite_)
        while (prochaine_ < stockee_.hauteur) ecrire_ligne(prochaine_++);
    if (bloc_lignes_ > 0) vider_bloc();  // rows never given: the block stops short
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
