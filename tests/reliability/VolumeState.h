// What a volume holds, as the object store calls read it: every database's header, count,
// size and records in every one of its orders, as one text to compare.
#pragma once

#include <string>

#include "Sweep.h"

namespace sweep {

// Reads the named volume through the store of this process; an unreadable volume gives a
// text that says so.
std::string volumeState();
// SQLite's own check of the file, opened apart from the store: "ok" or what it found.
std::string integrity(const std::string& volume);
// The out-of-memory codes the store sets.
bool isOutOfMemory(unsigned long code);
// A step's result from a call's success and the last error.
StepResult resultOf(bool succeeded, std::string shown = {});

}  // namespace sweep
