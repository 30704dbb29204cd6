// COM initialisation counts per thread and keeps the first call's mode.
#include <gtest/gtest.h>

#include <thread>

#include "objbase.h"

namespace {

TEST(ComInit, FirstCallIsOkLaterOnesFalseAndAnotherModeIsRefusedUntilBalanced) {
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_FALSE);
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), RPC_E_CHANGED_MODE);
    HRESULT other = S_FALSE;
    std::thread([&] {
        other = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        CoUninitialize();
    }).join();
    EXPECT_EQ(other, S_OK);  // each thread has its own count and mode
    CoUninitialize();
    CoUninitialize();
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_OK);
    CoUninitialize();
}

}  // namespace
