// What the harnesses share: a broken promise stops the run with its reason, and the input
// is cut into the files a reader expects.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "plateforme/dialogues.h"
#include "plateforme/fichiers.h"
#include "util/texte.h"

namespace nocturo::fuzz {

// libFuzzer takes the abort for a crash and keeps the input.
[[noreturn]] inline void echec(const char* raison, const char* fichier, int ligne) {
    std::fprintf(stderr, "promesse rompue : %s (%s:%d)\n", raison, fichier, ligne);
    std::abort();
}

#define EXIGER(condition) \
    ((condition) ? static_cast<void>(0) : ::nocturo::fuzz::echec(#condition, __FILE__, __LINE__))

inline std::string octets(const uint8_t* donnees, size_t taille) {
    return std::string(reinterpret_cast<const char*>(donnees), taille);
}

// The first byte says which of two files exist (bit 0 the first, bit 1 the second, a set
// bit meaning absent); the rest holds the first file, then a NUL, then the second.
struct DeuxFichiers {
    bool premier_present = true, second_present = true;
    std::string premier, second;
};

inline DeuxFichiers deux_fichiers(const uint8_t* donnees, size_t taille) {
    DeuxFichiers d;
    if (taille == 0) return d;
    d.premier_present = (donnees[0] & 1) == 0;
    d.second_present = (donnees[0] & 2) == 0;
    const std::string reste = octets(donnees + 1, taille - 1);
    const size_t nul = reste.find('\0');
    d.premier = reste.substr(0, nul);
    if (nul != std::string::npos) d.second = reste.substr(nul + 1);
    return d;
}

// The few files and directories a reader touches, held in memory under names folded to
// upper case as the system's are. Lighter than the simulated machine: a harness makes one
// per input, millions of times.
class FichiersMemoire : public Fichiers {
public:
    void creer_repertoire_seul(const std::string& chemin) { repertoires_.insert(majuscules(chemin)); }
    void creer_fichier(const std::string& chemin, std::string contenu) {
        fichiers_[majuscules(chemin)] = std::move(contenu);
    }

    bool fichier_existe(const std::string& chemin) override { return fichiers_.count(majuscules(chemin)) != 0; }
    bool repertoire_existe(const std::string& chemin) override {
        return repertoires_.count(majuscules(chemin)) != 0;
    }
    int64_t taille_fichier(const std::string& chemin) override {
        auto it = fichiers_.find(majuscules(chemin));
        return it == fichiers_.end() ? -1 : static_cast<int64_t>(it->second.size());
    }
    bool supprimer_fichier(const std::string& chemin) override { return fichiers_.erase(majuscules(chemin)) != 0; }
    bool lire_octets(const std::string& chemin, std::string& contenu) override {
        auto it = fichiers_.find(majuscules(chemin));
        if (it == fichiers_.end()) return false;
        contenu = it->second;
        return true;
    }
    bool lire_debut(const std::string& chemin, size_t octets, std::string& contenu) override {
        if (!lire_octets(chemin, contenu)) return false;
        if (contenu.size() > octets) contenu.resize(octets);
        return true;
    }
    void ecrire_octets(const std::string& chemin, std::string_view contenu) override {
        fichiers_[majuscules(chemin)] = std::string(contenu);
    }
    void ecrire_octets_durables(const std::string& chemin, std::string_view contenu) override {
        ecrire_octets(chemin, contenu);
    }
    bool remplacer_fichier(const std::string& source, const std::string& destination) override {
        auto it = fichiers_.find(majuscules(source));
        if (it == fichiers_.end()) return false;
        std::string contenu = std::move(it->second);
        fichiers_.erase(it);
        fichiers_[majuscules(destination)] = std::move(contenu);
        return true;
    }
    bool copier_fichier(const std::string& source, const std::string& destination, bool refuser_si_existe) override {
        std::string contenu;
        if (!lire_octets(source, contenu) || (refuser_si_existe && fichier_existe(destination))) return false;
        ecrire_octets(destination, contenu);
        return true;
    }
    bool deplacer_fichier(const std::string& source, const std::string& destination) override {
        return remplacer_fichier(source, destination);
    }
    bool creer_repertoire(const std::string& chemin) override {
        creer_repertoire_seul(chemin);
        return true;
    }
    bool lister_repertoire(const std::string&, std::vector<EntreeRepertoire>&) override { return false; }
    bool date_creation(const std::string&, double&) override { return false; }

private:
    std::map<std::string, std::string> fichiers_;
    std::set<std::string> repertoires_;
};

// Messages counted, questions answered no. Written without `override`: the interface grows
// now and then, and a method it has not got yet is merely one more.
class DialoguesMuets : public Dialogues {
public:
    void message(const std::string&) { ++messages; }
    void informer(const std::string&) { ++messages; }
    bool confirmer(const std::string&) { return false; }
    bool choisir_repertoire(std::string&) { return false; }
    bool choisir_fichier(const std::string&, const std::string&, std::string&) { return false; }
    void bip() {}
    void jouer_son(std::string_view) {}
    size_t messages = 0;
};

}  // namespace nocturo::fuzz
