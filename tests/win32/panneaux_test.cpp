// The panels as the real window lays them out at the system's resolution, in each of the
// arrangements the user can bring up: every caption shows whole in its control, every
// control lies inside its panel and every panel on the screen, and no two controls of a
// panel overlap (a frame holds the controls laid over it). A caption is whole when the
// control, drawn by itself at its size, shows as many pixels of it as the text has when
// written alone with nothing to clip it. The same again once the window is told it is on a
// monitor of another resolution, and for the control panel dragged off into its floating
// window and moved to such a monitor (Wine shows one monitor: the system's message is sent by
// hand). The scale arithmetic, several monitors at several resolutions included, is also
// checked on its own. One line a case; the exit code is 1 when any case differs. The lines
// "panneau" say where the panels of each arrangement lie and the line "bouton" where the
// button that brings up the next one is, for the end-to-end scenario that looks for them in
// the program's own window (at the system's resolution only).
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "app/diaporama.h"
#include "plateforme/win32/echelle.h"
#include "plateforme/win32/fenetre.h"
#include "plateforme/win32/natifs_outils.h"
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

// Several monitors at several resolutions, which Wine does not show: a panel's scale on each,
// and where its floating window goes when it is moved from one to another.
struct CasMise {
    const char* nom;
    int dpi;
    double maximale;
    double attendue;
    int police;
};

const CasMise CAS_MISE[] = {
    {"un moniteur a 144, assez grand : 1,5 et 16 pixels", 144, 1e9, 1.5, 16},
    {"un moniteur a 120 : 1,25 et 13 pixels", 120, 1e9, 1.25, 13},
    {"un moniteur a 144 trop petit pour le panneau : ce qu'il tient", 144, 1.2, 1.2, 13},
    {"de retour sur un moniteur a 96 : le dessin", 96, 1e9, 1.0, 11},
};

// A 1920 x 1080 monitor at 96 on the left, a 3840 x 2160 one at 144 on its right; a frame
// of 5 pixels with a caption of 30 at 144.
const RECT GAUCHE{0, 0, 1920, 1080}, DROITE{1920, 0, 5760, 2160}, CADRE_144{-5, -35, 5, 5};

struct CasPlace {
    const char* nom;
    RECT rect, zone;
    RECT attendu;
};

RECT rect(LONG x, LONG y, LONG l, LONG h) { return RECT{x, y, x + l, y + h}; }

const CasPlace CAS_PLACE[] = {
    {"sur son moniteur, rien ne bouge", rect(100, 200, 1009, 69), GAUCHE, rect(100, 200, 1009, 69)},
    {"lache a cheval sur les deux : ramene sur le sien", rect(1500, 200, 1009, 69), GAUCHE, rect(911, 200, 1009, 69)},
    {"sur celui de droite, au bord haut", rect(2500, -20, 1514, 99), DROITE, rect(2500, 0, 1514, 99)},
    {"plus grand que l'ecran : son coin en haut a gauche y reste", rect(-50, -50, 2000, 300), GAUCHE,
     rect(0, 0, 2000, 300)},
};

struct CasSuggestion {
    const char* nom;
    RECT suggere;
    SIZE client;
    RECT attendu;
};

