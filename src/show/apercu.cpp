#include "show/apercu.h"

#include <exception>

#include "catalogue/cache.h"
#include "settings/donnees.h"
#include "show/chargement.h"
#include "show/geometrie.h"

namespace nocturo {

Catalogue catalogue_apercu(Fichiers& fichiers) {
    // Without its marker the pair may be half replaced: the next show rebuilds it.
    if (!fichiers.fichier_existe(FICHIER_MARQUEUR)) return {};
    try {
        return lire_cache(fichiers);
    } catch (const std::exception&) {
        // Missing, damaged or unreadable: the show will rebuild it, the preview shows the name.
        return {};
    }
}

SequenceApercu::SequenceApercu(Catalogue catalogue, Hasard hasard)
    : catalogue_(std::move(catalogue)), hasard_(std::move(hasard)) {}

int32_t SequenceApercu::tirer() {
    const int32_t n = catalogue_.nombre();
    if (n == 1) return 0;
    if (derniere_ < 0 || derniere_ >= n) return hasard_(n);
    // A draw among the others, so that the picture changes at each showing.
    const int32_t k = hasard_(n - 1);
    return k >= derniere_ ? k + 1 : k;
}

std::optional<ImageApercu> SequenceApercu::suivante(Taille cadre, Fichiers& fichiers, Images& images) {
    if (vide() || cadre.largeur <= 0 || cadre.hauteur <= 0) return std::nullopt;
    const auto ajustee = [cadre](Taille droite) { return taille_copie(cadre, droite, ReglagesEffet{}); };
    for (int essai = 0; essai < ESSAIS_APERCU; ++essai) {
        const int32_t i = tirer();
        Chargement c = charger_copie(catalogue_.chemin(i), ajustee, fichiers, images);
        if (c.issue != IssueChargement::image) continue;
        derniere_ = i;
        return ImageApercu{i, std::move(c.image)};
    }
    return std::nullopt;
}

}  // namespace nocturo
