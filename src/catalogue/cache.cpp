// Catalogue cache: the directory list and the picture table in two files, and the marker.
#include "catalogue/cache.h"

#include <algorithm>

#include "plateforme/fichiers.h"
#include "settings/donnees.h"
#include "util/erreurs.h"
#include "util/fichiers.h"

namespace nocturo {

std::string coder_images(const std::vector<EntreeImage>& images) {
    std::string octets(images.size() * TAILLE_ENREGISTREMENT, '\0');
    char* o = octets.data();
    for (const EntreeImage& e : images) {
        const auto indice = static_cast<uint32_t>(e.indice_rep);
        for (int k = 0; k < 4; ++k) o[k] = static_cast<char>((indice >> (8 * k)) & 0xFF);
        const uint8_t longueur = std::min<uint8_t>(e.longueur, LONGUEUR_NOM_MAX);
        o[4] = static_cast<char>(longueur);
        std::copy_n(e.nom_fichier, longueur, o + 5);  // unused bytes and padding stay zero
        o += TAILLE_ENREGISTREMENT;
    }
    return octets;
}

std::vector<EntreeImage> decoder_images(const std::string& octets) {
    std::vector<EntreeImage> images(octets.size() / TAILLE_ENREGISTREMENT);
    const auto* o = reinterpret_cast<const unsigned char*>(octets.data());
    for (EntreeImage& e : images) {
        uint32_t indice = 0;
        for (int k = 0; k < 4; ++k) indice |= static_cast<uint32_t>(o[k]) << (8 * k);
        e.indice_rep = static_cast<int32_t>(indice);
        // A damaged length must not let the name run past its 80 characters.
        e.longueur = std::min<uint8_t>(o[4], LONGUEUR_NOM_MAX);
        std::copy_n(o + 5, LONGUEUR_NOM_MAX, e.nom_fichier);
        std::copy_n(o + 85, 3, e.remplissage);
        o += TAILLE_ENREGISTREMENT;
    }
    return images;
}

void ecrire_cache(const Catalogue& catalogue, Fichiers& fichiers) {
    // No marker while the pair is being replaced: a failure half way must not leave a new
    // directory list beside an old picture table for the next start to trust.
    fichiers.supprimer_fichier(FICHIER_MARQUEUR);
    if (catalogue.vide()) return;
    ecrire_lignes(fichiers, FICHIER_CACHE_REP, catalogue.repertoires());
    ecrire_fichier_sur(fichiers, FICHIER_CACHE_IMAGES, coder_images(catalogue.images()));
    fichiers.ecrire_octets(FICHIER_MARQUEUR, "");
}

Catalogue lire_cache(Fichiers& fichiers) {
    std::vector<std::string> lignes;
    if (!lire_lignes(fichiers, FICHIER_CACHE_REP, lignes))
        throw ErreurES("Fichier introuvable : " + FICHIER_CACHE_REP);
    std::string octets;
    if (!fichiers.lire_octets(FICHIER_CACHE_IMAGES, octets))
        throw ErreurES("Fichier introuvable : " + FICHIER_CACHE_IMAGES);
    if (octets.size() % TAILLE_ENREGISTREMENT != 0)
        throw CacheAbime("enregistrement incomplet à la fin du fichier " + FICHIER_CACHE_IMAGES);
    for (size_t o = 0; o < octets.size(); o += TAILLE_ENREGISTREMENT) {
        const auto* e = reinterpret_cast<const unsigned char*>(octets.data() + o);
        const int64_t indice = static_cast<int32_t>(uint32_t{e[0]} | uint32_t{e[1]} << 8 | uint32_t{e[2]} << 16 |
                                                    uint32_t{e[3]} << 24);
        if (e[4] > LONGUEUR_NOM_MAX || indice < 0 || indice >= static_cast<int64_t>(lignes.size()))
            throw CacheAbime("enregistrement " + std::to_string(o / TAILLE_ENREGISTREMENT) + " incohérent dans " +
                             FICHIER_CACHE_IMAGES);
    }
    return Catalogue(std::move(lignes), decoder_images(octets));
}

}  // namespace nocturo
