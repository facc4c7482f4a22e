// Screen and cursor.
#pragma once
#include <vector>

namespace nocturo {

// Screen cursor values, as the window framework names them.
constexpr int CURSEUR_AUCUN = -1;
constexpr int CURSEUR_DEFAUT = 0;

struct Point {
    int x = 0;
    int y = 0;
};

// A monitor's place on the virtual screen.
struct Moniteur {
    int gauche = 0, haut = 0, largeur = 0, hauteur = 0;
    bool principal = false;
    bool operator==(const Moniteur&) const = default;
};

class Ecran {
public:
    virtual ~Ecran() = default;
    virtual int curseur_ecran() = 0;
    virtual void definir_curseur_ecran(int curseur) = 0;
    virtual void montrer_curseur() = 0;  // ShowCursor(TRUE)
    virtual Point position_curseur() = 0;
    virtual void placer_curseur(int x, int y) = 0;
    virtual int largeur_ecran() = 0;
    virtual int hauteur_ecran() = 0;
    // Every monitor of the desktop, the primary one among them.
    virtual std::vector<Moniteur> moniteurs() = 0;
    // Whether Shift is held down now.
    virtual bool maj_enfoncee() = 0;
};

}  // namespace nocturo
