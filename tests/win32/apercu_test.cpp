// The preview drawn in a host window of this program (Wine draws a child of another
// process's window nowhere), then read back: the pictures of a catalogue cache upright and
// fitted on black, taking turns; the name when there is no cache to trust or nothing in it
// loads; and what a large picture leaves in memory once shown.
// One line a case; the exit code is 1 when any case differs.
//   apercu_test.exe <folder holding orientation_3.jpg, orientation_6.jpg and grande.jpg,
//                    6000 x 4000 in the fixtures' four quarters>
//   apercu_test.exe --hote <seconds>   a host for nocturo.scr /p: prints "hote <handle>",
//                                      stays that long, says whether a preview came into
//                                      it ("enfant NocturoApercu"), then closes
#include "catalogue/cache.h"
#include "settings/donnees.h"
#include "tools/images_test.h"
#include "plateforme/win32/apercu.h"
#include "plateforme/win32/plateforme_win32.h"
#include "plateforme/win32/poignees.h"
#include "plateforme/win32/texte_win32.h"
#include "plantage.h"

#include <psapi.h>

#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

using namespace nocturo;
using namespace nocturo::win32;

namespace {

constexpr uint32_t NOIR = 0x000000, ROUGE = 0xFF0000, VERT = 0x00FF00, BLEU = 0x0000FF, JAUNE = 0xFFFF00;
constexpr int INTERVALLE_MS = 300;  // quicker than the dialog's, for the turns
constexpr DWORD DELAI_MS = 20000;   // a picture that has not come by then will not

int echecs = 0;

void ligne(bool bon, const std::string& quoi, const std::string& detail) {
    std::printf("%-6s %s%s%s\n", bon ? "ok" : "ECHEC", quoi.c_str(), detail.empty() ? "" : " : ", detail.c_str());
    std::fflush(stdout);
    echecs += bon ? 0 : 1;
}

std::string hex(uint32_t c) {
    char t[8];
    std::snprintf(t, sizeof t, "%06X", c);
    return t;
}

bool proche(uint32_t a, uint32_t b) {
    for (int d = 0; d < 24; d += 8) {
        const int ca = static_cast<int>((a >> d) & 0xFF), cb = static_cast<int>((b >> d) & 0xFF);
        if (ca - cb > 48 || cb - ca > 48) return false;
    }
    return true;
}

// --- The pictures and the cache ---------------------------------------------------------

// Four solid quarters, top left red, top right green, bottom left blue, bottom right
// yellow, as the fixtures' upright pictures are; one colour when given.
void ecrire_bmp(Plateforme& p, const std::string& chemin, int largeur, int hauteur, uint32_t unie = 0) {
    Pixels px;
    px.largeur = largeur;
    px.hauteur = hauteur;
    px.bgra.resize(static_cast<size_t>(largeur) * hauteur);
    for (int y = 0; y < hauteur; ++y)
        for (int x = 0; x < largeur; ++x) {
            const uint32_t quart = y < hauteur / 2 ? (x < largeur / 2 ? ROUGE : VERT) : (x < largeur / 2 ? BLEU : JAUNE);
            px.bgra[static_cast<size_t>(y) * largeur + x] = unie ? unie : quart;
        }
    p.ecrire_octets(chemin, coder_bmp(px));
}

enum class Cache { aucun, entier, abime };

void preparer_cache(Plateforme& p, Cache etat, const std::string& dossier, const std::vector<std::string>& noms) {
    for (const std::string& f : {FICHIER_MARQUEUR, FICHIER_CACHE_REP, FICHIER_CACHE_IMAGES}) p.supprimer_fichier(f);
    if (etat == Cache::aucun) return;
    Catalogue c;
    for (const std::string& n : noms) c.ajouter(dossier, n);
    p.creer_repertoire(REP_DONNEES);
    ecrire_cache(c, p);
    // A record cut short, as a full disk leaves it.
    if (etat == Cache::abime) p.ecrire_octets(FICHIER_CACHE_IMAGES, std::string(TAILLE_ENREGISTREMENT + 7, 'x'));
}

// --- The host and what it shows ---------------------------------------------------------

constexpr const wchar_t* CLASSE_HOTE = L"NocturoHoteApercu";

void enregistrer_hote() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
    wc.lpszClassName = CLASSE_HOTE;
    RegisterClassW(&wc);
}

