// Exclusion file (to be written).
#include "app/diaporama.h"

namespace nocturo {

void Tdiapo::lire_fichier_exclusions() {}
void Tdiapo::SpeedButton1Click() {}

}  // namespace nocturo
