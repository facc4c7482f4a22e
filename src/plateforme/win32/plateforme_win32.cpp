// Clock, messages, cursor, screen-saver settings, profile, chance, shell, sound, exit.
#include "plateforme/win32/plateforme_win32.h"

#include <mmsystem.h>
#include <shellapi.h>

#include <vector>

#include "plateforme/win32/cadence.h"
#include "plateforme/win32/texte_win32.h"

namespace nocturo::win32 {

double PlateformeWin32::maintenant() {
    SYSTEMTIME st;
    GetLocalTime(&st);
    FILETIME ft;
    SystemTimeToFileTime(&st, &ft);
    return jours_de(ft);
}

double PlateformeWin32::millisecondes() {
    // Read from the processor's counter, with no call into the kernel on Windows nor into
    // the server under Wine.
    static const double par_ms = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER c;
    QueryPerformanceCounter(&c);
    return static_cast<double>(c.QuadPart) / par_ms;
}

void PlateformeWin32::attendre(int millisecondes) {
    mettre_a_jour();
    Sleep(static_cast<DWORD>(millisecondes > 0 ? millisecondes : 0));
}

void PlateformeWin32::traiter_messages() {
    mettre_a_jour();
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // The window is gone (closed by the system): nothing is left to show.
            terminer(static_cast<int>(msg.wParam));
        }
        if (filtrer && filtrer(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    mettre_a_jour();
}

void PlateformeWin32::attendre_message(int millisecondes) {
    mettre_a_jour();
    MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(millisecondes > 0 ? millisecondes : 0),
                                QS_ALLINPUT, MWMO_INPUTAVAILABLE);
}

void PlateformeWin32::attendre_rafraichissement() {
    static Cadence cadence;
    cadence.attendre();
}

Cause PlateformeWin32::cause_echec() { return cause_du_code(GetLastError()); }

std::string PlateformeWin32::raison_echec() {
    const DWORD code = GetLastError();
    // Our own words for the common causes; the system's, in its language, for the others.
    if (const std::string mots = mots_de(cause_du_code(code)); !mots.empty()) return mots;
    // In French when this Windows has its French messages, else in the user's language.
    wchar_t* texte = nullptr;
    DWORD n = 0;
    for (const WORD langue : {MAKELANGID(LANG_FRENCH, SUBLANG_FRENCH), MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT)}) {
        n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                           nullptr, code, langue, reinterpret_cast<LPWSTR>(&texte), 0, nullptr);
        if (n) break;
    }
    std::wstring r = n ? std::wstring(texte, n) : L"erreur " + std::to_wstring(code);
    if (texte) LocalFree(texte);
    while (!r.empty() && (r.back() == L'\r' || r.back() == L'\n' || r.back() == L' ')) r.pop_back();
    return etroit(r);
}

void PlateformeWin32::bip() { MessageBeep(MB_OK); }

void PlateformeWin32::jouer_son(std::string_view image_wav) {
    if (image_wav.empty()) return;
    PlaySoundW(reinterpret_cast<LPCWSTR>(image_wav.data()), nullptr, SND_MEMORY | SND_SYNC | SND_NODEFAULT);
}

void PlateformeWin32::definir_curseur_ecran(int curseur) {
    curseur_ = curseur;
    SetCursor(curseur == CURSEUR_AUCUN ? nullptr : LoadCursorW(nullptr, IDC_ARROW));
}

void PlateformeWin32::montrer_curseur() { ShowCursor(TRUE); }

Point PlateformeWin32::position_curseur() {
    POINT p{};
    GetCursorPos(&p);
    return {p.x, p.y};
}

void PlateformeWin32::placer_curseur(int x, int y) { SetCursorPos(x, y); }

int PlateformeWin32::largeur_ecran() { return GetSystemMetrics(SM_CXSCREEN); }

int PlateformeWin32::hauteur_ecran() { return GetSystemMetrics(SM_CYSCREEN); }

std::vector<Moniteur> PlateformeWin32::moniteurs() {
    std::vector<Moniteur> r;
    EnumDisplayMonitors(
        nullptr, nullptr,
        [](HMONITOR h, HDC, LPRECT, LPARAM donnees) -> BOOL {
            MONITORINFO mi{};
            mi.cbSize = sizeof mi;
            if (GetMonitorInfoW(h, &mi)) {
                const RECT& b = mi.rcMonitor;
                reinterpret_cast<std::vector<Moniteur>*>(donnees)->push_back(
                    {b.left, b.top, b.right - b.left, b.bottom - b.top, (mi.dwFlags & MONITORINFOF_PRIMARY) != 0});
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&r));
    return r;
}

bool PlateformeWin32::ecran_veille_actif() {
    BOOL actif = FALSE;
    SystemParametersInfoW(SPI_GETSCREENSAVEACTIVE, 0, &actif, 0);
    return actif != FALSE;
}

int PlateformeWin32::delai_ecran_veille() {
    int secondes = 0;
    SystemParametersInfoW(SPI_GETSCREENSAVETIMEOUT, 0, &secondes, 0);
    return secondes;
}

void PlateformeWin32::definir_delai_ecran_veille(int secondes) {
    // Sent to the running desktop only: the user's profile is not rewritten.
    SystemParametersInfoW(SPI_SETSCREENSAVETIMEOUT, static_cast<UINT>(secondes), nullptr,
                          SPIF_SENDWININICHANGE);
}

std::string PlateformeWin32::profil_lire(const std::string& fichier, const std::string& section,
                                         const std::string& cle, const std::string& defaut) {
    const std::wstring f = large(fichier), s = large(section), c = large(cle), d = large(defaut);
    std::vector<wchar_t> tampon(1024);
    while (true) {
        const DWORD n = GetPrivateProfileStringW(s.c_str(), c.c_str(), d.c_str(), tampon.data(),
                                                 static_cast<DWORD>(tampon.size()), f.c_str());
        if (n + 1 < tampon.size()) return etroit(std::wstring_view(tampon.data(), n));
        tampon.resize(tampon.size() * 4);  // the value was cut: read it again whole
    }
}

void PlateformeWin32::profil_ecrire(const std::string& fichier, const std::string& section,
                                    const std::string& cle, const std::string& valeur) {
    WritePrivateProfileStringW(large(section).c_str(), large(cle).c_str(), large(valeur).c_str(),
                               large(fichier).c_str());
}

void PlateformeWin32::reamorcer_aleatoire() {
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    generateur_.seed(static_cast<std::mt19937::result_type>(t.QuadPart ^ (t.QuadPart >> 32)));
}

int PlateformeWin32::aleatoire(int n) {
    if (n <= 1) return 0;
    return std::uniform_int_distribution<int>(0, n - 1)(generateur_);
}

int PlateformeWin32::ouvrir_shell(const std::string& verbe, const std::string& fichier,
                                  const std::string& parametres, const std::string& repertoire) {
    const std::wstring v = large(verbe), f = large(fichier), p = large(parametres),
                       r = large(repertoire);
    const HINSTANCE h = ShellExecuteW(proprietaire, v.empty() ? nullptr : v.c_str(), f.c_str(),
                                      p.empty() ? nullptr : p.c_str(), r.empty() ? nullptr : r.c_str(), SW_SHOWNORMAL);
    return static_cast<int>(reinterpret_cast<intptr_t>(h));
}

void PlateformeWin32::terminer_processus(int code) {
    arreter_gdiplus();
    ExitProcess(static_cast<UINT>(code));
}

}  // namespace nocturo::win32