Fenetre creer_hote(int largeur, int hauteur) {
    return Fenetre(CreateWindowExW(WS_EX_TOPMOST, CLASSE_HOTE, L"Hote", WS_POPUP | WS_VISIBLE, 0, 0, largeur, hauteur,
                                   nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
}

// Dispatches messages for `ms`; the preview's WM_QUIT at its end is not ours to obey.
void pomper(DWORD ms) {
    const ULONGLONG fin = GetTickCount64() + ms;
    do {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    } while (GetTickCount64() < fin);
}

struct Ecran {
    int largeur = 0, hauteur = 0;
    std::vector<uint32_t> pixels;  // 0xRRGGBB, top row first
    uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * largeur + x]; }
};

Ecran lire(HWND h) {
    RECT r;
    GetClientRect(h, &r);
    Ecran e{r.right, r.bottom, std::vector<uint32_t>(static_cast<size_t>(r.right) * r.bottom)};
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof bi.bmiHeader, e.largeur, -e.hauteur, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    DcMemoire mem(CreateCompatibleDC(nullptr));
    Bitmap dib(CreateDIBSection(mem.get(), &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dib || e.pixels.empty()) return e;
    {
        Selection s(mem.get(), dib.get());
        DcFenetre dc(h);
        BitBlt(mem.get(), 0, 0, e.largeur, e.hauteur, dc.get(), 0, 0, SRCCOPY);
        GdiFlush();
    }
    const auto* p = static_cast<const uint32_t*>(bits);
    for (size_t i = 0; i < e.pixels.size(); ++i) e.pixels[i] = p[i] & 0xFFFFFF;
    return e;
}

// Pumps until what the window shows suits `accepte` (empty: it does) or the delay ends;
// what is wrong with the last look.
std::string attendre(HWND h, DWORD delai, const std::function<std::string(const Ecran&)>& accepte) {
    const ULONGLONG fin = GetTickCount64() + delai;
    std::string ecart;
    do {
        pomper(50);
        ecart = accepte(lire(h));
    } while (!ecart.empty() && GetTickCount64() < fin);
    return ecart;
}

// The four quarters inside `cadre`, black around it.
std::string ecart_quarts(const Ecran& e, const RECT& cadre) {
    if (e.pixels.empty()) return "fenetre vide";
    const int mx = (cadre.right - cadre.left) / 4, my = (cadre.bottom - cadre.top) / 4;
    const struct {
        int x, y;
        uint32_t couleur;
    } points[] = {
        {cadre.left + mx, cadre.top + my, ROUGE},
        {cadre.right - mx, cadre.top + my, VERT},
        {cadre.left + mx, cadre.bottom - my, BLEU},
        {cadre.right - mx, cadre.bottom - my, JAUNE},
    };
    for (const auto& p : points)
        if (!proche(e.at(p.x, p.y), p.couleur))
            return "(" + std::to_string(p.x) + ", " + std::to_string(p.y) + ") " + hex(e.at(p.x, p.y)) + " au lieu de " +
                   hex(p.couleur);
    for (int y = 0; y < e.hauteur; ++y)
        for (int x = 0; x < e.largeur; ++x) {
            // The edges of the picture may blend with the black by a pixel.
            const bool autour = x < cadre.left - 1 || x > cadre.right || y < cadre.top - 1 || y > cadre.bottom;
            if (autour && e.at(x, y) != NOIR)
                return "(" + std::to_string(x) + ", " + std::to_string(y) + ") " + hex(e.at(x, y)) + " hors de l'image";
        }
    return {};
}

// The name in yellow in the middle of the black, nothing else.
std::string ecart_nom(const Ecran& e) {
    if (e.pixels.empty()) return "fenetre vide";
    int jaunes = 0;
    for (int y = 0; y < e.hauteur; ++y)
        for (int x = 0; x < e.largeur; ++x) {
            const uint32_t c = e.at(x, y);
            const bool milieu = y > e.hauteur / 4 && y < e.hauteur * 3 / 4 && x > e.largeur / 8 && x < e.largeur * 7 / 8;
            // Smoothed letters have yellows of every strength, never another hue.
            const bool jauneatre = (c & 0xFF) == 0 && (c >> 16) == ((c >> 8) & 0xFF);
            if (!(c == NOIR || (milieu && jauneatre)))
                return "(" + std::to_string(x) + ", " + std::to_string(y) + ") " + hex(c) + " ni noir ni le nom";
            jaunes += c == JAUNE ? 1 : 0;
        }
    return jaunes >= 20 ? "" : "pas de nom (" + std::to_string(jaunes) + " pixels jaunes)";
}

struct CasApercu {
    const char* nom;
    Cache cache;
    std::vector<std::string> fichiers;
    int largeur, hauteur;  // the host's client area
    std::optional<RECT> cadre;  // where the quarters show; none: the name
};

const CasApercu CAS[] = {
    {"portrait couche par l'appareil, hote large", Cache::entier, {"orientation_6.jpg"}, 240, 120, RECT{40, 0, 200, 120}},
    {"retournee, hote haut", Cache::entier, {"orientation_3.jpg"}, 120, 240, RECT{0, 75, 120, 165}},
    {"petite image agrandie", Cache::entier, {"petite.bmp"}, 240, 120, RECT{40, 0, 200, 120}},
    {"une absente passee", Cache::entier, {"absente.jpg", "orientation_6.jpg"}, 160, 120, RECT{0, 0, 160, 120}},
    {"sans cache", Cache::aucun, {"orientation_6.jpg"}, 160, 120, std::nullopt},
    {"cache abime", Cache::abime, {"orientation_6.jpg"}, 160, 120, std::nullopt},
    {"rien ne se charge", Cache::entier, {"absente.jpg", "texte.jpg"}, 160, 120, std::nullopt},
};

void essayer_cas(Plateforme& p, const std::string& dossier) {
    for (const CasApercu& c : CAS) {
        preparer_cache(p, c.cache, dossier, c.fichiers);
        const Fenetre hote = creer_hote(c.largeur, c.hauteur);
        const HWND h = creer_apercu(hote.get(), p, p, INTERVALLE_MS);
        std::string ecart;
        if (!h) {
            ecart = "pas de fenetre";
        } else if (c.cadre) {
            ecart = attendre(h, DELAI_MS, [&](const Ecran& e) { return ecart_quarts(e, *c.cadre); });
        } else {
            // The name must still be there after a few turns.
            pomper(5 * INTERVALLE_MS);
            ecart = ecart_nom(lire(h));
        }
        ligne(ecart.empty(), c.nom, ecart);
    }
}

// Two pictures of one colour each take turns in the middle of the preview.
void essayer_tour_a_tour(Plateforme& p, const std::string& dossier) {
    preparer_cache(p, Cache::entier, dossier, {"rouge.bmp", "vert.bmp"});
    const Fenetre hote = creer_hote(160, 120);
    const HWND h = creer_apercu(hote.get(), p, p, INTERVALLE_MS);
    std::vector<uint32_t> vues;
    const ULONGLONG fin = GetTickCount64() + DELAI_MS;
    while (h && vues.size() < 5 && GetTickCount64() < fin) {
        pomper(20);
        const Ecran e = lire(h);
        const uint32_t c = e.pixels.empty() ? NOIR : e.at(80, 60);
        if ((c == ROUGE || c == VERT) && (vues.empty() || vues.back() != c)) vues.push_back(c);
    }
    std::string suite;
    for (uint32_t c : vues) suite += (c == ROUGE ? "rouge " : "vert ");
    ligne(vues.size() >= 5, "deux images tour a tour", suite);
}

// A photo of 24 megapixels is decoded whole where the decoder cannot scale (Wine), but only
// the preview's copy stays once it shows. The peak is said, not judged: it is the
// decoder's.
void essayer_memoire(Plateforme& p, const std::string& dossier) {
    preparer_cache(p, Cache::entier, dossier, {"grande.jpg"});
    const Fenetre hote = creer_hote(200, 150);
    PROCESS_MEMORY_COUNTERS avant{}, apres{};
    GetProcessMemoryInfo(GetCurrentProcess(), &avant, sizeof avant);
    const ULONGLONG debut = GetTickCount64();
    const HWND h = creer_apercu(hote.get(), p, p, INTERVALLE_MS);
    const std::string ecart =
        h ? attendre(h, DELAI_MS, [](const Ecran& e) { return ecart_quarts(e, RECT{0, 8, 200, 141}); }) : "pas de fenetre";
    const ULONGLONG ms = GetTickCount64() - debut;
    GetProcessMemoryInfo(GetCurrentProcess(), &apres, sizeof apres);
    const long long reste =
        (static_cast<long long>(apres.WorkingSetSize) - static_cast<long long>(avant.WorkingSetSize)) / 1024;
    char detail[160];
    std::snprintf(detail, sizeof detail, "%lld Ko de plus une fois montree ; pointe %llu Mo (%llu Mo avant)", reste,
                  static_cast<unsigned long long>(apres.PeakWorkingSetSize >> 20),
                  static_cast<unsigned long long>(avant.PeakWorkingSetSize >> 20));
    ligne(ecart.empty(), "photo 6000x4000 montree", ecart.empty() ? "en " + std::to_string(ms) + " ms" : ecart);
    // Wine's working set wanders by tens of megabytes (14 to 42 MB seen after the same
    // run); a full-size buffer of ours kept by mistake is 96 MB, Wine's decoder kept alive
    // 69 MB.
    ligne(reste < 60 * 1024, "memoire apres la photo 6000x4000", detail);
}

int servir_d_hote(int secondes) {
    enregistrer_hote();
    const Fenetre hote = creer_hote(160, 120);
    std::printf("hote %llu\n", static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(hote.get())));
    std::fflush(stdout);
    pomper(static_cast<DWORD>(secondes) * 1000);
    const bool enfant = FindWindowExW(hote.get(), nullptr, L"NocturoApercu", nullptr) != nullptr;
    std::printf("enfant %s\n", enfant ? "NocturoApercu" : "aucun");
    std::fflush(stdout);
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    test::sortir_en_cas_de_plantage();
    if (argc == 3 && std::wstring(argv[1]) == L"--hote") return servir_d_hote(_wtoi(argv[2]));
    if (argc != 2) return 2;
    PlateformeWin32 p;
    // The cache is the program's own, in the data directory: never on a user's machine.
    if (p.fichier_existe(FICHIER_MARQUEUR)) {
        ligne(false, "C:\\Nocturo tient deja un catalogue", "a lancer dans un prefixe de test");
        return 1;
    }
    const std::string dossier = etroit(argv[1]);
    ecrire_bmp(p, dossier + "\\petite.bmp", 16, 12);
    ecrire_bmp(p, dossier + "\\rouge.bmp", 40, 30, ROUGE);
    ecrire_bmp(p, dossier + "\\vert.bmp", 40, 30, VERT);
    p.ecrire_octets(dossier + "\\texte.jpg", "ceci n'est pas une image");
    enregistrer_hote();
    essayer_cas(p, dossier);
    essayer_tour_a_tour(p, dossier);
    essayer_memoire(p, dossier);
    preparer_cache(p, Cache::aucun, dossier, {});
    std::printf("%d echec(s)\n", echecs);
    return echecs ? 1 : 0;
}
