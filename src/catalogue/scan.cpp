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

// Line of `repertoire` in the list, added when absent; the index follows the list.
int indice_repertoire(ListBox& lignes, std::unordered_map<std::string, int>& index, const std::string& repertoire) {
    // The pictures of a directory come one after another: once the first has added its
    // line, the others find it last. When every line is alone of its kind ignoring case,
    // that line is also the first one the list's search would give.
    const int dernier = lignes.nombre() - 1;
    if (dernier >= 0 && index.size() == static_cast<size_t>(dernier) + 1 &&
        lignes.element(dernier) == repertoire)
        return dernier;
    std::string cle = majuscules(repertoire);
    auto trouve = index.find(cle);
    if (trouve != index.end()) return trouve->second;
    lignes.ajouter(repertoire);
    index.emplace(std::move(cle), dernier + 1);
    return dernier + 1;
}

// One directory being walked: its listing and the next entry to take.
struct Niveau {
    std::string repertoire;
    std::vector<EntreeRepertoire> entrees;
    size_t suivante = 0;
};

}  // namespace

bool extension_acceptee(const EntreeRepertoire& entree) {
    // A directory named like a picture is no picture, whatever size the system gives it.
    if (est_repertoire(entree) || entree.taille <= 0) return false;
    const std::string& nom = entree.nom;
    if (nom.empty() || nom[0] == '.') return false;
    // ".JPG" or ".BMP" anywhere, ASCII letters in any case; no copy of the name per entry.
    const auto majuscule = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; };
    for (size_t p = nom.find('.'); p != std::string::npos && p + 3 < nom.size(); p = nom.find('.', p + 1)) {
        const std::string suite{majuscule(nom[p + 1]), majuscule(nom[p + 2]), majuscule(nom[p + 3])};
        if (suite == "JPG" || suite == "BMP") return true;
    }
    return false;
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
    agrandir_table(table_images, nb_images);
    EntreeImage& image = table_images[static_cast<size_t>(nb_images - 1)];
    image.indice_rep = indice_repertoire(ListBox_rep, index_rep, repertoire);
    image.definir_nom(entree.nom);
}

}  // namespace nocturo
