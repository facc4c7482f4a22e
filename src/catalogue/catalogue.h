// The picture catalogue: the directories that hold accepted pictures, an index over them,
// and one entry per picture pointing at its directory's line.
#pragma once
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "catalogue/entree_image.h"

namespace nocturo {

class Catalogue {
public:
    Catalogue() = default;
    Catalogue(std::vector<std::string> repertoires, std::vector<EntreeImage> images);

    const std::vector<std::string>& repertoires() const { return repertoires_; }
    const std::vector<EntreeImage>& images() const { return images_; }
    int32_t nombre() const { return static_cast<int32_t>(images_.size()); }
    bool vide() const { return images_.empty(); }

    // Enters a picture; its directory gets a line unless one equal ignoring case exists
    // (the first such line is used, as a list's own search gives).
    void ajouter(const std::string& repertoire, const std::string& nom);
    // Full path of entry i; the directory part is empty when its line does not exist.
    std::string chemin(int32_t i) const;
    // Takes out the pictures at `positions` (ascending). The directory lines stay, so that
    // the entries left keep their index.
    void retirer(const std::vector<int32_t>& positions);

    bool operator==(const Catalogue& autre) const {
        return repertoires_ == autre.repertoires_ && images_ == autre.images_;
    }

private:
    int ligne_de(const std::string& repertoire);

    std::vector<std::string> repertoires_;
    std::vector<EntreeImage> images_;
    // Lines folded to upper case, to the first line holding them.
    std::unordered_map<std::string, int> index_;
};

}  // namespace nocturo
