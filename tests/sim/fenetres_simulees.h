// The windows of the simulated machine: each one opened is noted with what its events call;
// the scenario's keys go to the main window, the black over the other monitors is noted.
#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "plateforme/fenetres.h"
#include "sim/plateforme_simulee.h"

namespace nocturo::test {

class FenetresSimulees : public Fenetres {
public:
    explicit FenetresSimulees(PlateformeSimulee& machine) : machine_(machine) {}

    struct Ouverte {
        Forme* forme;
        GenreFenetre genre;
        std::string titre;
        RappelsFenetre rappels;
        bool affichee = false;
        bool fermee = false;
    };
    std::vector<Ouverte> ouvertes;  // in the order they were opened
    std::vector<Moniteur> couverts;
    std::function<void(int)> touche_couverts;  // a key released over the black
    std::optional<uint64_t> apercu_dans;

    std::unique_ptr<FenetreOuverte> ouvrir(Forme& forme, GenreFenetre genre, RappelsFenetre rappels,
                                           const std::string& titre = "") override {
        ouvertes.push_back({&forme, genre, titre, rappels});
        if (ouvertes.size() == 1) {
            machine_.sur_touche = rappels.touche;
            if (rappels.activation)
                machine_.sur_activation = [x = rappels.executer, a = rappels.activation] { x(a); };
        }
        return std::make_unique<Poignee>(*this, ouvertes.size() - 1);
    }
    void couvrir(const std::vector<Moniteur>& moniteurs, std::function<void(int)> touche) override {
        couverts.insert(couverts.end(), moniteurs.begin(), moniteurs.end());
        touche_couverts = std::move(touche);
    }
    // As the real loop: the messages until the main window goes.
    int boucle_messages() override {
        while (!ouvertes.empty() && !ouvertes.front().fermee) {
            machine_.traiter_messages();
            machine_.attendre(10);
        }
        return 0;
    }
    int apercu(uint64_t parent, Fichiers&, Images&) override {
        apercu_dans = parent;
        return 0;
    }

private:
    class Poignee : public FenetreOuverte {
    public:
        Poignee(FenetresSimulees& f, size_t i) : f_(f), i_(i) {}
        ~Poignee() override {
            fermer();
            if (i_ == 0) {
                f_.machine_.sur_touche = nullptr;
                f_.machine_.sur_activation = nullptr;
            }
        }
        void afficher() override { f_.ouvertes[i_].affichee = true; }
        bool visible() const override { return f_.ouvertes[i_].affichee && !f_.ouvertes[i_].fermee; }
        void fermer() override { f_.ouvertes[i_].fermee = true; }

    private:
        FenetresSimulees& f_;
        size_t i_;
    };

    PlateformeSimulee& machine_;
};

}  // namespace nocturo::test
