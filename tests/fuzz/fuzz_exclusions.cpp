// The exclusion file: the patterns stay under their cap, the detector built from them finds
// exactly the paths that hold one, and the UTF-8 repair leaves nothing to repair.
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/detecteur.h"
#include "catalogue/exclusions.h"
#include "commun.h"
#include "util/fichiers.h"
#include "util/texte.h"

using namespace nocturo;

namespace {

// Above this many patterns the plain search is too slow to run on every input.
constexpr size_t MOTIFS_COMPARES_MAX = 200;
// A run of a hundred thousand names costs a third of a second here; the cut of long runs
// and the cap on all patterns are the unit tests' business. Inputs whose runs would give
// more names than this are left out.
constexpr long long NOMS_DE_SERIES_MAX = 128;
constexpr size_t CARACTERES_DE_MOTIFS_MAX = 4096;

// The names the runs of the lines would give, counted as the reader counts them.
long long noms_des_series(const std::vector<std::string>& lignes) {
    fuzz::DialoguesMuets muets;
    long long noms = 0;
    for (std::string ligne : lignes) {
        repare_utf8(ligne);
        const size_t p = ligne.find("...");
        if (p == std::string::npos) continue;
        const size_t barre = ligne.rfind('\\');
        const size_t debut = barre == std::string::npos ? 0 : barre + 1;
        std::string prefixe;
        int32_t a = 0, b = 0;
        separe_nom_numero(debut < p ? ligne.substr(debut, p - debut) : std::string(), prefixe, a, muets);
        separe_nom_numero(ligne.substr(p + 3), prefixe, b, muets);
        noms += std::max(0LL, std::min<long long>(b, a + LONGUEUR_SERIE_MAX - 1) - a + 1);
    }
    return noms;
}

bool contient_un(std::string_view texte, const std::vector<const std::vector<std::string>*>& listes) {
    for (const auto* liste : listes)
        for (const std::string& m : *liste)
            if (!m.empty() && texte.find(m) != std::string_view::npos) return true;
    return false;
}

void verifier_reparation(const std::string& ligne) {
    // The sequences a repair replaces: UTF-8 once read as Windows-1252.
    static const char* const SEQUENCES[] = {"Ã©", "ÃƒÂ©", "Â°", "Ã´", "Ã¨", "Ã§", "Ã\u00A0", "Ã¢", "Ãª", "Ã®",
                                            "Ã»", "Ã¸", "â€š", "Ã¹", "Ã¯", "Ã¼", "Ã¤", "Ã¶", "Ã‰"};
    std::string r = ligne;
    repare_utf8(r);
    EXIGER(r.size() <= ligne.size());
    for (const char* s : SEQUENCES) EXIGER(r.find(s) == std::string::npos);
    std::string encore = r;
    repare_utf8(encore);
    EXIGER(encore == r);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille) {
    // As the file's reader gives them.
    const std::vector<std::string> lignes = lignes_libres(fuzz::octets(donnees, taille));
    if (noms_des_series(lignes) > NOMS_DE_SERIES_MAX) return -1;
    fuzz::DialoguesMuets p;
    size_t pompages = 0;
    const MotifsExclusion m = lire_motifs_exclusion(lignes, p, [&] { ++pompages; });
    const size_t total = m.repertoires.size() + m.fichiers.size();
    EXIGER(total <= MOTIFS_MAX);
    // Esc is heard during a long reading.
    EXIGER(pompages >= total / 4096);
    for (const std::string& l : lignes) verifier_reparation(l);

    // The detector's nodes cost a few allocations each: long patterns in numbers, made of a
    // short input through a block's name or a run's extension, are checked but not kept.
    size_t caracteres = 0;
    for (const std::string& motif : m.repertoires) caracteres += motif.size();
    for (const std::string& motif : m.fichiers) caracteres += motif.size();
    const bool trop = caracteres > CARACTERES_DE_MOTIFS_MAX;

    const std::vector<const std::vector<std::string>*> listes = {&m.repertoires, &m.fichiers};
    const DetecteurMotifs detecteur(listes);
    bool un_motif = false;
    for (const auto* liste : listes)
        for (const std::string& motif : *liste) un_motif = un_motif || !motif.empty();
    EXIGER(detecteur.vide() == !un_motif);

    // Every pattern is found in itself and inside a longer path; a few of them when many.
    for (const auto* liste : listes) {
        const size_t pas = liste->size() / 64 + 1;
        for (size_t i = 0; i < liste->size(); i += pas) {
            const std::string& motif = (*liste)[i];
            if (motif.empty()) continue;
            EXIGER(detecteur.trouve_dans(motif));
            EXIGER(detecteur.trouve_dans("C:\\Photos\\" + motif + "\\IMG_0001.JPG"));
        }
    }

    // A path made of the input: its last line, and the whole input with its line ends.
    if (total <= MOTIFS_COMPARES_MAX) {
        const std::string_view tout(reinterpret_cast<const char*>(donnees), taille);
        EXIGER(detecteur.trouve_dans(tout) == contient_un(tout, listes));
        if (!lignes.empty()) EXIGER(detecteur.trouve_dans(lignes.back()) == contient_un(lignes.back(), listes));
    }
    return trop ? -1 : 0;
}
