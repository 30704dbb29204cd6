// The resource loader: the primary module first, then the fallback for strings and bitmaps,
// never for menus. The test library is the primary module, this program the fallback.
#include <gtest/gtest.h>

#include "app/ResourceLoader.h"
#include "ceresource.h"
#include "common_bitmaps.h"
#include "platform/resource/TestResourceIds.h"

extern "C" HINSTANCE resourceTestModuleInstance();

using namespace Nevo;

namespace {

constexpr UINT IDS_PROGRAM_ONLY = 41000;
constexpr UINT IDB_PROGRAM_ONLY = 210;

const ce::res::StringResource c_strings[] = {
    {IDS_GREETING, u"Hello from the program"},
    {IDS_PROGRAM_ONLY, u"Only the program has this"},
};
const ce::res::BitmapResource c_bitmaps[] = {{IDB_PROGRAM_ONLY, common_bitmaps::program_picture}};
const ce::res::IconResource c_icons[] = {{IDI_MARK, common_bitmaps::icon_image, common_bitmaps::icon_mask}};
const ce::res::MenuItem c_menuItems[] = {{u"Open", IDM_OPEN}};
const ce::res::MenuResource c_menus[] = {{IDR_MAIN_MENU, c_menuItems}};
const ce::res::ModuleResources c_resources{.strings = c_strings, .bitmaps = c_bitmaps, .icons = c_icons,
                                             .menus = c_menus};
const ce::res::ModuleRegistration c_registration(c_resources);

class ResourceLoaderTest : public ::testing::Test {
protected:
    ResourceLoaderTest() : m_loader(resourceTestModuleInstance()) { m_loader.setFallback(c_registration.module()); }

    ResourceLoader m_loader;
};

std::u16string text(LPCWSTR string) {
    return string ? std::u16string(string) : u"(null)";
}

}  // namespace

TEST_F(ResourceLoaderTest, StringsComeFromThePrimaryModuleFirstThenTheFallback) {
    EXPECT_EQ(text(m_loader.loadString(IDS_GREETING)), u"Hello from the module");
    // The fallback's own text, not a copy; ids are 16-bit.
    EXPECT_EQ(m_loader.loadString(0x10000 | IDS_PROGRAM_ONLY), c_strings[1].text);
    EXPECT_EQ(m_loader.loadString(IDS_UNKNOWN), nullptr);
    ResourceLoader alone(resourceTestModuleInstance());
    EXPECT_EQ(alone.getFallback(), nullptr);
    EXPECT_EQ(alone.loadString(IDS_PROGRAM_ONLY), nullptr);
}

TEST_F(ResourceLoaderTest, BitmapsAndIconsFallBackButMenusNever) {
    HICON icon = m_loader.loadIcon(IDI_MARK);
    EXPECT_NE(icon, nullptr);
    DestroyIcon(icon);
    HBITMAP bitmap = m_loader.loadBitmap(IDB_PROGRAM_ONLY);
    EXPECT_NE(bitmap, nullptr);
    DeleteObject(bitmap);
    EXPECT_EQ(m_loader.loadBitmap(IDB_PROGRAM_ONLY + 1), nullptr);
    EXPECT_EQ(m_loader.loadMenu(IDR_MAIN_MENU), nullptr);
    HMENU menu = ResourceLoader(GetModuleHandleW(nullptr)).loadMenu(IDR_MAIN_MENU);
    EXPECT_NE(menu, nullptr);
    DestroyMenu(menu);
}
