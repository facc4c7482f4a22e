// A window on a simulated machine, ready for a scan, a cache write or a read.
#pragma once
#include <gtest/gtest.h>

#include "sim/scenario.h"

namespace nocturo::test {

const std::string MARQUEUR = "C:\\Nocturo\\effacez_moi_pour_reinitialiser.___";
const std::string CACHE_REP = "C:\\Nocturo\\toutes_img_ListBox_rep.dat";
const std::string CACHE_IMAGES = "C:\\Nocturo\\toutes_img._nf";

class FenetreCatalogue : public ::testing::Test {
protected:
    void racine(const std::string& chemin, bool cochee = true) {
        d.CheckListBox_rep.ajouter(chemin);
        d.CheckListBox_rep.definir_coche(d.CheckListBox_rep.nombre() - 1, cochee);
    }
    std::optional<int> scanner() { return s.executer([&] { d.scanner_catalogue(); }); }
    // Full paths of the catalogue, in table order.
    std::vector<std::string> images() const {
        std::vector<std::string> r;
        for (int32_t i = 0; i < d.catalogue.nombre(); ++i) r.push_back(d.catalogue.chemin(i));
        return r;
    }

    Scenario s;
    Tdiapo& d = *s.diapo;
    PlateformeSimulee& m = s.machine;
};

}  // namespace nocturo::test
