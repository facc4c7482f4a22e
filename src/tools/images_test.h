// The test pictures: numbered black on white squares, for trying the show's selection and
// effects on a catalogue of pictures told apart at a glance.
#pragma once
#include <string>

#include "plateforme/images.h"

namespace nocturo {

class Fichiers;

// A 24-bit BMP file of the pixels, rows bottom up, each padded to four bytes.
std::string coder_bmp(const Pixels& p);

// Writes image_001.bmp to image_320.bmp, 200 × 200, each with its number centred in black
// Arial 48 points on white, into `repertoire` (which must exist; a file that cannot be
// written ends the run with ErreurES).
void generer_images_test(Fichiers& fichiers, Images& images, const std::string& repertoire);

}  // namespace nocturo
