// Whether another connection may have committed, told without taking a lock. Every commit
// to a volume in WAL mode rewrites the header at the start of its shared-memory index (the
// "-shm" file, whose layout SQLite documents): while those bytes read as they did when the
// volume was last asked, nothing was committed since, and the store's check of
// data_version, which takes the file's locks, can be skipped. A torn or changed read only
// sends the caller to the real check.
#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <string>

namespace ce::objstore {

class CommitWatch {
public:
    CommitWatch() = default;
    ~CommitWatch();
    CommitWatch(const CommitWatch&) = delete;
    CommitWatch& operator=(const CommitWatch&) = delete;

    // Maps the index of the volume at `path` once SQLite has made it; false when there is
    // none (a volume opened immutable, or not yet read).
    bool attach(const std::string& path);
    // Takes the header as it reads now, just before the volume is asked.
    void remember();
    void forget() { m_known = false; }
    bool watching() const { return m_map != nullptr; }
    // Whether nothing can have been committed since remember(): the header reads the same,
    // and it was remembered recently (a file swapped under the mapping is noticed in time).
    bool unchanged() const;

private:
    static constexpr size_t c_headerBytes = 48;
    static constexpr std::chrono::milliseconds c_trustFor{100};

    int m_fd = -1;
    const unsigned char* m_map = nullptr;
    size_t m_mapped = 0;
    bool m_known = false;
    std::array<unsigned char, c_headerBytes> m_header{};
    std::chrono::nanoseconds m_rememberedAt{0};
};

}  // namespace ce::objstore
