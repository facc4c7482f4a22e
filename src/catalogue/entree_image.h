// One picture of the catalogue: its directory's line and where its name lies in the
// catalogue's names.
#pragma once
#include <cstdint>

namespace nocturo {

struct EntreeImage {
    int32_t indice_rep = 0;  // line of the catalogue's directory list
    uint32_t debut = 0;      // first byte of the name among the catalogue's names
    uint32_t longueur = 0;   // bytes of the name (UTF-8)
};

}  // namespace nocturo
