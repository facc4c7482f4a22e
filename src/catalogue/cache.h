// The catalogue cache: the directory list and the picture table in two files of the data
// directory, and the marker that says they may be used.
//
// The picture table is written in the form below; the form of earlier versions (88-byte
// records, names of at most 80 Windows-1252 characters, no header) is still read.
//   bytes 0-7   "NOCT" 0xFF "IMG": an earlier version takes the 0xFF for a name longer
//               than its record and rebuilds its catalogue instead of misreading this one
//   bytes 8-11  the form's version, 2, little-endian
//   bytes 12-15 the number of pictures, little-endian
//   then a record a picture: its directory's line (32 bits), its name's length in bytes
//   (16 bits), the name in UTF-8, whole.
#pragma once
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/catalogue.h"

namespace nocturo {

class Fichiers;

// The earlier form's record.
constexpr size_t TAILLE_ENREGISTREMENT = 88;
constexpr size_t LONGUEUR_NOM_ANCIENNE = 80;
// The longest name the system allows (255 UTF-16 units) takes at most this in UTF-8.
constexpr size_t OCTETS_NOM_MAX = 765;

// The picture table of `c` in the current form.
std::string coder_table(const Catalogue& c);

// A cache that does not read back whole.
class CacheAbime : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The catalogue of a directory list and a picture table in either form; CacheAbime when
// the table is cut, holds more than its count, or a record does not hold together (a name
// too long, a directory line outside the list).
Catalogue decoder_cache(std::vector<std::string> repertoires, std::string_view table);

// Writes both files and then the marker; an empty catalogue only removes the marker.
void ecrire_cache(const Catalogue& catalogue, Fichiers& fichiers);
// Reads both files. A missing file is an ErreurES, a damaged cache a CacheAbime.
Catalogue lire_cache(Fichiers& fichiers);

}  // namespace nocturo
