// The order-statistic treap behind every open sort order. Nodes live in one vector and
// link by index; removed nodes are reused.
#include "OrderIndex.h"

#include <algorithm>

namespace ce::objstore {

OrderIndex::OrderIndex(KeyOrder order) : m_order(order) {}

std::uint32_t OrderIndex::nextPriority() {
    // xorshift32: deterministic, and plenty for balancing.
    m_seed ^= m_seed << 13;
    m_seed ^= m_seed >> 17;
    m_seed ^= m_seed << 5;
    return m_seed;
}

std::uint32_t OrderIndex::newNode(SortKey key) {
    Node node;
    node.key = std::move(key);
    node.priority = nextPriority();
    if (!m_free.empty()) {
        std::uint32_t index = m_free.back();
        m_free.pop_back();
        m_nodes[index] = std::move(node);
        return index;
    }
    m_nodes.push_back(std::move(node));
    return static_cast<std::uint32_t>(m_nodes.size() - 1);
}

void OrderIndex::update(std::uint32_t node) {
    m_nodes[node].count = 1 + sizeOf(m_nodes[node].left) + sizeOf(m_nodes[node].right);
}

std::uint32_t OrderIndex::merge(std::uint32_t a, std::uint32_t b) {
    if (a == c_none) return b;
    if (b == c_none) return a;
    if (m_nodes[a].priority > m_nodes[b].priority) {
        m_nodes[a].right = merge(m_nodes[a].right, b);
        update(a);
        return a;
    }
    m_nodes[b].left = merge(a, m_nodes[b].left);
    update(b);
    return b;
}

void OrderIndex::split(std::uint32_t node, const SortKey& key, bool inclusive, std::uint32_t& before,
                       std::uint32_t& rest) {
    if (node == c_none) {
        before = rest = c_none;
        return;
    }
    int side = m_order.compare(m_nodes[node].key, key);
    if (side < 0 || (inclusive && side == 0)) {
        split(m_nodes[node].right, key, inclusive, m_nodes[node].right, rest);
        before = node;
    } else {
        split(m_nodes[node].left, key, inclusive, before, m_nodes[node].left);
        rest = node;
    }
    update(node);
}

void OrderIndex::build(std::vector<SortKey> keys) {
    m_nodes.clear();
    m_free.clear();
    m_byOid.clear();
    m_root = c_none;
    std::sort(keys.begin(), keys.end(),
              [this](const SortKey& a, const SortKey& b) { return m_order.compare(a, b) < 0; });
    // Sorted input builds a Cartesian tree in O(n): the right spine is kept on a stack.
    std::vector<std::uint32_t> spine;
    for (SortKey& key : keys) {
        CEOID oid = key.oid;
        std::uint32_t node = newNode(std::move(key));
        m_byOid[oid] = node;
        std::uint32_t last = c_none;
        while (!spine.empty() && m_nodes[spine.back()].priority < m_nodes[node].priority) {
            last = spine.back();
            spine.pop_back();
            update(last);
        }
        m_nodes[node].left = last;
        if (!spine.empty()) m_nodes[spine.back()].right = node;
        spine.push_back(node);
    }
    while (!spine.empty()) {
        update(spine.back());
        m_root = spine.front();
        spine.pop_back();
    }
}

void OrderIndex::insert(SortKey key) {
    erase(key.oid);
    CEOID oid = key.oid;
    std::uint32_t before, rest;
    split(m_root, key, false, before, rest);
    std::uint32_t node = newNode(std::move(key));
    m_byOid[oid] = node;
    m_root = merge(merge(before, node), rest);
}

bool OrderIndex::erase(CEOID oid) {
    auto found = m_byOid.find(oid);
    if (found == m_byOid.end()) return false;
    std::uint32_t target = found->second;
    std::uint32_t before, rest, self, after;
    split(m_root, m_nodes[target].key, false, before, rest);
    split(rest, m_nodes[target].key, true, self, after);
    m_root = merge(before, after);
    m_free.push_back(target);
    m_byOid.erase(found);
    return true;
}

const SortKey* OrderIndex::find(CEOID oid) const {
    auto found = m_byOid.find(oid);
    return found == m_byOid.end() ? nullptr : &m_nodes[found->second].key;
}

const SortKey& OrderIndex::at(size_t index) const {
    std::uint32_t node = m_root;
    for (;;) {
        size_t left = sizeOf(m_nodes[node].left);
        if (index < left) {
            node = m_nodes[node].left;
        } else if (index == left) {
            return m_nodes[node].key;
        } else {
            index -= left + 1;
            node = m_nodes[node].right;
        }
    }
}

template <class Before>
size_t OrderIndex::countBefore(Before before) const {
    size_t count = 0;
    std::uint32_t node = m_root;
    while (node != c_none) {
        if (before(m_nodes[node].key)) {
            count += sizeOf(m_nodes[node].left) + 1;
            node = m_nodes[node].right;
        } else {
            node = m_nodes[node].left;
        }
    }
    return count;
}

size_t OrderIndex::rankOf(const SortKey& key) const {
    return countBefore([&](const SortKey& k) { return m_order.compare(k, key) < 0; });
}

size_t OrderIndex::lowerBound(const SortValue& value) const {
    return countBefore([&](const SortKey& k) { return m_order.compareToValue(k, value) < 0; });
}

size_t OrderIndex::upperBound(const SortValue& value) const {
    return countBefore([&](const SortKey& k) { return m_order.compareToValue(k, value) <= 0; });
}

}  // namespace ce::objstore
