// nevo_ui's module object and resources: programs borrow its strings through their resource
// loader's fallback.
#include <gtest/gtest.h>

#include <string>

#include "UiModule.h"
#include "UiResourceIds.h"
#include "app/ResourceLoader.h"

using namespace Nevo;

TEST(UiModuleTest, LocalModuleIsTheLibrarysOwn) {
    CAppModule module = nevo_ui_getLocalModule();
    EXPECT_EQ(module.GetModuleInstance(), GetModuleHandleW(u"nevo_ui.dll"));
    EXPECT_NE(module.GetModuleInstance(), GetModuleHandleW(nullptr));
}

TEST(UiModuleTest, ProgramsFindHomeAndEndThroughTheFallback) {
    ResourceLoader loader(GetModuleHandleW(nullptr));
    EXPECT_EQ(loader.loadString(IDS_HOME), nullptr);
    loader.setFallback(nevo_ui_getLocalModule().GetModuleInstance());
    ASSERT_NE(loader.loadString(IDS_HOME), nullptr);
    EXPECT_EQ(std::u16string(loader.loadString(IDS_HOME)), u"Home");
    EXPECT_EQ(std::u16string(loader.loadString(IDS_END)), u"End");
    HBITMAP arrow = loader.loadBitmap(IDB_ARROW_DOWN_16);
    EXPECT_NE(arrow, nullptr);
    DeleteObject(arrow);
}
