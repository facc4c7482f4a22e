// Fonts and brushes made once and kept for the life of the program.
#pragma once
#include "forme/controles.h"
#include "plateforme/win32/win32.h"

namespace nocturo::win32 {

// The model's colour as GDI wants it; the two system markers read the system's colours.
COLORREF couleur_gdi(Couleur c);
HBRUSH pinceau(COLORREF c);
HFONT police_gdi(const nocturo::Police& p);

}  // namespace nocturo::win32
