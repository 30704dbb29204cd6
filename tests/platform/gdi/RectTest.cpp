// Rectangle helpers: exclusive right and bottom edges, and what the combining ones do with
// empty and partial overlaps.
#include "windows.h"

#include <gtest/gtest.h>

namespace {

bool is(const RECT& r, int left, int top, int right, int bottom) {
    return r.left == left && r.top == top && r.right == right && r.bottom == bottom;
}

TEST(Rect, PointsOnTheRightAndBottomEdgesAreOutside) {
    RECT r{0, 0, 2, 2};
    EXPECT_TRUE(PtInRect(&r, POINT{1, 1}));
    EXPECT_FALSE(PtInRect(&r, POINT{2, 1}));
    EXPECT_FALSE(PtInRect(&r, POINT{1, 2}));
    RECT line{0, 0, 5, 0};
    EXPECT_TRUE(IsRectEmpty(&line));
}

TEST(Rect, IntersectAndUnionIgnoreEmptyAndSayWhetherAnythingIsLeft) {
    RECT a{0, 0, 4, 4}, b{2, 2, 6, 6}, far{10, 10, 12, 12}, empty{}, out{};
    EXPECT_TRUE(IntersectRect(&out, &a, &b));
    EXPECT_TRUE(is(out, 2, 2, 4, 4));
    EXPECT_FALSE(IntersectRect(&out, &a, &far));
    EXPECT_TRUE(is(out, 0, 0, 0, 0));
    EXPECT_TRUE(UnionRect(&out, &empty, &b));
    EXPECT_TRUE(is(out, 2, 2, 6, 6));
    EXPECT_FALSE(UnionRect(&out, &empty, &empty));
}

TEST(Rect, SubtractOnlyCutsABandThatSpansTheWholeSide) {
    RECT a{0, 0, 4, 4}, out{};
    RECT top{-1, -1, 5, 1};
    EXPECT_TRUE(SubtractRect(&out, &a, &top));
    EXPECT_TRUE(is(out, 0, 1, 4, 4));
    RECT middle{1, 1, 3, 3};
    EXPECT_TRUE(SubtractRect(&out, &a, &middle));
    EXPECT_TRUE(is(out, 0, 0, 4, 4));
    RECT right{2, -5, 9, 9};
    EXPECT_TRUE(SubtractRect(&out, &a, &right));
    EXPECT_TRUE(is(out, 0, 0, 2, 4));
    RECT all{-1, -1, 5, 5};
    EXPECT_FALSE(SubtractRect(&out, &a, &all));
}

TEST(Rect, OffsetAndInflateMoveEveryEdge) {
    RECT r{};
    SetRect(&r, 1, 2, 3, 4);
    OffsetRect(&r, 1, -1);
    InflateRect(&r, 1, 2);
    EXPECT_TRUE(is(r, 1, -1, 5, 5));
    RECT copy{};
    CopyRect(&copy, &r);
    EXPECT_TRUE(EqualRect(&copy, &r));
    SetRectEmpty(&copy);
    EXPECT_FALSE(EqualRect(&copy, &r));
}

}  // namespace
