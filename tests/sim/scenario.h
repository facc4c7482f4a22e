// A slideshow window on a simulated machine, run from FormCreate to the quit path.
#pragma once
#include <memory>
#include <optional>

#include "app/diaporama.h"
#include "settings/donnees.h"
#include "sim/plateforme_simulee.h"

namespace nocturo::test {

class Scenario {
public:
    explicit Scenario(std::string lettre_mode = "") {
        machine.creer_repertoire_complet("C:\\Nocturo");
        diapo = std::make_unique<Tdiapo>(machine, std::move(lettre_mode));
        // The walk beside the show takes real time on a thread of its own: its result is
        // awaited at the next picture, so that every run of a test is the same.
        diapo->rafraichissement_attendu = true;
        machine.sur_touche = [this](int touche) { diapo->touche_relachee(touche); };
        machine.sur_minuterie = [this] { diapo->tic_minuterie(); };
        machine.sur_activation = [this] { diapo->executer([this] { diapo->FormActivate(); }); };
    }

    // Runs FormCreate as the entry point does. Returns the exit code when the program
    // ended, nothing when FormCreate came back (the window stays open).
    std::optional<int> demarrer() { return executer([this] { diapo->executer([this] { diapo->FormCreate(); }); }); }

    // Lets the window handle its messages, as the platform's loop does, until `ms`.
    std::optional<int> attendre_jusqu_a(double ms) {
        return executer([&] {
            while (machine.ms < ms) {
                machine.traiter_messages();
                machine.attendre(10);
            }
        });
    }

    // Runs an action of the window; returns the exit code when it ended the program.
    template <class F>
    std::optional<int> executer(F&& action) {
        try {
            action();
        } catch (const FinProcessus& fin) {
            return fin.code;
        }
        return std::nullopt;
    }

    PlateformeSimulee machine;
    std::unique_ptr<Tdiapo> diapo;
};

}  // namespace nocturo::test
