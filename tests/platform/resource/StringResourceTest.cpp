// LoadStringW: each module's own strings, truncation, the no-buffer form, unknown ids.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "platform/resource/TestModule.h"
#include "platform/resource/TestResourceIds.h"
#include "windows.h"

namespace {

std::u16string loadString(HINSTANCE instance, UINT id) {
    WCHAR buffer[100];
    int length = LoadStringW(instance, id, buffer, 100);
    return std::u16string(buffer, length);
}

TEST(StringResources, TheSameIdGivesEachModulesOwnText) {
    TestModule module;
    ASSERT_NE(module.instance(), nullptr);
    EXPECT_EQ(loadString(GetModuleHandleW(nullptr), IDS_GREETING), u"Hello from the program");
    EXPECT_EQ(loadString(module.instance(), IDS_GREETING), u"Hello from the module");
    EXPECT_EQ(loadString(GetModuleHandleW(u"resource_test_module.dll"), IDS_GREETING), u"Hello from the module");
}

TEST(StringResources, ALongStringIsCutToTheBufferAndTerminated) {
    HINSTANCE program = GetModuleHandleW(nullptr);
    WCHAR buffer[8] = {};
    std::fill(std::begin(buffer), std::end(buffer), u'#');
    EXPECT_EQ(LoadStringW(program, IDS_GREETING, buffer, 6), 5);
    EXPECT_EQ(std::u16string(buffer), u"Hello");
    EXPECT_EQ(buffer[6], u'#');

    EXPECT_EQ(LoadStringW(program, IDS_GREETING, buffer, 1), 0);
    EXPECT_EQ(buffer[0], 0);
}

TEST(StringResources, WithoutABufferSizeTheBufferGetsTheResourcesOwnTerminatedText) {
    HINSTANCE program = GetModuleHandleW(nullptr);
    LPCWSTR text = nullptr;
    int length = LoadStringW(program, IDS_GREETING, reinterpret_cast<LPWSTR>(&text), 0);
    ASSERT_EQ(length, 22);
    EXPECT_EQ(std::u16string(text), u"Hello from the program");
    EXPECT_EQ(text[length], 0);
    LPCWSTR again = nullptr;
    LoadStringW(program, IDS_GREETING, reinterpret_cast<LPWSTR>(&again), 0);
    EXPECT_EQ(again, text);
}

TEST(StringResources, AnUnknownIdFailsWithResourceNameNotFound) {
    TestModule module;
    WCHAR buffer[10] = {u'x'};
    SetLastError(0);
    EXPECT_EQ(LoadStringW(GetModuleHandleW(nullptr), IDS_UNKNOWN, buffer, 10), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_NAME_NOT_FOUND));
    EXPECT_EQ(buffer[0], 0);
    // The module's ids are not the program's.
    EXPECT_EQ(LoadStringW(GetModuleHandleW(nullptr), IDS_MODULE_ONLY, buffer, 10), 0);
    EXPECT_EQ(loadString(module.instance(), IDS_MODULE_ONLY), u"Only the module has this");
}

TEST(StringResources, AnInstanceWithoutATableFailsWithResourceDataNotFound) {
    WCHAR buffer[10];
    SetLastError(0);
    EXPECT_EQ(LoadStringW(nullptr, IDS_GREETING, buffer, 10), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_DATA_NOT_FOUND));
}

TEST(StringResources, AModulesTablesAreSearchedInTheOrderTheyWereRegistered) {
    TestModule module;
    EXPECT_EQ(loadString(module.instance(), IDS_SECOND_TABLE), u"From the second table");
    EXPECT_EQ(loadString(module.instance(), IDS_GREETING), u"Hello from the module");
}

TEST(StringResources, UnloadingAModuleTakesItsTablesAway) {
    TestModule module;
    HINSTANCE instance = module.instance();
    ASSERT_EQ(loadString(instance, IDS_SECOND_TABLE), u"From the second table");
    module.unload();
    WCHAR buffer[10];
    EXPECT_EQ(LoadStringW(instance, IDS_SECOND_TABLE, buffer, 10), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_DATA_NOT_FOUND));
}

}  // namespace
