// Pooled doubly linked list of untyped pointers. Sequences and positions are recycled
// through process-wide pools so that ordinary list traffic stays off the allocator.
#pragma once

#include <cstdint>

namespace Nevo {

class Sequence;

class Position {
public:
    void* element() const { return m_element; }
    // Stores `element` and returns the one it replaces.
    void* replace(void* element);

    // For tests: positions in the pool, and positions alive (pooled or in a sequence).
    static int poolSize();
    static int liveCount();

private:
    friend class Sequence;

    Position() = default;
    ~Position();
    Position(const Position&) = delete;
    Position& operator=(const Position&) = delete;

    static Position* pos_new();
    void free();
    static void swap(Position* a, Position* b);
    static void purgePool();

    Position* m_next = nullptr;
    Position* m_previous = nullptr;
    void* m_element = nullptr;

    static Position* c_pool;
    static int c_live;
};

class Sequence {
public:
    // Comparison-function shape; find calls it as matcher(key, element).
    using Compare = int (*)(const void*, const void*);

    static Sequence* makeSequence();
    // Gives the sequence back to the pool; the caller must not use it afterwards.
    void free();
    static void purgePool();
    // Deletes every position, sentinels included. Owners give sequences back with free.
    ~Sequence();

    Position* first() const;
    Position* last() const;
    Position* after(const Position* position) const;
    Position* before(const Position* position) const;
    Position* at(int32_t index) const;
    int32_t size() const { return m_count; }
    bool isEmpty() const { return m_count == 0; }
    Position* find(Compare matcher, const void* key, bool flag = false) const;
    // Elements front to back and a null, in an xmalloc block the caller xfrees.
    void** toarray() const;

    void insertFirst(void* element);
    void insertLast(void* element);
    void insertBefore(void* element, Position* position);
    void insertAfter(void* element, Position* position);
    void remove(Position* position);
    bool removeElement(const void* element);
    void* pop();
    int addUnique(void* element);
    // Exchange sort: n(n-1)/2 comparisons whatever the order; equal elements may move.
    void reorder(Compare cmp);

    // For tests: sequences waiting in the pool (the container excluded), and sequences
    // alive (handed out, pooled or the container).
    static int poolSize();
    static int liveCount();

private:
    Sequence();
    Sequence(const Sequence&) = delete;
    Sequence& operator=(const Sequence&) = delete;

    void releasePositions();

    Position* m_head;
    Position* m_tail;
    int32_t m_count = 0;

    static Sequence* c_pool;
    static int c_live;
};

}  // namespace Nevo
