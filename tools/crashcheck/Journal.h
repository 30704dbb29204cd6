// What the writers told: the image every reported change built (what must be on the volume),
// and the change or batch announced and not yet reported done (wholly there or wholly absent).
#pragma once

#include <string>
#include <vector>

#include "Change.h"

namespace crashcheck {

class Journal {
public:
    explicit Journal(VolumeImage start) : m_committed(std::move(start)) { noteOids(m_committed); }

    // One line from a writer; false when it makes no sense (told as `problem`).
    bool feed(const std::string& line);

    struct Verdict {
        std::vector<std::string> lost;  // committed changes missing or altered
        std::string pending;            // what became of the unfinished change
    };
    // Compares the volume found after a kill with what was told, and takes the volume as the
    // start of the next writer's run.
    Verdict settle(const VolumeImage& actual);

    size_t committedChanges() const { return m_committedChanges; }
    const std::string& writerFailure() const { return m_writerFailure; }
    const std::string& problem() const { return m_problem; }

private:
    bool commit(const std::vector<Change>& changes);
    bool takesNewOidsOnly(const Change& change);
    void noteOids(const VolumeImage& image);
    void clearPending();

    VolumeImage m_committed;
    std::vector<Change> m_pending;
    bool m_single = false;   // m_pending holds one change announced before its call
    bool m_closing = false;  // the batch in m_pending has asked to commit
    size_t m_committedChanges = 0;
    CEOID m_highestOid = 0;  // of every object committed or found
    std::string m_writerFailure, m_problem;
};

}  // namespace crashcheck
