// The kernel object registry and CloseHandle.
#include <gtest/gtest.h>

#include "kernel/KernelObject.h"
#include "winbase.h"

namespace {

struct Probe : ce::kernel::KernelObject {
    explicit Probe(int* destroyed) : destroyed(destroyed) {}
    ~Probe() override { ++*destroyed; }
    int* destroyed;
};

TEST(KernelObject, CloseHandleDestroysTheObjectOnceAndStaleHandlesAreRefused) {
    int destroyed = 0;
    HANDLE first = ce::kernel::addObject(std::make_unique<Probe>(&destroyed));
    EXPECT_NE(ce::kernel::findObject<Probe>(first), nullptr);
    EXPECT_TRUE(CloseHandle(first));
    HANDLE second = ce::kernel::addObject(std::make_unique<Probe>(&destroyed));  // reuses the slot
    for (HANDLE bad : {first, HANDLE(nullptr), INVALID_HANDLE_VALUE}) {
        EXPECT_FALSE(CloseHandle(bad));
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    }
    EXPECT_EQ(destroyed, 1);
    EXPECT_TRUE(CloseHandle(second));
    EXPECT_EQ(destroyed, 2);
}

}  // namespace
