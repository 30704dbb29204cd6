// GetTextExtentExPointW and GetTextExtentPoint32W: sums of character advances, fit counts
// and partial widths that agree with them, surrogate pairs as one character.
#include <numeric>
#include <vector>

#include "platform/font/TextCanvas.h"

namespace fonttest {
namespace {

class TextExtentTest : public ::testing::Test {
protected:
    void SetUp() override {
        font = createFont(-12);
        canvas = std::make_unique<TextCanvas>(1, 1, font);
    }
    void TearDown() override {
        canvas.reset();
        deleteFont(font);
    }
    SIZE extent(std::u16string_view text) {
        SIZE size{};
        EXPECT_TRUE(GetTextExtentPoint32W(canvas->hdc(), text.data(), static_cast<int>(text.size()), &size));
        return size;
    }

    HFONT font = nullptr;
    std::unique_ptr<TextCanvas> canvas;
};

TEST_F(TextExtentTest, WidthIsTheSumOfTheCharactersAndHeightTheCell) {
    std::u16string text = u"Contacts: 12";
    int sum = 0;
    for (char16_t c : text) sum += extent(std::u16string(1, c)).cx;
    SIZE whole = extent(text);
    EXPECT_EQ(whole.cx, sum);
    EXPECT_EQ(whole.cy, 14);
    EXPECT_EQ(extent(u"").cx, 0);
    EXPECT_GT(extent(u"W").cx, extent(u"i").cx);  // proportional
}

TEST_F(TextExtentTest, FitCountAndPartialWidthsAgreeWithTheExtents) {
    std::u16string text = u"Telephone";
    std::vector<int> partial(text.size());
    int fit = -1;
    SIZE size{};
    int limit = extent(u"Tele").cx;
    ASSERT_TRUE(GetTextExtentExPointW(canvas->hdc(), text.c_str(), 9, limit, &fit, partial.data(), &size));
    EXPECT_EQ(fit, 4);  // exactly the width of "Tele" still fits
    for (size_t i = 0; i < text.size(); ++i) EXPECT_EQ(partial[i], extent(text.substr(0, i + 1)).cx) << i;
    EXPECT_EQ(size.cx, partial.back());

    ASSERT_TRUE(GetTextExtentExPointW(canvas->hdc(), text.c_str(), 9, limit - 1, &fit, nullptr, nullptr));
    EXPECT_EQ(fit, 3);
    ASSERT_TRUE(GetTextExtentExPointW(canvas->hdc(), text.c_str(), 9, 10000, &fit, nullptr, nullptr));
    EXPECT_EQ(fit, 9);
}

TEST_F(TextExtentTest, ASurrogatePairIsOneCharacterThatFitsWholeOrNotAtAll) {
    std::u16string text = u"a\U0001F600b";  // four units
    std::vector<int> partial(4);
    int fit = -1;
    ASSERT_TRUE(GetTextExtentExPointW(canvas->hdc(), text.c_str(), 4, 10000, &fit, partial.data(), nullptr));
    EXPECT_EQ(partial[1], partial[2]);
    EXPECT_GT(partial[2], partial[0]);  // the missing character still takes its default glyph's room
    ASSERT_TRUE(GetTextExtentExPointW(canvas->hdc(), text.c_str(), 4, partial[2] - 1, &fit, nullptr, nullptr));
    EXPECT_EQ(fit, 1);
}

TEST_F(TextExtentTest, BadArgumentsFail) {
    SIZE size{};
    EXPECT_FALSE(GetTextExtentPoint32W(canvas->hdc(), nullptr, 3, &size));
    EXPECT_FALSE(GetTextExtentPoint32W(canvas->hdc(), u"abc", -1, &size));
    EXPECT_FALSE(GetTextExtentPoint32W(nullptr, u"abc", 3, &size));
}

}  // namespace
}  // namespace fonttest
