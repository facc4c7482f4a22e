// The control model: plain objects with the properties the program uses and the handlers
// it binds. Changing a value by program fires the handler when the value really changes,
// as the window framework does; nothing here draws.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "show/image_prete.h"

namespace nocturo {

class Forme;

enum class Genre {
    Label, Edit, CheckBox, RadioGroup, ListBox, CheckListBox, Panel, Button, SpeedButton,
    Image, Bevel, GroupBox, ComboBox, Timer
};

// Colours as 0x00BBGGRR, with the two system colours the design uses.
using Couleur = uint32_t;
constexpr Couleur NOIR = 0x000000, BLANC = 0xFFFFFF, ROUGE = 0x0000FF, JAUNE = 0x00FFFF,
                  GRIS = 0x808080, MARRON = 0x000080;
constexpr Couleur COULEUR_FACE_BOUTON = 0xFF00000F;  // the system's button face
constexpr Couleur COULEUR_SELECTION = 0xFF00000D;    // the system's highlight

struct Police {
    std::string nom = "Tahoma";
    int hauteur = 11;  // pixels
    bool gras = false;
    Couleur couleur = NOIR;
    bool contour = false;  // a dark outline round the letters: a caption that reads on any picture
};

struct Bornes {
    int gauche = 0, haut = 0, largeur = 0, hauteur = 0;
};

using Action = std::function<void()>;

class Controle {
public:
    Controle(Forme& forme, Genre genre, std::string nom, Controle* parent = nullptr);
    Controle(const Controle&) = delete;
    Controle& operator=(const Controle&) = delete;
    virtual ~Controle() = default;

    Genre genre() const { return genre_; }
    const std::string& nom() const { return nom_; }
    Controle* parent() const { return parent_; }
    Forme& forme() const { return forme_; }
    // Bumped by every change, so a view can tell what to refresh.
    uint64_t version() const { return version_; }

    const Bornes& bornes() const { return bornes_; }
    int gauche() const { return bornes_.gauche; }
    int haut() const { return bornes_.haut; }
    int largeur() const { return bornes_.largeur; }
    int hauteur() const { return bornes_.hauteur; }
    void definir_bornes(int g, int h, int l, int ha);
    void definir_gauche(int g) { definir_bornes(g, haut(), largeur(), hauteur()); }
    void definir_haut(int h) { definir_bornes(gauche(), h, largeur(), hauteur()); }
    void definir_largeur(int l) { definir_bornes(gauche(), haut(), l, hauteur()); }
    void definir_hauteur(int h) { definir_bornes(gauche(), haut(), largeur(), h); }

    bool visible() const { return visible_; }
    void definir_visible(bool v);
    // Visible itself and every parent too.
    bool montre() const;

    const std::string& legende() const { return legende_; }
    void definir_legende(const std::string& l);
    const std::string& indice() const { return indice_; }  // hint
    void definir_indice(const std::string& i);
    Couleur couleur() const { return couleur_; }
    void definir_couleur(Couleur c);
    const Police& police() const { return police_; }
    void definir_police(const Police& p);
    bool aligne_droite() const { return aligne_droite_; }
    void definir_aligne_droite(bool a) { aligne_droite_ = a; modifie(); }
    // Automatic drag of the docking kind: the user may drag the control off into a floating
    // window and back. It goes back to its place when the program sets its bounds while it is
    // hidden, even to the values they have, so every setting of them counts as a change.
    bool amarrable() const { return amarrable_; }
    void definir_amarrable(bool a) { amarrable_ = a; modifie(); }
    // How many times the program has set the bounds.
    uint64_t poses() const { return poses_; }

