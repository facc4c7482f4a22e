#include "show/chargement.h"

#include <algorithm>
#include <exception>

#include "show/orientation.h"
#include "show/reduction.h"

namespace nocturo {

std::string extension_de(const std::string& chemin) {
    const size_t point = chemin.rfind('.');
    const size_t barre = chemin.rfind('\\');
    if (point == std::string::npos || (barre != std::string::npos && point < barre)) return {};
    std::string e = chemin.substr(point);
    for (char& c : e)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return e;
}

std::optional<FormatImage> format_de(const std::string& chemin) {
    const std::string e = extension_de(chemin);
    if (e == ".jpg" || e == ".jpeg") return FormatImage::jpeg;
    if (e == ".bmp") return FormatImage::bitmap;
    if (e == ".ico") return FormatImage::icone;
    if (e == ".emf" || e == ".wmf") return FormatImage::metafichier;
    return std::nullopt;
}

Chargement charger_copie(const std::string& chemin, const std::function<Taille(Taille droite)>& taille_copie,
                         Fichiers& fichiers, Images& images) {
    const std::optional<FormatImage> format = format_de(chemin);
    if (!format) return {};
    Chargement illisible{IssueChargement::illisible, nullptr};
    try {
        int orientation = 1;
        if (*format == FormatImage::jpeg) {
            std::string debut;
            if (fichiers.lire_debut(chemin, OCTETS_ENTETE_JPEG, debut)) orientation = orientation_exif(debut);
        }
        Taille droite, copie;
        const auto voulue = [&](Taille propre) {
            droite = taille_droite(orientation, propre);
            copie = taille_copie(droite);
            return taille_droite(orientation, copie);  // a quarter turn is its own inverse in size
        };
        // One decode buffer a thread, kept from picture to picture: the first touch of a
        // fresh 96 MB for each 24-megapixel photo costs a third of its decoding.
        thread_local Pixels decodee;
        if (!images.decoder(chemin, *format, voulue, decodee) || decodee.vide() ||
            decodee.bgra.size() != static_cast<size_t>(decodee.largeur) * static_cast<size_t>(decodee.hauteur) ||
            copie.largeur <= 0 || copie.hauteur <= 0)
            return illisible;
        const bool telle_quelle = (orientation <= 1 || orientation > 8) && decodee.largeur == copie.largeur &&
                                  decodee.hauteur == copie.hauteur;
        Pixels pret = telle_quelle ? std::move(decodee) : reduire_et_tourner(decodee, orientation, copie);
        auto image = std::make_shared<ImagePrete>(preparer_niveaux(std::move(pret)));
        image->propre = droite;
        return {IssueChargement::image, std::move(image)};
    } catch (const std::exception&) {
        // Out of memory, or a file that failed under the reader: nothing to show.
        return illisible;
    }
}

}  // namespace nocturo
