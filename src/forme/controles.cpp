#include "forme/controles.h"

#include <algorithm>

#include "util/texte.h"

namespace nocturo {

Controle::Controle(Forme& forme, Genre genre, std::string nom, Controle* parent)
    : forme_(forme), genre_(genre), nom_(std::move(nom)), parent_(parent) {
    forme_.enregistrer(this);
}

void Controle::modifie() {
    ++version_;
    if (forme_.sur_modification) forme_.sur_modification(this);
}

void Controle::definir_bornes(int g, int h, int l, int ha) {
    ++poses_;
    if (g == bornes_.gauche && h == bornes_.haut && l == bornes_.largeur && ha == bornes_.hauteur &&
        !amarrable_)
        return;
    bornes_ = {g, h, l, ha};
    modifie();
}

void Controle::definir_visible(bool v) {
    if (v == visible_) return;
    visible_ = v;
    modifie();
}

bool Controle::montre() const {
    for (const Controle* c = this; c; c = c->parent())
        if (!c->visible()) return false;
    return true;
}

void Controle::definir_legende(const std::string& l) {
    if (l == legende_) return;
    legende_ = l;
    modifie();
}

void Controle::definir_indice(const std::string& i) {
    indice_ = i;
    modifie();
}

void Controle::definir_couleur(Couleur c) {
    if (c == couleur_) return;
    couleur_ = c;
    modifie();
}

void Controle::definir_police(const Police& p) {
    police_ = p;
    modifie();
}

void Controle::cliquer() {
    if (sur_clic) sur_clic();
}

void Controle::repeindre() {
    if (forme_.sur_repeindre) forme_.sur_repeindre(this);
}

void Edit::definir_texte(const std::string& t) {
    if (t == texte_) return;
    texte_ = t;
    modifie();
    if (sur_changement) sur_changement();
}

void Edit::donner_focus() {
    if (sur_entree) sur_entree();
}

ComboBox::ComboBox(Forme& f, std::string nom, Controle* parent) : Edit(f, std::move(nom), parent) {}

void CheckBox::definir_coche(bool c) {
    if (c == coche_) return;
    coche_ = c;
    modifie();
    if (sur_clic) sur_clic();
}

void RadioGroup::definir_elements(std::vector<std::string> e) {
    elements_ = std::move(e);
    indice_ = std::clamp(indice_, -1, static_cast<int>(elements_.size()) - 1);
    modifie();
}

void RadioGroup::definir_indice_element(int i) {
    i = std::clamp(i, -1, static_cast<int>(elements_.size()) - 1);
    if (i == indice_) return;
    indice_ = i;
    modifie();
    if (sur_clic) sur_clic();
}

void ListBox::vider() {
    elements_.clear();
    indice_ = -1;
    modifie();
}

void ListBox::ajouter(const std::string& ligne) {
    elements_.push_back(ligne);
    modifie();
}

void ListBox::supprimer(int i) {
    elements_.erase(elements_.begin() + i);
    if (indice_ >= nombre()) indice_ = nombre() - 1;
    modifie();
}

void ListBox::definir_elements(std::vector<std::string> lignes) {
    elements_ = std::move(lignes);
    indice_ = -1;
    modifie();
}

void ListBox::remplacer(int i, const std::string& ligne) {
    elements_.at(static_cast<size_t>(i)) = ligne;
    modifie();
}

int ListBox::chercher(const std::string& texte) const {
    for (int i = 0; i < nombre(); ++i)
        if (egal_sans_casse(elements_[static_cast<size_t>(i)], texte)) return i;
    return -1;
}

void ListBox::definir_indice_element(int i) {
    if (i < -1 || i >= nombre()) i = -1;
    if (i == indice_) return;
    indice_ = i;
    modifie();
}

void CheckListBox::definir_coche(int i, bool c) {
    if (coches_.at(static_cast<size_t>(i)) == c) return;
    coches_[static_cast<size_t>(i)] = c;
    modifie();
}

void CheckListBox::vider() {
    coches_.clear();
    ListBox::vider();
}

void CheckListBox::ajouter(const std::string& ligne) {
    coches_.push_back(false);
    ListBox::ajouter(ligne);
}

void CheckListBox::supprimer(int i) {
    coches_.erase(coches_.begin() + i);
    ListBox::supprimer(i);
}

void CheckListBox::definir_elements(std::vector<std::string> lignes) {
    coches_.assign(lignes.size(), false);
    ListBox::definir_elements(std::move(lignes));
}

void Image::definir_image(std::shared_ptr<const ImagePrete> image) {
    image_ = std::move(image);
    modifie();
}

void Image::definir_fondu(std::optional<Fondu> f) {
    if (!f && !fondu_) return;
    fondu_ = std::move(f);
    modifie();
}

void Timer::definir_intervalle(int ms) {
    if (ms == intervalle_) return;
    intervalle_ = ms;
    modifie();
}

void Timer::definir_actif(bool a) {
    if (a == actif_) return;
    actif_ = a;
    modifie();
}

Controle* Forme::trouver(const std::string& nom) const {
    for (Controle* c : controles_)
        if (c->nom() == nom) return c;
    return nullptr;
}

}  // namespace nocturo
