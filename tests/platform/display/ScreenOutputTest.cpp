// What scripts write about the screen: the text dump's line format and files, and
// screenshots as PNG files of the screen's size.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>

#include "display/ScreenTextDump.h"
#include "display/Screenshot.h"
#include "gwe/Screen.h"
#include "support/ScratchFolder.h"

namespace ce::display {
namespace {

std::string readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

std::uint32_t bigEndian(const std::string& bytes, size_t at) {
    std::uint32_t value = 0;
    for (size_t i = 0; i < 4; ++i) value = value << 8 | static_cast<unsigned char>(bytes.at(at + i));
    return value;
}

TEST(ScreenTextDumpTest, EachRunIsItsRectangleATabAndItsTextInUtf8) {
    std::vector<gwe::TextRun> runs = {{RECT{12, 30, 66, 43}, nullptr, u"Databases"},
                                      {RECT{0, 300, 240, 320}, nullptr, u"Gr\u00f6\u00dfe \u20ac"}};
    EXPECT_EQ(ScreenTextDump::format(runs), "12, 30, 54, 13\tDatabases\n0, 300, 240, 20\tGröße €\n");
    EXPECT_EQ(ScreenTextDump::format({}), "");
}

TEST(ScreenTextDumpTest, WritesAFileWholeOrReportsWhyNot) {
    test_support::ScratchFolder folder("display-dump");
    std::string error;
    ASSERT_TRUE(ScreenTextDump::write(folder.file("screen.txt"), error)) << error;
    EXPECT_EQ(readFile(folder.file("screen.txt")), ScreenTextDump::current());
    EXPECT_FALSE(std::filesystem::exists(folder.file("screen.txt.partial")));
    EXPECT_FALSE(ScreenTextDump::write(folder.file("missing/screen.txt"), error));
    EXPECT_NE(error.find("missing/screen.txt"), std::string::npos) << error;
}

TEST(ScreenshotTest, WritesThePngOfTheWholeScreen) {
    test_support::ScratchFolder folder("display-shot");
    std::string error;
    ASSERT_TRUE(saveScreenshot(folder.file("screen.png"), error)) << error;
    std::string png = readFile(folder.file("screen.png"));
    ASSERT_GT(png.size(), 24u);
    EXPECT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
    EXPECT_EQ(png.substr(12, 4), "IHDR");
    EXPECT_EQ(bigEndian(png, 16), std::uint32_t(gwe::Screen::instance().width()));
    EXPECT_EQ(bigEndian(png, 20), std::uint32_t(gwe::Screen::instance().height()));
    EXPECT_FALSE(saveScreenshot(folder.file("missing/screen.png"), error));
    EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace ce::display
