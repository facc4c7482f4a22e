// Every picture of tests/fixtures/images through the platform's decoder, on the window's
// thread and on a worker thread that hands the decoder the same picture each time, then
// through the show's loader, against the outcome it must have. One line a case; the exit code is 1 when any case differs.
//   images_test.exe <folder of the pictures>
#include <ole2.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "plateforme/win32/plateforme_win32.h"
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

constexpr Taille PROPRE{0, 0};  // ask for the picture's own size

struct CasDecodeur {
    const char* fichier;
    FormatImage format;
    Taille voulue;                // what the program asks for; PROPRE: the own size
    std::optional<Taille> propre; // the own size the decoder reports; none: refused
    bool quarts;                  // stored upright: the four quarters are where drawn
};

const FormatImage JPEG = FormatImage::jpeg, BMP = FormatImage::bitmap, ICO = FormatImage::icone,
                  META = FormatImage::metafichier;
constexpr Taille PAYSAGE{64, 48}, PORTRAIT{48, 64};

const std::vector<CasDecodeur> CAS_DECODEUR = {
    {"orientation_1.jpg", JPEG, PROPRE, PAYSAGE, true},
    {"orientation_3.jpg", JPEG, PROPRE, PAYSAGE, false},
    {"orientation_6.jpg", JPEG, PROPRE, PORTRAIT, false},
    {"orientation_8.jpg", JPEG, PROPRE, PORTRAIT, false},
    {"sans_exif.jpg", JPEG, PROPRE, PAYSAGE, true},
    // Asked small: a size between the one asked and the own one.
    {"sans_exif.jpg", JPEG, {16, 12}, PAYSAGE, true},
    {"sans_exif.jpg", JPEG, {31, 23}, PAYSAGE, true},
    {"exif_ifd_boucle.jpg", JPEG, PROPRE, PAYSAGE, true},
    {"tronque_entete.jpg", JPEG, PROPRE, std::nullopt, false},
    {"tronque_donnees.jpg", JPEG, PROPRE, std::nullopt, false},
    {"sof_60000.jpg", JPEG, PROPRE, std::nullopt, false},
    {"vide.jpg", JPEG, PROPRE, std::nullopt, false},
    {"texte.jpg", JPEG, PROPRE, std::nullopt, false},
    {"absent.jpg", JPEG, PROPRE, std::nullopt, false},
    // A good file of another format than the one asked.
    {"bon.bmp", JPEG, PROPRE, std::nullopt, false},
    {"bon.bmp", BMP, PROPRE, PAYSAGE, true},
    {"bitmap_geant.bmp", BMP, PROPRE, std::nullopt, false},
    {"bon.ico", ICO, PROPRE, Taille{32, 32}, true},
    {"icone_hauteur_nulle.ico", ICO, PROPRE, std::nullopt, false},
    {"icone_bitmap_geant.ico", ICO, PROPRE, std::nullopt, false},
    // A metafile is drawn at exactly the size asked, larger or smaller than its own.
    {"bon.emf", META, {100, 50}, Taille{200, 100}, true},
    {"bon.emf", META, {301, 149}, Taille{200, 100}, true},
    {"bon.wmf", META, {100, 50}, Taille{200, 100}, true},
    {"abime.emf", META, {100, 50}, std::nullopt, false},
    {"abime.wmf", META, {100, 50}, std::nullopt, false},
    {"vide.emf", META, {100, 50}, std::nullopt, false},
    {"bon.bmp", META, {100, 50}, std::nullopt, false},
};

struct CasChargement {
    const char* fichier;
    Taille copie;                  // PROPRE: the upright own size
    std::optional<Taille> droite;  // the copy kept, upright; none: nothing to show
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

// What went wrong with one decode; empty when it is as it must be.
std::string ecart_decodeur(const CasDecodeur& c, bool decode, Taille vue, const Pixels& p) {
    if (!c.propre) return decode ? "decode au lieu d'un refus (" + texte(Taille{p.largeur, p.hauteur}) + ")" : "";
    if (!decode) return "refus";
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
    return c.quarts ? verifier_coins(p, QUARTS) : "";
}

// `p` is handed from one case to the next when given, as a caller that keeps its buffer.
void essayer_decodeur(win32::PlateformeWin32& plateforme, const std::string& dossier, const char* fil,
                      Rapport& rapport, Pixels* gardee = nullptr) {
    for (const CasDecodeur& c : CAS_DECODEUR) {
        Taille vue{-1, -1};
        const auto voulue = [&](Taille propre) {
            vue = propre;
            return c.voulue == PROPRE ? propre : c.voulue;
        };
        Pixels neuve;
        Pixels& p = gardee ? *gardee : neuve;
        const bool decode = plateforme.decoder(dossier + "\\" + c.fichier, c.format, voulue, p);
        const std::string ecart = ecart_decodeur(c, decode, vue, p);
        rapport.ligne(ecart.empty(), std::string("decodeur ") + fil + " " + c.fichier + " " + demande(c.voulue),
                      ecart.empty() ? texte(decode ? std::optional(Taille{p.largeur, p.hauteur}) : std::nullopt)
                                    : ecart);
    }
}

void essayer_chargement(win32::PlateformeWin32& plateforme, const std::string& dossier, Rapport& rapport) {
    for (const CasChargement& c : CAS_CHARGEMENT) {
        const auto taille_copie = [&](Taille droite) { return c.copie == PROPRE ? droite : c.copie; };
        const Chargement r = charger_copie(dossier + "\\" + c.fichier, taille_copie, plateforme, plateforme);
        std::string ecart;
        const bool montre = r.issue == IssueChargement::image && r.image && !r.image->niveaux.empty();
        if (!c.droite) {
            if (r.issue != IssueChargement::illisible) ecart = "issue inattendue";
        } else if (!montre) {
            ecart = "rien a montrer";
        } else {
            const Pixels& copie = r.image->niveaux.front();
            if (!(Taille{copie.largeur, copie.hauteur} == *c.droite))
                ecart = "copie " + texte(Taille{copie.largeur, copie.hauteur});
            else
                ecart = verifier_coins(copie, QUARTS);
        }
        rapport.ligne(ecart.empty(), std::string("chargement ") + c.fichier + " " + demande(c.copie),
                      ecart.empty() ? texte(c.droite) : ecart);
    }
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
    }
    std::printf("%d echec(s)\n", rapport.echecs());
    win32::arreter_gdiplus();
    OleUninitialize();
    return rapport.echecs() ? 1 : 0;
}
