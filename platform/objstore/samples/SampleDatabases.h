// The databases of a fresh Pocket PC, made through the object store calls: what the default
// volume holds on first use and what `cedb init --sample` writes.
#pragma once

namespace ce::objstore {

// Adds the sample databases to the current volume. Deterministic: the same records every
// time. False when a write failed (the last error and the volume error say why).
bool createSampleDatabases();

}  // namespace ce::objstore
