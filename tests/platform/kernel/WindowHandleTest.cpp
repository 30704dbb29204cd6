// Window handles are unique among the user's processes: they carry the owner's process id
// above bit 32, stay even, and are never cut to 32 bits.
#include <unistd.h>

#include <gtest/gtest.h>

#include "windows.h"

namespace {

class WindowHandles : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.lpszClassName = u"HandleTest";
        ASSERT_NE(RegisterClassW(&wc), 0);
        m_owner = CreateWindowExW(0, u"HandleTest", u"owner", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        m_owned = CreateWindowExW(0, u"HandleTest", u"owned", WS_POPUP, 0, 0, 10, 10, m_owner, nullptr, nullptr,
                                  nullptr);
        ASSERT_NE(m_owned, nullptr);
    }
    void TearDown() override {
        DestroyWindow(m_owner);
        UnregisterClassW(u"HandleTest", nullptr);
    }

    HWND m_owner = nullptr;
    HWND m_owned = nullptr;
};

TEST_F(WindowHandles, CarryThisProcesssIdAndAreEven) {
    for (HWND hwnd : {m_owner, m_owned}) {
        auto value = reinterpret_cast<ULONG_PTR>(hwnd);
        EXPECT_EQ(value >> 32, static_cast<ULONG_PTR>(getpid()));
        EXPECT_EQ(value & 1, 0u);
    }
}

TEST_F(WindowHandles, TheSameSlotUnderAnotherProcesssIdIsNoWindowHere) {
    auto value = reinterpret_cast<ULONG_PTR>(m_owner);
    for (ULONG_PTR other : {value & 0xFFFFFFFFu, value ^ (ULONG_PTR{1} << 40), value + (ULONG_PTR{1} << 32)}) {
        HWND hwnd = reinterpret_cast<HWND>(other);
        EXPECT_FALSE(IsWindow(hwnd));
        WCHAR text[8] = {};
        EXPECT_EQ(GetWindowTextW(hwnd, text, 8), 0);
        EXPECT_FALSE(SetForegroundWindow(hwnd));
        EXPECT_FALSE(DestroyWindow(hwnd));
    }
    EXPECT_TRUE(IsWindow(m_owner));
}

TEST_F(WindowHandles, TheOwnerComesWholeOnlyThroughThePointerSizedCall) {
    EXPECT_EQ(GetWindowLongPtrW(m_owned, GWL_HWNDPARENT), reinterpret_cast<LONG_PTR>(m_owner));
    SetLastError(0);
    EXPECT_EQ(GetWindowLongW(m_owned, GWL_HWNDPARENT), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(GetParent(m_owned), m_owner);
}

}  // namespace
