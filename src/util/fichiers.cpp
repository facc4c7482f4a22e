// Text files and the safe writer.
#include "util/fichiers.h"

#include "plateforme/fichiers.h"
#include "util/erreurs.h"

namespace nocturo {

std::vector<std::string> decouper_lignes(const std::string& contenu) {
    std::vector<std::string> lignes;
    size_t debut = 0;
    for (size_t i = 0; i < contenu.size(); ++i) {
        if (contenu[i] != '\r' && contenu[i] != '\n') continue;
        lignes.push_back(contenu.substr(debut, i - debut));
        if (contenu[i] == '\r' && i + 1 < contenu.size() && contenu[i + 1] == '\n') ++i;
        debut = i + 1;
    }
    if (debut < contenu.size()) lignes.push_back(contenu.substr(debut));
    return lignes;
}

std::string joindre_lignes(const std::vector<std::string>& lignes) {
    size_t taille = 0;
    for (const auto& l : lignes) taille += l.size() + 2;
    std::string r;
    r.reserve(taille);
    for (const auto& l : lignes) {
        r += l;
        r += "\r\n";
    }
    return r;
}

int64_t taille_fichier(Fichiers& fichiers, const std::string& chemin) {
    return fichiers.taille_fichier(chemin);
}

bool lire_lignes(Fichiers& fichiers, const std::string& chemin, std::vector<std::string>& lignes) {
    std::string contenu;
    if (!fichiers.lire_octets(chemin, contenu)) return false;
    lignes = decouper_lignes(contenu);
    return true;
}

void ecrire_fichier_sur(Fichiers& fichiers, const std::string& chemin, const std::string& contenu) {
    // The new content goes to a file beside the old one, which is replaced only once the
    // new one is on the disk: a crash, a full disk or a power cut never leaves a
    // half-written file behind.
    const std::string temporaire = chemin + SUFFIXE_TEMPORAIRE;
    try {
        fichiers.ecrire_octets_durables(temporaire, contenu);
    } catch (const ErreurES&) {
        fichiers.supprimer_fichier(temporaire);
        throw;
    }
    if (!fichiers.remplacer_fichier(temporaire, chemin)) {
        fichiers.supprimer_fichier(temporaire);
        throw ErreurES("Impossible de remplacer le fichier " + chemin);
    }
}

void ecrire_lignes(Fichiers& fichiers, const std::string& chemin, const std::vector<std::string>& lignes) {
    ecrire_fichier_sur(fichiers, chemin, joindre_lignes(lignes));
}

void supprimer_temporaire(Fichiers& fichiers, const std::string& chemin) {
    fichiers.supprimer_fichier(chemin + SUFFIXE_TEMPORAIRE);
}

}  // namespace nocturo
