// Timings of the picture path on one large JPEG, run under Wine or Windows by
// scripts/bench_images.sh. It prints figures and asserts nothing.
//   images_bench.exe <photo.jpg> [runs]
// (a) WIC alone: decoder, converter to 32-bit, CopyPixels into a buffer made beforehand
//     (then into a new one each time);
// (b) the platform's decoder at the size a 1920 x 1080 fill needs and at the zoom's target;
// (c) the whole ready copy (decode, turn and filter, levels) for those two sizes;
// (d) one 1920 x 1080 frame of the zoom painted by the window, up to the message pump;
// (e) 251 frames paced by attendre_rafraichissement, bare and with the zoom painted.
#include <ole2.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "forme/controles.h"
#include "plateforme/win32/cadence.h"
#include "plateforme/win32/fenetre.h"
#include "plateforme/win32/plateforme_win32.h"
#include "plateforme/win32/texte_win32.h"
#include "plateforme/win32/wic.h"
#include "show/chargement.h"
#include "show/geometrie.h"

#include "decodage_nu.h"

using namespace nocturo;
using namespace nocturo::win32;

namespace {

using Horloge = std::chrono::steady_clock;
constexpr Taille ECRAN{1920, 1080};

double ms_depuis(Horloge::time_point debut) {
    return std::chrono::duration<double, std::milli>(Horloge::now() - debut).count();
}

double mediane(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

double quantile(std::vector<double> v, double q) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, static_cast<size_t>(q * static_cast<double>(v.size())))];
}

// The median of `n` runs of `f`, in milliseconds; negative when a run failed.
double mesurer(int n, const std::function<bool()>& f) {
    std::vector<double> temps;
    for (int i = 0; i < n; ++i) {
        const auto debut = Horloge::now();
        if (!f()) return -1;
        temps.push_back(ms_depuis(debut));
    }
    return mediane(temps);
}

void ligne(const char* quoi, double ms, double reference) {
    if (ms < 0)
        std::printf("%-52s   echec\n", quoi);
    else if (reference > 0)
        std::printf("%-52s %8.1f ms  %5.2f x (a)\n", quoi, ms, ms / reference);
    else
        std::printf("%-52s %8.1f ms\n", quoi, ms);
    std::fflush(stdout);
}

