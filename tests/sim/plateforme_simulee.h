// A simulated machine for the tests: an in-memory case-insensitive file system that lists
// entries in creation order, a virtual clock that Sleep and message processing advance,
// scripted keys, mouse positions and dialog answers, recorded messages, sounds, launches.
#pragma once
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "plateforme/plateforme.h"
#include <cstdint>

namespace nocturo::test {

// Thrown by `terminer`: the test catches it and reads the code.
struct FinProcessus {
    int code;
};
// Thrown when virtual time runs past the scenario's limit: a loop that never ends.
struct ScenarioBloque {
    double ms;
};

class PlateformeSimulee : public Plateforme {
public:
    PlateformeSimulee();

    // ---- Scenario set-up ----
    void creer_repertoire_complet(const std::string& chemin);  // with its parents
    bool supprimer_repertoire_vide(const std::string& chemin);
    void supprimer_arbre(const std::string& chemin);  // a directory and all it holds
    void creer_fichier(const std::string& chemin, const std::string& contenu = "x");
    std::string contenu(const std::string& chemin) const;  // empty when absent
    // A text file as the program writes it (Windows-1252 when it fits), and its text back.
    void creer_texte(const std::string& chemin, const std::string& texte);
    std::string texte(const std::string& chemin) const;
    // A directory entry that leads back to `cible` (a junction); lists as the target does.
    // Some systems list links without their tag: `etiquette` 0.
    void creer_lien(const std::string& chemin, const std::string& cible,
                    uint32_t etiquette = ETIQUETTE_POINT_MONTAGE);
    // A directory that is a reparse point without leading elsewhere (a cloud placeholder).
    void creer_repertoire_nuage(const std::string& chemin);
    void interdire_listage(const std::string& repertoire);
    // The next write of `chemin` (any case) stops after `octets` bytes and fails.
    void echouer_ecriture(const std::string& chemin, size_t octets = 0);
    // Replacing any file fails (the move step of a safe write).
    bool echec_remplacement = false;
    // Asked at each step of every write, with the step ("creer", "ecrire", "vider",
    // "remplacer") and the path written (the destination, for a replacement): true makes
    // that step fail as a full disk or a pulled drive would. Asked too before a whole-file
    // read ("lire"): true makes the file unreadable (locked by another program); and before
    // a directory is made ("creer_repertoire"): true refuses it (no right to); and before a
    // copy ("copier", the destination): true makes it fail. Set under the machine's lock:
    // the preloader reads files while the test changes it.
    using Panne = std::function<bool(const std::string& etape, const std::string& chemin)>;
    void definir_panne(Panne p) {
        std::lock_guard<std::recursive_mutex> verrou(verrou_);
        panne_ = std::move(p);
    }

    void touche_a(double ms, int touche);
    // Something another program or the user does to the machine at that time (a file
    // deleted, a disk pulled out), done when the window next handles its messages.
    void action_a(double ms, std::function<void()> action);
    // Told of every decode before it starts, on whichever thread decodes.
    std::function<void(const std::string& chemin)> avant_decodage;
    void souris_a(double ms, int x, int y);
    // Another program hands the activation back to the window (Alt+Tab).
    void activation_a(double ms);
    std::deque<bool> reponses_confirmation;            // default: "&Non"
    std::deque<std::optional<std::string>> reponses_repertoire;  // default: cancelled
    std::deque<std::optional<std::string>> reponses_fichier;     // default: cancelled
    std::deque<int> reponses_shell;                   // default: 42, started
    double duree_processus_ms = 1000;                 // how long a started program runs
    bool lancement_impossible = false;
    std::string seul_installe;  // with it: the one program that still starts
    std::string manuel = "%PDF-1.4 manuel";
    std::string images_utilisateur = "C:\\Users\\moi\\Pictures";  // the Pictures folder
    std::string raison = "Le support est plein.";  // what the system says of a failure
    Cause cause = Cause::disque_plein;             // and why, for the failures `definir_panne` makes
    // Extensions, in lower case with their dot (".heic"), that this machine has no codec for.
    std::set<std::string> codecs_absents;

