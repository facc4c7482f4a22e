// System and processes: the desktop's screen-saver settings, the ini profile, chance, the
// shell, and the end of the process.
#pragma once
#include <cstdlib>
#include <memory>
#include <string>

namespace nocturo {

// A program started by ours, until it ends.
class Processus {
public:
    virtual ~Processus() = default;
    // Waits up to `millisecondes` for its end; true once it has ended.
    virtual bool attendre_fin(int millisecondes) = 0;
};

// ShellExecute's answer when the file to open is not found.
constexpr int SHELL_FICHIER_INTROUVABLE = 2;

class Systeme {
public:
    virtual ~Systeme() = default;

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

    // The shell's answer: above 32 when it started something, else the system's error code
    // (SHELL_FICHIER_INTROUVABLE among them).
    virtual int ouvrir_shell(const std::string& verbe, const std::string& fichier,
                             const std::string& parametres, const std::string& repertoire) = 0;
    // Starts a program from a command line (its first argument names the executable);
    // null when it cannot be started.
    virtual std::unique_ptr<Processus> lancer_processus(const std::string& ligne_commande) = 0;
    // The user manual carried inside the program (PDF bytes); empty when it carries none.
    virtual std::string manuel_integre() = 0;
    // The user's Pictures folder; empty when the system names none.
    virtual std::string dossier_images() = 0;

    // Puts the calling thread in the background: its processor, disk and memory needs come
    // after everything the user waits for.
    virtual void fil_discret() {}

    // Ends the process at once.
    [[noreturn]] void terminer(int code) {
        terminer_processus(code);
        std::abort();
    }

protected:
    virtual void terminer_processus(int code) = 0;
};

}  // namespace nocturo
