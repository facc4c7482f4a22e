// Every picture of tests/fixtures/images through the platform's decoder, on the window's
// thread and on a worker thread that hands the decoder the same picture each time, then
// through the show's loader, against the outcome it must have; last, a JPEG of 16,000 x
// 12,000 made here, shown through a screen-sized copy. One line a case; the exit code is 1
// when any case differs.
//   images_test.exe <folder of the pictures>
#include <ole2.h>
#include <psapi.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "plateforme/win32/plateforme_win32.h"
#include "plateforme/win32/texte_win32.h"
#include "plateforme/win32/wic.h"
#include "show/chargement.h"
#include "plantage.h"

using namespace nocturo;

namespace {

constexpr uint32_t ROUGE = 0xFF0000, VERT = 0x00FF00, BLEU = 0x0000FF, JAUNE = 0xFFFF00;
// Top left, top right, bottom left, bottom right, as 0xRRGGBB.
struct Coins {
    uint32_t hg, hd, bg, bd;
};
constexpr Coins QUARTS{ROUGE, VERT, BLEU, JAUNE};
// Red at half opacity above, green at none below: over black.
constexpr Coins DEMI_TRANSPARENT{0x800000, 0x800000, 0x000000, 0x000000};

constexpr Taille PROPRE{0, 0};  // ask for the picture's own size

// Under Wine the imaging component has no WebP, HEIF nor AVIF codec; Windows has them with
// its extensions from the Store, or not.
const bool SOUS_WINE = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;

struct CasDecodeur {
    const char* fichier;
    FormatImage format;
    Taille voulue;                 // what the program asks for; PROPRE: the own size
    std::optional<Taille> propre;  // the own size the decoder reports; none: refused
    const Coins* coins;            // the corners where drawn; null: not looked at (stored turned)
    bool extension = false;        // a kind Windows decodes through an extension only
};

const FormatImage JPEG = FormatImage::jpeg, BMP = FormatImage::bitmap, ICO = FormatImage::icone,
                  META = FormatImage::metafichier, PNG = FormatImage::png, GIF = FormatImage::gif,
                  TIFF = FormatImage::tiff, WEBP = FormatImage::webp, HEIF = FormatImage::heif,
                  AVIF = FormatImage::avif;
constexpr Taille PAYSAGE{64, 48}, PORTRAIT{48, 64};
const Coins* const Q = &QUARTS;

const std::vector<CasDecodeur> CAS_DECODEUR = {
    {"orientation_1.jpg", JPEG, PROPRE, PAYSAGE, Q},
    {"orientation_3.jpg", JPEG, PROPRE, PAYSAGE, nullptr},
    {"orientation_6.jpg", JPEG, PROPRE, PORTRAIT, nullptr},
    {"orientation_8.jpg", JPEG, PROPRE, PORTRAIT, nullptr},
    {"sans_exif.jpg", JPEG, PROPRE, PAYSAGE, Q},
    // Asked small: a size between the one asked and the own one.
    {"sans_exif.jpg", JPEG, {16, 12}, PAYSAGE, Q},
    {"sans_exif.jpg", JPEG, {31, 23}, PAYSAGE, Q},
    {"exif_ifd_boucle.jpg", JPEG, PROPRE, PAYSAGE, Q},
    {"tronque_entete.jpg", JPEG, PROPRE, std::nullopt, nullptr},
    {"tronque_donnees.jpg", JPEG, PROPRE, std::nullopt, nullptr},
    {"sof_60000.jpg", JPEG, PROPRE, std::nullopt, nullptr},
    {"vide.jpg", JPEG, PROPRE, std::nullopt, nullptr},
    {"texte.jpg", JPEG, PROPRE, std::nullopt, nullptr},
    {"absent.jpg", JPEG, PROPRE, std::nullopt, nullptr},
    // A good file of another format than the one asked: the decoder believes what it is told.
    {"bon.bmp", JPEG, PROPRE, std::nullopt, nullptr},
    {"png_nomme.jpg", JPEG, PROPRE, std::nullopt, nullptr},
    {"bon.png", GIF, PROPRE, std::nullopt, nullptr},
    {"texte.jpg", PNG, PROPRE, std::nullopt, nullptr},
    {"bon.bmp", BMP, PROPRE, PAYSAGE, Q},
    {"bitmap_geant.bmp", BMP, PROPRE, std::nullopt, nullptr},
    {"bon.ico", ICO, PROPRE, Taille{32, 32}, Q},
    {"icone_hauteur_nulle.ico", ICO, PROPRE, std::nullopt, nullptr},
    {"icone_bitmap_geant.ico", ICO, PROPRE, std::nullopt, nullptr},
    {"bon.png", PNG, PROPRE, PAYSAGE, Q},
    {"bon.png", PNG, {16, 12}, PAYSAGE, Q},  // reduced as it is read
    {"png_nomme.jpg", PNG, PROPRE, PAYSAGE, Q},
    {"seize_bits.png", PNG, PROPRE, PAYSAGE, Q},
    // Transparency is drawn over black, whole or reduced.
    {"demi_transparent.png", PNG, PROPRE, PAYSAGE, &DEMI_TRANSPARENT},
    {"demi_transparent.png", PNG, {32, 24}, PAYSAGE, &DEMI_TRANSPARENT},
    {"anime.gif", GIF, PROPRE, PAYSAGE, Q},  // the first frame
    {"orientation_6.tif", TIFF, PROPRE, PORTRAIT, nullptr},
    {"exif_8.webp", WEBP, PROPRE, PORTRAIT, nullptr, true},
    {"bon.heic", HEIF, PROPRE, PAYSAGE, Q, true},
    {"bon.avif", AVIF, PROPRE, PAYSAGE, Q, true},
    // A metafile is drawn at exactly the size asked, larger or smaller than its own.
    {"bon.emf", META, {100, 50}, Taille{200, 100}, Q},
    {"bon.emf", META, {301, 149}, Taille{200, 100}, Q},
    {"bon.wmf", META, {100, 50}, Taille{200, 100}, Q},
    {"abime.emf", META, {100, 50}, std::nullopt, nullptr},
    {"abime.wmf", META, {100, 50}, std::nullopt, nullptr},
    {"vide.emf", META, {100, 50}, std::nullopt, nullptr},
    {"bon.bmp", META, {100, 50}, std::nullopt, nullptr},
};

struct CasChargement {
    const char* fichier;
    Taille copie;                  // PROPRE: the upright own size
    std::optional<Taille> droite;  // the copy kept, upright; none: nothing to show
    int annee = 0;
    const Coins* coins = &QUARTS;
    bool extension = false;
};

const std::vector<CasChargement> CAS_CHARGEMENT = {
    {"orientation_1.jpg", PROPRE, PAYSAGE},
    {"orientation_2.jpg", PROPRE, PAYSAGE},
    {"orientation_3.jpg", PROPRE, PAYSAGE},
    {"orientation_4.jpg", PROPRE, PAYSAGE},
    {"orientation_5.jpg", PROPRE, PAYSAGE},
    {"orientation_6.jpg", PROPRE, PAYSAGE},
    {"orientation_7.jpg", PROPRE, PAYSAGE},
    {"orientation_8.jpg", PROPRE, PAYSAGE},
    {"orientation_6_motorola.jpg", PROPRE, PAYSAGE},
    {"orientation_6.jpg", {32, 24}, Taille{32, 24}},
    {"orientation_8.jpg", {16, 12}, Taille{16, 12}},
    // A damaged tag is no tag: the picture stands as stored.
    {"exif_ifd_hors_segment.jpg", PROPRE, PAYSAGE},
    {"exif_compte_hors_segment.jpg", PROPRE, PAYSAGE},
    {"exif_ifd_boucle.jpg", PROPRE, PAYSAGE},
    {"sof_60000.jpg", PROPRE, std::nullopt},
    {"texte.jpg", PROPRE, std::nullopt},
    {"bon.bmp", PROPRE, PAYSAGE},
    {"bon.ico", PROPRE, Taille{32, 32}},
    {"bon.png", PROPRE, PAYSAGE},
    {"png_nomme.jpg", PROPRE, PAYSAGE},  // its first bytes say PNG
    {"demi_transparent.png", {32, 24}, Taille{32, 24}, 0, &DEMI_TRANSPARENT},
    {"exif_6.png", PROPRE, PAYSAGE, 2019},
    {"anime.gif", PROPRE, PAYSAGE},
    {"orientation_6.tif", PROPRE, PAYSAGE, 2021},
    {"orientation_6.tif", {32, 24}, Taille{32, 24}, 2021},
    {"exif_8.webp", PROPRE, PAYSAGE, 2022, &QUARTS, true},
    {"bon.heic", PROPRE, PAYSAGE, 0, &QUARTS, true},
    {"bon.avif", PROPRE, PAYSAGE, 0, &QUARTS, true},
    {"bon.emf", {100, 50}, Taille{100, 50}},
    {"bon.wmf", {100, 50}, Taille{100, 50}},
    {"abime.emf", {100, 50}, std::nullopt},
};

std::string texte(Taille t) { return std::to_string(t.largeur) + "x" + std::to_string(t.hauteur); }
std::string texte(const std::optional<Taille>& t) { return t ? texte(*t) : "refus"; }
std::string demande(Taille t) { return t == PROPRE ? "propre" : texte(t); }

uint32_t rvb(uint32_t bgrx) { return bgrx & 0xFFFFFF; }  // memory B, G, R reads as 0xRRGGBB

bool proche(uint32_t a, uint32_t b) {
    for (int d = 0; d < 24; d += 8) {
        const int ca = static_cast<int>((a >> d) & 0xFF), cb = static_cast<int>((b >> d) & 0xFF);
        if (ca - cb > 48 || cb - ca > 48) return false;
    }
    return true;
}

// The colours a little inside each corner, away from the edges a filter blends.
std::string verifier_coins(const Pixels& p, const Coins& attendus) {
    const int x0 = p.largeur / 8, x1 = p.largeur - 1 - p.largeur / 8;
    const int y0 = p.hauteur / 8, y1 = p.hauteur - 1 - p.hauteur / 8;
    const auto lu = [&](int x, int y) { return rvb(p.bgra[static_cast<size_t>(y) * p.largeur + x]); };
    const uint32_t obtenus[4] = {lu(x0, y0), lu(x1, y0), lu(x0, y1), lu(x1, y1)};
    const uint32_t voulus[4] = {attendus.hg, attendus.hd, attendus.bg, attendus.bd};
    for (int i = 0; i < 4; ++i) {
        if (proche(obtenus[i], voulus[i])) continue;
        char message[96];
        std::snprintf(message, sizeof message, "coin %d : %06X au lieu de %06X", i, obtenus[i], voulus[i]);
        return message;
    }
    return {};
}

const char* nom(IssueDecodage i) {
    switch (i) {
    case IssueDecodage::decodee:
        return "decodee";
    case IssueDecodage::illisible:
        return "illisible";
    case IssueDecodage::sans_codec:
        return "sans codec";
    }
    return "?";
}

class Rapport {
public:
    void ligne(bool bon, const std::string& quoi, const std::string& detail) {
        std::printf("%-6s %s : %s\n", bon ? "ok" : "ECHEC", quoi.c_str(), detail.c_str());
        std::fflush(stdout);
        echecs_ += bon ? 0 : 1;
    }
    int echecs() const { return echecs_; }

private:
    int echecs_ = 0;
};

// A kind that needs an extension: under Wine it has none; under Windows, with or without.
// Empty when `issue` may stand and is not a decoded picture to look at further.
std::optional<std::string> ecart_extension(bool extension, IssueDecodage issue) {
    if (!extension) {
        if (issue == IssueDecodage::sans_codec) return "sans codec pour une sorte que Windows decode toujours";
        return std::nullopt;
    }
    if (issue == IssueDecodage::sans_codec) return std::string();
    if (SOUS_WINE) return std::string("issue ") + nom(issue) + " au lieu de sans codec";
    if (issue == IssueDecodage::illisible) return "illisible au lieu de sans codec ou decodee";
    return std::nullopt;
}

// What went wrong with one decode; empty when it is as it must be.
std::string ecart_decodeur(const CasDecodeur& c, IssueDecodage issue, Taille vue, const Pixels& p) {
    if (const std::optional<std::string> e = ecart_extension(c.extension, issue)) return *e;
    const bool decode = issue == IssueDecodage::decodee;
    if (!c.propre) return decode ? "decode au lieu d'un refus (" + texte(Taille{p.largeur, p.hauteur}) + ")" : "";
    if (!decode) return nom(issue);
    // A metafile's own size is its frame in pixels, which players round either way.
    const int jeu = c.format == FormatImage::metafichier ? 1 : 0;
    if (std::abs(vue.largeur - c.propre->largeur) > jeu || std::abs(vue.hauteur - c.propre->hauteur) > jeu)
        return "taille propre annoncee " + texte(vue);
    const Taille voulue = c.voulue == PROPRE ? *c.propre : c.voulue;
    if (p.bgra.size() != static_cast<size_t>(p.largeur) * static_cast<size_t>(p.hauteur))
        return "pixels en nombre faux";
    const bool exacte = p.largeur == voulue.largeur && p.hauteur == voulue.hauteur;
    const bool entre = p.largeur >= voulue.largeur && p.hauteur >= voulue.hauteur &&
                       p.largeur <= c.propre->largeur && p.hauteur <= c.propre->hauteur;
    if (c.format == FormatImage::metafichier ? !exacte : !entre)
        return "taille " + texte(Taille{p.largeur, p.hauteur}) + " pour " + texte(voulue);
    // The metafiles leave a margin, where the background must be white. Wine's GDI+ spreads
    // a WMF's drawn extent over the target rather than its placeable box: only the EMF shows it.
    if (c.format == FormatImage::metafichier && std::string_view(c.fichier).ends_with(".emf") &&
        !proche(rvb(p.bgra.front()), 0xFFFFFF)) {
        char m[64];
        std::snprintf(m, sizeof m, "fond %06X au lieu de blanc", rvb(p.bgra.front()));
        return m;
    }
    return c.coins ? verifier_coins(p, *c.coins) : "";
}

// `p` is handed from one case to the next when given, as a caller that keeps its buffer.
void essayer_decodeur(win32::PlateformeWin32& plateforme, const std::string& dossier, const char* fil,
                      Rapport& rapport, Pixels* gardee = nullptr) {
    for (const CasDecodeur& c : CAS_DECODEUR) {
        Taille vue{-1, -1};
        const auto voulue = [&](Taille propre) {
            vue = propre;
            return Demande{c.voulue == PROPRE ? propre : c.voulue, 1};
        };
        Pixels neuve;
        Pixels& p = gardee ? *gardee : neuve;
        const IssueDecodage issue = plateforme.decoder(dossier + "\\" + c.fichier, c.format, voulue, p);
        const std::string ecart = ecart_decodeur(c, issue, vue, p);
        rapport.ligne(ecart.empty(), std::string("decodeur ") + fil + " " + c.fichier + " " + demande(c.voulue),
                      ecart.empty() ? (issue == IssueDecodage::decodee ? texte(Taille{p.largeur, p.hauteur}) : nom(issue))
                                    : ecart);
    }
}

const char* nom(IssueChargement i) {
    switch (i) {
    case IssueChargement::image:
        return "image";
    case IssueChargement::illisible:
        return "illisible";
    case IssueChargement::sans_chargeur:
        return "sans chargeur";
    case IssueChargement::sans_codec:
        return "sans codec";
    }
    return "?";
}

void essayer_chargement(win32::PlateformeWin32& plateforme, const std::string& dossier, Rapport& rapport) {
    for (const CasChargement& c : CAS_CHARGEMENT) {
        const auto taille_copie = [&](Taille droite) { return c.copie == PROPRE ? droite : c.copie; };
        const Chargement r = charger_copie(dossier + "\\" + c.fichier, taille_copie, plateforme, plateforme);
        const bool montre = r.issue == IssueChargement::image && r.image && !r.image->niveaux.empty();
        const IssueDecodage comme_decodage = montre ? IssueDecodage::decodee
                                             : r.issue == IssueChargement::sans_codec ? IssueDecodage::sans_codec
                                                                                      : IssueDecodage::illisible;
        std::string ecart;
        if (const std::optional<std::string> e = ecart_extension(c.extension, comme_decodage)) {
            ecart = *e;
        } else if (!c.droite) {
            if (r.issue != IssueChargement::illisible) ecart = std::string("issue ") + nom(r.issue);
        } else if (!montre) {
            ecart = std::string("rien a montrer : ") + nom(r.issue);
        } else {
            const Pixels& copie = r.image->niveaux.front();
            if (!(Taille{copie.largeur, copie.hauteur} == *c.droite))
                ecart = "copie " + texte(Taille{copie.largeur, copie.hauteur});
            else if (r.image->annee_prise != c.annee)
                ecart = "annee " + std::to_string(r.image->annee_prise) + " au lieu de " + std::to_string(c.annee);
            else
                ecart = verifier_coins(copie, *c.coins);
        }
        rapport.ligne(ecart.empty(), std::string("chargement ") + c.fichier + " " + demande(c.copie),
                      ecart.empty() ? (montre ? texte(c.droite) : nom(r.issue)) : ecart);
    }
}

using Horloge = std::chrono::steady_clock;

long long ms_depuis(Horloge::time_point debut) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Horloge::now() - debut).count();
}

