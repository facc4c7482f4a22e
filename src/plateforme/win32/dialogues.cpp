// Message boxes and the directory chooser.
#include "plateforme/win32/win32.h"
#include <shlobj.h>
#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "plateforme/win32/garde.h"
#include "plateforme/win32/plateforme_win32.h"
#include "plateforme/win32/texte_win32.h"

namespace nocturo::win32 {

namespace {

HHOOK crochet_boutons = nullptr;

// The confirmation reads "&Oui" and "&Non" whatever the language of Windows.
LRESULT CALLBACK nommer_boutons(int code, WPARAM wp, LPARAM lp) {
    if (code == HCBT_ACTIVATE) {
        const HWND boite = reinterpret_cast<HWND>(wp);
        SetDlgItemTextW(boite, IDYES, L"&Oui");
        SetDlgItemTextW(boite, IDNO, L"&Non");
        UnhookWindowsHookEx(crochet_boutons);
        crochet_boutons = nullptr;
        return 0;
    }
    return CallNextHookEx(crochet_boutons, code, wp, lp);
}

struct Choix {
    PlateformeWin32* plateforme;
    std::wstring depart;
    std::wstring courant;  // folder selected in the tree
    std::wstring cree;     // a typed directory that we created
};

std::wstring chemin_de(PCIDLIST_ABSOLUTE liste) {
    wchar_t tampon[MAX_PATH] = {};
    if (!liste || !SHGetPathFromIDListW(liste, tampon)) return {};
    return tampon;
}

bool absolu(const std::wstring& c) {
    return (c.size() >= 2 && c[1] == L':') || c.rfind(L"\\\\", 0) == 0;
}

int suivre(HWND boite, UINT message, LPARAM lp, LPARAM donnees);

int CALLBACK suivre_choix(HWND boite, UINT message, LPARAM lp, LPARAM donnees) {
    return sans_exception<int>(boite, 0, 0, [&] { return suivre(boite, message, lp, donnees); });
}

int suivre(HWND boite, UINT message, LPARAM lp, LPARAM donnees) {
    auto* choix = reinterpret_cast<Choix*>(donnees);
    switch (message) {
    case BFFM_INITIALIZED:
        if (!choix->depart.empty())
            SendMessageW(boite, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(choix->depart.c_str()));
        break;
    case BFFM_SELCHANGED:
        choix->courant = chemin_de(reinterpret_cast<PCIDLIST_ABSOLUTE>(lp));
        break;
    case BFFM_VALIDATEFAILEDW: {
        // A typed directory that does not exist: offer to create it with its parents.
        std::wstring tape = reinterpret_cast<const wchar_t*>(lp);
        if (!absolu(tape) && !choix->courant.empty()) {
            std::wstring base = choix->courant;
            if (base.back() != L'\\') base += L'\\';
            tape = base + tape;
        }
        // The questions belong to the chooser, which stays open after a "no".
        PlateformeWin32& p = *choix->plateforme;
        const HWND proprietaire = p.proprietaire;
        p.proprietaire = boite;
        int garder_ouvert = 1;
        if (p.confirmer("Créer le répertoire " + etroit(tape) + " ?")) {
            const int r = SHCreateDirectoryExW(boite, tape.c_str(), nullptr);
            if (r == ERROR_SUCCESS || r == ERROR_ALREADY_EXISTS) {
                choix->cree = tape;
                garder_ouvert = 0;
            } else {
                SetLastError(static_cast<DWORD>(r));
                p.message("Impossible de créer le répertoire " + etroit(tape) + " : " + p.raison_echec() +
                          ".\n\nChoisissez un autre répertoire.");
            }
        }
        p.proprietaire = proprietaire;
        return garder_ouvert;
    }
    default:
        break;
    }
    return 0;
}

}  // namespace

void PlateformeWin32::reprendre_clavier() {
    // Windows gives the activation back to a box's owner, but not always under Wine nor
    // after another program's window: the show's keys must reach it without a click.
    const HWND f = proprietaire ? GetAncestor(proprietaire, GA_ROOT) : nullptr;
    if (!f || !IsWindowVisible(f)) return;
    // Where the box was, the show at once, not at the next pass through the messages.
    RedrawWindow(f, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    SetForegroundWindow(f);
    SetActiveWindow(f);
    const HWND focus = GetFocus();
    if (!focus || (focus != f && !IsChild(f, focus))) SetFocus(f);
}

void PlateformeWin32::message(const std::string& texte) {
    mettre_a_jour();
    MessageBoxW(proprietaire, large(texte).c_str(), L"Nocturo", MB_OK);
    reprendre_clavier();
}

bool PlateformeWin32::confirmer(const std::string& texte) {
    mettre_a_jour();
    crochet_boutons = SetWindowsHookExW(WH_CBT, nommer_boutons, nullptr, GetCurrentThreadId());
    const int r = MessageBoxW(proprietaire, large(texte).c_str(), L"Confirmation",
                              MB_YESNO | MB_ICONQUESTION);
    if (crochet_boutons) {
        UnhookWindowsHookEx(crochet_boutons);
        crochet_boutons = nullptr;
    }
    reprendre_clavier();
    return r == IDYES;
}

void PlateformeWin32::informer(const std::string& texte) {
    // A notice, not a question: the information icon and "OK".
    mettre_a_jour();
    MessageBoxW(proprietaire, large(texte).c_str(), L"Nocturo", MB_OK | MB_ICONINFORMATION);
    reprendre_clavier();
}

bool PlateformeWin32::choisir_fichier(const std::string& titre, const std::string& filtre, std::string& chemin) {
    mettre_a_jour();
    // "text|pattern|text|pattern" to the dialog's pairs of strings ended by an empty one.
    std::wstring f = large(filtre);
    std::replace(f.begin(), f.end(), L'|', L'\0');
    f.push_back(L'\0');
    f.push_back(L'\0');
    std::wstring t = large(titre);
    std::vector<wchar_t> tampon(32768, L'\0');
    OPENFILENAMEW o{};
    o.lStructSize = sizeof o;
    o.hwndOwner = proprietaire;
    o.lpstrFilter = f.c_str();
    o.lpstrFile = tampon.data();
    o.nMaxFile = static_cast<DWORD>(tampon.size());
    o.lpstrTitle = t.c_str();
    o.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    const BOOL choisi = GetOpenFileNameW(&o);
    reprendre_clavier();
    if (!choisi) return false;
    chemin = etroit(tampon.data());
    return true;
}

bool PlateformeWin32::choisir_repertoire(std::string& chemin) {
    mettre_a_jour();
    Choix choix{this, large(chemin), {}, {}};
    BROWSEINFOW bi{};
    bi.hwndOwner = proprietaire;
    bi.lpszTitle = L"";
    bi.ulFlags = BIF_NEWDIALOGSTYLE | BIF_EDITBOX | BIF_VALIDATE | BIF_RETURNONLYFSDIRS;
    bi.lpfn = suivre_choix;
    bi.lParam = reinterpret_cast<LPARAM>(&choix);
    PIDLIST_ABSOLUTE liste = SHBrowseForFolderW(&bi);
    reprendre_clavier();
    std::wstring resultat = chemin_de(liste);
    if (liste) CoTaskMemFree(liste);
    if (resultat.empty()) resultat = choix.cree;
    if (resultat.empty()) return false;
    chemin = etroit(resultat);
    return true;
}

}  // namespace nocturo::win32
