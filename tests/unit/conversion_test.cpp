// The platform library's integer conversion that the settings and the commands rely on.
#include <gtest/gtest.h>

#include "util/erreurs.h"
#include "util/texte.h"

namespace nocturo::test {
namespace {

TEST(StrToInt, TextesCorrects) {
    const struct {
        std::string texte;
        int32_t attendu;
    } cas[] = {
        {"42", 42},          {"  42", 42},          {"+7", 7},
        {"-7", -7},          {"007", 7},            {"$10", 16},
        {"$ff", 255},        {"0x1F", 31},          {"0X1f", 31},
        {"-$10", -16},       {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN},                 {"$FFFFFFFF", -1},
        {"0", 0},
    };
    for (const auto& c : cas) {
        EXPECT_EQ(str_to_int(c.texte), c.attendu) << c.texte;
        int32_t v = 0;
        EXPECT_TRUE(essayer_str_to_int(c.texte, v)) << c.texte;
        EXPECT_EQ(v, c.attendu) << c.texte;
    }
}

TEST(StrToInt, TextesIncorrectsEtLeurMessage) {
    for (const std::string texte : {"", " ", "12 ", "1.5", "12a", "+", "-", "$", "0x", "2147483648",
                                    "-2147483649", "$100000000", "1 000", "--1", "0x-1"}) {
        int32_t v = 99;
        EXPECT_FALSE(essayer_str_to_int(texte, v)) << "[" << texte << "]";
        try {
            str_to_int(texte);
            ADD_FAILURE() << "[" << texte << "] accepted";
        } catch (const ErreurConversion& e) {
            EXPECT_EQ(std::string(e.what()), "'" + texte + "' n'est pas une valeur entière correcte");
            EXPECT_STREQ(e.nom_classe(), "EConvertError");
        }
    }
}

}  // namespace
}  // namespace nocturo::test