    // Click: bound by the window; run by the user's click or by `cliquer`.
    Action sur_clic;
    virtual void cliquer();
    // Asks the view to repaint now (the framework's Repaint).
    void repeindre();

protected:
    void modifie();

private:
    Forme& forme_;
    Genre genre_;
    std::string nom_;
    Controle* parent_;
    uint64_t version_ = 1;
    Bornes bornes_;
    bool visible_ = true;
    std::string legende_;
    std::string indice_;
    Couleur couleur_ = COULEUR_FACE_BOUTON;
    Police police_;
    bool aligne_droite_ = false;
    bool amarrable_ = false;
    uint64_t poses_ = 0;
};

using Label = Controle;
using Panel = Controle;
using Button = Controle;
using SpeedButton = Controle;
using Bevel = Controle;
using GroupBox = Controle;

class Edit : public Controle {
public:
    Edit(Forme& f, std::string nom, Controle* parent = nullptr)
        : Controle(f, Genre::Edit, std::move(nom), parent) {}
    const std::string& texte() const { return texte_; }
    // Fires sur_changement when the text really changes.
    void definir_texte(const std::string& t);
    Action sur_changement;
    Action sur_entree;  // gets the focus
    void donner_focus();

private:
    std::string texte_;
};

class ComboBox : public Edit {
public:
    ComboBox(Forme& f, std::string nom, Controle* parent = nullptr);
    std::vector<std::string> elements;
};

class CheckBox : public Controle {
public:
    CheckBox(Forme& f, std::string nom, Controle* parent = nullptr)
        : Controle(f, Genre::CheckBox, std::move(nom), parent) {}
    bool coche() const { return coche_; }
    // Fires the click handler when the state really changes.
    void definir_coche(bool c);
    // The user's click toggles the box, which runs the handler.
    void cliquer() override { definir_coche(!coche_); }

private:
    bool coche_ = false;
};

class RadioGroup : public Controle {
public:
    RadioGroup(Forme& f, std::string nom, Controle* parent = nullptr)
        : Controle(f, Genre::RadioGroup, std::move(nom), parent) {}
    const std::vector<std::string>& elements() const { return elements_; }
    void definir_elements(std::vector<std::string> e);
    int indice_element() const { return indice_; }
    // Clamped to -1 .. last item; fires the click handler when it really changes.
    void definir_indice_element(int i);

private:
    std::vector<std::string> elements_;
    int indice_ = -1;
};

// A list of lines, shown or used as a string list.
class ListBox : public Controle {
public:
    ListBox(Forme& f, std::string nom, Controle* parent = nullptr, Genre g = Genre::ListBox)
        : Controle(f, g, std::move(nom), parent) {}
    const std::vector<std::string>& elements() const { return elements_; }
    int nombre() const { return static_cast<int>(elements_.size()); }
    const std::string& element(int i) const { return elements_.at(static_cast<size_t>(i)); }
    virtual void vider();
    virtual void ajouter(const std::string& ligne);
    virtual void supprimer(int i);
    virtual void definir_elements(std::vector<std::string> lignes);
    void remplacer(int i, const std::string& ligne);
    // First line equal to `texte` ignoring letter case, or -1.
    int chercher(const std::string& texte) const;
    int indice_element() const { return indice_; }
    void definir_indice_element(int i);

protected:
    std::vector<std::string> elements_;
    int indice_ = -1;
};

class CheckListBox : public ListBox {
public:
    CheckListBox(Forme& f, std::string nom, Controle* parent = nullptr)
        : ListBox(f, std::move(nom), parent, Genre::CheckListBox) {}
    bool coche(int i) const { return coches_.at(static_cast<size_t>(i)); }
    void definir_coche(int i, bool c);
    void vider() override;
    void ajouter(const std::string& ligne) override;
    void supprimer(int i) override;
    void definir_elements(std::vector<std::string> lignes) override;

private:
    std::vector<bool> coches_;
};

// A picture control: shows its picture stretched to its bounds.
class Image : public Controle {
public:
    Image(Forme& f, std::string nom, Controle* parent = nullptr)
        : Controle(f, Genre::Image, std::move(nom), parent) {}
    bool etirer = false;
    // Null when nothing is loaded.
    const std::shared_ptr<const ImagePrete>& image() const { return image_; }
    void definir_image(std::shared_ptr<const ImagePrete> image);

    // While a crossfade runs: the picture before this one, at the bounds it had, drawn
    // first, and this one drawn over it at `opacite` (0, the one before alone; 255, this one
    // alone). The window's colour is under both.
    struct Fondu {
        std::shared_ptr<const ImagePrete> image;
        Bornes bornes;
        int opacite = 255;
    };
    // Null outside a fade.
    const Fondu* fondu() const { return fondu_ ? &*fondu_ : nullptr; }
    void definir_fondu(std::optional<Fondu> f);

private:
    std::shared_ptr<const ImagePrete> image_;
    std::optional<Fondu> fondu_;
};

class Timer : public Controle {
public:
    Timer(Forme& f, std::string nom) : Controle(f, Genre::Timer, std::move(nom)) {}
    int intervalle() const { return intervalle_; }
    bool actif() const { return actif_; }
    // Both tell the view, which sets the system's timer again.
    void definir_intervalle(int ms);
    void definir_actif(bool a);
    Action sur_tick;

private:
    int intervalle_ = 1000;
    bool actif_ = true;
};

// A window: owns the list of its controls in creation order.
class Forme {
public:
    std::string nom;
    std::string legende;
    Bornes bornes;
    Couleur couleur = COULEUR_FACE_BOUTON;
    bool double_tampon = false;
    bool sans_bordure = false;
    bool apercu_touches = false;  // key preview
    bool maximisee = false;
    // Pixels per unit of the native controls' bounds (the design's 96-per-inch pixels), set
    // by the view from the system's resolution. The window's own bounds, and the pictures and
    // captions it paints itself, are in pixels.
    double pixels_par_unite = 1.0;
    int en_unites(int pixels) const { return static_cast<int>(pixels / pixels_par_unite); }

    const std::vector<Controle*>& controles() const { return controles_; }
    Controle* trouver(const std::string& nom) const;
    void enregistrer(Controle* c) { controles_.push_back(c); }

    // Told of every change, with the control (null for the window itself).
    std::function<void(Controle*)> sur_modification;
    // Asked to repaint a control now.
    std::function<void(Controle*)> sur_repeindre;
    // Asked to show the window (which then becomes active).
    std::function<void()> sur_afficher;
    void modifiee() { if (sur_modification) sur_modification(nullptr); }

private:
    std::vector<Controle*> controles_;
};

}  // namespace nocturo
