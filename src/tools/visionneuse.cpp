#include "tools/visionneuse.h"

#include "util/texte.h"

namespace nocturo {

std::string argument_cite(const std::string& argument) {
    size_t barres = 0;
    while (barres < argument.size() && argument[argument.size() - 1 - barres] == '\\') ++barres;
    return "\"" + argument + std::string(barres, '\\') + "\"";
}

std::string ligne_visionneuse(const std::string& visionneuse, const std::string& cible, bool diaporama) {
    return argument_cite(visionneuse) + (diaporama ? " -slide " : " ") + argument_cite(cible);
}

bool visionneuse_acceptable(const std::string& chemin) {
    return chemin.size() > 4 && majuscules(chemin.substr(chemin.size() - 4)) == ".EXE";
}

}  // namespace nocturo
