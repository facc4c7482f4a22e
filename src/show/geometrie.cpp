#include "show/geometrie.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace nocturo {

namespace {

// Quotients of products that may pass 32 bits with large pictures; still truncated toward
// zero, as every division here is.
int produit_sur(int64_t a, int64_t b, int64_t c) { return c == 0 ? 0 : static_cast<int>(a * b / c); }

bool plus_etroite(Taille ecran, Taille image) {
    return int64_t{ecran.largeur} * image.hauteur > int64_t{ecran.hauteur} * image.largeur;
}

}  // namespace

Cadre cadre_ajuste(Taille e, Taille i) {
    if (i.largeur <= 0 || i.hauteur <= 0) return {};
    Cadre c;
    if (plus_etroite(e, i)) {
        c.hauteur = e.hauteur;
        c.largeur = produit_sur(e.hauteur, i.largeur, i.hauteur);
    } else {
        c.largeur = e.largeur;
        c.hauteur = produit_sur(e.largeur, i.hauteur, i.largeur);
    }
    c.gauche = (e.largeur - c.largeur) / 2;
    c.haut = (e.hauteur - c.hauteur) / 2;
    return c;
}

Cadre cadre_rempli(Taille e, Taille i, int haut) {
    if (i.largeur <= 0 || i.hauteur <= 0) return {};
    Cadre c;
    if (plus_etroite(e, i)) {
        c.largeur = e.largeur;
        c.hauteur = produit_sur(e.largeur, i.hauteur, i.largeur);
    } else {
        c.hauteur = e.hauteur;
        c.largeur = produit_sur(e.hauteur, i.largeur, i.hauteur);
    }
    c.gauche = (e.largeur - c.largeur) / 2;
    c.haut = (e.hauteur - c.hauteur) / 2 * (100 - haut) / 100;
    return c;
}

Cadre cadre_zoom(Taille e, Taille i, int largeur, int haut) {
    if (i.largeur <= 0 || i.hauteur <= 0) return {};
    Cadre c;
    c.largeur = largeur;
    c.hauteur = static_cast<int>((int64_t{largeur} * i.hauteur + 1) / i.largeur);
    c.gauche = (e.largeur - c.largeur) / 2;
    // `haut` places what passes the screen; a picture still lower than the screen (a
    // panorama) stays centred, as its fit left it, rather than jump to the top.
    c.haut = c.hauteur <= e.hauteur ? (e.hauteur - c.hauteur) / 2 : (e.hauteur - c.hauteur) / 2 * (100 - haut) / 100;
    return c;
}

int largeur_zoom(int w0, int cible, int pas, int i) {
    // Extended precision, as the width was always computed; nearbyint rounds halves to even.
    const long double d = static_cast<long double>(cible - w0) / pas * i;
    return w0 + static_cast<int>(std::nearbyint(d));
}

std::vector<int> largeurs_zoom(int w0, int sw, int zoom_max10, int pas) {
    std::vector<int> r;
    if (pas < 1) return r;  // no step count, no zoom: the waits alone run
    const int cible = static_cast<int>(int64_t{sw} * zoom_max10 / 10);
    // The first two passes show the start width; the last is one step short of the target.
    int w = w0;
    for (int i = 0; cible > w && i <= PAS_ZOOM_MAX; ++i) {
        r.push_back(w);
        w = largeur_zoom(w0, cible, pas, i);
    }
    return r;
}

int effet_retenu(int choix) { return choix >= 0 && choix <= 5 ? choix : 0; }

Taille taille_copie(Taille ecran, Taille image, const ReglagesEffet& r) {
    if (image.largeur <= 0 || image.hauteur <= 0) return {};
    const int effet = effet_retenu(r.effet);
    const Cadre ajuste = cadre_ajuste(ecran, image);
    const Cadre rempli = cadre_rempli(ecran, image, r.haut);
    int largeur = effet == 0 || effet == 3 || effet == 4 ? ajuste.largeur : rempli.largeur;
    if (effet >= 3) {
        const std::vector<int> zoom = largeurs_zoom(largeur, ecran.largeur, r.zoom_max10, r.inc_dx);
        if (!zoom.empty()) largeur = std::max(largeur, zoom.back());
    }
    largeur = std::clamp(largeur, 1, image.largeur);
    const int hauteur = std::clamp(produit_sur(largeur, image.hauteur, image.largeur), 1, image.hauteur);
    return {largeur, hauteur};
}

}  // namespace nocturo
