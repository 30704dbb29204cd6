// What a volume holds, as crashcheck compares it: every database (name, type, sort orders)
// with every record's properties as the store keeps their bytes.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "windbase.h"

namespace crashcheck {

// A value as stored: fixed-size numbers in their bytes, a string's UTF-16 units with its
// terminator, a BLOB's bytes.
using Bytes = std::vector<std::uint8_t>;
using Properties = std::map<CEPROPID, Bytes>;

struct DatabaseShape {
    std::string name;  // ASCII: crashcheck names its databases itself
    DWORD type = 0;
    std::vector<SORTORDERSPEC> sortOrders;
};

struct DatabaseImage {
    DatabaseShape shape;
    std::map<CEOID, Properties> records;
    // What the database's information reports, filled when read from a volume.
    DWORD reportedCount = 0;
    DWORD reportedSize = 0;
};

struct VolumeImage {
    std::map<CEOID, DatabaseImage> databases;
};

bool operator==(const DatabaseShape& a, const DatabaseShape& b);
// Each database or record that differs between two images, in words; none when they hold
// the same databases and records (the reported figures are not compared).
std::vector<std::string> differences(const VolumeImage& expected, const VolumeImage& actual);

// A record's size as the database information counts it.
std::uint64_t recordSize(const Properties& properties);

// Reads the current volume through the object store's calls, as the viewer's catalogue
// does (CeFindFirstDatabaseEx, CeFindNextDatabaseEx, CeOidGetInfoEx) and each database's
// records in creation order. Nothing, with `problem` set, when a call fails.
std::optional<VolumeImage> readVolume(std::string& problem);

// A property's stored bytes from a CEPROPVAL, and a CEPROPVAL pointing into stored bytes
// (which must outlive it).
Bytes bytesOf(const CEPROPVAL& value);
CEPROPVAL propValOf(CEPROPID propid, Bytes& bytes);

}  // namespace crashcheck
