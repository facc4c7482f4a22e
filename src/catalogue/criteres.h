// What a scan keeps: the rules a picture's path must pass, taken whole when the scan
// starts so that nothing the user does meanwhile changes them half way.
#pragma once
#include <string>

#include "catalogue/exclusions.h"

namespace nocturo {

enum class ModeMarques { exclues, indifferentes, seules };  // "++" or "§" in the path

struct CriteresScan {
    bool recursif = true;
    ModeMarques marques = ModeMarques::exclues;
    bool fichier_exclusion = false;  // the patterns below apply
    MotifsExclusion motifs;
    bool filtre_date = false;
    bool plage = false;              // a range of months, else a single one
    std::string de, a;               // month keys 'yyyy-mm'
    bool filtre_mots = false;
    std::string mots;                // separated by spaces
};

}  // namespace nocturo
