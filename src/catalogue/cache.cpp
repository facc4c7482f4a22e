// Catalogue cache (to be written).
#include "app/diaporama.h"

namespace nocturo {

void Tdiapo::sauver_catalogue() {}
void Tdiapo::charger_catalogue() {}

}  // namespace nocturo
