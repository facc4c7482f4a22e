// A panel the user drags by its grip off into a small tool window of its own, kept above
// the slideshow window, and back to its place along the bottom of the screen.
#include "plateforme/win32/win32.h"

#include <algorithm>
#include <cstdlib>

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

// A window moved, never resized, to lie inside `zone`; its top left stays in when it is larger.
RECT garder_dans(RECT r, const RECT& zone) {
    LONG dx = std::min<LONG>(0, zone.right - r.right), dy = std::min<LONG>(0, zone.bottom - r.bottom);
    dx = std::max(dx, zone.left - r.left);
    dy = std::max(dy, zone.top - r.top);
    OffsetRect(&r, dx, dy);
    return r;
}

}  // namespace

int FenetreForme::largeur_poignee() const { return px(LARGEUR_POIGNEE); }

bool FenetreForme::sur_poignee(const Natif& n, POINT client) const {
    if (!n.c->amarrable()) return false;
    RECT r;
    GetClientRect(n.h, &r);
    r.right = r.left + largeur_poignee();
    return PtInRect(&r, client);
}

void FenetreForme::dessiner_poignee(HWND h) {
    DcFenetre dc(h);
    RECT r;
    GetClientRect(h, &r);
    // Two raised bars, as toolbars show the place they are moved by.
    for (int i = 0; i < 2; ++i) {
        RECT barre{px(2 + 3 * i), r.top + px(3), px(4 + 3 * i), r.bottom - px(3)};
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
    RECT r{coin.x, coin.y, coin.x + panneau.right, coin.y + panneau.bottom};
    AdjustWindowRectEx(&r, STYLE_FLOTTANT, FALSE, STYLE_EX_FLOTTANT);
    // Dropped across an edge, or grown there, it would lose its caption or its buttons.
    RECT ecran;
    GetWindowRect(h_, &ecran);
    r = garder_dans(r, ecran);
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

bool FenetreForme::zone_amarrage(const Natif& n, POINT ecran) const {
    // The band of the screen the panel takes when in its place, from side to side.
    RECT place = rect_dessin(*n.c);
    MapWindowPoints(hote(n.c).h, nullptr, reinterpret_cast<POINT*>(&place), 2);
    return ecran.y >= place.top;
}

void FenetreForme::faire_flotter(Natif& n, POINT coin) {
    // Owned by the slideshow window, so always above it.
    const HWND f = CreateWindowExW(STYLE_EX_FLOTTANT, CLASSE_FLOTTANT, large(legende_).c_str(), STYLE_FLOTTANT, 0,
                                   0, 0, 0, h_, nullptr, GetModuleHandleW(nullptr), this);
    if (!f) return;
    n.flottant = f;
    n.poses = n.c->poses();
    SetParent(n.h, f);
    SetWindowPos(n.h, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
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
        case WM_CLOSE:
            // Closing the tool window puts the panel back in its place.
            if (f)
                for (Natif& n : f->natifs_)
                    if (n.flottant == h) f->amarrer(n);
            return 0;
        default:
            return DefWindowProcW(h, m, wp, lp);
        }
    });
}

}  // namespace nocturo::win32
