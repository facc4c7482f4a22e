// The real machine behind the core's platform interface.
#pragma once
#include <functional>
#include <random>

#include "plateforme/plateforme.h"
#include "plateforme/win32/win32.h"

namespace nocturo::win32 {

class PlateformeWin32 : public Plateforme {
public:
    PlateformeWin32() { reamorcer_aleatoire(); }

    // The window layer plugs in here: the owner of dialogs, a look at each message before
    // it is dispatched (true: consumed), and the push of model changes to the screen.
    HWND proprietaire = nullptr;
    std::function<bool(MSG&)> filtrer;
    std::function<void()> synchroniser;

    bool curseur_masque() const { return curseur_ == CURSEUR_AUCUN; }
    // Pushes pending model changes before the program waits or asks.
    void mettre_a_jour() { if (synchroniser) synchroniser(); }
    // The owner's window active again, with the keyboard, after a box, a chooser or another
    // program.
    void reprendre_clavier();

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
    std::string raison_echec() override;
    Cause cause_echec() override;
    std::unique_ptr<RepertoireOuvert> ouvrir_repertoire(const std::string& chemin) override;
    std::unique_ptr<RepertoireOuvert> ouvrir_sous_repertoire(const RepertoireOuvert& parent,
                                                             const std::string& nom) override;
    bool lister_ouvert(RepertoireOuvert& r, std::vector<EntreeRepertoire>& entrees) override;

    double maintenant() override;
    double millisecondes() override;
    void attendre(int millisecondes) override;
    void traiter_messages() override;
    void attendre_message(int millisecondes) override;
    void attendre_rafraichissement() override;

    IssueDecodage decoder(const std::string& chemin, FormatImage format,
                          const std::function<Demande(Taille propre)>& voulue, Pixels& sortie) override;

    void message(const std::string& texte) override;
    bool confirmer(const std::string& texte) override;
    void informer(const std::string& texte) override;
    bool choisir_fichier(const std::string& titre, const std::string& filtre, std::string& chemin) override;
    bool choisir_repertoire(std::string& chemin) override;
    void bip() override;
    void jouer_son(std::string_view image_wav) override;

    int curseur_ecran() override { return curseur_; }
    void definir_curseur_ecran(int curseur) override;
    void montrer_curseur() override;
    Point position_curseur() override;
    void placer_curseur(int x, int y) override;
    int largeur_ecran() override;
    int hauteur_ecran() override;
    std::vector<Moniteur> moniteurs() override;
    bool maj_enfoncee() override { return GetKeyState(VK_SHIFT) < 0; }

    bool ecran_veille_actif() override;
    int delai_ecran_veille() override;
    void definir_delai_ecran_veille(int secondes) override;

    std::string profil_lire(const std::string& fichier, const std::string& section,
                            const std::string& cle, const std::string& defaut) override;
    void profil_ecrire(const std::string& fichier, const std::string& section,
                       const std::string& cle, const std::string& valeur) override;

    void reamorcer_aleatoire() override;
    int aleatoire(int n) override;

    int ouvrir_shell(const std::string& verbe, const std::string& fichier,
                     const std::string& parametres, const std::string& repertoire) override;
    std::unique_ptr<Processus> lancer_processus(const std::string& ligne_commande) override;
    std::string manuel_integre() override;
    std::string dossier_images() override;
    void fil_discret() override;
    bool image_de_texte(const std::string& texte, const std::string& police, int points, Taille taille,
                        Pixels& sortie) override;

protected:
    void terminer_processus(int code) override;

private:
    int curseur_ = CURSEUR_DEFAUT;
    std::mt19937 generateur_;
};

// Local date-time of a file time, in days since 1899-12-30.
double jours_de(const FILETIME& local);

// GDI+ runs from the start of the program to its end.
void demarrer_gdiplus();
void arreter_gdiplus();

}  // namespace nocturo::win32
