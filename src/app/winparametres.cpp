#include "app/winparametres.h"

namespace nocturo {

namespace {
const std::string SECTION = "Parametres";
}

Twinparam::Twinparam(Plateforme& p) : plateforme(p) {
    forme.nom = "winparam";
    forme.legende = "Paramètres";
    forme.bornes = {552, 265, 381, 155};
    GroupBox1.definir_bornes(8, 8, 273, 105);
    GroupBox1.definir_legende("Options");
    Label1.definir_bornes(16, 28, 35, 13);
    Label1.definir_legende("Texte :");
    Edit1.definir_bornes(72, 24, 185, 21);
    Edit1.definir_texte("Brumoline");
    Label2.definir_bornes(16, 64, 46, 13);
    Label2.definir_legende("Couleur :");
    ComboBox1.definir_bornes(72, 60, 185, 21);
    ComboBox1.elements = {"Blanc", "Bleu", "Jaune", "Noir", "Rouge", "Vert"};
    ComboBox1.definir_texte("Rouge");
    Button1.definir_bornes(292, 16, 75, 25);
    Button1.definir_legende("OK");
    Button2.definir_bornes(292, 48, 75, 25);
    Button2.definir_legende("Annuler");
    Button1.sur_clic = [this] { Button1Click(); };
    Button2.sur_clic = [this] { Button2Click(); };
}

void Twinparam::FormCreate() {
    Plateforme& p = plateforme;
    Edit1.definir_texte(p.profil_lire(FICHIER_INI, SECTION, "Texte", "Tobrel je vais t'hypnotiser !"));
    ComboBox1.definir_texte(p.profil_lire(FICHIER_INI, SECTION, "Couleur", "Rouge"));
}

void Twinparam::Button1Click() {
    Plateforme& p = plateforme;
    p.profil_ecrire(FICHIER_INI, SECTION, "Texte", Edit1.texte());
    p.profil_ecrire(FICHIER_INI, SECTION, "Couleur", ComboBox1.texte());
    fermer();
}

void Twinparam::Button2Click() { fermer(); }

void Twinparam::fermer() {
    fermee = true;
    if (sur_fermeture) sur_fermeture();
}

}  // namespace nocturo
