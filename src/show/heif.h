// The few boxes of a HEIF or AVIF file (ISO base media file format) that the program reads
// itself: the primary picture's size, its turn and mirror, where its EXIF lies. Bounded
// like every reader of outside bytes: each count is checked against the bytes that hold it.
#pragma once
#include <cstdint>
#include <functional>
#include <optional>

#include "plateforme/images.h"
#include "show/octets_bornes.h"

namespace nocturo {

// Bytes in the file: where they start, how many.
struct Etendue {
    uint64_t position = 0;
    uint64_t longueur = 0;
    bool operator==(const Etendue&) const = default;
};

// Reads `n` bytes at `position` whole, or fails.
using LireExact = std::function<bool(uint64_t position, size_t n, uint8_t* destination)>;

// The content of the file's top-level 'meta' box, after its version and flags; none when the
// file is no ISO box structure or has no such box among its first boxes.
std::optional<Etendue> boite_meta(const LireExact& lire);
// The same over the bytes read from the file's start.
std::optional<Etendue> boite_meta(const Octets& fichier);

struct MetaHeif {
    std::optional<Taille> taille;  // the primary picture's size (its 'ispe'), before any turn
    int orientation = 0;           // its 'irot' and 'imir' as an EXIF value; 0 without either
    std::optional<Etendue> exif;   // its Exif item in the file: a 4-byte offset, then a TIFF block
};

// Reads the content of a 'meta' box, placed in the file where `meta` says.
MetaHeif lire_meta_heif(const Octets& meta);

// The EXIF value (1 to 8) that does what `premiere` does, then `seconde`; a value out of
// range stands for 1.
int orientation_composee(int premiere, int seconde);

}  // namespace nocturo
