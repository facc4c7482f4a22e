// The services the core asks of the machine. The real one talks to Win32; the tests use a
// simulated one. Text is Windows-1252, paths are Windows paths.
#pragma once
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace nocturo {

// Attribute bits of a directory entry, as the file system gives them.
enum : uint32_t {
    ATTR_LECTURE_SEULE = 0x01,
    ATTR_CACHE = 0x02,
    ATTR_SYSTEME = 0x04,
    ATTR_VOLUME = 0x08,
    ATTR_REPERTOIRE = 0x10,
    ATTR_ARCHIVE = 0x20,
    ATTR_REPARSE = 0x400,  // junction or symbolic link
};

struct EntreeRepertoire {
    std::string nom;          // Windows-1252; see nom_representable
    uint32_t attributs = 0;
    int64_t taille = 0;
    double creation = 0;      // local date-time, days since 1899-12-30
    bool nom_representable = true;  // false when the real name has no Windows-1252 form
};

// Screen cursor values, as the window framework names them.
constexpr int CURSEUR_AUCUN = -1;
constexpr int CURSEUR_DEFAUT = 0;

struct Point {
    int x = 0;
    int y = 0;
};

class Plateforme {
public:
    virtual ~Plateforme() = default;

    // Files. Reading and listing return false when the thing is absent; failures that the
    // caller must hear of throw ErreurES.
    virtual bool fichier_existe(const std::string& chemin) = 0;
    virtual bool repertoire_existe(const std::string& chemin) = 0;
    virtual int64_t taille_fichier(const std::string& chemin) = 0;  // -1 when absent
    virtual bool supprimer_fichier(const std::string& chemin) = 0;
    virtual bool lire_octets(const std::string& chemin, std::string& contenu) = 0;
    virtual void ecrire_octets(const std::string& chemin, std::string_view contenu) = 0;
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

    // Time.
    virtual double maintenant() = 0;  // local date-time, days since 1899-12-30
    virtual void attendre(int millisecondes) = 0;
    // Runs the handlers of pending input and timer ticks, then returns.
    virtual void traiter_messages() = 0;

    // Dialogs and sound.
    virtual void message(const std::string& texte) = 0;
    // Caption "Confirmation", buttons "&Oui" and "&Non"; true for "&Oui" only.
    virtual bool confirmer(const std::string& texte) = 0;
    // Lets the user pick or create a directory; false when cancelled.
    virtual bool choisir_repertoire(std::string& chemin) = 0;
    virtual void bip() = 0;
    virtual void jouer_son(std::string_view image_wav) = 0;  // returns when played

    // Cursor and screen.
    virtual int curseur_ecran() = 0;
    virtual void definir_curseur_ecran(int curseur) = 0;
    virtual void montrer_curseur() = 0;  // ShowCursor(TRUE)
    virtual Point position_curseur() = 0;
    virtual void placer_curseur(int x, int y) = 0;
    virtual int largeur_ecran() = 0;
    virtual int hauteur_ecran() = 0;

    // The desktop's screen-saver settings.
    virtual bool ecran_veille_actif() = 0;
    virtual int delai_ecran_veille() = 0;  // seconds
    virtual void definir_delai_ecran_veille(int secondes) = 0;

    // Ini profile, file name as given (resolved by the system).
    virtual std::string profil_lire(const std::string& fichier, const std::string& section,
                                    const std::string& cle, const std::string& defaut) = 0;
    virtual void profil_ecrire(const std::string& fichier, const std::string& section,
                               const std::string& cle, const std::string& valeur) = 0;

    // Random numbers: uniform in 0 .. n - 1.
    virtual void reamorcer_aleatoire() = 0;
    virtual int aleatoire(int n) = 0;

    // Shell and processes.
    virtual void ouvrir_shell(const std::string& verbe, const std::string& fichier,
                              const std::string& parametres, const std::string& repertoire) = 0;

    // Ends the process at once.
    [[noreturn]] void terminer(int code) {
        terminer_processus(code);
        std::abort();
    }

protected:
    virtual void terminer_processus(int code) = 0;
};

// The platform in force: the Win32 one in the product, a simulated one in the tests.
Plateforme& plateforme();
void installer_plateforme(Plateforme* p);

}  // namespace nocturo
