// Settings load and save (to be written).
#include "app/diaporama.h"

namespace nocturo {

void Tdiapo::charger_parametres() {}
void Tdiapo::sauver_parametres() {}

}  // namespace nocturo
