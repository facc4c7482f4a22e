// Picture files for the simulated machine: JPEG framing (with an orientation tag when
// asked) around the text that its decoder reads.
#pragma once
#include <cstdint>
#include <cstdio>
#include <string>

namespace nocturo::test {

inline std::string jpeg_simule(int largeur, int hauteur, int orientation = 0, uint32_t couleur = 0x336699) {
    std::string j = "\xFF\xD8";
    if (orientation) {
        // APP1 "Exif", little-endian TIFF, one entry: tag 274, SHORT, count 1.
        const std::string tiff = std::string("II*\0\x08\0\0\0", 8) + std::string("\x01\0", 2) +
                                 std::string("\x12\x01\x03\0\x01\0\0\0", 8) +
                                 std::string(1, static_cast<char>(orientation)) + std::string("\0\0\0\0\0\0\0", 7);
        const std::string donnees = std::string("Exif\0\0", 6) + tiff;
        const size_t longueur = donnees.size() + 2;
        j += "\xFF\xE1";
        j += static_cast<char>(longueur >> 8);
        j += static_cast<char>(longueur & 0xFF);
        j += donnees;
    }
    char texte[64];
    std::snprintf(texte, sizeof texte, "SIM:%dx%d:%06x", largeur, hauteur, couleur & 0xFFFFFF);
    const std::string commentaire = texte;
    const size_t longueur = commentaire.size() + 2;
    j += "\xFF\xFE";
    j += static_cast<char>(longueur >> 8);
    j += static_cast<char>(longueur & 0xFF);
    j += commentaire;
    j += "\xFF\xD9";
    return j;
}

}  // namespace nocturo::test
