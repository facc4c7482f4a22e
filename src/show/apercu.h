// The pictures of the little preview in the desktop's screen-saver settings: drawn at random
// from the catalogue the last show left in its cache, each decoded at the preview's size.
// The preview only reads: the cache, the history and the deck stay as they are.
#pragma once
#include <cstdint>
#include <memory>
#include <optional>

#include "catalogue/catalogue.h"
#include "plateforme/fichiers.h"
#include "plateforme/images.h"
#include "show/image_prete.h"
#include "show/selection.h"

namespace nocturo {

// The cache's catalogue when its marker says it may be trusted; empty when a file of it is
// missing or it does not read back whole.
Catalogue catalogue_apercu(Fichiers& fichiers);

// Pictures tried for one showing: a catalogue of missing or broken files costs a few
// failed opens every few seconds, never a busy loop.
constexpr int ESSAIS_APERCU = 8;

struct ImageApercu {
    int32_t indice = -1;  // in the catalogue
    std::shared_ptr<const ImagePrete> image;
};

class SequenceApercu {
public:
    SequenceApercu(Catalogue catalogue, Hasard hasard);

    bool vide() const { return catalogue_.vide(); }
    // The next picture that loads, upright, fitted inside `cadre` and never above its own
    // size; never the one given just before while there is another. None when
    // ESSAIS_APERCU pictures in a row do not load.
    std::optional<ImageApercu> suivante(Taille cadre, Fichiers& fichiers, Images& images);

private:
    int32_t tirer();

    Catalogue catalogue_;
    Hasard hasard_;
    int32_t derniere_ = -1;
};

}  // namespace nocturo
