// The data directory and its files. The program names it C:\Nocturo in some places and
// C:\nocturo in others: one directory, names being case-blind on the platform.
#pragma once
#include <string>
#include <vector>

namespace nocturo {

inline const std::string REP_DONNEES = "C:\\nocturo";
inline const std::string FICHIER_MARQUEUR = "C:\\Nocturo\\effacez_moi_pour_reinitialiser.___";
inline const std::string FICHIER_CACHE_REP = "C:\\Nocturo\\toutes_img_ListBox_rep.dat";
inline const std::string FICHIER_CACHE_IMAGES = "C:\\Nocturo\\toutes_img._nf";
inline const std::string FICHIER_HISTORIQUE = "C:\\nocturo\\img_affichees.lst";
inline const std::string FICHIER_REP_COURANT = "C:\\nocturo\\image_rep_crt.txt";
inline const std::string FICHIER_PARAMETRES = "C:\\nocturo\\nocturo_var.prm";
// The settings that came after the 37, in the same "name = value" lines.
inline const std::string FICHIER_PARAMETRES_PLUS = "C:\\nocturo\\nocturo_plus.prm";
inline const std::string FICHIER_REPERTOIRES = "C:\\nocturo\\nocturo.rep";
inline const std::string FICHIER_COCHES = "C:\\nocturo\\nocturo.repflag";
inline const std::string FICHIER_EXCLUSIONS = "C:\\Nocturo\\Nocturo_exclusion.txt";
// The deck of fresh random draws, so that none repeats before all came, across runs.
inline const std::string FICHIER_PAQUET = "C:\\Nocturo\\nocturo_paquet.txt";

// The files the program writes with the safe writer.
inline const std::vector<std::string> FICHIERS_ECRITS_SUR = {
    FICHIER_REPERTOIRES, FICHIER_COCHES,    FICHIER_PARAMETRES,   FICHIER_PARAMETRES_PLUS,
    FICHIER_HISTORIQUE,  FICHIER_CACHE_REP, FICHIER_CACHE_IMAGES, FICHIER_PAQUET,          FICHIER_EXCLUSIONS,
};

}  // namespace nocturo
