// The little preview in the desktop's screen-saver settings: a child of the dialog's window
// that shows the user's pictures, or the name when there are none to show.
#pragma once
#include <cstdint>

#include "plateforme/fichiers.h"
#include "plateforme/images.h"
#include "plateforme/win32/win32.h"

namespace nocturo::win32 {

// How long each picture stays.
constexpr int INTERVALLE_APERCU_MS = 4000;

// The preview over the whole client area of `hote`: the pictures of the catalogue cache,
// read and decoded off the window's thread, one every `intervalle_ms`; the name while none
// has loaded. It goes with its host, even one of another process, and posts WM_QUIT then.
// Null when it cannot be made. `fichiers` and `images` must outlive the window.
HWND creer_apercu(HWND hote, Fichiers& fichiers, Images& images, int intervalle_ms = INTERVALLE_APERCU_MS);

// The preview inside `parent`, until it goes; at once when it is no window.
int lancer_apercu(uint64_t parent, Fichiers& fichiers, Images& images);

}  // namespace nocturo::win32
