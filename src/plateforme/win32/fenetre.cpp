// The window itself: its class, its life, the messages it answers and the push of changes.
#include "plateforme/win32/fenetre.h"

#include "plateforme/win32/win32.h"
#include <commctrl.h>

#include <algorithm>

#include "plateforme/win32/garde.h"
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
    bulles_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, h_,
                              nullptr, GetModuleHandleW(nullptr), nullptr);
    if (bulles_) SendMessageW(bulles_, TTM_SETMAXTIPWIDTH, 0, 500);
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
    switch (m) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        f->peindre_panneau(h);
        return 0;
    case WM_LBUTTONDOWN:
        SetCapture(h);
        return 0;
    case WM_LBUTTONUP: {
        if (GetCapture() != h) return 0;
        ReleaseCapture();
        POINT p{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
        RECT r2;
        GetClientRect(h, &r2);
        if (!PtInRect(&r2, p)) return 0;
        if (Natif* n = f->natif_de(h)) {
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
        SetWindowPos(h_, nullptr, b.gauche, b.haut, b.largeur, b.hauteur,
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

bool FenetreForme::contient(HWND h) const { return h && (h == h_ || IsChild(h_, h)); }

bool FenetreForme::pretraiter(MSG& msg) {
    if (detruite_) return false;
    if ((msg.message == WM_KEYUP || msg.message == WM_SYSKEYUP) && rappels_.touche &&
        contient(msg.hwnd))
        rappels_.touche(static_cast<int>(msg.wParam));
    if (style_ == StyleFenetre::dialogue && IsDialogMessageW(h_, &msg)) return true;
    return false;
}

}  // namespace nocturo::win32
