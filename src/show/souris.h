// The mouse watch's rule: a fast sideways movement ends the screen saver.
#pragma once

namespace nocturo {

// Pixels per millionth of a day (86.4 ms) between two readings, sideways only; two
// readings in the same instant count as far apart, never as a division by zero.
double vitesse_souris(int x, int x_prec, double jours, double jours_prec);

}  // namespace nocturo
