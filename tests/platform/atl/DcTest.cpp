// Device context wrappers: managed ones give back what they hold when they go, handles do
// not; FillSolidRect and SaveDC/RestoreDC through the members.
#include <gtest/gtest.h>

#include "atl/atlgdi.h"
#include "atl/atlwin.h"

namespace {

class Canvas : public CWindowImpl<Canvas> {
public:
    BEGIN_MSG_MAP(Canvas)
    END_MSG_MAP()
};

bool isDc(HDC hdc) {
    DWORD type = GetObjectType(hdc);
    return type == OBJ_DC || type == OBJ_MEMDC;
}

TEST(AtlDcTest, ManagedDcIsDeletedAndHandleIsNot) {
    HDC managed = nullptr;
    {
        CDC dc;
        managed = dc.CreateCompatibleDC();
        EXPECT_TRUE(isDc(managed));
    }
    EXPECT_FALSE(isDc(managed));

    HDC borrowed = CreateCompatibleDC(nullptr);
    { CDCHandle handle(borrowed); }
    EXPECT_TRUE(isDc(borrowed));
    CDC owner(borrowed);
    EXPECT_EQ(owner.Detach(), borrowed);
    EXPECT_TRUE(isDc(borrowed));
    DeleteDC(borrowed);
}

TEST(AtlDcTest, WindowDcsAreReleasedAndPaintIsEnded) {
    Canvas canvas;
    ASSERT_TRUE(canvas.Create(nullptr, CRect(0, 0, 40, 30), u"", WS_POPUP | WS_VISIBLE));
    HDC client = nullptr, window = nullptr, paint = nullptr;
    { CClientDC dc(canvas); client = dc; EXPECT_TRUE(isDc(client)); }
    { CWindowDC dc(canvas); window = dc; EXPECT_TRUE(isDc(window)); }
    EXPECT_FALSE(isDc(client));
    EXPECT_FALSE(isDc(window));

    canvas.Invalidate();
    {
        CPaintDC dc(canvas);
        paint = dc;
        EXPECT_TRUE(isDc(paint));
    }
    EXPECT_FALSE(isDc(paint));
    RECT update;
    EXPECT_FALSE(GetUpdateRect(canvas, &update, FALSE));
    canvas.DestroyWindow();
}

TEST(AtlDcTest, FillSolidRectFillsOnlyTheRectangleAndKeepsTheBackgroundColour) {
    CDC dc;
    dc.CreateCompatibleDC();
    HBITMAP bitmap = CreateCompatibleBitmap(dc, 8, 8);
    HBITMAP old = dc.SelectBitmap(bitmap);
    dc.FillSolidRect(0, 0, 8, 8, RGB(255, 255, 255));
    dc.SetBkColor(RGB(1, 2, 3));
    dc.FillSolidRect(CRect(2, 2, 5, 4), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc, 2, 2), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc, 4, 3), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc, 5, 3), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(dc, 4, 4), RGB(255, 255, 255));
    EXPECT_EQ(dc.GetBkColor(), RGB(1, 2, 3));
    dc.SelectBitmap(old);
    DeleteObject(bitmap);
}

TEST(AtlDcTest, RestoreDcBringsBackSavedColoursAndSelections) {
    CDC dc;
    dc.CreateCompatibleDC();
    dc.SetTextColor(RGB(10, 20, 30));
    HGDIOBJ font = GetCurrentObject(dc, OBJ_FONT);
    int saved = dc.SaveDC();
    ASSERT_NE(saved, 0);
    dc.SetTextColor(RGB(200, 0, 0));
    dc.SelectStockFont(SYSTEM_FONT);
    dc.SetBkMode(TRANSPARENT);
    EXPECT_TRUE(dc.RestoreDC(saved));
    EXPECT_EQ(dc.GetTextColor(), RGB(10, 20, 30));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font);
    EXPECT_EQ(GetBkMode(dc), OPAQUE);
}

TEST(AtlDcTest, TextExtentCountsToTheTerminatorWhenCountIsMinusOne) {
    CDC dc;
    dc.CreateCompatibleDC();
    SIZE whole{}, counted{};
    EXPECT_TRUE(dc.GetTextExtent(u"Tahoma", -1, &whole));
    EXPECT_TRUE(dc.GetTextExtent(u"Tahoma", 6, &counted));
    EXPECT_GT(whole.cx, 0);
    EXPECT_EQ(whole.cx, counted.cx);
    EXPECT_GT(dc.GetDeviceCaps(LOGPIXELSY), 0);
}

}  // namespace
