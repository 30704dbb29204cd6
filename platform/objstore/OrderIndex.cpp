// The order-statistic treap behind every open sort order. Nodes live in one vector and
// link by index; removed nodes are reused. A node's priority is a hash of its OID salted
// once a process, so that it need not be kept, and no volume can choose OIDs that
// unbalance the tree.
#include "OrderIndex.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <random>

namespace ce::objstore {

namespace {

constexpr unsigned c_lengthBits = 24;
constexpr std::uint64_t c_longestText = (std::uint64_t{1} << c_lengthBits) - 1;
// Dead text and the slots of removed records are dropped once they are this many and half
// of what is held.
constexpr size_t c_leftBeforeCompacting = 1024;

std::uint32_t processSalt() {
    static const std::uint32_t salt = std::random_device{}();
    return salt;
}

template <class Items>
void shrinkIfLoose(Items& items) {
    if (items.capacity() - items.size() > items.size() / 8 + 16) items.shrink_to_fit();
}

std::uint64_t nextVersion() {
    static std::uint64_t last = 0;
    return ++last;
}

}  // namespace

OrderIndex::OrderIndex(KeyOrder order) : m_order(order), m_salt(processSalt()), m_version(nextVersion()) {}

void OrderIndex::changed() {
    m_version = nextVersion();
}


std::u16string_view OrderIndex::textOf(const Node& node) const {
    return {m_text.data() + (node.value >> c_lengthBits), node.value & c_longestText};
}

SortKeyView OrderIndex::viewAt(std::uint32_t node) const {
    const Node& n = m_nodes[node];
    SortKeyView key;
    key.oid = n.oid;
    key.present = (n.countAndPresent & c_present) != 0;
    if (!key.present) return key;
    if (m_order.isText())
        key.value.text = textOf(n);
    else
        key.value.number = n.value;
    return key;
}

std::uint32_t OrderIndex::priorityOf(std::uint32_t node) const {
    // A bijective mix: distinct OIDs get distinct priorities.
    std::uint32_t x = m_nodes[node].oid ^ m_salt;
    x ^= x >> 16;
    x *= 0x7FEB352Du;
    x ^= x >> 15;
    x *= 0x846CA68Bu;
    x ^= x >> 16;
    return x;
}

std::uint32_t OrderIndex::newNode(const SortKeyView& key) {
    Node node;
    node.oid = key.oid;
    if (key.present) {
        node.countAndPresent |= c_present;
        if (m_order.isText()) {
            size_t length = std::min<size_t>(key.value.text.size(), c_longestText);
            node.value = (static_cast<std::uint64_t>(m_text.size()) << c_lengthBits) | length;
            m_text.insert(m_text.end(), key.value.text.begin(), key.value.text.begin() + length);
        } else {
            node.value = key.value.number;
        }
    }
    return place(node);
}

std::uint32_t OrderIndex::place(const Node& node) {
    ++m_live;
    if (!m_free.empty()) {
        std::uint32_t index = m_free.back();
        m_free.pop_back();
        m_nodes[index] = node;
        return index;
    }
    m_nodes.push_back(node);
    return static_cast<std::uint32_t>(m_nodes.size() - 1);
}

void OrderIndex::releaseNode(std::uint32_t node) {
    Node& n = m_nodes[node];
    if (m_order.isText() && (n.countAndPresent & c_present)) m_deadText += n.value & c_longestText;
    n.countAndPresent = 0;  // a free node counts nothing
    m_free.push_back(node);
    --m_live;
    if (m_deadText > c_leftBeforeCompacting && m_deadText > m_text.size() / 2) compactText();
}

void OrderIndex::compactText() {
    TextUnits kept;
    kept.reserve(m_text.size() - m_deadText);
    for (Node& n : m_nodes) {
        if (!(n.countAndPresent & c_present)) continue;
        std::uint64_t length = n.value & c_longestText;
        auto from = m_text.begin() + static_cast<std::ptrdiff_t>(n.value >> c_lengthBits);
        n.value = (static_cast<std::uint64_t>(kept.size()) << c_lengthBits) | length;
        kept.insert(kept.end(), from, from + static_cast<std::ptrdiff_t>(length));
    }
    m_text = std::move(kept);
    m_deadText = 0;
}

void OrderIndex::update(std::uint32_t node) {
    Node& n = m_nodes[node];
    n.countAndPresent = (n.countAndPresent & c_present) | (1 + sizeOf(n.left) + sizeOf(n.right));
}

std::uint32_t OrderIndex::merge(std::uint32_t a, std::uint32_t b) {
    if (a == c_none) return b;
    if (b == c_none) return a;
    if (priorityOf(a) > priorityOf(b)) {
        m_nodes[a].right = merge(m_nodes[a].right, b);
        update(a);
        return a;
    }
    m_nodes[b].left = merge(a, m_nodes[b].left);
    update(b);
    return b;
}

void OrderIndex::split(std::uint32_t node, const SortKeyView& key, bool inclusive, std::uint32_t& before,
                       std::uint32_t& rest) {
    if (node == c_none) {
        before = rest = c_none;
        return;
    }
    int side = m_order.compare(viewAt(node), key);
    if (side < 0 || (inclusive && side == 0)) {
        split(m_nodes[node].right, key, inclusive, m_nodes[node].right, rest);
        before = node;
    } else {
        split(m_nodes[node].left, key, inclusive, before, m_nodes[node].left);
        rest = node;
    }
    update(node);
}

std::uint32_t OrderIndex::nodeOf(CEOID oid) const {
    auto found = std::lower_bound(m_byOid.begin(), m_byOid.end(), oid,
                                  [](const OidSlot& slot, CEOID wanted) { return slot.oid < wanted; });
    return found != m_byOid.end() && found->oid == oid ? found->node : c_none;
}

void OrderIndex::setNodeOf(CEOID oid, std::uint32_t node) {
    if (m_byOid.empty() || m_byOid.back().oid < oid) {
        m_byOid.push_back({oid, node});
        return;
    }
    auto found = std::lower_bound(m_byOid.begin(), m_byOid.end(), oid,
                                  [](const OidSlot& slot, CEOID wanted) { return slot.oid < wanted; });
    if (found != m_byOid.end() && found->oid == oid) {
        if (found->node == c_none && node != c_none) --m_leftSlots;
        found->node = node;
        return;
    }
    m_byOid.insert(found, {oid, node});  // an OID older than the newest: rare, and linear
}

void OrderIndex::clear() {
    changed();
    m_nodes.clear();
    m_free.clear();
    m_byOid.clear();
    m_text.clear();
    m_leftSlots = m_deadText = m_live = 0;
    m_root = c_none;
}

void OrderIndex::startBuild(size_t expected) {
    clear();
    m_nodes.reserve(expected);
    m_byOid.reserve(expected);
}

void OrderIndex::add(const SortKeyView& key) {
    std::uint32_t node = newNode(key);
    m_byOid.push_back({key.oid, node});
}

void OrderIndex::sortByOid() {
    auto byOid = [](const OidSlot& a, const OidSlot& b) { return a.oid < b.oid; };
    if (std::is_sorted(m_byOid.begin(), m_byOid.end(), byOid)) return;
    // Keys come in key order when loaded: three radix passes of 11 bits beat a comparison sort
    // of a million slots several times over, and their counts stay in the nearest cache.
    constexpr unsigned c_bits = 11, c_passes = 3;
    constexpr size_t c_buckets = size_t{1} << c_bits;
    std::vector<std::array<size_t, c_buckets>> starts(c_passes, std::array<size_t, c_buckets>{});
    auto digit = [](CEOID oid, unsigned pass) { return (oid >> (pass * c_bits)) & (c_buckets - 1); };
    for (const OidSlot& slot : m_byOid)
        for (unsigned pass = 0; pass < c_passes; ++pass) ++starts[pass][digit(slot.oid, pass)];
    Array<OidSlot> other(m_byOid.size());
    for (unsigned pass = 0; pass < c_passes; ++pass) {
        std::array<size_t, c_buckets>& start = starts[pass];
        // All in one bucket (the high bits of a volume's OIDs mostly are): nothing moves.
        if (std::find(start.begin(), start.end(), m_byOid.size()) != start.end()) continue;
        size_t at = 0;
        for (size_t& bucket : start) at += std::exchange(bucket, at);
        for (const OidSlot& slot : m_byOid) other[start[digit(slot.oid, pass)]++] = slot;
        m_byOid.swap(other);
    }
}

void OrderIndex::adoptText(TextUnits text) {
    m_text = std::move(text);
}

bool OrderIndex::addSaved(CEOID oid, bool present, std::uint64_t numberOrStart, std::uint64_t length) {
    bool text = present && m_order.isText();
    if (text && (length > c_longestText || numberOrStart > m_text.size() - std::min<size_t>(length, m_text.size()) ||
                 numberOrStart >> (64 - c_lengthBits)))
        return false;
    Node node;
    node.oid = oid;
    node.countAndPresent = present ? (1 | c_present) : 1;
    node.value = text ? (numberOrStart << c_lengthBits) | length : (present ? numberOrStart : 0);
    m_byOid.push_back({oid, place(node)});
    return true;
}

bool OrderIndex::finishBuild(bool requireSorted) {
    sortByOid();
    bool sound = std::adjacent_find(m_byOid.begin(), m_byOid.end(), [](const OidSlot& a, const OidSlot& b) {
                     return a.oid == b.oid;
                 }) == m_byOid.end();
    auto before = [this](std::uint32_t a, std::uint32_t b) { return m_order.compare(viewAt(a), viewAt(b)) < 0; };
    auto count = static_cast<std::uint32_t>(m_nodes.size());
    if (requireSorted) {
        // Loaded keys are their own order: node i is the i-th key, so no order array is made.
        sound = sound && loadedKeysRise();
        if (sound) linkSorted(count, [](std::uint32_t rank) { return rank; });
    } else if (sound) {
        Array<std::uint32_t> sorted(count);
        std::iota(sorted.begin(), sorted.end(), 0u);
        std::sort(sorted.begin(), sorted.end(), before);
        linkSorted(count, [&sorted](std::uint32_t rank) { return sorted[rank]; });
    }
    if (!sound) {
        clear();
        return false;
    }
    changed();
    shrinkIfLoose(m_nodes);
    shrinkIfLoose(m_byOid);
    shrinkIfLoose(m_text);
    return true;
}

// A million loaded keys are checked here: two strings are compared where they lie, without
// the general comparison's views and dispatch on the type.
bool OrderIndex::loadedKeysRise() const {
    auto count = static_cast<std::uint32_t>(m_nodes.size());
    for (std::uint32_t i = 1; i < count; ++i) {
        const Node &a = m_nodes[i - 1], &b = m_nodes[i];
        if (m_order.isText() && (a.countAndPresent & b.countAndPresent & c_present)) {
            if (m_order.compareTextKeys(textOf(a), a.oid, textOf(b), b.oid) >= 0) return false;
        } else if (m_order.compare(viewAt(i - 1), viewAt(i)) >= 0) {
            return false;
        }
    }
    return true;
}

template <class NodeAt>
void OrderIndex::linkSorted(std::uint32_t count, NodeAt nodeAt) {
    // Sorted input builds a Cartesian tree in O(n): the right spine is kept on a stack.
    struct Spined {
        std::uint32_t node, priority;
    };
    std::vector<Spined> spine;
    for (std::uint32_t rank = 0; rank < count; ++rank) {
        std::uint32_t node = nodeAt(rank);
        std::uint32_t last = c_none, priority = priorityOf(node);
        while (!spine.empty() && spine.back().priority < priority) {
            last = spine.back().node;
            spine.pop_back();
            update(last);
        }
        m_nodes[node].left = last;
        if (!spine.empty()) m_nodes[spine.back().node].right = node;
        spine.push_back({node, priority});
    }
    while (!spine.empty()) {
        update(spine.back().node);
        m_root = spine.front().node;
        spine.pop_back();
    }
}

void OrderIndex::build(const std::vector<SortKey>& keys) {
    startBuild(keys.size());
    for (const SortKey& key : keys) add(viewOf(key));
    if (!finishBuild()) {
        // The same OID twice: the later key wins, as inserting them one by one would do.
        clear();
        for (const SortKey& key : keys) insert(key);
    }
}

void OrderIndex::insert(const SortKeyView& key) {
    changed();
    erase(key.oid);
    std::uint32_t before, rest;
    split(m_root, key, false, before, rest);
    std::uint32_t node = newNode(key);
    setNodeOf(key.oid, node);
    m_root = merge(merge(before, node), rest);
}

bool OrderIndex::erase(CEOID oid) {
    std::uint32_t target = nodeOf(oid);
    if (target == c_none) return false;
    changed();
    std::uint32_t before, rest, self, after;
    SortKeyView key = viewAt(target);
    split(m_root, key, false, before, rest);
    split(rest, key, true, self, after);
    m_root = merge(before, after);
    setNodeOf(oid, c_none);
    ++m_leftSlots;
    if (m_leftSlots > c_leftBeforeCompacting && m_leftSlots > m_byOid.size() / 2) {
        std::erase_if(m_byOid, [](const OidSlot& slot) { return slot.node == c_none; });
        m_leftSlots = 0;
    }
    releaseNode(target);
    return true;
}

std::optional<SortKey> OrderIndex::find(CEOID oid) const {
    std::uint32_t node = nodeOf(oid);
    if (node == c_none) return std::nullopt;
    SortKeyView view = viewAt(node);
    return SortKey{view.oid, view.present, {view.value.number, std::u16string(view.value.text)}};
}

bool OrderIndex::holds(const SortKey& key) const {
    std::uint32_t node = nodeOf(key.oid);
    return node != c_none && m_order.compare(viewAt(node), viewOf(key)) == 0;
}

std::uint32_t OrderIndex::nodeAt(size_t index) const {
    std::uint32_t node = m_root;
    for (;;) {
        size_t left = sizeOf(m_nodes[node].left);
        if (index < left) {
            node = m_nodes[node].left;
        } else if (index == left) {
            return node;
        } else {
            index -= left + 1;
            node = m_nodes[node].right;
        }
    }
}

void OrderIndex::pathTo(size_t index, Path& path) const {
    path.clear();
    std::uint32_t node = m_root;
    for (;;) {
        path.push_back(node);
        size_t left = sizeOf(m_nodes[node].left);
        if (index < left) {
            node = m_nodes[node].left;
        } else if (index == left) {
            return;
        } else {
            index -= left + 1;
            node = m_nodes[node].right;
        }
    }
}

bool OrderIndex::stepForward(Path& path) const {
    std::uint32_t node = m_nodes[path.back()].right;
    if (node != c_none) {
        for (; node != c_none; node = m_nodes[node].left) path.push_back(node);
        return true;
    }
    // Up to the first ancestor reached from its left.
    for (;;) {
        std::uint32_t child = path.back();
        path.pop_back();
        if (path.empty()) return false;
        if (m_nodes[path.back()].left == child) return true;
    }
}

SortKey OrderIndex::at(size_t index) const {
    SortKeyView view = viewAt(nodeAt(index));
    return SortKey{view.oid, view.present, {view.value.number, std::u16string(view.value.text)}};
}

template <class Before>
size_t OrderIndex::countBefore(Before before) const {
    size_t count = 0;
    std::uint32_t node = m_root;
    while (node != c_none) {
        if (before(viewAt(node))) {
            count += sizeOf(m_nodes[node].left) + 1;
            node = m_nodes[node].right;
        } else {
            node = m_nodes[node].left;
        }
    }
    return count;
}

size_t OrderIndex::rankOf(const SortKey& key) const {
    SortKeyView view = viewOf(key);
    return countBefore([&](const SortKeyView& k) { return m_order.compare(k, view) < 0; });
}

std::optional<size_t> OrderIndex::rankOfRecord(CEOID oid) const {
    std::uint32_t node = nodeOf(oid);
    if (node == c_none) return std::nullopt;
    SortKeyView view = viewAt(node);
    return countBefore([&](const SortKeyView& k) { return m_order.compare(k, view) < 0; });
}

size_t OrderIndex::lowerBound(const SortValue& value) const {
    SortValueView view = viewOf(value);
    return countBefore([&](const SortKeyView& k) { return m_order.compareToValue(k, view) < 0; });
}

size_t OrderIndex::upperBound(const SortValue& value) const {
    SortValueView view = viewOf(value);
    return countBefore([&](const SortKeyView& k) { return m_order.compareToValue(k, view) <= 0; });
}

size_t OrderIndex::bytesHeld() const {
    return m_nodes.capacity() * sizeof(Node) + m_free.capacity() * sizeof(std::uint32_t) +
           m_byOid.capacity() * sizeof(OidSlot) + m_text.capacity() * sizeof(char16_t);
}

}  // namespace ce::objstore
