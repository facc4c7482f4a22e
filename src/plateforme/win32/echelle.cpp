#include "plateforme/win32/echelle.h"

#include "plateforme/win32/poignees.h"
#include "plateforme/win32/ressources_gdi.h"

namespace nocturo::win32 {

namespace {

// A function of the system that older versions lack, or null.
template <class F>
F fonction(const wchar_t* bibliotheque, const char* nom) {
    HMODULE m = GetModuleHandleW(bibliotheque);
    if (!m) m = LoadLibraryW(bibliotheque);  // kept for the life of the program
    // Through the one function type that converts to every other without a warning.
    return m ? reinterpret_cast<F>(reinterpret_cast<void (*)()>(GetProcAddress(m, nom))) : nullptr;
}

int dpi_systeme() {
    const HDC dc = GetDC(nullptr);
    const int dpi = dc ? GetDeviceCaps(dc, LOGPIXELSY) : 0;
    if (dc) ReleaseDC(nullptr, dc);
    return dpi > 0 ? dpi : DPI_DESSIN;
}

}  // namespace

int dpi_moniteur(HMONITOR m) {
    // MDT_EFFECTIVE_DPI is 0.
    using DpiMoniteur = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    static const auto par_moniteur = fonction<DpiMoniteur>(L"shcore.dll", "GetDpiForMonitor");
    UINT x = 0, y = 0;
    if (par_moniteur && m && SUCCEEDED(par_moniteur(m, 0, &x, &y)) && y > 0) return static_cast<int>(y);
    return dpi_systeme();
}

int dpi_fenetre(HWND h) {
    using DpiFenetre = UINT(WINAPI*)(HWND);
    static const auto par_fenetre = fonction<DpiFenetre>(L"user32.dll", "GetDpiForWindow");
    if (par_fenetre && h)
        if (const UINT dpi = par_fenetre(h)) return static_cast<int>(dpi);
    if (h) return dpi_moniteur(MonitorFromWindow(h, MONITOR_DEFAULTTONEAREST));
    return dpi_systeme();
}

RECT moniteur_de(const RECT& r, HMONITOR* m) {
    const HMONITOR h = MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST);
    if (m) *m = h;
    MONITORINFO mi{};
    mi.cbSize = sizeof mi;
    if (h && GetMonitorInfoW(h, &mi)) return mi.rcMonitor;
    return RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

RECT cadre_fenetre(DWORD style, DWORD ex, int dpi) {
    using CadrePourDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    static const auto pour_dpi = fonction<CadrePourDpi>(L"user32.dll", "AdjustWindowRectExForDpi");
    RECT r{0, 0, 0, 0};
    if (!pour_dpi || !pour_dpi(&r, style, FALSE, ex, static_cast<UINT>(dpi))) {
        r = RECT{0, 0, 0, 0};
        AdjustWindowRectEx(&r, style, FALSE, ex);
    }
    return r;
}

double rapport_police_dialogue(int hauteur, const std::vector<std::wstring>& textes) {
    static const std::vector<std::wstring> lettres{L"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"};
    DcFenetre dc(nullptr);
    const auto largeur = [&](const std::wstring& t, int h) {
        Selection s(dc.get(), police_dialogue(h));
        SIZE taille{};
        GetTextExtentPoint32W(dc.get(), t.c_str(), static_cast<int>(t.size()), &taille);
        return taille.cx;
    };
    double rapport = 0;
    for (const std::wstring& t : textes.empty() ? lettres : textes)
        if (const LONG reference = largeur(t, hauteur_police_dialogue(1.0)); reference > 0)
            rapport = std::max(rapport, static_cast<double>(largeur(t, hauteur)) / reference);
    return rapport > 0 ? rapport : 1.0;
}

}  // namespace nocturo::win32
