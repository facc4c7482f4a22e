#include "catalogue/detecteur.h"

#include <algorithm>
#include <map>

namespace nocturo {

DetecteurMotifs::DetecteurMotifs(const std::vector<const std::vector<std::string>*>& listes) {
    // The trie, with its arcs in maps while it grows.
    std::vector<std::map<unsigned char, int32_t>> enfants(1);
    std::vector<bool> terminal(1, false);
    for (const auto* liste : listes)
        for (const std::string& motif : *liste) {
            if (motif.empty()) continue;
            int32_t n = 0;
            for (const char ch : motif) {
                const auto c = static_cast<unsigned char>(ch);
                auto it = enfants[static_cast<size_t>(n)].find(c);
                if (it == enfants[static_cast<size_t>(n)].end()) {
                    const auto nouveau = static_cast<int32_t>(enfants.size());
                    enfants[static_cast<size_t>(n)][c] = nouveau;
                    enfants.emplace_back();
                    terminal.push_back(false);
                    n = nouveau;
                } else {
                    n = it->second;
                }
            }
            terminal[static_cast<size_t>(n)] = true;
        }
    // Flattened: each node's arcs side by side, sorted.
    noeuds_.resize(enfants.size());
    for (size_t n = 0; n < enfants.size(); ++n) {
        noeuds_[n].premier_arc = static_cast<uint32_t>(arcs_.size());
        noeuds_[n].nb_arcs = static_cast<uint32_t>(enfants[n].size());
        noeuds_[n].sortie = terminal[n];
        for (const auto& [c, vers] : enfants[n]) arcs_.push_back({c, vers});
    }
    enfants.clear();
    depuis_racine_.assign(256, -1);
    for (uint32_t a = 0; a < noeuds_[0].nb_arcs; ++a) depuis_racine_[arcs_[a].c] = arcs_[a].vers;
    // Failure links, breadth first.
    std::vector<int32_t> file;
    for (uint32_t a = 0; a < noeuds_[0].nb_arcs; ++a) file.push_back(arcs_[a].vers);
    for (size_t i = 0; i < file.size(); ++i) {
        const int32_t n = file[i];
        const Noeud& noeud = noeuds_[static_cast<size_t>(n)];
        for (uint32_t a = noeud.premier_arc; a < noeud.premier_arc + noeud.nb_arcs; ++a) {
            const int32_t v = arcs_[a].vers;
            int32_t e = noeud.echec;
            int32_t cible;
            while ((cible = fils(e, arcs_[a].c)) < 0 && e != 0) e = noeuds_[static_cast<size_t>(e)].echec;
            if (cible < 0 || cible == v) cible = 0;
            noeuds_[static_cast<size_t>(v)].echec = cible;
            noeuds_[static_cast<size_t>(v)].sortie = noeuds_[static_cast<size_t>(v)].sortie ||
                                                     noeuds_[static_cast<size_t>(cible)].sortie;
            file.push_back(v);
        }
    }
}

int32_t DetecteurMotifs::fils(int32_t n, unsigned char c) const {
    if (n == 0) return depuis_racine_[c];
    const Noeud& noeud = noeuds_[static_cast<size_t>(n)];
    const Arc* debut = arcs_.data() + noeud.premier_arc;
    const Arc* fin = debut + noeud.nb_arcs;
    const Arc* a = std::lower_bound(debut, fin, c, [](const Arc& x, unsigned char y) { return x.c < y; });
    return a != fin && a->c == c ? a->vers : -1;
}

bool DetecteurMotifs::trouve_dans(std::string_view texte) const {
    if (vide()) return false;
    int32_t n = 0;
    for (const char ch : texte) {
        const auto c = static_cast<unsigned char>(ch);
        int32_t suivant;
        while ((suivant = fils(n, c)) < 0 && n != 0) n = noeuds_[static_cast<size_t>(n)].echec;
        n = suivant < 0 ? 0 : suivant;
        if (noeuds_[static_cast<size_t>(n)].sortie) return true;
    }
    return false;
}

}  // namespace nocturo
