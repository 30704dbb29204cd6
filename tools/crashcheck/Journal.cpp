#include "Journal.h"

#include <algorithm>

namespace crashcheck {

bool Journal::feed(const std::string& line) {
    size_t space = line.find(' ');
    std::string verb = line.substr(0, space), rest = space == std::string::npos ? "" : line.substr(space + 1);
    if (verb == "fail") return m_writerFailure = rest, true;
    if (verb == "batch") return clearPending(), true;
    if (verb == "closing") return m_closing = true;
    if (verb == "batched") {
        std::vector<Change> batch = std::move(m_pending);
        clearPending();
        return commit(batch);
    }
    auto change = parseChange(rest);
    if (!change) return m_problem = "an unreadable line from the writer: " + line.substr(0, 80), false;
    if (verb == "intent") {
        clearPending();
        m_pending.push_back(*change);
        m_single = true;
        return true;
    }
    if (verb == "sub") return m_pending.push_back(*change), true;
    if (verb == "done") {
        clearPending();
        return commit({*change});
    }
    return m_problem = "an unknown line from the writer: " + line.substr(0, 80), false;
}

bool Journal::commit(const std::vector<Change>& changes) {
    for (const Change& change : changes) {
        if (!takesNewOidsOnly(change)) return false;
        if (!apply(m_committed, change))
            return m_problem = "the writer reported a change that does not fit: " + format(change).substr(0, 80), false;
    }
    m_committedChanges += changes.size();
    return true;
}

// OIDs are never reused: an object created must have an OID above every one committed before.
bool Journal::takesNewOidsOnly(const Change& change) {
    CEOID made = 0;
    if (change.kind == Change::Kind::CreateDatabase) made = change.database;
    auto database = m_committed.databases.find(change.database);
    if (change.kind == Change::Kind::WriteRecord && database != m_committed.databases.end() &&
        !database->second.records.count(change.record))
        made = change.record;
    if (made && made <= m_highestOid) {
        m_problem = "OID " + std::to_string(made) + " given again (" + std::to_string(m_highestOid) + " was seen)";
        return false;
    }
    m_highestOid = std::max({m_highestOid, made, change.database});
    return true;
}

void Journal::noteOids(const VolumeImage& image) {
    for (const auto& [oid, database] : image.databases) {
        m_highestOid = std::max(m_highestOid, oid);
        if (!database.records.empty()) m_highestOid = std::max(m_highestOid, database.records.rbegin()->first);
    }
}

void Journal::clearPending() {
    m_pending.clear();
    m_single = m_closing = false;
}

Journal::Verdict Journal::settle(const VolumeImage& actual) {
    Verdict verdict;
    std::vector<std::string> absent = differences(m_committed, actual);
    if (absent.empty()) {
        verdict.pending = m_pending.empty() ? "nothing unfinished"
                          : m_single        ? "the unfinished change absent"
                                            : "the unfinished batch absent";
    } else if (m_single || m_closing) {
        // The unfinished change or batch may have committed just before the kill: then all of it.
        VolumeImage finished = m_committed;
        bool fits = true;
        for (Change change : m_pending) {
            if (m_single && ((change.kind == Change::Kind::WriteRecord && !change.record) ||
                             change.kind == Change::Kind::CreateDatabase))
                fits = resolveNewOid(change, m_committed, actual);
            fits = fits && apply(finished, change);
        }
        std::vector<std::string> there = fits ? differences(finished, actual) : absent;
        if (there.empty()) {
            verdict.pending = m_single ? "the unfinished change wholly there" : "the unfinished batch wholly there";
            m_committedChanges += m_pending.size();
        } else {
            verdict.lost = there.size() < absent.size() ? there : absent;
        }
    } else {
        verdict.lost = absent;
    }
    m_committed = actual;
    noteOids(actual);
    clearPending();
    return verdict;
}

}  // namespace crashcheck
