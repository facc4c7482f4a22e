// The picture control painted by the real window: a picture whose every pixel says where it
// comes from (red = x, green = y, blue = 0x80), shown at bounds inside, across and outside
// the screen, then read back from the window. Each screen pixel inside the bounds must come
// from the right place of the picture, with no gap at the edges, and each one outside must
// be the form's colour. The clipping arithmetic is also swept on its own. Then a crossfade:
// a green picture into a blue one, overlapping, over a coloured window, with a caption on
// top; each pixel must be the mix of the two layers at the fade's point, the caption whole.
// One line a case; the exit code is 1 when any case differs.
#include <cmath>
#include <cstdio>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "forme/controles.h"
#include "plateforme/win32/dessin_image.h"
#include "plateforme/win32/fenetre.h"
#include "plateforme/win32/poignees.h"
#include "plantage.h"

using namespace nocturo;
using namespace nocturo::win32;

namespace {

constexpr int COTE_X = 256, COTE_Y = 160;  // coordinates fit in one byte each
constexpr uint32_t FOND = 0x800000;         // the form's colour, read back as 0xRRGGBB

int echecs = 0;

void ligne(bool bon, const std::string& quoi, const std::string& detail) {
    std::printf("%-6s %s%s%s\n", bon ? "ok" : "ECHEC", quoi.c_str(), detail.empty() ? "" : " : ", detail.c_str());
    std::fflush(stdout);
    echecs += bon ? 0 : 1;
}

// --- The arithmetic alone ---------------------------------------------------------------

struct CasCadrage {
    const char* nom;
    int source;                 // source pixels on the axis
    int debut, longueur;        // where they are stretched on screen
    int vu_debut, vu_fin;       // what the screen shows
    bool vide;
    int ecran_debut, ecran_fin, source_debut, source_fin;
};

const CasCadrage CAS_CADRAGE[] = {
    {"entiere a l'ecran", 50, 10, 100, 0, 1920, false, 10, 110, 0, 50},
    {"zoom plus large que l'ecran", 3072, -500, 2920, 0, 1920, false, -1, 1920, 526, 2546},
    {"agrandie, coupee a droite", 10, 0, 100, 0, 55, false, 0, 60, 0, 6},
    {"a gauche de l'ecran", 100, -300, 300, 0, 1920, true, 0, 0, 0, 0},
    {"touche le bord sans entrer", 100, 1920, 300, 0, 1920, true, 0, 0, 0, 0},
};

void essayer_cadrage_table() {
    for (const CasCadrage& c : CAS_CADRAGE) {
        const auto k = cadrer({c.source, 1}, RECT{c.debut, 0, c.debut + c.longueur, 1}, RECT{c.vu_debut, 0, c.vu_fin, 1});
        bool bon;
        char detail[128] = "";
        if (c.vide) {
            bon = !k;
        } else {
            bon = k && k->ecran.left == c.ecran_debut && k->ecran.right == c.ecran_fin &&
                  k->source.left == c.source_debut && k->source.right == c.source_fin;
            if (k)
                std::snprintf(detail, sizeof detail, "ecran [%ld, %ld) source [%ld, %ld)", k->ecran.left,
                              k->ecran.right, k->source.left, k->source.right);
        }
        ligne(bon, std::string("cadrage ") + c.nom, bon ? "" : (k ? detail : "rien"));
    }
}

// Random axes: the screen span covers what shows, passes it by less than a source pixel,
// and its ends sit where the exact scale puts its source pixels, within a screen pixel.
void essayer_cadrage_au_hasard() {
    std::mt19937 hasard(12345);
    int fautes = 0;
    std::string premiere;
    for (int i = 0; i < 200000 && fautes < 5; ++i) {
        const int source = std::uniform_int_distribution<int>(1, 5000)(hasard);
        const int longueur = std::uniform_int_distribution<int>(1, 8000)(hasard);
        const int debut = std::uniform_int_distribution<int>(-8000, 2000)(hasard);
        const int vu_fin = std::uniform_int_distribution<int>(1, 2000)(hasard);
        const auto k = cadrer({source, 1}, RECT{debut, 0, debut + longueur, 1}, RECT{0, 0, vu_fin, 1});
        const long a = std::max(debut, 0), b = std::min(debut + longueur, vu_fin);
        const double pas = static_cast<double>(longueur) / source;  // screen pixels a source pixel
        bool bon;
        if (a >= b) {
            bon = !k;
        } else {
            bon = k && k->source.left >= 0 && k->source.right <= source && k->source.left < k->source.right &&
                  k->ecran.left <= a && k->ecran.right >= b && a - k->ecran.left < pas + 1 &&
                  k->ecran.right - b < pas + 1 &&
                  std::fabs(k->ecran.left - (debut + k->source.left * pas)) < 1.0 &&
                  std::fabs(k->ecran.right - (debut + k->source.right * pas)) < 1.0;
        }
        if (!bon && fautes++ == 0)
            premiere = "source " + std::to_string(source) + " sur [" + std::to_string(debut) + ", +" +
                       std::to_string(longueur) + ") vu [0, " + std::to_string(vu_fin) + ")";
    }
    ligne(fautes == 0, "cadrage 200000 axes au hasard", premiere);
}

// --- The window -------------------------------------------------------------------------

std::shared_ptr<const ImagePrete> image_reperee() {
    Pixels p;
    p.largeur = COTE_X;
    p.hauteur = COTE_Y;
    p.bgra.resize(static_cast<size_t>(COTE_X) * COTE_Y);
    for (int y = 0; y < COTE_Y; ++y)
        for (int x = 0; x < COTE_X; ++x)
            p.bgra[static_cast<size_t>(y) * COTE_X + x] = static_cast<uint32_t>(x) << 16 | static_cast<uint32_t>(y) << 8 | 0x80;
    return std::make_shared<ImagePrete>(preparer_niveaux(std::move(p)));
}

struct CasFenetre {
    const char* nom;
    int largeur_fenetre, hauteur_fenetre;
    Bornes bornes;
    bool etirer;
};

const CasFenetre CAS_FENETRE[] = {
    {"au milieu", 320, 200, {40, 30, 200, 125}, true},
    {"reduite de moitie et plus", 320, 200, {100, 60, 100, 62}, true},
    {"zoom qui deborde de tous les cotes", 320, 200, {-150, -100, 620, 400}, true},
    {"remplissage plus haut que l'ecran", 320, 200, {20, -60, 280, 320}, true},
    {"presque toute a gauche de l'ecran", 320, 200, {-250, 10, 256, 160}, true},
    {"a droite hors de l'ecran", 320, 200, {320, 0, 256, 160}, true},
    {"minuscule", 320, 200, {3, 4, 7, 5}, true},
    {"non etiree, coupee par ses bornes", 320, 200, {10, 10, 100, 50}, false},
    // The memory picture follows the window's size.
    {"fenetre plus petite, zoom", 200, 120, {-37, -21, 333, 209}, true},
    {"fenetre plus grande, au bord", 400, 260, {0, 0, 400, 260}, true},
};

// The window's client area as 0xRRGGBB, top row first.
std::vector<uint32_t> lire_fenetre(HWND h, int largeur, int hauteur) {
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof bi.bmiHeader, largeur, -hauteur, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    DcMemoire mem(CreateCompatibleDC(nullptr));
    Bitmap dib(CreateDIBSection(mem.get(), &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    std::vector<uint32_t> r(static_cast<size_t>(largeur) * hauteur);
    if (!dib) return r;
    {
        Selection s(mem.get(), dib.get());
        DcFenetre dc(h);
        BitBlt(mem.get(), 0, 0, largeur, hauteur, dc.get(), 0, 0, SRCCOPY);
        GdiFlush();
    }
    const auto* p = static_cast<const uint32_t*>(bits);
    for (size_t i = 0; i < r.size(); ++i) r[i] = p[i] & 0xFFFFFF;
    return r;
}

// What is wrong with screen pixel (x, y); empty when right.
std::string ecart_pixel(const CasFenetre& c, const ImagePrete& image, int x, int y, uint32_t lu) {
    const Bornes& b = c.bornes;
    const int largeur = c.etirer ? b.largeur : COTE_X, hauteur = c.etirer ? b.hauteur : COTE_Y;
    const bool dedans = x >= b.gauche && x < b.gauche + std::min(b.largeur, largeur) && y >= b.haut &&
                        y < b.haut + std::min(b.hauteur, hauteur);
    char texte[160];
    if (!dedans) {
        if (lu == FOND) return {};
        std::snprintf(texte, sizeof texte, "(%d, %d) hors de l'image : %06X au lieu du fond", x, y, lu);
        return texte;
    }
    // Where the exact scale takes this pixel from, in the full picture's pixels; a level
    // pixel stands for several of them, and the screen may be off by one of its own.
    const double ux = (x + 0.5 - b.gauche) * COTE_X / largeur, uy = (y + 0.5 - b.haut) * COTE_Y / hauteur;
    const Pixels& niveau = c.etirer ? image.niveau_pour(b.largeur) : image.niveaux.front();
    const double jeu_x = c.etirer ? static_cast<double>(COTE_X) / niveau.largeur + static_cast<double>(COTE_X) / largeur : 0.0;
    const double jeu_y = c.etirer ? static_cast<double>(COTE_Y) / niveau.hauteur + static_cast<double>(COTE_Y) / hauteur : 0.0;
    const int rx = static_cast<int>(lu >> 16), ry = static_cast<int>((lu >> 8) & 0xFF);
    if ((lu & 0xFF) == 0x80 && std::fabs(rx + 0.5 - ux) <= jeu_x + 0.5 && std::fabs(ry + 0.5 - uy) <= jeu_y + 0.5)
        return {};
    std::snprintf(texte, sizeof texte, "(%d, %d) montre %06X, attendu l'image vers (%.1f, %.1f)", x, y, lu, ux, uy);
    return texte;
}

void essayer_fenetre() {
    Forme forme;
    forme.bornes = {0, 0, CAS_FENETRE[0].largeur_fenetre, CAS_FENETRE[0].hauteur_fenetre};
    forme.couleur = 0x000080;  // GDI's 0x00BBGGRR: reads back as FOND
    Image image(forme, "Image2");
    const std::shared_ptr<const ImagePrete> reperee = image_reperee();
    image.definir_image(reperee);
    Rappels r;
    r.executer = [](const Gestionnaire& g) { g(); };
    FenetreForme f(forme, StyleFenetre::plein_ecran, std::move(r));
    f.afficher();
    for (const CasFenetre& c : CAS_FENETRE) {
        forme.bornes = {0, 0, c.largeur_fenetre, c.hauteur_fenetre};
        forme.modifiee();
        image.etirer = c.etirer;
        image.definir_bornes(c.bornes.gauche, c.bornes.haut, c.bornes.largeur, c.bornes.hauteur);
        f.repeindre(&image);
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        RECT client;
        GetClientRect(f.poignee(), &client);
        std::string ecart;
        if (client.right != c.largeur_fenetre || client.bottom != c.hauteur_fenetre) {
            ecart = "fenetre de " + std::to_string(client.right) + "x" + std::to_string(client.bottom);
        } else {
            const std::vector<uint32_t> pixels = lire_fenetre(f.poignee(), client.right, client.bottom);
            for (int y = 0; y < client.bottom && ecart.empty(); ++y)
                for (int x = 0; x < client.right && ecart.empty(); ++x)
                    ecart = ecart_pixel(c, *reperee, x, y, pixels[static_cast<size_t>(y) * client.right + x]);
        }
        ligne(ecart.empty(), std::string("fenetre ") + c.nom, ecart);
    }
}

// --- The crossfade ----------------------------------------------------------------------

constexpr uint32_t VERT = 0x00C000, BLEU = 0x0000E0, JAUNE_LU = 0xFFFF00;  // read back as 0xRRGGBB
constexpr uint32_t FOND_FONDU = 0x400000;
constexpr Bornes BORNES_AVANT{20, 20, 160, 120}, BORNES_MAINTENANT{100, 60, 180, 120};
// Over both pictures; the letters may pass the design's width, hence the margin.
constexpr Bornes BORNES_LEGENDE{110, 80, 60, 30};
constexpr int MARGE_LEGENDE = 6;

std::shared_ptr<const ImagePrete> image_unie(uint32_t rrggbb) {
    Pixels p;
    p.largeur = 48;
    p.hauteur = 32;
    p.bgra.assign(static_cast<size_t>(p.largeur) * p.hauteur, rrggbb);
    return std::make_shared<ImagePrete>(preparer_niveaux(std::move(p)));
}

enum class Avant { verte, aucune, sans_pixels };

struct CasFondu {
    const char* nom;
    int opacite;  // -1: the fade is over
    int largeur_fenetre, hauteur_fenetre;
    Avant avant;
    bool bleue_maintenant;
};

// One window through them all, in this order: the fade's layers outlive each case, so a
// change of size, a fade cut short or a picture missing meets the ones made before.
const CasFondu CAS_FONDU[] = {
    {"fondu au depart : la verte seule", 0, 320, 200, Avant::verte, true},
    {"fondu a mi-chemin : les deux melangees", 128, 320, 200, Avant::verte, true},
    {"fondu pres de la fin", 230, 320, 200, Avant::verte, true},
    {"fondu a mi-chemin, fenetre agrandie entre deux images", 128, 400, 260, Avant::verte, true},
    {"fondu a la fin : la bleue seule", 255, 400, 260, Avant::verte, true},
    {"fondu sans image d'avant : la bleue comme hors fondu", 128, 400, 260, Avant::aucune, true},
    {"fondu depuis une image sans pixels : la bleue comme hors fondu", 100, 320, 200, Avant::sans_pixels, true},
    {"fondu vers aucune image : le fond comme hors fondu", 128, 320, 200, Avant::verte, false},
    {"fondu a mi-chemin de nouveau", 128, 320, 200, Avant::verte, true},
    {"fondu interrompu : la bleue seule", -1, 320, 200, Avant::verte, true},
};

bool dans(const Bornes& b, int x, int y, int marge = 0) {
    return x >= b.gauche - marge && x < b.gauche + b.largeur + marge && y >= b.haut - marge &&
           y < b.haut + b.hauteur + marge;
}

uint32_t melange(uint32_t u, uint32_t v, int o) {
    uint32_t r = 0;
    for (int decalage = 0; decalage < 24; decalage += 8) {
        const uint32_t a = (u >> decalage) & 0xFF, b = (v >> decalage) & 0xFF;
        r |= static_cast<uint32_t>(std::lround((a * (255.0 - o) + b * o) / 255.0)) << decalage;
    }
    return r;
}

bool proche(uint32_t u, uint32_t v) {
    for (int decalage = 0; decalage < 24; decalage += 8)
        if (std::abs(static_cast<int>((u >> decalage) & 0xFF) - static_cast<int>((v >> decalage) & 0xFF)) > 2)
            return false;
    return true;
}

std::string essayer_un_fondu(const CasFondu& c, const std::vector<uint32_t>& pixels, int largeur, int hauteur) {
    const bool fondu = c.opacite >= 0 && c.avant == Avant::verte && c.bleue_maintenant;
    char texte[200];
    int jaunes = 0, noirs = 0;
    for (int y = 0; y < hauteur; ++y)
        for (int x = 0; x < largeur; ++x) {
            const uint32_t lu = pixels[static_cast<size_t>(y) * largeur + x];
            if (dans(BORNES_LEGENDE, x, y, MARGE_LEGENDE)) {
                jaunes += lu == JAUNE_LU;
                noirs += lu == 0;
                continue;
            }
            const uint32_t maintenant = c.bleue_maintenant && dans(BORNES_MAINTENANT, x, y) ? BLEU : FOND_FONDU;
            const uint32_t avant = !fondu ? maintenant : dans(BORNES_AVANT, x, y) ? VERT : FOND_FONDU;
            const uint32_t attendu = melange(avant, maintenant, fondu ? c.opacite : 255);
            if (!proche(lu, attendu)) {
                std::snprintf(texte, sizeof texte, "(%d, %d) montre %06X au lieu de %06X", x, y, lu, attendu);
                return texte;
            }
        }
    // Letters in their own colour and their dark edge, neither of which any mix gives.
    if (jaunes < 20 || noirs < 20) {
        std::snprintf(texte, sizeof texte, "legende pale : %d pixels jaunes et %d noirs", jaunes, noirs);
        return texte;
    }
    return {};
}

void essayer_fondu() {
    Forme forme;
    forme.bornes = {0, 0, CAS_FONDU[0].largeur_fenetre, CAS_FONDU[0].hauteur_fenetre};
    forme.couleur = 0x000040;  // reads back as FOND_FONDU
    Image image(forme, "Image2");
    image.etirer = true;
    Label legende(forme, Genre::Label, "Label1");
    legende.definir_bornes(BORNES_LEGENDE.gauche, BORNES_LEGENDE.haut, BORNES_LEGENDE.largeur, BORNES_LEGENDE.hauteur);
    legende.definir_legende("Wm");
    legende.definir_police({"Arial", 24, true, JAUNE, true});
    const std::shared_ptr<const ImagePrete> verte = image_unie(VERT), bleue = image_unie(BLEU),
                                            sans_pixels = std::make_shared<ImagePrete>();
    Rappels r;
    r.executer = [](const Gestionnaire& g) { g(); };
    FenetreForme f(forme, StyleFenetre::plein_ecran, std::move(r));
    f.afficher();
    for (const CasFondu& c : CAS_FONDU) {
        forme.bornes = {0, 0, c.largeur_fenetre, c.hauteur_fenetre};
        forme.modifiee();
        image.definir_image(c.bleue_maintenant ? bleue : nullptr);
        image.definir_bornes(BORNES_MAINTENANT.gauche, BORNES_MAINTENANT.haut, BORNES_MAINTENANT.largeur,
                             BORNES_MAINTENANT.hauteur);
        if (c.opacite < 0) {
            image.definir_fondu(std::nullopt);
        } else {
            const auto avant = c.avant == Avant::verte ? verte : c.avant == Avant::aucune ? nullptr : sans_pixels;
            image.definir_fondu(Image::Fondu{avant, BORNES_AVANT, c.opacite});
        }
        f.repeindre(&image);
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        RECT client;
        GetClientRect(f.poignee(), &client);
        std::string ecart;
        if (client.right != c.largeur_fenetre || client.bottom != c.hauteur_fenetre)
            ecart = "fenetre de " + std::to_string(client.right) + "x" + std::to_string(client.bottom);
        else
            ecart = essayer_un_fondu(c, lire_fenetre(f.poignee(), client.right, client.bottom), client.right,
                                     client.bottom);
        ligne(ecart.empty(), c.nom, ecart);
    }
}

}  // namespace

int main() {
    test::sortir_en_cas_de_plantage();
    essayer_cadrage_table();
    essayer_cadrage_au_hasard();
    essayer_fenetre();
    essayer_fondu();
    std::printf("%d echec(s)\n", echecs);
    return echecs ? 1 : 0;
}
