// A panel the user drags by its grip off into a small tool window of its own, kept above
// the slideshow window, and back to its place along the bottom of the screen. Dropped on a
// monitor of another resolution, or moved there, the panel takes that monitor's scale.
#include "plateforme/win32/win32.h"

#include <algorithm>
#include <cstdlib>

#include "plateforme/win32/echelle.h"
#include "plateforme/win32/fenetre.h"
#include "plateforme/win32/garde.h"
#include "plateforme/win32/natifs_outils.h"
#include "plateforme/win32/texte_win32.h"

namespace nocturo::win32 {

namespace {

constexpr DWORD STYLE_FLOTTANT = WS_POPUP | WS_CAPTION | WS_CLIPCHILDREN;
constexpr DWORD STYLE_EX_FLOTTANT = WS_EX_TOOLWINDOW;

// The outline of the panel on the move, drawn and taken away by inverting the same pixels.
void inverser_cadre(HDC dc, const RECT& r, int epaisseur) {
    const HGDIOBJ ancien = SelectObject(dc, GetStockObject(GRAY_BRUSH));
    const int l = r.right - r.left, h = r.bottom - r.top, e = epaisseur;
    PatBlt(dc, r.left, r.top, l, e, PATINVERT);
    PatBlt(dc, r.left, r.bottom - e, l, e, PATINVERT);
    PatBlt(dc, r.left, r.top + e, e, h - 2 * e, PATINVERT);
    PatBlt(dc, r.right - e, r.top + e, e, h - 2 * e, PATINVERT);
    SelectObject(dc, ancien);
}

}  // namespace

int FenetreForme::largeur_poignee(const Controle& c) const { return px(c, LARGEUR_POIGNEE); }

bool FenetreForme::sur_poignee(const Natif& n, POINT client) const {
    if (!n.c->amarrable()) return false;
    RECT r;
    GetClientRect(n.h, &r);
    r.right = r.left + largeur_poignee(*n.c);
    return PtInRect(&r, client);
}

void FenetreForme::dessiner_poignee(HWND h) {
    const Natif* n = natif_de(h);
    if (!n) return;
    const Controle& c = *n->c;
    DcFenetre dc(h);
    RECT r;
    GetClientRect(h, &r);
    // Two raised bars, as toolbars show the place they are moved by.
    for (int i = 0; i < 2; ++i) {
        RECT barre{px(c, 2 + 3 * i), r.top + px(c, 3), px(c, 4 + 3 * i), r.bottom - px(c, 3)};
        DrawEdge(dc.get(), &barre, BDR_RAISEDINNER, BF_RECT);
    }
}

void FenetreForme::commencer_glisse(Natif& n, POINT ecran) {
    RECT r;
    GetWindowRect(n.h, &r);
    glisse_ = Glisse{&n, ecran, POINT{ecran.x - r.left, ecran.y - r.top}, r, false, false};
}

void FenetreForme::suivre_glisse(POINT ecran) {
    Glisse& g = glisse_;
    // Past the system's threshold only, so that a click on the grip stays a click.
    if (!g.commence && std::abs(ecran.x - g.depart.x) < GetSystemMetrics(SM_CXDRAG) &&
        std::abs(ecran.y - g.depart.y) < GetSystemMetrics(SM_CYDRAG))
        return;
    g.commence = true;
    tracer(false);
    OffsetRect(&g.trace, ecran.x - g.prise.x - g.trace.left, ecran.y - g.prise.y - g.trace.top);
    tracer(true);
}

void FenetreForme::tracer(bool visible) {
    if (glisse_.trace_visible == visible) return;
    glisse_.trace_visible = visible;
    // Without the clipping of the children: the outline also crosses the panels.
    const HDC dc = GetDCEx(h_, nullptr, DCX_CACHE | DCX_CLIPSIBLINGS);
    if (!dc) return;
    RECT r = glisse_.trace;
    MapWindowPoints(nullptr, h_, reinterpret_cast<POINT*>(&r), 2);
    inverser_cadre(dc, r, std::max(2, px(3)));
    ReleaseDC(h_, dc);
}

void FenetreForme::finir_glisse(POINT ecran, bool abandon) {
    tracer(false);
    const Glisse g = glisse_;
    glisse_ = Glisse{};
    if (GetCapture()) ReleaseCapture();
    if (abandon || !g.commence) return;
    Natif& n = *g.n;
    if (zone_amarrage(n, ecran)) {
        amarrer(n);
        synchroniser();
        return;
    }
    const POINT coin{ecran.x - g.prise.x, ecran.y - g.prise.y};
    if (!n.flottant) {
        faire_flotter(n, coin);
        return;
    }
    poser_flottant(n, coin);
}

void FenetreForme::poser_flottant(Natif& n, POINT coin) {
    RECT panneau;
    GetClientRect(n.h, &panneau);
    const SIZE client{panneau.right, panneau.bottom};
    const RECT cadre = cadre_fenetre(STYLE_FLOTTANT, STYLE_EX_FLOTTANT, mise_de(n.c).dpi);
    // Dropped across an edge of its monitor, or grown there, it would lose its caption or its
    // buttons. Moved onto a monitor of another resolution, the system tells it so
    // (WM_DPICHANGED): accorder_flottant.
    RECT r = rect_autour(coin, client, cadre);
    r = garder_dans(r, moniteur_de(r));
    SetWindowPos(n.flottant, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void FenetreForme::placer_flottant(Natif& n) {
    // The size the program gives it, where the user put it.
    const RECT d = rect_dessin(*n.c);
    SetWindowPos(n.h, nullptr, 0, 0, d.right - d.left, d.bottom - d.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    POINT coin{0, 0};
    ClientToScreen(n.flottant, &coin);
    poser_flottant(n, coin);
}

Mise FenetreForme::mise_flottante(const Natif& n, int dpi, const RECT& moniteur) const {
    if (dpi == mise_.dpi) return mise_;
    // The panel whole on its monitor, as the design is on the window's.
    const Controle& c = *n.c;
    const double maximale = echelle_maximale(moniteur.right - moniteur.left, moniteur.bottom - moniteur.top,
                                             c.largeur() + (c.amarrable() ? LARGEUR_POIGNEE : 0), c.hauteur());
    return mise_pour_dpi(dpi, maximale, [&](int h) { return rapport_police_dialogue(h, legendes_); });
}

void FenetreForme::accorder_flottant(Natif& n, int dpi, const RECT& suggere) {
    if (!n.flottant || dpi <= 0) return;
    const Mise m = mise_flottante(n, dpi, moniteur_de(suggere));
    if (m != mise_de(n.c)) {
        if (m == mise_)
            n.mise.reset();
        else
            n.mise = m;
        // Its controls with their fonts and bounds at the new scale; the panel's own size
        // (placer_flottant) moves the frame, which the suggestion then places.
        reprendre(n.c);
        // Not within a synchronisation that moved it here: the next one does it.
        if (!en_synchro_) synchroniser();
    }
    RECT panneau;
    GetClientRect(n.h, &panneau);
    const RECT r = rect_nouvelle_echelle(suggere, SIZE{panneau.right, panneau.bottom},
                                         cadre_fenetre(STYLE_FLOTTANT, STYLE_EX_FLOTTANT, dpi), moniteur_de(suggere));
    SetWindowPos(n.flottant, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

bool FenetreForme::zone_amarrage(const Natif& n, POINT ecran) const {
    // The band of the window's screen the panel takes when in its place, from side to side.
    RECT place = rect_dessin(*n.c), fenetre;
    MapWindowPoints(hote(n.c).h, nullptr, reinterpret_cast<POINT*>(&place), 2);
    GetWindowRect(h_, &fenetre);
    return ecran.y >= place.top && PtInRect(&fenetre, ecran);
}

void FenetreForme::faire_flotter(Natif& n, POINT coin) {
    // At the scale of the monitor it is dropped on, from the start: the window is made where
    // it goes, at its size there.
    RECT place;
    GetWindowRect(n.h, &place);
    OffsetRect(&place, coin.x - place.left, coin.y - place.top);
    HMONITOR moniteur = nullptr;
    const RECT zone = moniteur_de(place, &moniteur);
    if (const Mise m = mise_flottante(n, dpi_moniteur(moniteur), zone); m != mise_) {
        n.mise = m;
        reprendre(n.c);
    }
    const RECT d = rect_dessin(*n.c);
    const SIZE client{d.right - d.left, d.bottom - d.top};
    const RECT cadre = cadre_fenetre(STYLE_FLOTTANT, STYLE_EX_FLOTTANT, mise_de(n.c).dpi);
    const RECT r = garder_dans(rect_autour(coin, client, cadre), zone);
    // Owned by the slideshow window, so always above it.
    const HWND f = CreateWindowExW(STYLE_EX_FLOTTANT, CLASSE_FLOTTANT, large(legende_).c_str(), STYLE_FLOTTANT, r.left,
                                   r.top, r.right - r.left, r.bottom - r.top, h_, nullptr, GetModuleHandleW(nullptr),
                                   this);
    if (!f) {
        n.mise.reset();
        return;
    }
    n.flottant = f;
    n.poses = n.c->poses();
    SetParent(n.h, f);
    SetWindowPos(n.h, nullptr, 0, 0, client.cx, client.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    synchroniser();  // its controls at its scale
    poser_flottant(n, coin);
    ShowWindow(f, SW_SHOWNA);
}

void FenetreForme::amarrer(Natif& n) {
    const HWND f = n.flottant;
    if (!f) return;
    n.flottant = nullptr;
    SetParent(n.h, h_);
    DestroyWindow(f);
    n.rect = {-1, -1, -1, -1};
    n.etat_connu = false;
    if (n.mise) {
        // Back at the window's scale.
        n.mise.reset();
        reprendre(n.c);
    }
    placer(n);
    montrer(n);
}

LRESULT CALLBACK FenetreForme::procedure_flottant(HWND h, UINT m, WPARAM wp, LPARAM lp) {
    return sans_exception<LRESULT>(h, m, 0, [&]() -> LRESULT {
        if (m == WM_NCCREATE)
            SetWindowLongPtrW(h, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams));
        auto* f = reinterpret_cast<FenetreForme*>(GetWindowLongPtrW(h, GWLP_USERDATA));
        switch (m) {
        case WM_ERASEBKGND:
            return 1;  // the panel covers it
        case WM_DPICHANGED:
            if (f)
                for (Natif& n : f->natifs_)
                    if (n.flottant == h) f->accorder_flottant(n, HIWORD(wp), *reinterpret_cast<const RECT*>(lp));
            return 0;
        case WM_CLOSE:
            // Closing the tool window puts the panel back in its place.
            if (f) {
                for (Natif& n : f->natifs_)
                    if (n.flottant == h) f->amarrer(n);
                f->synchroniser();
            }
            return 0;
        default:
            return DefWindowProcW(h, m, wp, lp);
        }
    });
}

}  // namespace nocturo::win32
