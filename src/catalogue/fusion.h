// A catalogue walked again, set against the one the show runs on: where each picture went,
// and the pictures of roots out of reach kept until they answer again.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"

namespace nocturo {

// For each position of `ancien`, the position of the same picture (same directory line,
// same name, exactly) in `nouveau`, or -1 when it is not there. A picture entered twice
// (two roots one inside the other) goes to its two entries in order.
std::vector<int32_t> correspondance(const Catalogue& ancien, const Catalogue& nouveau);

// `nouveau` with the pictures of `ancien` that lie under one of `absentes` (roots the walk
// could not reach): a share asleep or a disk unplugged loses nothing.
Catalogue garder_absentes(const Catalogue& ancien, Catalogue nouveau, const std::vector<std::string>& absentes);

// `chemin` is `repertoire` or lies below it, ignoring case as the system does.
bool sous_repertoire(const std::string& chemin, const std::string& repertoire);

}  // namespace nocturo
