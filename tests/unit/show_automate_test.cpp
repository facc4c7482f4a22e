// The show's machine: from a state and an event, the next state and the gestures, row by row.
#include <gtest/gtest.h>

#include <functional>

#include "show/automate.h"

namespace nocturo::test {
namespace {

constexpr int TOUCHE_A = 65;
const Taille ECRAN{1920, 1080};
const Taille QUATRE_TIERS{4000, 3000};

ParametresAutomate parametres(int effet, int fondu_ms = 0, int dt0_a = 1000) {
    ParametresAutomate p;
    p.ecran = ECRAN;
    p.effet = {effet, 16, 250, 100};
    const int durees[10] = {dt0_a, 2000, 2000, 2000, 2000, 2000, 2000, 2000, 2000, 2000};
    std::copy(std::begin(durees), std::end(durees), std::begin(p.durees));
    p.fondu_ms = fondu_ms;
    return p;
}

EvenementAutomate demarrer(bool vide = false) {
    EvenementAutomate e;
    e.sorte = SorteEvenement::demarrer;
    e.catalogue_vide = vide;
    return e;
}

EvenementAutomate tic(double ms) {
    EvenementAutomate e;
    e.sorte = SorteEvenement::tic;
    e.ms = ms;
    return e;
}

EvenementAutomate touche(int k, double ms = 100, int indice = 9, int nombre = 10) {
    EvenementAutomate e;
    e.sorte = SorteEvenement::touche;
    e.touche = k;
    e.ms = ms;
    e.historique_indice = indice;
    e.historique_nombre = nombre;
    return e;
}

EvenementAutomate posee(Issue issue, const ParametresAutomate& p, Taille propre = QUATRE_TIERS, bool avant = false,
                         double ms = 0) {
    EvenementAutomate e;
    e.sorte = SorteEvenement::image_posee;
    e.issue = issue;
    e.propre = propre;
    e.image_avant = avant;
    e.parametres = p;
    e.ms = ms;
    return e;
}

// The state after these events, from a window that has just started.
EtatAutomate apres(const std::vector<EvenementAutomate>& evenements) {
    EtatAutomate e;
    for (const EvenementAutomate& ev : evenements) e = transition(e, ev).etat;
    return e;
}

// A picture of 4:3 on screen since 0 ms with this effect.
EtatAutomate montrant(int effet, int fondu_ms = 0, std::vector<EvenementAutomate> puis = {}, int dt0_a = 1000) {
    std::vector<EvenementAutomate> v = {demarrer(), posee(Issue::image, parametres(effet, fondu_ms, dt0_a), QUATRE_TIERS,
                                                           fondu_ms > 0)};
    v.insert(v.end(), puis.begin(), puis.end());
    return apres(v);
}

EtatAutomate en_pause() { return montrant(0, 0, {touche(VK_ESPACE)}); }

ActionAutomate g(Geste geste, int valeur = 0) { return {geste, valeur, {}}; }
ActionAutomate placer(Cadre c) { return {Geste::placer, 0, c}; }

const Cadre AJUSTE{240, 0, 1440, 1080};
const Cadre REMPLI{0, 0, 1920, 1440};

struct Ligne {
    const char* ce_qu_il_montre;
    std::function<EtatAutomate()> avant;
    EvenementAutomate evenement;
    Phase phase;
    std::vector<ActionAutomate> gestes;
};

TEST(Automate, TableDesTransitions) {
    const ParametresAutomate effet0 = parametres(0);
    const Ligne lignes[] = {
        // Starting.
        {"le debut demande une image", [] { return EtatAutomate{}; }, demarrer(), Phase::suivante,
         {g(Geste::recommencer), g(Geste::poser_suivante)}},
        {"un catalogue vide ouvre le panneau", [] { return EtatAutomate{}; }, demarrer(true), Phase::arret,
         {g(Geste::recommencer), g(Geste::panneau_vide)}},
        // A picture comes.
        {"4:3 ajustee, en 1440 x 1080 a (240, 0)", [] { return apres({demarrer()}); }, posee(Issue::image, effet0),
         Phase::maintien, {g(Geste::couleur_noire), placer(AJUSTE)}},
        {"apres une autre image, elle arrive en fondu",
         [] { return apres({demarrer()}); }, posee(Issue::image, parametres(0, 600), QUATRE_TIERS, true),
         Phase::fondu, {g(Geste::couleur_noire), placer(AJUSTE), g(Geste::fondu, 0)}},
        {"fondu a 0 : une coupe", [] { return apres({demarrer()}); },
         posee(Issue::image, parametres(0, 0), QUATRE_TIERS, true), Phase::maintien,
         {g(Geste::couleur_noire), placer(AJUSTE)}},
        {"rien de decode : deux secondes de rouge", [] { return apres({demarrer()}); },
         posee(Issue::illisible, effet0), Phase::rouge, {g(Geste::couleur_noire), g(Geste::couleur_rouge)}},
        {"une video passe sans attendre", [] { return apres({demarrer()}); }, posee(Issue::sans_effet, effet0),
         Phase::maintien, {}},
        {"plus rien a montrer : le panneau", [] { return apres({demarrer()}); }, posee(Issue::rien, effet0),
         Phase::arret, {g(Geste::panneau_vide)}},
        {"portrait ajuste en 810 x 1080 a (555, 0)", [] { return apres({demarrer()}); },
         posee(Issue::image, effet0, {3000, 4000}), Phase::maintien,
         {g(Geste::couleur_noire), placer({555, 0, 810, 1080})}},
        {"SBN : l'ecran rempli, le haut en haut", [] { return apres({demarrer()}); },
         posee(Issue::image, parametres(1)), Phase::maintien, {g(Geste::couleur_noire), placer(REMPLI)}},
        // Holds and pace.
        {"effet 0 avant la fin de son temps", [] { return montrant(0); }, tic(999), Phase::maintien, {}},
        {"effet 0 au bout de son temps", [] { return montrant(0); }, tic(1000), Phase::suivante,
         {g(Geste::fin_image), g(Geste::poser_suivante)}},
        {"1999 ms attendent 1900", [] { return montrant(0, 0, {}, 1999); }, tic(1900), Phase::suivante,
         {g(Geste::fin_image), g(Geste::poser_suivante)}},
        {"a 0 ms une image reste une demi-seconde", [] { return montrant(0, 0, {}, 0); }, tic(499),
         Phase::maintien, {}},
        {"effet 2 : ajustee puis remplie", [] { return montrant(2); }, tic(2000), Phase::maintien,
         {placer(REMPLI)}},
        {"la video passee, l'image suivante", [] { return apres({demarrer(), posee(Issue::sans_effet, parametres(0))}); },
         tic(1), Phase::suivante, {g(Geste::fin_image), g(Geste::poser_suivante)}},
        {"apres le rouge, la suivante", [] { return apres({demarrer(), posee(Issue::illisible, parametres(0))}); },
         tic(2000), Phase::suivante, {g(Geste::fin_image), g(Geste::poser_suivante)}},
        // The slow zoom: 1440, 1440, 1447 ... toward 3072.
        {"effet 3 : le zoom part de la largeur ajustee", [] { return montrant(3); }, tic(2000), Phase::zoom,
         {placer({240, 0, 1440, 1080})}},
        {"deuxieme pas du zoom : encore 1440", [] { return montrant(3, 0, {tic(2000)}); }, tic(2017), Phase::zoom,
         {placer({240, 0, 1440, 1080})}},
        {"troisieme pas du zoom : 1447", [] { return montrant(3, 0, {tic(2000), tic(2017)}); }, tic(2034),
         Phase::zoom, {placer({236, 0, 1447, 1085})}},
        {"une touche pendant le zoom l'ecourte", [] { return montrant(3, 0, {tic(2000)}); }, touche(TOUCHE_A, 2010),
         Phase::maintien, {}},
        {"une touche avant le zoom l'empeche", [] { return montrant(3, 0, {touche(TOUCHE_A, 500)}); }, tic(2000),
         Phase::maintien, {}},
        {"le zoom ecourte, le diaporama continue",
         [] { return montrant(3, 0, {touche(TOUCHE_A, 500), tic(2000)}); }, tic(4000), Phase::suivante,
         {g(Geste::fin_image), g(Geste::poser_suivante)}},
        // Keys.
        {"une autre touche : arret apres cette image", [] { return montrant(0, 0, {touche(TOUCHE_A)}); }, tic(1000),
         Phase::arret, {g(Geste::fin_image)}},
        {"Echap quitte", [] { return montrant(0); }, touche(VK_ECHAP), Phase::maintien, {g(Geste::quitter)}},
        {"Q quitte, meme en pause", en_pause, touche(VK_Q), Phase::pause, {g(Geste::quitter)}},
        {"fleche en defilant : une nouvelle image tout de suite", [] { return montrant(0); }, touche(VK_DROITE),
         Phase::suivante, {g(Geste::fin_image), g(Geste::recommencer), g(Geste::poser_suivante)}},
        {"Espace : la pause, l'image reste", [] { return montrant(0); }, touche(VK_ESPACE), Phase::pause,
         {g(Geste::fin_image), g(Geste::ouvrir_panneau), g(Geste::recommencer), g(Geste::revoir_historique)}},
        {"F3 : le diaporama du repertoire", [] { return montrant(0); }, touche(VK_F3), Phase::maintien,
         {g(Geste::diaporama_repertoire)}},
        {"relancee par une fleche apres un arret", [] { return montrant(0, 0, {touche(TOUCHE_A), tic(1000)}); },
         touche(VK_DROITE), Phase::suivante, {g(Geste::recommencer), g(Geste::poser_suivante)}},
        // Paused: the history.
        {"en pause, Gauche recule d'un pas", en_pause, touche(VK_GAUCHE), Phase::pause,
         {g(Geste::recommencer), g(Geste::pas_historique, -1)}},
        {"le pas montre l'image entiere, avec un son", [] { return apres({demarrer(), touche(VK_ESPACE)}); },
         posee(Issue::image, parametres(5), QUATRE_TIERS), Phase::pause,
         {placer(AJUSTE), g(Geste::tonalite), g(Geste::fin_image)}},
        {"en pause, une autre touche ne change rien a l'ecran", en_pause, touche(TOUCHE_A), Phase::arret, {}},
        {"en pause, Suppr : plus cette image", en_pause, [] {
             EvenementAutomate e = touche(VK_SUPPR);
             e.maj = true;
             return e;
         }(), Phase::pause, {g(Geste::ne_plus_afficher, 1), g(Geste::recommencer), g(Geste::revoir_historique)}},
        {"Espace apres trois pas en arriere : les images d'apres reviennent", en_pause, touche(VK_ESPACE, 100, 6),
         Phase::suivante, {g(Geste::fermer_panneau), g(Geste::recommencer), g(Geste::poser_historique, 6)}},
        {"Espace sans pas en arriere : rien ne revient", en_pause, touche(VK_ESPACE), Phase::suivante,
         {g(Geste::fermer_panneau), g(Geste::recommencer), g(Geste::poser_suivante)}},
        {"le rejeu va jusqu'a la derniere ligne",
         [] {
             return apres({demarrer(), touche(VK_ESPACE), touche(VK_ESPACE, 100, 8),
                           posee(Issue::image, parametres(0))});
         },
         tic(1000), Phase::suivante, {g(Geste::fin_image), g(Geste::poser_historique, 9)}},
        // The crossfade.
        {"a mi-fondu", [] { return montrant(0, 600); }, tic(300), Phase::fondu, {g(Geste::fondu, 128)}},
        {"au bout du fondu, l'image tient", [] { return montrant(0, 600); }, tic(600), Phase::maintien,
         {g(Geste::fin_fondu)}},
        {"une fleche pendant le fondu le finit", [] { return montrant(0, 600); }, touche(VK_DROITE, 200),
         Phase::suivante,
         {g(Geste::fin_fondu), g(Geste::fin_image), g(Geste::recommencer), g(Geste::poser_suivante)}},
        {"Espace pendant le fondu : la pause tout de suite", [] { return montrant(0, 600); },
         touche(VK_ESPACE, 200), Phase::pause,
         {g(Geste::fin_fondu), g(Geste::fin_image), g(Geste::ouvrir_panneau), g(Geste::recommencer),
          g(Geste::revoir_historique)}},
        {"une autre touche pendant le fondu le finit", [] { return montrant(0, 600); }, touche(TOUCHE_A, 200),
         Phase::maintien, {g(Geste::fin_fondu)}},
    };
    for (const Ligne& l : lignes) {
        const Transition t = transition(l.avant(), l.evenement);
        EXPECT_EQ(t.etat.phase, l.phase) << l.ce_qu_il_montre;
        EXPECT_EQ(t.actions, l.gestes) << l.ce_qu_il_montre;
    }
}

TEST(Automate, LeFonduNeDurePasPlusQueLaPremiereAttente) {
    // Holds of 300 ms: the fade takes the 300 ms, the pace stays the user's.
    ParametresAutomate p = parametres(2, 600);
    p.durees[2] = p.durees[3] = 300;
    const EtatAutomate e = apres({demarrer(), posee(Issue::image, p, QUATRE_TIERS, true)});
    ASSERT_EQ(e.phase, Phase::fondu);
    EXPECT_EQ(e.fin_fondu, 300);
    EXPECT_EQ(transition(e, tic(300)).etat.phase, Phase::maintien);
    EXPECT_EQ(transition(e, tic(300)).actions, (std::vector<ActionAutomate>{g(Geste::fin_fondu), placer(REMPLI)}));
}

TEST(Automate, LeZoomPartDOuLeFonduALaisseLImage) {
    // Effects 3 to 5: the zoom's first frame is the frame the fade ended on.
    for (int effet : {3, 4, 5}) {
        EtatAutomate e = montrant(effet, 600);
        const Cadre fin_fondu = transition(apres({demarrer()}), posee(Issue::image, parametres(effet, 600),
                                                                       QUATRE_TIERS, true))
                                    .actions[1]
                                    .cadre;
        e = transition(e, tic(600)).etat;
        const Transition zoom = transition(e, tic(2000));
        ASSERT_EQ(zoom.etat.phase, Phase::zoom) << effet;
        EXPECT_EQ(zoom.actions.back().cadre, fin_fondu) << effet;
    }
}

TEST(Automate, UnPanoramaCommenceSonZoomAuCentre) {
    // 4:1 fitted at (0, 300): the zoom grows it about the middle of the screen, with no
    // jump to the top and no black below.
    EtatAutomate e = apres({demarrer(), posee(Issue::image, parametres(3), {4000, 1000})});
    Transition t = transition(e, tic(2000));
    ASSERT_EQ(t.etat.phase, Phase::zoom);
    EXPECT_EQ(t.actions.back().cadre, (Cadre{0, 300, 1920, 480}));
    double ms = 2000;
    while (t.etat.phase == Phase::zoom) {
        for (const ActionAutomate& a : t.actions) {
            if (a.geste != Geste::placer) continue;
            const Cadre& c = a.cadre;
            if (c.hauteur <= ECRAN.hauteur) {
                EXPECT_EQ(c.haut, (ECRAN.hauteur - c.hauteur) / 2) << c.largeur;
            }
        }
        t = transition(t.etat, tic(ms += 17));
    }
}

}  // namespace
}  // namespace nocturo::test
