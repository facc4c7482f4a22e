// The picture table's file form: 88-byte records, the directory index little-endian.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "catalogue/entree_image.h"

namespace nocturo {

constexpr size_t TAILLE_ENREGISTREMENT = 88;

// Entries 0 .. nombre - 1 of the table, one record each.
std::string coder_images(const std::vector<EntreeImage>& table, int32_t nombre);
// Fills the table (grown in 1000-entry steps) from the whole records of `octets`; gives
// their count. A partial record at the end is not read: the caller reports it.
int32_t decoder_images(const std::string& octets, std::vector<EntreeImage>& table);

}  // namespace nocturo