    // ---- What happened ----
    std::vector<std::string> messages;
    std::vector<std::string> confirmations;
    std::vector<std::string> informations;
    std::vector<std::string> dialogues_fichier;  // "titre|filtre"
    std::vector<std::string> sons;
    std::vector<std::string> lancements;  // "verbe|fichier|parametres|repertoire"
    std::vector<std::string> processus;   // command lines started
    int processus_en_cours = 0;
    // Writes and replacements in their order: "ecrire|path", "durable|path",
    // "remplacer|source|destination".
    std::vector<std::string> journal;
    // Pictures decoded so far, in order, whichever thread decoded them.
    std::vector<std::string> liste_decodages() const {
        std::lock_guard<std::recursive_mutex> verrou(verrou_);
        return decodages_;
    }
    int rafraichissements = 0;
    // Drops what the machine recorded of the run (writes, decodes, sounds), so that a long
    // run measures the program's memory, not the machine's notes.
    void oublier_traces() {
        std::lock_guard<std::recursive_mutex> verrou(verrou_);
        journal.clear();
        decodages_.clear();
        sons.clear();
        lectures_.clear();
    }
    // How many times a file was read whole, by its path in any case.
    int lectures(const std::string& chemin) const {
        std::lock_guard<std::recursive_mutex> verrou(verrou_);
        auto it = lectures_.find(cle(chemin));
        return it == lectures_.end() ? 0 : it->second;
    }
    int bips = 0;
    int montrer_curseur_appels = 0;
    int curseur = CURSEUR_DEFAUT;
    Point pointeur;
    int largeur = 1920, hauteur = 1080;
    std::vector<Moniteur> autres_moniteurs;  // beside the primary one
    bool maj = false;                         // Shift held down
    bool veille_active = true;
    int delai_veille = 600;
    std::map<std::string, std::map<std::string, std::string>> profils;  // "fichier|section" -> cles

    // ---- Clock and events ----
    double ms = 0;                 // virtual milliseconds since the start
    double limite_ms = 3600e3;     // a scenario that runs longer is stuck
    double pas_traitement_ms = 1;  // each message processing costs this much
    double pas_horloge_ms = 1;     // and the work between two reads of the steady clock
    std::function<void(int)> sur_touche;
    std::function<void()> sur_minuterie;
    std::function<void()> sur_activation;
    int intervalle_minuterie = 200;

