// The database-backed list model's `at` against SQLite's ways to the n-th row of an order:
// OFFSET for any position, a stepped statement for the next one.
#pragma once

#include <cstdint>

namespace bench {

// "model/<operation>/<size>" and "sqlite/<operation>/<size>" for each operation.
void registerModel(std::uint32_t count);

}  // namespace bench
