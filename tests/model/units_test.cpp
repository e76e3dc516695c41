#include "model/layout/element_font.h"
#include "model/layout/units.h"

#include <gtest/gtest.h>

namespace velbrant {
namespace {

TEST(Rnd, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(rnd(0.5), 0);
    EXPECT_EQ(rnd(1.5), 2);
    EXPECT_EQ(rnd(2.5), 2);
    EXPECT_EQ(rnd(-0.5), 0);
    EXPECT_EQ(rnd(-1.5), -2);
    EXPECT_EQ(rnd(-2.5), -2);
    EXPECT_EQ(rnd(17.5), 18);
}

TEST(CharacterHeight, PointsBecomeTenthsOfMillimetres) {
    EXPECT_EQ(characterHeight({"Arial", 10, 0}), 35);
    EXPECT_EQ(characterHeight({"Arial", 12, 0}), 42);
    EXPECT_EQ(characterHeight({"Arial", 14, 0}), 49);
    EXPECT_EQ(characterHeight({"Arial", 9, 0}), 32); // 31.75
}

} // namespace
} // namespace velbrant
