// Text files and the safe writer.
#include "plateforme/plateforme.h"
#include "util/erreurs.h"
#include "util/texte.h"

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

bool lire_lignes(const std::string& chemin, std::vector<std::string>& lignes) {
    std::string contenu;
    if (!plateforme().lire_octets(chemin, contenu)) return false;
    lignes = decouper_lignes(contenu);
    return true;
}

int64_t taille_fichier(const std::string& chemin) { return plateforme().taille_fichier(chemin); }

void ecrire_fichier_sur(const std::string& chemin, const std::string& contenu) {
    // The new content goes to a file beside the old one, which is replaced only once the
    // new one is whole: a crash or a full disk never leaves a half-written file behind.
    Plateforme& p = plateforme();
    const std::string temporaire = chemin + ".nouveau";
    try {
        p.ecrire_octets(temporaire, contenu);
    } catch (const ErreurES&) {
        p.supprimer_fichier(temporaire);
        throw;
    }
    if (!p.remplacer_fichier(temporaire, chemin)) {
        p.supprimer_fichier(temporaire);
        throw ErreurES("Impossible de remplacer le fichier " + chemin);
    }
}

void ecrire_lignes(const std::string& chemin, const std::vector<std::string>& lignes) {
    ecrire_fichier_sur(chemin, joindre_lignes(lignes));
}

}  // namespace nocturo
