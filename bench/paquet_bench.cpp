// The deck of fresh draws over a million pictures: its memory and the time to make it
// again from its seed. Prints figures; asserts nothing.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "show/paquet.h"

int main() {
    std::vector<double> ms;
    size_t octets = 0;
    for (int essai = 0; essai < 9; ++essai) {
        const auto debut = std::chrono::steady_clock::now();
        const std::vector<int32_t> p = nocturo::permutation(0x1234567ull + static_cast<uint64_t>(essai), 1'000'000);
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut).count());
        octets = p.size() * sizeof p[0];
    }
    std::sort(ms.begin(), ms.end());
    std::printf("deck of 1,000,000 positions: %.1f ms to make from its seed (median of 9), %.1f MB\n", ms[4],
                static_cast<double>(octets) / 1e6);
}
