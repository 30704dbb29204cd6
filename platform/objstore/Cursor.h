// A handle's place in its sort order. The place is remembered as the current record's key,
// so that it follows the record when other handles add or remove records before it, and
// stays between the neighbours when the record itself is deleted.
#pragma once

#include <cstdint>
#include <optional>

#include "OrderIndex.h"

namespace ce::objstore {

class Cursor {
public:
    void toStart() { m_place = Place::Start; }
    void toEnd() { m_place = Place::End; }
    void toKey(const SortKeyView& key);
    void toKey(const SortKey& key) { toKey(viewOf(key)); }
    // Moves onto the record at `index`, or to the end past the last one.
    void toIndex(const OrderIndex& index, size_t at);
    // The current record's key, once toIndex or current found it.
    const SortKey& key() const { return m_key; }

    // Index of the current record; nothing at the end or when the record was deleted.
    std::optional<size_t> current(const OrderIndex& index);
    bool onDeletedRecord(const OrderIndex& index) const;
    // Index of the record that follows the place when there is no current record.
    size_t following(const OrderIndex& index) const;
    // Index reached by `steps` records on (back when negative); nothing outside the order.
    std::optional<size_t> moved(const OrderIndex& index, std::int64_t steps);

private:
    enum class Place { Start, Key, End };
    // The record's index as last found, while the index's version is the one it was found at.
    bool knownAt(const OrderIndex& index) const { return m_place == Place::Key && m_version == index.version(); }

    Place m_place = Place::Start;
    SortKey m_key;
    size_t m_rank = 0;
    std::uint64_t m_version = 0;  // 0: the rank is not known
    // The current record's path, for the step to the next: at m_pathRank while the index's
    // version is m_pathVersion.
    OrderIndex::Path m_path;
    size_t m_pathRank = 0;
    std::uint64_t m_pathVersion = 0;
};

}  // namespace ce::objstore
