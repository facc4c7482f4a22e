// Picture decoding: to be written.
#include "plateforme/win32/plateforme_win32.h"

namespace nocturo::win32 {

bool PlateformeWin32::decoder(const std::string&, FormatImage, const std::function<Taille(Taille)>&, Pixels&) {
    return false;
}

}  // namespace nocturo::win32
