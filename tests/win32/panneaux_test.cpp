// The panels as the real window lays them out at the system's resolution, in each of the
// arrangements the user can bring up: every caption shows whole in its control, every
// control lies inside its panel and every panel on the screen, and no two controls of a
// panel overlap (a frame holds the controls laid over it). A caption is whole when the
// control, drawn by itself at its size, shows as many pixels of it as when drawn much
// larger. The scale arithmetic is also checked on its own.
// One line a case; the exit code is 1 when any case differs. The lines "panneau" say where the
// panels of each arrangement lie and the line "bouton" where the button that brings up the
// next one is, for the end-to-end scenario that looks for them in the program's own window.
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "app/diaporama.h"
#include "plateforme/win32/echelle.h"
#include "plateforme/win32/fenetre.h"
#include "plateforme/win32/plateforme_win32.h"
#include "plateforme/win32/poignees.h"
#include "plateforme/win32/texte_win32.h"

using namespace nocturo;
using namespace nocturo::win32;

namespace {

int echecs = 0;

void ligne(bool bon, const std::string& quoi, const std::string& detail = "") {
    std::printf("%-6s %s%s%s\n", bon ? "ok" : "ECHEC", quoi.c_str(), detail.empty() ? "" : " : ", detail.c_str());
    std::fflush(stdout);
    echecs += bon ? 0 : 1;
}

std::string texte_rect(const RECT& r) {
    return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ") " + std::to_string(r.right - r.left) +
           " x " + std::to_string(r.bottom - r.top);
}

// --- The arithmetic alone ---------------------------------------------------------------

struct CasEchelle {
    const char* nom;
    int dpi, largeur_ecran, hauteur_ecran, droite, bas;
    double attendue;
};

// The design of the slideshow window reaches 1561 x 849 with its margins.
const CasEchelle CAS_ECHELLE[] = {
    {"96 points par pouce : les unites du dessin", 96, 1920, 1080, 1561, 849, 1.0},
    {"144, le dessin tient a 1,5", 144, 3840, 2160, 1561, 849, 1.5},
    {"144 sur 1920 x 1080 : tout juste la largeur du dessin", 144, 1920, 1080, 1561, 849, 1920.0 / 1561},
    {"144, un dessin plus haut que large : la hauteur decide", 144, 1920, 1080, 1000, 900, 1.2},
    {"120 : un peu moins que l'ecran ne permettrait", 120, 3840, 2160, 1561, 849, 1.25},
    {"petit ecran a 96 : jamais plus petit que le dessin", 96, 1366, 768, 1561, 849, 1.0},
    {"petit ecran a 144 : pas plus petit que le dessin non plus", 144, 1366, 768, 1561, 849, 1.0},
    {"72 points par pouce : le systeme est plus petit que le dessin", 72, 1920, 1080, 1561, 849, 0.75},
    {"rien de dessine sur l'ecran : la resolution seule", 144, 1920, 1080, 0, 0, 1.5},
};

// Widths of the dialog font against 11 pixels: each pixel of height adds a tenth, and 12
// pixels come out a little wide, as hinting makes some.
double rapport_exemple(int hauteur) { return hauteur == 12 ? 1.13 : 1.0 + (hauteur - 11) / 10.0; }

struct CasPolice {
    const char* nom;
    double echelle, maximale;
    double attendue;
    int police;
};

const CasPolice CAS_POLICE[] = {
    {"a 1, 11 pixels", 1.0, 1e9, 1.0, 11},
    {"a 1,5, 16 pixels qui tiennent", 1.5, 1e9, 1.5, 16},
    {"une police plus large que l'echelle l'agrandit", 1.125, 1e9, 1.13, 12},
    {"jusqu'a ce que l'ecran l'arrete : la police descend", 1.125, 1.125, 1.125, 11},
    {"une police etroite laisse l'echelle", 1.25, 1.25, 1.25, 13},
};

struct CasRect {
    const char* nom;
    int gauche, largeur;
    double echelle;
    int attendu_gauche, attendu_droite;
};

const CasRect CAS_RECT[] = {
    {"a 1 rien ne change", 17, 30, 1.0, 17, 47},
    {"a 1,5 les bords arrondis", 17, 30, 1.5, 26, 71},
    {"le voisin qui touche commence ou l'autre finit", 47, 10, 1.5, 71, 86},
    {"a gauche de l'origine", -9, 4, 1.25, -11, -6},
};

void essayer_arithmetique() {
    for (const CasEchelle& c : CAS_ECHELLE) {
        const double e =
            echelle_panneaux(c.dpi, echelle_maximale(c.largeur_ecran, c.hauteur_ecran, c.droite, c.bas));
        ligne(e > c.attendue - 1e-9 && e < c.attendue + 1e-9, std::string("echelle ") + c.nom,
              std::to_string(e) + " pour " + std::to_string(c.attendue));
    }
    for (const CasPolice& c : CAS_POLICE) {
        const Mise m = accorder_police(c.echelle, c.maximale, rapport_exemple);
        ligne(m.echelle > c.attendue - 1e-9 && m.echelle < c.attendue + 1e-9 && m.police == c.police,
              std::string("police ") + c.nom, std::to_string(m.echelle) + ", " + std::to_string(m.police) + " pixels");
    }
    for (const CasRect& c : CAS_RECT) {
        const RECT r = rect_en_pixels(c.gauche, 0, c.largeur, 1, c.echelle);
        ligne(r.left == c.attendu_gauche && r.right == c.attendu_droite, std::string("bords ") + c.nom,
              std::to_string(r.left) + " .. " + std::to_string(r.right));
    }
    ligne(hauteur_police_dialogue(1.0) == 11 && hauteur_police_dialogue(1.5) == 16,
          "8 points font 11 pixels a 96 points par pouce, 16 a 144");
}

// --- Captions, drawn by a copy of their control -----------------------------------------

HWND atelier = nullptr;  // hidden parent of the copies

// A control of the given class, style and font, alone at the given size, drawing itself.
std::vector<uint32_t> dessin(const std::wstring& classe, DWORD style, HFONT police, const std::wstring& texte,
                             int largeur, int hauteur) {
    std::vector<uint32_t> pixels(static_cast<size_t>(largeur) * hauteur, 0);
    const HWND h = CreateWindowExW(0, classe.c_str(), texte.c_str(), (style & ~WS_VISIBLE) | WS_CHILD, 0, 0,
                                   largeur, hauteur, atelier, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!h) return pixels;
    SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(police), FALSE);
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof bi.bmiHeader, largeur, -hauteur, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    DcMemoire mem(CreateCompatibleDC(nullptr));
    Bitmap dib(CreateDIBSection(mem.get(), &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (dib) {
        win32::Selection s(mem.get(), dib.get());
        // What the control leaves undrawn (a group box's inside) is the face of the panel.
        const RECT tout{0, 0, largeur, hauteur};
        FillRect(mem.get(), &tout, GetSysColorBrush(COLOR_BTNFACE));
        SendMessageW(h, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(mem.get()), PRF_CLIENT | PRF_ERASEBKGND);
        GdiFlush();
        const auto* p = static_cast<const uint32_t*>(bits);
        for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = p[i] & 0xFFFFFF;
    }
    DestroyWindow(h);
    return pixels;
}

// How many pixels of the caption's colour the control shows at this size (the copies keep
// the system's colours: the text is the only thing drawn in it).
int pixels_de_legende(const std::wstring& classe, DWORD style, HFONT police, const std::wstring& texte, int largeur,
                      int hauteur) {
    const COLORREF c = GetSysColor(COLOR_BTNTEXT);
    const uint32_t encre = static_cast<uint32_t>(GetRValue(c)) << 16 | GetGValue(c) << 8 | GetBValue(c);
    int n = 0;
    for (const uint32_t p : dessin(classe, style, police, texte, largeur, hauteur)) n += p == encre;
    return n;
}

std::wstring classe_de(HWND h) {
    wchar_t c[64] = L"";
    GetClassNameW(h, c, 64);
    return c;
}

std::wstring texte_de(HWND h) {
    std::wstring t(static_cast<size_t>(GetWindowTextLengthW(h)) + 1, L'\0');
    t.resize(static_cast<size_t>(GetWindowTextW(h, t.data(), static_cast<int>(t.size()))));
    return t;
}

bool est_bouton_ou_texte(const std::wstring& classe) {
    return lstrcmpiW(classe.c_str(), L"Button") == 0 || lstrcmpiW(classe.c_str(), L"Static") == 0;
}

// What is wrong with the caption of a native control; empty when it shows whole.
std::string legende_coupee(HWND h) {
    const std::wstring classe = classe_de(h), texte = texte_de(h);
    const auto police = reinterpret_cast<HFONT>(SendMessageW(h, WM_GETFONT, 0, 0));
    RECT r;
    GetClientRect(h, &r);
    const int l = r.right, ha = r.bottom;
    if (texte.empty() || texte.find_first_not_of(L' ') == std::wstring::npos || l <= 0 || ha <= 0) return {};
    if (lstrcmpiW(classe.c_str(), CLASSE_PANNEAU) == 0) {
        // A panel writes its caption on one line, centred, inside its raised edge.
        DcFenetre dc(h);
        win32::Selection s(dc.get(), police);
        SIZE t{};
        GetTextExtentPoint32W(dc.get(), texte.c_str(), static_cast<int>(texte.size()), &t);
        if (t.cx <= l - 2 && t.cy <= ha) return {};
        return "texte de " + std::to_string(t.cx) + " x " + std::to_string(t.cy) + " dans " + std::to_string(l) +
               " x " + std::to_string(ha);
    }
    if (!est_bouton_ou_texte(classe)) return {};
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(h, GWL_STYLE));
    if (lstrcmpiW(classe.c_str(), L"Static") == 0 && (style & SS_TYPEMASK) == SS_ETCHEDFRAME) return {};
    const int vus = pixels_de_legende(classe, style, police, texte, l, ha);
    const int entiers = pixels_de_legende(classe, style, police, texte, 3 * l + 200, 3 * ha + 60);
    if (vus >= entiers && entiers > 0) return {};
    return std::to_string(vus) + " pixels du texte sur " + std::to_string(entiers) + " dans " + std::to_string(l) +
           " x " + std::to_string(ha);
}

// --- Places -------------------------------------------------------------------------------

struct Natif {
    HWND h;
    HWND parent;
    RECT ecran;  // window rectangle on the screen
    std::string nom;
    bool cadre;
};

bool est_cadre(HWND h) {
    const std::wstring classe = classe_de(h);
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(h, GWL_STYLE));
    if (lstrcmpiW(classe.c_str(), L"Button") == 0) return (style & BS_TYPEMASK) == BS_GROUPBOX;
    return lstrcmpiW(classe.c_str(), L"Static") == 0 && (style & SS_TYPEMASK) == SS_ETCHEDFRAME;
}

