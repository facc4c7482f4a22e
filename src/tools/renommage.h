// Batch renaming of dated directories: names that begin with a short date get the full
// form yyyy-mm-dd.
#pragma once
#include <optional>
#include <string>
#include <vector>

namespace nocturo {

class Fichiers;

// The new name of a directory name, `siecle` standing before two-digit years; none when
// the name begins with no date form. Nothing checks that the digits make a real date.
std::optional<std::string> nom_date_complete(const std::string& nom, const std::string& siecle);

// Counts (renommer false) or renames the dated directories directly inside `repertoire`,
// logging two lines a directory in `journal`; gives the number counted or renamed.
int renommer_lot(Fichiers& fichiers, const std::string& repertoire, bool renommer, const std::string& siecle,
                 std::vector<std::string>& journal);

}  // namespace nocturo
