// What the harnesses share: a broken promise stops the run with its reason, and the input
// is cut into the files a reader expects.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

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

}  // namespace nocturo::fuzz
