#include "plateforme/win32/melange.h"

#include <algorithm>

namespace nocturo::win32 {

void melanger(const uint32_t* a, const uint32_t* b, uint32_t* sortie, size_t n, int opacite) {
    // Weights out of 256 so that a shift divides: every sum fits 16 bits, which the
    // compiler turns into 16-bit lanes, eight bytes a multiply.
    const int o = std::clamp(opacite, 0, 255);
    const uint16_t pb = static_cast<uint16_t>(o + (o >> 7)), pa = static_cast<uint16_t>(256 - pb);
    const auto* x = reinterpret_cast<const uint8_t*>(a);
    const auto* y = reinterpret_cast<const uint8_t*>(b);
    auto* s = reinterpret_cast<uint8_t*>(sortie);
    for (size_t i = 0; i < 4 * n; ++i)
        s[i] = static_cast<uint8_t>(static_cast<uint16_t>(x[i] * pa + y[i] * pb) >> 8);
}

}  // namespace nocturo::win32
