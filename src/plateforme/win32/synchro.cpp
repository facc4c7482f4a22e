// The native child controls kept in step with the model.
#include "plateforme/win32/win32.h"
#include <commctrl.h>

#include <algorithm>

#include "plateforme/win32/fenetre.h"
#include "plateforme/win32/natifs_outils.h"
#include "plateforme/win32/ressources_gdi.h"
#include "plateforme/win32/texte_win32.h"

namespace nocturo::win32 {

namespace {

bool meme_police(const nocturo::Police& a, const nocturo::Police& b) {
    return a.nom == b.nom && a.hauteur == b.hauteur && a.gras == b.gras;
}

}  // namespace

void FenetreForme::synchroniser_un(Natif& n) {
    Controle& c = *n.c;
    n.version = c.version();
    if (c.genre() == Genre::Timer) {
        regler_minuterie(n);
        return;
    }
    if (!n.h) {
        if (!c.parent() && (genre_natif(c) == Genre::Label || genre_natif(c) == Genre::Image))
            InvalidateRect(h_, nullptr, FALSE);
        return;
    }
    en_synchro_ = true;
    if (!meme_police(c.police(), n.police)) {
        n.police = c.police();
        SendMessageW(n.h, WM_SETFONT, reinterpret_cast<WPARAM>(police_gdi(c.police())), FALSE);
        for (HWND r : n.radios)
            SendMessageW(r, WM_SETFONT, reinterpret_cast<WPARAM>(police_gdi(c.police())), FALSE);
    }
    n.police.couleur = c.police().couleur;
    if (a_legende(genre_natif(c)) && c.legende() != n.legende) {
        n.legende = c.legende();
        SetWindowTextW(n.h, large(n.legende).c_str());
    }
    synchroniser_valeurs(n);
    placer(n);
    montrer(n);
    synchroniser_bulle(n);
    if (est_liste(genre_natif(c))) n.elements_a_jour = false;
    // Colours may have changed: the look is asked again.
    InvalidateRect(n.h, nullptr, TRUE);
    for (HWND r : n.radios) InvalidateRect(r, nullptr, TRUE);
    if (genre_natif(c) == Genre::GroupBox || genre_natif(c) == Genre::RadioGroup) {
        // Its controls are siblings: they move and show with it.
        for (Natif& enfant : natifs_)
            if (enfant.c->parent() == &c) enfant.version = 0;
    }
    en_synchro_ = false;
}

void FenetreForme::placer(Natif& n) {
    const Controle& c = *n.c;
    const Hote ho = hote(&c);
    int x = ho.dx + c.gauche(), y = ho.dy + c.haut(), l = c.largeur(), h = c.hauteur();
    if (genre_natif(c) == Genre::Label && !sur_plusieurs_lignes(c) && !c.legende().empty()) {
        DcFenetre dc(n.h);
        Selection s(dc.get(), police_gdi(c.police()));
        const std::wstring t = large(c.legende());
        SIZE taille{};
        GetTextExtentPoint32W(dc.get(), t.c_str(), static_cast<int>(t.size()), &taille);
        if (taille.cx + 1 > l) {
            if (c.aligne_droite()) x -= taille.cx + 1 - l;
            l = taille.cx + 1;
        }
    }
    if (genre_natif(c) == Genre::ComboBox) h += 160;  // room for the drop-down list
    const RECT r{x, y, x + l, y + h};
    if (EqualRect(&r, &n.rect)) return;
    n.rect = r;
    SetWindowPos(n.h, nullptr, x, y, l, h, SWP_NOZORDER | SWP_NOACTIVATE);
    if (n.radios.empty()) return;
    // Items in one column under the caption, as the framework's radio groups lay them.
    const int haut_items = y + 16, pas = std::max(1, (h - 20) / static_cast<int>(n.radios.size()));
    for (size_t i = 0; i < n.radios.size(); ++i) {
        const int yi = haut_items + static_cast<int>(i) * pas + std::max(0, (pas - 17) / 2);
        SetWindowPos(n.radios[i], nullptr, x + 8, yi, std::max(0, l - 14), std::min(17, pas),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void FenetreForme::montrer(Natif& n) {
    const bool v = visible_natif(n.c);
    if (v == n.visible && n.etat_connu) return;
    n.etat_connu = true;
    n.visible = v;
    const HWND focus = GetFocus();
    if (!v && focus && (focus == n.h || IsChild(n.h, focus))) SetFocus(h_);
    ShowWindow(n.h, v ? SW_SHOWNA : SW_HIDE);
    for (HWND r : n.radios) ShowWindow(r, v ? SW_SHOWNA : SW_HIDE);
}

void FenetreForme::synchroniser_valeurs(Natif& n) {
    switch (genre_natif(*n.c)) {
    case Genre::ComboBox: {
        const auto& e = static_cast<ComboBox&>(*n.c).elements;
        if (e != n.elements) {
            n.elements = e;
            SendMessageW(n.h, CB_RESETCONTENT, 0, 0);
            for (const std::string& s : e)
                SendMessageW(n.h, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(large(s).c_str()));
        }
        [[fallthrough]];
    }
    case Genre::Edit: {
        const std::string& t = static_cast<Edit&>(*n.c).texte();
        if (t != n.texte) {
            n.texte = t;
            SetWindowTextW(n.h, large(t).c_str());
        }
        break;
    }
    case Genre::CheckBox:
        SendMessageW(n.h, BM_SETCHECK, static_cast<CheckBox&>(*n.c).coche() ? BST_CHECKED : BST_UNCHECKED, 0);
        break;
    case Genre::RadioGroup: {
        const auto& rg = static_cast<RadioGroup&>(*n.c);
        if (rg.elements() != n.elements || n.radios.size() != rg.elements().size()) {
            n.elements = rg.elements();
            creer_radios(n);
        }
        for (size_t i = 0; i < n.radios.size(); ++i)
            SendMessageW(n.radios[i], BM_SETCHECK,
                         static_cast<int>(i) == rg.indice_element() ? BST_CHECKED : BST_UNCHECKED, 0);
        break;
    }
    default:
        break;
    }
}

void FenetreForme::synchroniser_elements(Natif& n) {
    n.elements_a_jour = true;
    if (!est_liste(genre_natif(*n.c))) return;
    const auto& lb = static_cast<ListBox&>(*n.c);
    const auto& e = lb.elements();
    const bool suite = n.elements.size() <= e.size() &&
                       std::equal(n.elements.begin(), n.elements.end(), e.begin());
    if (!suite || n.elements.size() != e.size()) {
        en_synchro_ = true;
        SendMessageW(n.h, WM_SETREDRAW, FALSE, 0);
        size_t debut = n.elements.size();
        if (!suite) {
            SendMessageW(n.h, LB_RESETCONTENT, 0, 0);
            debut = 0;
        }
        for (size_t i = debut; i < e.size(); ++i)
            SendMessageW(n.h, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(large(e[i]).c_str()));
        SendMessageW(n.h, WM_SETREDRAW, TRUE, 0);
        n.elements = e;
        en_synchro_ = false;
    }
    // Only a change of the model moves the selection: the user may be in mid-click.
    if (!suite || lb.indice_element() != n.indice) {
        n.indice = lb.indice_element();
        SendMessageW(n.h, LB_SETCURSEL, static_cast<WPARAM>(n.indice), 0);
    }
    InvalidateRect(n.h, nullptr, TRUE);
}

void FenetreForme::synchroniser_bulle(Natif& n) {
    const std::wstring b = large(n.c->indice());
    if (!bulles_ || b == n.bulle) return;
    TTTOOLINFOW ti{};
    ti.cbSize = sizeof ti;
    ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    ti.hwnd = GetParent(n.h);
    ti.uId = reinterpret_cast<UINT_PTR>(n.h);
    std::wstring texte = b;
    ti.lpszText = texte.data();
    if (n.bulle.empty())
        SendMessageW(bulles_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
    else if (b.empty())
        SendMessageW(bulles_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
    else
        SendMessageW(bulles_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&ti));
    n.bulle = b;
}

}  // namespace nocturo::win32
