// UTF-8, UTF-16 and Windows-1252, by hand: the same results on every machine, whatever its
// code pages, and tested natively.
#include "util/unicode.h"

namespace nocturo {

namespace {

// Windows-1252 from 0x80 to 0x9F. The five bytes it leaves undefined map to the control
// characters of the same number, as the system's own conversion does.
constexpr char16_t DE_1252[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char32_t point_1252(unsigned char c) { return c >= 0x80 && c < 0xA0 ? DE_1252[c - 0x80] : c; }

int octet_1252(char32_t p) {
    if (p < 0x80 || (p >= 0xA0 && p <= 0xFF)) return static_cast<int>(p);
    for (int i = 0; i < 32; ++i)
        if (DE_1252[i] == p) return 0x80 + i;
    return -1;
}

bool suite(unsigned char c) { return (c & 0xC0) == 0x80; }

// Length of the well-formed sequence at `i`, 0 when the byte there starts none.
size_t sequence(std::string_view t, size_t i) {
    const auto c = static_cast<unsigned char>(t[i]);
    const size_t reste = t.size() - i;
    const auto o = [&](size_t k) { return static_cast<unsigned char>(t[i + k]); };
    if (c < 0x80) return 1;
    if (c >= 0xC2 && c <= 0xDF) return reste >= 2 && suite(o(1)) ? 2 : 0;
    if (c >= 0xE0 && c <= 0xEF) {
        if (reste < 3 || !suite(o(1)) || !suite(o(2))) return 0;
        return c == 0xE0 && o(1) < 0xA0 ? 0 : 3;  // overlong
    }
    if (c >= 0xF0 && c <= 0xF4) {
        if (reste < 4 || !suite(o(1)) || !suite(o(2)) || !suite(o(3))) return 0;
        if ((c == 0xF0 && o(1) < 0x90) || (c == 0xF4 && o(1) >= 0x90)) return 0;  // overlong, past U+10FFFF
        return 4;
    }
    return 0;
}

// Pairs of capital and small letters next to each other, the capital on `pair` codes.
char32_t paire(char32_t p, char32_t debut, char32_t fin, bool capitale_paire) {
    if (p < debut || p > fin) return 0;
    const bool petite = ((p & 1) != 0) == capitale_paire;
    return petite ? p - 1 : p;
}

}  // namespace

char32_t point_suivant(std::string_view texte, size_t& i) {
    const size_t n = sequence(texte, i);
    const auto o = [&](size_t k) { return static_cast<char32_t>(static_cast<unsigned char>(texte[i + k])); };
    char32_t p;
    switch (n) {
        case 1: p = o(0); break;
        case 2: p = (o(0) & 0x1F) << 6 | (o(1) & 0x3F); break;
        case 3: p = (o(0) & 0x0F) << 12 | (o(1) & 0x3F) << 6 | (o(2) & 0x3F); break;
        case 4: p = (o(0) & 0x07) << 18 | (o(1) & 0x3F) << 12 | (o(2) & 0x3F) << 6 | (o(3) & 0x3F); break;
        default:
            p = point_1252(static_cast<unsigned char>(texte[i]));
            ++i;
            return p;
    }
    i += n;
    return p;
}

void ajouter_point(std::string& t, char32_t p) {
    if (p < 0x80) {
        t += static_cast<char>(p);
    } else if (p < 0x800) {
        t += static_cast<char>(0xC0 | p >> 6);
        t += static_cast<char>(0x80 | (p & 0x3F));
    } else if (p < 0x10000) {
        t += static_cast<char>(0xE0 | p >> 12);
        t += static_cast<char>(0x80 | (p >> 6 & 0x3F));
        t += static_cast<char>(0x80 | (p & 0x3F));
    } else {
        t += static_cast<char>(0xF0 | p >> 18);
        t += static_cast<char>(0x80 | (p >> 12 & 0x3F));
        t += static_cast<char>(0x80 | (p >> 6 & 0x3F));
        t += static_cast<char>(0x80 | (p & 0x3F));
    }
}

std::string utf8_de_utf16(std::u16string_view texte) {
    std::string r;
    r.reserve(texte.size());
    for (size_t i = 0; i < texte.size(); ++i) {
        char32_t p = texte[i];
        if (p >= 0xD800 && p < 0xDC00 && i + 1 < texte.size() && texte[i + 1] >= 0xDC00 && texte[i + 1] < 0xE000)
            p = 0x10000 + ((p - 0xD800) << 10) + (texte[++i] - 0xDC00);
        ajouter_point(r, p);
    }
    return r;
}

std::u16string utf16_de_utf8(std::string_view texte) {
    std::u16string r;
    r.reserve(texte.size());
    for (size_t i = 0; i < texte.size();) {
        const char32_t p = point_suivant(texte, i);
        if (p >= 0x10000) {
            r += static_cast<char16_t>(0xD800 + ((p - 0x10000) >> 10));
            r += static_cast<char16_t>(0xDC00 + ((p - 0x10000) & 0x3FF));
        } else {
            r += static_cast<char16_t>(p);
        }
    }
    return r;
}

std::string utf8_de_1252(std::string_view texte) {
    if (ascii_seul(texte)) return std::string(texte);
    std::string r;
    r.reserve(texte.size() + texte.size() / 2);
    for (const char c : texte) ajouter_point(r, point_1252(static_cast<unsigned char>(c)));
    return r;
}

bool vers_1252(std::string_view texte, std::string& sortie) {
    sortie.clear();
    sortie.reserve(texte.size());
    for (size_t i = 0; i < texte.size();) {
        const int c = octet_1252(point_suivant(texte, i));
        if (c < 0) return false;
        sortie += static_cast<char>(c);
    }
    return true;
}

bool point_en_1252(char32_t point) { return octet_1252(point) >= 0; }

bool tient_en_1252(std::string_view texte) {
    for (size_t i = 0; i < texte.size();)
        if (octet_1252(point_suivant(texte, i)) < 0) return false;
    return true;
}

bool utf8_valide(std::string_view texte) {
    for (size_t i = 0; i < texte.size();) {
        const size_t n = sequence(texte, i);
        if (n == 0) return false;
        i += n;
    }
    return true;
}

bool ascii_seul(std::string_view texte) {
    for (const char c : texte)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

std::u32string points_de(std::string_view texte) {
    std::u32string r;
    r.reserve(texte.size());
    for (size_t i = 0; i < texte.size();) r += point_suivant(texte, i);
    return r;
}

std::string utf8_de_points(std::u32string_view points) {
    std::string r;
    r.reserve(points.size());
    for (const char32_t p : points) ajouter_point(r, p);
    return r;
}

size_t nombre_de_points(std::string_view texte) {
    size_t n = 0;
    for (size_t i = 0; i < texte.size(); ++n) point_suivant(texte, i);
    return n;
}

char32_t majuscule_de(char32_t p) {
    if (p < 0x80) return p >= 'a' && p <= 'z' ? p - 32 : p;
    if (p < 0x100) {
        if (p >= 0xE0 && p <= 0xFE && p != 0xF7) return p - 32;
        return p == 0xFF ? 0x178 : p;
    }
    if (p < 0x180) {
        if (p == 0x131 || p == 0x138 || p == 0x149 || p == 0x17F) return p;
        if (char32_t c = paire(p, 0x100, 0x137, true)) return c;
        if (char32_t c = paire(p, 0x139, 0x148, false)) return c;
        if (char32_t c = paire(p, 0x14A, 0x177, true)) return c;
        if (char32_t c = paire(p, 0x179, 0x17E, false)) return c;
        return p;
    }
    if (p >= 0x3B1 && p <= 0x3CB) return p == 0x3C2 ? 0x3A3 : p - 32;  // Greek, the final sigma
    if (p == 0x3AC) return 0x386;
    if (p >= 0x3AD && p <= 0x3AF) return p - 37;
    if (p == 0x3CC) return 0x38C;
    if (p == 0x3CD || p == 0x3CE) return p - 63;
    if (p >= 0x430 && p <= 0x44F) return p - 32;  // Cyrillic
    if (p >= 0x450 && p <= 0x45F) return p - 80;
    if (char32_t c = paire(p, 0x460, 0x481, true)) return c;
    if (char32_t c = paire(p, 0x48A, 0x4BF, true)) return c;
    if (char32_t c = paire(p, 0x4C1, 0x4CE, false)) return c;
    if (p == 0x4CF) return 0x4C0;
    if (char32_t c = paire(p, 0x4D0, 0x52F, true)) return c;
    if (p >= 0x561 && p <= 0x586) return p - 48;  // Armenian
    if (char32_t c = paire(p, 0x1E00, 0x1E95, true)) return c;  // Vietnamese and the rest
    if (char32_t c = paire(p, 0x1EA0, 0x1EFF, true)) return c;
    if (p >= 0xFF41 && p <= 0xFF5A) return p - 32;  // full width
    return p;
}

}  // namespace nocturo
