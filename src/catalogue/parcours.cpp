// Catalogue scan: walks the checked roots and enters every accepted picture.
#include "catalogue/parcours.h"

#include <algorithm>
#include <span>
#include <string>
#include <string_view>

#include "catalogue/detecteur.h"
#include "catalogue/filtres.h"
#include "util/texte.h"

namespace nocturo {

namespace {

bool contient(const std::string& texte, const char* morceau) {
    return texte.find(morceau) != std::string::npos;
}

bool est_repertoire(const EntreeRepertoire& e) { return (e.attributs & ATTR_REPERTOIRE) != 0; }

bool marque(const std::string& chemin) { return contient(chemin, "++") || contient(chemin, "§"); }

// A link, a junction or a mount point leads elsewhere: its target cannot be told reliably
// and one back up the tree would never end, so the real path is walked instead. Other
// reparse points (cloud placeholders) are the folder itself. A reparse point without its
// tag (some systems give none) is taken as a link.
bool mene_ailleurs(const EntreeRepertoire& e) {
    return (e.attributs & ATTR_REPARSE) != 0 && (e.etiquette == 0 || substitut_de_nom(e.etiquette));
}

// One directory being walked: held open, its listing and the next entry to take, and what
// its path alone decides for every picture in it, worked out at its first picture.
struct Niveau {
    std::unique_ptr<RepertoireOuvert> ouvert;
    std::vector<EntreeRepertoire> entrees;
    size_t suivante = 0;
    bool juge = false;
    bool accepte = true;  // the month and the words
    bool marque = false;  // "++" or "§" in the directory's path
    int32_t ligne = -1;   // its line in the catalogue, once a picture is entered
    const std::string& repertoire() const { return ouvert->chemin; }
};

// Depth first with a stack of our own, so a deep tree cannot exhaust the call stack.
class Parcours {
public:
    Parcours(const CriteresScan& c, Fichiers& f, const PompeParcours& p)
        : criteres_(c),
          fichiers_(f),
          pompe_(p),
          // Built once: each picture is then checked in one pass over its path.
          motifs_(c.fichier_exclusion ? DetecteurMotifs({&c.motifs.repertoires, &c.motifs.fichiers})
                                      : DetecteurMotifs()) {}

    void racine(const std::string& repertoire) {
        if (arret_) return;
        entrer(fichiers_.ouvrir_repertoire(repertoire));
        while (!pile_.empty()) {
            Niveau& n = pile_.back();
            if (arret_ || n.suivante >= n.entrees.size()) {
                pile_.pop_back();
                // Back in the parent: the entry that led down is done.
                if (!pile_.empty()) pomper();
                continue;
            }
            const EntreeRepertoire& e = n.entrees[n.suivante++];
            ++vues_;
            bool descendre = false;
            if (e.nom != "." && e.nom != "..") {
                if (extension_acceptee(e) && acceptee(n, e.nom)) {
                    if (n.ligne < 0) n.ligne = catalogue_.ligne_de(n.repertoire());
                    catalogue_.ajouter_a_ligne(n.ligne, e.nom);
                }
                descendre = criteres_.recursif && est_repertoire(e) && !mene_ailleurs(e);
            }
            // Opened from its parent, not by its path.
            if (!descendre || !entrer(fichiers_.ouvrir_sous_repertoire(*n.ouvert, e.nom))) pomper();
        }
    }
    void pomper() {
        if (pompe_(vues_)) arret_ = true;
    }
    Catalogue resultat() { return std::move(catalogue_); }

private:
    // The tests a picture's path must pass (the month, the words of the directory's name,
    // the marks, the exclusion patterns); those of the directory alone made once a directory,
    // so that a million pictures cost no million copies of their path.
    bool acceptee(Niveau& n, const std::string& nom) {
        const CriteresScan& c = criteres_;
        if (!n.juge) {
            n.juge = true;
            n.marque = marque(n.repertoire());
            n.accepte = (!c.filtre_date || date_acceptee(n.repertoire(), c.de, c.a, c.plage)) &&
                        (!c.filtre_mots || mots_acceptes(n.repertoire(), c.mots));
        }
        if (!n.accepte) return false;
        if (c.marques != ModeMarques::indifferentes) {
            // Neither mark can straddle the backslash between the directory and the name.
            const bool m = n.marque || marque(nom);
            if ((c.marques == ModeMarques::exclues) == m) return false;
        }
        if (c.fichier_exclusion) {
            chemin_.assign(n.repertoire());
            chemin_ += '\\';
            chemin_ += nom;
            if (motifs_.trouve_dans(chemin_)) return false;
        }
        return true;
    }

