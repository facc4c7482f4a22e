// The windows service: what the program asks of the view that draws its control models.
// The app opens windows on its forms and says what their events call; the view makes them,
// keeps them in step with the models and runs the messages.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "plateforme/ecran.h"

namespace nocturo {

class Forme;
class Fichiers;
class Images;

enum class GenreFenetre { plein_ecran, dialogue };

struct RappelsFenetre {
    // Runs a handler so that its errors reach the user (required).
    std::function<void(const std::function<void()>&)> executer;
    // Every key released over the window or one of its controls.
    std::function<void(int)> touche;
    // The window became active (coming from another program).
    std::function<void()> activation;
};

// A window open on a form, for as long as this value lives.
class FenetreOuverte {
public:
    virtual ~FenetreOuverte() = default;
    // Shows it, in front, with the keyboard.
    virtual void afficher() = 0;
    virtual bool visible() const = 0;
    // Closes it now; the value may outlive it.
    virtual void fermer() = 0;
};

class Fenetres {
public:
    virtual ~Fenetres() = default;
    // A window on `forme`, which must outlive it, placed at the form's bounds. Several may
    // be open at once, each on its own form; the first one open is the main one: the owner
    // of the boxes, and the one whose end ends the message loop.
    virtual std::unique_ptr<FenetreOuverte> ouvrir(Forme& forme, GenreFenetre genre, RappelsFenetre rappels,
                                                   const std::string& titre = "") = 0;
    // Black over these monitors, gone with the main window; every key released over them
    // goes to `touche`.
    virtual void couvrir(const std::vector<Moniteur>& moniteurs, std::function<void(int)> touche) = 0;
    // Runs the messages until the main window is gone; the exit code it leaves.
    virtual int boucle_messages() = 0;
    // The little preview inside the window `parent` of the desktop's settings, until that
    // window goes; at once when there is none.
    virtual int apercu(uint64_t parent, Fichiers& fichiers, Images& images) = 0;
};

}  // namespace nocturo
