// System and processes: the desktop's screen-saver settings, the ini profile, chance, the
// shell, and the end of the process.
#pragma once
#include <cstdlib>
#include <string>

namespace nocturo {

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

}  // namespace nocturo
