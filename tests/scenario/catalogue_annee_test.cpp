// The year caption and the filter summary of the picture being shown.
#include "scenario/catalogue_outils.h"

namespace nocturo::test {
namespace {

struct CasAnnee {
    const char* image;
    const char* titre;  // caption of Label1
    const char* attendu;
};

// Names the case in the test list instead of dumping its bytes.
void PrintTo(const CasAnnee& c, std::ostream* os) { *os << c.image; }

class AnneeAffichee : public FenetreCatalogue, public testing::WithParamInterface<CasAnnee> {};

TEST_P(AnneeAffichee, DuNomDuRepertoireOuDeLaCreationDuFichier) {
    const CasAnnee& c = GetParam();
    // The machine's clock says 2026, so every file here was created in 2026.
    for (const char* f : {"C:\\Photos\\051231 avignon\\a.jpg", "C:\\Photos\\981231 noel\\a.jpg",
                          "C:\\Photos\\vacances\\a.jpg"})
        m.creer_fichier(f);
    d.image_courante = c.image;
    d.Label1.definir_legende(c.titre);
    d.afficher_annee_et_filtres();
    EXPECT_EQ(d.Label_an.legende(), c.attendu);
}

INSTANTIATE_TEST_SUITE_P(
    Cas, AnneeAffichee,
    testing::Values(CasAnnee{"C:\\Photos\\051231 avignon\\a.jpg", "(1/3)  051231 avignon", "2005"},
                    CasAnnee{"C:\\Photos\\981231 noel\\a.jpg", "t", "2026"},  // 1998 holds no "20"
                    CasAnnee{"C:\\Photos\\vacances\\a.jpg", "t", "2026"},
                    CasAnnee{"C:\\Photos\\051231 avignon\\a.jpg", "", "2026"},  // no title: creation year
                    CasAnnee{"C:\\Photos\\vacances\\absente.jpg", "t", ""}));

TEST_F(FenetreCatalogue, ResumeDesFiltres) {
    const struct {
        bool date_de, date_a, contient;
        const char* attendu;
    } cas[] = {
        {false, false, false, ""},
        {true, false, false, "dates filtrées"},
        {false, true, false, "dates filtrées"},  // shown although the scan applies no date filter
        {false, false, true, "=>divers  avignon"},
        {true, true, true, "dates filtrées=>divers  avignon"},
    };
    d.Edit_contient.definir_texte("divers  avignon");
    for (const auto& c : cas) {
        d.CheckBox_date_de.definir_coche(c.date_de);
        d.CheckBox_date_a.definir_coche(c.date_a);
        d.CheckBox_contient.definir_coche(c.contient);
        d.afficher_annee_et_filtres();
        EXPECT_EQ(d.resume_filtres, c.attendu);
        EXPECT_EQ(d.Label_options.legende(), c.attendu);
    }
}

}  // namespace
}  // namespace nocturo::test
