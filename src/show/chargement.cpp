#include "show/chargement.h"

#include <algorithm>
#include <exception>
#include <utility>

#include "show/entetes_images.h"
#include "show/orientation.h"
#include "show/reduction.h"

namespace nocturo {

std::string extension_de(const std::string& chemin) {
    // A final dot or space (a name from another system) is no part of the extension.
    size_t fin = chemin.size();
    while (fin > 0 && (chemin[fin - 1] == '.' || chemin[fin - 1] == ' ')) --fin;
    const size_t point = chemin.rfind('.', fin == 0 ? 0 : fin - 1);
    const size_t barre = chemin.rfind('\\');
    if (fin == 0 || point == std::string::npos || (barre != std::string::npos && point < barre)) return {};
    std::string e = chemin.substr(point, fin - point);
    for (char& c : e)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return e;
}

std::optional<FormatImage> format_de(const std::string& chemin) {
    static const std::pair<const char*, FormatImage> EXTENSIONS[] = {
        {".jpg", FormatImage::jpeg},     {".jpeg", FormatImage::jpeg},   {".jpe", FormatImage::jpeg},
        {".jfif", FormatImage::jpeg},    {".png", FormatImage::png},     {".gif", FormatImage::gif},
        {".tif", FormatImage::tiff},     {".tiff", FormatImage::tiff},   {".webp", FormatImage::webp},
        {".heic", FormatImage::heif},    {".heif", FormatImage::heif},   {".avif", FormatImage::avif},
        {".jxr", FormatImage::jpeg_xr},  {".wdp", FormatImage::jpeg_xr}, {".bmp", FormatImage::bitmap},
        {".ico", FormatImage::icone},    {".emf", FormatImage::metafichier}, {".wmf", FormatImage::metafichier},
    };
    const std::string e = extension_de(chemin);
    for (const auto& [extension, format] : EXTENSIONS)
        if (e == extension) return format;
    return std::nullopt;
}

std::string extension_windows(const std::string& extension_du_fichier) {
    const std::string e = extension_de(extension_du_fichier);
    // A HEIC holds HEVC pictures: Windows wants "Extensions vidéo HEVC" beside this one.
    if (e == ".heic" || e == ".heif") return "Extensions d'image HEIF";
    if (e == ".webp") return "Extensions d'image Webp";
    if (e == ".avif") return "Extension AV1 Video";
    return {};
}

Chargement charger_copie(const std::string& chemin, const std::function<Taille(Taille droite)>& taille_copie,
                         Fichiers& fichiers, Images& images) {
    const std::optional<FormatImage> par_nom = format_de(chemin);
    if (!par_nom) return {};
    Chargement illisible{IssueChargement::illisible, nullptr};
    try {
        FormatImage format = *par_nom;
        PriseDeVue prise;
        std::string debut;
        if (fichiers.lire_debut(chemin, OCTETS_ENTETE, debut)) {
            if (const std::optional<FormatImage> vrai = format_des_octets(debut)) format = *vrai;
            prise = prise_de_vue(debut);
            // The EXIF lies further than the first bytes said (after a PNG's picture data, say):
            // one longer read, bounded.
            if (debut.size() == OCTETS_ENTETE && prise.octets_voulus > debut.size() &&
                prise.octets_voulus <= OCTETS_ENTETE_MAX && fichiers.lire_debut(chemin, OCTETS_ENTETE_MAX, debut))
                prise = prise_de_vue(debut);
        }
        Taille droite, copie;
        int orientation = prise.orientation;
        const auto voulue = [&](Taille propre) {
            // A decoder that turns a HEIF by its own turn reports the size turned: nothing is
            // left for us to turn then. (Windows' documentation does not say whether it does.)
            if (prise.stockee && redressement(orientation, propre).echange && !(propre == *prise.stockee) &&
                propre == Taille{prise.stockee->hauteur, prise.stockee->largeur})
                orientation = 1;
            if (orientation < 1 || orientation > 8) orientation = 1;
            droite = taille_droite(orientation, propre);
            copie = taille_copie(droite);
            return Demande{copie, orientation};
        };
        Pixels pret;
        const IssueDecodage issue = images.decoder(chemin, format, voulue, pret);
        if (issue == IssueDecodage::sans_codec) return {IssueChargement::sans_codec, nullptr};
        if (issue != IssueDecodage::decodee || pret.vide() ||
            pret.bgra.size() != static_cast<size_t>(pret.largeur) * static_cast<size_t>(pret.hauteur) ||
            copie.largeur <= 0 || copie.hauteur <= 0)
            return illisible;
        // The decoder gave the copy upright; a larger one (a decoder that cannot scale) is
        // brought down here.
        if (pret.largeur > copie.largeur || pret.hauteur > copie.hauteur) pret = reduire_et_tourner(pret, 1, copie);
        auto image = std::make_shared<ImagePrete>(preparer_niveaux(std::move(pret)));
        image->propre = droite;
        image->annee_prise = prise.annee;
        return {IssueChargement::image, std::move(image)};
    } catch (const std::exception&) {
        // Out of memory, or a file that failed under the reader: nothing to show.
        return illisible;
    }
}

}  // namespace nocturo
