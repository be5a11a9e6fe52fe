#include <gtest/gtest.h>

#include <climits>

#include "editor/Cell.h"

namespace {

struct CellCase {
    std::int32_t p;
    std::int32_t u;
    std::int32_t expected;
};

TEST(CellOf, TakesTheFloorOfPixelOverUnit) {
    const CellCase cases[] = {
        {0, 32, 0},      {31, 32, 0},  {32, 32, 1},   {511, 24, 21}, {-1, 32, -1}, {40, 32, 1},
        {7, -5, -2},     {0, -5, 0},   {10, -5, -2},  {65535, 1, 65535},
        {0, 0, 0},       {1, 0, 0},    {65535, 0, 0}, {-7, 0, 0},     {5, INT_MIN, -1},
    };
    for (const auto& c : cases) EXPECT_EQ(qv::cellOf(c.p, c.u), c.expected) << c.p << " / " << c.u;
}

}  // namespace
