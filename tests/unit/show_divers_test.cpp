// The history's ring, the mouse rule, the levels of a ready picture, the scaling filter,
// whole or fed in bands.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "show/geometrie.h"
#include "show/historique.h"
#include "show/image_prete.h"
#include "show/orientation.h"
#include "show/reduction.h"
#include "show/souris.h"
#include "settings/donnees.h"
#include "sim/plateforme_simulee.h"

namespace nocturo::test {
namespace {

TEST(Historique, AjouteJusquALaCapaciteEnsuiteTourne) {
    Historique h;
    h.capacite = 3;
    for (const char* c : {"a", "b", "c"}) h.ajouter(c);
    EXPECT_EQ(h.lignes, (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(h.indice, 2);
    h.ecriture = -1;  // a new run of the show: the ring starts again at the first line
    EXPECT_EQ(h.ajouter("d"), 0);
    EXPECT_EQ(h.ajouter("e"), 1);
    EXPECT_EQ(h.ajouter("f"), 2);
    EXPECT_EQ(h.ajouter("g"), 0);
    EXPECT_EQ(h.lignes, (std::vector<std::string>{"g", "e", "f"}));
    EXPECT_EQ(h.indice, 0);
    // What is kept for the next run is the newest, in the order shown.
    EXPECT_EQ(std::vector<std::string>(h.recentes.end() - 3, h.recentes.end()),
              (std::vector<std::string>{"e", "f", "g"}));
    for (int i = 0; i < 400; ++i) h.ajouter(std::to_string(i));
    EXPECT_EQ(h.recentes.size(), 300u);
    EXPECT_EQ(h.recentes.front(), "100");
    EXPECT_EQ(h.recentes.back(), "399");
    EXPECT_EQ(dernieres_lignes({"1", "2", "3"}, 2), (std::vector<std::string>{"2", "3"}));
    EXPECT_EQ(dernieres_lignes({"1"}, 300), (std::vector<std::string>{"1"}));
}

TEST(Historique, SonFichierGardeLesNomsDeTouteEcriture) {
    PlateformeSimulee m;
    m.creer_repertoire_complet("C:\\Nocturo");
    const std::vector<std::string> francais = {"C:\\Photos\\Été\\a.jpg", "C:\\Photos\\" + std::string(120, 'n') + ".jpg"};
    const std::vector<std::string> monde = {"C:\\Фото\\Прогулка.jpg", "C:\\東京\\🎂.png"};
    for (const auto* lignes : {&francais, &monde}) {
        Historique h;
        for (const std::string& l : *lignes) h.ajouter(l);
        ecrire_historique(m, h);
        // Windows-1252 as before when it can, so that an earlier version reads it too.
        EXPECT_EQ(m.contenu(FICHIER_HISTORIQUE).starts_with("\xEF\xBB\xBF"), lignes == &monde);
        Historique relu;
        ASSERT_TRUE(lire_historique(m, relu));
        EXPECT_EQ(relu.lignes, *lignes);
    }
}

TEST(Souris, VitesseLateraleSeulement) {
    const double tic = 0.2 / 86400;  // 200 ms in days
    const struct {
        int x, x_prec;
        double dt;
        bool au_dela_de_100;
    } cas[] = {
        {300, 0, tic, true},    // 300 pixels in 200 ms
        {231, 0, tic, false},   // 99.8 pixels per 86.4 ms
        {232, 0, tic, true},
        {0, 232, tic, true},    // either way
        {500, 0, 5 * tic, false},  // a long gap between ticks lowers the speed
        {5000, 0, 0, false},       // two readings in one instant: never a division by zero
    };
    for (const auto& c : cas)
        EXPECT_EQ(vitesse_souris(c.x, c.x_prec, 46000 + c.dt, 46000) > 100, c.au_dela_de_100) << c.x << " " << c.dt;
}

Pixels uni(int l, int h, uint32_t couleur) {
    Pixels p;
    p.largeur = l;
    p.hauteur = h;
    p.bgra.assign(static_cast<size_t>(l) * static_cast<size_t>(h), couleur);
    return p;
}

TEST(Niveaux, MoitiesJusquAQuelquesDizainesDePixels) {
    const ImagePrete i = preparer_niveaux(uni(1000, 600, 0xFF102030));
    ASSERT_EQ(i.niveaux.size(), 5u);  // 1000, 500, 250, 125, 62 wide; 31 would be too small
    EXPECT_EQ(i.niveaux[1].largeur, 500);
    EXPECT_EQ(i.niveaux[4].hauteur, 37);
    EXPECT_EQ(i.niveaux[4].bgra[0], 0xFF102030u);
    // The level drawn from is between once and twice the width on screen.
    EXPECT_EQ(i.niveau_pour(600).largeur, 1000);
    EXPECT_EQ(i.niveau_pour(500).largeur, 500);
    EXPECT_EQ(i.niveau_pour(126).largeur, 250);
    EXPECT_EQ(i.niveau_pour(20).largeur, 62);
    EXPECT_EQ(i.niveau_pour(3000).largeur, 1000);  // larger than the copy: the copy
    EXPECT_EQ(ImagePrete{}.niveau_pour(10).largeur, 0);
}

TEST(Reduction, MoyenneDesSurfacesCouvertes) {
    // Two by two to one: the mean. Three to two: each output takes one pixel and a half.
    Pixels p = uni(2, 2, 0);
    p.bgra = {0xFF000000, 0xFF0000FF, 0xFF00FF00, 0xFFFF0000};
    EXPECT_EQ(reduire_et_tourner(p, 1, {1, 1}).bgra, std::vector<uint32_t>{0xFF404040});

    Pixels ligne = uni(3, 1, 0);
    ligne.bgra = {0xFF000000, 0xFF000090, 0xFF0000F0};
    EXPECT_EQ(reduire_et_tourner(ligne, 1, {2, 1}).bgra, (std::vector<uint32_t>{0xFF000030, 0xFF0000D0}));

    // A uniform picture stays uniform at any ratio; a size above the source's is brought
    // down to it.
    for (const Taille cible : {Taille{997, 331}, Taille{1, 1}, Taille{6000, 5000}}) {
        const Pixels r = reduire_et_tourner(uni(1200, 800, 0xFF7F3FC8), 6, cible);
        ASSERT_FALSE(r.vide());
        EXPECT_LE(r.largeur, 800);
        EXPECT_LE(r.hauteur, 1200);
        EXPECT_EQ(std::count(r.bgra.begin(), r.bgra.end(), 0xFF7F3FC8u), static_cast<long>(r.bgra.size()));
    }
    EXPECT_TRUE(reduire_et_tourner(Pixels{}, 1, {10, 10}).vide());
    EXPECT_TRUE(reduire_et_tourner(uni(4, 4, 0), 1, {0, 3}).vide());
}

// Noise of every channel, the same at each run.
Pixels bruit(int l, int h, uint32_t graine) {
    Pixels p = uni(l, h, 0);
    for (uint32_t& v : p.bgra) {
        graine = graine * 1664525u + 1013904223u;
        v = 0xFF000000u | (graine >> 8);
    }
    return p;
}

// Each output pixel the exact mean of the source area it covers, then turned: the filter
// as its definition says, slowly.
Pixels reference(const Pixels& s, int orientation, Taille cible) {
    const bool echange = redressement(orientation, {1, 1}).echange;
    Taille stockee = echange ? Taille{cible.hauteur, cible.largeur} : cible;
    stockee = {std::min(stockee.largeur, s.largeur), std::min(stockee.hauteur, s.hauteur)};
    Pixels r;
    const Taille droite = taille_droite(orientation, stockee);
    r = uni(droite.largeur, droite.hauteur, 0);
    const Redressement t = redressement(orientation, stockee);
    const auto part = [](int i, double debut, double fin) {
        return std::max(0.0, std::min(fin, i + 1.0) - std::max(debut, double(i)));
    };
    for (int k = 0; k < stockee.hauteur; ++k)
        for (int j = 0; j < stockee.largeur; ++j) {
            const double x0 = double(j) * s.largeur / stockee.largeur, x1 = double(j + 1) * s.largeur / stockee.largeur;
            const double y0 = double(k) * s.hauteur / stockee.hauteur, y1 = double(k + 1) * s.hauteur / stockee.hauteur;
            double somme[3] = {0, 0, 0}, total = 0;
            for (int y = int(y0); y < s.hauteur && y < y1; ++y)
                for (int x = int(x0); x < s.largeur && x < x1; ++x) {
                    const double w = part(x, x0, x1) * part(y, y0, y1);
                    const uint32_t p = s.bgra[size_t(y) * size_t(s.largeur) + size_t(x)];
                    for (int c = 0; c < 3; ++c) somme[c] += w * ((p >> (8 * c)) & 0xFF);
                    total += w;
                }
            uint32_t v = 0xFF000000u;
            for (int c = 0; c < 3; ++c) v |= uint32_t(std::lround(somme[c] / total)) << (8 * c);
            // The upright place of stored pixel (j, k), as the filter puts it.
            const int x = t.echange ? t.ay * (k - t.cy) : t.ax * (j - t.cx);
            const int y = t.echange ? t.bx * (j - t.cx) : t.by * (k - t.cy);
            r.bgra[size_t(y) * size_t(r.largeur) + size_t(x)] = v;
        }
    return r;
}

int ecart_max(const Pixels& a, const Pixels& b) {
    int e = 0;
    for (size_t i = 0; i < a.bgra.size(); ++i)
        for (int c = 0; c < 32; c += 8)
            e = std::max(e, std::abs(int((a.bgra[i] >> c) & 0xFF) - int((b.bgra[i] >> c) & 0xFF)));
    return e;
}

TEST(Reduction, EnBandesCommeEnUneFoisEtCommeSaDefinition) {
    // Odd sizes, ratios that split pixels, every orientation, bands of every height: the
    // picture read a band at a time gives the same pixels as the whole picture at once, and
    // those are the exact means to within a step of rounding.
    const struct {
        Taille source, cible;
    } tailles[] = {
        {{7, 5}, {3, 2}}, {{13, 11}, {5, 4}}, {{31, 17}, {7, 5}}, {{9, 1}, {4, 1}}, {{1, 9}, {1, 2}},
        {{11, 7}, {11, 7}}, {{16, 12}, {1, 1}}, {{23, 19}, {40, 40}},
        // Ratios whose sums outgrow the narrow accumulators: the wide ones take over.
        {{300, 3}, {4, 1}}, {{70, 90}, {2, 1}},
    };
    for (const auto& [source, cible] : tailles)
        for (int orientation = 1; orientation <= 8; ++orientation) {
            const Pixels s = bruit(source.largeur, source.hauteur, uint32_t(source.largeur * 131 + orientation));
            const Pixels entiere = reduire_et_tourner(s, orientation, cible);
            ASSERT_FALSE(entiere.vide());
            const Pixels attendue = reference(s, orientation, cible);
            ASSERT_EQ(entiere.largeur, attendue.largeur);
            ASSERT_EQ(entiere.hauteur, attendue.hauteur);
            EXPECT_LE(ecart_max(entiere, attendue), 1)
                << source.largeur << "x" << source.hauteur << " vers " << cible.largeur << "x" << cible.hauteur
                << ", orientation " << orientation;
            for (const int bande : {1, 2, 3, 7}) {
                Reduction r(source, orientation, cible, uni(50, 50, 0x12345678));  // memory handed over
                // Rows a few pixels wider than the picture, as a decoder's buffer may be.
                const size_t pas = size_t(source.largeur) + 3;
                std::vector<uint32_t> tampon(pas * size_t(bande), 0xFFFFFFFF);
                for (int y = 0; y < source.hauteur; y += bande) {
                    const int n = std::min(bande, source.hauteur - y);
                    for (int k = 0; k < n; ++k)
                        std::copy_n(s.bgra.begin() + (y + k) * source.largeur, source.largeur,
                                    tampon.begin() + std::ptrdiff_t(size_t(k) * pas));
                    r.ajouter(tampon.data(), n, pas);
                }
                const Pixels par_bandes = r.finir();
                EXPECT_EQ(par_bandes.largeur, entiere.largeur);
                EXPECT_EQ(par_bandes.bgra, entiere.bgra) << "bandes de " << bande << ", orientation " << orientation;
            }
        }
}

// The ready copy as a decoder makes it: 24-bit rows (each padded to four bytes) read a band
// at a time into the filter that turns and reduces in one pass.
ImagePrete copie_en_un_passage(const Pixels& s, int orientation, Taille copie, int bande) {
    const size_t pas = (3 * size_t(s.largeur) + 3) / 4 * 4;
    std::vector<uint8_t> octets(pas * size_t(bande), 0xEE);
    Reduction r({s.largeur, s.hauteur}, orientation, copie);
    for (int y = 0; y < s.hauteur; y += bande) {
        const int n = std::min(bande, s.hauteur - y);
        for (int k = 0; k < n; ++k)
            for (int x = 0; x < s.largeur; ++x) {
                const uint32_t p = s.bgra[size_t(y + k) * size_t(s.largeur) + size_t(x)];
                for (int c = 0; c < 3; ++c) octets[size_t(k) * pas + 3 * size_t(x) + size_t(c)] = uint8_t(p >> (8 * c));
            }
        r.ajouter_24(octets.data(), n, pas);
    }
    return preparer_niveaux(r.finir());
}

// The ready copy in two passes over the whole picture: reduced as stored, then turned.
ImagePrete copie_en_deux_passages(const Pixels& s, int orientation, Taille copie) {
    const Pixels stockee = reduire_et_tourner(s, 1, taille_droite(orientation, copie));
    return preparer_niveaux(reduire_et_tourner(stockee, orientation, copie));
}

TEST(CopiePrete, EnUnPassageParBandesCommeEnDeuxPassagesSurLImageEntiere) {
    static constexpr Taille ECRAN{96, 64};
    const struct {
        const char* nom;
        std::function<Taille(Taille droite)> taille;
    } copies[] = {
        {"remplissage", [](Taille d) { return taille_copie(ECRAN, d, {1, 16, 250, 100}); }},
        {"zoom", [](Taille d) { return taille_copie(ECRAN, d, {5, 16, 250, 100}); }},
        {"taille propre", [](Taille d) { return d; }},
    };
    const Pixels s = bruit(263, 181, 2024);
    for (const auto& [nom, taille] : copies)
        for (int orientation = 1; orientation <= 8; ++orientation) {
            const Taille copie = taille(taille_droite(orientation, {s.largeur, s.hauteur}));
            const ImagePrete attendue = copie_en_deux_passages(s, orientation, copie);
            ASSERT_GE(attendue.niveaux.size(), 2u) << nom;
            // Each level the rounded mean of four pixels of the one above.
            const Pixels &haut = attendue.niveaux[0], &bas = attendue.niveaux[1];
            const auto canal = [](const Pixels& p, int x, int y, int c) {
                return int(p.bgra[size_t(y) * size_t(p.largeur) + size_t(x)] >> (8 * c) & 0xFF);
            };
            for (int y = 0; y < bas.hauteur; ++y)
                for (int x = 0; x < bas.largeur; ++x)
                    for (int c = 0; c < 4; ++c) {
                        const int somme = canal(haut, 2 * x, 2 * y, c) + canal(haut, 2 * x + 1, 2 * y, c) +
                                          canal(haut, 2 * x, 2 * y + 1, c) + canal(haut, 2 * x + 1, 2 * y + 1, c);
                        ASSERT_EQ(canal(bas, x, y, c), (somme + 2) / 4) << nom << ", orientation " << orientation;
                    }
            for (const int bande : {1, 5, 181}) {
                const ImagePrete obtenue = copie_en_un_passage(s, orientation, copie, bande);
                ASSERT_EQ(obtenue.niveaux.size(), attendue.niveaux.size()) << nom << ", orientation " << orientation;
                for (size_t i = 0; i < attendue.niveaux.size(); ++i) {
                    EXPECT_EQ(obtenue.niveaux[i].largeur, attendue.niveaux[i].largeur);
                    EXPECT_EQ(obtenue.niveaux[i].bgra, attendue.niveaux[i].bgra)
                        << nom << ", orientation " << orientation << ", bandes de " << bande << ", niveau " << i;
                }
            }
        }
}

TEST(Reduction, LesLignesJamaisDonneesRestentNoiresCellesEnTropSontIgnorees) {
    const Pixels s = uni(4, 4, 0xFFFFFFFF);
    Reduction moitie({4, 4}, 1, {2, 2});
    moitie.ajouter(s.bgra.data(), 2, 4);  // the top half only
    EXPECT_EQ(moitie.finir().bgra, (std::vector<uint32_t>{0xFFFFFFFF, 0xFFFFFFFF, 0xFF000000, 0xFF000000}));
    Reduction trop({4, 2}, 1, {2, 1});
    trop.ajouter(s.bgra.data(), 4, 4);  // two rows more than the source has
    EXPECT_EQ(trop.finir().bgra, (std::vector<uint32_t>{0xFFFFFFFF, 0xFFFFFFFF}));
    EXPECT_TRUE(Reduction({0, 4}, 1, {2, 2}).finir().vide());
}

}  // namespace
}  // namespace nocturo::test
