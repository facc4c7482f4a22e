#include "show/paquet.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <iterator>
#include <string_view>
#include <sstream>

#include "util/fichiers.h"

namespace nocturo {

namespace {

// splitmix64: small, fast, and the same everywhere, which a deck kept in a file needs.
uint64_t suivant(uint64_t& x) {
    uint64_t z = (x += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// Uniform in 0 .. n - 1 without the bias of a plain modulo.
uint32_t borne_uniforme(uint64_t& x, uint32_t n) {
    const uint64_t limite = UINT64_MAX - UINT64_MAX % n;
    uint64_t v;
    do v = suivant(x);
    while (v >= limite);
    return static_cast<uint32_t>(v % n);
}

}  // namespace

std::vector<int32_t> permutation(uint64_t graine, int32_t taille) {
    std::vector<int32_t> p(static_cast<size_t>(taille > 0 ? taille : 0));
    for (size_t i = 0; i < p.size(); ++i) p[i] = static_cast<int32_t>(i);
    uint64_t x = graine;
    // Fisher-Yates from the end.
    for (size_t i = p.size(); i > 1; --i) std::swap(p[i - 1], p[borne_uniforme(x, static_cast<uint32_t>(i))]);
    return p;
}

void Paquet::nouveau_cycle(int taille, const Graine& graine) {
    etat_ = {graine(), 0, taille, std::vector<bool>(static_cast<size_t>(taille), false)};
    montrees_ = 0;
    ordre_.clear();
}

void Paquet::reprendre(const EtatPaquet& e) {
    etat_ = e;
    if (etat_.montrees.size() != static_cast<size_t>(etat_.taille)) etat_.montrees.assign(static_cast<size_t>(etat_.taille), false);
    montrees_ = static_cast<int32_t>(std::count(etat_.montrees.begin(), etat_.montrees.end(), true));
    ordre_.clear();
}

int Paquet::prochain(int taille, const Graine& graine) {
    if (taille <= 0) return 0;
    if (etat_.taille != taille || montrees_ >= taille || etat_.curseur < 0 || etat_.curseur >= taille)
        nouveau_cycle(taille, graine);
    if (ordre_.size() != static_cast<size_t>(taille)) ordre_ = permutation(etat_.graine, taille);
    // Every place before the cursor holds a picture shown: past it lies one that is not.
    while (etat_.montrees[static_cast<size_t>(ordre_[static_cast<size_t>(etat_.curseur)])]) {
        if (++etat_.curseur >= taille) {
            nouveau_cycle(taille, graine);
            ordre_ = permutation(etat_.graine, taille);
        }
    }
    return ordre_[static_cast<size_t>(etat_.curseur)];
}

bool Paquet::montree(int position) const {
    return position >= 0 && static_cast<size_t>(position) < etat_.montrees.size() &&
           etat_.montrees[static_cast<size_t>(position)];
}

void Paquet::marquer(int position) {
    if (position < 0 || static_cast<size_t>(position) >= etat_.montrees.size() || montree(position)) return;
    etat_.montrees[static_cast<size_t>(position)] = true;
    ++montrees_;
}

void Paquet::suivre(const std::vector<int32_t>& vers, int nouvelle_taille, const Graine& graine) {
    std::vector<bool> montrees(static_cast<size_t>(std::max(nouvelle_taille, 0)), false);
    for (size_t p = 0; p < vers.size() && p < etat_.montrees.size(); ++p)
        if (etat_.montrees[p] && vers[p] >= 0 && vers[p] < nouvelle_taille) montrees[static_cast<size_t>(vers[p])] = true;
    nouveau_cycle(nouvelle_taille, graine);
    etat_.montrees = std::move(montrees);
    montrees_ = static_cast<int32_t>(std::count(etat_.montrees.begin(), etat_.montrees.end(), true));
}

void Paquet::retirer(const std::vector<int32_t>& positions, int taille, const Graine& graine) {
    if (positions.empty() || etat_.taille != taille) return;
    std::vector<int32_t> vers(static_cast<size_t>(taille));
    size_t k = 0;
    int32_t q = 0;
    for (int32_t p = 0; p < taille; ++p) {
        if (k < positions.size() && positions[k] == p) {
            vers[static_cast<size_t>(p)] = -1;
            ++k;
        } else {
            vers[static_cast<size_t>(p)] = q++;
        }
    }
    suivre(vers, q, graine);
}

namespace {

constexpr std::string_view BASE64 = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

std::string en_base64(const std::vector<bool>& bits) {
    std::string r;
    r.reserve(bits.size() / 6 + 1);
    for (size_t i = 0; i < bits.size(); i += 6) {
        int v = 0;
        for (size_t b = 0; b < 6 && i + b < bits.size(); ++b) v |= bits[i + b] ? 1 << b : 0;
        r += BASE64[static_cast<size_t>(v)];
    }
    return r;
}

bool de_base64(std::string_view t, size_t n, std::vector<bool>& bits) {
    if (t.size() != (n + 5) / 6) return false;
    bits.assign(n, false);
    for (size_t i = 0; i < t.size(); ++i) {
        const size_t v = BASE64.find(t[i]);
        if (v == std::string_view::npos) return false;
        for (size_t b = 0; b < 6; ++b) {
            if (!(v >> b & 1)) continue;
            if (i * 6 + b >= n) return false;
            bits[i * 6 + b] = true;
        }
    }
    return true;
}

}  // namespace

std::string coder_paquet(const EtatPaquet& e) {
    char texte[160];
    std::snprintf(texte, sizeof texte, "graine = %" PRIu64 "\r\ncurseur = %" PRId32 "\r\ntaille = %" PRId32 "\r\n",
                  e.graine, e.curseur, e.taille);
    return texte + ("montrees = " + en_base64(e.montrees) + "\r\n");
}

bool decoder_paquet(const std::string& texte, EtatPaquet& e) {
    const std::vector<std::string> l = decouper_lignes(texte);
    EtatPaquet lu;
    unsigned long long g = 0;
    long c = 0, t = 0;
    char reste;
    if ((l.size() != 3 && l.size() != 4) || std::sscanf(l[0].c_str(), "graine = %llu%c", &g, &reste) != 1 ||
        std::sscanf(l[1].c_str(), "curseur = %ld%c", &c, &reste) != 1 ||
        std::sscanf(l[2].c_str(), "taille = %ld%c", &t, &reste) != 1 || t < 0 || t > INT32_MAX || c < 0 || c > t)
        return false;
    lu.graine = g;
    lu.curseur = static_cast<int32_t>(c);
    lu.taille = static_cast<int32_t>(t);
    const std::string montrees = "montrees = ";
    if (l.size() == 4 && l[3].compare(0, montrees.size(), montrees) == 0) {
        if (!de_base64(std::string_view(l[3]).substr(montrees.size()), static_cast<size_t>(t), lu.montrees)) return false;
        // The places before the cursor hold pictures shown.
        if (c > 0) {
            const std::vector<int32_t> ordre = permutation(lu.graine, lu.taille);
            for (long k = 0; k < c; ++k)
                if (!lu.montrees[static_cast<size_t>(ordre[static_cast<size_t>(k)])]) return false;
        }
        e = std::move(lu);
        return true;
    }
    // An earlier version's deck: the positions taken out since it was made, ascending.
    std::vector<int32_t> retirees;
    if (l.size() == 4) {
        const std::string entete = "retirees =";
        if (l[3].compare(0, entete.size(), entete) != 0) return false;
        std::istringstream nombres(l[3].substr(entete.size()));
        long long p = 0;
        while (nombres >> p) {
            if (p < 0 || p >= t || (!retirees.empty() && p <= retirees.back())) return false;
            retirees.push_back(static_cast<int32_t>(p));
        }
        if (!nombres.eof() || retirees.empty()) return false;
    }
    // Its drawn positions are shown, counted as the catalogue counts them now.
    std::vector<bool> montrees_avant(static_cast<size_t>(t), false);
    const std::vector<int32_t> ordre = permutation(lu.graine, lu.taille);
    for (long k = 0; k < c; ++k) montrees_avant[static_cast<size_t>(ordre[static_cast<size_t>(k)])] = true;
    lu.montrees.clear();
    for (int32_t p = 0, k = 0; p < lu.taille; ++p) {
        if (static_cast<size_t>(k) < retirees.size() && retirees[static_cast<size_t>(k)] == p) {
            ++k;
            continue;
        }
        lu.montrees.push_back(montrees_avant[static_cast<size_t>(p)]);
    }
    lu.taille = static_cast<int32_t>(lu.montrees.size());
    lu.curseur = 0;
    e = std::move(lu);
    return true;
}

}  // namespace nocturo
