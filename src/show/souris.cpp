#include "show/souris.h"

#include <cstdlib>

namespace nocturo {

double vitesse_souris(int x, int x_prec, double jours, double jours_prec) {
    const double dx = std::abs(x - x_prec);
    double dt = jours - jours_prec;
    if (dt == 0) dt = 10000;
    return dx / dt / 1000000;
}

}  // namespace nocturo
