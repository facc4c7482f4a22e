// Small owners for the handles of the system, each released the one way it must be.
#pragma once
#include <memory>
#include <type_traits>

#include "plateforme/win32/win32.h"

namespace nocturo::win32 {

struct LibererObjetGdi {
    void operator()(void* h) const { if (h) DeleteObject(static_cast<HGDIOBJ>(h)); }
};
struct LibererDc {
    void operator()(HDC h) const { if (h) DeleteDC(h); }
};
struct FermerHandle {
    void operator()(void* h) const { if (h && h != INVALID_HANDLE_VALUE) CloseHandle(h); }
};
struct FermerRecherche {
    void operator()(void* h) const { if (h && h != INVALID_HANDLE_VALUE) FindClose(h); }
};
struct DetruireFenetre {
    void operator()(HWND h) const { if (h && IsWindow(h)) DestroyWindow(h); }
};

template <typename H, typename L>
using Possede = std::unique_ptr<std::remove_pointer_t<H>, L>;

using Police = Possede<HFONT, LibererObjetGdi>;
using Pinceau = Possede<HBRUSH, LibererObjetGdi>;
using Bitmap = Possede<HBITMAP, LibererObjetGdi>;
using DcMemoire = Possede<HDC, LibererDc>;
using Fichier = Possede<HANDLE, FermerHandle>;
using Recherche = Possede<HANDLE, FermerRecherche>;
using Fenetre = Possede<HWND, DetruireFenetre>;

// Puts a GDI object in a device context for one scope, then puts the old one back.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ objet) : dc_(dc), ancien_(SelectObject(dc, objet)) {}
    ~Selection() { SelectObject(dc_, ancien_); }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

private:
    HDC dc_;
    HGDIOBJ ancien_;
};

// A device context released to its window at the end of the scope.
class DcFenetre {
public:
    explicit DcFenetre(HWND h) : h_(h), dc_(GetDC(h)) {}
    ~DcFenetre() { ReleaseDC(h_, dc_); }
    DcFenetre(const DcFenetre&) = delete;
    DcFenetre& operator=(const DcFenetre&) = delete;
    HDC get() const { return dc_; }

private:
    HWND h_;
    HDC dc_;
};

}  // namespace nocturo::win32
