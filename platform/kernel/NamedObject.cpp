// Named objects across processes. Creation is serialised by an exclusive lock on the
// folder's own lock file; a name file nobody holds a shared lock on is free, whatever it says.
// No lock of another process is waited on without a bound.
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

std::string readKind(int fd) {
    char buffer[64];
    ssize_t length = pread(fd, buffer, sizeof buffer, 0);
    return length > 0 ? std::string(buffer, static_cast<std::size_t>(length)) : std::string();
}

bool writeKind(int fd, std::string_view kind) {
    return ftruncate(fd, 0) == 0 &&
           pwrite(fd, kind.data(), kind.size(), 0) == static_cast<ssize_t>(kind.size());
}

// The name cannot be had: the folder or the name's file is held by a stuck or foreign process,
// or is no file of ours.
NamedObject::Result refuse(int fd) {
    if (fd >= 0) ::close(fd);
    SetLastError(ERROR_ACCESS_DENIED);
    return NamedObject::Result::failed;
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
    // Another process's stuck or foreign hold on the folder's lock makes this fail, never hang.
    RuntimeLock lock(folder, "names.lock");
    int fd = lock.held() ? openRuntimeFile(folder + "/object-" + encoded, O_RDWR | O_CREAT) : -1;
    if (fd < 0) return refuse(fd);
    // Nobody else holds it: ours to (re)write. The folder lock keeps the downgrade atomic.
    if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
        if (!writeKind(fd, kind) || flock(fd, LOCK_SH | LOCK_NB) != 0) return refuse(fd);
        hold = NamedObject();
        hold.m_fd = fd;
        return Result::created;
    }
    if (readKind(fd) != kind) {
        ::close(fd);
        return Result::wrongKind;
    }
    // Holders keep the name shared; under the folder lock only a foreign process can hold it
    // exclusively, and that is not waited for.
    if (flock(fd, LOCK_SH | LOCK_NB) != 0) return refuse(fd);
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
