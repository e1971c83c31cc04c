#include "app/IconPlacement.h"

#include <gtest/gtest.h>

TEST(IconPlacement, WhereAMinimisedPageDrawsA32By32Icon) {
    struct Drawn {
        int clientWidth, clientHeight, x, y;
    };
    // A client area smaller than the icon puts it at (-5, -5), not (-6, -6).
    const Drawn cases[] = {{36, 37, 2, 3}, {32, 32, 0, 0}, {20, 20, -5, -5}};
    for (const Drawn& c : cases) {
        EXPECT_EQ(centredIconOffset(c.clientWidth, 32), c.x) << c.clientWidth << " x " << c.clientHeight;
        EXPECT_EQ(centredIconOffset(c.clientHeight, 32), c.y) << c.clientWidth << " x " << c.clientHeight;
    }
}
