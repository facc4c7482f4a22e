// The file service: what the program asks of the disks. Paths are Windows paths in UTF-8.
// Reading and listing return false when the thing is absent; failures that the caller
// must hear of throw ErreurES.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "util/erreurs.h"

namespace nocturo {

// Attribute bits of a directory entry, as the file system gives them.
enum : uint32_t {
    ATTR_LECTURE_SEULE = 0x01,
    ATTR_CACHE = 0x02,
    ATTR_SYSTEME = 0x04,
    ATTR_VOLUME = 0x08,
    ATTR_REPERTOIRE = 0x10,
    ATTR_ARCHIVE = 0x20,
    ATTR_REPARSE = 0x400,  // a reparse point: a link, or a cloud placeholder
};

// Reparse tags the tests and the scan name.
enum : uint32_t {
    ETIQUETTE_POINT_MONTAGE = 0xA0000003,  // junction or mount point
    ETIQUETTE_LIEN_SYMBOLIQUE = 0xA000000C,
    ETIQUETTE_NUAGE = 0x9000001A,          // a cloud files placeholder
};

// A name surrogate leads elsewhere (link, junction, mount point); other reparse points,
// such as cloud placeholders, are the folder itself.
constexpr bool substitut_de_nom(uint32_t etiquette) { return (etiquette & 0x20000000) != 0; }

struct EntreeRepertoire {
    std::string nom;          // UTF-8, exactly as the system names it
    uint32_t attributs = 0;
    uint32_t etiquette = 0;   // reparse tag, when ATTR_REPARSE is set
    int64_t taille = 0;
    double creation = 0;      // local date-time, days since 1899-12-30
};

// A directory held open, so that its subdirectories open from it without the system walking
// the whole path again: at the bottom of a tree thousands of levels deep an entry costs what
// it costs at the top, and no path length limit applies.
class RepertoireOuvert {
public:
    explicit RepertoireOuvert(std::string c) : chemin(std::move(c)) {}
    virtual ~RepertoireOuvert() = default;
    const std::string chemin;  // its full path, for the paths built from it
};

class Fichiers {
public:
    virtual ~Fichiers() = default;

    virtual bool fichier_existe(const std::string& chemin) = 0;
    virtual bool repertoire_existe(const std::string& chemin) = 0;
    virtual int64_t taille_fichier(const std::string& chemin) = 0;  // -1 when absent
    virtual bool supprimer_fichier(const std::string& chemin) = 0;
    virtual bool lire_octets(const std::string& chemin, std::string& contenu) = 0;
    // At most `octets` bytes from the start of the file.
    virtual bool lire_debut(const std::string& chemin, size_t octets, std::string& contenu) = 0;
    virtual void ecrire_octets(const std::string& chemin, std::string_view contenu) = 0;
    // As ecrire_octets, and returns only once the bytes are on the disk itself.
    virtual void ecrire_octets_durables(const std::string& chemin, std::string_view contenu) = 0;
    // Puts `source` in place of `destination` in one step, the old file staying whole on
    // failure.
    virtual bool remplacer_fichier(const std::string& source, const std::string& destination) = 0;
    virtual bool copier_fichier(const std::string& source, const std::string& destination,
                                bool refuser_si_existe) = 0;
    virtual bool deplacer_fichier(const std::string& source, const std::string& destination) = 0;
    virtual bool creer_repertoire(const std::string& chemin) = 0;
    // Entries of `repertoire` (no wildcard), "." and ".." included where the system gives
    // them, in the system's order. False when the directory cannot be listed.
    virtual bool lister_repertoire(const std::string& repertoire,
                                   std::vector<EntreeRepertoire>& entrees) = 0;
    // Creation time of a file, local date-time in days; false when it cannot be read.
    virtual bool date_creation(const std::string& chemin, double& jours) = 0;

    // A directory opened by its full path, and a subdirectory opened from it; null when it
    // cannot be opened. By default they only remember the path.
    virtual std::unique_ptr<RepertoireOuvert> ouvrir_repertoire(const std::string& chemin) {
        if (!repertoire_existe(chemin)) return nullptr;
        return std::make_unique<RepertoireOuvert>(chemin);
    }
    virtual std::unique_ptr<RepertoireOuvert> ouvrir_sous_repertoire(const RepertoireOuvert& parent,
                                                                     const std::string& nom) {
        return std::make_unique<RepertoireOuvert>(parent.chemin + "\\" + nom);
    }
    // What the system said of the last failed operation, for the user; empty when it says
    // nothing.
    virtual std::string raison_echec() { return {}; }
    virtual Cause cause_echec() { return Cause::inconnue; }

    // The entries of an open directory, as lister_repertoire gives them.
    virtual bool lister_ouvert(RepertoireOuvert& r, std::vector<EntreeRepertoire>& entrees) {
        return lister_repertoire(r.chemin, entrees);
    }
};

}  // namespace nocturo
