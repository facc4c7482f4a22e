// Pictures that go away while the show runs, and the kinds this machine cannot decode: the
// show passes over them at once and goes on; a screen saver does not stop for a deleted
// photo.
#include "app/diaporama.h"

#include <algorithm>

#include "catalogue/chemins.h"
#include "catalogue/fusion.h"
#include "util/texte.h"

namespace nocturo {

namespace {

// Absent roots are looked at again after this long: a disk plugged back, a share awake.
constexpr double REVUE_RACINES_JOURS = 30.0 / 86400;

}  // namespace

void Tdiapo::retirer_du_catalogue(const std::vector<int32_t>& positions) {
    if (positions.empty()) return;
    // The random order's deck goes on without them: no repeat before the rest has come.
    paquet.retirer(positions, catalogue.nombre(), graine());
    // In catalogue order the show goes on with the picture after the current one: the
    // position moves back by the pictures leaving up to it.
    const auto avant = static_cast<int>(std::upper_bound(positions.begin(), positions.end(),
                                                         reglages.indice_non_aleatoire) - positions.begin());
    catalogue.retirer(positions);
    if (avant > 0) {
        reglages.indice_non_aleatoire = std::max(0, reglages.indice_non_aleatoire - avant);
        Edit_indice_non_aleatoire.definir_texte(std::to_string(reglages.indice_non_aleatoire));
    }
    // Positions drawn ahead point into the old catalogue.
    selection.garde.reset();
    Label13.definir_legende(std::to_string(catalogue.nombre()) + " images");
    catalogue_modifie_ = true;
}

void Tdiapo::image_disparue(const std::string& chemin) {
    for (const Racine& r : racines()) {
        if (!r.cochee || !sous_repertoire(chemin, r.chemin)) continue;
        if (!plateforme.repertoire_existe(r.chemin)) {
            // The whole root is away: its pictures wait, in the catalogue, for it to come back.
            racines_absentes_.push_back(r.chemin);
            racines_revues_ = plateforme.maintenant();
            return;
        }
    }
    const std::string repertoire = repertoire_de(chemin);
    const std::string nom = nom_de(chemin);
    // A directory that went (deleted, renamed) takes all its pictures with it, found at once
    // rather than one at their turn each.
    const bool tout = !plateforme.repertoire_existe(repertoire);
    std::vector<char> lignes(catalogue.repertoires().size(), 0);
    for (size_t l = 0; l < lignes.size(); ++l) {
        const std::string& ligne = catalogue.repertoires()[l];
        lignes[l] = tout ? sous_repertoire(ligne, repertoire) : egal_sans_casse(ligne, repertoire);
    }
    std::vector<int32_t> partantes;
    for (int32_t i = 0; i < catalogue.nombre(); ++i) {
        const int32_t l = catalogue.indice_rep(i);
        if (l < 0 || static_cast<size_t>(l) >= lignes.size() || !lignes[static_cast<size_t>(l)]) continue;
        if (tout || egal_sans_casse(std::string(catalogue.nom(i)), nom)) partantes.push_back(i);
    }
    retirer_du_catalogue(partantes);
}

bool Tdiapo::ecartee(const std::string& chemin) {
    if (!extensions_sans_codec_.empty() && extensions_sans_codec_.count(extension_de(chemin))) return true;
    if (racines_absentes_.empty()) return false;
    const double maintenant = plateforme.maintenant();
    if (maintenant - racines_revues_ > REVUE_RACINES_JOURS) {
        racines_revues_ = maintenant;
        std::erase_if(racines_absentes_, [this](const std::string& r) { return plateforme.repertoire_existe(r); });
    }
    return std::any_of(racines_absentes_.begin(), racines_absentes_.end(),
                       [&](const std::string& r) { return sous_repertoire(chemin, r); });
}

bool Tdiapo::montrable(const std::string& chemin) {
    if (ecartee(chemin)) return false;
    if (plateforme.fichier_existe(chemin)) return true;
    image_disparue(chemin);
    return false;
}

bool Tdiapo::codec_absent(const std::string& chemin) {
    const std::string extension = extension_de(chemin);
    std::string module = extension_windows(extension);
    // A name that lies about its kind (a WebP called .jpg) sets aside that picture alone,
    // never every picture of its extension.
    if (module.empty() && extension != ".jxr" && extension != ".wdp") return false;
    if (!extensions_sans_codec_.insert(extension).second) return true;
    int n = 0;
    for (int32_t i = 0; i < catalogue.nombre(); ++i)
        if (extension_de(std::string(catalogue.nom(i))) == extension) ++n;
    // A HEIF holds HEVC pictures, whose codec is a second extension.
    if (extension == ".heic" || extension == ".heif") module += " » et « Extensions vidéo HEVC";
    std::string sorte = extension.substr(1);
    for (char& c : sorte)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    const std::string ligne =
        std::to_string(n) + (n > 1 ? " images " : " image ") + sorte + (n > 1 ? " mises" : " mise") + " de côté : " +
        (module.empty() ? "Windows ne sait pas lire ce format sur cet ordinateur."
                        : "pour les voir, installez « " + module + " » depuis le Microsoft Store.");
    avis_codecs_ += (avis_codecs_.empty() ? "" : "\n") + ligne;
    return true;
}

void Tdiapo::montrer_avis_codecs() {
    if (avis_codecs_.empty() || !Panel1.visible()) return;
    Label6.definir_legende(avis_codecs_);
    Label6.definir_gauche(Panel1.gauche() + 50);
    Label6.definir_haut(Panel1.haut() - 100);
    Label6.definir_visible(true);
}

}  // namespace nocturo
