// The last error is kept per thread.
#include <gtest/gtest.h>

#include <thread>

#include "winbase.h"

TEST(LastError, EachThreadKeepsItsOwnValue) {
    SetLastError(ERROR_INVALID_HANDLE);
    DWORD seenByOther = 1;
    std::thread([&] {
        seenByOther = GetLastError();
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    }).join();
    EXPECT_EQ(seenByOther, static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}
