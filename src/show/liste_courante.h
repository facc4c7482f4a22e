// The current-directory list: a directory on its first line, then the names of the
// pictures still to show from it, one a line.
#pragma once
#include <optional>
#include <string>
#include <vector>

namespace nocturo {

// The next picture of the list; its name leaves the list. Nothing when the list holds
// no name (it is then used up).
std::optional<std::string> consommer_liste(std::vector<std::string>& lignes);
// The next picture, the list left as it is.
std::optional<std::string> prochaine_de_liste(const std::vector<std::string>& lignes);

}  // namespace nocturo
