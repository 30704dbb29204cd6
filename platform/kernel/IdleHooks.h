// Work a thread does just before it waits: what it holds only while it is busy (a read
// transaction kept open between calls) is let go, so that an idle program holds up no one.
#pragma once

namespace ce::kernel {

using IdleHook = void (*)();
// Adds a hook; adding the same one twice keeps one.
void addIdleHook(IdleHook hook);
// Called by every wait for messages or time, on the waiting thread.
void runIdleHooks();

}  // namespace ce::kernel
