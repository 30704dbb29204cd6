// Tree questions: parents, owners, descendants, control ids, class names, the active slot.
#include "platform/gwe/MessageRecorder.h"

namespace gwetest {
namespace {

class WindowQueriesTest : public WindowTest {};

TEST_F(WindowQueriesTest, ParentIsTheParentOfAChildAndTheOwnerOfAPopup) {
    HWND top = create("top");
    HWND child = create("child", top, 0, 3);
    HWND grandchild = create("grandchild", child);
    HWND popup = CreateWindowExW(0, c_className, u"", WS_POPUP, 0, 0, 1, 1, top, nullptr, nullptr, nullptr);
    HWND overlapped = CreateWindowExW(0, c_className, u"", 0, 0, 0, 1, 1, top, nullptr, nullptr, nullptr);
    EXPECT_EQ(GetParent(child), top);
    EXPECT_EQ(GetParent(popup), top);
    EXPECT_EQ(GetParent(overlapped), nullptr);
    EXPECT_EQ(GetParent(top), nullptr);
    EXPECT_TRUE(IsChild(top, grandchild));
    EXPECT_FALSE(IsChild(top, popup));
    EXPECT_FALSE(IsChild(child, top));
    EXPECT_EQ(GetDlgItem(top, 3), child);
    EXPECT_EQ(GetDlgItem(top, 4), nullptr);
    DestroyWindow(top);
    EXPECT_FALSE(IsWindow(popup));
    EXPECT_FALSE(IsWindow(overlapped));
}

TEST_F(WindowQueriesTest, ClassNameIsCutToTheBuffer) {
    HWND w = create("w");
    WCHAR name[9];
    EXPECT_EQ(GetClassNameW(w, name, 9), 8);
    EXPECT_EQ(std::u16string(name), u"Recorded");
}

TEST_F(WindowQueriesTest, ActiveWindowSlotRefusesStaleWindows) {
    HWND w = create("w");
    EXPECT_EQ(SetActiveWindow(w), nullptr);
    EXPECT_EQ(GetActiveWindow(), w);
    HWND gone = create("gone");
    DestroyWindow(gone);
    EXPECT_EQ(SetActiveWindow(gone), nullptr);
    EXPECT_EQ(GetActiveWindow(), w);
    DestroyWindow(w);
    EXPECT_EQ(GetActiveWindow(), nullptr);
}

}  // namespace
}  // namespace gwetest
