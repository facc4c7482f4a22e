#include "show/prechargement.h"

namespace nocturo {

Prechargeur::Prechargeur() : fil_([this] { travailler(); }) {}

Prechargeur::~Prechargeur() {
    {
        std::lock_guard<std::mutex> l(verrou_);
        fin_ = true;
        demande_.reset();
    }
    signal_.notify_all();
    fil_.join();
}

void Prechargeur::demander(const std::string& cle, Travail travail) {
    {
        std::lock_guard<std::mutex> l(verrou_);
        if (voulue_ == cle) return;  // already under way, or done
        voulue_ = cle;
        resultat_.reset();
        demande_.emplace(cle, std::move(travail));
    }
    signal_.notify_all();
}

std::optional<Chargement> Prechargeur::prendre(const std::string& cle) {
    std::unique_lock<std::mutex> l(verrou_);
    // Another picture was foreseen: it stays for its turn, which a step back in the history,
    // or the replay after it, only puts off.
    if (voulue_.empty() || voulue_ != cle) return std::nullopt;
    signal_.wait(l, [&] { return resultat_.has_value(); });
    Chargement c = std::move(resultat_->second);
    resultat_.reset();
    voulue_.clear();
    return c;
}

void Prechargeur::travailler() {
    std::unique_lock<std::mutex> l(verrou_);
    while (true) {
        signal_.wait(l, [&] { return fin_ || demande_.has_value(); });
        if (fin_) return;
        auto [cle, travail] = std::move(*demande_);
        demande_.reset();
        l.unlock();
        Chargement c = travail();  // never throws: a load's failures are its outcome
        l.lock();
        // Kept only while it is still the one wanted.
        if (!fin_ && cle == voulue_ && !demande_) resultat_.emplace(std::move(cle), std::move(c));
        signal_.notify_all();
    }
}

}  // namespace nocturo
