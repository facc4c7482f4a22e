// A catalogue walked again set against the old one: where each picture went.
#include <gtest/gtest.h>

#include "catalogue/fusion.h"

namespace nocturo::test {
namespace {

Catalogue de(const std::vector<std::pair<std::string, std::string>>& images) {
    Catalogue c;
    for (const auto& [r, n] : images) c.ajouter(r, n);
    return c;
}

TEST(Correspondance, ChaqueImageRetrouveSaPlace) {
    const Catalogue ancien = de({{"C:\\P", "a.jpg"}, {"C:\\P", "b.jpg"}, {"C:\\P\\051231 noel", "s.jpg"},
                                 {"C:\\P\\Москва", "Ж.jpg"}, {"C:\\P", "c.jpg"}, {"C:\\P", "c.jpg"}});
    const Catalogue nouveau = de({{"C:\\P\\new", "z.jpg"}, {"C:\\P", "c.jpg"}, {"C:\\P\\Москва", "Ж.jpg"},
                                  {"C:\\P\\2005-12-31 noel", "s.jpg"}, {"C:\\P", "a.jpg"}, {"C:\\P", "C.JPG"}});
    // b gone, the renamed folder's picture gone, one of the two c kept (the first), the
    // other c not matched by a name that differs in case.
    EXPECT_EQ(correspondance(ancien, nouveau), (std::vector<int32_t>{4, -1, -1, 2, 1, -1}));
    EXPECT_EQ(correspondance(ancien, ancien), (std::vector<int32_t>{0, 1, 2, 3, 4, 5}));
    EXPECT_TRUE(correspondance(Catalogue{}, nouveau).empty());
    EXPECT_EQ(correspondance(ancien, Catalogue{}), std::vector<int32_t>(6, -1));
}

TEST(Correspondance, UnMillierDeNomsSemblables) {
    Catalogue ancien, nouveau;
    for (int i = 0; i < 1000; ++i) ancien.ajouter("C:\\P\\d" + std::to_string(i % 7), "IMG_" + std::to_string(i) + ".JPG");
    for (int i = 999; i >= 0; --i)
        if (i % 3) nouveau.ajouter("C:\\P\\d" + std::to_string(i % 7), "IMG_" + std::to_string(i) + ".JPG");
    const std::vector<int32_t> vers = correspondance(ancien, nouveau);
    for (int i = 0; i < 1000; ++i) {
        if (i % 3 == 0) {
            EXPECT_EQ(vers[static_cast<size_t>(i)], -1) << i;
        } else {
            ASSERT_GE(vers[static_cast<size_t>(i)], 0) << i;
            EXPECT_EQ(nouveau.chemin(vers[static_cast<size_t>(i)]), ancien.chemin(i));
        }
    }
}

TEST(GarderAbsentes, LesImagesDUneRacineInjoignableRestent) {
    const Catalogue ancien = de({{"C:\\P", "a.jpg"}, {"E:\\Clé\\x", "u.jpg"}, {"E:\\Clé", "v.jpg"}, {"E:\\Clés", "w.jpg"}});
    const Catalogue nouveau = de({{"C:\\P", "a.jpg"}, {"C:\\P", "n.jpg"}});
    const Catalogue r = garder_absentes(ancien, nouveau, {"e:\\clé"});
    ASSERT_EQ(r.nombre(), 4);
    EXPECT_EQ(r.chemin(2), "E:\\Clé\\x\\u.jpg");
    EXPECT_EQ(r.chemin(3), "E:\\Clé\\v.jpg");
    EXPECT_EQ(garder_absentes(ancien, nouveau, {}), nouveau);
    EXPECT_TRUE(sous_repertoire("C:\\Photos\\a.jpg", "C:\\"));
    EXPECT_FALSE(sous_repertoire("C:\\Photos 2\\a.jpg", "C:\\Photos"));
}

}  // namespace
}  // namespace nocturo::test
