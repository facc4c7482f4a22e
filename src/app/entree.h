// What the command line asks for.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace nocturo {

enum class Mode { diaporama, parametres, apercu };

struct Lancement {
    std::string lettre;          // second character of the first argument, or empty
    Mode mode = Mode::diaporama;
    bool titre = false;          // application title "Nocturo"
    uint64_t fenetre_apercu = 0; // preview: the parent window, 0 when none is valid
};

// `arguments` excludes the program's own name.
Lancement analyser_ligne_commande(const std::vector<std::string>& arguments);

}  // namespace nocturo
