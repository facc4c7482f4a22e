// The catalogue cache: the directory list and the picture table in two files of the data
// directory, and the marker that says they may be used.
#pragma once
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"

namespace nocturo {

class Fichiers;

constexpr size_t TAILLE_ENREGISTREMENT = 88;

// One 88-byte record per entry, the directory index little-endian.
std::string coder_images(const std::vector<EntreeImage>& images);
// The whole records of `octets`; a partial record at the end is not read: the caller
// reports it.
std::vector<EntreeImage> decoder_images(const std::string& octets);

// Writes both files and then the marker; an empty catalogue only removes the marker.
void ecrire_cache(const Catalogue& catalogue, Fichiers& fichiers);
// A cache that does not read back whole.
class CacheAbime : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads both files. A missing file is an ErreurES; a cache that does not read back whole
// (a partial record, a name longer than a record holds, a directory index outside the
// list) is a CacheAbime.
Catalogue lire_cache(Fichiers& fichiers);

}  // namespace nocturo
