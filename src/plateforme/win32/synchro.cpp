// The native child controls kept in step with the model.
#include "plateforme/win32/win32.h"
#include <commctrl.h>

#include <algorithm>
#include <cstdint>

#include "plateforme/win32/echelle.h"
#include "plateforme/win32/fenetre.h"
#include "plateforme/win32/natifs_outils.h"
#include "plateforme/win32/ressources_gdi.h"
#include "plateforme/win32/texte_win32.h"

namespace nocturo::win32 {

namespace {

bool meme_police(const nocturo::Police& a, const nocturo::Police& b) {
    return a.nom == b.nom && a.hauteur == b.hauteur && a.gras == b.gras;
}

// Where the ink of a line of text ends: the hinted last letter may reach past its advance,
// which the system's measures leave out, so the line is drawn and looked at.
LONG droite_encre(HDC dc, const std::wstring& t, SIZE taille) {
    const int l = taille.cx + taille.cy, h = std::max<LONG>(taille.cy, 1);
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof bi.bmiHeader, l, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    DcMemoire mem(CreateCompatibleDC(dc));
    Bitmap dib(CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!mem || !dib) return taille.cx;
    Selection sb(mem.get(), dib.get());
    Selection sp(mem.get(), GetCurrentObject(dc, OBJ_FONT));
    RECT r{0, 0, l, h};
    FillRect(mem.get(), &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetTextColor(mem.get(), RGB(0, 0, 0));
    SetBkMode(mem.get(), TRANSPARENT);
    DrawTextW(mem.get(), t.c_str(), static_cast<int>(t.size()), &r, DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
    GdiFlush();
    const auto* p = static_cast<const uint32_t*>(bits);
    for (int x = l - 1; x >= 0; --x)
        for (int y = 0; y < h; ++y)
            if ((p[static_cast<size_t>(y) * l + x] & 0xFFFFFF) != 0xFFFFFF) return x + 1;
    return 0;
}

}  // namespace

std::wstring legende_entiere(HFONT police, const std::wstring& t) {
    if (t.empty() || t.back() == L' ') return t;
    DcFenetre dc(nullptr);
    Selection s(dc.get(), police);
    SIZE taille{};
    GetTextExtentPoint32W(dc.get(), t.c_str(), static_cast<int>(t.size()), &taille);
    return droite_encre(dc.get(), t, taille) > taille.cx ? t + L' ' : t;
}

std::wstring FenetreForme::legende_native(const Natif& n, const std::string& legende) const {
    const std::wstring t = large(legende);
    return coupe_a_sa_mesure(genre_natif(*n.c)) ? legende_entiere(police_de(*n.c), t) : t;
}

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
    // The program lays out again a panel the user dragged away once it has hidden it (Space):
    // it comes back in its place. Shown, it stays where the user put it.
    if (n.flottant && c.poses() != n.poses && !visible_natif(&c)) amarrer(n);
    n.poses = c.poses();
    const bool autre_police = !meme_police(c.police(), n.police) || n.hpolice != police_de(c);
    if (autre_police) {
        n.police = c.police();
        n.hpolice = police_de(c);
        SendMessageW(n.h, WM_SETFONT, reinterpret_cast<WPARAM>(n.hpolice), FALSE);
        // An owner-drawn list measured its lines once, at its making.
        if (genre_natif(c) == Genre::CheckListBox)
            SendMessageW(n.h, LB_SETITEMHEIGHT, 0, MAKELPARAM(en_pixels(hauteur_ligne(c), mise_de(&c).echelle), 0));
        for (size_t i = 0; i < n.radios.size() && i < n.elements.size(); ++i) {
            SendMessageW(n.radios[i], WM_SETFONT, reinterpret_cast<WPARAM>(n.hpolice), FALSE);
            SetWindowTextW(n.radios[i], legende_native(n, n.elements[i]).c_str());
        }
    }
    n.police.couleur = c.police().couleur;
    // Another font may take another measure of the same caption.
    if (a_legende(genre_natif(c)) && (c.legende() != n.legende || autre_police)) {
        n.legende = c.legende();
        SetWindowTextW(n.h, legende_native(n, n.legende).c_str());
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

RECT FenetreForme::rect_dessin(const Controle& c) const {
    const Hote ho = hote(&c);
    RECT r = rect_en_pixels(ho.dx + c.gauche(), ho.dy + c.haut(), c.largeur(), c.hauteur(), mise_de(&c).echelle);
    // A panel takes its size whole, where the controls at its edges in the design end too.
    if (genre_natif(c) == Genre::Panel) {
        r.right = r.left + px(c, c.largeur());
        r.bottom = r.top + px(c, c.hauteur());
    }
    OffsetRect(&r, ho.decalage, 0);
    // The grip hangs at the left of the panel's design bounds.
    if (c.amarrable()) r.left -= largeur_poignee(c);
    return r;
}

SIZE FenetreForme::taille_legende(const Natif& n, SIZE place) const {
    const Controle& c = *n.c;
    const Genre g = genre_natif(c);
    if (!a_legende(g) || est_cadre(g) || c.legende().empty()) return {0, 0};
    DcFenetre dc(n.h);
    Selection s(dc.get(), police_de(c));
    const std::wstring t = large(c.legende());
    const int longueur = static_cast<int>(t.size());
    if (g == Genre::Label && sur_plusieurs_lignes(c)) {
        RECT r{0, 0, place.cx, 0};
        DrawTextW(dc.get(), t.c_str(), longueur, &r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
        return {place.cx, r.bottom};
    }
    SIZE taille{};
    GetTextExtentPoint32W(dc.get(), t.c_str(), longueur, &taille);
    taille.cx = std::max(taille.cx, droite_encre(dc.get(), t, taille));
    // What the control draws around its text: the box of a check box (sized by the
    // resolution of its monitor, not the panels' scale), the edges of a button or a panel.
    const int dpi = mise_de(&c).dpi;
    switch (g) {
    case Genre::CheckBox:
        taille.cx += MulDiv(17, dpi, DPI_DESSIN) + 2;
        taille.cy = std::max<LONG>(taille.cy, MulDiv(12, dpi, DPI_DESSIN) + 1) + 2;
        break;
    case Genre::Button:
    case Genre::SpeedButton: {
        taille.cx += px(c, 8);
        if (taille.cx <= place.cx) break;
        // A button too narrow for its caption on one line takes it on two if it is tall
        // enough for them.
        RECT r{0, 0, place.cx - px(c, 8), 0};
        DrawTextW(dc.get(), t.c_str(), longueur, &r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
        if (r.right <= place.cx - px(c, 8) && r.bottom <= place.cy - 2) return place;
        break;
    }
    case Genre::Panel:
        taille.cx += px(c, 6);
        break;
    default:
        taille.cx += 1;
        break;
    }
    return taille;
}

void FenetreForme::placer(Natif& n) {
    const Controle& c = *n.c;
    if (n.flottant) {
        placer_flottant(n);
        return;
    }
    RECT r = rect_dessin(c);
    // Captions are as large as their text, whatever their design size: a label grows on the
    // side away from its alignment, a button or a panel on both sides.
    const SIZE voulue = taille_legende(n, {r.right - r.left, r.bottom - r.top});
    const Genre g = genre_natif(c);
    if (g == Genre::Label) r.bottom = std::max<LONG>(r.bottom, r.top + voulue.cy);
    if (g == Genre::CheckBox && voulue.cy > r.bottom - r.top) {
        const int manque = voulue.cy - (r.bottom - r.top);
        r.top -= manque / 2;
        r.bottom += manque - manque / 2;
    }
    if (voulue.cx > r.right - r.left) {
        const int manque = voulue.cx - (r.right - r.left);
        if (g == Genre::Label || g == Genre::CheckBox) {
            if (c.aligne_droite())
                r.left -= manque;
            else
                r.right += manque;
        } else {
            r.left -= manque / 2;
            r.right += manque - manque / 2;
        }
    }
    if (g == Genre::ComboBox) r.bottom += px(c, 160);  // room for the drop-down list
    if (EqualRect(&r, &n.rect)) return;
    n.rect = r;
    const int x = r.left, y = r.top, l = r.right - r.left, h = r.bottom - r.top;
    SetWindowPos(n.h, nullptr, x, y, l, h, SWP_NOZORDER | SWP_NOACTIVATE);
    if (n.radios.empty()) return;
    // Items in one column under the caption, as the framework's radio groups lay them.
    const int haut_items = y + px(c, 16), hauteur_item = px(c, 17);
    const int pas = std::max(1, (h - px(c, 20)) / static_cast<int>(n.radios.size()));
    for (size_t i = 0; i < n.radios.size(); ++i) {
        const int yi = haut_items + static_cast<int>(i) * pas + std::max(0, (pas - hauteur_item) / 2);
        SetWindowPos(n.radios[i], nullptr, x + px(c, 8), yi, std::max(0, l - px(c, 14)), std::min(hauteur_item, pas),
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
    if (n.flottant) ShowWindow(n.flottant, v ? SW_SHOWNA : SW_HIDE);
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
