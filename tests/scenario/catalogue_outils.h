// A window on a simulated machine, ready for a scan, a cache write or a read.
#pragma once
#include <gtest/gtest.h>

#include "sim/scenario.h"

namespace nocturo::test {

const std::string MARQUEUR = "C:\\Nocturo\\effacez_moi_pour_reinitialiser.___";
const std::string CACHE_REP = "C:\\Nocturo\\toutes_img_ListBox_rep.dat";
const std::string CACHE_IMAGES = "C:\\Nocturo\\toutes_img._nf";

class Catalogue : public ::testing::Test {
protected:
    // The window as FormCreate leaves it before the start-up sequence.
    Catalogue() { d.ListBox_rep.vider(); }

    void racine(const std::string& chemin, bool cochee = true) {
        d.CheckListBox_rep.ajouter(chemin);
        d.CheckListBox_rep.definir_coche(d.CheckListBox_rep.nombre() - 1, cochee);
    }
    std::optional<int> scanner() { return s.executer([&] { d.scanner_catalogue(); }); }
    // Full paths of the catalogue, in table order.
    std::vector<std::string> images() const {
        std::vector<std::string> r;
        for (int i = 0; i < d.nb_images; ++i) {
            const EntreeImage& e = d.table_images[static_cast<size_t>(i)];
            r.push_back(d.ListBox_rep.element(e.indice_rep) + "\\" + e.nom());
        }
        return r;
    }

    Scenario s;
    Tdiapo& d = *s.diapo;
    PlateformeSimulee& m = s.machine;
};

}  // namespace nocturo::test
