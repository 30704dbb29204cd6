// Modules: HINSTANCEs of the program and a loaded library, found by name or by an address.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "ceresource.h"
#include "platform/resource/TestModule.h"
#include "windows.h"

namespace {

constexpr DWORD c_pathSize = 1024;
int s_programData = 0;

std::u16string fileNameOf(HMODULE module) {
    WCHAR path[c_pathSize];
    DWORD length = GetModuleFileNameW(module, path, c_pathSize);
    return std::u16string(path, length);
}

bool endsWith(const std::u16string& text, std::u16string_view suffix) {
    return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

TEST(Modules, TheNullNameIsTheProgramThatHoldsItsOwnCodeAndData) {
    HMODULE program = GetModuleHandleW(nullptr);
    ASSERT_NE(program, nullptr);
    EXPECT_EQ(ce::moduleOf(&s_programData), program);
    EXPECT_EQ(ce::moduleOf(reinterpret_cast<const void*>(&fileNameOf)), program);
    EXPECT_TRUE(endsWith(fileNameOf(nullptr), u"/platform_tests"));
    EXPECT_EQ(fileNameOf(program), fileNameOf(nullptr));
}

TEST(Modules, AnAddressOutsideEveryModuleHasNoModule) {
    auto heap = std::make_unique<int>(0);
    EXPECT_EQ(ce::moduleOf(heap.get()), nullptr);
    EXPECT_EQ(ce::moduleOf(nullptr), nullptr);
}

TEST(Modules, ALibraryIsFoundByItsFileNameWithOrWithoutFolderExtensionOrPrefix) {
    TestModule module;
    HINSTANCE instance = module.instance();
    ASSERT_NE(instance, nullptr);
    EXPECT_NE(instance, GetModuleHandleW(nullptr));
    EXPECT_EQ(ce::moduleOf(module.symbol("resourceTestModuleInstance")), instance);
    for (LPCWSTR name : {u"libresource_test_module.so", u"LibResource_Test_Module.SO", u"libresource_test_module",
                         u"resource_test_module.dll", u"resource_test_module", u"\\Windows\\resource_test_module.dll",
                         u"/elsewhere/libresource_test_module.so"}) {
        EXPECT_EQ(GetModuleHandleW(name), instance) << ce::toUtf8(name);
    }
}

TEST(Modules, ANameMustMatchTheWholeFileName) {
    TestModule module;
    ASSERT_NE(module.instance(), nullptr);
    for (LPCWSTR name : {u"resource_test", u"resource_test_module.so.dll", u"libresource_test_module.exe.so",
                         u"lib", u"", u"nosuchmodule.dll"}) {
        SetLastError(0);
        EXPECT_EQ(GetModuleHandleW(name), nullptr) << ce::toUtf8(name);
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
    }
}

TEST(Modules, TheProgramAndThePlatformAreFoundByTheirHandheldNames) {
    EXPECT_EQ(GetModuleHandleW(u"platform_tests.exe"), GetModuleHandleW(nullptr));
    HMODULE platform = GetModuleHandleW(u"ceplatform.dll");
    ASSERT_NE(platform, nullptr);
    EXPECT_TRUE(endsWith(fileNameOf(platform), u"/libceplatform.so"));
}

TEST(Modules, AnUnloadedLibraryIsNoLongerFound) {
    TestModule module;
    HINSTANCE instance = module.instance();
    ASSERT_NE(GetModuleHandleW(u"resource_test_module.dll"), nullptr);
    module.unload();
    EXPECT_EQ(GetModuleHandleW(u"resource_test_module.dll"), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
    WCHAR path[c_pathSize];
    EXPECT_EQ(GetModuleFileNameW(instance, path, c_pathSize), 0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
}

TEST(Modules, FileNameIsTheLibrarysPathAndIsCutToTheBuffer) {
    TestModule module;
    std::u16string path = fileNameOf(module.instance());
    EXPECT_EQ(path, ce::fromUtf8(RESOURCE_TEST_MODULE));

    WCHAR small[6] = {u'x', u'x', u'x', u'x', u'x', u'x'};
    SetLastError(0);
    EXPECT_EQ(GetModuleFileNameW(module.instance(), small, 5), 5u);
    EXPECT_EQ(std::u16string(small), path.substr(0, 4));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
}

}  // namespace
