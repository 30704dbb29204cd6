// Open marks of databases as fcntl byte locks on the volume's companion file.
#include "OpenMarks.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "Volume.h"
#include "winerror.h"

namespace ce::objstore {

namespace {

std::map<std::string, std::weak_ptr<OpenMarks>>& registry() {
    static std::map<std::string, std::weak_ptr<OpenMarks>> marks;
    return marks;
}

struct flock byteOf(CEOID oid, short type) {
    struct flock region {};
    region.l_type = type;
    region.l_whence = SEEK_SET;
    region.l_start = static_cast<off_t>(oid);
    region.l_len = 1;
    return region;
}

}  // namespace

std::shared_ptr<OpenMarks> OpenMarks::forVolume(const std::string& volumePath) {
    std::weak_ptr<OpenMarks>& slot = registry()[volumePath];
    if (auto existing = slot.lock()) return existing;
    // Without the companion file (a read-only folder) nothing is marked: deletes then see
    // this process only. Shared read locks need only reading.
    std::string path = volumePath + "-open";
    int fd = open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0 && (errno == EACCES || errno == EROFS)) fd = open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    struct stat info {};
    if ((fd < 0 && errno == ELOOP) || (fd >= 0 && (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)))) {
        if (fd >= 0) close(fd);
        setVolumeError(ERROR_ACCESS_DENIED, path + ": refused: it is a link or not a plain file");
        return nullptr;
    }
    if (fd >= 0 && info.st_uid != geteuid()) {
        close(fd);
        setVolumeError(ERROR_ACCESS_DENIED, path + ": refused: the file belongs to another user");
        return nullptr;
    }
    std::shared_ptr<OpenMarks> marks(new OpenMarks(fd));
    slot = marks;
    return marks;
}

OpenMarks::~OpenMarks() {
    if (m_fd >= 0) close(m_fd);
}

bool OpenMarks::lock(CEOID oid, short type) const {
    struct flock region = byteOf(oid, type);
    return m_fd >= 0 && fcntl(m_fd, F_SETLK, &region) == 0;
}

void OpenMarks::mark(CEOID oid) {
    if (m_counts[oid]++ == 0) lock(oid, F_RDLCK);
}

void OpenMarks::unmark(CEOID oid) {
    auto found = m_counts.find(oid);
    if (found == m_counts.end()) return;
    if (--found->second == 0) {
        lock(oid, F_UNLCK);
        m_counts.erase(found);
    }
}

bool OpenMarks::heldElsewhere(CEOID oid) const {
    if (m_fd < 0) return false;
    // F_GETLK reports a lock that would block ours; this process's own locks never do.
    struct flock region = byteOf(oid, F_WRLCK);
    return fcntl(m_fd, F_GETLK, &region) == 0 && region.l_type != F_UNLCK;
}

}  // namespace ce::objstore
