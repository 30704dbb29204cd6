// An order-statistic index of one sort order: the records' keys in a treap whose nodes
// know their subtree sizes, so that index -> record, record -> index and value searches
// all cost O(log n), and so do inserts and removals.
//
// A database of a million records keeps one of these per sort order in use, so a key is
// kept small: a node of 24 bytes (the number, or where the text is; the OID; the links; the
// subtree size with the presence bit) and 8 bytes in the OID lookup, and a string's UTF-16
// units in one shared buffer.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "LargeArrays.h"
#include "SortKey.h"

namespace ce::objstore {

class OrderIndex {
public:
    // The index's large arrays (see LargeArrays.h); their elements are not zeroed when made.
    template <class T>
    using Array = std::vector<T, LargeArray<T>>;
    using TextUnits = Array<char16_t>;

    explicit OrderIndex(KeyOrder order);

    const KeyOrder& order() const { return m_order; }
    // Changes whenever a key is added, moved or removed, and differs between indexes: a
    // position found at one version holds while the version does.
    std::uint64_t version() const { return m_version; }
    size_t size() const { return m_live; }

    // Replaces the content with these keys (any order).
    void build(const std::vector<SortKey>& keys);
    // Building without a vector of keys: reset, add each key (any order), then finishBuild.
    void startBuild(size_t expected);
    void add(const SortKeyView& key);
    // Loading saved keys instead: every key's string, in key order, taken whole; then each
    // key with its number, or where its string starts there and its length (false when it
    // does not fit).
    void adoptText(TextUnits text);
    bool addSaved(CEOID oid, bool present, std::uint64_t numberOrStart, std::uint64_t length);
    const char16_t* textData() const { return m_text.data(); }
    // False, leaving the index empty, when `requireSorted` and the keys were not added in
    // strictly rising order, or when two keys had one OID.
    bool finishBuild(bool requireSorted = false);

    // Adds a key, or moves the record when its OID is already indexed.
    void insert(const SortKeyView& key);
    void insert(const SortKey& key) { insert(viewOf(key)); }
    bool erase(CEOID oid);

    bool contains(CEOID oid) const { return nodeOf(oid) != c_none; }
    // Whether the index holds this very key for its record.
    bool holds(const SortKey& key) const;
    std::optional<SortKey> find(CEOID oid) const;
    SortKey at(size_t index) const;
    CEOID oidAt(size_t index) const { return m_nodes[nodeAt(index)].oid; }
    // A key's place as the nodes from the root down to it. Valid while the version holds;
    // stepping on from it costs O(1) on average where a search by index costs O(log n).
    using Path = std::vector<std::uint32_t>;
    void pathTo(size_t index, Path& path) const;
    // False, leaving the path empty, after the last key.
    bool stepForward(Path& path) const;
    // The key the path ends at, its text borrowed until the index next changes.
    SortKeyView keyAtEnd(const Path& path) const { return viewAt(path.back()); }
    // Number of keys before `key` in the order (its index when it is indexed).
    size_t rankOf(const SortKey& key) const;
    // The index of a record; nothing when it is not indexed.
    std::optional<size_t> rankOfRecord(CEOID oid) const;
    // Number of keys before the first one at or after `value` (lower) / after it (upper).
    size_t lowerBound(const SortValue& value) const;
    size_t upperBound(const SortValue& value) const;

    // Every key in order, the text borrowed for the call.
    template <class Visit>
    void forEachInOrder(Visit visit) const;
    // Bytes held, for measuring.
    size_t bytesHeld() const;

private:
    static constexpr std::uint32_t c_none = 0xFFFFFFFFu;
    static constexpr std::uint32_t c_present = 0x80000000u;
    struct Node {
        std::uint64_t value = 0;  // the number, or the text's start << 24 | its length
        CEOID oid = 0;
        std::uint32_t left = c_none;
        std::uint32_t right = c_none;
        std::uint32_t countAndPresent = 1;  // subtree size, and c_present when the key has the property
    };
    struct OidSlot {
        CEOID oid;
        std::uint32_t node;  // c_none once the record left the index
    };

    SortKeyView viewAt(std::uint32_t node) const;
    std::u16string_view textOf(const Node& node) const;  // of a present key of a string order
    bool loadedKeysRise() const;
    std::uint32_t priorityOf(std::uint32_t node) const;
    std::uint32_t sizeOf(std::uint32_t node) const {
        return node == c_none ? 0 : (m_nodes[node].countAndPresent & ~c_present);
    }
    void update(std::uint32_t node);
    std::uint32_t merge(std::uint32_t a, std::uint32_t b);
    // Splits into the keys before `key` (and `key` itself when inclusive) and the rest.
    void split(std::uint32_t node, const SortKeyView& key, bool inclusive, std::uint32_t& before,
               std::uint32_t& rest);
    std::uint32_t newNode(const SortKeyView& key);
    std::uint32_t place(const Node& node);  // a free slot, else a new one
    void releaseNode(std::uint32_t node);
    std::uint32_t nodeAt(size_t index) const;
    std::uint32_t nodeOf(CEOID oid) const;
    void setNodeOf(CEOID oid, std::uint32_t node);
    // Links the nodes into one tree, nodeAt(rank) giving the node of each rank in key order.
    template <class NodeAt>
    void linkSorted(std::uint32_t count, NodeAt nodeAt);
    void sortByOid();
    template <class Before>
    size_t countBefore(Before before) const;
    void compactText();
    void clear();

    KeyOrder m_order;
    Array<Node> m_nodes;
    std::vector<std::uint32_t> m_free;
    Array<OidSlot> m_byOid;  // sorted by OID; new records come last, as OIDs only grow
    size_t m_leftSlots = 0;        // slots of records no longer indexed, dropped now and then
    TextUnits m_text;
    size_t m_deadText = 0;  // units no key uses any more
    size_t m_live = 0;
    std::uint32_t m_root = c_none;
    std::uint32_t m_salt;
    std::uint64_t m_version;
    void changed();
};

template <class Visit>
void OrderIndex::forEachInOrder(Visit visit) const {
    std::vector<std::uint32_t> path;
    std::uint32_t node = m_root;
    while (node != c_none || !path.empty()) {
        for (; node != c_none; node = m_nodes[node].left) path.push_back(node);
        node = path.back();
        path.pop_back();
        visit(viewAt(node));
        node = m_nodes[node].right;
    }
}

}  // namespace ce::objstore
