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
        if (en_cours_ == cle || (resultat_ && resultat_->first == cle)) return;  // already under way
        resultat_.reset();
        demande_.emplace(cle, std::move(travail));
    }
    signal_.notify_all();
}

std::optional<Chargement> Prechargeur::prendre(const std::string& cle) {
    std::unique_lock<std::mutex> l(verrou_);
    signal_.wait(l, [&] { return en_cours_ != cle && !(demande_ && demande_->first == cle); });
    if (resultat_ && resultat_->first == cle) {
        Chargement c = std::move(resultat_->second);
        resultat_.reset();
        return c;
    }
    resultat_.reset();
    demande_.reset();
    return std::nullopt;
}

void Prechargeur::travailler() {
    std::unique_lock<std::mutex> l(verrou_);
    while (true) {
        signal_.wait(l, [&] { return fin_ || demande_.has_value(); });
        if (fin_) return;
        auto [cle, travail] = std::move(*demande_);
        demande_.reset();
        en_cours_ = cle;
        l.unlock();
        Chargement c = travail();  // never throws: a load's failures are its outcome
        l.lock();
        en_cours_.clear();
        if (!fin_) resultat_.emplace(std::move(cle), std::move(c));
        signal_.notify_all();
    }
}

}  // namespace nocturo
