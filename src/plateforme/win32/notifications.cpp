// What the user does to the native controls goes back into the model, through the
// handlers' error guard.
#include "plateforme/win32/win32.h"
#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "plateforme/win32/echelle.h"
#include "plateforme/win32/fenetre.h"
#include "plateforme/win32/garde.h"
#include "plateforme/win32/natifs_outils.h"
#include "plateforme/win32/ressources_gdi.h"
#include "plateforme/win32/texte_win32.h"

namespace nocturo::win32 {

namespace {

std::string texte_de(HWND h) {
    std::wstring t(static_cast<size_t>(GetWindowTextLengthW(h)) + 1, L'\0');
    t.resize(static_cast<size_t>(GetWindowTextW(h, t.data(), static_cast<int>(t.size()))));
    return etroit(t);
}

std::string element_de(HWND combo, int i) {
    const LRESULT n = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
    if (n == CB_ERR) return {};
    std::wstring t(static_cast<size_t>(n) + 1, L'\0');
    SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(t.data()));
    t.resize(static_cast<size_t>(n));
    return etroit(t);
}

int pixels_ligne(const Controle& c, double echelle) { return en_pixels(hauteur_ligne(c), echelle); }

}  // namespace

bool FenetreForme::notification(UINT m, WPARAM wp, LPARAM lp, LRESULT& r) {
    switch (m) {
    case WM_COMMAND: {
        HWND enfant = reinterpret_cast<HWND>(lp);
        int element = -1;
        Natif* n = enfant ? natif_de(enfant, &element) : nullptr;
        if (!n) {
            // Enter and Esc of a dialog arrive with the button's identifier only.
            auto it = par_id_.find(LOWORD(wp));
            if (it == par_id_.end() || !natifs_[it->second].h) return false;
            n = &natifs_[it->second];
            enfant = n->h;
        }
        if (!en_synchro_) commande(*n, element, HIWORD(wp), enfant);
        r = 0;
        return true;
    }
    case WM_MEASUREITEM: {
        auto* mi = reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
        auto it = par_id_.find(mi->CtlID);
        if (mi->CtlType != ODT_LISTBOX || it == par_id_.end()) return false;
        const Controle* c = natifs_[it->second].c;
        mi->itemHeight = static_cast<UINT>(pixels_ligne(*c, mise_de(c).echelle));
        r = TRUE;
        return true;
    }
    case WM_DRAWITEM: {
        const auto* d = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
        if (d->CtlType != ODT_LISTBOX) return false;
        dessiner_coche(*d);
        r = TRUE;
        return true;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX: {
        Natif* n = natif_de(reinterpret_cast<HWND>(lp));
        if (!n) return false;
        const HDC dc = reinterpret_cast<HDC>(wp);
        const bool saisie = m == WM_CTLCOLOREDIT || m == WM_CTLCOLORLISTBOX;
        const COLORREF f = saisie && n->c->couleur() == COULEUR_FACE_BOUTON ? GetSysColor(COLOR_WINDOW)
                                                                             : fond(n->c);
        SetTextColor(dc, couleur_gdi(n->c->police().couleur));
        SetBkColor(dc, f);
        r = reinterpret_cast<LRESULT>(pinceau(f));
        return true;
    }
    default:
        return false;
    }
}

void FenetreForme::commande(Natif& n, int element, UINT code, HWND enfant) {
    Controle* c = n.c;
    switch (genre_natif(*c)) {
    case Genre::Button:
    case Genre::SpeedButton:
        if (code == BN_CLICKED) executer([c] { c->cliquer(); });
        break;
    case Genre::Label:
        if (code == STN_CLICKED) executer([c] { c->cliquer(); });
        break;
    case Genre::CheckBox:
        if (code == BN_CLICKED) {
            const bool coche = SendMessageW(enfant, BM_GETCHECK, 0, 0) == BST_CHECKED;
            executer([c, coche] { static_cast<CheckBox*>(c)->definir_coche(coche); });
        }
        break;
    case Genre::RadioGroup:
        if (code == BN_CLICKED && element >= 0)
            executer([c, element] { static_cast<RadioGroup*>(c)->definir_indice_element(element); });
        break;
    case Genre::Edit:
    case Genre::ComboBox: {
        auto* e = static_cast<Edit*>(c);
        if (code == EN_SETFOCUS || code == CBN_SETFOCUS) {
            executer([e] { e->donner_focus(); });
            break;
        }
        std::string t;
        if ((genre_natif(*c) == Genre::Edit && code == EN_CHANGE) ||
            (genre_natif(*c) == Genre::ComboBox && code == CBN_EDITCHANGE))
            t = texte_de(enfant);
        else if (genre_natif(*c) == Genre::ComboBox && code == CBN_SELCHANGE)
            t = element_de(enfant, static_cast<int>(SendMessageW(enfant, CB_GETCURSEL, 0, 0)));
        else
            break;
        n.texte = t;  // already on screen
        executer([e, t] { e->definir_texte(t); });
        break;
    }
    case Genre::ListBox:
    case Genre::CheckListBox:
        if (code == LBN_SELCHANGE) {
            const int i = static_cast<int>(SendMessageW(enfant, LB_GETCURSEL, 0, 0));
            n.indice = i;  // already on screen
            executer([c, i] {
                static_cast<ListBox*>(c)->definir_indice_element(i);
                c->cliquer();
            });
        }
        break;
    default:
        break;
    }
}

void FenetreForme::dessiner_coche(const DRAWITEMSTRUCT& d) {
    Natif* n = natif_de(d.hwndItem);
    if (!n || genre_natif(*n->c) != Genre::CheckListBox) return;
    const auto& liste = static_cast<const CheckListBox&>(*n->c);
    RECT r = d.rcItem;
    const bool choisi = d.itemState & ODS_SELECTED;
    FillRect(d.hDC, &r, GetSysColorBrush(choisi ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    const int i = static_cast<int>(d.itemID);
    if (i < 0 || i >= liste.nombre()) return;
    const int cote = r.bottom - r.top - 2;
    RECT boite{r.left + 1, r.top + 1, r.left + 1 + cote, r.top + 1 + cote};
    DrawFrameControl(d.hDC, &boite, DFC_BUTTON,
                     DFCS_BUTTONCHECK | DFCS_FLAT | (liste.coche(i) ? DFCS_CHECKED : 0));
    Selection s(d.hDC, police_de(liste));
    SetBkMode(d.hDC, TRANSPARENT);
    SetTextColor(d.hDC, choisi ? GetSysColor(COLOR_HIGHLIGHTTEXT) : couleur_gdi(liste.police().couleur));
    RECT texte = r;
    texte.left += cote + 5;
    const std::wstring t = large(liste.element(i));
    DrawTextW(d.hDC, t.c_str(), static_cast<int>(t.size()), &texte,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    if (d.itemState & ODS_FOCUS) DrawFocusRect(d.hDC, &r);
}

void FenetreForme::clic_liste_cochee(HWND liste, int x, int y) {
    Natif* n = natif_de(liste);
    if (!n) return;
    const LRESULT p = SendMessageW(liste, LB_ITEMFROMPOINT, 0, MAKELPARAM(x, y));
    const int i = LOWORD(p);
    if (HIWORD(p) || x > pixels_ligne(*n->c, mise_de(n->c).echelle)) return;  // outside the boxes
    auto* c = static_cast<CheckListBox*>(n->c);
    executer([c, i] {
        if (i < c->nombre()) c->definir_coche(i, !c->coche(i));
    });
}

LRESULT CALLBACK FenetreForme::procedure_liste(HWND h, UINT m, WPARAM wp, LPARAM lp, UINT_PTR,
                                               DWORD_PTR donnees) {
    return sans_exception<LRESULT>(h, m, 0, [&] {
        const LRESULT r = DefSubclassProc(h, m, wp, lp);
        if (m == WM_LBUTTONDOWN)
            reinterpret_cast<FenetreForme*>(donnees)->clic_liste_cochee(
                h, static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp)));
        return r;
    });
}

}  // namespace nocturo::win32
