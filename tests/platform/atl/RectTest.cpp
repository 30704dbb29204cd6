// CPoint, CSize and CRect arithmetic, with Win32's half-open rectangles.
#include <gtest/gtest.h>

#include "atl/atltypes.h"

namespace {

TEST(AtlRectTest, SizeAndPointsOfARectangle) {
    CRect rect(10, 20, 50, 80);
    EXPECT_EQ(rect.Width(), 40);
    EXPECT_EQ(rect.Height(), 60);
    EXPECT_EQ(rect.Size(), CSize(40, 60));
    EXPECT_EQ(rect.TopLeft(), CPoint(10, 20));
    EXPECT_EQ(rect.BottomRight(), CPoint(50, 80));
    EXPECT_EQ(rect.CenterPoint(), CPoint(30, 50));
    EXPECT_EQ(CRect(CPoint(10, 20), CSize(40, 60)), rect);
}

TEST(AtlRectTest, RightAndBottomEdgesAreOutside) {
    CRect rect(0, 0, 10, 10);
    EXPECT_TRUE(rect.PtInRect(CPoint(0, 0)));
    EXPECT_TRUE(rect.PtInRect(CPoint(9, 9)));
    EXPECT_FALSE(rect.PtInRect(CPoint(10, 5)));
    EXPECT_FALSE(rect.PtInRect(CPoint(5, 10)));
    EXPECT_TRUE(CRect(5, 5, 5, 9).IsRectEmpty());
    EXPECT_TRUE(CRect(5, 9, 6, 2).IsRectEmpty());
    EXPECT_FALSE(CRect(5, 9, 5, 9).IsRectNull());
    EXPECT_TRUE(CRect().IsRectNull());
}

TEST(AtlRectTest, OffsetInflateAndDeflate) {
    CRect rect(10, 10, 20, 20);
    rect.OffsetRect(5, -5);
    EXPECT_EQ(rect, CRect(15, 5, 25, 15));
    rect.InflateRect(2, 3);
    EXPECT_EQ(rect, CRect(13, 2, 27, 18));
    rect.DeflateRect(1, 2, 3, 4);
    EXPECT_EQ(rect, CRect(14, 4, 24, 14));
    rect.InflateRect(1, 2, 3, 4);
    EXPECT_EQ(rect, CRect(13, 2, 27, 18));
    rect += CPoint(1, 1);
    EXPECT_EQ(rect, CRect(14, 3, 28, 19));
    rect -= CSize(4, 3);
    EXPECT_EQ(rect, CRect(10, 0, 24, 16));
    rect.MoveToXY(0, 0);
    EXPECT_EQ(rect, CRect(0, 0, 14, 16));
}

TEST(AtlRectTest, IntersectionAndUnion) {
    CRect a(0, 0, 10, 10), b(5, 5, 15, 20);
    EXPECT_EQ(a & b, CRect(5, 5, 10, 10));
    EXPECT_EQ(a | b, CRect(0, 0, 15, 20));
    CRect apart;
    EXPECT_FALSE(apart.IntersectRect(a, CRect(20, 20, 30, 30)));
    EXPECT_TRUE(apart.IsRectEmpty());
    a &= b;
    EXPECT_EQ(a, CRect(5, 5, 10, 10));
}

TEST(AtlRectTest, NormalizeAndAssignment) {
    CRect rect(30, 40, 10, 20);
    rect.NormalizeRect();
    EXPECT_EQ(rect, CRect(10, 20, 30, 40));
    RECT plain{1, 2, 3, 4};
    rect = plain;
    EXPECT_EQ(rect, CRect(1, 2, 3, 4));
    EXPECT_NE(rect, CRect(1, 2, 3, 5));
}

TEST(AtlRectTest, PointFromMessageCoordinatesIsSigned) {
    CPoint point(MAKELPARAM(-3, 70));
    EXPECT_EQ(point, CPoint(-3, 70));
    EXPECT_EQ(CPoint(5, 7) - CPoint(2, 3), CSize(3, 4));
    EXPECT_EQ(CPoint(5, 7) + CSize(1, 1), CPoint(6, 8));
}

}  // namespace
