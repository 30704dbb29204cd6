// The per-user folder where processes of one user meet: named objects and published windows.
// $CE_RUNTIME_DIR when set (tests use their own), else $XDG_RUNTIME_DIR/orvane, else
// /tmp/orvane-<uid>. Created mode 0700; one owned by someone else or open to others is refused.
#pragma once

#include <string>

namespace ce::kernel {

// The folder, created when missing; "" with the last error set (ERROR_ACCESS_DENIED for an
// unsafe folder) when it cannot be used.
std::string runtimeDirectory();

}  // namespace ce::kernel
