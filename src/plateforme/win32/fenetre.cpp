// The window itself: its class, its life, the messages it answers and the push of changes.
#include "plateforme/win32/fenetre.h"

#include "plateforme/win32/win32.h"
#include <commctrl.h>

#include <algorithm>
#include <climits>

#include "plateforme/win32/echelle.h"
#include "plateforme/win32/garde.h"
#include "plateforme/win32/natifs_outils.h"
#include "plateforme/win32/texte_win32.h"

namespace nocturo::win32 {

namespace {

void enregistrer_classes() {
    static bool faites = false;
    if (faites) return;
    faites = true;
    const HINSTANCE inst = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = FenetreForme::procedure;
    wc.hInstance = inst;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hIcon = LoadIconW(inst, MAKEINTRESOURCEW(1));
    wc.lpszClassName = CLASSE_FENETRE;
    RegisterClassExW(&wc);
    wc.lpfnWndProc = FenetreForme::procedure_panneau;
    wc.hIcon = nullptr;
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpszClassName = CLASSE_PANNEAU;
    RegisterClassExW(&wc);
    wc.lpfnWndProc = FenetreForme::procedure_flottant;
    wc.style = 0;
    wc.lpszClassName = CLASSE_FLOTTANT;
    RegisterClassExW(&wc);
}

FenetreForme* objet_de(HWND h) {
    return reinterpret_cast<FenetreForme*>(GetWindowLongPtrW(h, GWLP_USERDATA));
}

}  // namespace

FenetreForme::FenetreForme(Forme& forme, StyleFenetre style, Rappels rappels, const std::string& titre)
    : forme_(forme), style_(style), rappels_(std::move(rappels)), titre_(titre) {
    enregistrer_classes();
    const Bornes& b = forme_.bornes;
    const DWORD style_natif = style_ == StyleFenetre::plein_ecran
                                  ? WS_POPUP | WS_CLIPCHILDREN
                                  : WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    legende_ = titre_.empty() ? forme_.legende : titre_;
    CreateWindowExW(style_ == StyleFenetre::dialogue ? WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT : 0,
                    CLASSE_FENETRE, large(legende_).c_str(), style_natif, b.gauche, b.haut,
                    b.largeur, b.hauteur, nullptr, nullptr, GetModuleHandleW(nullptr), this);
    if (!h_) throw std::runtime_error("Impossible de créer la fenêtre (erreur " + std::to_string(GetLastError()) + ")");
    bornes_ = b;
    calculer_echelle(dpi_fenetre(h_));
    if (style_ == StyleFenetre::dialogue) {
        const RECT r = rect_en_pixels(b.gauche, b.haut, b.largeur, b.hauteur, mise_.echelle);
        SetWindowPos(h_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    bulles_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, h_,
                              nullptr, GetModuleHandleW(nullptr), nullptr);
    if (bulles_) SendMessageW(bulles_, TTM_SETMAXTIPWIDTH, 0, px(500));
    creer_natifs();
    forme_.sur_modification = [this](Controle*) { sale_ = true; };
    forme_.sur_repeindre = [this](Controle* c) { repeindre(c); };
    forme_.sur_afficher = [this] { afficher(); };
    synchroniser();
}

FenetreForme::~FenetreForme() {
    forme_.sur_modification = nullptr;
    forme_.sur_repeindre = nullptr;
    forme_.sur_afficher = nullptr;
    if (h_ && !detruite_) DestroyWindow(h_);
}

LRESULT CALLBACK FenetreForme::procedure(HWND h, UINT m, WPARAM wp, LPARAM lp) {
    return sans_exception<LRESULT>(h, m, 0, [&] {
        if (m == WM_NCCREATE) {
            auto* f = static_cast<FenetreForme*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
            f->h_ = h;
            SetWindowLongPtrW(h, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(f));
        }
        FenetreForme* f = objet_de(h);
        if (!f) return DefWindowProcW(h, m, wp, lp);
        return f->traiter(m, wp, lp);
    });
}

LRESULT CALLBACK FenetreForme::procedure_panneau(HWND h, UINT m, WPARAM wp, LPARAM lp) {
    return sans_exception<LRESULT>(h, m, 0, [&] { return panneau(h, m, wp, lp); });
}

LRESULT FenetreForme::panneau(HWND h, UINT m, WPARAM wp, LPARAM lp) {
    FenetreForme* f = objet_de(h);
    if (!f) return DefWindowProcW(h, m, wp, lp);
    LRESULT r = 0;
    if (f->notification(m, wp, lp, r)) return r;
    Natif* n = f->natif_de(h);
    const POINT p{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
    POINT ecran = p;
    ClientToScreen(h, &ecran);
    switch (m) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        f->peindre_panneau(h);
        if (n && n->c->amarrable()) f->dessiner_poignee(h);
        return 0;
    case WM_SETFONT:
        if (n) n->hpolice = reinterpret_cast<HFONT>(wp);
        return 0;
    case WM_GETFONT:
        return n ? reinterpret_cast<LRESULT>(n->hpolice) : 0;
    case WM_SETCURSOR: {
        POINT q;
        GetCursorPos(&q);
        ScreenToClient(h, &q);
        if (LOWORD(lp) == HTCLIENT && n && f->sur_poignee(*n, q)) {
            SetCursor(LoadCursorW(nullptr, IDC_SIZEALL));
            return TRUE;
        }
        return DefWindowProcW(h, m, wp, lp);
    }
    case WM_LBUTTONDOWN:
        SetCapture(h);
        if (n && f->sur_poignee(*n, p)) f->commencer_glisse(*n, ecran);
        return 0;
    case WM_MOUSEMOVE:
        if (f->glisse_.n && GetCapture() == h) f->suivre_glisse(ecran);
        return 0;
    case WM_CAPTURECHANGED:
        if (f->glisse_.n) f->finir_glisse(ecran, true);
        return 0;
    case WM_LBUTTONUP: {
        if (GetCapture() != h) return 0;
        if (f->glisse_.n) {
            f->finir_glisse(ecran, false);
            return 0;
        }
        ReleaseCapture();
        RECT r2;
        GetClientRect(h, &r2);
        if (!PtInRect(&r2, p)) return 0;
        if (n) {
            Controle* c = n->c;
            f->executer([c] { c->cliquer(); });
        }
        return 0;
    }
    default:
        return DefWindowProcW(h, m, wp, lp);
    }
}

LRESULT FenetreForme::traiter(UINT m, WPARAM wp, LPARAM lp) {
    LRESULT r = 0;
    if (notification(m, wp, lp, r)) return r;
    switch (m) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        peindre_fenetre();
        return 0;
    case WM_TIMER: {
        auto* t = reinterpret_cast<Timer*>(wp);
        for (Controle* c : forme_.controles())
            if (c == t && t->sur_tick) executer(t->sur_tick);
        return 0;
    }
    case WM_ACTIVATE: {
        // Back from one of our own boxes is not an activation of the program.
        const HWND autre = reinterpret_cast<HWND>(lp);
        const bool interne = autre && GetWindowThreadProcessId(autre, nullptr) == GetCurrentThreadId();
        const LRESULT d = DefWindowProcW(h_, m, wp, lp);
        if (LOWORD(wp) != WA_INACTIVE && !HIWORD(wp) && !interne && rappels_.activation)
            executer(rappels_.activation);
        return d;
    }
    case WM_SETCURSOR:
        if (LOWORD(lp) == HTCLIENT && rappels_.curseur_masque && rappels_.curseur_masque()) {
            SetCursor(nullptr);
            return TRUE;
        }
        break;
    case WM_DPICHANGED:
        changer_dpi(HIWORD(wp), *reinterpret_cast<const RECT*>(lp));
        return 0;
    case WM_DESTROY:
        detruite_ = true;
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(h_, m, wp, lp);
}

FenetreForme::Natif* FenetreForme::natif_de(HWND h, int* element) {
    auto it = par_poignee_.find(h);
    if (it == par_poignee_.end()) return nullptr;
    if (element) *element = it->second.second;
    return &natifs_[it->second.first];
}

void FenetreForme::synchroniser() {
    // Called at every pump of the messages, so also after every entry of the scan: with no
    // change of the model since the last call there is nothing to look at.
    if (detruite_ || !sale_) return;
    sale_ = false;
    if (forme_.couleur != couleur_) {
        couleur_ = forme_.couleur;
        InvalidateRect(h_, nullptr, FALSE);
    }
    const Bornes& b = forme_.bornes;
    if (b.gauche != bornes_.gauche || b.haut != bornes_.haut || b.largeur != bornes_.largeur ||
        b.hauteur != bornes_.hauteur) {
        bornes_ = b;
        // A dialog is designed whole; the full-screen window is the screen's.
        const RECT r = style_ == StyleFenetre::dialogue
                           ? rect_en_pixels(b.gauche, b.haut, b.largeur, b.hauteur, mise_.echelle)
                           : RECT{b.gauche, b.haut, b.gauche + b.largeur, b.haut + b.hauteur};
        SetWindowPos(h_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    const std::string& l = titre_.empty() ? forme_.legende : titre_;
    if (l != legende_) {
        legende_ = l;
        SetWindowTextW(h_, large(l).c_str());
    }
    for (Natif& n : natifs_)
        if (n.version != n.c->version()) synchroniser_un(n);
    // Lists are filled only once they show: the hidden ones are the program's work lists.
    for (Natif& n : natifs_)
        if (n.h && !n.elements_a_jour && n.c->montre()) synchroniser_elements(n);
}

void FenetreForme::calculer_echelle(int dpi) {
    const Bornes& b = forme_.bornes;
    // The design's extent, as it is made: the program lays its panels out again later, in
    // units of the scale, along the edges of the screen.
    if (etendue_.cx == 0 && etendue_.cy == 0) {
        int gauche = 0, haut = 0, droite = b.largeur, bas = b.hauteur;  // a dialog is designed whole
        if (style_ == StyleFenetre::plein_ecran) {
            gauche = haut = INT_MAX;
            droite = bas = 0;
            // What the design lays on the screen itself: the panels and the lists of the window.
            for (const Controle* c : forme_.controles()) {
                const Genre g = genre_natif(*c);
                if (c->parent() || g == Genre::Label || g == Genre::Image || g == Genre::Timer) continue;
                const int poignee = c->amarrable() ? LARGEUR_POIGNEE : 0;
                gauche = std::min(gauche, c->gauche() - poignee);
                haut = std::min(haut, c->haut());
                droite = std::max(droite, c->gauche() + c->largeur() + poignee);
                bas = std::max(bas, c->haut() + c->hauteur());
            }
            if (droite == 0) gauche = haut = 0;  // nothing native on it
        }
        etendue_ = {droite + std::max(gauche, 0), bas + std::max(haut, 0)};
    }
    RECT ecran{};
    if (style_ == StyleFenetre::plein_ecran) {
        ecran = {0, 0, b.largeur, b.hauteur};
    } else {
        // The work area of the monitor the dialog is on.
        MONITORINFO mi{};
        mi.cbSize = sizeof mi;
        if (GetMonitorInfoW(MonitorFromWindow(h_, MONITOR_DEFAULTTONEAREST), &mi))
            ecran = mi.rcWork;
        else
            SystemParametersInfoW(SPI_GETWORKAREA, 0, &ecran, 0);
    }
    const double maximale =
        echelle_maximale(ecran.right - ecran.left, ecran.bottom - ecran.top, etendue_.cx, etendue_.cy);
    // The captions of the design in the dialog font: the layout grows as the widest of them.
    if (legendes_.empty())
        for (const Controle* c : forme_.controles()) {
            const Genre g = genre_natif(*c);
            if (!c->parent() || !a_legende(g) || c->police().nom != nocturo::Police{}.nom) continue;
            std::vector<std::string> textes{c->legende()};
            if (g == Genre::RadioGroup) textes = static_cast<const RadioGroup&>(*c).elements();
            for (const std::string& t : textes)
                if (t.size() >= 8) legendes_.push_back(large(t));
        }
    mise_ = mise_pour_dpi(dpi, maximale, [&](int h) { return rapport_police_dialogue(h, legendes_); });
    // The program lays its panels out in their units, the screen's size too.
    forme_.pixels_par_unite = mise_.echelle;
}

void FenetreForme::changer_dpi(int dpi, const RECT& suggere) {
    if (dpi <= 0) return;
    const Mise avant = mise_;
    calculer_echelle(dpi);
    if (style_ == StyleFenetre::dialogue) {
        // Where the system suggests, at the size of the design at the new scale.
        const Bornes& b = forme_.bornes;
        SetWindowPos(h_, nullptr, suggere.left, suggere.top, en_pixels(b.largeur, mise_.echelle),
                     en_pixels(b.hauteur, mise_.echelle), SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // A full-screen window stays as large as its monitor, in its real pixels: only its
    // controls change. The program lays its panels out again at their next showing.
    if (mise_ == avant) return;
    if (bulles_) SendMessageW(bulles_, TTM_SETMAXTIPWIDTH, 0, px(500));
    reprendre(nullptr);
    synchroniser();
}

void FenetreForme::reprendre(const Controle* racine) {
    for (Natif& n : natifs_) {
        bool dessous = !racine;
        for (const Controle* c = n.c; c && !dessous; c = c->parent()) dessous = c == racine;
        if (!dessous) continue;
        n.version = 0;
        n.rect = {-1, -1, -1, -1};
    }
    sale_ = true;
}

void FenetreForme::regler_minuterie(Natif& n) {
    // A timer is known by its model object's address.
    auto* t = static_cast<Timer*>(n.c);
    const int voulu = t->actif() ? std::max(1, t->intervalle()) : 0;
    if (voulu == n.indice) return;
    n.indice = voulu;
    if (voulu)
        SetTimer(h_, reinterpret_cast<UINT_PTR>(t), static_cast<UINT>(voulu), nullptr);
    else
        KillTimer(h_, reinterpret_cast<UINT_PTR>(t));
}

void FenetreForme::repeindre(Controle* c) {
    synchroniser();
    if (detruite_) return;
    const Natif& n = natif_de(c);
    const HWND h = n.h ? n.h : h_;
    RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void FenetreForme::afficher() {
    synchroniser();
    ShowWindow(h_, SW_SHOW);
    SetForegroundWindow(h_);
    // A dialog starts in its first field, the slideshow on itself (its keys).
    const HWND premier = style_ == StyleFenetre::dialogue ? GetNextDlgTabItem(h_, nullptr, FALSE) : nullptr;
    SetFocus(premier ? premier : h_);
    UpdateWindow(h_);
}

bool FenetreForme::contient(HWND h) const {
    if (!h) return false;
    if (h == h_ || IsChild(h_, h)) return true;
    // The panels dragged off into windows of their own.
    for (const Natif& n : natifs_)
        if (n.flottant && (h == n.flottant || IsChild(n.flottant, h))) return true;
    return false;
}

namespace {

bool de_classe(HWND h, const wchar_t* nom) {
    wchar_t classe[16] = {};
    GetClassNameW(h, classe, 16);
    return lstrcmpiW(classe, nom) == 0;
}

// Space, pressed or typed, on a button, a check box or a radio button.
bool espace_sur_bouton(const MSG& msg) {
    const bool espace = ((msg.message == WM_KEYDOWN || msg.message == WM_KEYUP) && msg.wParam == VK_SPACE) ||
                        (msg.message == WM_CHAR && msg.wParam == L' ');
    return espace && de_classe(msg.hwnd, L"Button");
}

// Typing in an edit field is typing: a Q, a space, Del or an arrow there is no command of
// the show. Esc and the function keys stay commands from anywhere.
bool saisie(const MSG& msg, int touche) {
    if (touche == VK_ESCAPE || (touche >= VK_F1 && touche <= VK_F24)) return false;
    return de_classe(msg.hwnd, L"Edit");
}

}  // namespace

bool FenetreForme::pretraiter(MSG& msg) {
    if (detruite_) return false;
    const bool de_la_fenetre = contient(msg.hwnd);
    if (rappels_.touche && de_la_fenetre)
        if (const int touche = appuis_.relachee(msg); touche && !saisie(msg, touche)) rappels_.touche(touche);
    if (style_ == StyleFenetre::dialogue) return IsDialogMessageW(h_, &msg) != 0;
    // Space is the show's own command: a button of the panel that kept the focus after a
    // click must not take it for a click of its own as well.
    return de_la_fenetre && espace_sur_bouton(msg);
}

}  // namespace nocturo::win32
