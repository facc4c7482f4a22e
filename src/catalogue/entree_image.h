// One picture of the catalogue, stored byte for byte in the cache file.
#pragma once
#include <cstdint>
#include <string>

namespace nocturo {

constexpr int LONGUEUR_NOM_MAX = 80;

struct EntreeImage {
    int32_t indice_rep = 0;  // line of the catalogue's directory list
    uint8_t longueur = 0;    // characters used in nom_fichier
    char nom_fichier[LONGUEUR_NOM_MAX] = {};
    uint8_t remplissage[3] = {};

    std::string nom() const { return std::string(nom_fichier, longueur); }
    // Keeps the first 80 characters.
    void definir_nom(const std::string& nom);
    bool operator==(const EntreeImage&) const = default;
};
static_assert(sizeof(EntreeImage) == 88, "the cache file holds 88-byte records");

inline void EntreeImage::definir_nom(const std::string& nom) {
    longueur = static_cast<uint8_t>(nom.size() < LONGUEUR_NOM_MAX ? nom.size() : LONGUEUR_NOM_MAX);
    for (int i = 0; i < LONGUEUR_NOM_MAX; ++i)
        nom_fichier[i] = i < longueur ? nom[static_cast<size_t>(i)] : '\0';
}

}  // namespace nocturo
