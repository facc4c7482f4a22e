#include "plateforme/plateforme.h"

#include <cstdlib>

namespace nocturo {

namespace {
Plateforme* courante = nullptr;
}

Plateforme& plateforme() {
    if (!courante) std::abort();  // a start-up fault, not a user's
    return *courante;
}

void installer_plateforme(Plateforme* p) { courante = p; }

}  // namespace nocturo
