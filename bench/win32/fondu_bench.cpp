// Crossfades painted by the real window at 1920 x 1080, paced as the show paces them, under
// Wine or Windows. It prints figures and asserts nothing.
//   fondu_bench.exe [fades, default 100] [frames a fade, default 36]
// Two ready copies of about the screen's size, a landscape and a portrait each fitted, the
// one fading into the other and back, with the show's captions on top. A frame is timed
// from the control's change to the end of the message pump, where the window paints and
// Wine copies it to the screen; a frame is late when it comes more than 4 ms after the
// refresh it was due at. The first frame of a fade (both layers composed) and the frame that
// ends it (the plain picture again) are counted apart from the mixes in between; as many
// frames with nothing to paint, before and after, say how late the machine alone makes them.
#include "plateforme/win32/win32.h"
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "forme/controles.h"
#include "plateforme/win32/cadence.h"
#include "plateforme/win32/fenetre.h"
#include "plateforme/win32/melange.h"
#include "plateforme/win32/plateforme_win32.h"
#include "show/geometrie.h"

using namespace nocturo;
using namespace nocturo::win32;

namespace {

using Montre = std::chrono::steady_clock;
constexpr Taille ECRAN{1920, 1080};
constexpr double RETARD_MS = 4.0;

double ms_entre(Montre::time_point a, Montre::time_point b) {
    return std::chrono::duration<double, std::milli>(b - a).count();
}

void resume(const char* quoi, std::vector<double> v) {
    if (v.empty()) return;
    std::sort(v.begin(), v.end());
    std::printf("%-44s %6zu  %6.2f %6.2f %6.2f %6.2f ms\n", quoi, v.size(), v.front(), v[v.size() / 2],
                v[std::min(v.size() - 1, v.size() * 99 / 100)], v.back());
}

// A photo's worth of detail, so that no stage has it easy: gradients and grain.
std::shared_ptr<const ImagePrete> copie(int largeur, int hauteur, uint32_t graine) {
    Pixels p;
    p.largeur = largeur;
    p.hauteur = hauteur;
    p.bgra.resize(static_cast<size_t>(largeur) * hauteur);
    uint32_t x = graine;
    for (int j = 0; j < hauteur; ++j)
        for (int i = 0; i < largeur; ++i) {
            x = x * 1664525u + 1013904223u;
            const uint32_t grain = x >> 28;
            const uint32_t r = (i * 255 / largeur + grain) & 0xFF, v = (j * 255 / hauteur + grain) & 0xFF,
                           b = ((i + j) * 127 / (largeur + hauteur) + graine) & 0xFF;
            p.bgra[static_cast<size_t>(j) * largeur + i] = r << 16 | v << 8 | b;
        }
    auto image = std::make_shared<ImagePrete>(preparer_niveaux(std::move(p)));
    image->propre = {largeur, hauteur};
    return image;
}

struct Photo {
    std::shared_ptr<const ImagePrete> image;
    Bornes bornes;
};

Photo ajustee(std::shared_ptr<const ImagePrete> image) {
    const Cadre c = cadre_ajuste(ECRAN, image->propre);
    return {std::move(image), {c.gauche, c.haut, c.largeur, c.hauteur}};
}

double memoire_mo() {
    PROCESS_MEMORY_COUNTERS m{};
    m.cb = sizeof m;
    GetProcessMemoryInfo(GetCurrentProcess(), &m, sizeof m);
    return static_cast<double>(m.WorkingSetSize) / (1024.0 * 1024.0);
}

}  // namespace

