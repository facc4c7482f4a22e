#include "catalogue/catalogue.h"

#include <stdexcept>

#include "util/texte.h"

namespace nocturo {

Catalogue::Catalogue(std::vector<std::string> repertoires) : repertoires_(std::move(repertoires)) {}

int32_t Catalogue::ligne_de(const std::string& repertoire) {
    // The lines a catalogue was made with (the cache's, at the start) are indexed when a
    // picture is first entered by its directory, not before the first picture is shown.
    for (; indexees_ < repertoires_.size(); ++indexees_)
        index_.emplace(majuscules(repertoires_[indexees_]), static_cast<int>(indexees_));
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
    ++indexees_;
    return dernier + 1;
}

void Catalogue::ajouter(const std::string& repertoire, std::string_view nom) { ajouter_a_ligne(ligne_de(repertoire), nom); }

void Catalogue::ajouter_a_ligne(int32_t indice_rep, std::string_view nom) {
    if (noms_.size() + nom.size() > UINT32_MAX) throw std::length_error("catalogue trop grand");
    images_.push_back({indice_rep, static_cast<uint32_t>(noms_.size()), static_cast<uint32_t>(nom.size())});
    noms_ += nom;
}

void Catalogue::reserver(size_t images, size_t octets_noms) {
    images_.reserve(images);
    noms_.reserve(octets_noms);
}

void Catalogue::retirer(const std::vector<int32_t>& positions) {
    // The names of the pictures taken out stay in the block until the catalogue is made
    // anew: a few bytes each, against moving every name after them.
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
    const int32_t r = indice_rep(i);
    const bool connue = r >= 0 && static_cast<size_t>(r) < repertoires_.size();
    const std::string_view n = nom(i);
    std::string c;
    c.reserve((connue ? repertoires_[static_cast<size_t>(r)].size() : 0) + 1 + n.size());
    if (connue) c = repertoires_[static_cast<size_t>(r)];
    c += '\\';
    c += n;
    return c;
}

bool Catalogue::operator==(const Catalogue& autre) const {
    if (repertoires_ != autre.repertoires_ || images_.size() != autre.images_.size()) return false;
    for (int32_t i = 0; i < nombre(); ++i)
        if (indice_rep(i) != autre.indice_rep(i) || nom(i) != autre.nom(i)) return false;
    return true;
}

}  // namespace nocturo
