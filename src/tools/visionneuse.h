// The command lines that hand a picture, its directory or an album to the outside viewer.
#pragma once
#include <string>

namespace nocturo {

// An argument in double quotes, read back whole by the rules of CommandLineToArgvW: the
// backslashes that end it are doubled, so that a drive root (C:\) does not escape its
// closing quote. Windows paths hold no double quote.
std::string argument_cite(const std::string& argument);

// The viewer on a target, or in its slideshow form on a directory.
std::string ligne_visionneuse(const std::string& visionneuse, const std::string& cible, bool diaporama);

// Only a program is started as the viewer: anything else would go through the command
// interpreter, which reads &, | and % in folder names as commands.
bool visionneuse_acceptable(const std::string& chemin);

}  // namespace nocturo
