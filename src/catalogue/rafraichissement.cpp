#include "catalogue/rafraichissement.h"

#include "catalogue/parcours.h"

namespace nocturo {

Rafraichisseur::~Rafraichisseur() { arreter(); }

void Rafraichisseur::arreter() {
    arret_ = true;
    if (fil_.joinable()) fil_.join();
}

void Rafraichisseur::lancer(Racines racines, CriteresScan criteres, Fichiers& fichiers, std::function<void()> au_depart) {
    arreter();
    arret_ = false;
    pris_ = false;
    resultat_.reset();
    fil_ = std::thread([this, racines = std::move(racines), criteres = std::move(criteres), &fichiers,
                        au_depart = std::move(au_depart)] {
        if (au_depart) au_depart();
        Rafraichissement r;
        for (const Racine& racine : racines)
            if (racine.cochee && !fichiers.repertoire_existe(racine.chemin)) r.absentes.push_back(racine.chemin);
        r.catalogue = parcourir(racines, criteres, fichiers, [this](int32_t) { return arret_.load(); });
        if (arret_) return;  // cut short: nothing of it is trusted
        std::lock_guard<std::mutex> l(verrou_);
        resultat_ = std::move(r);
    });
}

std::optional<Rafraichissement> Rafraichisseur::prendre(bool attendre) {
    if (!fil_.joinable() || pris_) return std::nullopt;
    if (attendre) fil_.join();
    std::lock_guard<std::mutex> l(verrou_);
    if (!resultat_) return std::nullopt;
    pris_ = true;
    std::optional<Rafraichissement> r = std::move(resultat_);
    resultat_.reset();
    return r;
}

}  // namespace nocturo
