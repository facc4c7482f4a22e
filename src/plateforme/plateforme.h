// The machine behind the program: every service in one object. The window glue holds it;
// the domain receives only the service it uses. The real one talks to Win32; the tests
// use a simulated one.
#pragma once
#include "plateforme/dialogues.h"
#include "plateforme/ecran.h"
#include "plateforme/fichiers.h"
#include "plateforme/horloge.h"
#include "plateforme/images.h"
#include "plateforme/systeme.h"

namespace nocturo {

class Plateforme : public Fichiers,
                   public Horloge,
                   public Dialogues,
                   public Ecran,
                   public Images,
                   public Systeme {};

}  // namespace nocturo
