// The writer: says "ready" once it has read the volume, then changes it at random for ever,
// telling each change on a file
// descriptor before its call ("intent CHANGE", or for a batch "batch", then "closing" before
// its commit) and after its call returned success ("done CHANGE"; in a batch "sub CHANGE"
// for each change, "batched" once the batch committed). A call that fails is told as
// "fail WHAT" and ends the writer with 3.
#pragma once

#include <cstdint>
#include <random>
#include <string>

#include "Change.h"

namespace crashcheck {

class Writer {
public:
    Writer(int reportFd, std::uint64_t seed);
    // Reads the volume, then changes it until killed; returns only on failure.
    int run();

private:
    bool step();
    bool writeNewRecord(bool batched);
    bool rewriteRecord(bool batched);
    bool deleteRecord(bool batched);
    bool createDatabase(bool batched);
    bool deleteDatabase(bool batched);
    bool importBatch();

    // Tells the change before its call (a single change) and after its success.
    void announce(const Change& change, bool batched);
    bool done(const Change& change, bool batched);
    bool failed(const std::string& what);
    void tell(const std::string& line);

    size_t below(size_t count) { return std::uniform_int_distribution<size_t>(0, count - 1)(m_random); }
    bool chance(double p) { return std::bernoulli_distribution(p)(m_random); }
    Properties randomProperties(const DatabaseShape& shape, size_t maxCount);
    Bytes randomValue(CEPROPID propid);
    std::string randomName();
    CEOID anyDatabase();

    int m_fd;
    std::mt19937_64 m_random;
    VolumeImage m_image;
};

}  // namespace crashcheck
