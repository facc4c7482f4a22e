// The monitors beside the primary one, covered in black for as long as the show runs; a
// key released on one of them counts as on the show.
#pragma once
#include <functional>
#include <vector>

#include "plateforme/ecran.h"
#include "plateforme/win32/appuis.h"
#include "plateforme/win32/win32.h"

namespace nocturo::win32 {

class EcransNoirs {
public:
    explicit EcransNoirs(std::function<void(int)> touche) : touche_(std::move(touche)) {}
    ~EcransNoirs();
    EcransNoirs(const EcransNoirs&) = delete;
    EcransNoirs& operator=(const EcransNoirs&) = delete;

    void couvrir(const std::vector<Moniteur>& moniteurs, HWND proprietaire);
    bool contient(HWND h) const;
    // Key preview for these windows; true when the message was theirs.
    bool pretraiter(const MSG& msg);

private:
    std::function<void(int)> touche_;
    std::vector<HWND> fenetres_;
    Appuis appuis_;
};

}  // namespace nocturo::win32
