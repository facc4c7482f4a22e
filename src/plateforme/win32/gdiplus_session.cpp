// GDI+ is started once at entry and shut down on the way out.
#include <algorithm>

#include "plateforme/win32/plateforme_win32.h"

namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus
#include <gdiplus.h>

namespace nocturo::win32 {

namespace {
ULONG_PTR jeton = 0;
}

void demarrer_gdiplus() {
    if (jeton) return;
    Gdiplus::GdiplusStartupInput entree;
    if (Gdiplus::GdiplusStartup(&jeton, &entree, nullptr) != Gdiplus::Ok) jeton = 0;
}

void arreter_gdiplus() {
    if (!jeton) return;
    Gdiplus::GdiplusShutdown(jeton);
    jeton = 0;
}

}  // namespace nocturo::win32
