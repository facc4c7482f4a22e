// A slideshow window over a ready catalogue of simulated pictures, and what it showed.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "catalogue/cache.h"
#include "sim/images_simulees.h"
#include "sim/scenario.h"
#include "util/fichiers.h"

namespace nocturo::test {

inline constexpr int TOUCHE_A = 65;
inline const std::string PHOTOS = "C:\\Photos";

inline std::string photo(int i) { return PHOTOS + "\\p" + std::to_string(i) + ".jpg"; }

// What the window showed, picture after picture: when Image2 got it, the caption above it
// and the bounds it was last given.
struct Vue {
    double ms;
    std::string legende;
    Bornes cadre;
    const ImagePrete* image;
};

// A window over `n` pictures of 4000 × 3000 in C:\Photos, in catalogue order from the
// first, with the settings lines given; the cache is ready so that the show starts at once.
class Diaporama : public ::testing::Test {
protected:
    void preparer(int n, const std::vector<std::string>& parametres = {}, Taille taille = {4000, 3000}) {
        Catalogue c;
        for (int i = 0; i < n; ++i) {
            m.creer_fichier(photo(i), jpeg_simule(taille.largeur, taille.hauteur, 0, 0x102030 + static_cast<uint32_t>(i)));
            c.ajouter(PHOTOS, "p" + std::to_string(i) + ".jpg");
        }
        m.creer_fichier(FICHIER_REPERTOIRES, PHOTOS + "\r\n");
        m.creer_fichier(FICHIER_HISTORIQUE, photo(0) + "\r\n");  // not a first start
        std::vector<std::string> lignes = {"CheckBox_rnd.Checked = false"};
        if (std::none_of(parametres.begin(), parametres.end(),
                         [](const std::string& l) { return l.starts_with("indice_non_aleatoire"); }))
            lignes.push_back("indice_non_aleatoire = " + std::to_string(n - 1));
        lignes.insert(lignes.end(), parametres.begin(), parametres.end());
        ecrire_lignes(m, FICHIER_PARAMETRES, lignes);
        ecrire_cache(c, m);
        d.forme.sur_modification = [this](Controle* c) {
            if (c != &d.Image2 || !d.Image2.image()) return;
            if (vues.empty() || vues.back().image != d.Image2.image().get())
                vues.push_back({m.ms, d.Label1.legende(), {}, d.Image2.image().get()});
            vues.back().cadre = d.Image2.bornes();
        };
    }
    // The pictures shown, from the history, after the line the file gave.
    std::vector<std::string> montrees() const {
        return {d.historique.lignes.begin() + 1, d.historique.lignes.end()};
    }

    Scenario s;
    Tdiapo& d = *s.diapo;
    PlateformeSimulee& m = s.machine;
    std::vector<Vue> vues;
};

}  // namespace nocturo::test
