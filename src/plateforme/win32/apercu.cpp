// The little preview in the desktop's screen-saver settings: the user's pictures one after
// another, else black with the name in the middle; gone with its host.
// The core's headers come before the system's: its names would meet the system's macros.
#include "show/apercu.h"
#include "show/geometrie.h"
#include "plateforme/win32/apercu.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <exception>
#include <memory>
#include <optional>
#include <random>
#include <thread>

#include "plateforme/win32/dessin_image.h"
#include "plateforme/win32/garde.h"
#include "plateforme/win32/poignees.h"

namespace nocturo::win32 {

namespace {

constexpr UINT_PTR MINUTERIE = 1;
constexpr UINT PERIODE_HOTE_MS = 500;
// The worker's word that its picture, or its failure, is ready.
constexpr UINT MESSAGE_PRETE = WM_APP + 1;

void dessiner_nom(HDC dc, const RECT& r) {
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    Police police(CreateFontW(-std::max(8, static_cast<int>(r.bottom / 6)), 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE,
                              DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                              DEFAULT_PITCH, L"Arial"));
    Selection s(dc, police.get());
    SetTextColor(dc, RGB(255, 255, 0));
    SetBkMode(dc, TRANSPARENT);
    RECT texte = r;
    DrawTextW(dc, L"Nocturo", -1, &texte, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

class Apercu {
public:
    Apercu(Fichiers& fichiers, Images& images, int intervalle_ms)
        : fichiers_(fichiers),
          images_(images),
          intervalle_(static_cast<ULONGLONG>(std::max(1, intervalle_ms))),
          hasard_(static_cast<uint32_t>(GetTickCount64() ^ GetCurrentProcessId())) {}
    ~Apercu() {
        if (fil_.joinable()) fil_.join();
    }
    Apercu(const Apercu&) = delete;
    Apercu& operator=(const Apercu&) = delete;

    void demarrer(HWND h) {
        h_ = h;
        SetTimer(h, MINUTERIE, static_cast<UINT>(std::min<ULONGLONG>(PERIODE_HOTE_MS, intervalle_)), nullptr);
        preparer();
    }

    void tic() {
        // The host may die without telling its children in time.
        if (!IsWindow(GetParent(h_))) {
            DestroyWindow(h_);
            return;
        }
        avancer();
    }

    void avancer() {
        recueillir();
        const ULONGLONG t = GetTickCount64();
        if (attente_ && (!montree_ || t - montree_a_ >= intervalle_)) {
            montree_ = std::move(attente_);
            montree_a_ = t;
            InvalidateRect(h_, nullptr, FALSE);
        }
        if (!fil_.joinable() && !attente_ && !sans_images_ && t >= prochain_essai_) preparer();
    }

    void peindre(HDC dc, const RECT& r) const {
        if (!montree_) {
            dessiner_nom(dc, r);
            return;
        }
        const Cadre c = cadre_ajuste({r.right, r.bottom}, montree_->propre);
        const RECT dest{c.gauche, c.haut, c.gauche + c.largeur, c.haut + c.hauteur};
        dessiner_pixels(dc, montree_->niveau_pour(c.largeur), dest, r);
        // Black around the picture only: no flash of black under it at each change.
        ExcludeClipRect(dc, dest.left, dest.top, dest.right, dest.bottom);
        FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    }

private:
    // The cache's read and each decode run on a worker: the settings dialog, whose input
    // the system ties to this thread, never waits for a large picture. A thread a picture,
    // so that the full-size buffer a decoder without scaling needed goes with it.
    void preparer() {
        RECT r;
        GetClientRect(h_, &r);
        const Taille cadre{r.right, r.bottom};
        try {
            fil_ = std::thread([this, cadre] {
                try {
                    if (!sequence_)
                        sequence_.emplace(catalogue_apercu(fichiers_),
                                          [this](int n) { return std::uniform_int_distribution<int>(0, n - 1)(hasard_); });
                    resultat_ = sequence_->suivante(cadre, fichiers_, images_);
                } catch (const std::exception&) {
                    resultat_.reset();  // out of memory: tried again later
                }
                fini_ = true;
                PostMessageW(h_, MESSAGE_PRETE, 0, 0);
            });
        } catch (const std::exception&) {
            prochain_essai_ = GetTickCount64() + intervalle_;
        }
    }

    // Takes what the worker made, once it has ended.
    void recueillir() {
        if (!fil_.joinable() || !fini_) return;
        fil_.join();
        fini_ = false;
        if (sequence_ && sequence_->vide())
            sans_images_ = true;
        else if (resultat_)
            attente_ = std::move(resultat_->image);
        else
            prochain_essai_ = GetTickCount64() + intervalle_;
        resultat_.reset();
    }

    Fichiers& fichiers_;
    Images& images_;
    const ULONGLONG intervalle_;
    HWND h_ = nullptr;
    // The worker's while it runs, the window's once it is joined.
    std::mt19937 hasard_;
    std::optional<SequenceApercu> sequence_;
    std::optional<ImageApercu> resultat_;
    std::atomic<bool> fini_ = false;
    std::thread fil_;
    // The window's own.
    std::shared_ptr<const ImagePrete> montree_, attente_;
    ULONGLONG montree_a_ = 0, prochain_essai_ = 0;
    bool sans_images_ = false;  // no cache, or an empty one: the name stays
};

Apercu* apercu_de(HWND h) { return reinterpret_cast<Apercu*>(GetWindowLongPtrW(h, GWLP_USERDATA)); }

LRESULT apercu(HWND h, UINT m, WPARAM wp, LPARAM lp) {
    switch (m) {
    case WM_NCCREATE: {
        // The window owns its state from here on; it goes at WM_NCDESTROY.
        auto* proprietaire = static_cast<std::unique_ptr<Apercu>*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
        SetWindowLongPtrW(h, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(proprietaire->release()));
        return DefWindowProcW(h, m, wp, lp);
    }
    case WM_CREATE:
        apercu_de(h)->demarrer(h);
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        const HDC dc = BeginPaint(h, &ps);
        RECT r;
        GetClientRect(h, &r);
        apercu_de(h)->peindre(dc, r);
        EndPaint(h, &ps);
        return 0;
    }
    case WM_TIMER:
        apercu_de(h)->tic();
        return 0;
    case MESSAGE_PRETE:
        apercu_de(h)->avancer();
        return 0;
    case WM_DESTROY:
        KillTimer(h, MINUTERIE);
        PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY:
        delete apercu_de(h);  // waits for a decode under way
        SetWindowLongPtrW(h, GWLP_USERDATA, 0);
        return DefWindowProcW(h, m, wp, lp);
    default:
        return DefWindowProcW(h, m, wp, lp);
    }
}

LRESULT CALLBACK procedure_apercu(HWND h, UINT m, WPARAM wp, LPARAM lp) {
    return sans_exception<LRESULT>(h, m, 0, [&] { return apercu(h, m, wp, lp); });
}

constexpr const wchar_t* CLASSE = L"NocturoApercu";

}  // namespace

HWND creer_apercu(HWND hote, Fichiers& fichiers, Images& images, int intervalle_ms) {
    static const bool classe = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = procedure_apercu;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = CLASSE;
        return RegisterClassW(&wc) != 0;
    }();
    if (!classe) return nullptr;
    RECT r;
    GetClientRect(hote, &r);
    auto etat = std::make_unique<Apercu>(fichiers, images, intervalle_ms);
    return CreateWindowExW(0, CLASSE, L"Nocturo", WS_CHILD | WS_VISIBLE, 0, 0, r.right, r.bottom, hote, nullptr,
                           GetModuleHandleW(nullptr), &etat);
}

int lancer_apercu(uint64_t parent, Fichiers& fichiers, Images& images) {
    const HWND hote = reinterpret_cast<HWND>(static_cast<uintptr_t>(parent));
    if (!parent || !IsWindow(hote) || !creer_apercu(hote, fichiers, images)) return 0;
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}

}  // namespace nocturo::win32
