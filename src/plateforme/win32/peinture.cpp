// The window's own drawing: the form colour, the picture (or during a crossfade the mix of
// the one before and this one) and the captions laid over it, through a memory bitmap kept
// between paints so that nothing flickers; and the panels.
#include "plateforme/win32/win32.h"
#include <algorithm>
#include <commctrl.h>
#include <vector>

#include "plateforme/win32/dessin_image.h"
#include "plateforme/win32/fenetre.h"
#include "plateforme/win32/garde.h"
#include "plateforme/win32/ressources_gdi.h"
#include "plateforme/win32/texte_win32.h"

namespace nocturo::win32 {

namespace {

void ecrire(HDC dc, const Controle& c) {
    Selection s(dc, police_gdi(c.police()));
    SetBkMode(dc, TRANSPARENT);
    const RECT r{c.gauche(), c.haut(), c.gauche() + c.largeur(), c.haut() + c.hauteur()};
    const std::wstring t = large(c.legende());
    // Captions are as wide as their text, whatever their design width.
    const UINT forme = DT_NOCLIP | DT_NOPREFIX | (c.aligne_droite() ? DT_RIGHT : DT_LEFT);
    const auto tracer = [&](int dx, int dy) {
        RECT d = r;
        OffsetRect(&d, dx, dy);
        DrawTextW(dc, t.c_str(), static_cast<int>(t.size()), &d, forme);
    };
    if (c.police().contour && !t.empty()) {
        // The letters drawn dark around their place first: an edge of about a sixteenth of
        // their height, at least a pixel.
        const int e = std::max(1, c.police().hauteur / 16);
        SetTextColor(dc, RGB(0, 0, 0));
        for (int dy = -e; dy <= e; dy += e)
            for (int dx = -e; dx <= e; dx += e)
                if (dx || dy) tracer(dx, dy);
    }
    SetTextColor(dc, couleur_gdi(c.police().couleur));
    tracer(0, 0);
}

}  // namespace

COLORREF FenetreForme::fond(const Controle* c) const {
    // A control in the face colour takes its parent's, as the framework's ParentColor does.
    for (; c; c = c->parent())
        if (c->couleur() != COULEUR_FACE_BOUTON) return couleur_gdi(c->couleur());
    return couleur_gdi(style_ == StyleFenetre::dialogue ? forme_.couleur : COULEUR_FACE_BOUTON);
}

void FenetreForme::peindre_fenetre() {
    PAINTSTRUCT ps;
    const HDC dc = BeginPaint(h_, &ps);
    RECT rc;
    GetClientRect(h_, &rc);
    if (const HDC mem = tampon_.preparer(rc.right, rc.bottom)) {
        // The pictures as they are now and, for one that fades, as they were before. A fade
        // missing one of its two pictures shows the one there is, as outside a fade.
        std::vector<Vue> maintenant, avant;
        int opacite = -1;
        for (const Controle* c : forme_.controles())
            if (const auto* image = dynamic_cast<const Image*>(c); image && !c->parent() && c->visible()) {
                maintenant.push_back(vue_de(*image));
                Vue v = vue_avant(*image);
                if (opacite < 0 && image->fondu() && dessinable(v) && dessinable(maintenant.back())) {
                    opacite = image->fondu()->opacite;
                    avant.push_back(std::move(v));
                } else {
                    avant.push_back(maintenant.back());
                }
            }
        const COLORREF fond = couleur_gdi(forme_.couleur);
        if (opacite < 0 || !fondu_.dessiner(tampon_.pixels(), rc, fond, avant, maintenant, opacite)) {
            // The frame that ends a fade is its last layer already.
            if (!fondu_.recopier(tampon_.pixels(), rc, fond, maintenant)) composer_images(mem, rc, fond, maintenant);
        }
        // The captions over the pictures, at full strength during a fade too.
        for (const Controle* c : forme_.controles())
            if (!c->parent() && c->visible() && c->genre() == Genre::Label) ecrire(mem, *c);
        BitBlt(dc, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right - ps.rcPaint.left,
               ps.rcPaint.bottom - ps.rcPaint.top, mem, ps.rcPaint.left, ps.rcPaint.top, SRCCOPY);
    }
    EndPaint(h_, &ps);
}

void FenetreForme::peindre_panneau(HWND h) {
    PAINTSTRUCT ps;
    const HDC dc = BeginPaint(h, &ps);
    if (Natif* n = natif_de(h)) {
        const Controle& c = *n->c;
        RECT r;
        GetClientRect(h, &r);
        FillRect(dc, &r, pinceau(fond(&c)));
        DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
        Selection s(dc, police_de(c));
        SetTextColor(dc, couleur_gdi(c.police().couleur));
        SetBkMode(dc, TRANSPARENT);
        const std::wstring t = large(c.legende());
        DrawTextW(dc, t.c_str(), static_cast<int>(t.size()), &r,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    EndPaint(h, &ps);
}

LRESULT CALLBACK FenetreForme::procedure_cadre(HWND h, UINT m, WPARAM wp, LPARAM lp, UINT_PTR,
                                               DWORD_PTR donnees) {
    return sans_exception<LRESULT>(h, m, 0, [&] { return cadre(h, m, wp, lp, donnees); });
}

LRESULT FenetreForme::cadre(HWND h, UINT m, WPARAM wp, LPARAM lp, DWORD_PTR donnees) {
    if (m != WM_PAINT) return DefSubclassProc(h, m, wp, lp);
    // A group box draws only its frame and the container clips it out: fill it first.
    auto* f = reinterpret_cast<FenetreForme*>(donnees);
    PAINTSTRUCT ps;
    const HDC dc = BeginPaint(h, &ps);
    RECT r;
    GetClientRect(h, &r);
    if (Natif* n = f->natif_de(h)) FillRect(dc, &r, pinceau(f->fond(n->c)));
    DefSubclassProc(h, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    EndPaint(h, &ps);
    return 0;
}

}  // namespace nocturo::win32
