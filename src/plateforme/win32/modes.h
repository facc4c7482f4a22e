// The three ways the program runs, one per command-line mode.
#pragma once
#include <cstdint>

#include "app/entree.h"
#include "plateforme/win32/plateforme_win32.h"

namespace nocturo::win32 {

int lancer_diaporama(const Lancement& l, PlateformeWin32& p);
int lancer_parametres(PlateformeWin32& p);
// The preview inside `parent`, until it goes.
int lancer_apercu(uint64_t parent, Plateforme& p);

// Runs the messages until the main window is gone; the exit code it leaves.
int boucle_messages(PlateformeWin32& p);

}  // namespace nocturo::win32
