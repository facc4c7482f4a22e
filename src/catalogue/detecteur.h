// Whether a text holds any of many patterns, in one pass over the text whatever their
// number (an Aho-Corasick automaton): exact, case-sensitive substrings, as the exclusion
// rule reads them.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace nocturo {

class DetecteurMotifs {
public:
    DetecteurMotifs() = default;
    // Empty patterns match nothing and are left out.
    explicit DetecteurMotifs(const std::vector<const std::vector<std::string>*>& listes);

    bool vide() const { return noeuds_.size() <= 1; }
    bool trouve_dans(std::string_view texte) const;

private:
    struct Noeud {
        uint32_t premier_arc = 0, nb_arcs = 0;  // its arcs, sorted by character
        int32_t echec = 0;                      // the longest proper suffix that is a prefix
        bool sortie = false;                    // a pattern ends here or at a suffix of it
    };
    struct Arc {
        unsigned char c;
        int32_t vers;
    };
    int32_t fils(int32_t n, unsigned char c) const;

    std::vector<Noeud> noeuds_;
    std::vector<Arc> arcs_;
    // The root's arcs by character: most characters of a path leave from the root.
    std::vector<int32_t> depuis_racine_;
};

}  // namespace nocturo
