// Start-up decisions, the quit path and Esc, on the simulated machine.
#include <gtest/gtest.h>

#include "sim/scenario.h"

namespace nocturo::test {
namespace {

TEST(Demarrage, EchapPendantLeDemarrageTermineAvecLeCode1) {
    Scenario s;
    s.machine.touche_a(0, VK_ECHAP);
    EXPECT_EQ(s.demarrer(), std::nullopt);
    EXPECT_EQ(s.attendre_jusqu_a(1000), 1);
    EXPECT_EQ(s.machine.montrer_curseur_appels, 1);
}

}  // namespace
}  // namespace nocturo::test