    // ---- Plateforme ----
    bool fichier_existe(const std::string& chemin) override;
    bool repertoire_existe(const std::string& chemin) override;
    int64_t taille_fichier(const std::string& chemin) override;
    bool supprimer_fichier(const std::string& chemin) override;
    bool lire_octets(const std::string& chemin, std::string& contenu) override;
    bool lire_debut(const std::string& chemin, size_t octets, std::string& contenu) override;
    void ecrire_octets(const std::string& chemin, std::string_view contenu) override;
    void ecrire_octets_durables(const std::string& chemin, std::string_view contenu) override;
    bool remplacer_fichier(const std::string& source, const std::string& destination) override;
    bool copier_fichier(const std::string& source, const std::string& destination,
                        bool refuser_si_existe) override;
    bool deplacer_fichier(const std::string& source, const std::string& destination) override;
    bool creer_repertoire(const std::string& chemin) override;
    bool lister_repertoire(const std::string& repertoire,
                           std::vector<EntreeRepertoire>& entrees) override;
    bool date_creation(const std::string& chemin, double& jours) override;
    std::string raison_echec() override { return raison; }
    Cause cause_echec() override { return cause; }
    double maintenant() override;
    // Each read stands for the work done since the last one: a walk reads it once an entry.
    double millisecondes() override {
        avancer(pas_horloge_ms);
        return ms;
    }
    void attendre(int millisecondes) override;
    void traiter_messages() override;
    void attendre_message(int millisecondes) override;
    void attendre_rafraichissement() override;
    // Decodes a picture file that holds the text "SIM:<width>x<height>:<rrggbb>" (see
    // images_simulees.h): a picture of that size and colour, as its copy asked. Any other file is undecodable;
    // one whose extension is in codecs_absents has no codec on this machine.
    IssueDecodage decoder(const std::string& chemin, FormatImage format,
                          const std::function<Demande(Taille propre)>& voulue, Pixels& sortie) override;
    void message(const std::string& texte) override;
    bool confirmer(const std::string& texte) override;
    void informer(const std::string& texte) override { informations.push_back(texte); }
    bool choisir_fichier(const std::string& titre, const std::string& filtre, std::string& chemin) override;
    bool choisir_repertoire(std::string& chemin) override;
    void bip() override { ++bips; }
    void jouer_son(std::string_view image_wav) override;
    int curseur_ecran() override { return curseur; }
    void definir_curseur_ecran(int c) override { curseur = c; }
    void montrer_curseur() override { ++montrer_curseur_appels; }
    Point position_curseur() override { return pointeur; }
    void placer_curseur(int x, int y) override { pointeur = {x, y}; }
    int largeur_ecran() override { return largeur; }
    int hauteur_ecran() override { return hauteur; }
    std::vector<Moniteur> moniteurs() override {
        std::vector<Moniteur> r = {{0, 0, largeur, hauteur, true}};
        r.insert(r.end(), autres_moniteurs.begin(), autres_moniteurs.end());
        return r;
    }
    bool maj_enfoncee() override { return maj; }
    bool ecran_veille_actif() override { return veille_active; }
    int delai_ecran_veille() override { return delai_veille; }
    void definir_delai_ecran_veille(int s) override { delai_veille = s; }
    std::string profil_lire(const std::string& fichier, const std::string& section,
                            const std::string& cle, const std::string& defaut) override;
    void profil_ecrire(const std::string& fichier, const std::string& section,
                       const std::string& cle, const std::string& valeur) override;
    void reamorcer_aleatoire() override;
    int aleatoire(int n) override;
    int ouvrir_shell(const std::string& verbe, const std::string& fichier,
                     const std::string& parametres, const std::string& repertoire) override;
    std::unique_ptr<Processus> lancer_processus(const std::string& ligne_commande) override;
    std::string manuel_integre() override { return manuel; }
    std::string dossier_images() override { return images_utilisateur; }
    // White, with a black block where the text would stand: 24 pixels a character by 40,
    // placed as the text would be.
    bool image_de_texte(const std::string& texte, const std::string& police, int points, Taille taille,
                        Pixels& sortie) override;

protected:
    void terminer_processus(int code) override;

private:
    struct Noeud {
        std::string nom;
        bool repertoire = false;
        std::string contenu;
        double creation = 0;
        std::vector<std::string> enfants;  // keys, in creation order
        std::string cible;                 // key of a link's target
        uint32_t etiquette = 0;            // reparse tag
        bool lien = false;
        bool listable = true;
    };
    enum class Sorte { touche, souris, activation, action };
    struct Evenement {
        double ms;
        Sorte sorte;
        int touche;
        Point position;
        std::function<void()> action;
    };

    static std::string cle(const std::string& chemin);
    static std::string parent_de(const std::string& cle);
    Noeud* trouver(const std::string& chemin);
    Noeud* ajouter(const std::string& chemin, bool repertoire);
    void avancer(double duree);
    void ecrire(const std::string& chemin, std::string_view contenu, bool durable);

    // The preloading worker reads files while the window's thread writes them.
    mutable std::recursive_mutex verrou_;
    Panne panne_;
    std::vector<std::string> decodages_;
    std::map<std::string, int> lectures_;
    std::map<std::string, Noeud> noeuds_;
    std::map<std::string, size_t> echecs_ecriture_;
    std::vector<Evenement> evenements_;
    double prochain_tic_ = 200;
    unsigned graine_ = 1;
    unsigned etat_aleatoire_ = 1;
};

}  // namespace nocturo::test