// A JPEG of the quarters through the imaging component's encoder, a band at a time: no
// buffer of the whole picture, here either.
bool ecrire_quarts_jpeg(const std::wstring& nom_fichier, Taille t) {
    using win32::Com;
    const Com<IWICImagingFactory> f = win32::fabrique_wic();
    Com<IWICStream> flux;
    Com<IWICBitmapEncoder> codeur;
    Com<IWICBitmapFrameEncode> trame;
    Com<IPropertyBag2> options;
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    if (!f || FAILED(f->CreateStream(flux.adresse())) ||
        FAILED(flux->InitializeFromFilename(nom_fichier.c_str(), GENERIC_WRITE)) ||
        FAILED(f->CreateEncoder(GUID_ContainerFormatJpeg, nullptr, codeur.adresse())) ||
        FAILED(codeur->Initialize(flux.get(), WICBitmapEncoderNoCache)) ||
        FAILED(codeur->CreateNewFrame(trame.adresse(), options.adresse())) || FAILED(trame->Initialize(options.get())) ||
        FAILED(trame->SetSize(static_cast<UINT>(t.largeur), static_cast<UINT>(t.hauteur))) ||
        FAILED(trame->SetPixelFormat(&format)) || format != GUID_WICPixelFormat24bppBGR)
        return false;
    constexpr int LIGNES = 64;
    const UINT pas = static_cast<UINT>(3 * t.largeur);
    std::vector<BYTE> bande(static_cast<size_t>(pas) * LIGNES);
    for (int y = 0; y < t.hauteur; y += LIGNES) {
        const int n = std::min(LIGNES, t.hauteur - y);
        for (int k = 0; k < n; ++k)
            for (int x = 0; x < t.largeur; ++x) {
                const bool haut = y + k < t.hauteur / 2, gauche = x < t.largeur / 2;
                const uint32_t c = haut ? (gauche ? ROUGE : VERT) : (gauche ? BLEU : JAUNE);
                BYTE* p = &bande[static_cast<size_t>(k) * pas + 3 * static_cast<size_t>(x)];
                p[0] = c & 0xFF;
                p[1] = (c >> 8) & 0xFF;
                p[2] = (c >> 16) & 0xFF;
            }
        if (FAILED(trame->WritePixels(static_cast<UINT>(n), pas, pas * static_cast<UINT>(n), bande.data())))
            return false;
    }
    return SUCCEEDED(trame->Commit()) && SUCCEEDED(codeur->Commit());
}

