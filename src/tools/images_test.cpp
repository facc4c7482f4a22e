#include "tools/images_test.h"

#include <cstdio>

#include "plateforme/fichiers.h"
#include "util/erreurs.h"
#include "util/octets.h"

namespace nocturo {

std::string coder_bmp(const Pixels& p) {
    const uint32_t ligne = (static_cast<uint32_t>(p.largeur) * 3 + 3) / 4 * 4;
    const uint32_t donnees = ligne * static_cast<uint32_t>(p.hauteur);
    std::string s = "BM";
    ajouter_32(s, 54 + donnees);
    ajouter_32(s, 0);
    ajouter_32(s, 54);
    ajouter_32(s, 40);
    ajouter_32(s, static_cast<uint32_t>(p.largeur));
    ajouter_32(s, static_cast<uint32_t>(p.hauteur));  // positive: rows bottom up
    ajouter_16(s, 1);
    ajouter_16(s, 24);
    ajouter_32(s, 0);  // no compression
    ajouter_32(s, donnees);
    ajouter_32(s, 3780);  // 96 pixels an inch
    ajouter_32(s, 3780);
    ajouter_32(s, 0);
    ajouter_32(s, 0);
    for (int y = p.hauteur - 1; y >= 0; --y) {
        const size_t debut = s.size();
        for (int x = 0; x < p.largeur; ++x) {
            const uint32_t c = p.bgra[static_cast<size_t>(y) * static_cast<size_t>(p.largeur) + static_cast<size_t>(x)];
            s += static_cast<char>(c & 0xFF);
            s += static_cast<char>((c >> 8) & 0xFF);
            s += static_cast<char>((c >> 16) & 0xFF);
        }
        s.append(ligne - (s.size() - debut), '\0');
    }
    return s;
}

void generer_images_test(Fichiers& fichiers, Images& images, const std::string& repertoire) {
    std::string dossier = repertoire;
    if (!dossier.empty() && dossier.back() != '\\') dossier += '\\';
    for (int n = 1; n <= 320; ++n) {
        Pixels p;
        if (!images.image_de_texte(std::to_string(n), "Arial", 48, {200, 200}, p))
            throw ErreurES("Impossible de dessiner l'image de test " + std::to_string(n));
        char nom[32];
        std::snprintf(nom, sizeof nom, "image_%.3d.bmp", n);
        fichiers.ecrire_octets(dossier + nom, coder_bmp(p));
    }
}

}  // namespace nocturo
