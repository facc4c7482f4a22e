#include "app/entree.h"

#include <limits>

namespace nocturo {

namespace {

// An unsigned decimal window handle, or 0.
uint64_t handle_de(const std::string& texte) {
    if (texte.empty() || texte.size() > 20) return 0;
    uint64_t v = 0;
    for (char c : texte) {
        if (c < '0' || c > '9') return 0;
        unsigned chiffre = static_cast<unsigned>(c - '0');
        if (v > (std::numeric_limits<uint64_t>::max() - chiffre) / 10) return 0;
        v = v * 10 + chiffre;
    }
    return v;
}

}  // namespace

Lancement analyser_ligne_commande(const std::vector<std::string>& arguments) {
    Lancement l;
    if (!arguments.empty() && arguments[0].size() >= 2) l.lettre = arguments[0].substr(1, 1);
    if (l.lettre == "s") {
        l.titre = true;
    } else if (l.lettre == "p") {
        // The desktop's settings dialog passes its little preview window after the switch,
        // as the next argument or after a colon.
        l.titre = true;
        l.mode = Mode::apercu;
        const std::string& premier = arguments[0];
        if (premier.size() > 2 && premier[2] == ':')
            l.fenetre_apercu = handle_de(premier.substr(3));
        else if (premier.size() == 2 && arguments.size() > 1)
            l.fenetre_apercu = handle_de(arguments[1]);
    } else if (l.lettre == "c") {
        l.mode = Mode::parametres;
    }
    return l;
}

}  // namespace nocturo
