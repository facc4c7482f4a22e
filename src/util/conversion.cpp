// Letter case and integer conversion, as the platform library does them.
#include <cstdint>
#include <limits>

#include "util/erreurs.h"
#include "util/texte.h"
#include "util/unicode.h"

namespace nocturo {

namespace {

int chiffre_hexa(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::string majuscules(const std::string& texte) {
    if (ascii_seul(texte)) {
        std::string r = texte;
        for (char& c : r)
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
        return r;
    }
    std::string r;
    r.reserve(texte.size());
    for (size_t i = 0; i < texte.size();) ajouter_point(r, majuscule_de(point_suivant(texte, i)));
    return r;
}

bool egal_sans_casse(const std::string& a, const std::string& b) {
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size())
        if (majuscule_de(point_suivant(a, i)) != majuscule_de(point_suivant(b, j))) return false;
    return i == a.size() && j == b.size();
}

bool essayer_str_to_int(const std::string& texte, int32_t& valeur) {
    size_t i = 0;
    while (i < texte.size() && texte[i] == ' ') ++i;
    bool negatif = false;
    if (i < texte.size() && (texte[i] == '+' || texte[i] == '-')) negatif = texte[i++] == '-';
    int base = 10;
    if (i < texte.size() && texte[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < texte.size() && texte[i] == '0' && (texte[i + 1] == 'x' || texte[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i >= texte.size()) return false;
    uint64_t v = 0;
    for (; i < texte.size(); ++i) {
        int d = base == 16 ? chiffre_hexa(texte[i]) : (texte[i] >= '0' && texte[i] <= '9' ? texte[i] - '0' : -1);
        if (d < 0) return false;
        v = v * static_cast<uint64_t>(base) + static_cast<uint64_t>(d);
        if (v > 0xFFFFFFFFull) return false;
    }
    if (base == 16) {
        // Hexadecimal covers the 32 bits: $FFFFFFFF is -1.
        int32_t h = static_cast<int32_t>(static_cast<uint32_t>(v));
        valeur = negatif ? static_cast<int32_t>(0u - static_cast<uint32_t>(h)) : h;
        return true;
    }
    if (negatif ? v > 2147483648ull : v > 2147483647ull) return false;
    valeur = negatif ? static_cast<int32_t>(-static_cast<int64_t>(v)) : static_cast<int32_t>(v);
    return true;
}

int32_t str_to_int(const std::string& texte) {
    int32_t v = 0;
    if (!essayer_str_to_int(texte, v))
        throw ErreurConversion("'" + texte + "' n'est pas une valeur entière correcte");
    return v;
}

}  // namespace nocturo
