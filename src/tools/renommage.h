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

// A dated directory and what becomes of it: renamed to `nouveau`, or left alone for `raison`.
struct DossierDate {
    std::string nom;
    std::string nouveau;
    std::string raison;  // empty: to be renamed
};

// The dated directories directly inside `repertoire`, in listing order; empty when it
// cannot be listed. Folders already in the full form, or whose new name is taken (on the
// disk or by an earlier folder of the list), are left alone with the reason.
std::vector<DossierDate> dossiers_dates(Fichiers& fichiers, const std::string& repertoire, const std::string& siecle);

// Appends to `journal` two lines a directory of what renaming would do; gives the count
// of directories to rename.
int journal_prevu(const std::vector<DossierDate>& dossiers, std::vector<std::string>& journal);

// Renames the directories of `dossiers` inside `repertoire`, logging two lines each in
// `journal` (emptied first) and the renamed ones in `faits`; gives their number.
int renommer_dossiers(Fichiers& fichiers, const std::string& repertoire, const std::vector<DossierDate>& dossiers,
                      std::vector<std::string>& journal, std::vector<DossierDate>& faits);

// Counts (renommer false) or renames the dated directories directly inside `repertoire`.
int renommer_lot(Fichiers& fichiers, const std::string& repertoire, bool renommer, const std::string& siecle,
                 std::vector<std::string>& journal);

// What the confirmation says before anything is renamed: the folder, the first renames
// as "ancien → nouveau", and how many are left alone.
std::string resume_renommage(const std::string& repertoire, const std::vector<DossierDate>& dossiers);

// `chemin` as it reads once `ancien` (a directory) has been renamed `nouveau`: the same
// when it lies elsewhere. Windows compares names without case.
std::string apres_renommage(const std::string& chemin, const std::string& ancien, const std::string& nouveau);

}  // namespace nocturo
