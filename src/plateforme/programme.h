// The program itself, as the system's entry point runs it once the machine is ready: the
// app defines it, the platform's start-up calls it and knows nothing more of the app.
#pragma once
#include <string>
#include <vector>

#include "plateforme/fenetres.h"
#include "plateforme/plateforme.h"

namespace nocturo {

// Runs the mode `arguments` (without the program's own name) asks for, on the machine `p`
// and its windows; the exit code it leaves.
int programme(const std::vector<std::string>& arguments, Plateforme& p, Fenetres& fenetres);

}  // namespace nocturo
