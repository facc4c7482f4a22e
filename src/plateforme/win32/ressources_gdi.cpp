#include "plateforme/win32/ressources_gdi.h"

#include <map>
#include <tuple>

#include "plateforme/win32/echelle.h"
#include "plateforme/win32/poignees.h"
#include "plateforme/win32/texte_win32.h"

namespace nocturo::win32 {

COLORREF couleur_gdi(Couleur c) {
    if (c & 0xFF000000) return GetSysColor(static_cast<int>(c & 0xFF));
    return static_cast<COLORREF>(c & 0xFFFFFF);
}

HBRUSH pinceau(COLORREF c) {
    static std::map<COLORREF, Pinceau> pinceaux;
    auto& p = pinceaux[c];
    if (!p) p.reset(CreateSolidBrush(c));
    return p.get();
}

HFONT police_gdi(const nocturo::Police& p) {
    static std::map<std::tuple<std::string, int, bool>, win32::Police> polices;
    auto& f = polices[{p.nom, p.hauteur, p.gras}];
    if (!f) {
        // A negative height asks for the character height in pixels, as the design gives it.
        f.reset(CreateFontW(-p.hauteur, 0, 0, 0, p.gras ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                            DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                            DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, large(p.nom).c_str()));
    }
    return f.get();
}

HFONT police_dialogue(int hauteur) { return police_gdi({"MS Shell Dlg", hauteur, false, 0}); }

HFONT police_controle(const nocturo::Police& p, double echelle, int hauteur_dialogue) {
    const nocturo::Police defaut;
    if (p.nom == defaut.nom && p.hauteur == defaut.hauteur)
        return police_gdi({"MS Shell Dlg", hauteur_dialogue, p.gras, p.couleur});
    return police_gdi({p.nom, en_pixels(p.hauteur, echelle), p.gras, p.couleur});
}

}  // namespace nocturo::win32
