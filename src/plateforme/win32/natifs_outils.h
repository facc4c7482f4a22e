// Small facts about model controls shared by the making and the updating of their
// native controls.
#pragma once
#include <algorithm>
#include <string>

#include "forme/controles.h"
#include "plateforme/win32/win32.h"

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
// Check boxes, radio buttons and frames clip their caption to its measured width (the
// system's: the text's advance), not to their own size.
inline bool coupe_a_sa_mesure(Genre g) {
    return g == Genre::CheckBox || g == Genre::RadioGroup || g == Genre::GroupBox;
}
// A caption as such a control is given it: when the ink of its hinted last letter reaches
// past the advance (as it does by a pixel in some fonts at some sizes), a space after it
// widens the measure, and shows nothing.
std::wstring legende_entiere(HFONT police, const std::wstring& t);

// The height of a line of a checked list, in units.
inline int hauteur_ligne(const Controle& c) { return std::max(13, c.police().hauteur + 4); }

// A label tall enough for two lines wraps its text; the others grow to it, as the
// framework's self-sizing labels do.
inline bool sur_plusieurs_lignes(const Controle& c) {
    return c.hauteur() >= 2 * (c.police().hauteur + 2);
}

}  // namespace nocturo::win32
