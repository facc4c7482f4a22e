// A window of the program drawn from its control model: a native child control for each
// model control, kept in step both ways, and the captions and picture of the window
// painted on it.
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "forme/controles.h"
#include "plateforme/win32/appuis.h"
#include "plateforme/win32/echelle.h"
#include "plateforme/win32/fondu.h"
#include "plateforme/win32/poignees.h"
#include "plateforme/win32/tampon_ecran.h"

namespace nocturo::win32 {

using Gestionnaire = std::function<void()>;

struct Rappels {
    // Runs a handler so that its errors reach the user (required).
    std::function<void(const Gestionnaire&)> executer;
    // Key preview: every key released in the window or one of its controls.
    std::function<void(int)> touche;
    // The window became active (coming from another program).
    Gestionnaire activation;
    // The screen cursor is "none".
    std::function<bool()> curseur_masque;
    // Paints a picture control of the window (none: the form colour shows).
    std::function<void(HDC, const Controle&)> peindre_image;
};

// The kind of native control a model control needs (a combo box is an edit in the model).
Genre genre_natif(const Controle& c);

enum class StyleFenetre { plein_ecran, dialogue };

// Class names, for whoever looks for the windows from outside.
inline constexpr const wchar_t* CLASSE_FENETRE = L"NocturoFenetre";
inline constexpr const wchar_t* CLASSE_PANNEAU = L"NocturoPanneau";
inline constexpr const wchar_t* CLASSE_FLOTTANT = L"NocturoFlottant";

class FenetreForme {
public:
    FenetreForme(Forme& forme, StyleFenetre style, Rappels rappels, const std::string& titre = "");
    ~FenetreForme();
    FenetreForme(const FenetreForme&) = delete;
    FenetreForme& operator=(const FenetreForme&) = delete;

    HWND poignee() const { return h_; }
    // Pixels per unit of the native controls of the window, and of a control's (a panel
    // floating on another monitor is at that monitor's scale).
    double echelle() const { return mise_.echelle; }
    double echelle_de(const Controle& c) const { return mise_de(&c).echelle; }
    // The native control of a model control (null when the window paints it itself).
    HWND natif(const Controle& c) const { return natif_de(&c).h; }
    // Pushes every model change since the last call to the screen.
    void synchroniser();
    void repeindre(Controle* c);
    void afficher();
    bool contient(HWND h) const;
    // Key preview and dialog keys; true when the message was consumed.
    bool pretraiter(MSG& msg);

    static LRESULT CALLBACK procedure(HWND h, UINT m, WPARAM wp, LPARAM lp);
    static LRESULT CALLBACK procedure_panneau(HWND h, UINT m, WPARAM wp, LPARAM lp);
    static LRESULT panneau(HWND h, UINT m, WPARAM wp, LPARAM lp);
    static LRESULT CALLBACK procedure_flottant(HWND h, UINT m, WPARAM wp, LPARAM lp);

private:
    struct Natif {
        Controle* c = nullptr;
        HWND h = nullptr;           // none: painted on the window, or nothing to show
        std::vector<HWND> radios;
        UINT id = 0;
        uint64_t version = 0;       // model version last shown
        RECT rect{-1, -1, -1, -1};
        bool visible = false;
        bool etat_connu = false;
        std::string legende;
        std::string texte;
        std::vector<std::string> elements;
        bool elements_a_jour = false;
        int indice = -2;            // list selection last shown or read; timer interval
        nocturo::Police police{"", 0, false, 0};
        HFONT hpolice = nullptr;
        std::wstring bulle;
        HWND flottant = nullptr;    // the tool window a panel dragged away floats in
        std::optional<Mise> mise;   // the scale of a floating panel and its controls
        uint64_t poses = 0;         // settings of the bounds last seen
    };
    struct Hote {
        HWND h;
        int dx, dy;                 // units
        int decalage = 0;           // pixels: the grip of the panel that holds it
    };
    // A drag of a panel by its grip, in screen pixels.
    struct Glisse {
        Natif* n = nullptr;
        POINT depart{};
        POINT prise{};              // where the panel was taken, from its top left
        RECT trace{};
        bool commence = false;
        bool trace_visible = false;
    };

