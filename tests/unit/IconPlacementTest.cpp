#include "app/IconPlacement.h"

#include <gtest/gtest.h>

TEST(IconPlacement, CentresTheIconRoundingTowardZero) {
    // A 36 x 37 client area with a 32 x 32 icon.
    EXPECT_EQ(2, centredIconOffset(36, 32));
    EXPECT_EQ(3, centredIconOffset(37, 32));
    // Larger than the client area: -11 / 2 is -5, where flooring would give -6.
    EXPECT_EQ(-5, centredIconOffset(20, 32));
    EXPECT_EQ(0, centredIconOffset(32, 32));
}
