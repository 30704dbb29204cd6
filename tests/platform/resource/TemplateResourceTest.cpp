// Menu and dialog templates and accelerator tables read back from a module's table.
#include <gtest/gtest.h>

#include "gwe/resource/AcceleratorTable.h"
#include "gwe/resource/ResourceRegistry.h"
#include "platform/resource/TestModule.h"
#include "platform/resource/TestResourceIds.h"
#include "windows.h"

namespace {

TEST(TemplateResources, AMenuTemplateKeepsItsNestedPopups) {
    const ce::res::MenuResource* menu = ce::res::findMenu(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAIN_MENU));
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->items.size(), 1u);
    const ce::res::MenuItem& file = menu->items[0];
    EXPECT_EQ(file.flags, static_cast<UINT>(MF_POPUP));
    ASSERT_EQ(file.popup.size(), 4u);
    EXPECT_EQ(file.popup[0].id, static_cast<UINT>(IDM_OPEN));
    EXPECT_EQ(file.popup[2].flags, static_cast<UINT>(MF_SEPARATOR));
    EXPECT_EQ(file.popup[3].flags, static_cast<UINT>(MF_GRAYED));
    ASSERT_EQ(file.popup[1].popup.size(), 1u);
    EXPECT_EQ(std::u16string(file.popup[1].popup[0].text), u"By &name");
}

TEST(TemplateResources, ADialogTemplateKeepsItsControlsInOrder) {
    const ce::res::DialogResource* dialog = ce::res::findDialog(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_ABOUT));
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(std::u16string(dialog->caption), u"About");
    EXPECT_EQ(dialog->fontPoints, 8);
    EXPECT_EQ(dialog->cx, 140);
    ASSERT_EQ(dialog->controls.size(), 2u);
    EXPECT_EQ(std::u16string(dialog->controls[1].className), u"BUTTON");
    EXPECT_EQ(dialog->controls[1].id, static_cast<UINT>(IDOK));
    EXPECT_EQ(dialog->controls[1].y, 60);
}

TEST(TemplateResources, TemplatesAreFoundOnlyInTheirOwnModule) {
    TestModule module;
    EXPECT_EQ(ce::res::findMenu(module.instance(), MAKEINTRESOURCEW(IDR_MAIN_MENU)), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_NAME_NOT_FOUND));
    EXPECT_EQ(ce::res::findDialog(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAIN_MENU)), nullptr);
}

TEST(TemplateResources, AnAcceleratorTableReadsBackItsEntries) {
    HACCEL accelerators = LoadAcceleratorsW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDA_MAIN));
    ASSERT_NE(accelerators, nullptr);
    const std::vector<ACCEL>* entries = ce::res::acceleratorEntries(accelerators);
    ASSERT_NE(entries, nullptr);
    ASSERT_EQ(entries->size(), 2u);
    EXPECT_EQ((*entries)[1].fVirt, FVIRTKEY | FCONTROL | FSHIFT);
    EXPECT_EQ((*entries)[1].key, 'Q');
    EXPECT_EQ((*entries)[1].cmd, IDM_EXIT);

    EXPECT_EQ(ce::res::acceleratorEntries(reinterpret_cast<HACCEL>(0x7777)), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    EXPECT_EQ(LoadAcceleratorsW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAIN_MENU)), nullptr);
}

}  // namespace
