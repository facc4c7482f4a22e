// Letter case and integer conversion, as the platform library does them.
#include <cstdint>
#include <limits>

#include "util/erreurs.h"
#include "util/texte.h"

namespace nocturo {

namespace {

// Windows-1252 upper case: ASCII, the accented letters and the few letters of 0x80-0x9F.
unsigned char majuscule(unsigned char c) {
    if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 32);
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 32);
    switch (c) {
        case 0x9A: return 0x8A;  // š
        case 0x9C: return 0x8C;  // œ
        case 0x9E: return 0x8E;  // ž
        case 0xFF: return 0x9F;  // ÿ
        default: return c;
    }
}

int chiffre_hexa(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::string majuscules(const std::string& texte) {
    std::string r = texte;
    for (char& c : r) c = static_cast<char>(majuscule(static_cast<unsigned char>(c)));
    return r;
}

bool egal_sans_casse(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (majuscule(static_cast<unsigned char>(a[i])) != majuscule(static_cast<unsigned char>(b[i])))
            return false;
    return true;
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
