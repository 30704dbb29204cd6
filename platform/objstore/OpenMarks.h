// Which databases of a volume other processes hold open. While a process has a handle on a
// database it holds a shared lock on the byte at that database's OID in the volume's
// companion file "<volume>-open"; a delete refuses a database whose byte another process
// has locked. Locks die with their process, so a crashed holder never blocks a delete.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "windbase.h"

namespace ce::objstore {

class OpenMarks {
public:
    // One per volume file in this process: closing any descriptor of a file drops every
    // lock the process holds on it, so the descriptor must never be opened twice. Null, with
    // the volume error set, when the companion file is a link or another user's: its owner
    // could fake or hide the marks.
    static std::shared_ptr<OpenMarks> forVolume(const std::string& volumePath);
    ~OpenMarks();

    // The first handle of this process on the database, and its last.
    void mark(CEOID oid);
    void unmark(CEOID oid);
    // Whether another process holds the database open.
    bool heldElsewhere(CEOID oid) const;

private:
    explicit OpenMarks(int fd) : m_fd(fd) {}
    bool lock(CEOID oid, short type) const;

    int m_fd;
    std::map<CEOID, int> m_counts;
};

}  // namespace ce::objstore
