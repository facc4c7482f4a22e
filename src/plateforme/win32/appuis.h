// Key releases that count: those of keys whose press the window saw. Return pressed to
// answer a message box is released over the window behind it once the box is gone, and
// must not stop the scan or the show there.
#pragma once
#include <bitset>
#include <cstdint>

#include "plateforme/win32/win32.h"

namespace nocturo::win32 {

class Appuis {
public:
    // The key released by this message when its press was seen here; 0 otherwise.
    int relachee(const MSG& m) {
        const auto touche = static_cast<uint8_t>(m.wParam);
        if (m.message == WM_KEYDOWN || m.message == WM_SYSKEYDOWN) {
            enfoncees_.set(touche);
        } else if ((m.message == WM_KEYUP || m.message == WM_SYSKEYUP) && enfoncees_.test(touche)) {
            enfoncees_.reset(touche);
            return touche;
        }
        return 0;
    }

private:
    std::bitset<256> enfoncees_;
};

}  // namespace nocturo::win32
