// The slideshow window and the settings dialog, each on its model.
// The core's headers come before the system's: its names would meet the system's macros.
#include "app/diaporama.h"
#include "app/winparametres.h"
#include "plateforme/win32/modes.h"

#include <exception>

#include "plateforme/win32/ecrans_noirs.h"
#include "plateforme/win32/fenetre.h"

namespace nocturo::win32 {

namespace {

// Ties the platform to a window for the life of the scope.
class Branchement {
public:
    Branchement(PlateformeWin32& p, FenetreForme& f) : p_(p) {
        p.proprietaire = f.poignee();
        p.filtrer = [&f](MSG& m) { return f.pretraiter(m); };
        p.synchroniser = [&f] { f.synchroniser(); };
    }
    ~Branchement() {
        p_.proprietaire = nullptr;
        p_.filtrer = nullptr;
        p_.synchroniser = nullptr;
    }
    Branchement(const Branchement&) = delete;
    Branchement& operator=(const Branchement&) = delete;

private:
    PlateformeWin32& p_;
};

// The dialog has no dispatcher of its own: errors show as the slideshow's do.
void executer_protege(PlateformeWin32& p, const Gestionnaire& g) {
    try {
        g();
    } catch (const std::exception& e) {
        p.message(e.what());
    }
}

}  // namespace

int boucle_messages(PlateformeWin32& p) {
    MSG msg;
    while (true) {
        p.mettre_a_jour();
        const BOOL r = GetMessageW(&msg, nullptr, 0, 0);
        if (r == 0) return static_cast<int>(msg.wParam);
        if (r < 0) return 0;
        if (p.filtrer && p.filtrer(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

int lancer_diaporama(const Lancement& l, PlateformeWin32& p) {
    Tdiapo diapo(p, l.lettre);
    diapo.forme.bornes = {0, 0, p.largeur_ecran(), p.hauteur_ecran()};
    diapo.forme.couleur = NOIR;
    Rappels r;
    r.executer = [&diapo](const Gestionnaire& g) { diapo.executer(g); };
    r.touche = [&diapo](int vk) { diapo.touche_relachee(vk); };
    r.activation = [&diapo] { diapo.FormActivate(); };
    r.curseur_masque = [&p] { return p.curseur_masque(); };
    FenetreForme f(diapo.forme, StyleFenetre::plein_ecran, std::move(r), l.titre ? "Nocturo" : "");
    EcransNoirs noirs([&diapo](int vk) { diapo.touche_relachee(vk); });
    diapo.sur_ecrans_noirs = [&noirs, &f](const std::vector<Moniteur>& m) { noirs.couvrir(m, f.poignee()); };
    Branchement b(p, f);
    // Keys released over the other monitors count as over the show.
    p.filtrer = [&f, &noirs](MSG& m) { return noirs.pretraiter(m) || f.pretraiter(m); };
    // Returns once the first run of the slideshow has ended.
    diapo.executer([&diapo] { diapo.FormCreate(); });
    if (!IsWindowVisible(f.poignee())) f.afficher();
    return boucle_messages(p);
}

int lancer_parametres(PlateformeWin32& p) {
    Twinparam dialogue(p);
    Rappels r;
    r.executer = [&p](const Gestionnaire& g) { executer_protege(p, g); };
    FenetreForme f(dialogue.forme, StyleFenetre::dialogue, std::move(r));
    Branchement b(p, f);
    dialogue.sur_fermeture = [&f] { DestroyWindow(f.poignee()); };
    executer_protege(p, [&dialogue] { dialogue.FormCreate(); });
    f.afficher();
    return boucle_messages(p);
}

}  // namespace nocturo::win32
