#include "sim/plateforme_simulee.h"

#include <algorithm>
#include <cstdio>

#include "show/orientation.h"
#include "util/erreurs.h"
#include "util/fichiers.h"
#include "util/texte.h"

namespace nocturo::test {

namespace {
// 2026-12-09 00:00 as days since 1899-12-30.
constexpr double JOUR_DEPART = 46365.0;
}  // namespace

PlateformeSimulee::PlateformeSimulee() {
    Noeud racine;
    racine.nom = "C:";
    racine.repertoire = true;
    noeuds_["C:"] = racine;
}

std::string PlateformeSimulee::cle(const std::string& chemin) {
    std::string c = majuscules(chemin);
    while (c.size() > 2 && c.back() == '\\') c.pop_back();
    return c;
}

std::string PlateformeSimulee::parent_de(const std::string& k) {
    size_t p = k.rfind('\\');
    return p == std::string::npos ? std::string() : k.substr(0, p);
}

PlateformeSimulee::Noeud* PlateformeSimulee::trouver(const std::string& chemin) {
    auto it = noeuds_.find(cle(chemin));
    return it == noeuds_.end() ? nullptr : &it->second;
}

PlateformeSimulee::Noeud* PlateformeSimulee::ajouter(const std::string& chemin, bool repertoire) {
    std::string k = cle(chemin);
    if (Noeud* n = trouver(k)) return n->repertoire == repertoire ? n : nullptr;
    Noeud* parent = trouver(parent_de(k));
    if (!parent && parent_de(k).size() == 2 && parent_de(k)[1] == ':') {
        // Another drive, made on first use.
        Noeud& lecteur = noeuds_[parent_de(k)];
        lecteur.nom = parent_de(k);
        lecteur.repertoire = true;
        parent = &lecteur;
    }
    if (!parent || !parent->repertoire) return nullptr;
    parent->enfants.push_back(k);
    Noeud& n = noeuds_[k];
    std::string propre = chemin;
    while (propre.size() > 2 && propre.back() == '\\') propre.pop_back();
    n.nom = propre.substr(propre.rfind('\\') + 1);
    n.repertoire = repertoire;
    n.creation = maintenant();
    return &n;
}

void PlateformeSimulee::creer_repertoire_complet(const std::string& chemin) {
    std::lock_guard<std::recursive_mutex> verrou(verrou_);
    std::string k = cle(chemin);
    std::string partiel;
    size_t debut = 0;
    while (true) {
        size_t p = k.find('\\', debut);
        std::string morceau = chemin.substr(0, p == std::string::npos ? chemin.size() : p);
        if (morceau.size() > 2) ajouter(morceau, true);
        if (p == std::string::npos) break;
        debut = p + 1;
    }
}

void PlateformeSimulee::creer_fichier(const std::string& chemin, const std::string& contenu) {
    std::lock_guard<std::recursive_mutex> verrou(verrou_);
    creer_repertoire_complet(chemin.substr(0, chemin.rfind('\\')));
    Noeud* n = ajouter(chemin, false);
    if (n) n->contenu = contenu;
}

void PlateformeSimulee::creer_texte(const std::string& chemin, const std::string& texte) {
    creer_fichier(chemin, octets_de_texte(texte));
}

std::string PlateformeSimulee::texte(const std::string& chemin) const { return texte_de_fichier(contenu(chemin)); }

std::string PlateformeSimulee::contenu(const std::string& chemin) const {
    std::lock_guard<std::recursive_mutex> verrou(verrou_);
    auto it = noeuds_.find(cle(chemin));
    return it == noeuds_.end() ? std::string() : it->second.contenu;
}

void PlateformeSimulee::creer_lien(const std::string& chemin, const std::string& cible, uint32_t etiquette) {
    std::lock_guard<std::recursive_mutex> verrou(verrou_);
    Noeud* n = ajouter(chemin, true);
    if (!n) return;
    n->cible = cle(cible);
    n->etiquette = etiquette;
    n->lien = true;
}

void PlateformeSimulee::creer_repertoire_nuage(const std::string& chemin) {
    std::lock_guard<std::recursive_mutex> verrou(verrou_);
    creer_repertoire_complet(chemin);
    trouver(chemin)->etiquette = ETIQUETTE_NUAGE;
}

void PlateformeSimulee::interdire_listage(const std::string& repertoire) {
    std::lock_guard<std::recursive_mutex> verrou(verrou_);
    if (Noeud* n = trouver(repertoire)) n->listable = false;
}

void PlateformeSimulee::echouer_ecriture(const std::string& chemin, size_t octets) {
    std::lock_guard<std::recursive_mutex> verrou(verrou_);
    echecs_ecriture_[cle(chemin)] = octets;
}

void PlateformeSimulee::touche_a(double t, int touche) { evenements_.push_back({t, Sorte::touche, touche, {}, {}}); }

void PlateformeSimulee::souris_a(double t, int x, int y) { evenements_.push_back({t, Sorte::souris, 0, {x, y}, {}}); }

void PlateformeSimulee::activation_a(double t) { evenements_.push_back({t, Sorte::activation, 0, {}, {}}); }

void PlateformeSimulee::action_a(double t, std::function<void()> action) {
    evenements_.push_back({t, Sorte::action, 0, {}, std::move(action)});
}

bool PlateformeSimulee::fichier_existe(const std::string& chemin) {
    std::lock_guard<std::recursive_mutex> verrou(verrou_);
    Noeud* n = trouver(chemin);
    return n && !n->repertoire;
}

bool PlateformeSimulee::repertoire_existe(const std::string& chemin) {
    std::lock_guard<std::recursive_mutex> verrou(verrou_);
    Noeud* n = trouver(chemin);
    return n && n->repertoire;
}

int64_t PlateformeSimulee::taille_fichier(const std::string& chemin) {
    std::lock_guard<std::recursive_mutex> verrou(verrou_);
    Noeud* n = trouver(chemin);
    return n && !n->repertoire ? static_cast<int64_t>(n->contenu.size()) : -1;
}

bool PlateformeSimulee::supprimer_repertoire_vide(const std::string& chemin) {
    std::lock_guard<std::recursive_mutex> verrou(verrou_);
    const std::string k = cle(chemin);
    auto it = noeuds_.find(k);
    if (it == noeuds_.end() || !it->second.repertoire || !it->second.enfants.empty()) return false;
    noeuds_.erase(it);
    auto& enfants = noeuds_[parent_de(k)].enfants;
    enfants.erase(std::remove(enfants.begin(), enfants.end(), k), enfants.end());
    return true;
}

void PlateformeSimulee::supprimer_arbre(const std::string& chemin) {
    std::lock_guard<std::recursive_mutex> verrou(verrou_);
    const std::string k = cle(chemin);
    auto it = noeuds_.find(k);
    if (it == noeuds_.end()) return;
    for (const std::string& enfant : std::vector<std::string>(it->second.enfants)) supprimer_arbre(enfant);
    noeuds_.erase(k);
    auto& enfants = noeuds_[parent_de(k)].enfants;
    enfants.erase(std::remove(enfants.begin(), enfants.end(), k), enfants.end());
}

bool PlateformeSimulee::supprimer_fichier(const std::string& chemin) {
    std::lock_guard<std::recursive_mutex> verrou(verrou_);
    std::string k = cle(chemin);
    auto it = noeuds_.find(k);
    if (it == noeuds_.end() || it->second.repertoire) return false;
    noeuds_.erase(it);
    auto& enfants = noeuds_[parent_de(k)].enfants;
    enfants.erase(std::remove(enfants.begin(), enfants.end(), k), enfants.end());
    return true;
}

bool PlateformeSimulee::lire_octets(const std::string& chemin, std::string& c) {
    std::lock_guard<std::recursive_mutex> verrou(verrou_);
    ++lectures_[cle(chemin)];
    Noeud* n = trouver(chemin);
    if (!n || n->repertoire || (panne_ && panne_("lire", chemin))) return false;
    c = n->contenu;
    return true;
}

void PlateformeSimulee::ecrire_octets(const std::string& chemin, std::string_view c) {
    std::lock_guard<std::recursive_mutex> verrou(verrou_);
    journal.push_back("ecrire|" + chemin);
    ecrire(chemin, c, false);
}

void PlateformeSimulee::ecrire_octets_durables(const std::string& chemin, std::string_view c) {
    std::lock_guard<std::recursive_mutex> verrou(verrou_);
    journal.push_back("durable|" + chemin);
    ecrire(chemin, c, true);
}

void PlateformeSimulee::ecrire(const std::string& chemin, std::string_view c, bool durable) {
    const auto erreur = [&](const char* quoi) { return ErreurES(quoi + chemin, cause, chemin); };
    if (panne_ && panne_("creer", chemin)) throw erreur("Impossible de créer le fichier ");
    Noeud* n = ajouter(chemin, false);
    if (!n) throw ErreurES("Impossible de créer le fichier " + chemin, Cause::introuvable, chemin);
    if (panne_ && panne_("ecrire", chemin)) {
        n->contenu = std::string(c.substr(0, c.size() / 2));
        throw erreur("Erreur d'écriture dans le fichier ");
    }
    auto echec = echecs_ecriture_.find(cle(chemin));
    if (echec != echecs_ecriture_.end()) {
        n->contenu = std::string(c.substr(0, std::min(echec->second, c.size())));
        echecs_ecriture_.erase(echec);
        throw erreur("Erreur d'écriture dans le fichier ");
    }
    n->contenu = std::string(c);
    if (durable && panne_ && panne_("vider", chemin)) throw erreur("Erreur d'écriture dans le fichier ");
}

bool PlateformeSimulee::remplacer_fichier(const std::string& source,
                                          const std::string& destination) {
    std::lock_guard<std::recursive_mutex> verrou(verrou_);
    journal.push_back("remplacer|" + source + "|" + destination);
    if (echec_remplacement || (panne_ && panne_("remplacer", destination))) return false;
    Noeud* s = trouver(source);
    if (!s || s->repertoire) return false;
    std::string octets = s->contenu;
    Noeud* d = ajouter(destination, false);
    if (!d) return false;
    d->contenu = std::move(octets);
    supprimer_fichier(source);
    return true;
}

bool PlateformeSimulee::copier_fichier(const std::string& source, const std::string& destination,
                                       bool refuser_si_existe) {
    std::lock_guard<std::recursive_mutex> verrou(verrou_);
    Noeud* s = trouver(source);
    if (!s || s->repertoire) return false;
    if (refuser_si_existe && trouver(destination)) return false;
    if (panne_ && panne_("copier", destination)) return false;
    std::string octets = s->contenu;
    Noeud* d = ajouter(destination, false);
    if (!d) return false;
    d->contenu = std::move(octets);
    return true;
}

bool PlateformeSimulee::deplacer_fichier(const std::string& source,
                                         const std::string& destination) {
    std::lock_guard<std::recursive_mutex> verrou(verrou_);
    if (trouver(destination) || (panne_ && panne_("deplacer", source))) return false;
    Noeud* n = trouver(source);
    if (!n) return false;
    if (!n->repertoire) {
        if (!copier_fichier(source, destination, true)) return false;
        return supprimer_fichier(source);
    }
    // A directory moves with everything below it: every key under the old one changes.
    const std::string ancienne = cle(source), nouvelle = cle(destination);
    Noeud* parent_neuf = trouver(parent_de(nouvelle));
    if (!parent_neuf || !parent_neuf->repertoire) return false;
    std::vector<std::pair<std::string, Noeud>> deplaces;
    for (auto it = noeuds_.lower_bound(ancienne); it != noeuds_.end() && it->first.rfind(ancienne, 0) == 0;) {
        if (it->first.size() == ancienne.size() || it->first[ancienne.size()] == '\\') {
            deplaces.emplace_back(nouvelle + it->first.substr(ancienne.size()), std::move(it->second));
            it = noeuds_.erase(it);
        } else {
            ++it;
        }
    }
    const auto changer = [&](std::string& k) {
        if (k.rfind(ancienne, 0) == 0 && (k.size() == ancienne.size() || k[ancienne.size()] == '\\'))
            k = nouvelle + k.substr(ancienne.size());
    };
    for (auto& [k, noeud] : deplaces) {
        for (std::string& e : noeud.enfants) changer(e);
        if (k == nouvelle) {
            std::string propre = destination;
            while (propre.size() > 2 && propre.back() == '\\') propre.pop_back();
            noeud.nom = propre.substr(propre.rfind('\\') + 1);
        }
        noeuds_[k] = std::move(noeud);
    }
    auto& freres = noeuds_[parent_de(ancienne)].enfants;
    freres.erase(std::remove(freres.begin(), freres.end(), ancienne), freres.end());
    trouver(parent_de(nouvelle))->enfants.push_back(nouvelle);
    return true;
}

bool PlateformeSimulee::creer_repertoire(const std::string& chemin) {
    std::lock_guard<std::recursive_mutex> verrou(verrou_);
    if (trouver(chemin) || (panne_ && panne_("creer_repertoire", chemin))) return false;
    return ajouter(chemin, true) != nullptr;
}

bool PlateformeSimulee::lister_repertoire(const std::string& repertoire,
                                          std::vector<EntreeRepertoire>& entrees) {
    std::lock_guard<std::recursive_mutex> verrou(verrou_);
    entrees.clear();
    Noeud* n = trouver(repertoire);
    if (!n || !n->repertoire || !n->listable) return false;
    Noeud* contenu = n->cible.empty() ? n : trouver(n->cible);
    if (!contenu) return false;
    EntreeRepertoire point;
    point.nom = ".";
    point.attributs = ATTR_REPERTOIRE;
    entrees.push_back(point);
    point.nom = "..";
    entrees.push_back(point);
    for (const std::string& k : contenu->enfants) {
        const Noeud& e = noeuds_.at(k);
        EntreeRepertoire r;
        r.nom = e.nom;
        r.attributs = e.repertoire ? ATTR_REPERTOIRE : ATTR_ARCHIVE;
        if (e.lien || e.etiquette) {
            r.attributs |= ATTR_REPARSE;
            r.etiquette = e.etiquette;
        }
        r.taille = e.repertoire ? 0 : static_cast<int64_t>(e.contenu.size());
        r.creation = e.creation;
        entrees.push_back(r);
    }
    return true;
}

bool PlateformeSimulee::date_creation(const std::string& chemin, double& jours) {
    std::lock_guard<std::recursive_mutex> verrou(verrou_);
    Noeud* n = trouver(chemin);
    if (!n) return false;
    jours = n->creation;
    return true;
}

double PlateformeSimulee::maintenant() { return JOUR_DEPART + ms / 86400000.0; }

void PlateformeSimulee::avancer(double duree) {
    ms += duree;
    if (ms > limite_ms) throw ScenarioBloque{ms};
}

void PlateformeSimulee::attendre(int millisecondes) { avancer(std::max(millisecondes, 0)); }

void PlateformeSimulee::attendre_message(int millisecondes) {
    // Up to the next event or tick, so that nothing is handled late.
    double jusqu_a = ms + std::max(millisecondes, 1);
    for (const Evenement& e : evenements_) jusqu_a = std::min(jusqu_a, std::max(e.ms, ms + 1));
    if (sur_minuterie) jusqu_a = std::min(jusqu_a, std::max(prochain_tic_, ms + 1));
    avancer(jusqu_a - ms);
}

void PlateformeSimulee::attendre_rafraichissement() {
    ++rafraichissements;
    avancer(1000.0 / 60);
}

void PlateformeSimulee::traiter_messages() {
    avancer(pas_traitement_ms);
    // Events due now, in time order; a handler may process messages again, so each is
    // taken off the list before it runs.
    while (true) {
        auto prochain = std::min_element(evenements_.begin(), evenements_.end(),
                                         [](const Evenement& a, const Evenement& b) {
                                             return a.ms < b.ms;
                                         });
        bool tic = sur_minuterie && prochain_tic_ <= ms &&
                   (prochain == evenements_.end() || prochain_tic_ <= prochain->ms);
        if (tic) {
            prochain_tic_ += intervalle_minuterie;
            sur_minuterie();
            continue;
        }
        if (prochain == evenements_.end() || prochain->ms > ms) break;
        Evenement e = *prochain;
        evenements_.erase(prochain);
        if (e.sorte == Sorte::souris)
            pointeur = e.position;
        else if (e.sorte == Sorte::activation && sur_activation)
            sur_activation();
        else if (e.sorte == Sorte::touche && sur_touche)
            sur_touche(e.touche);
        else if (e.sorte == Sorte::action)
            e.action();
    }
    if (!sur_minuterie)
        while (prochain_tic_ <= ms) prochain_tic_ += intervalle_minuterie;
}

bool PlateformeSimulee::lire_debut(const std::string& chemin, size_t octets, std::string& c) {
    std::lock_guard<std::recursive_mutex> verrou(verrou_);
    Noeud* n = trouver(chemin);
    if (!n || n->repertoire) return false;
    c = n->contenu.substr(0, octets);
    return true;
}

IssueDecodage PlateformeSimulee::decoder(const std::string& chemin, FormatImage,
                                         const std::function<Demande(Taille)>& voulue, Pixels& sortie) {
    if (avant_decodage) avant_decodage(chemin);
    std::string octets;
    {
        std::lock_guard<std::recursive_mutex> verrou(verrou_);
        decodages_.push_back(chemin);
        std::string extension;
        const size_t point = chemin.rfind('.');
        if (point != std::string::npos && chemin.find('\\', point) == std::string::npos)
            for (const char c : chemin.substr(point))
                extension += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        if (codecs_absents.count(extension)) return IssueDecodage::sans_codec;
        if (!lire_octets(chemin, octets)) return IssueDecodage::illisible;
    }
    const size_t p = octets.find("SIM:");
    int largeur = 0, hauteur = 0;
    unsigned couleur = 0;
    if (p == std::string::npos ||
        std::sscanf(octets.c_str() + p, "SIM:%dx%d:%6x", &largeur, &hauteur, &couleur) != 3 || largeur <= 0 ||
        hauteur <= 0 || int64_t{largeur} * hauteur > PIXELS_SOURCE_MAX)
        return IssueDecodage::illisible;
    // The copy asked, upright, never above the own size: a plain colour turned is itself.
    const Demande d = voulue({largeur, hauteur});
    const Taille droite = taille_droite(d.orientation, {largeur, hauteur});
    largeur = std::clamp(d.taille.largeur, 1, droite.largeur);
    hauteur = std::clamp(d.taille.hauteur, 1, droite.hauteur);
    if (d.taille.largeur <= 0 || d.taille.hauteur <= 0 || int64_t{largeur} * hauteur > PIXELS_MAX)
        return IssueDecodage::illisible;
    sortie.largeur = largeur;
    sortie.hauteur = hauteur;
    sortie.bgra.assign(static_cast<size_t>(largeur) * static_cast<size_t>(hauteur), couleur | 0xFF000000u);
    return IssueDecodage::decodee;
}

void PlateformeSimulee::message(const std::string& texte) { messages.push_back(texte); }

bool PlateformeSimulee::confirmer(const std::string& texte) {
    confirmations.push_back(texte);
    if (reponses_confirmation.empty()) return false;
    bool r = reponses_confirmation.front();
    reponses_confirmation.pop_front();
    return r;
}

bool PlateformeSimulee::choisir_repertoire(std::string& chemin) {
    if (reponses_repertoire.empty()) return false;
    auto r = reponses_repertoire.front();
    reponses_repertoire.pop_front();
    if (!r) return false;
    chemin = *r;
    return true;
}

void PlateformeSimulee::jouer_son(std::string_view image_wav) { sons.emplace_back(image_wav); }

std::string PlateformeSimulee::profil_lire(const std::string& fichier, const std::string& section,
                                           const std::string& c, const std::string& defaut) {
    auto s = profils.find(majuscules(fichier) + "|" + majuscules(section));
    if (s == profils.end()) return defaut;
    auto v = s->second.find(majuscules(c));
    return v == s->second.end() ? defaut : v->second;
}

void PlateformeSimulee::profil_ecrire(const std::string& fichier, const std::string& section,
                                      const std::string& c, const std::string& valeur) {
    profils[majuscules(fichier) + "|" + majuscules(section)][majuscules(c)] = valeur;
}

void PlateformeSimulee::reamorcer_aleatoire() {
    etat_aleatoire_ = graine_ + static_cast<unsigned>(ms);
}

int PlateformeSimulee::aleatoire(int n) {
    if (n <= 0) return 0;
    etat_aleatoire_ = etat_aleatoire_ * 1103515245u + 12345u;
    return static_cast<int>((etat_aleatoire_ >> 8) % static_cast<unsigned>(n));
}

int PlateformeSimulee::ouvrir_shell(const std::string& verbe, const std::string& fichier,
                                    const std::string& parametres, const std::string& repertoire) {
    lancements.push_back(verbe + "|" + fichier + "|" + parametres + "|" + repertoire);
    if (reponses_shell.empty()) return 42;
    const int r = reponses_shell.front();
    reponses_shell.pop_front();
    return r;
}

namespace {

// A program of the simulated machine: it ends once its time has passed on the clock.
class ProcessusSimule : public Processus {
public:
    ProcessusSimule(PlateformeSimulee& m, double fin) : m_(m), fin_(fin) { ++m_.processus_en_cours; }
    ~ProcessusSimule() override { --m_.processus_en_cours; }
    bool attendre_fin(int millisecondes) override {
        const double jusqu_a = std::min(fin_, m_.ms + millisecondes);
        if (jusqu_a > m_.ms) m_.attendre(static_cast<int>(jusqu_a - m_.ms + 0.999));
        return m_.ms >= fin_;
    }

private:
    PlateformeSimulee& m_;
    double fin_;
};

}  // namespace

std::unique_ptr<Processus> PlateformeSimulee::lancer_processus(const std::string& ligne_commande) {
    processus.push_back(ligne_commande);
    if (lancement_impossible && (seul_installe.empty() || !ligne_commande.starts_with("\"" + seul_installe + "\"")))
        return nullptr;
    return std::make_unique<ProcessusSimule>(*this, ms + duree_processus_ms);
}

bool PlateformeSimulee::choisir_fichier(const std::string& titre, const std::string& filtre, std::string& chemin) {
    dialogues_fichier.push_back(titre + "|" + filtre);
    if (reponses_fichier.empty()) return false;
    auto r = reponses_fichier.front();
    reponses_fichier.pop_front();
    if (!r) return false;
    chemin = *r;
    return true;
}

bool PlateformeSimulee::image_de_texte(const std::string& texte, const std::string&, int, Taille taille,
                                       Pixels& sortie) {
    sortie.largeur = taille.largeur;
    sortie.hauteur = taille.hauteur;
    sortie.bgra.assign(static_cast<size_t>(taille.largeur) * static_cast<size_t>(taille.hauteur), 0xFFFFFFFFu);
    const int l = 24 * static_cast<int>(texte.size()), h = 40;
    const int x0 = (taille.largeur - l) / 2, y0 = (taille.hauteur - h) / 2;
    for (int y = std::max(0, y0); y < std::min(taille.hauteur, y0 + h); ++y)
        for (int x = std::max(0, x0); x < std::min(taille.largeur, x0 + l); ++x)
            sortie.bgra[static_cast<size_t>(y) * static_cast<size_t>(taille.largeur) + static_cast<size_t>(x)] = 0xFF000000u;
    return true;
}

void PlateformeSimulee::terminer_processus(int code) { throw FinProcessus{code}; }

}  // namespace nocturo::test