// A frame of the zoom as the show makes it: the control moved, then the message pump,
// where the window paints and Wine copies it to the screen.
void image_suivante(Image& image, FenetreForme& f, Taille propre, int largeur) {
    const Cadre c = cadre_zoom(ECRAN, propre, largeur, 100);
    image.definir_bornes(c.gauche, c.haut, c.largeur, c.hauteur);
    f.synchroniser();
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

void mesurer_peinture(PlateformeWin32& p, std::shared_ptr<const ImagePrete> copie) {
    Forme forme;
    forme.bornes = {0, 0, ECRAN.largeur, ECRAN.hauteur};
    forme.couleur = NOIR;
    Image image(forme, "Image2");
    image.etirer = true;
    image.definir_image(copie);
    Rappels r;
    r.executer = [](const Gestionnaire& g) { g(); };
    FenetreForme f(forme, StyleFenetre::plein_ecran, std::move(r));
    f.afficher();
    const Taille propre = copie->propre;
    const int depart = cadre_rempli(ECRAN, propre, 100).largeur;
    const std::vector<int> largeurs = largeurs_zoom(depart, ECRAN.largeur, 16, 250);
    std::vector<double> temps;
    for (const int w : largeurs) {
        const auto debut = Horloge::now();
        image_suivante(image, f, propre, w);
        temps.push_back(ms_depuis(debut));
    }
    std::printf("(d) image de zoom 1920x1080 peinte, %zu images       %8.1f ms mediane, %.1f ms au 95e centile, "
                "%.1f ms au pire\n",
                temps.size(), mediane(temps), quantile(temps, 0.95), quantile(temps, 1.0));

    Cadence cadence;
    std::printf("    attente : %s, periode %.2f ms, minuterie %s\n",
                cadence.compositeur() ? "DwmFlush" : "frontiere de periode", cadence.periode_ms(),
                cadence.haute_resolution() ? "haute resolution" : "ordinaire + timeBeginPeriod(1)");
    p.attendre_rafraichissement();
    auto debut = Horloge::now();
    for (int i = 0; i < 250; ++i) p.attendre_rafraichissement();
    ligne("(e) 251 images cadencees, sans rien peindre", ms_depuis(debut), 0);
    p.attendre_rafraichissement();
    debut = Horloge::now();
    int retards = 0;
    auto avant = debut;
    for (size_t i = 0; i < 250; ++i) {
        image_suivante(image, f, propre, largeurs[i % largeurs.size()]);
        p.attendre_rafraichissement();
        const auto maintenant = Horloge::now();
        // A frame that took more than a period and a half missed a refresh.
        if (std::chrono::duration<double, std::milli>(maintenant - avant).count() > 1.5 * cadence.periode_ms())
            ++retards;
        avant = maintenant;
    }
    ligne("(e) 251 images cadencees du zoom peint", ms_depuis(debut), 0);
    std::printf("    images en retard d'un rafraichissement ou plus : %d sur 250\n", retards);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage : images_bench <photo.jpg> [passes]\n");
        return 2;
    }
    OleInitialize(nullptr);
    demarrer_gdiplus();
    const std::string chemin = argv[1];
    const std::wstring nom = large(chemin);
    const int n = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    PlateformeWin32 p;

    Taille propre{};
    Pixels essai;
    // Asked small: a picture over PIXELS_MAX is refused whole, and shown through a copy.
    if (p.decoder(chemin, FormatImage::jpeg, [&](Taille t) { propre = t; return Demande{{1, 1}, 1}; }, essai) !=
        IssueDecodage::decodee) {
        std::fprintf(stderr, "%s : illisible\n", chemin.c_str());
        return 1;
    }
    essai = {};
    std::printf("%s : %dx%d, %d passes, mediane\n", chemin.c_str(), propre.largeur, propre.hauteur, n);
    std::vector<uint32_t> tampon(static_cast<size_t>(propre.largeur) * static_cast<size_t>(propre.hauteur));
    const double a = mesurer(n, [&] { return decoder_nu(nom, tampon); });
    ligne("(a) WIC seul : decodeur, convertisseur 32 bits, copie", a, 0);
    // What a fresh picture's memory adds: the system hands out and zeroes 96 MB each time.
    const double a_neuf = mesurer(n, [&] {
        tampon = std::vector<uint32_t>(static_cast<size_t>(propre.largeur) * static_cast<size_t>(propre.hauteur));
        return decoder_nu(nom, tampon);
    });
    tampon = {};
    ligne("    le meme dans une memoire neuve", a_neuf, a);

    const ReglagesEffet remplir{1, 16, 250, 100}, zoomer{5, 16, 250, 100};
    const Taille pour_remplir = taille_copie(ECRAN, propre, remplir), pour_zoomer = taille_copie(ECRAN, propre, zoomer);
    for (const auto& [quoi, cible] : {std::pair{"remplissage", pour_remplir}, std::pair{"zoom", pour_zoomer}}) {
        const double ms = mesurer(n, [&, cible = cible] {
            Pixels sortie;
            return p.decoder(chemin, FormatImage::jpeg, [&](Taille) { return Demande{cible, 1}; }, sortie) ==
                   IssueDecodage::decodee;
        });
        ligne(("(b) decodeur pour le " + std::string(quoi) + " " + std::to_string(cible.largeur) + "x" +
               std::to_string(cible.hauteur)).c_str(),
              ms, a);
    }
    {
        // The decoder handed the same picture each time, as a caller that keeps its buffer.
        Pixels gardee;
        const double ms = mesurer(n, [&] {
            return p.decoder(chemin, FormatImage::jpeg, [&](Taille) { return Demande{pour_zoomer, 1}; }, gardee) ==
                   IssueDecodage::decodee;
        });
        ligne("    le meme dans la memoire du decodage precedent", ms, a);
    }
    std::shared_ptr<const ImagePrete> copie_zoom;
    for (const auto& [quoi, cible] : {std::pair{"remplissage", pour_remplir}, std::pair{"zoom", pour_zoomer}}) {
        const double ms = mesurer(n, [&, cible = cible] {
            const Chargement c = charger_copie(chemin, [&](Taille) { return cible; }, p, p);
            if (cible == pour_zoomer) copie_zoom = c.image;
            return c.issue == IssueChargement::image;
        });
        ligne(("(c) copie prete pour le " + std::string(quoi) + " " + std::to_string(cible.largeur) + "x" +
               std::to_string(cible.hauteur)).c_str(),
              ms, a);
    }
    if (copie_zoom) mesurer_peinture(p, copie_zoom);
    arreter_gdiplus();
    OleUninitialize();
    return 0;
}
