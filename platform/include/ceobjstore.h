// Host-side control of the object store's volume file, for tools, tests and the program's
// start-up. Nothing here exists on the handheld.
#pragma once

#include <string>

#include "windef.h"

namespace ce::objstore {

// The volume the calls of windbase.h use from their next call on. An empty path returns to
// the default: CE_STORE when set, else $XDG_DATA_HOME/orvane/objectstore.vol (or under
// $HOME/.local/share). Only the default's folder is created; a named volume's must exist.
// Handles already open stay on the volume they were opened on.
void setVolumePath(const std::string& path);
// The path the next call would use; empty when none can be chosen (CE_STORE set but empty,
// or no HOME for the default), and opening then says why.
std::string volumePath();
// Drops the connection to the volume file; the next call opens it again.
void closeVolume();

// Opens (creating when missing) the current volume now. False when it is refused: the
// last error is set and lastVolumeError() says why in one line.
bool openVolume();
// Why the volume could not be opened or changed, in one line; empty after a success.
std::string lastVolumeError();
// Forgets that reason. A call that fails for a reason of its own (a database another program
// holds open, a name taken) leaves the volume's last reason as it was: a caller that clears it
// first knows that a reason found afterwards is this call's.
void clearVolumeError();

// Groups every change made from beginBatch until endBatch into one transaction: a bulk load
// then syncs the disk once rather than once a change. Other processes see the changes, and
// they survive a crash, only once endBatch has returned true.
bool beginBatch();
bool endBatch();

// Whether another process's changes are applied from the volume's change log (the default),
// or found by rereading each changed database, as a volume without the log is. For measuring
// what the log saves.
void setChangeLogFollowed(bool followed);
// Whether sort order indexes saved in the volume are used and saved (they are unless told
// otherwise): off, every first open of a sort order in a process reads all its records, as
// on a volume of an older format. For measuring.
void setSavedIndexesUsed(bool used);

// Called once, on the new volume, when the DEFAULT volume is created on first use: it fills
// it through the calls of windbase.h, and answers whether it could. A volume it could not
// fill is not made: opening fails, saying why, and the next first use tries again. A volume
// named by CE_STORE or setVolumePath starts empty. Returns the initializer it replaces.
using VolumeInitializer = bool (*)();
VolumeInitializer setDefaultVolumeInitializer(VolumeInitializer initializer);
// Makes the volume the calls would use (CE_STORE, setVolumePath or the default), which must
// not exist yet, filled by `fill` as the default one is: it is linked into place only once
// filled, so no other process sees it empty or half made. False, with the volume error set
// and nothing left behind, when it cannot be made or filled or another program made it first.
bool createVolume(VolumeInitializer fill);

}  // namespace ce::objstore
