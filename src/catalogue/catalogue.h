// The picture catalogue: the directories that hold accepted pictures, an index over them,
// and one entry per picture pointing at its directory's line. Names are kept whole, of any
// length and in any script, one after another in a single block: a million pictures cost
// a few dozen megabytes and one allocation.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "catalogue/entree_image.h"

namespace nocturo {

class Catalogue {
public:
    Catalogue() = default;
    explicit Catalogue(std::vector<std::string> repertoires);

    const std::vector<std::string>& repertoires() const { return repertoires_; }
    int32_t nombre() const { return static_cast<int32_t>(images_.size()); }
    bool vide() const { return images_.empty(); }

    // Enters a picture; its directory gets a line unless one equal ignoring case exists
    // (the first such line is used, as a list's own search gives).
    void ajouter(const std::string& repertoire, std::string_view nom);
    // The line of a directory, made when none equal ignoring case exists (the first such
    // line otherwise, as a list's own search gives).
    int32_t ligne_de(const std::string& repertoire);
    // Enters a picture of an existing line (the cache's records).
    void ajouter_a_ligne(int32_t indice_rep, std::string_view nom);
    void reserver(size_t images, size_t octets_noms);

    int32_t indice_rep(int32_t i) const { return images_.at(static_cast<size_t>(i)).indice_rep; }
    std::string_view nom(int32_t i) const {
        const EntreeImage& e = images_.at(static_cast<size_t>(i));
        return std::string_view(noms_).substr(e.debut, e.longueur);
    }
    // Full path of entry i; the directory part is empty when its line does not exist.
    std::string chemin(int32_t i) const;
    // Takes out the pictures at `positions` (ascending). The directory lines stay, so that
    // the entries left keep their index.
    void retirer(const std::vector<int32_t>& positions);

    bool operator==(const Catalogue& autre) const;

private:
    std::vector<std::string> repertoires_;
    std::vector<EntreeImage> images_;
    std::string noms_;
    // Lines folded to upper case, to the first line holding them; the first `indexees_`
    // lines are in it.
    std::unordered_map<std::string, int> index_;
    size_t indexees_ = 0;
};

}  // namespace nocturo
