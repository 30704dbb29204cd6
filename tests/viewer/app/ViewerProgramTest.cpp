// Running the program: a frame window that cannot be made is reported, and the exit code says
// the run failed.
#include <gtest/gtest.h>

#include "app/ViewerProgram.h"
#include "viewer/support/ScreenHelpers.h"
#include "viewer/support/ViewerTest.h"

namespace {

class ViewerProgramTest : public viewer_test::ViewerTest {};

TEST_F(ViewerProgramTest, AFrameThatCannotBeMadeIsReportedAndExitsWithOne) {
    // Another class already holds the frame's class name.
    WNDCLASSW taken{0, DefWindowProcW, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, u"Orvane"};
    ASSERT_TRUE(RegisterClassW(&taken));
    m_answer = IDOK;
    EXPECT_EQ(Orvane::runViewer(SW_SHOW), 1);
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes[0].text.rfind(u"::Run: Error ", 0), 0u);
    EXPECT_EQ(m_boxes[0].caption, u"Error");
    UnregisterClassW(u"Orvane", nullptr);
    viewer_test::pump();
}

}  // namespace
