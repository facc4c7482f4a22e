#include "catalogue/catalogue.h"

#include "util/texte.h"

namespace nocturo {

Catalogue::Catalogue(std::vector<std::string> repertoires, std::vector<EntreeImage> images)
    : repertoires_(std::move(repertoires)), images_(std::move(images)) {
    for (size_t i = 0; i < repertoires_.size(); ++i)
        index_.emplace(majuscules(repertoires_[i]), static_cast<int>(i));
}

int Catalogue::ligne_de(const std::string& repertoire) {
    // The pictures of a directory come one after another: once the first has added its
    // line, the others find it last. When every line is alone of its kind ignoring case,
    // that line is also the first one the search would give.
    const int dernier = static_cast<int>(repertoires_.size()) - 1;
    if (dernier >= 0 && index_.size() == repertoires_.size() && repertoires_.back() == repertoire)
        return dernier;
    std::string cle = majuscules(repertoire);
    auto trouve = index_.find(cle);
    if (trouve != index_.end()) return trouve->second;
    repertoires_.push_back(repertoire);
    index_.emplace(std::move(cle), dernier + 1);
    return dernier + 1;
}

void Catalogue::ajouter(const std::string& repertoire, const std::string& nom) {
    EntreeImage e;
    e.indice_rep = ligne_de(repertoire);
    e.definir_nom(nom);
    images_.push_back(e);
}

void Catalogue::retirer(const std::vector<int32_t>& positions) {
    size_t garde = 0, k = 0;
    for (size_t i = 0; i < images_.size(); ++i) {
        if (k < positions.size() && static_cast<size_t>(positions[k]) == i) {
            ++k;
            continue;
        }
        images_[garde++] = images_[i];
    }
    images_.resize(garde);
}

std::string Catalogue::chemin(int32_t i) const {
    const EntreeImage& e = images_.at(static_cast<size_t>(i));
    const bool connue = e.indice_rep >= 0 && static_cast<size_t>(e.indice_rep) < repertoires_.size();
    return (connue ? repertoires_[static_cast<size_t>(e.indice_rep)] : std::string()) + "\\" + e.nom();
}

}  // namespace nocturo
