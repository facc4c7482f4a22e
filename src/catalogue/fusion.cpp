#include "catalogue/fusion.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

#include "util/texte.h"

namespace nocturo {

namespace {

// FNV-1a over the name, started from the directory's line.
uint64_t cle(int32_t ligne, std::string_view nom) {
    uint64_t h = 0xCBF29CE484222325ull ^ static_cast<uint64_t>(static_cast<uint32_t>(ligne)) * 0x9E3779B97F4A7C15ull;
    for (const char c : nom) h = (h ^ static_cast<unsigned char>(c)) * 0x100000001B3ull;
    return h;
}

}  // namespace

std::vector<int32_t> correspondance(const Catalogue& ancien, const Catalogue& nouveau) {
    std::vector<int32_t> vers(static_cast<size_t>(ancien.nombre()), -1);
    // Directory lines by their text: the first line of a text, as the catalogue's own search.
    std::unordered_map<std::string_view, int32_t> lignes;
    lignes.reserve(nouveau.repertoires().size());
    for (size_t l = 0; l < nouveau.repertoires().size(); ++l) lignes.emplace(nouveau.repertoires()[l], static_cast<int32_t>(l));
    std::vector<int32_t> ligne_vers(ancien.repertoires().size(), -1);
    for (size_t l = 0; l < ancien.repertoires().size(); ++l)
        if (auto t = lignes.find(ancien.repertoires()[l]); t != lignes.end()) ligne_vers[l] = t->second;
    // The new pictures sorted by key: each old one found by a search, its name then compared.
    std::vector<std::pair<uint64_t, int32_t>> cles(static_cast<size_t>(nouveau.nombre()));
    for (int32_t j = 0; j < nouveau.nombre(); ++j) cles[static_cast<size_t>(j)] = {cle(nouveau.indice_rep(j), nouveau.nom(j)), j};
    std::sort(cles.begin(), cles.end());
    std::vector<bool> pris(static_cast<size_t>(nouveau.nombre()), false);
    for (int32_t i = 0; i < ancien.nombre(); ++i) {
        const int32_t l = ancien.indice_rep(i);
        if (l < 0 || static_cast<size_t>(l) >= ligne_vers.size() || ligne_vers[static_cast<size_t>(l)] < 0) continue;
        const int32_t nl = ligne_vers[static_cast<size_t>(l)];
        const uint64_t k = cle(nl, ancien.nom(i));
        for (auto c = std::lower_bound(cles.begin(), cles.end(), std::pair<uint64_t, int32_t>{k, INT32_MIN});
             c != cles.end() && c->first == k; ++c) {
            const int32_t j = c->second;
            if (pris[static_cast<size_t>(j)] || nouveau.indice_rep(j) != nl || nouveau.nom(j) != ancien.nom(i)) continue;
            pris[static_cast<size_t>(j)] = true;
            vers[static_cast<size_t>(i)] = j;
            break;
        }
    }
    return vers;
}

bool sous_repertoire(const std::string& chemin, const std::string& repertoire) {
    if (repertoire.empty()) return false;
    const std::string r = majuscules(repertoire), c = majuscules(chemin);
    if (c.size() < r.size() || c.compare(0, r.size(), r) != 0) return false;
    return c.size() == r.size() || r.back() == '\\' || c[r.size()] == '\\';
}

Catalogue garder_absentes(const Catalogue& ancien, Catalogue nouveau, const std::vector<std::string>& absentes) {
    if (absentes.empty()) return nouveau;
    std::vector<char> garder(ancien.repertoires().size(), 0);
    for (size_t l = 0; l < garder.size(); ++l)
        garder[l] = std::any_of(absentes.begin(), absentes.end(),
                                [&](const std::string& r) { return sous_repertoire(ancien.repertoires()[l], r); });
    for (int32_t i = 0; i < ancien.nombre(); ++i) {
        const int32_t l = ancien.indice_rep(i);
        if (l >= 0 && static_cast<size_t>(l) < garder.size() && garder[static_cast<size_t>(l)])
            nouveau.ajouter(ancien.repertoires()[static_cast<size_t>(l)], ancien.nom(i));
    }
    return nouveau;
}

}  // namespace nocturo
