#include <gtest/gtest.h>

#include "kvarray.h"
#include "kvstring.h"

namespace {

TEST(KvArray, BoundsGiveOneMoreElementPerDimension)
{
    KVARRAY<int> single;
    EXPECT_EQ(single.Count(), 1u);

    KVARRAY<int> four(3);
    EXPECT_EQ(four.Count(), 4u);
    EXPECT_EQ(four.GetExtent(0), 4);
    EXPECT_EQ(four.GetExtent(1), 1);
    four.Item(3) = 42;
    EXPECT_EQ(four.Item(3), 42);

    KVARRAY<int> eight(1, 1, 1, 1, 1, 1, 1, 1);
    EXPECT_EQ(eight.Count(), 256u);
}

TEST(KvArray, ElementsAreRowMajor)
{
    KVARRAY<int> grid(2, 4);  // extents 3 and 5
    for (int i = 0; i <= 2; ++i)
        for (int j = 0; j <= 4; ++j)
            grid.Item(i, j) = i * 5 + j;
    // Element (1, 2) is the eighth element: position 7.
    EXPECT_EQ(grid.Item(1, 2), 7);
    const int *first = &grid.Item(0, 0);
    EXPECT_EQ(&grid.Item(1, 2) - first, 7);
    EXPECT_EQ(&grid.Item(2, 4) - first, 14);

    KVARRAY<int> cube(1, 2, 3);  // extents 2, 3, 4
    EXPECT_EQ(&cube.Item(1, 2, 3) - &cube.Item(0, 0, 0), 1 * 12 + 2 * 4 + 3);
}

TEST(KvArray, ResizeDiscardsOldElements)
{
    KVARRAY<KVSTRING> names(2);
    names.Item(0) = "a";
    names.Item(2) = "c";
    names.Resize(5);
    EXPECT_EQ(names.Count(), 6u);
    for (int i = 0; i <= 5; ++i)
        EXPECT_EQ(names.Item(i).Len(), 0) << i;
}

#ifndef NDEBUG
TEST(KvArrayDeathTest, IndexOutsideItsExtentIsCaught)
{
    KVARRAY<int> small(2);
    EXPECT_DEATH(small.Item(3), "outside");
    EXPECT_DEATH(small.Item(-1), "outside");
    EXPECT_DEATH(small.Item(0, 1), "outside");
}
#endif

}  // namespace
