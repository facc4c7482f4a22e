#include "tools/albums.h"

#include "catalogue/chemins.h"
#include "plateforme/fichiers.h"

namespace nocturo {

std::string cible_album(const std::string& image, const std::string& album) {
    std::string repertoire = dernier_composant(repertoire_de(image));
    if (repertoire.size() == 2 && repertoire[1] == ':') repertoire.pop_back();
    return album + "\\" + repertoire + "-" + nom_de(image);
}

std::string copier_vers_album(Fichiers& fichiers, const std::string& image, const std::string& album) {
    const std::string cible = cible_album(image, album);
    // The albums of a new machine do not exist yet: the first copy makes its album.
    if (!fichiers.repertoire_existe(album) && !fichiers.creer_repertoire(album))
        return "Impossible de créer l'album " + album + " : " + fichiers.raison_echec();
    if (!fichiers.copier_fichier(image, cible, false))
        return "La copie vers " + cible + " a échoué : " + fichiers.raison_echec();
    return {};
}

}  // namespace nocturo