// Every shown native control of the window, named after its model control when it has one.
std::vector<Natif> natifs_montres(const FenetreForme& f, const Forme& forme) {
    std::vector<Natif> tous;
    std::vector<HWND> fenetres;
    EnumChildWindows(
        f.poignee(),
        [](HWND h, LPARAM lp) {
            reinterpret_cast<std::vector<HWND>*>(lp)->push_back(h);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&fenetres));
    for (HWND h : fenetres) {
        if (!IsWindowVisible(h)) continue;
        Natif n{h, GetParent(h), {}, etroit(texte_de(h)), est_cadre(h)};
        GetWindowRect(h, &n.ecran);
        for (const Controle* c : forme.controles())
            if (f.natif(*c) == h) n.nom = c->nom();
        if (n.nom.empty()) n.nom = "<" + etroit(texte_de(h)) + ">";
        tous.push_back(n);
    }
    return tous;
}

bool dedans(const RECT& petit, const RECT& grand) {
    return petit.left >= grand.left && petit.top >= grand.top && petit.right <= grand.right &&
           petit.bottom <= grand.bottom;
}

// The client area of a control's parent on the screen; the screen for the panels.
RECT hote_de(const Natif& n, HWND fenetre) {
    if (n.parent == fenetre) return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    RECT hote;
    GetClientRect(n.parent, &hote);
    MapWindowPoints(n.parent, nullptr, reinterpret_cast<POINT*>(&hote), 2);
    return hote;
}

