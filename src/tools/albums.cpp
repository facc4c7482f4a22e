#include "tools/albums.h"

#include "catalogue/chemins.h"
#include "plateforme/fichiers.h"
#include "util/unicode.h"

namespace nocturo {

namespace {

// The system's limit for one name, in UTF-16 units.
constexpr size_t NOM_MAX = 255;

// The first `n` units of `u`, a surrogate pair never cut in two.
std::u16string debut(const std::u16string& u, size_t n) {
    if (n >= u.size()) return u;
    if (n > 0 && u[n - 1] >= 0xD800 && u[n - 1] < 0xDC00) --n;
    return u.substr(0, n);
}

}  // namespace

std::string cible_album(const std::string& image, const std::string& album) {
    std::string repertoire = dernier_composant(repertoire_de(image));
    if (repertoire.size() == 2 && repertoire[1] == ':') repertoire.pop_back();
    std::u16string r = utf16_de_utf8(repertoire), n = utf16_de_utf8(nom_de(image));
    // Past the system's limit for a name, the directory's part gives way first, then the
    // picture's own name, its extension kept.
    if (r.size() + 1 + n.size() > NOM_MAX) r = debut(r, NOM_MAX > n.size() + 1 ? NOM_MAX - n.size() - 1 : 0);
    std::u16string nom = r.empty() && !repertoire.empty() ? n : r + u"-" + n;
    if (nom.size() > NOM_MAX) {
        const size_t point = nom.rfind(u'.');
        const std::u16string extension = point != std::u16string::npos && nom.size() - point < 16 ? nom.substr(point) : u"";
        nom = debut(nom.substr(0, nom.size() - extension.size()), NOM_MAX - extension.size()) + extension;
    }
    return album + "\\" + utf8_de_utf16(nom);
}

std::string copier_vers_album(Fichiers& fichiers, const std::string& image, const std::string& album) {
    if (!fichiers.fichier_existe(image)) return "L'image " + image + " n'existe plus : elle n'a pas été copiée.";
    const std::string cible = cible_album(image, album);
    // The albums of a new machine do not exist yet: the first copy makes its album.
    if (!fichiers.repertoire_existe(album) && !fichiers.creer_repertoire(album))
        return "Impossible de créer l'album " + album + " : " + fichiers.raison_echec();
    if (!fichiers.copier_fichier(image, cible, false))
        return "La copie vers " + cible + " a échoué : " + fichiers.raison_echec();
    return {};
}

}  // namespace nocturo
