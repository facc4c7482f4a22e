// Fonts and brushes made once and kept for the life of the program.
#pragma once
#include "forme/controles.h"
#include "plateforme/win32/win32.h"

namespace nocturo::win32 {

// The model's colour as GDI wants it; the two system markers read the system's colours.
COLORREF couleur_gdi(Couleur c);
HBRUSH pinceau(COLORREF c);
HFONT police_gdi(const nocturo::Police& p);
// The dialog font (8 points at 96 points per inch: 11 pixels), which the design's sizes were
// drawn for.
HFONT police_dialogue(int hauteur);
// The font of a native control at the panels' scale: the dialog font at the given height,
// unless the design gives the control a font of its own.
HFONT police_controle(const nocturo::Police& p, double echelle, int hauteur_dialogue);

}  // namespace nocturo::win32
