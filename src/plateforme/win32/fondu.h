// A crossfade for the price of a mix a frame: the window colour with the pictures before,
// and with the pictures now, each composed once into memory of the window's size and made
// again only when what it shows changes.
//
// The memory of the two layers stays from one fade to the next: memory fresh from the
// system costs more to touch than a frame lasts. The layer of the pictures now is kept
// too: the frame that ends the fade is copied from it, and when the next fade starts from
// the same picture at the same place it becomes that fade's layer before.
#pragma once
#include <cstdint>
#include <vector>

#include "plateforme/win32/dessin_image.h"
#include "plateforme/win32/tampon_ecran.h"

namespace nocturo::win32 {

class CouchesFondu {
public:
    // Writes into `sortie` (`visible`'s size, top row first) the layer of `avant` mixed
    // with the layer of `apres`, both over `fond`, at `opacite` out of 255. False when
    // the memory ran out: nothing written then.
    bool dessiner(uint32_t* sortie, const RECT& visible, COLORREF fond, const std::vector<Vue>& avant,
                  const std::vector<Vue>& apres, int opacite);
    // Outside a fade: the picture before goes back, and `sortie` receives a copy of the
    // layer that already shows `vues` over `fond`. False when none does (nothing written):
    // the pictures the layers held go back too.
    bool recopier(uint32_t* sortie, const RECT& visible, COLORREF fond, const std::vector<Vue>& vues);
    // Everything back, memory too.
    void liberer();

private:
    struct Couche {
        TamponEcran tampon;
        std::vector<Vue> vues;
        COLORREF fond = 0;
        bool montre(const RECT& visible, COLORREF f, const std::vector<Vue>& v) const;
        // Its pixels showing `v` over `f` at `visible`'s size; null without memory.
        const uint32_t* preparer(const RECT& visible, COLORREF f, const std::vector<Vue>& v);
    };
    Couche couches_[2];
    int avant_ = 0;  // the other one is the layer of the pictures now
};

}  // namespace nocturo::win32
