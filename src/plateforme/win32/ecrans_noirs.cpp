#include "plateforme/win32/ecrans_noirs.h"

#include <algorithm>

#include "plateforme/win32/echelle.h"
#include "plateforme/win32/garde.h"

namespace nocturo::win32 {

namespace {

constexpr const wchar_t* CLASSE = L"NocturoEcranNoir";

LRESULT CALLBACK procedure(HWND h, UINT m, WPARAM wp, LPARAM lp) {
    return sans_exception<LRESULT>(h, m, 0, [&]() -> LRESULT {
        switch (m) {
            case WM_SETCURSOR:
                SetCursor(nullptr);  // no cursor over the black, as over the show
                return TRUE;
            case WM_DPICHANGED: {
                // Its monitor whole, in its real pixels, at any resolution: not the suggestion,
                // which scales the window.
                RECT r;
                GetWindowRect(h, &r);
                const RECT m = moniteur_de(r);
                SetWindowPos(h, nullptr, m.left, m.top, m.right - m.left, m.bottom - m.top,
                             SWP_NOZORDER | SWP_NOACTIVATE);
                return 0;
            }
            case WM_ERASEBKGND: {
                RECT r;
                GetClientRect(h, &r);
                FillRect(reinterpret_cast<HDC>(wp), &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
                return 1;
            }
            default:
                return DefWindowProcW(h, m, wp, lp);
        }
    });
}

}  // namespace

EcransNoirs::~EcransNoirs() {
    for (HWND h : fenetres_)
        if (IsWindow(h)) DestroyWindow(h);
}

void EcransNoirs::couvrir(const std::vector<Moniteur>& moniteurs, HWND proprietaire) {
    static const bool classe = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = procedure;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = CLASSE;
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
        return RegisterClassW(&wc) != 0;
    }();
    (void)classe;
    for (const Moniteur& m : moniteurs) {
        const HWND h = CreateWindowExW(WS_EX_TOOLWINDOW, CLASSE, L"", WS_POPUP | WS_VISIBLE, m.gauche, m.haut, m.largeur,
                                       m.hauteur, proprietaire, nullptr, GetModuleHandleW(nullptr), nullptr);
        if (h) fenetres_.push_back(h);
    }
}

bool EcransNoirs::contient(HWND h) const { return std::find(fenetres_.begin(), fenetres_.end(), h) != fenetres_.end(); }

bool EcransNoirs::pretraiter(const MSG& msg) {
    if (!contient(msg.hwnd)) return false;
    if (!touche_) return false;
    if (const int touche = appuis_.relachee(msg)) touche_(touche);
    return false;
}

}  // namespace nocturo::win32