void verifier_disposition(const std::string& disposition, const FenetreForme& f, const Forme& forme) {
    const std::vector<Natif> natifs = natifs_montres(f, forme);
    std::string coupees, dehors, chevauchements;
    int vus = 0;
    for (const Natif& n : natifs) {
        // What lies wholly outside its panel does not show (the short form of the control
        // panel hides its lower rows so); what lies across its edge is cut.
        const RECT hote = hote_de(n, f.poignee());
        RECT commun;
        if (!IntersectRect(&commun, &n.ecran, &hote)) continue;
        ++vus;
        if (!dedans(n.ecran, hote))
            dehors += "\n    " + n.nom + " " + texte_rect(n.ecran) + " a cheval sur le bord de " + texte_rect(hote);
        if (const std::string d = legende_coupee(n.h); !d.empty()) coupees += "\n    " + n.nom + " : " + d;
    }
    for (size_t i = 0; i < natifs.size(); ++i)
        for (size_t j = i + 1; j < natifs.size(); ++j) {
            const Natif &a = natifs[i], &b = natifs[j];
            RECT commun, visible;
            const RECT hote = hote_de(a, f.poignee());
            if (a.parent != b.parent || !IntersectRect(&commun, &a.ecran, &b.ecran) ||
                !IntersectRect(&visible, &commun, &hote))
                continue;
            if ((a.cadre && dedans(b.ecran, a.ecran)) || (b.cadre && dedans(a.ecran, b.ecran))) continue;
            chevauchements += "\n    " + a.nom + " " + texte_rect(a.ecran) + " et " + b.nom + " " + texte_rect(b.ecran);
        }
    const std::string n = std::to_string(vus) + " controles";
    ligne(coupees.empty(), disposition + " : les legendes entieres (" + n + ")", coupees);
    ligne(dehors.empty(), disposition + " : chaque controle dans son panneau, les panneaux sur l'ecran", dehors);
    ligne(chevauchements.empty(), disposition + " : rien ne se chevauche", chevauchements);
}

