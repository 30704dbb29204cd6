// The steps of the out-of-memory ladder that the heap allocators share.
#include "core/OutOfMemory.h"

#include <cstdio>
#include <cstdlib>

#include <aygshell.h>

#include "core/Debug.h"
#include "core/Sequence.h"
#include "core/StringBuffer.h"

namespace Nevo {

void OutOfMemory::purgePools() {
    str_purgepool();
    Sequence::purgePool();
}

void OutOfMemory::showDialog() {
    SHShowOutOfMemory(nullptr, 0);
}

void OutOfMemory::giveUp() {
    Debug::abort(u"No memory");
    // Debug::abort only asks the message loop to end, and callers of the allocators do not
    // check for null: end the process here (code 1, as the quit request says) so that no
    // caller ever uses the missing block. exit() still runs the library's unload.
    std::fflush(nullptr);
    std::exit(1);
}

}  // namespace Nevo
