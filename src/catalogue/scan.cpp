// Catalogue scan: walks the checked roots and enters every accepted picture.
#include "catalogue/scan.h"

#include <string>

#include "app/diaporama.h"
#include "util/texte.h"

namespace nocturo {

namespace {

bool contient(const std::string& texte, const char* morceau) {
    return texte.find(morceau) != std::string::npos;
}

bool est_repertoire(const EntreeRepertoire& e) { return (e.attributs & ATTR_REPERTOIRE) != 0; }

bool marque(const std::string& chemin) { return contient(chemin, "++") || contient(chemin, "§"); }

// One directory being walked: its listing and the next entry to take.
struct Niveau {
    std::string repertoire;
    std::vector<EntreeRepertoire> entrees;
    size_t suivante = 0;
};

}  // namespace

bool extension_acceptee(const EntreeRepertoire& entree) {
    const std::string nom = majuscules(entree.nom);
    if (!contient(nom, ".JPG") && !contient(nom, ".BMP")) return false;
    if (nom.find('.') == 0) return false;
    // A directory named like a picture is no picture, whatever size the system gives it.
    return !est_repertoire(entree) && entree.taille > 0;
}

void agrandir_table(std::vector<EntreeImage>& table, int32_t indice) {
    const size_t voulu = static_cast<size_t>(indice);
    if (table.size() > voulu) return;
    table.resize(table.size() + (voulu - table.size()) / 1000 * 1000 + 1000);
}

void indexer_lignes(const ListBox& liste, std::unordered_map<std::string, int>& index) {
    index.clear();
    for (int i = 0; i < liste.nombre(); ++i) index.emplace(majuscules(liste.element(i)), i);
}

void Tdiapo::scanner_catalogue() {
    Plateforme& p = plateforme();
    nb_images = 0;
    touche_appuyee = false;
    p.supprimer_fichier(FICHIER_MARQUEUR);
    indexer_lignes(ListBox_rep, index_rep);
    // Handlers run during the walk and may change the roots: the list is read afresh.
    for (int i = 0; i < CheckListBox_rep.nombre(); ++i) {
        const std::string racine = CheckListBox_rep.element(i);
        if (CheckListBox_rep.coche(i) && p.repertoire_existe(racine)) parcourir_repertoire(racine);
        p.traiter_messages();
    }
    p.ecrire_octets(FICHIER_MARQUEUR, "");
}

void Tdiapo::parcourir_repertoire(const std::string& repertoire) {
    // Depth first with a stack of our own, so a deep tree cannot exhaust the call stack.
    Plateforme& p = plateforme();
    const bool recursif = RadioGroup_sous_rep_recursif.indice_element() > 0;
    std::vector<Niveau> pile;
    auto entrer = [&](const std::string& d) {
        Niveau n{d, {}, 0};
        if (!p.lister_repertoire(d, n.entrees)) return false;  // unlistable: skipped
        pile.push_back(std::move(n));
        return true;
    };
    entrer(repertoire);
    while (!pile.empty()) {
        Niveau& n = pile.back();
        if (touche_appuyee || n.suivante >= n.entrees.size()) {
            pile.pop_back();
            // Back in the parent: the entry that led down is done.
            if (!pile.empty()) p.traiter_messages();
            continue;
        }
        const EntreeRepertoire& e = n.entrees[n.suivante++];
        if (++nb_entrees_vues % 200 == 0) Label1.definir_legende(std::to_string(nb_entrees_vues));
        std::string sous_repertoire;
        // A name with no Windows-1252 form could not be opened again by its listed name.
        if (e.nom != "." && e.nom != ".." && e.nom_representable) {
            std::string chemin = n.repertoire + "\\" + e.nom;
            if (extension_acceptee(e)) retenir_image(chemin, e, n.repertoire);
            // Reparse points are not followed: their target cannot be told reliably and a
            // junction back up the tree would never end. The real path is walked anyway.
            if (recursif && est_repertoire(e) && (e.attributs & ATTR_REPARSE) == 0)
                sous_repertoire = std::move(chemin);
        }
        if (sous_repertoire.empty() || !entrer(sous_repertoire)) p.traiter_messages();
    }
}

void Tdiapo::retenir_image(const std::string& chemin, const EntreeRepertoire& entree,
                           const std::string& repertoire) {
    if (est_repertoire(entree)) return;
    if (CheckBox_fic_exclusion.coche()) {
        for (const ListBox* liste : {&ListBox_rep_exclu, &ListBox_rep_nom_fic_exclu})
            for (const std::string& motif : liste->elements())
                if (!motif.empty() && chemin.find(motif) != std::string::npos) return;
    }
    const int exclusion = RadioGroup_exclusion.indice_element();
    if (exclusion == 0 && marque(chemin)) return;
    if (exclusion == 2 && !marque(chemin)) return;
    if (CheckBox_date_de.coche() && !filtre_date_accepte(repertoire)) return;
    if (CheckBox_contient.coche() && !sans_accents(coupe(Edit_contient.texte())).empty() &&
        !filtre_mots_accepte(repertoire))
        return;

    ++nb_images;
    const std::string cle = majuscules(repertoire);
    auto trouve = index_rep.find(cle);
    if (trouve == index_rep.end()) {
        ListBox_rep.ajouter(repertoire);
        trouve = index_rep.emplace(cle, ListBox_rep.nombre() - 1).first;
    }
    agrandir_table(table_images, nb_images);
    EntreeImage& image = table_images[static_cast<size_t>(nb_images - 1)];
    image.indice_rep = trouve->second;
    image.definir_nom(entree.nom);
}

}  // namespace nocturo