int main(int argc, char** argv) {
    const int fondus = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100;
    const int images = argc > 2 ? std::max(2, std::atoi(argv[2])) : 36;
    demarrer_gdiplus();
    PlateformeWin32 p;

    Forme forme;
    forme.bornes = {0, 0, ECRAN.largeur, ECRAN.hauteur};
    forme.couleur = NOIR;
    Image image(forme, "Image2");
    image.etirer = true;
    // The show's captions, with their dark edge.
    Label legende(forme, Genre::Label, "Label1"), annee(forme, Genre::Label, "Label_an");
    legende.definir_bornes(24, 8, 279, 39);
    legende.definir_legende("Vacances 2019, la plage au matin");
    legende.definir_police({"Script", 35, false, JAUNE, true});
    annee.definir_bornes(1463, 0, 185, 75);
    annee.definir_legende("2019");
    annee.definir_police({"Arial", 67, false, JAUNE, true});
    annee.definir_aligne_droite(true);
    Rappels r;
    r.executer = [](const Gestionnaire& g) { g(); };
    FenetreForme f(forme, StyleFenetre::plein_ecran, std::move(r));
    p.synchroniser = [&] { f.synchroniser(); };
    f.afficher();
    RECT client;
    GetClientRect(f.poignee(), &client);

    // A landscape and a portrait copy a little larger than they show, as the show keeps them.
    const Photo photos[2] = {ajustee(copie(1920, 1280, 7)), ajustee(copie(1280, 1920, 90))};
    const auto montrer = [&](const Photo& ph) {
        image.definir_image(ph.image);
        image.definir_bornes(ph.bornes.gauche, ph.bornes.haut, ph.bornes.largeur, ph.bornes.hauteur);
    };
    montrer(photos[0]);
    for (int i = 0; i < 10; ++i) {
        p.traiter_messages();
        p.attendre_rafraichissement();
    }

    Cadence cadence;
    const double periode = cadence.periode_ms();
    std::printf("fenetre %ldx%ld, %d fondus de %d images, attente : %s, periode %.2f ms\n", client.right,
                client.bottom, fondus, images, cadence.compositeur() ? "DwmFlush" : "frontiere de periode", periode);
    {
        // The mix alone, for scale.
        std::vector<uint32_t> a(static_cast<size_t>(ECRAN.largeur) * ECRAN.hauteur, 0x102030),
            b(a.size(), 0x405060), s(a.size());
        std::vector<double> t;
        for (int i = 0; i < 50; ++i) {
            const auto debut = Montre::now();
            melanger(a.data(), b.data(), s.data(), s.size(), i * 5);
            t.push_back(ms_entre(debut, Montre::now()));
        }
        std::printf("%-44s %6s  %6s %6s %6s %6s\n", "", "images", "min", "mediane", "99e", "max");
        resume("melange seul de 1920x1080", t);
    }
    const double memoire_avant = memoire_mo();
    const auto a_vide = [&] {
        int retards = 0;
        p.attendre_rafraichissement();
        auto avant = Montre::now();
        for (int i = 0; i < fondus * (images + 1); ++i) {
            p.traiter_messages();
            p.attendre_rafraichissement();
            const auto maintenant = Montre::now();
            retards += ms_entre(avant, maintenant) > periode + RETARD_MS;
            avant = maintenant;
        }
        return retards;
    };
    const int retards_a_vide_avant = a_vide();

    std::vector<double> premieres, milieux, dernieres, intervalles;
    int retards = 0, retards_premiere = 0, retards_derniere = 0;
    p.attendre_rafraichissement();
    auto avant = Montre::now();
    const auto image_suivante = [&](std::vector<double>& temps, int& retard_ici) {
        const auto debut = Montre::now();
        p.traiter_messages();
        temps.push_back(ms_entre(debut, Montre::now()));
        p.attendre_rafraichissement();
        const auto maintenant = Montre::now();
        const double intervalle = ms_entre(avant, maintenant);
        intervalles.push_back(intervalle);
        if (intervalle > periode + RETARD_MS) {
            ++retards;
            ++retard_ici;
        }
        avant = maintenant;
    };
    int sans_objet = 0;
    for (int n = 0; n < fondus; ++n) {
        const Photo& de = photos[n % 2];
        const Photo& vers = photos[(n + 1) % 2];
        for (int k = 1; k <= images; ++k) {
            if (k == 1) montrer(vers);
            image.definir_fondu(Image::Fondu{de.image, de.bornes, k * 255 / images});
            image_suivante(k == 1 ? premieres : milieux, k == 1 ? retards_premiere : sans_objet);
        }
        image.definir_fondu(std::nullopt);
        image_suivante(dernieres, retards_derniere);
    }
    std::printf("%-44s %6s  %6s %6s %6s %6s\n", "jusqu'a la fin de la pompe des messages", "images", "min",
                "mediane", "99e", "max");
    resume("premiere image d'un fondu (couches faites)", premieres);
    resume("image de melange", milieux);
    resume("image qui finit le fondu (image seule)", dernieres);
    resume("intervalle entre deux images", intervalles);
    std::printf("images en retard de plus de %.0f ms : %d sur %zu (%d premieres, %d dernieres)\n", RETARD_MS, retards,
                intervalles.size(), retards_premiere, retards_derniere);
    const int retards_a_vide_apres = a_vide();
    std::printf("sans rien peindre, autant d'images avant et apres : %d et %d en retard\n", retards_a_vide_avant,
                retards_a_vide_apres);
    std::printf("memoire de travail avant / apres les fondus : %.0f / %.0f Mo\n", memoire_avant, memoire_mo());
    arreter_gdiplus();
    return 0;
}
