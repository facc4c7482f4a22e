// Root directory list (to be written).
#include "app/diaporama.h"

namespace nocturo {

void Tdiapo::Panel_ajout_repClick() {}
void Tdiapo::Panel_sup_repClick() {}
void Tdiapo::CheckListBox_repClick() {}

}  // namespace nocturo