const CasSuggestion CAS_SUGGESTION[] = {
    {"une echelle en proportion : la suggestion meme", rect(2000, 300, 1524, 99), SIZE{1514, 59},
     rect(2000, 300, 1524, 99)},
    {"une police plus large : plus grande, au meme coin", rect(2000, 300, 1524, 99), SIZE{1541, 60},
     rect(2000, 300, 1551, 100)},
    {"trop large pour le bord droit : ramenee dedans", rect(5000, 300, 1524, 99), SIZE{1514, 59},
     rect(5760 - 1524, 300, 1524, 99)},
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
    for (const CasMise& c : CAS_MISE) {
        const Mise m = mise_pour_dpi(c.dpi, c.maximale, rapport_exemple);
        ligne(m.echelle > c.attendue - 1e-9 && m.echelle < c.attendue + 1e-9 && m.police == c.police && m.dpi == c.dpi,
              std::string("mise ") + c.nom,
              std::to_string(m.echelle) + ", " + std::to_string(m.police) + " pixels a " + std::to_string(m.dpi));
    }
    for (const CasPlace& c : CAS_PLACE) {
        const RECT r = garder_dans(c.rect, c.zone);
        ligne(EqualRect(&r, &c.attendu) != 0, std::string("place ") + c.nom, texte_rect(r));
    }
    for (const CasSuggestion& c : CAS_SUGGESTION) {
        const RECT r = rect_nouvelle_echelle(c.suggere, c.client, CADRE_144, DROITE);
        ligne(EqualRect(&r, &c.attendu) != 0, std::string("a 144 ") + c.nom, texte_rect(r));
    }
    const SIZE courte = taille_panneau(1001, 39, LARGEUR_POIGNEE, 1.5), longue = taille_panneau(1545, 214, 8, 1.25);
    ligne(courte.cx == 1514 && courte.cy == 59 && longue.cx == 1941 && longue.cy == 268,
          "le panneau et sa poignee a 1,5 et 1,25, chaque longueur arrondie",
          std::to_string(courte.cx) + " x " + std::to_string(courte.cy) + ", " + std::to_string(longue.cx) + " x " +
              std::to_string(longue.cy));
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

// The ink colour of the copies: they keep the system's colours, and the text is the only
// thing drawn in it (frames and boxes are in the shadow and highlight colours).
uint32_t encre() {
    const COLORREF c = GetSysColor(COLOR_BTNTEXT);
    return static_cast<uint32_t>(GetRValue(c)) << 16 | GetGValue(c) << 8 | GetBValue(c);
}

// How many pixels of the caption's colour the control shows at this size.
int pixels_de_legende(const std::wstring& classe, DWORD style, HFONT police, const std::wstring& texte, int largeur,
                      int hauteur) {
    int n = 0;
    for (const uint32_t p : dessin(classe, style, police, texte, largeur, hauteur)) n += p == encre();
    return n;
}

// How many the caption has whole: its line written alone in the control's font, with room
// all round and nothing to clip it. A control may clip its text to less than its own size
// (a button's label to the text's measured width, which the last letter's ink may pass),
// so the control drawn much larger is no measure of it.
int pixels_du_texte(HFONT police, const std::wstring& texte) {
    DcMemoire mem(CreateCompatibleDC(nullptr));
    win32::Selection sp(mem.get(), police);
    SIZE t{};
    GetTextExtentPoint32W(mem.get(), texte.c_str(), static_cast<int>(texte.size()), &t);
    const int largeur = 2 * t.cx + 4 * t.cy + 16, hauteur = 3 * t.cy + 16;
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof bi.bmiHeader, largeur, -hauteur, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    Bitmap dib(CreateDIBSection(mem.get(), &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dib) return 0;
    win32::Selection sb(mem.get(), dib.get());
    RECT r{0, 0, largeur, hauteur};
    FillRect(mem.get(), &r, GetSysColorBrush(COLOR_BTNFACE));
    SetTextColor(mem.get(), GetSysColor(COLOR_BTNTEXT));
    SetBkMode(mem.get(), TRANSPARENT);
    RECT ligne{2 * t.cy, t.cy, largeur, hauteur};
    DrawTextW(mem.get(), texte.c_str(), static_cast<int>(texte.size()), &ligne,
              DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX);
    GdiFlush();
    const auto* p = static_cast<const uint32_t*>(bits);
    int n = 0;
    for (size_t i = 0; i < static_cast<size_t>(largeur) * hauteur; ++i) n += (p[i] & 0xFFFFFF) == encre();
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
    // The control's own drawing at its size, less what it draws without a caption (the box of
    // a check box, the dot of a radio button), against the caption whole.
    const int vus = pixels_de_legende(classe, style, police, texte, l, ha) -
                    pixels_de_legende(classe, style, police, L"", l, ha);
    const int entiers = pixels_du_texte(police, texte);
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
std::vector<Natif> natifs_montres(const FenetreForme& f, const Forme& forme, HWND racine) {
    std::vector<Natif> tous;
    std::vector<HWND> fenetres;
    EnumChildWindows(
        racine,
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

// Every shown control of a top-level window of the program: the slideshow window, or the
// floating window of a panel dragged off it.
void verifier_disposition(const std::string& disposition, const FenetreForme& f, const Forme& forme,
                          HWND racine = nullptr) {
    if (!racine) racine = f.poignee();
    const std::vector<Natif> natifs = natifs_montres(f, forme, racine);
    std::string coupees, dehors, chevauchements;
    int vus = 0;
    for (const Natif& n : natifs) {
        // What lies wholly outside its panel does not show (the short form of the control
        // panel hides its lower rows so); what lies across its edge is cut.
        const RECT hote = hote_de(n, racine);
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
            const RECT hote = hote_de(a, racine);
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

bool entre(double x, double bas, double haut) { return x > bas - 1e-9 && x < std::max(bas, haut) + 1e-9; }

RECT rect_de(HWND h) {
    RECT r{};
    GetWindowRect(h, &r);
    return r;
}

int hauteur_police(HWND h) {
    LOGFONTW lf{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(h, WM_GETFONT, 0, 0)), sizeof lf, &lf);
    return std::abs(lf.lfHeight);
}

// Wine shows one monitor, at one resolution: the system's message of a window moved to a
// monitor of another is sent by hand, with the rectangle the system would suggest (the same
// top left, the size in proportion).
RECT suggestion(const RECT& r, int avant, int apres) {
    return {r.left, r.top, r.left + MulDiv(r.right - r.left, apres, avant),
            r.top + MulDiv(r.bottom - r.top, apres, avant)};
}

void changer_resolution(HWND h, int dpi, RECT suggere) {
    SendMessageW(h, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggere));
    pomper();
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
    const auto parcourir = [&](const std::string& ou, bool dire) {
        for (const Disposition& a : dispositions) {
            a.amener();
            f.synchroniser();
            pomper();
            if (dire) {
                std::printf("disposition %s\n", a.nom);
                for (const Controle* c : d.forme.controles())
                    if (!c->parent() && c->genre() == Genre::Panel && IsWindowVisible(f.natif(*c)))
                        dire_place("panneau", f, *c);
                if (a.suivant) dire_place("bouton", f, *a.suivant);
            }
            // A panel drawn for 96 points per inch takes the scale whole.
            RECT p1;
            GetWindowRect(f.natif(d.Panel1), &p1);
            const double attendue = d.Panel1.hauteur() * f.echelle();
            const std::string nom = ou + a.nom;
            ligne(std::abs(p1.bottom - p1.top - attendue) <= 1, nom + " : le panneau a l'echelle",
                  std::to_string(p1.bottom - p1.top) + " pixels de haut pour " + std::to_string(attendue));
            verifier_disposition(nom, f, d.forme);
        }
    };
    const auto cacher_tout = [&] {
        for (Controle* c : {&d.Panel3, &d.Panel2, &d.Panel_renommage}) c->definir_visible(false);
    };
    parcourir("", true);

    // The window moved to a monitor of another resolution, or its monitor's changed: its
    // controls at the new scale, the window itself in its real pixels still.
    const int dpi = dpi_fenetre(f.poignee()), autre = dpi > DPI_DESSIN ? DPI_DESSIN : 144;
    const std::string a_autre = "a " + std::to_string(autre) + " : ";
    const RECT ecran = rect_de(f.poignee());
    const int largeur = ecran.right - ecran.left, hauteur = ecran.bottom - ecran.top;
    const double echelle_avant = f.echelle();
    const int police_avant = hauteur_police(f.natif(d.Button_param_avancer));
    changer_resolution(f.poignee(), autre, suggestion(ecran, dpi, autre));
    const RECT ecran_apres = rect_de(f.poignee());
    ligne(EqualRect(&ecran, &ecran_apres) != 0, a_autre + "la fenetre plein ecran garde ses pixels",
          texte_rect(ecran_apres));
    ligne(entre(f.echelle(), echelle_panneaux(autre, echelle_maximale(largeur, hauteur, 1561, 849)),
                echelle_maximale(largeur, hauteur, 1561, 849)) &&
              d.forme.pixels_par_unite == f.echelle(),
          a_autre + "l'echelle de la resolution", std::to_string(f.echelle()));
    ligne((hauteur_police(f.natif(d.Button_param_avancer)) > police_avant) == (f.echelle() > echelle_avant),
          a_autre + "la police a l'echelle", std::to_string(hauteur_police(f.natif(d.Button_param_avancer))) +
                                                 " pixels pour " + std::to_string(police_avant));
    cacher_tout();
    parcourir(a_autre, false);
    changer_resolution(f.poignee(), dpi, suggestion(ecran, autre, dpi));
    ligne(f.echelle() == echelle_avant && hauteur_police(f.natif(d.Button_param_avancer)) == police_avant,
          "de retour a " + std::to_string(dpi) + " : l'echelle et la police d'avant");

    // The panel dragged off by its grip floats in a window of its own, at the window's scale
    // on the same monitor.
    cacher_tout();
    d.forme_courte();
    f.synchroniser();
    pomper();
    const HWND panneau = f.natif(d.Panel1);
    RECT client;
    GetClientRect(panneau, &client);
    const int x = en_pixels(LARGEUR_POIGNEE / 2, f.echelle()), y = client.bottom / 2;
    SendMessageW(panneau, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(panneau, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y - 400));
    SendMessageW(panneau, WM_LBUTTONUP, 0, MAKELPARAM(x, y - 400));
    pomper();
    const HWND flottante = GetParent(panneau);
    if (!flottante || flottante == f.poignee() || lstrcmpiW(classe_de(flottante).c_str(), CLASSE_FLOTTANT) != 0) {
        ligne(false, "le panneau tire par sa poignee flotte");
        return;
    }
    ligne(f.echelle_de(d.Panel1) == f.echelle(), "flottant sur son ecran : a l'echelle de la fenetre");
    verifier_disposition("flottant", f, d.forme, flottante);

    // Moved to a monitor of the other resolution, where the system suggests.
    const RECT avant = rect_de(flottante);
    RECT proposee = suggestion(avant, dpi, autre);
    OffsetRect(&proposee, 20 - proposee.left, 100 - proposee.top);
    changer_resolution(flottante, autre, proposee);
    const double e = f.echelle_de(d.Panel1);
    const double maximale =
        echelle_maximale(largeur, hauteur, d.Panel1.largeur() + LARGEUR_POIGNEE, d.Panel1.hauteur());
    ligne(entre(e, echelle_panneaux(autre, maximale), maximale) && e != f.echelle() && f.echelle() == echelle_avant,
          a_autre + "le panneau flottant a l'echelle de son ecran, la fenetre a la sienne",
          std::to_string(e) + " et " + std::to_string(f.echelle()));
    GetClientRect(panneau, &client);
    const SIZE t = taille_panneau(d.Panel1.largeur(), d.Panel1.hauteur(), LARGEUR_POIGNEE, e);
    // Its window as large as the panel in a frame of the new resolution (Wine draws frames at
    // its own: the client area may differ from the panel there, not the window's size).
    const RECT cadre = cadre_fenetre(static_cast<DWORD>(GetWindowLongPtrW(flottante, GWL_STYLE)),
                                     static_cast<DWORD>(GetWindowLongPtrW(flottante, GWL_EXSTYLE)), autre);
    const RECT apres = rect_de(flottante);
    const RECT voulue{proposee.left, proposee.top, proposee.left + t.cx + cadre.right - cadre.left,
                      proposee.top + t.cy + cadre.bottom - cadre.top};
    ligne(client.right == t.cx && client.bottom == t.cy && EqualRect(&apres, &voulue),
          a_autre + "le panneau a la taille du dessin, sa fenetre autour, ou le systeme la met",
          std::to_string(client.right) + " x " + std::to_string(client.bottom) + " pour " + std::to_string(t.cx) +
              " x " + std::to_string(t.cy) + ", fenetre " + texte_rect(apres) + " pour " + texte_rect(voulue));
    ligne((hauteur_police(f.natif(d.Button_avec_sans_option)) > police_avant) == (e > echelle_avant),
          a_autre + "la police du panneau flottant a son echelle");
    verifier_disposition(a_autre + "flottant", f, d.forme, flottante);

    // Back on a monitor of the window's resolution, then in its place.
    changer_resolution(flottante, dpi, suggestion(apres, autre, dpi));
    ligne(f.echelle_de(d.Panel1) == f.echelle(), "flottant de retour : a l'echelle de la fenetre");
    SendMessageW(flottante, WM_CLOSE, 0, 0);
    pomper();
    ligne(GetParent(panneau) == f.poignee() && !IsWindow(flottante), "ferme, le panneau revient a sa place");
    verifier_disposition("de nouveau a sa place", f, d.forme);
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
