// Little-endian fields of the file formats the program writes itself (WAV, BMP, the
// catalogue cache).
#pragma once
#include <cstdint>
#include <string>

namespace nocturo {

inline void ajouter_16(std::string& s, uint32_t v) {
    s += static_cast<char>(v & 0xFF);
    s += static_cast<char>((v >> 8) & 0xFF);
}

inline void ajouter_32(std::string& s, uint32_t v) {
    ajouter_16(s, v & 0xFFFF);
    ajouter_16(s, v >> 16);
}

}  // namespace nocturo