    // natifs.cpp
    void creer_natifs();
    void creer(Natif& n);
    void creer_radios(Natif& n);
    void synchroniser_un(Natif& n);
    void placer(Natif& n);
    void montrer(Natif& n);
    void synchroniser_valeurs(Natif& n);
    void synchroniser_elements(Natif& n);
    void synchroniser_bulle(Natif& n);
    Hote hote(const Controle* c) const;
    bool visible_natif(const Controle* c) const;
    // The scale of a control: its floating panel's, else the window's.
    const Mise& mise_de(const Controle* c) const;
    int px(int unites) const;
    int px(const Controle& c, int unites) const;
    // Where the design puts a control, in pixels of its host's client area.
    RECT rect_dessin(const Controle& c) const;
    // A caption (the control's or, for a radio group, one of its items') as its native
    // control is given it.
    std::wstring legende_native(const Natif& n, const std::string& legende) const;
    // The size a caption needs in its control, in pixels (0: none to measure).
    SIZE taille_legende(const Natif& n, SIZE place) const;

    // notifications.cpp
    bool notification(UINT m, WPARAM wp, LPARAM lp, LRESULT& r);
    void commande(Natif& n, int element, UINT code, HWND enfant);
    void dessiner_coche(const DRAWITEMSTRUCT& d);
    void clic_liste_cochee(HWND liste, int x, int y);
    static LRESULT CALLBACK procedure_liste(HWND h, UINT m, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR);
    static LRESULT CALLBACK procedure_cadre(HWND h, UINT m, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR);
    static LRESULT cadre(HWND h, UINT m, WPARAM wp, LPARAM lp, DWORD_PTR donnees);

    // flottant.cpp: a panel the user drags off into a floating window and back.
    int largeur_poignee(const Controle& c) const;
    bool sur_poignee(const Natif& n, POINT client) const;
    void dessiner_poignee(HWND h);
    void commencer_glisse(Natif& n, POINT ecran);
    void suivre_glisse(POINT ecran);
    void finir_glisse(POINT ecran, bool abandon);
    void tracer(bool visible);
    bool zone_amarrage(const Natif& n, POINT ecran) const;
    void faire_flotter(Natif& n, POINT coin);
    // The floating window around the panel, its top left at `coin` on the screen.
    void poser_flottant(Natif& n, POINT coin);
    void placer_flottant(Natif& n);
    void amarrer(Natif& n);
    // The scale of a panel floating at a resolution on a monitor: the window's at the
    // window's resolution.
    Mise mise_flottante(const Natif& n, int dpi, const RECT& moniteur) const;
    // The floating window of a panel moved to a monitor of another resolution (WM_DPICHANGED):
    // its controls at the new scale, its frame where the system suggests.
    void accorder_flottant(Natif& n, int dpi, const RECT& suggere);

    // peinture.cpp
    void peindre_fenetre();
    void peindre_panneau(HWND h);
    COLORREF fond(const Controle* c) const;
    HFONT police_de(const Controle& c) const;

    LRESULT traiter(UINT m, WPARAM wp, LPARAM lp);
    void regler_minuterie(Natif& n);
    void calculer_echelle(int dpi);
    // The window on a monitor of another resolution, or its monitor's changed (WM_DPICHANGED).
    void changer_dpi(int dpi, const RECT& suggere);
    // Every native control under a model control (all with none) to be shown and placed
    // again at the next synchronisation.
    void reprendre(const Controle* racine);
    Natif* natif_de(HWND h, int* element = nullptr);
    Natif& natif_de(const Controle* c) { return natifs_[index_.at(c)]; }
    const Natif& natif_de(const Controle* c) const { return natifs_[index_.at(c)]; }
    void executer(const Gestionnaire& g) { rappels_.executer(g); }

    Forme& forme_;
    StyleFenetre style_;
    Rappels rappels_;
    Appuis appuis_;
    TamponEcran tampon_;  // peinture.cpp
    CouchesFondu fondu_;  // peinture.cpp: the layers of a crossfade
    std::string titre_;
    HWND h_ = nullptr;
    HWND bulles_ = nullptr;
    // The window's scale and dialog font (pixels), and the resolution of its monitor, which
    // also sizes the boxes of check boxes.
    Mise mise_{1.0, 11, DPI_DESSIN};
    std::vector<std::wstring> legendes_;  // the design's captions in the dialog font
    SIZE etendue_{0, 0};                  // units: the design, with its margins
    Glisse glisse_;
    bool detruite_ = false;
    bool en_synchro_ = false;  // native changes made by us are not the user's
    bool sale_ = true;
    std::vector<Natif> natifs_;
    std::unordered_map<const Controle*, size_t> index_;
    std::unordered_map<HWND, std::pair<size_t, int>> par_poignee_;  // native -> control, item
    std::unordered_map<UINT, size_t> par_id_;
    // Last state of the window itself.
    Couleur couleur_ = 0xFFFFFFFF;
    Bornes bornes_{-1, -1, -1, -1};
    std::string legende_;
};

}  // namespace nocturo::win32
