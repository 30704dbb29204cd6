// An order-statistic index of one sort order: the records' keys in a treap whose nodes
// know their subtree sizes, so that index -> record, record -> index and value searches
// all cost O(log n), and so do inserts and removals.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "SortKey.h"

namespace ce::objstore {

class OrderIndex {
public:
    explicit OrderIndex(KeyOrder order);

    const KeyOrder& order() const { return m_order; }
    size_t size() const { return m_byOid.size(); }

    // Replaces the content with these keys (any order).
    void build(std::vector<SortKey> keys);
    // Adds a key, or moves the record when its OID is already indexed.
    void insert(SortKey key);
    bool erase(CEOID oid);

    const SortKey* find(CEOID oid) const;
    const SortKey& at(size_t index) const;
    // Number of keys before `key` in the order (its index when it is indexed).
    size_t rankOf(const SortKey& key) const;
    // Number of keys before the first one at or after `value` (lower) / after it (upper).
    size_t lowerBound(const SortValue& value) const;
    size_t upperBound(const SortValue& value) const;

private:
    static constexpr std::uint32_t c_none = 0xFFFFFFFFu;
    struct Node {
        SortKey key;
        std::uint32_t priority = 0;
        std::uint32_t left = c_none;
        std::uint32_t right = c_none;
        std::uint32_t count = 1;
    };

    std::uint32_t sizeOf(std::uint32_t node) const { return node == c_none ? 0 : m_nodes[node].count; }
    void update(std::uint32_t node);
    std::uint32_t merge(std::uint32_t a, std::uint32_t b);
    // Splits into the keys before `key` (and `key` itself when inclusive) and the rest.
    void split(std::uint32_t node, const SortKey& key, bool inclusive, std::uint32_t& before,
               std::uint32_t& rest);
    std::uint32_t newNode(SortKey key);
    std::uint32_t nextPriority();
    template <class Before>
    size_t countBefore(Before before) const;

    KeyOrder m_order;
    std::vector<Node> m_nodes;
    std::vector<std::uint32_t> m_free;
    std::unordered_map<CEOID, std::uint32_t> m_byOid;
    std::uint32_t m_root = c_none;
    std::uint32_t m_seed = 0x9E3779B9u;
};

}  // namespace ce::objstore
