// The small settings dialog of "/c": a text and a colour kept in Noc_turo.ini.
#pragma once
#include "forme/controles.h"
#include "plateforme/plateforme.h"

namespace nocturo {

inline const std::string FICHIER_INI = "Noc_turo.ini";

class Twinparam {
public:
    explicit Twinparam(Plateforme& plateforme);
    Plateforme& plateforme;
    Forme forme;
    GroupBox GroupBox1{forme, Genre::GroupBox, "GroupBox1"};
    Label Label1{forme, Genre::Label, "Label1", &GroupBox1};
    Edit Edit1{forme, "Edit1", &GroupBox1};
    Label Label2{forme, Genre::Label, "Label2", &GroupBox1};
    ComboBox ComboBox1{forme, "ComboBox1", &GroupBox1};
    Button Button1{forme, Genre::Button, "Button1"};
    Button Button2{forme, Genre::Button, "Button2"};

    bool fermee = false;
    // Told when the dialog closes.
    Action sur_fermeture;

    void FormCreate();
    void Button1Click();
    void Button2Click();

private:
    void fermer();
};

}  // namespace nocturo
