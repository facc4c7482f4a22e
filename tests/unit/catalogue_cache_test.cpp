// The picture table's records in the cache file.
#include <gtest/gtest.h>

#include "catalogue/cache.h"

namespace nocturo::test {
namespace {

EntreeImage entree(int32_t indice, const std::string& nom) {
    EntreeImage e;
    e.indice_rep = indice;
    e.definir_nom(nom);
    return e;
}

TEST(EnregistrementsDuCache, DisposentChaqueOctet) {
    const std::vector<EntreeImage> table = {entree(0x01020304, "a.jpg"), entree(-2, "b.bmp")};
    const std::string octets = coder_images(table, 2);
    ASSERT_EQ(octets.size(), 176u);
    std::string premier(88, '\0');
    premier.replace(0, 10, std::string("\x04\x03\x02\x01\x05" "a.jpg", 10));
    EXPECT_EQ(octets.substr(0, 88), premier);
    // A negative index is written as its 32-bit two's complement, low byte first.
    EXPECT_EQ(octets.substr(88, 5), std::string("\xFE\xFF\xFF\xFF\x05", 5));
    EXPECT_EQ(coder_images(table, 0), "");
}

TEST(EnregistrementsDuCache, AllerRetourDesNomsJusquA80Caracteres) {
    const std::string quatre_vingts(80, 'n');
    std::vector<EntreeImage> table = {entree(7, quatre_vingts), entree(1, ""), entree(3, quatre_vingts + "xyz")};
    std::vector<EntreeImage> relu;
    ASSERT_EQ(decoder_images(coder_images(table, 3), relu), 3);
    EXPECT_EQ(relu.size(), 1000u);
    EXPECT_EQ(relu[0].indice_rep, 7);
    EXPECT_EQ(relu[0].nom(), quatre_vingts);
    EXPECT_EQ(relu[1].nom(), "");
    EXPECT_EQ(relu[2].nom(), quatre_vingts);
}

TEST(EnregistrementsDuCache, UneLongueurAbimeeNeDepassePasLeNom) {
    std::string octets(88 + 40, '\0');
    octets[4] = static_cast<char>(200);
    std::vector<EntreeImage> relu;
    EXPECT_EQ(decoder_images(octets, relu), 1);  // the partial record is not read
    EXPECT_EQ(relu[0].longueur, 80);
    EXPECT_EQ(decoder_images("", relu), 0);
}

}  // namespace
}  // namespace nocturo::test
