// One change to a volume as the writer tells it to the checker: a line of text that says
// enough to apply it to an image. An OID of 0 is one the call has not chosen yet.
#pragma once

#include <optional>
#include <string>

#include "VolumeImage.h"

namespace crashcheck {

struct Change {
    enum class Kind { WriteRecord, DeleteRecord, CreateDatabase, DeleteDatabase };
    Kind kind = Kind::WriteRecord;
    CEOID database = 0;
    CEOID record = 0;
    Properties properties;  // a written record's properties after the write, all of them
    DatabaseShape shape;    // a created database's
};

std::string format(const Change& change);
std::optional<Change> parseChange(const std::string& text);

// Applies a change whose OIDs are known; false when it does not fit the image (a record of
// a database that is not there, a database created twice).
bool apply(VolumeImage& image, const Change& change);

// Gives a change the OID its call chose, found as the one object `actual` holds that
// `before` did not; false when there is not exactly one.
bool resolveNewOid(Change& change, const VolumeImage& before, const VolumeImage& actual);

}  // namespace crashcheck
