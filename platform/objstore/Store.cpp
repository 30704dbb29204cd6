// The open volume's databases and the check for other processes' changes.
#include "Store.h"

#include "ceobjstore.h"

namespace ce::objstore {

namespace {

// Entries read at a time, and the most followed at once: further behind than the log keeps,
// rereading is cheaper, and a damaged log cannot keep a refresh going.
constexpr size_t c_logChunk = 4096;
constexpr std::int64_t c_mostFollowed = 2 * Volume::c_logKept;

bool& logFollowed() {
    static bool followed = true;
    return followed;
}

}  // namespace

void setChangeLogFollowed(bool followed) {
    logFollowed() = followed;
}

Store::Store(std::unique_ptr<Volume> volume, std::shared_ptr<OpenMarks> openMarks)
    : m_volume(std::move(volume)), m_openMarks(std::move(openMarks)) {
    // Changes logged before this process held anything are in what it reads from now on.
    if (m_volume->hasChangeLog()) m_lastSeq = m_volume->lastLoggedSeq().value_or(0);
}

Store::~Store() = default;

bool Store::refresh() {
    bool changed = false;
    if (!m_volume->changedElsewhere(changed)) return false;
    if (!changed) return true;
    // One snapshot: what the log says and the rows it is checked against agree.
    if (!m_volume->beginSnapshot()) return false;
    bool ok = followLog() && resyncDatabases();
    m_volume->endSnapshot();
    return ok;
}

bool Store::followLog() {
    if (!m_volume->hasChangeLog() || !logFollowed()) return true;
    for (std::int64_t followed = 0; !m_databases.empty();) {
        auto read = m_volume->changesAfter(m_lastSeq, c_logChunk);
        if (!read) return false;
        for (const LoggedChange& change : read->entries) {
            auto found = m_databases.find(change.database);
            if (found != m_databases.end() && !m_gone.count(change.database) && !found->second->applyLogged(change))
                return false;
        }
        m_lastSeq = read->lastSeq;
        followed += static_cast<std::int64_t>(c_logChunk);
        if (read->complete) return true;
        if (followed >= c_mostFollowed) break;
    }
    // Nothing held, or too far behind: the rest is skipped, and the databases it touched are
    // reread.
    auto last = m_volume->lastLoggedSeq();
    if (!last) return false;
    m_lastSeq = *last;
    return true;
}

bool Store::resyncDatabases() {
    for (auto it = m_databases.begin(); it != m_databases.end();) {
        Database& database = *it->second;
        auto row = m_volume->database(database.oid());
        if (row) {
            database.resync(*row);
        } else if (m_volume->lastQueryFailed()) {
            return false;
        } else if (database.hasHandles()) {
            m_gone.insert(database.oid());  // deleted by another process under open handles
        } else {
            it = m_databases.erase(it);
            continue;
        }
        ++it;
    }
    return true;
}

void Store::requestOpened() {
    if (m_requests++ == 0) m_watch = std::make_unique<VolumeWatch>(*this, m_volume->path());
}

void Store::requestClosed() {
    if (m_requests > 0 && --m_requests == 0) m_watch.reset();
}

std::shared_ptr<Database> Store::openDatabase(CEOID oid) {
    auto found = m_databases.find(oid);
    if (found != m_databases.end() && !m_gone.count(oid)) return found->second;
    auto row = m_volume->database(oid);
    if (!row) return nullptr;
    auto database = std::make_shared<Database>(*m_volume, *row);
    m_gone.erase(oid);
    m_databases[oid] = database;
    return database;
}

bool Store::isOpen(CEOID oid) const {
    auto found = m_databases.find(oid);
    return found != m_databases.end() && found->second->hasHandles();
}

}  // namespace ce::objstore
