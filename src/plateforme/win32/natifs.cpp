// The native child controls, made from the model.
#include "plateforme/win32/win32.h"
#include <commctrl.h>

#include <algorithm>

#include "plateforme/win32/echelle.h"
#include "plateforme/win32/fenetre.h"
#include "plateforme/win32/natifs_outils.h"
#include "plateforme/win32/ressources_gdi.h"
#include "plateforme/win32/texte_win32.h"

namespace nocturo::win32 {


Genre genre_natif(const Controle& c) {
    return dynamic_cast<const ComboBox*>(&c) ? Genre::ComboBox : c.genre();
}

FenetreForme::Hote FenetreForme::hote(const Controle* c) const {
    const Controle* p = c->parent();
    if (!p) return {h_, 0, 0};
    if (p->genre() == Genre::Panel) return {natif_de(p).h, 0, 0, p->amarrable() ? largeur_poignee(*p) : 0};
    // Group boxes do not pass on their children's notifications: their controls are
    // siblings placed over them.
    Hote h = hote(p);
    h.dx += p->gauche();
    h.dy += p->haut();
    return h;
}

const Mise& FenetreForme::mise_de(const Controle* c) const {
    while (c->parent()) c = c->parent();
    const Natif& n = natif_de(c);
    return n.mise ? *n.mise : mise_;
}

int FenetreForme::px(int unites) const { return en_pixels(unites, mise_.echelle); }

int FenetreForme::px(const Controle& c, int unites) const { return en_pixels(unites, mise_de(&c).echelle); }

HFONT FenetreForme::police_de(const Controle& c) const {
    const Mise& m = mise_de(&c);
    return police_controle(c.police(), m.echelle, m.police);
}

bool FenetreForme::visible_natif(const Controle* c) const {
    if (!c->visible()) return false;
    for (const Controle* p = c->parent(); p && p->genre() != Genre::Panel; p = p->parent())
        if (!p->visible()) return false;
    return true;
}

void FenetreForme::creer_natifs() {
    natifs_.resize(forme_.controles().size());
    for (size_t i = 0; i < natifs_.size(); ++i) {
        Natif& n = natifs_[i];
        n.c = forme_.controles()[i];
        index_[n.c] = i;
        n.id = static_cast<UINT>(100 + i);
        if (style_ == StyleFenetre::dialogue && genre_natif(*n.c) == Genre::Button) {
            if (n.c->legende() == "OK") n.id = IDOK;
            if (n.c->legende() == "Annuler") n.id = IDCANCEL;
        }
        par_id_[n.id] = i;
        creer(n);
    }
    // Frames lie under what they hold.
    for (Natif& n : natifs_)
        if (n.h && est_cadre(genre_natif(*n.c)))
            SetWindowPos(n.h, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void FenetreForme::creer(Natif& n) {
    const Controle& c = *n.c;
    const wchar_t* classe = L"BUTTON";
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
    DWORD ex = 0;
    switch (genre_natif(c)) {
    case Genre::Label:
        if (!c.parent()) return;  // painted on the window
        classe = L"STATIC";
        style |= SS_NOTIFY | SS_NOPREFIX |
                 (c.aligne_droite() ? SS_RIGHT : sur_plusieurs_lignes(c) ? SS_LEFT : SS_LEFTNOWORDWRAP);
        break;
    case Genre::Edit:
        classe = L"EDIT";
        style |= WS_TABSTOP | ES_AUTOHSCROLL;
        ex = WS_EX_CLIENTEDGE;
        break;
    case Genre::ComboBox:
        classe = L"COMBOBOX";
        style |= WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL;
        break;
    case Genre::CheckBox:
        style |= WS_TABSTOP | BS_AUTOCHECKBOX;
        break;
    case Genre::RadioGroup:
    case Genre::GroupBox:
        style |= BS_GROUPBOX;
        break;
    case Genre::CheckListBox:
        style |= LBS_OWNERDRAWFIXED | LBS_HASSTRINGS;
        [[fallthrough]];
    case Genre::ListBox:
        classe = L"LISTBOX";
        style |= WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
        ex = WS_EX_CLIENTEDGE;
        break;
    case Genre::Panel:
        classe = CLASSE_PANNEAU;
        style |= WS_CLIPCHILDREN;
        break;
    case Genre::Button:
    case Genre::SpeedButton:
        style |= WS_TABSTOP | BS_MULTILINE | (n.id == IDOK ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
        break;
    case Genre::Bevel:
        classe = L"STATIC";
        style |= SS_ETCHEDFRAME;
        break;
    case Genre::Image:
    case Genre::Timer:
        return;
    }
    n.h = CreateWindowExW(ex, classe, L"", style, 0, 0, 0, 0, hote(&c).h,
                          reinterpret_cast<HMENU>(static_cast<UINT_PTR>(n.id)),
                          GetModuleHandleW(nullptr), nullptr);
    if (!n.h) return;
    par_poignee_[n.h] = {index_.at(&c), -1};
    if (genre_natif(c) == Genre::Panel) SetWindowLongPtrW(n.h, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    if (genre_natif(c) == Genre::CheckListBox)
        SetWindowSubclass(n.h, procedure_liste, 1, reinterpret_cast<DWORD_PTR>(this));
    if (genre_natif(c) == Genre::GroupBox || genre_natif(c) == Genre::RadioGroup)
        SetWindowSubclass(n.h, procedure_cadre, 1, reinterpret_cast<DWORD_PTR>(this));
}

void FenetreForme::creer_radios(Natif& n) {
    for (HWND r : n.radios) {
        par_poignee_.erase(r);
        DestroyWindow(r);
    }
    n.radios.clear();
    const auto& elements = static_cast<RadioGroup&>(*n.c).elements();
    for (size_t i = 0; i < elements.size(); ++i) {
        // Plain radio buttons: the model decides which one is checked, not the system's grouping.
        const DWORD style = WS_CHILD | WS_CLIPSIBLINGS | BS_RADIOBUTTON | (i == 0 ? WS_GROUP | WS_TABSTOP : 0) |
                            (n.visible ? WS_VISIBLE : 0);
        HWND r = CreateWindowExW(0, L"BUTTON", legende_native(n, elements[i]).c_str(), style, 0, 0, 0, 0,
                                 hote(n.c).h, nullptr, GetModuleHandleW(nullptr), nullptr);
        SendMessageW(r, WM_SETFONT, reinterpret_cast<WPARAM>(police_de(*n.c)), FALSE);
        SetWindowPos(r, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);  // over the frame
        par_poignee_[r] = {index_.at(n.c), static_cast<int>(i)};
        n.radios.push_back(r);
    }
    n.rect = {-1, -1, -1, -1};  // place them
}

}  // namespace nocturo::win32
