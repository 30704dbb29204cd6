// The hooks run before a thread waits.
#include "kernel/IdleHooks.h"

#include <algorithm>
#include <vector>

namespace ce::kernel {

namespace {

std::vector<IdleHook>& hooks() {
    static std::vector<IdleHook> added;
    return added;
}

}  // namespace

void addIdleHook(IdleHook hook) {
    if (std::find(hooks().begin(), hooks().end(), hook) == hooks().end()) hooks().push_back(hook);
}

void runIdleHooks() {
    for (IdleHook hook : hooks()) hook();
}

}  // namespace ce::kernel
