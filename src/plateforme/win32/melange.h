// The mix of two pictures of the same size, pixel by pixel: a frame of a crossfade.
#pragma once
#include <cstddef>
#include <cstdint>

namespace nocturo::win32 {

// `n` 32-bit pixels of `a` and `b`, each byte `a` at 255 - `opacite` and `b` at `opacite`
// (out of 255, clamped), into `sortie`, which may be either of them: 0 gives `a` and 255
// gives `b` exactly.
void melanger(const uint32_t* a, const uint32_t* b, uint32_t* sortie, size_t n, int opacite);

}  // namespace nocturo::win32
