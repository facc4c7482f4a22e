// Catalogue scan (to be written).
#include "app/diaporama.h"

namespace nocturo {

void Tdiapo::scanner_catalogue() {}
void Tdiapo::parcourir_repertoire(const std::string&) {}
void Tdiapo::retenir_image(const std::string&, const EntreeRepertoire&, const std::string&) {}

}  // namespace nocturo
