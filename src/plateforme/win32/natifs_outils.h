// Small facts about model controls shared by the making and the updating of their
// native controls.
#pragma once
#include "forme/controles.h"

namespace nocturo::win32 {

// The grip a panel that may float is dragged by, at its left, in units.
inline constexpr int LARGEUR_POIGNEE = 8;

inline bool est_liste(Genre g) { return g == Genre::ListBox || g == Genre::CheckListBox; }
inline bool est_cadre(Genre g) {
    return g == Genre::GroupBox || g == Genre::RadioGroup || g == Genre::Bevel;
}
inline bool a_legende(Genre g) {
    return g == Genre::Label || g == Genre::CheckBox || g == Genre::RadioGroup ||
           g == Genre::GroupBox || g == Genre::Button || g == Genre::SpeedButton || g == Genre::Panel;
}
// A label tall enough for two lines wraps its text; the others grow to it, as the
// framework's self-sizing labels do.
inline bool sur_plusieurs_lignes(const Controle& c) {
    return c.hauteur() >= 2 * (c.police().hauteur + 2);
}

}  // namespace nocturo::win32
