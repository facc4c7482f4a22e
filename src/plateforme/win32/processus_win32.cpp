// Outside programs: started from a command line and waited for, the embedded manual, the
// user's Pictures folder, and pictures of text drawn by GDI.
#include "plateforme/win32/plateforme_win32.h"

#include <knownfolders.h>
#include <shlobj.h>

#include <algorithm>
#include <vector>

#include "plateforme/win32/poignees.h"
#include "plateforme/win32/ressources.h"
#include "plateforme/win32/texte_win32.h"

namespace nocturo::win32 {

namespace {

class ProcessusWin32 : public Processus {
public:
    ProcessusWin32(HANDLE processus, HANDLE fil, PlateformeWin32& p) : processus_(processus), fil_(fil), p_(p) {}
    bool attendre_fin(int millisecondes) override {
        const bool fini =
            WaitForSingleObject(processus_.get(), static_cast<DWORD>(std::max(0, millisecondes))) != WAIT_TIMEOUT;
        // The program had the keyboard; its window gone, the show takes it back.
        if (fini) p_.reprendre_clavier();
        return fini;
    }

private:
    Fichier processus_;
    Fichier fil_;
    PlateformeWin32& p_;
};

}  // namespace

std::unique_ptr<Processus> PlateformeWin32::lancer_processus(const std::string& ligne_commande) {
    std::wstring ligne = large(ligne_commande);  // CreateProcess may write into it
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, ligne.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return nullptr;
    return std::make_unique<ProcessusWin32>(pi.hProcess, pi.hThread, *this);
}

void PlateformeWin32::fil_discret() {
    // Lower processor, disk and memory priority at once: the walk of a large library goes
    // after the show's decoding and painting.
    SetThreadPriority(GetCurrentThread(), THREAD_MODE_BACKGROUND_BEGIN);
}

std::string PlateformeWin32::dossier_images() {
    PWSTR chemin = nullptr;
    std::string r;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Pictures, 0, nullptr, &chemin))) r = etroit(chemin);
    CoTaskMemFree(chemin);
    return r;
}

std::string PlateformeWin32::manuel_integre() {
    const HMODULE module = GetModuleHandleW(nullptr);
    const HRSRC r = FindResourceW(module, MAKEINTRESOURCEW(ID_MANUEL), MAKEINTRESOURCEW(10));  // RT_RCDATA
    if (!r) return {};
    const HGLOBAL g = LoadResource(module, r);
    const DWORD taille = SizeofResource(module, r);
    const void* octets = g ? LockResource(g) : nullptr;
    if (!octets || taille == 0) return {};
    return std::string(static_cast<const char*>(octets), taille);
}

bool PlateformeWin32::image_de_texte(const std::string& texte, const std::string& police, int points, Taille taille,
                                     Pixels& sortie) {
    if (taille.largeur <= 0 || taille.hauteur <= 0 || int64_t{taille.largeur} * taille.hauteur > PIXELS_MAX) return false;
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = taille.largeur;
    bi.bmiHeader.biHeight = -taille.hauteur;  // top down
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    Bitmap image(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    DcMemoire dc(CreateCompatibleDC(nullptr));
    if (!image || !dc || !bits) return false;
    Selection s(dc.get(), image.get());
    RECT r{0, 0, taille.largeur, taille.hauteur};
    FillRect(dc.get(), &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    // Points at the 96 pixels an inch the picture is made for, whatever the screen's.
    win32::Police p(CreateFontW(-MulDiv(points, 96, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH,
                                large(police).c_str()));
    Selection sp(dc.get(), p.get());
    const std::wstring t = large(texte);
    SIZE etendue{};
    GetTextExtentPoint32W(dc.get(), t.c_str(), static_cast<int>(t.size()), &etendue);
    SetTextColor(dc.get(), RGB(0, 0, 0));
    SetBkMode(dc.get(), TRANSPARENT);
    TextOutW(dc.get(), (taille.largeur - etendue.cx) / 2, (taille.hauteur - etendue.cy) / 2, t.c_str(),
             static_cast<int>(t.size()));
    GdiFlush();
    sortie.largeur = taille.largeur;
    sortie.hauteur = taille.hauteur;
    const auto* p32 = static_cast<const uint32_t*>(bits);
    sortie.bgra.assign(p32, p32 + static_cast<size_t>(taille.largeur) * static_cast<size_t>(taille.hauteur));
    for (uint32_t& px : sortie.bgra) px |= 0xFF000000u;
    return true;
}

}  // namespace nocturo::win32
