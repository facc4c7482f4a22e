#include "show/paquet.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <iterator>
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

void Paquet::battre() { ordre_ = permutation(etat_.graine, etat_.taille); }

void Paquet::reprendre(const EtatPaquet& e) {
    etat_ = e;
    ordre_.clear();
}

int Paquet::tirer(int taille, const std::function<uint64_t()>& hasard) {
    if (taille <= 0) return 0;
    if (etat_.restantes() != taille || etat_.curseur < 0) etat_.curseur = etat_.taille;
    while (true) {
        if (etat_.curseur >= etat_.taille) {
            etat_ = {hasard(), 0, taille, {}};
            ordre_.clear();
        }
        if (ordre_.size() != static_cast<size_t>(etat_.taille)) battre();
        const int32_t p = ordre_[static_cast<size_t>(etat_.curseur++)];
        const auto& r = etat_.retirees;
        const auto avant = std::lower_bound(r.begin(), r.end(), p);
        if (avant != r.end() && *avant == p) continue;  // no longer in the catalogue
        return p - static_cast<int32_t>(avant - r.begin());
    }
}

void Paquet::retirer(const std::vector<int32_t>& positions, int taille) {
    if (positions.empty() || etat_.taille <= 0 || etat_.restantes() != taille) return;
    // The catalogue's position q is the q-th of the deck's positions still in it.
    std::vector<int32_t> nouvelles;
    const std::vector<int32_t>& r = etat_.retirees;
    size_t k = 0, a = 0;
    for (int32_t p = 0, q = 0; p < etat_.taille && a < positions.size(); ++p) {
        if (k < r.size() && r[k] == p) {
            ++k;
            continue;
        }
        if (q++ == positions[a]) {
            nouvelles.push_back(p);
            ++a;
        }
    }
    std::vector<int32_t> toutes;
    std::merge(r.begin(), r.end(), nouvelles.begin(), nouvelles.end(), std::back_inserter(toutes));
    etat_.retirees = std::move(toutes);
}

std::string coder_paquet(const EtatPaquet& e) {
    char texte[160];
    std::snprintf(texte, sizeof texte, "graine = %" PRIu64 "\r\ncurseur = %" PRId32 "\r\ntaille = %" PRId32 "\r\n",
                  e.graine, e.curseur, e.taille);
    std::string r = texte;
    if (!e.retirees.empty()) {
        r += "retirees =";
        for (int32_t p : e.retirees) r += " " + std::to_string(p);
        r += "\r\n";
    }
    return r;
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
    if (l.size() == 4) {
        // Ascending positions of the deck's catalogue, each once.
        const std::string entete = "retirees =";
        if (l[3].compare(0, entete.size(), entete) != 0) return false;
        std::istringstream nombres(l[3].substr(entete.size()));
        long long p = 0;
        while (nombres >> p) {
            if (p < 0 || p >= t || (!lu.retirees.empty() && p <= lu.retirees.back())) return false;
            lu.retirees.push_back(static_cast<int32_t>(p));
        }
        if (!nombres.eof() || lu.retirees.empty()) return false;
    }
    e = lu;
    return true;
}

}  // namespace nocturo
