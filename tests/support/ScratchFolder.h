// A temporary folder for a test's volumes and files, removed with everything in it when the
// test ends. It lives in memory (/dev/shm) when there is such a folder: every object store
// change syncs the disk, which makes volumes on a real disk slow to fill.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <string>

namespace test_support {

class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& prefix) {
        std::string pattern = std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp";
        pattern += "/" + prefix + "-XXXXXX";
        m_path = mkdtemp(pattern.data());
    }
    ~ScratchFolder() { std::filesystem::remove_all(m_path); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& path() const { return m_path; }
    std::string file(const std::string& name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};

}  // namespace test_support
