// Where the benchmark keeps its database files between runs: in memory (/dev/shm) when the
// host has it, since a disk would sync every single-change transaction.
#pragma once

#include <cstdint>
#include <string>

// Puts the files in `directory` from now on (tests use a folder of their own); empty
// returns to the default.
void setBenchDirectory(const std::string& directory);
// A file of the benchmarks' folder.
std::string benchPath(const std::string& name);
// The file of the `count`-record database of one engine, e.g. "vol" or "sqlite".
std::string benchFile(std::uint32_t count, const char* suffix);
// Removes an SQLite file with its write-ahead log and shared-memory index, and a volume's
// companion file of open marks.
void removeDatabaseFile(const std::string& path);