    bool entrer(std::unique_ptr<RepertoireOuvert> ouvert) {
        if (!ouvert) return false;
        Niveau n{std::move(ouvert), {}, 0};
        if (!fichiers_.lister_ouvert(*n.ouvert, n.entrees)) return false;  // unlistable: skipped
        pile_.push_back(std::move(n));
        return true;
    }

    const CriteresScan& criteres_;
    Fichiers& fichiers_;
    const PompeParcours& pompe_;
    const DetecteurMotifs motifs_;
    Catalogue catalogue_;
    std::vector<Niveau> pile_;
    int32_t vues_ = 0;
    bool arret_ = false;
    std::string chemin_;  // the path a pattern is looked for in, its memory kept
};

}  // namespace

namespace {

// The kinds the show decodes, by the name's last extension.
constexpr std::string_view SORTES[] = {"JPG", "JPEG", "JPE", "JFIF", "BMP", "PNG", "GIF", "TIF",
                                       "TIFF", "WEBP", "HEIC", "HEIF", "AVIF", "JXR", "WDP"};
// What phones, cameras, photo editors and downloads leave beside a picture, often under its
// name with an extension of their own ("IMG_0001.JPG.xmp").
constexpr std::string_view COMPAGNONS[] = {"XMP", "AAE", "JSON", "THM", "XML", "DOP", "PP3", "ON1", "ACR",
                                           "LRV", "PART", "CRDOWNLOAD", "TMP"};

bool parmi(std::string_view e, std::span<const std::string_view> liste) {
    return std::find(liste.begin(), liste.end(), e) != liste.end();
}

}  // namespace

bool extension_acceptee(const EntreeRepertoire& entree) {
    // A directory named like a picture is no picture, whatever size the system gives it.
    if (est_repertoire(entree) || entree.taille <= 0) return false;
    std::string_view nom = entree.nom;
    if (nom.empty() || nom[0] == '.') return false;
    // A final dot or space (a name from another system) is not part of the extension.
    while (!nom.empty() && (nom.back() == '.' || nom.back() == ' ')) nom.remove_suffix(1);
    const size_t point = nom.rfind('.');
    if (point != std::string_view::npos && nom.size() - point <= 11) {
        char e[10];
        size_t n = 0;
        for (size_t i = point + 1; i < nom.size(); ++i) {
            const char c = nom[i];
            e[n++] = c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
        }
        const std::string_view extension(e, n);
        if (parmi(extension, SORTES)) return true;
        if (parmi(extension, COMPAGNONS)) return false;
    }
    // ".JPG" or ".BMP" anywhere, ASCII letters in any case, as the scan always took them.
    const auto majuscule = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; };
    for (size_t p = nom.find('.'); p != std::string_view::npos && p + 3 < nom.size(); p = nom.find('.', p + 1)) {
        const char suite[3] = {majuscule(nom[p + 1]), majuscule(nom[p + 2]), majuscule(nom[p + 3])};
        const std::string_view s(suite, 3);
        if (s == "JPG" || s == "BMP") return true;
    }
    return false;
}

Catalogue parcourir(const Racines& racines, const CriteresScan& criteres, Fichiers& fichiers,
                    const PompeParcours& pompe) {
    Parcours p(criteres, fichiers, pompe);
    for (const Racine& r : racines) {
        if (r.cochee && fichiers.repertoire_existe(r.chemin)) p.racine(r.chemin);
        p.pomper();
    }
    return p.resultat();
}

bool Rythme::du() {
    const double t = horloge_.millisecondes();
    // A key pressed before the walk is seen at its first entry; a clock set back starts
    // the interval again.
    if (!premier_ && t - dernier_ < intervalle_ && t >= dernier_) return false;
    premier_ = false;
    dernier_ = t;
    return true;
}

bool contient_une_image(const std::string& repertoire, Fichiers& fichiers, int32_t entrees_max) {
    const Catalogue c = parcourir({{repertoire, true}}, CriteresScan{}, fichiers,
                                  [entrees_max](int32_t vues) { return vues >= entrees_max; });
    return !c.vide();
}

}  // namespace nocturo