void dire_place(const char* quoi, const FenetreForme& f, const Controle& c) {
    RECT r;
    GetWindowRect(f.natif(c), &r);
    std::printf("%s %s %ld %ld %ld %ld\n", quoi, c.nom().c_str(), r.left, r.top, r.right - r.left, r.bottom - r.top);
}

void pomper() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

void essayer_panneaux() {
    atelier = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, GetModuleHandleW(nullptr),
                              nullptr);
    PlateformeWin32 p;
    Tdiapo d(p);
    d.largeur_ecran = p.largeur_ecran();
    d.hauteur_ecran = p.hauteur_ecran();
    d.forme.bornes = {0, 0, d.largeur_ecran, d.hauteur_ecran};
    Rappels r;
    r.executer = [](const Gestionnaire& g) { g(); };
    FenetreForme f(d.forme, StyleFenetre::plein_ecran, std::move(r));
    std::printf("echelle %.4f dpi %d\n", f.echelle(), dpi_fenetre(f.poignee()));
    f.afficher();
    d.ListBox_passee.definir_visible(false);

    struct Disposition {
        const char* nom;
        std::function<void()> amener;
        const Controle* suivant;  // the button that brings up the next one
    };
    const Disposition dispositions[] = {
        {"forme courte", [&] { d.Panel1.definir_visible(true); d.forme_courte(); }, &d.Button_avec_sans_option},
        {"forme longue", [&] { d.forme_longue(); }, &d.Button_param_avancer},
        {"parametres avances", [&] { d.Panel3.definir_visible(true); d.Panel2.definir_visible(true); }, &d.SpeedButton2},
        {"renommage", [&] { d.Panel_renommage.definir_visible(true); }, nullptr},
    };
    for (const Disposition& a : dispositions) {
        a.amener();
        f.synchroniser();
        pomper();
        std::printf("disposition %s\n", a.nom);
        for (const Controle* c : d.forme.controles())
            if (!c->parent() && c->genre() == Genre::Panel && IsWindowVisible(f.natif(*c)))
                dire_place("panneau", f, *c);
        if (a.suivant) dire_place("bouton", f, *a.suivant);
        // A panel drawn for 96 points per inch takes the scale whole.
        RECT p1;
        GetWindowRect(f.natif(d.Panel1), &p1);
        const double attendue = d.Panel1.hauteur() * f.echelle();
        ligne(std::abs(p1.bottom - p1.top - attendue) <= 1, std::string(a.nom) + " : le panneau a l'echelle",
              std::to_string(p1.bottom - p1.top) + " pixels de haut pour " + std::to_string(attendue));
        verifier_disposition(a.nom, f, d.forme);
    }
}

}  // namespace

int main() {
    // A crash ends the run at once with its code, instead of waiting in a debugger.
    SetUnhandledExceptionFilter([](EXCEPTION_POINTERS* e) -> LONG {
        std::printf("PLANTAGE : exception %08lX\n", e->ExceptionRecord->ExceptionCode);
        std::fflush(stdout);
        ExitProcess(3);
    });
    essayer_arithmetique();
    essayer_panneaux();
    std::printf("%d echec(s)\n", echecs);
    return echecs ? 1 : 0;
}
