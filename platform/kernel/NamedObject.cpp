// Named objects across processes. Creation is serialised by an exclusive lock on the
// folder's own lock file; a name file nobody holds a shared lock on is free, whatever it says.
#include "kernel/NamedObject.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "cewchar.h"
#include "kernel/RuntimeDirectory.h"
#include "winbase.h"

namespace ce::kernel {

namespace {

constexpr std::size_t c_maxEncoded = 240;  // below the file system's name limit

// Holds the folder's creation lock for as long as it lives.
class FolderLock {
public:
    explicit FolderLock(const std::string& folder)
        : m_fd(::open((folder + "/names.lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600)) {
        if (m_fd >= 0) flock(m_fd, LOCK_EX);
    }
    ~FolderLock() {
        if (m_fd >= 0) ::close(m_fd);
    }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;
    bool held() const { return m_fd >= 0; }

private:
    int m_fd;
};

std::string readKind(int fd) {
    char buffer[64];
    ssize_t length = pread(fd, buffer, sizeof buffer, 0);
    return length > 0 ? std::string(buffer, static_cast<std::size_t>(length)) : std::string();
}

bool writeKind(int fd, std::string_view kind) {
    return ftruncate(fd, 0) == 0 &&
           pwrite(fd, kind.data(), kind.size(), 0) == static_cast<ssize_t>(kind.size());
}

}  // namespace

std::string NamedObject::encode(std::u16string_view name) {
    static const char c_hex[] = "0123456789ABCDEF";
    std::string result;
    for (unsigned char byte : toUtf8(name)) {
        bool plain = (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
                     (byte >= '0' && byte <= '9');
        if (plain) {
            result += static_cast<char>(byte);
        } else {
            result += '%';
            result += c_hex[byte >> 4];
            result += c_hex[byte & 15];
        }
    }
    return result;
}

NamedObject::Result NamedObject::open(std::string_view kind, std::u16string_view name,
                                      NamedObject& hold) {
    std::string encoded = encode(name);
    if (encoded.size() > c_maxEncoded) {
        SetLastError(ERROR_INVALID_NAME);
        return Result::failed;
    }
    std::string folder = runtimeDirectory();
    if (folder.empty()) return Result::failed;
    FolderLock lock(folder);
    int fd = ::open((folder + "/object-" + encoded).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (!lock.held() || fd < 0) {
        if (fd >= 0) ::close(fd);
        SetLastError(ERROR_ACCESS_DENIED);
        return Result::failed;
    }
    // Nobody else holds it: ours to (re)write. The folder lock keeps the downgrade atomic.
    if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
        if (!writeKind(fd, kind) || flock(fd, LOCK_SH) != 0) {
            ::close(fd);
            SetLastError(ERROR_ACCESS_DENIED);
            return Result::failed;
        }
        hold = NamedObject();
        hold.m_fd = fd;
        return Result::created;
    }
    if (readKind(fd) != kind) {
        ::close(fd);
        return Result::wrongKind;
    }
    flock(fd, LOCK_SH);
    hold = NamedObject();
    hold.m_fd = fd;
    return Result::opened;
}

NamedObject::~NamedObject() {
    if (m_fd >= 0) ::close(m_fd);
}

NamedObject::NamedObject(NamedObject&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}

NamedObject& NamedObject::operator=(NamedObject&& other) noexcept {
    if (this != &other) {
        if (m_fd >= 0) ::close(m_fd);
        m_fd = std::exchange(other.m_fd, -1);
    }
    return *this;
}

}  // namespace ce::kernel
