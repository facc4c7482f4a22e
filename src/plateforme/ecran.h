// Screen and cursor.
#pragma once

namespace nocturo {

// Screen cursor values, as the window framework names them.
constexpr int CURSEUR_AUCUN = -1;
constexpr int CURSEUR_DEFAUT = 0;

struct Point {
    int x = 0;
    int y = 0;
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
};

}  // namespace nocturo
