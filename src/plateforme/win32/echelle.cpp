#include "plateforme/win32/echelle.h"

#include "plateforme/win32/poignees.h"
#include "plateforme/win32/ressources_gdi.h"

namespace nocturo::win32 {

int dpi_fenetre(HWND h) {
    using DpiFenetre = UINT(WINAPI*)(HWND);
    static const DpiFenetre par_fenetre = [] {
        const HMODULE m = GetModuleHandleW(L"user32.dll");
        // Through the one function type that converts to every other without a warning.
        return m ? reinterpret_cast<DpiFenetre>(reinterpret_cast<void (*)()>(GetProcAddress(m, "GetDpiForWindow")))
                 : nullptr;
    }();
    if (par_fenetre && h)
        if (const UINT dpi = par_fenetre(h)) return static_cast<int>(dpi);
    const HDC dc = GetDC(nullptr);
    const int dpi = dc ? GetDeviceCaps(dc, LOGPIXELSY) : 0;
    if (dc) ReleaseDC(nullptr, dc);
    return dpi > 0 ? dpi : DPI_DESSIN;
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
