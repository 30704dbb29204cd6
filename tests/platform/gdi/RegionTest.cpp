// Region arithmetic: the area is what counts, whatever the split into rectangles.
#include <gtest/gtest.h>

#include "gwe/gdi/Region.h"
#include "wingdi.h"

namespace {

using ce::gdi::Region;

long long area(const Region& region) {
    long long total = 0;
    for (const RECT& r : region.rects()) total += static_cast<long long>(r.right - r.left) * (r.bottom - r.top);
    return total;
}

TEST(RegionTest, SubtractingAHoleLeavesAFrameOfTheRightArea) {
    Region region(RECT{0, 0, 10, 10});
    region.subtract(RECT{3, 3, 7, 7});
    EXPECT_EQ(area(region), 100 - 16);
    EXPECT_FALSE(region.contains({5, 5}));
    EXPECT_TRUE(region.contains({0, 9}));
    EXPECT_EQ(region.complexity(), COMPLEXREGION);
    region.unite(RECT{3, 3, 7, 7});
    EXPECT_EQ(region, Region(RECT{0, 0, 10, 10}));
    EXPECT_EQ(region.complexity(), SIMPLEREGION);
}

TEST(RegionTest, UnionCountsOverlapsOnceAndBoundsCoverBoth) {
    Region region(RECT{0, 0, 10, 10});
    region.unite(RECT{5, 5, 15, 15});
    EXPECT_EQ(area(region), 100 + 100 - 25);
    RECT box = region.bounds();
    EXPECT_EQ((std::vector<LONG>{box.left, box.top, box.right, box.bottom}), (std::vector<LONG>{0, 0, 15, 15}));
}

TEST(RegionTest, IntersectionAndEmptyRectanglesBehave) {
    Region region(RECT{0, 0, 10, 10});
    region.unite(RECT{20, 0, 30, 10});
    Region other(RECT{5, 5, 25, 6});
    region.intersect(other);
    EXPECT_EQ(area(region), 5 + 5);
    EXPECT_TRUE(Region(RECT{5, 5, 5, 9}).empty());
    region.intersect(RECT{100, 100, 200, 200});
    EXPECT_TRUE(region.empty());
    EXPECT_EQ(region.complexity(), NULLREGION);
    RECT none = region.bounds();
    EXPECT_EQ(none.right, 0);
}

TEST(RegionTest, OffsetMovesEveryRectangle) {
    Region region(RECT{0, 0, 2, 2});
    region.offset(10, -5);
    EXPECT_TRUE(region.contains({11, -4}));
    EXPECT_FALSE(region.contains({1, 1}));
    EXPECT_TRUE(region.intersects(RECT{11, -4, 12, -3}));
}

}  // namespace
