// Catalogue cache: the directory list and the picture table in two files, and the marker.
#include "catalogue/cache.h"

#include <algorithm>

#include "app/diaporama.h"
#include "catalogue/scan.h"
#include "util/erreurs.h"
#include "util/texte.h"

namespace nocturo {

std::string coder_images(const std::vector<EntreeImage>& table, int32_t nombre) {
    std::string octets(static_cast<size_t>(std::max(nombre, 0)) * TAILLE_ENREGISTREMENT, '\0');
    char* o = octets.data();
    for (int32_t i = 0; i < nombre; ++i, o += TAILLE_ENREGISTREMENT) {
        const EntreeImage& e = table[static_cast<size_t>(i)];
        const auto indice = static_cast<uint32_t>(e.indice_rep);
        for (int k = 0; k < 4; ++k) o[k] = static_cast<char>((indice >> (8 * k)) & 0xFF);
        const uint8_t longueur = std::min<uint8_t>(e.longueur, LONGUEUR_NOM_MAX);
        o[4] = static_cast<char>(longueur);
        std::copy_n(e.nom_fichier, longueur, o + 5);  // unused bytes and padding stay zero
    }
    return octets;
}

int32_t decoder_images(const std::string& octets, std::vector<EntreeImage>& table) {
    const auto nombre = static_cast<int32_t>(octets.size() / TAILLE_ENREGISTREMENT);
    if (nombre > 0) agrandir_table(table, nombre);
    const auto* o = reinterpret_cast<const unsigned char*>(octets.data());
    for (int32_t i = 0; i < nombre; ++i, o += TAILLE_ENREGISTREMENT) {
        EntreeImage& e = table[static_cast<size_t>(i)];
        uint32_t indice = 0;
        for (int k = 0; k < 4; ++k) indice |= static_cast<uint32_t>(o[k]) << (8 * k);
        e.indice_rep = static_cast<int32_t>(indice);
        // A damaged length must not let the name run past its 80 characters.
        e.longueur = std::min<uint8_t>(o[4], LONGUEUR_NOM_MAX);
        std::copy_n(o + 5, LONGUEUR_NOM_MAX, e.nom_fichier);
        std::copy_n(o + 85, 3, e.remplissage);
    }
    return nombre;
}

void Tdiapo::sauver_catalogue() {
    Plateforme& p = plateforme();
    // No marker while the pair is being replaced: a failure half way must not leave a new
    // directory list beside an old picture table for the next start to trust.
    p.supprimer_fichier(FICHIER_MARQUEUR);
    if (nb_images == 0) return;
    ecrire_lignes(FICHIER_CACHE_REP, ListBox_rep.elements());
    ecrire_fichier_sur(FICHIER_CACHE_IMAGES, coder_images(table_images, nb_images));
    p.ecrire_octets(FICHIER_MARQUEUR, "");
}

void Tdiapo::charger_catalogue() {
    Plateforme& p = plateforme();
    std::vector<std::string> lignes;
    if (!lire_lignes(FICHIER_CACHE_REP, lignes))
        throw ErreurES("Fichier introuvable : " + FICHIER_CACHE_REP);
    ListBox_rep.definir_elements(std::move(lignes));
    indexer_lignes(ListBox_rep, index_rep);
    std::string octets;
    if (!p.lire_octets(FICHIER_CACHE_IMAGES, octets))
        throw ErreurES("Fichier introuvable : " + FICHIER_CACHE_IMAGES);
    nb_images = decoder_images(octets, table_images);
    if (octets.size() % TAILLE_ENREGISTREMENT != 0)
        throw ErreurES("Erreur de lecture : enregistrement incomplet à la fin du fichier " +
                       FICHIER_CACHE_IMAGES);
}

}  // namespace nocturo