size_t pointe_memoire() {
    PROCESS_MEMORY_COUNTERS m{};
    GetProcessMemoryInfo(GetCurrentProcess(), &m, sizeof m);
    return m.PeakWorkingSetSize;
}

// A photo of 16,000 x 12,000 (192 megapixels): shown through its screen-sized copy, while
// asking for it whole is refused. Where the decoder cannot shrink it (Wine), the picture is
// reduced as it is read: the peak memory is the decoder's own copy and little more.
void essayer_tres_grande(win32::PlateformeWin32& plateforme, Rapport& rapport) {
    constexpr Taille GEANTE{16000, 12000};
    wchar_t dossier[MAX_PATH + 1];
    const DWORD n = GetTempPathW(MAX_PATH, dossier);
    const std::wstring nom_fichier = std::wstring(dossier, n) + L"nocturo_192mp.jpg";
    const std::string chemin = win32::etroit(nom_fichier);
    auto debut = Horloge::now();
    const bool ecrite = ecrire_quarts_jpeg(nom_fichier, GEANTE);
    rapport.ligne(ecrite, "16000x12000 ecrite par l'encodeur JPEG", "en " + std::to_string(ms_depuis(debut)) + " ms");
    if (!ecrite) return;
    const size_t pointe_avant = pointe_memoire();
    debut = Horloge::now();
    const Chargement c = charger_copie(chemin, [](Taille) { return Taille{1440, 1080}; }, plateforme, plateforme);
    const long long ms = ms_depuis(debut);
    const size_t pointe = pointe_memoire();
    std::string ecart;
    if (c.issue != IssueChargement::image || !c.image)
        ecart = std::string("issue ") + nom(c.issue);
    else if (!(c.image->propre == GEANTE) || c.image->largeur() != 1440 || c.image->hauteur() != 1080)
        ecart = "copie " + texte(Taille{c.image->largeur(), c.image->hauteur()}) + " de " + texte(c.image->propre);
    else
        ecart = verifier_coins(c.image->niveaux.front(), QUARTS);
    rapport.ligne(ecart.empty(), "chargement 16000x12000 en copie 1440x1080",
                  ecart.empty() ? "en " + std::to_string(ms) + " ms" : ecart);
    // Wine's decoder holds the picture at three bytes a pixel; ours must not add the whole
    // picture again (four bytes a pixel).
    const size_t octets_source = 3 * static_cast<size_t>(GEANTE.largeur) * GEANTE.hauteur;
    const size_t plafond = pointe_avant + octets_source + (256u << 20);
    char detail[128];
    std::snprintf(detail, sizeof detail, "pointe %zu Mo (%zu Mo avant), plafond %zu Mo", pointe >> 20,
                  pointe_avant >> 20, plafond >> 20);
    rapport.ligne(pointe < plafond, "memoire du chargement 16000x12000", detail);
    Pixels entiere;
    const IssueDecodage issue = plateforme.decoder(chemin, FormatImage::jpeg, [](Taille t) { return Demande{t, 1}; }, entiere);
    rapport.ligne(issue == IssueDecodage::illisible && entiere.vide(), "16000x12000 demandee entiere : refus",
                  nom(issue));
    DeleteFileW(nom_fichier.c_str());
}

}  // namespace

int main(int argc, char** argv) {
    test::sortir_en_cas_de_plantage();
    if (argc != 2) {
        std::fprintf(stderr, "usage : images_test <dossier des images>\n");
        return 2;
    }
    // As the program: OLE on the window's thread, GDI+ for the whole run.
    OleInitialize(nullptr);
    win32::demarrer_gdiplus();
    const std::string dossier = argv[1];
    Rapport rapport;
    {
        win32::PlateformeWin32 plateforme;
        essayer_decodeur(plateforme, dossier, "fenetre", rapport);
        // A worker thread has no COM until the decoder starts it there.
        std::thread ouvrier([&] {
            Pixels gardee;
            essayer_decodeur(plateforme, dossier, "ouvrier", rapport, &gardee);
        });
        ouvrier.join();
        essayer_chargement(plateforme, dossier, rapport);
        essayer_tres_grande(plateforme, rapport);
    }
    std::printf("%d echec(s)\n", rapport.echecs());
    win32::arreter_gdiplus();
    OleUninitialize();
    return rapport.echecs() ? 1 : 0;
}
