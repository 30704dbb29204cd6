// One-line reasons for failed object store calls, as cedb prints them.
#pragma once

#include <string>

#include "windef.h"

namespace cedb {

// The reason for a last-error code.
std::string errorText(DWORD code);
// Why the last call failed: the volume's own reason when it gave one, else the last error's.
std::string lastFailure();

}  // namespace cedb
