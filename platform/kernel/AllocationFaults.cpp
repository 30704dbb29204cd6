// Test hook that makes chosen heap allocations fail, to drive out-of-memory paths.
#include "kernel/AllocationFaults.h"

#include "cetest.h"

namespace ce::kernel {

namespace {

constexpr unsigned c_forever = ~0u;

struct FaultPlan {
    HANDLE heap = nullptr;  // null: every heap
    unsigned skip = 0;
    unsigned count = 0;
    unsigned failed = 0;
};

FaultPlan s_plan;

bool applies(HANDLE heap) {
    return s_plan.heap == nullptr || s_plan.heap == heap;
}

}  // namespace

bool allocationRefused(HANDLE heap) {
    if (s_plan.count == 0 || s_plan.skip > 0 || !applies(heap)) return false;
    if (s_plan.count != c_forever) --s_plan.count;
    ++s_plan.failed;
    return true;
}

void allocationSucceeded(HANDLE heap) {
    if (s_plan.skip > 0 && applies(heap)) --s_plan.skip;
}

}  // namespace ce::kernel

namespace ce::test {

void failAllocations(HANDLE heap, unsigned skip, unsigned count) {
    kernel::s_plan = kernel::FaultPlan{heap, count ? skip : 0, count, 0};
}

void clearAllocationFaults() {
    kernel::s_plan = kernel::FaultPlan{};
}

unsigned failedAllocations() {
    return kernel::s_plan.failed;
}

}  // namespace ce::test
