// Exclusion file: whole directories and files (or numbered runs of files) kept out.
#include "catalogue/exclusions.h"

#include <algorithm>

#include "catalogue/chemins.h"
#include "plateforme/dialogues.h"
#include "plateforme/fichiers.h"
#include "plateforme/systeme.h"
#include "settings/donnees.h"
#include "util/erreurs.h"
#include "util/fichiers.h"
#include "util/texte.h"

namespace nocturo {

namespace {

bool commence_par(const std::string& texte, const char* debut) { return texte.rfind(debut, 0) == 0; }

// Gathers the patterns, up to the cap, letting messages through now and then.
class Recueil {
public:
    Recueil(Dialogues& d, const Pompe& p) : dialogues_(d), pomper_(p) {}

    bool plein() const { return total_ >= MOTIFS_MAX; }
    void ajouter(std::vector<std::string>& liste, std::string motif) {
        if (plein()) {
            tronque_ = true;
            return;
        }
        liste.push_back(std::move(motif));
        ++total_;
        souffler();
    }
    void souffler() {
        if (++pas_ % 4096 == 0 && pomper_) pomper_();
    }

    // The patterns of one file line of the block of directory `bloc`.
    void ligne_de_bloc(const std::string& bloc, const std::string& ligne) {
        const size_t p = ligne.find("...");
        if (p == std::string::npos) {
            ajouter(m.fichiers, bloc + "\\" + ligne);
            return;
        }
        // 'first...last': the first number is read after the last backslash of the line.
        const size_t barre = ligne.rfind('\\');
        const size_t debut = barre == std::string::npos ? 0 : barre + 1;
        const std::string premier = debut < p ? ligne.substr(debut, p - debut) : std::string();
        const std::string dernier = ligne.substr(p + 3);
        const size_t point = premier.rfind('.');
        const std::string extension = point == std::string::npos ? std::string() : premier.substr(point);
        std::string prefixe;
        int32_t a = 0, b = 0;
        separe_nom_numero(premier, prefixe, a, dialogues_);
        separe_nom_numero(dernier, prefixe, b, dialogues_);
        const long long fin = std::min<long long>(b, a + LONGUEUR_SERIE_MAX - 1);
        for (long long n = a; n <= fin; ++n) {
            if (plein()) {
                tronque_ = true;
                return;
            }
            ajouter(m.fichiers, bloc + "\\" + prefixe + std::to_string(n) + extension);
        }
    }
    void finir() {
        if (tronque_) dialogues_.message(TEXTE_TROP_DE_MOTIFS);
    }

    MotifsExclusion m;

private:
    Dialogues& dialogues_;
    const Pompe& pomper_;
    size_t total_ = 0;
    size_t pas_ = 0;
    bool tronque_ = false;
};

}  // namespace

MotifsExclusion lire_motifs_exclusion(const std::vector<std::string>& lignes, Dialogues& dialogues,
                                      const Pompe& pomper) {
    Recueil r(dialogues, pomper);
    size_t i = 0;
    // Reading past the end gives an empty line, as a text file does.
    auto lire = [&] {
        std::string l = i < lignes.size() ? lignes[i] : std::string();
        if (i < lignes.size()) ++i;
        repare_utf8(l);
        r.souffler();
        return l;
    };
    while (i < lignes.size()) {
        std::string l = lire();
        if (l.empty() || l[0] == '\'') continue;
        if (commence_par(l, "**")) {
            l = l.substr(2);
            r.ajouter(r.m.repertoires, l);
        }
        if (commence_par(l, "+*")) {
            const std::string bloc = l.substr(2);
            std::string ligne = lire();
            // The end of the file is tested before the line is used: an unclosed block
            // loses its last line.
            while (i < lignes.size() && ligne != "-") {
                r.ligne_de_bloc(bloc, ligne);
                ligne = lire();
            }
        }
    }
    r.finir();
    return std::move(r.m);
}

MotifsExclusion lire_fichier_exclusions(Fichiers& fichiers, Dialogues& dialogues, const Pompe& pomper) {
    if (!fichiers.fichier_existe(FICHIER_EXCLUSIONS)) return {};
    std::vector<std::string> lignes;
    // The user writes it, in Notepad as a rule: UTF-8 on today's Windows, ANSI before.
    if (!lire_lignes_libres(fichiers, FICHIER_EXCLUSIONS, lignes))
        throw ErreurES("Erreur de lecture du fichier " + FICHIER_EXCLUSIONS, fichiers.cause_echec(), FICHIER_EXCLUSIONS);
    return lire_motifs_exclusion(lignes, dialogues, pomper);
}

std::vector<std::string> lignes_exclusion_image(const std::string& image) {
    // A block reads "..." in a name as a numbered run (x1...3.jpg: 1, 2 and 3, patterns that
    // would hide far more than this picture); a "**" line takes its text as it stands.
    if (image.find("...") != std::string::npos) return {"**" + image};
    std::string repertoire = repertoire_de(image);
    // A drive's root keeps its backslash, which the block joins again.
    if (!repertoire.empty() && repertoire.back() == '\\') repertoire.pop_back();
    return {"+*" + repertoire, nom_de(image), "-"};
}

std::vector<std::string> lignes_exclusion_repertoire(const std::string& repertoire) {
    std::string r = repertoire;
    if (r.empty() || r.back() != '\\') r += '\\';
    return {"**" + r};
}

namespace {

// Whether the lines end inside a block that no "-" closed, read as the reader reads them.
bool finit_dans_un_bloc(const std::vector<std::string>& lignes) {
    size_t i = 0;
    while (i < lignes.size()) {
        std::string l = lignes[i++];
        repare_utf8(l);
        if (l.empty() || l[0] == '\'') continue;
        if (commence_par(l, "**")) l = l.substr(2);
        if (!commence_par(l, "+*")) continue;
        bool ferme = false;
        while (i < lignes.size() && !ferme) ferme = lignes[i++] == "-";
        if (!ferme) return true;
    }
    return false;
}

}  // namespace

void ajouter_au_fichier_exclusions(Fichiers& fichiers, const std::vector<std::string>& lignes) {
    std::string contenu;
    // A file that is there but cannot be read is never written over with the new lines alone.
    if (!fichiers.lire_octets(FICHIER_EXCLUSIONS, contenu) && fichiers.fichier_existe(FICHIER_EXCLUSIONS))
        throw ErreurES("Impossible de lire le fichier " + FICHIER_EXCLUSIONS, fichiers.cause_echec(), FICHIER_EXCLUSIONS);
    // A block left open would take the new lines as its own: it is closed first.
    std::vector<std::string> ajout = lignes;
    if (finit_dans_un_bloc(lignes_libres(contenu))) ajout.insert(ajout.begin(), "-");
    // In the file's own form, what the user wrote kept as it stands.
    ecrire_fichier_sur(fichiers, FICHIER_EXCLUSIONS, octets_completes(contenu, ajout));
}

void ouvrir_dans_bloc_notes(Systeme& systeme, const std::string& repertoire, const std::string& nom) {
    systeme.ouvrir_shell("open", "notepad.exe", nom, repertoire);
}

}  // namespace nocturo
