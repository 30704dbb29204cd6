// Cursor positions in an order index.
#include "Cursor.h"

namespace ce::objstore {

// The key's text goes into the room the last key left: a step allocates nothing.
void Cursor::toKey(const SortKeyView& key) {
    m_place = Place::Key;
    m_key.oid = key.oid;
    m_key.present = key.present;
    m_key.value.number = key.value.number;
    m_key.value.text.assign(key.value.text);
    m_version = 0;
}

// A step through the order comes here for every record: the next key is found from the
// last one's path, and a move to where the cursor already is costs nothing.
void Cursor::toIndex(const OrderIndex& index, size_t at) {
    if (at >= index.size()) return toEnd();
    if (knownAt(index) && m_rank == at) return;
    bool pathHolds = m_pathVersion == index.version() && !m_path.empty();
    if (!(pathHolds && at == m_pathRank + 1 && index.stepForward(m_path))) index.pathTo(at, m_path);
    m_pathRank = at;
    m_pathVersion = index.version();
    toKey(index.keyAtEnd(m_path));
    m_rank = at;
    m_version = index.version();
}

std::optional<size_t> Cursor::current(const OrderIndex& index) {
    switch (m_place) {
    case Place::Start: return index.size() ? std::optional<size_t>(0) : std::nullopt;
    case Place::End: return std::nullopt;
    case Place::Key: break;
    }
    if (knownAt(index)) return m_rank;
    auto at = index.rankOfRecord(m_key.oid);
    if (!at) return std::nullopt;
    // The record may have been rewritten to another place.
    if (!index.holds(m_key)) m_key = index.at(*at);
    m_rank = *at;
    m_version = index.version();
    return at;
}

bool Cursor::onDeletedRecord(const OrderIndex& index) const {
    return m_place == Place::Key && !knownAt(index) && !index.contains(m_key.oid);
}

size_t Cursor::following(const OrderIndex& index) const {
    switch (m_place) {
    case Place::Start: return 0;
    case Place::End: return index.size();
    case Place::Key: break;
    }
    return index.rankOf(m_key);
}

std::optional<size_t> Cursor::moved(const OrderIndex& index, std::int64_t steps) {
    std::int64_t target;
    if (auto at = current(index)) {
        target = static_cast<std::int64_t>(*at) + steps;
    } else {
        // Between records: one step on is the record that follows, one back the one before.
        if (steps == 0) return std::nullopt;
        std::int64_t next = static_cast<std::int64_t>(following(index));
        target = steps > 0 ? next + steps - 1 : next + steps;
    }
    if (target < 0 || target >= static_cast<std::int64_t>(index.size())) return std::nullopt;
    return static_cast<size_t>(target);
}

}  // namespace ce::objstore
