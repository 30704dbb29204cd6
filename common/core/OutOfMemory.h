// The out-of-memory ladder shared by the heap allocators: empty the pools and retry, let
// the user free memory and retry, then give up for good.
#pragma once

namespace Nevo {

class OutOfMemory {
public:
    // Called after a first attempt failed; `attempt` retries (without zero-filling) and
    // returns the block or null. Never returns null: the last step ends the process.
    template <class Attempt>
    static void* recover(Attempt attempt) {
        purgePools();
        if (void* block = attempt()) return block;
        showDialog();
        if (void* block = attempt()) return block;
        giveUp();
    }

    static void purgePools();
    static void showDialog();
    // Debug::abort("No memory"), then the process ends with exit code 1.
    [[noreturn]] static void giveUp();
};

}  // namespace Nevo
