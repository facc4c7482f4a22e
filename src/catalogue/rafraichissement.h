// The catalogue walked again beside the show, on a worker thread that owns nothing of the
// window, shows nothing and writes nothing: it hands back a finished catalogue, which the
// window's thread sets against its own.
#pragma once
#include <atomic>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "catalogue/catalogue.h"
#include "catalogue/criteres.h"
#include "plateforme/fichiers.h"
#include "settings/racines.h"

namespace nocturo {

struct Rafraichissement {
    Catalogue catalogue;
    std::vector<std::string> absentes;  // checked roots the walk could not reach
};

class Rafraichisseur {
public:
    Rafraichisseur() = default;
    ~Rafraichisseur();  // stops the walk at its next entry and waits for it
    Rafraichisseur(const Rafraichisseur&) = delete;
    Rafraichisseur& operator=(const Rafraichisseur&) = delete;

    // Walks `racines` by `criteres` on the worker; `au_depart` runs first on it (to lower
    // its priority). A walk under way is stopped first.
    void lancer(Racines racines, CriteresScan criteres, Fichiers& fichiers, std::function<void()> au_depart = {});
    // The walk's result once it is whole; nothing while it runs, nor after a stop. With
    // `attendre`, waits for the end of a walk under way.
    std::optional<Rafraichissement> prendre(bool attendre = false);
    void arreter();
    // Asks the walk to stop at its next entry, without waiting: the process may be ending.
    void demander_arret() { arret_ = true; }
    bool en_cours() const { return fil_.joinable() && !pris_; }

private:
    std::atomic<bool> arret_{false};
    std::mutex verrou_;
    std::optional<Rafraichissement> resultat_;
    bool pris_ = false;
    std::thread fil_;
};

}  // namespace nocturo
