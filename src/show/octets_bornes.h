// A view of a file's bytes where every read past the end fails instead of reading it. A view
// has two ends: the one its container gives it (a segment's length), past which nothing is
// believed, and the end of the bytes actually read. A read that fails at the second one notes
// how far into the file it wanted to go: the reader of a file's start learns whether more of
// the file would have told it more.
#pragma once
#include <algorithm>
#include <cstdint>
#include <limits>
#include <string_view>

namespace nocturo {

class Octets {
public:
    static constexpr uint64_t SANS_FIN = std::numeric_limits<uint64_t>::max();

    // Bytes read from `base` in a file (its start, as a rule); `voulu`, when given, receives
    // the furthest position wanted.
    explicit Octets(std::string_view lus, bool gros_boutien = true, uint64_t* voulu = nullptr, uint64_t base = 0)
        : o_(lus), logique_(SANS_FIN - base), base_(base), gros_(gros_boutien), voulu_(voulu) {}

    uint64_t taille() const { return logique_; }  // as the container says; SANS_FIN: unknown
    size_t disponibles() const { return o_.size(); }
    bool gros_boutien() const { return gros_; }
    uint64_t position_dans_le_fichier() const { return base_; }

    // The same bytes read in the other order.
    Octets dans_l_ordre(bool gros_boutien) const {
        Octets r = *this;
        r.gros_ = gros_boutien;
        return r;
    }

    // The part [debut, debut + longueur), cut at this view's end; longueur SANS_FIN: to the end.
    Octets partie(uint64_t debut, uint64_t longueur = SANS_FIN) const {
        Octets r = *this;
        if (debut >= logique_) {
            r.base_ = base_ + logique_;  // base_ + logique_ never passes SANS_FIN
            r.o_ = {};
            r.logique_ = 0;
            return r;
        }
        r.base_ = base_ + debut;
        r.logique_ = std::min(longueur, logique_ - debut);
        r.o_ = debut < o_.size() ? o_.substr(static_cast<size_t>(debut)) : std::string_view{};
        if (r.o_.size() > r.logique_) r.o_ = r.o_.substr(0, static_cast<size_t>(r.logique_));
        return r;
    }

    // `n` bytes at `p`, whole, or nothing.
    bool lire(uint64_t p, uint64_t n, std::string_view& v) const {
        if (p > logique_ || n > logique_ - p) return false;
        if (p > o_.size() || n > o_.size() - p) {
            if (voulu_ && base_ + p + n > *voulu_) *voulu_ = base_ + p + n;
            return false;
        }
        v = o_.substr(static_cast<size_t>(p), static_cast<size_t>(n));
        return true;
    }
    bool u8(uint64_t p, uint8_t& v) const {
        std::string_view s;
        if (!lire(p, 1, s)) return false;
        v = static_cast<uint8_t>(s[0]);
        return true;
    }
    bool u16(uint64_t p, uint16_t& v) const {
        uint32_t w;
        if (!entier(p, 2, w)) return false;
        v = static_cast<uint16_t>(w);
        return true;
    }
    bool u24(uint64_t p, uint32_t& v) const { return entier(p, 3, v); }
    bool u32(uint64_t p, uint32_t& v) const { return entier(p, 4, v); }
    bool u64(uint64_t p, uint64_t& v) const {
        uint32_t a, b;
        if (!u32(p, a) || !u32(p + 4, b)) return false;
        v = gros_ ? (uint64_t{a} << 32 | b) : (uint64_t{b} << 32 | a);
        return true;
    }
    // Bytes that must read `attendu` at `p`.
    bool egal(uint64_t p, std::string_view attendu) const {
        std::string_view s;
        return lire(p, attendu.size(), s) && s == attendu;
    }

private:
    bool entier(uint64_t p, int n, uint32_t& v) const {
        std::string_view s;
        if (!lire(p, static_cast<uint64_t>(n), s)) return false;
        v = 0;
        for (int i = 0; i < n; ++i) {
            const uint32_t octet = static_cast<uint8_t>(s[static_cast<size_t>(gros_ ? i : n - 1 - i)]);
            v = v << 8 | octet;
        }
        return true;
    }

    std::string_view o_;   // the bytes read, never past logique_
    uint64_t logique_;     // the view's length as its container gives it
    uint64_t base_ = 0;    // where the view starts in the file
    bool gros_;
    uint64_t* voulu_;
};

}  // namespace nocturo
