// Decoding the next picture while the current one is on screen: a worker thread that owns
// nothing of the window, runs one load at a time and hands back the finished value.
#pragma once
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "show/chargement.h"

namespace nocturo {

class Prechargeur {
public:
    using Travail = std::function<Chargement()>;

    Prechargeur();
    ~Prechargeur();  // waits for the load in progress
    Prechargeur(const Prechargeur&) = delete;
    Prechargeur& operator=(const Prechargeur&) = delete;

    // Loads `travail` for `cle` on the worker; a request not yet started, or a result not
    // taken, is dropped: only the next picture is kept.
    void demander(const std::string& cle, Travail travail);
    // The result for `cle`, waiting for it while it is asked or loads; nothing when `cle`
    // was not the one asked for (what was asked stays, until taken or replaced).
    std::optional<Chargement> prendre(const std::string& cle);

private:
    void travailler();

    std::mutex verrou_;
    std::condition_variable signal_;
    std::string voulue_;  // the key whose result is wanted; empty when none
    std::optional<std::pair<std::string, Travail>> demande_;
    std::optional<std::pair<std::string, Chargement>> resultat_;
    bool fin_ = false;
    std::thread fil_;
};

}  // namespace nocturo
