// Dialogs and sound: the modal boxes the user answers, the directory chooser, the beeps.
#pragma once
#include <string>
#include <string_view>

namespace nocturo {

class Dialogues {
public:
    virtual ~Dialogues() = default;
    virtual void message(const std::string& texte) = 0;
    // Caption "Confirmation", buttons "&Oui" and "&Non"; true for "&Oui" only.
    virtual bool confirmer(const std::string& texte) = 0;
    // A box with the single button "&Oui", for what the user only acknowledges.
    virtual void informer(const std::string& texte) = 0;
    // Lets the user pick or create a directory; false when cancelled.
    virtual bool choisir_repertoire(std::string& chemin) = 0;
    // The file-open dialog, with its title and its filter ("text|pattern|text|pattern");
    // false when cancelled.
    virtual bool choisir_fichier(const std::string& titre, const std::string& filtre, std::string& chemin) = 0;
    virtual void bip() = 0;
    virtual void jouer_son(std::string_view image_wav) = 0;  // returns when played
};

}  // namespace nocturo
